// The print item bits, the dialog's presets and which items a puzzle cannot offer.
// Free of <windows.h> so that native tests reach it.
#pragma once
#include <cstdint>

namespace gw::print {

enum PrintItem : uint32_t {
    ItemTitle = 0x001,
    ItemAuthor = 0x002,
    ItemCopyright = 0x004,
    ItemClues = 0x018,  // two bits, always set or cleared together
    ItemGrid = 0x020,
    ItemNumbers = 0x040,
    ItemLetters = 0x080,
    ItemSolution = 0x100,
    ItemTwoPages = 0x800,
};

constexpr uint32_t PresetAsFilled = 0xFF;   // "Solve Items (as currently filled)"
constexpr uint32_t PresetFresh = 0x7F;      // "Solve Items (fresh grid)"
constexpr uint32_t PresetSolution = 0x125;  // "Solution Grid": title, copyright, grid, solution
constexpr uint32_t InitialItems = 255;

enum class Preset { AsFilled, Fresh, SolutionGrid, Customize };

// The preset radio that a stored selection opens with.
inline Preset presetFor(uint32_t items) {
    if (items == PresetSolution) return Preset::SolutionGrid;
    if (items == PresetFresh || items == (PresetFresh | ItemTwoPages)) return Preset::Fresh;
    if (items == PresetAsFilled || items == (PresetAsFilled | ItemTwoPages)) return Preset::AsFilled;
    return Preset::Customize;
}

inline uint32_t presetItems(Preset p) {
    switch (p) {
        case Preset::AsFilled: return PresetAsFilled;
        case Preset::Fresh: return PresetFresh;
        case Preset::SolutionGrid: return PresetSolution;
        default: return 0;
    }
}

struct PuzzleFacts {
    bool hasTitle = false, hasAuthor = false, hasCopyright = false;
    bool hasSolution = false;  // a solution that is there and not scrambled
};

inline uint32_t unavailableItems(const PuzzleFacts& f) {
    uint32_t u = 0;
    if (!f.hasTitle) u |= ItemTitle;
    if (!f.hasAuthor) u |= ItemAuthor;
    if (!f.hasCopyright) u |= ItemCopyright;
    if (!f.hasSolution) u |= ItemSolution;
    return u;
}

// What one page prints: the requested set without what cannot be printed; with two
// pages the first page leaves the clues to the second, which holds nothing else.
inline uint32_t pageItems(uint32_t requested, uint32_t unavailable, int page) {
    const uint32_t items = requested & ~unavailable;
    if (!(items & ItemTwoPages)) return items;
    return page == 0 ? (items & ~uint32_t(ItemClues)) : uint32_t(ItemClues);
}

}  // namespace gw::print
