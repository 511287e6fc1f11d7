// Paste takes arbitrary clipboard text into the current word. Whatever the text,
// the grid must stay consistent: counts right, entries within their bounds, and
// a pasted word's own text must paste back to itself; Undo must bring back the
// word as it was before the paste.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "doc/puzzle_grid.h"
#include "ports/core_context.h"
#include "ports/silent_services.h"

using namespace gw;

namespace {

// Answers every question with the answer the input chose; hands out the text.
class FuzzServices final : public SilentServices {
public:
    int answer = AnswerOk;
    std::optional<std::string> clipboard;
    int question(const std::string&, unsigned) override { return answer; }
    int questionById(int, unsigned) override { return answer; }
    bool clipboardHasText() override { return clipboard.has_value(); }
    void copyTextToClipboard(const std::string& t) override { clipboard = t; }
    std::optional<std::string> getClipboardText() override { return clipboard; }
};

// 7 x 5 with blocks, a long Across word and words of two cells.
const char* const Rows[] = {"ABCDEFG", "H.IJ.KL", "MNOPQRS", "T.U.VWX", "YZ.ABCD"};
constexpr int W = 7, H = 5;

std::unique_ptr<PuzzleGrid> makeGrid() {
    std::string solution, fill;
    for (const char* row : Rows) solution += row;
    for (char c : solution) fill += c == '.' ? '.' : '-';
    fill[3] = 'd';  // a pencil letter
    fill[9] = 'J';
    return std::make_unique<PuzzleGrid>(W, H, solution, fill, uint16_t(0), nullptr, nullptr, nullptr, nullptr, 0);
}

void check(bool ok) {
    if (!ok) __builtin_trap();
}

void checkGrid(const PuzzleGrid& g) {
    int filled = 0;
    for (int x = 0; x < W; ++x)
        for (int y = 0; y < H; ++y) {
            const GridCell& c = g.cell(x, y);
            if (!c.isWhite()) continue;
            if (!c.isEmpty()) ++filled;
            check(c.fill != '\0');
            if (c.userRebus) {
                const RebusEntry& r = *c.userRebus;
                check(r.length >= 1 && r.length <= RebusMaxText);
                check(r.text[RebusMaxText] == '\0');
                if (r.kind != RebusPlain) check(r.length == 1 && r.text[0] != '\0');
            }
        }
    check(filled == g.filledCellCount);
}

std::string currentWordText(const PuzzleGrid& g) {
    int x1, y1, x2, y2;
    g.CurrentWordRange(x1, y1, x2, y2);
    return g.WordText(x1, y1, x2, y2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3 || size > 4096) return 0;
    FuzzServices services;
    core().ui = &services;

    auto grid = makeGrid();
    PuzzleGrid& g = *grid;
    g.AttachView(nullptr);
    // First bytes: where the cursor goes, which direction, the truncation answer.
    g.ClickCell(data[0] % W, (data[0] / W) % H);
    g.SetDirection(data[1] % 3);
    services.answer = (data[2] & 1) ? AnswerOk : AnswerCancel;
    if (data[2] & 2) g.SetCellText(0, 0, "HEART", true);
    if (data[2] & 4) g.SetCellEntry(6, 0, char(0xA9), false, true);
    const std::string before = currentWordText(g);

    services.clipboard = std::string(reinterpret_cast<const char*>(data + 3), size - 3);
    g.EditCommand(EditRequestExecute, 40016);
    checkGrid(g);

    const std::string after = currentWordText(g);

    // Undo brings back the word as it was, and a second Undo the pasted one.
    if (after != before && before.size() >= 2) {
        g.UndoCommand(1);
        checkGrid(g);
        check(currentWordText(g) == before);
        g.UndoCommand(1);
        checkGrid(g);
        check(currentWordText(g) == after);
    }

    // Whatever got in, the word's text now pastes back to the very same text.
    services.answer = AnswerOk;
    g.PasteWord(after);
    checkGrid(g);
    check(currentWordText(g) == after);
    core() = CoreContext{};
    return 0;
}
