// Stored settings can be edited by hand or left by another version, so every reader of
// them is fed arbitrary values here: the store reads them as the registry store does
// (same capacities, same text handling), over values the input supplies. Whatever they
// hold, what is read is usable, and what the program then writes reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "doc/puzzle_document.h"
#include "doc/puzzle_grid.h"
#include "plugins/host/plugin_manager.h"
#include "ports/core_context.h"
#include "ports/settings_names.h"
#include "ports/settings_text.h"
#include "ports/silent_services.h"
#include "resources/string_ids.h"
#include "score_board.h"
#include "tip_cycle.h"
#include "resources/string_table.h"
#include "shell/layout_settings.h"
#include "shell/window_geometry.h"
#include "views/grid_geometry.h"
#include "views/toolbar_model.h"

using namespace gw;
namespace sn = settings_names;
namespace sd = settings_defaults;

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

// A stored value: its bytes as the registry hands them over, and whether it is text.
struct Value {
    bool text = true;
    std::string bytes;
};

// Each value is taken from the input the first time it is asked for: a kind byte
// (missing, text, not text), a 16-bit length and the bytes. Written values replace them.
class FuzzStore final : public SettingsStore {
public:
    FuzzStore(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool readInt(const char* s, const char* n, int& v) override {
        char buf[128];
        return query(s, n, buf, sizeof buf) && parseSettingInt(buf, v);
    }
    bool readText(const char* s, const char* n, std::string& v) override {
        std::vector<char> buf(512);
        if (!query(s, n, buf.data(), buf.size())) return false;
        v.assign(buf.data());
        return true;
    }
    bool readColour(const char* s, const char* n, uint32_t& v) override {
        char buf[24];
        const bool read = query(s, n, buf, sizeof buf);
        return readStoredColour(read ? buf : nullptr, v);
    }
    void writeInt(const char* s, const char* n, int v) override { write(s, n, std::to_string(v).c_str()); }
    void writeText(const char* s, const char* n, const std::string& v) override { write(s, n, v.c_str()); }
    void writeColour(const char* s, const char* n, uint32_t v) override { write(s, n, std::to_string(v).c_str()); }
    void deleteValue(const char* s, const char* n) override { values_[key(s, n)] = nullptr; }
    void deleteSection(const char* s) override {
        for (auto& [k, v] : values_)
            if (k.compare(0, std::strlen(s) + 1, std::string(s) + "\\") == 0) v = nullptr;
        deleted_.insert(s);
    }

private:
    static std::string key(const char* s, const char* n) { return std::string(s) + "\\" + n; }
    void write(const char* s, const char* n, const char* text) {
        stored_.push_back({true, std::string(text, std::strlen(text) + 1)});
        values_[key(s, n)] = &stored_.back();
    }
    uint8_t next() {
        if (size_ == 0) return 0;
        --size_;
        return *data_++;
    }
    const Value* lookup(const char* s, const char* n) {
        auto found = values_.find(key(s, n));
        if (found != values_.end()) return found->second;
        if (deleted_.count(s)) return nullptr;
        const uint8_t kind = next() % 3;
        const size_t low = next(), high = next();
        const size_t length = std::min((low | high << 8) % 1025, size_);
        stored_.push_back({kind == 1, std::string(reinterpret_cast<const char*>(data_), length)});
        data_ += length;
        size_ -= length;
        const Value* v = kind == 0 ? nullptr : &stored_.back();
        values_[key(s, n)] = v;
        return v;
    }
    // RegQueryValueEx into a buffer of `capacity`, then the store's own handling.
    bool query(const char* s, const char* n, char* buf, size_t capacity) {
        const Value* v = lookup(s, n);
        if (!v || v->bytes.size() > capacity) return false;
        std::memcpy(buf, v->bytes.data(), v->bytes.size());
        return v->text && terminateStoredText(buf, v->bytes.size(), capacity);
    }

    const uint8_t* data_;
    size_t size_;
    std::deque<Value> stored_;  // values stay where they are as more are added
    std::map<std::string, const Value*> values_;
    std::set<std::string> deleted_;
};

bool operator==(const ScreenRect& a, const ScreenRect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}
bool operator==(const LayoutValues& a, const LayoutValues& b) {
    return a.promptHeight == b.promptHeight && a.clueExtent == b.clueExtent && a.acrossExtent == b.acrossExtent &&
           a.downExtent == b.downExtent && a.floating[0] == b.floating[0] && a.floating[1] == b.floating[1];
}

// The grid view's sizes at the stored scales, with a large base cell and letter font.
void checkScales(SettingsStore& store) {
    const gridgeom::StartScales s = gridgeom::readStartScales(store);
    for (int scale : {s.scale, std::max(gridgeom::MinZoomScale, s.restore), gridgeom::zoomInScale(s.scale),
                      gridgeom::zoomOutScale(s.scale)}) {
        const int cell = gridgeom::cellSize(60, scale);
        check(cell >= 1);
        check(MaxGridSize * cell > 0);  // the content size of the largest grid
        const int letter = gridgeom::scaleFontHeight(-48, scale);
        gridgeom::numberFontWidth(letter, scale);
        gridgeom::filledLetterHeight(letter, cell, gridgeom::scaleFontHeight(-20, scale));
    }
}

void checkLayout(SettingsStore& store) {
    const ClueListMetrics metrics{20, 180};
    const int type = readLayoutType(store), position = readPromptPosition(store);
    check(position == PromptAbove || position == PromptBelow);
    const LayoutValues v = readLayoutValues(store, type, metrics);
    storeLayoutValues(store, type, position, v, true);
    check(readLayoutType(store) == type && readPromptPosition(store) == position);
    check(readLayoutValues(store, type, metrics) == v);
}

void checkGeometry(SettingsStore& store) {
    const DesktopRect desktop{0, 0, 1280, 1024};
    const WindowGeometry g = computeWindowGeometry(desktop, store);
    check(g.width > 0 && g.height > 0 && g.x >= 0 && g.y >= 0);
    check(g.x + g.width <= desktop.right && g.y + g.height <= desktop.bottom);
    store.writeInt(sn::Geometry, sn::X, g.x);
    store.writeInt(sn::Geometry, sn::Y, g.y);
    store.writeInt(sn::Geometry, sn::Width, g.width);
    store.writeInt(sn::Geometry, sn::Height, g.height);
    const WindowGeometry again = computeWindowGeometry(desktop, store);
    check(again.x == g.x && again.y == g.y && again.width == g.width && again.height == g.height);
}

std::vector<bool> solveSwitches(const PuzzleGrid& g) {
    return {g.autoCheck,    g.fancyCursor,    g.cursorSkip, g.skipFilled,
            g.autoNavSwitch, g.autoNavWord, g.rightMouseMove, g.arrowPause, g.pencilMode};
}

void checkSolvePreferences() {
    // One grid for all runs: it is large, and attaching it reads every preference afresh.
    static PuzzleGrid grid(3, 3, "ABC.D.EFG", "---.-.---", 0, nullptr, nullptr, nullptr, nullptr, 0);
    grid.AttachView(nullptr);
    const std::vector<bool> read = solveSwitches(grid);
    grid.SaveSolvePreferences();
    grid.ReadSolvePreferences();
    check(solveSwitches(grid) == read);
}

void checkTexts(SettingsStore& store) {
    for (const char* role : {sn::TitleFont, sn::AuthorFont, sn::CopyrightFont, sn::GridCharFont, sn::GridNumFont,
                             sn::ClueFont, sn::PrintLegendFont, sn::PrintGridFont, sn::PrintClueFont}) {
        const size_t capacity = std::strncmp(role, "Print", 5) == 0 ? sd::PrintFaceCapacity : sd::FaceCapacity;
        std::string face = sd::FontFace;
        readTextLimited(store, sn::Fonts, role, face, capacity);
        check(face.size() < capacity && face.find('\0') == std::string::npos);
    }
    // The toolbar takes a stored order only when it fits its buffer.
    static const toolbar::Description d = toolbar::parseDescription(stringText(IDS_TOOLBAR_DESC));
    std::string order = d.defaultOrder;
    if (store.readText(sn::ToolbarSection, sn::State, order)) check(order.size() < size_t(sd::ToolbarStateCapacity));
    if (order.size() > 511) order = d.defaultOrder;
    std::set<int> placed;
    for (int slot : toolbar::parseOrder(order, d.slots))
        check(slot == toolbar::Separator || (size_t(slot) < d.slots.size() && placed.insert(slot).second));
}

void checkColoursAndTools(SettingsStore& store) {
    for (const char* name : {sn::GridWhite, sn::CurrentLetter, sn::PencilColor}) {
        uint32_t colour = sd::CurrentWord;
        store.readColour(sn::Colors, name, colour);
        store.writeColour(sn::Colors, name, colour);
        uint32_t again = 0;
        check(store.readColour(sn::Colors, name, again) && again == colour);
    }
    // Plug-ins read their own settings through the host, and the host reads "Tools".
    for (const char* name : {"OVtimer.dll", "OVtipofday.dll"}) {
        int32_t value = sd::ToolEnabled;
        toolHostServices().ReadSetting(nullptr, sn::Tools, name, &value);
        toolHostServices().WriteSetting(nullptr, sn::Tools, name, value);
        int32_t again = -1;
        toolHostServices().ReadSetting(nullptr, sn::Tools, name, &again);
        check(again == value);
    }
    // The plug-ins' own values: the score board's order and the next tip to show.
    int32_t sortKey = ovtimer::SortByLastWorked, tip = ovtips::DefaultNextTip;
    toolHostServices().ReadSetting(nullptr, "PellTimer", "sortkey", &sortKey);
    toolHostServices().ReadSetting(nullptr, "PellTips", "NextTip", &tip);
    const int key = ovtimer::normalizeSortKey(sortKey), first = ovtips::firstTip(tip);
    check(key >= ovtimer::SortByLastWorked && key <= ovtimer::SortByTime);
    check(first >= 0 && first < ovtips::TipCount && ovtips::nextTip(first) < ovtips::TipCount);
    check(ovtips::previousTip(first) >= 0 && ovtips::previousTip(first) < ovtips::TipCount);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 16 * 1024) return 0;
    SilentServices services;
    FuzzStore store(data, size);
    core().ui = &services;
    core().settings = &store;
    checkGeometry(store);
    checkLayout(store);
    checkScales(store);
    checkSolvePreferences();
    checkTexts(store);
    checkColoursAndTools(store);
    bool rebus = false, symbol = false;
    {
        PuzzleDocument doc;  // reads the indicators, writes them back when it goes
        rebus = doc.showRebusIndicator;
        symbol = doc.showSymbolIndicator;
    }
    {
        PuzzleDocument again;
        check(again.showRebusIndicator == rebus && again.showSymbolIndicator == symbol);
    }
    core() = CoreContext{};
    return 0;
}
