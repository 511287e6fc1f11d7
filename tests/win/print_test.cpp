// Printing under Wine: the item dialog's presets and enable rules driven by messages,
// and one page rendered into a memory DC at screen resolution.
#include "grid_test_support.h"
#include "shell_harness.h"

#include "print/layout/print_items.h"
#include "print/page_renderer.h"
#include "print/print_items_dialog.h"
#include "print/print_job.h"
#include "resources/resource_ids.h"

namespace gw::test {
namespace {

using namespace gw::print;

// ------------------------------------------------------------------ item dialog

class ItemsDialog : public ::testing::Test {
protected:
    std::unique_ptr<PrintItemsDialog> dialog;
    HWND hwnd = nullptr;

    void open(uint32_t stored, uint32_t unavailable) {
        dialog = std::make_unique<PrintItemsDialog>(stored, unavailable);
        hwnd = dialog->create(wintest::gridwellResources(), nullptr);
        ASSERT_NE(hwnd, nullptr);
    }
    void TearDown() override {
        if (dialog && !dialog->finished()) DestroyWindow(hwnd);
    }
    void click(int id) { SendMessageA(GetDlgItem(hwnd, id), BM_CLICK, 0, 0); }
    bool on(int id) { return IsDlgButtonChecked(hwnd, id) == BST_CHECKED; }
    bool enabled(int id) { return IsWindowEnabled(GetDlgItem(hwnd, id)) != FALSE; }
};

TEST_F(ItemsDialog, StoredPresetShowsItsItemsWithTheBoxesLocked) {
    open(PresetAsFilled, 0);
    EXPECT_TRUE(on(IDC_PRINT_AS_FILLED));
    for (int id : {IDC_PRINT_GRID, IDC_PRINT_LETTERS, IDC_PRINT_NUMBERS, IDC_PRINT_CLUES, IDC_PRINT_TITLE,
                   IDC_PRINT_AUTHOR, IDC_PRINT_COPYRIGHT}) {
        EXPECT_TRUE(on(id)) << id;
        EXPECT_FALSE(enabled(id)) << id;
    }
    EXPECT_FALSE(on(IDC_PRINT_SOLUTION));
    EXPECT_TRUE(enabled(IDC_PRINT_TWO_PAGES));
    // Solution Grid: its items, and two pages cleared and locked.
    click(IDC_PRINT_TWO_PAGES);
    click(IDC_PRINT_SOLUTION_GRID);
    EXPECT_TRUE(on(IDC_PRINT_SOLUTION));
    EXPECT_FALSE(on(IDC_PRINT_LETTERS));
    EXPECT_FALSE(on(IDC_PRINT_CLUES));
    EXPECT_FALSE(on(IDC_PRINT_TWO_PAGES));
    EXPECT_FALSE(enabled(IDC_PRINT_TWO_PAGES));
    click(IDOK);
    EXPECT_TRUE(dialog->finished());
    EXPECT_EQ(dialog->result(), PresetSolution);
}

TEST_F(ItemsDialog, ScrambledSolutionDisablesSolutionGridAndFallsBackToAsFilled) {
    open(PresetSolution, ItemSolution | ItemAuthor);
    EXPECT_FALSE(enabled(IDC_PRINT_SOLUTION_GRID));
    EXPECT_TRUE(on(IDC_PRINT_AS_FILLED));
    EXPECT_FALSE(on(IDC_PRINT_AUTHOR));
    // The boxes show the items of the preset that replaced it.
    EXPECT_TRUE(on(IDC_PRINT_LETTERS));
    EXPECT_TRUE(on(IDC_PRINT_CLUES));
    EXPECT_FALSE(on(IDC_PRINT_SOLUTION));
    click(IDCANCEL);
    EXPECT_TRUE(dialog->finished());
    EXPECT_EQ(dialog->result(), 0u);
}

TEST_F(ItemsDialog, CustomBoxesFollowTheGridAndTheClues) {
    // Title, author, copyright, clues and grid, from a puzzle without an author.
    open(0x3F, ItemAuthor);
    EXPECT_TRUE(on(IDC_PRINT_CUSTOMIZE));
    EXPECT_FALSE(enabled(IDC_PRINT_AUTHOR));
    EXPECT_FALSE(on(IDC_PRINT_AUTHOR));
    EXPECT_TRUE(on(IDC_PRINT_COPYRIGHT));
    EXPECT_FALSE(enabled(IDC_PRINT_COPYRIGHT));  // goes with the grid
    EXPECT_TRUE(enabled(IDC_PRINT_LETTERS));

    click(IDC_PRINT_LETTERS);
    click(IDC_PRINT_SOLUTION);
    EXPECT_FALSE(on(IDC_PRINT_LETTERS));  // the two exclude each other
    EXPECT_TRUE(on(IDC_PRINT_SOLUTION));

    click(IDC_PRINT_TWO_PAGES);
    click(IDC_PRINT_GRID);  // off
    for (int id : {IDC_PRINT_LETTERS, IDC_PRINT_SOLUTION, IDC_PRINT_NUMBERS, IDC_PRINT_TWO_PAGES}) {
        EXPECT_FALSE(on(id)) << id;
        EXPECT_FALSE(enabled(id)) << id;
    }
    EXPECT_TRUE(enabled(IDC_PRINT_COPYRIGHT));
    click(IDC_PRINT_COPYRIGHT);  // off, now that it may be
    click(IDC_PRINT_GRID);       // on again: copyright checked and locked, two pages offered
    EXPECT_TRUE(on(IDC_PRINT_COPYRIGHT));
    EXPECT_FALSE(enabled(IDC_PRINT_COPYRIGHT));
    EXPECT_TRUE(enabled(IDC_PRINT_TWO_PAGES));
    click(IDC_PRINT_NUMBERS);
    click(IDC_PRINT_TWO_PAGES);
    click(IDC_PRINT_CLUES);  // off: two pages cleared and locked
    EXPECT_FALSE(on(IDC_PRINT_TWO_PAGES));
    EXPECT_FALSE(enabled(IDC_PRINT_TWO_PAGES));
    click(IDC_PRINT_CLUES);
    click(IDC_PRINT_TWO_PAGES);
    click(IDOK);
    EXPECT_EQ(dialog->result(), uint32_t(ItemTwoPages | ItemGrid | ItemNumbers | ItemClues | ItemTitle | ItemCopyright));
}

// ------------------------------------------------------------------ a rendered page

// Not the grid view fixture: that one registers stand-in view classes once per process,
// which the shell tests that run in between would unregister.
class PrintedPage : public CoreFixture {
protected:
    std::unique_ptr<PuzzleDocument> doc;
    std::unique_ptr<ClueSet> clues;

    void openGrid(const std::vector<std::string>& rows, const std::vector<std::string>& fills) {
        doc = std::make_unique<PuzzleDocument>();
        core().document = doc.get();
        doc->grid = buildGrid(rows, fills);
        clues = buildClues(*doc->grid);
        doc->isOpen = true;
    }
    PuzzleGrid& grid() { return *doc->grid; }
    void TearDown() override {
        clues.reset();
        doc.reset();
        CoreFixture::TearDown();
    }
};

TEST_F(PrintedPage, GridLinesNumbersLettersFillsAndCluesLandWhereThePlanSays) {
    openGrid({"CAT.", "A.DO", "TOGA"}, {"CA--", "-.D-", "T---"});
    setUserRebus(grid().cell(3, 2), "HEART");  // too long for a printed cell: a footnote
    doc->title = "Tiny Test";
    doc->copyright = "(c) Gridwell";
    MemoryCanvas page(816, 1056);  // a letter page at 96 dots per inch
    PrintFonts fonts(page.dc(), PrintFaces{});
    const DeviceFacts facts{96, 96, 816, 1056};
    const uint32_t items = pageItems(PresetAsFilled, unavailableFor(*doc), 0);
    const PagePlan plan = layoutPage(fonts, facts, contentFor(*doc, items, 1), items);
    std::vector<PaintedText> trace;
    GridLook look;
    look.printBrushIndex = PrintGrey;
    look.trace = &trace;
    renderPage(page.dc(), plan, doc->grid.get(), fonts, look);
    page.save("printed_page.bmp");

    ASSERT_TRUE(plan.gridShown);
    const Box& g = plan.grid;
    const int cw = plan.cellWidth, ch = plan.cellHeight;
    // Outer and inner lines black, a letter cell's free corner white, the block grey.
    EXPECT_EQ(page.pixel(g.left, g.top + ch / 2), RGB(0, 0, 0));
    EXPECT_EQ(page.pixel(g.left + cw, g.top + ch / 2), RGB(0, 0, 0));
    EXPECT_EQ(page.pixel(g.left + cw / 2, g.top + ch), RGB(0, 0, 0));
    EXPECT_EQ(page.pixel(g.left + cw - 3, g.top + 3), RGB(255, 255, 255));
    EXPECT_EQ(page.pixel(g.left + 3 * cw + cw / 2, g.top + ch / 2), RGB(128, 128, 128));
    // The grey stops at the lines: a block's right and bottom lines stay black, the
    // grid's outer line beside a block too.
    EXPECT_EQ(page.pixel(g.left + 2 * cw, g.top + ch + ch / 2), RGB(0, 0, 0));
    EXPECT_EQ(page.pixel(g.left + cw + cw / 2, g.top + 2 * ch), RGB(0, 0, 0));
    EXPECT_EQ(page.pixel(g.left + 4 * cw, g.top + ch / 2), RGB(0, 0, 0));
    // The number 1 in its corner and the solver's letter, not the solution's.
    auto drawn = [&](int column, int row, const std::string& text) {
        for (const PaintedText& t : trace)
            if (t.column == column && t.row == row && t.text == text) return true;
        return false;
    };
    EXPECT_TRUE(drawn(0, 0, "1"));
    EXPECT_TRUE(drawn(0, 0, "C"));
    EXPECT_FALSE(drawn(0, 1, "A"));
    EXPECT_TRUE(drawn(3, 2, "(1)"));
    auto note = std::find_if(plan.texts.begin(), plan.texts.end(), [](const PlacedText& t) { return t.text == "(1) HEART"; });
    ASSERT_NE(note, plan.texts.end());
    EXPECT_EQ(note->x, g.left);
    EXPECT_GT(note->y, g.bottom);
    EXPECT_GT(page.count(RGB(0, 0, 0), g.left + 1, g.top + 1, g.left + cw / 2, g.top + ch / 3), 0);
    // A clue's text is inked inside its column, left of the grid.
    auto clue = std::find_if(plan.texts.begin(), plan.texts.end(), [](const PlacedText& t) { return t.text == "clue 0"; });
    ASSERT_NE(clue, plan.texts.end());
    fonts.setScale(plan.scale);
    const int right = clue->x + fonts.textWidth(PrintFont::Clue, clue->text);
    EXPECT_LT(right, g.left);
    EXPECT_GT(page.count(RGB(0, 0, 0), clue->x, clue->y, right, clue->y + fonts.metrics(PrintFont::Clue).height), 10);
}

}  // namespace
}  // namespace gw::test
