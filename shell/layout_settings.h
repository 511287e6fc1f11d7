// The nine window layouts: their codes, what each arranges, and the sizes the
// "layout" settings keep for the last one used. Portable, so that the rules about
// which stored sizes apply are tested without windows.
#pragma once
#include <utility>
#include <vector>

#include "ports/settings_names.h"
#include "ports/settings_store.h"
#include "shell/dpi_scale.h"

namespace gw {

enum LayoutType : int {
    LayoutABDB = 1002,  // grid on top, both lists in a strip below
    LayoutALDL = 1003,  // a clue column left of the grid
    LayoutADSH = 1004,  // lists side by side in one floating window
    LayoutATDT = 1011,  // both lists in a strip above the grid
    LayoutARDR = 1012,  // a clue column right of the grid (the default)
    LayoutADSV = 1013,  // lists stacked in one floating window
    LayoutATDB = 1014,  // Across above the grid, Down below it
    LayoutALDR = 1015,  // Across left of the grid, Down right of it
    LayoutASDS = 1016,  // one floating window per list
};

constexpr int PromptAbove = 1035;
constexpr int PromptBelow = 1036;

// The types in the order the layout pictures are offered.
inline constexpr int LayoutTypes[] = {LayoutABDB, LayoutATDT, LayoutATDB, LayoutALDL, LayoutARDR,
                                      LayoutALDR, LayoutADSH, LayoutADSV, LayoutASDS};

// Any other number is built as the default arrangement.
inline int normalLayoutType(int type) {
    for (int t : LayoutTypes)
        if (t == type) return type;
    return LayoutARDR;
}

inline const char* layoutCode(int type) {
    switch (normalLayoutType(type)) {
        case LayoutABDB: return "ABDB";
        case LayoutATDT: return "ATDT";
        case LayoutATDB: return "ATDB";
        case LayoutALDL: return "ALDL";
        case LayoutALDR: return "ALDR";
        case LayoutADSH: return "ADSH";
        case LayoutADSV: return "ADSV";
        case LayoutASDS: return "ASDS";
        default: return "ARDR";
    }
}

inline int floatingWindowCount(int type) {
    switch (normalLayoutType(type)) {
        case LayoutADSH:
        case LayoutADSV: return 1;
        case LayoutASDS: return 2;
        default: return 0;
    }
}

struct ScreenRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// Sizes of one layout. Zero for a list extent means "equal shares".
struct LayoutValues {
    int promptHeight = settings_defaults::PromptHeight;
    int clueExtent = 0;    // the clue strip's outer height, or the clue column's outer width
    int acrossExtent = 0;  // along the axis the lists are arranged on
    int downExtent = 0;
    ScreenRect floating[2];  // outer rectangles of the floating clue windows
};

// What the defaults are measured in: the lists' header height and preferred width.
struct ClueListMetrics {
    int headerHeight = 0;
    int preferredWidth = 0;
    int dpi = BaseDpi;  // of the window the layout is built in
};

inline LayoutValues defaultLayoutValues(int type, const ClueListMetrics& m) {
    LayoutValues v;
    v.promptHeight = scaleToDpi(settings_defaults::PromptHeight, m.dpi);
    const ScreenRect window{0, 0, 2 * m.preferredWidth, 20 * m.headerHeight};
    switch (normalLayoutType(type)) {
        case LayoutABDB:
        case LayoutATDT: v.clueExtent = m.headerHeight; break;
        case LayoutATDB: v.acrossExtent = v.downExtent = m.headerHeight; break;
        case LayoutALDL:
        case LayoutARDR: v.clueExtent = m.preferredWidth; break;
        case LayoutALDR: v.acrossExtent = v.downExtent = m.preferredWidth; break;
        default: v.floating[0] = v.floating[1] = window; break;
    }
    return v;
}

// The value names a type keeps, each tied to its field of `v`.
inline std::vector<std::pair<const char*, int*>> layoutSlots(int type, LayoutValues& v) {
    namespace n = settings_names;
    ScreenRect& f = v.floating[0];
    ScreenRect& g = v.floating[1];
    switch (normalLayoutType(type)) {
        case LayoutABDB:
        case LayoutATDT:
            return {{n::ClueHeight, &v.clueExtent}, {n::AcClueWidth, &v.acrossExtent}, {n::DnClueWidth, &v.downExtent}};
        case LayoutALDL:
        case LayoutARDR:
            return {{n::ClueWidth, &v.clueExtent}, {n::AcClueHeight, &v.acrossExtent}, {n::DnClueHeight, &v.downExtent}};
        case LayoutATDB: return {{n::AcClueHeight, &v.acrossExtent}, {n::DnClueHeight, &v.downExtent}};
        case LayoutALDR: return {{n::AcClueWidth, &v.acrossExtent}, {n::DnClueWidth, &v.downExtent}};
        case LayoutADSH:
        case LayoutADSV: {
            const bool sideBySide = normalLayoutType(type) == LayoutADSH;
            return {{sideBySide ? n::AcClueWidth : n::AcClueHeight, &v.acrossExtent},
                    {sideBySide ? n::DnClueWidth : n::DnClueHeight, &v.downExtent},
                    {n::ClueHeight, &f.height}, {n::ClueWidth, &f.width}, {n::ClueXPos, &f.x}, {n::ClueYPos, &f.y}};
        }
        default:  // LayoutASDS
            return {{n::AcClueHeight, &f.height}, {n::AcClueWidth, &f.width}, {n::AcClueXPos, &f.x},
                    {n::AcClueYPos, &f.y},       {n::DnClueHeight, &g.height}, {n::DnClueWidth, &g.width},
                    {n::DnClueXPos, &g.x},       {n::DnClueYPos, &g.y}};
    }
}

// The sizes to build `type` with: the stored ones only when the stored layout is of
// the same type (the store holds the last layout used and nothing else).
inline LayoutValues readLayoutValues(SettingsStore& store, int type, const ClueListMetrics& m) {
    LayoutValues v = defaultLayoutValues(type, m);
    int stored = 0;
    store.readInt(settings_names::Layout, settings_names::Type, stored);
    if (stored != type) return v;
    for (auto& [name, field] : layoutSlots(type, v)) store.readInt(settings_names::Layout, name, *field);
    store.readInt(settings_names::Layout, settings_names::PromptHeight, v.promptHeight);
    return v;
}

inline int readLayoutType(SettingsStore& store) {
    int type = settings_defaults::LayoutType;
    store.readInt(settings_names::Layout, settings_names::Type, type);
    return type;
}

inline int readPromptPosition(SettingsStore& store) {
    int position = settings_defaults::PromptPosition;
    store.readInt(settings_names::Layout, settings_names::PromptPosition, position);
    return position == PromptBelow ? PromptBelow : PromptAbove;
}

// Replaces whatever was stored with this layout's sizes.
inline void storeLayoutValues(SettingsStore& store, int type, int promptPosition, LayoutValues v, bool hasPrompt) {
    store.deleteSection(settings_names::Layout);
    store.writeInt(settings_names::Layout, settings_names::Type, type);
    store.writeInt(settings_names::Layout, settings_names::PromptPosition, promptPosition);
    for (auto& [name, field] : layoutSlots(type, v)) store.writeInt(settings_names::Layout, name, *field);
    if (hasPrompt) store.writeInt(settings_names::Layout, settings_names::PromptHeight, v.promptHeight);
}

}  // namespace gw
