// The grid painter, checked by the pixels it leaves in a memory DC and by the
// texts it draws.
#include "grid_test_support.h"

namespace gw::test {
namespace {

constexpr int Cell = 40;
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Grey = RGB(128, 128, 128);
constexpr COLORREF LightGrey = RGB(192, 192, 192);
constexpr COLORREF Blue = RGB(0, 0, 255);

class GridPainter : public CoreFixture {
protected:
    std::unique_ptr<PuzzleGrid> grid;
    HFONT letter = nullptr, number = nullptr, symbol = nullptr;
    std::vector<PaintedText> trace;

    void SetUp() override {
        CoreFixture::SetUp();
        letter = CreateFontA(-26, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, OUT_OUTLINE_PRECIS, 0, 0, 0, "Arial");
        number = CreateFontA(-11, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, OUT_OUTLINE_PRECIS, 0, 0, 0, "Arial");
        symbol = CreateFontA(-26, 0, 0, 0, 0, 0, 0, 0, SYMBOL_CHARSET, OUT_OUTLINE_PRECIS, 0, 0, 0, "Webdings");
    }
    void TearDown() override {
        grid.reset();
        for (HFONT f : {letter, number, symbol}) DeleteObject(f);
        CoreFixture::TearDown();
    }

    GridPaintParams params() {
        GridPaintParams p;
        p.letterFont = letter;
        p.numberFont = number;
        p.symbolFont = symbol;
        p.letterColour = Black;
        p.numberColour = Black;
        p.pencilColour = Grey;
        p.currentLetterColour = Red;
        p.currentWordColour = LightGrey;
        p.firstColumn = 0;
        p.lastColumn = grid->width;
        p.firstRow = 0;
        p.lastRow = grid->height;
        p.cellWidth = p.cellHeight = Cell;
        p.trace = &trace;
        return p;
    }

    const PaintedText* textAt(int column, int row, HFONT font) const {
        for (const PaintedText& t : trace)
            if (t.column == column && t.row == row && t.font == font) return &t;
        return nullptr;
    }
    // Colour counts inside a cell, away from its lines and its number corner.
    int inLetterArea(const MemoryCanvas& m, int column, int row, COLORREF colour) const {
        const int x = column * Cell, y = row * Cell;
        return m.count(colour, x + 2, y + Cell / 3, x + Cell - 3, y + Cell - 2);
    }
};

// Row 0: five white cells (an Across word), row 1: a block then whites, row 2: whites.
TEST_F(GridPainter, LinesBlocksHighlightsAndPenColours) {
    grid = buildGrid({"ABCDE", ".BCDE", "ABCDE"});
    grid->cell(2, 0).fill = 'W';                             // pen
    grid->cell(3, 0).fill = 'W';                             // pencil
    grid->cell(3, 0).flags |= Pencil;
    for (int x = 0; x < 5; ++x) grid->cell(x, 2).flags |= Highlighted;  // the current word
    MemoryCanvas m(5 * Cell + 2, 3 * Cell + 2);
    GridPaintParams p = params();
    p.cursorColumn = 1;
    p.cursorRow = 2;
    paintGrid(m.dc(), *grid, p);

    // Lines at c * cell - 1 and r * cell - 1.
    EXPECT_EQ(m.pixel(Cell - 1, Cell / 2), Black);
    EXPECT_EQ(m.pixel(Cell + Cell / 2, 2 * Cell - 1), Black);
    EXPECT_EQ(m.pixel(5 * Cell - 1, 2 * Cell + Cell / 2), Black);
    // The block is black inside.
    EXPECT_EQ(m.pixel(Cell / 2, Cell + Cell / 2), Black);
    // An empty cell stays white inside.
    EXPECT_EQ(m.pixel(4 * Cell + Cell / 2, Cell + Cell / 2), White);
    // Current letter in CurrentLetter, the rest of the word in CurrentWord.
    EXPECT_EQ(m.pixel(Cell + Cell - 4, 2 * Cell + Cell / 2), Red);
    EXPECT_EQ(m.pixel(3 * Cell + Cell - 4, 2 * Cell + Cell / 2), LightGrey);
    EXPECT_EQ(m.pixel(4 * Cell + Cell - 3, 3 * Cell - 3), LightGrey);
    // Pen letters in the letter colour, pencil letters grey.
    EXPECT_GT(inLetterArea(m, 2, 0, Black), 20);
    EXPECT_EQ(inLetterArea(m, 2, 0, Grey), 0);
    EXPECT_GT(inLetterArea(m, 3, 0, Grey), 20);
    EXPECT_EQ(inLetterArea(m, 3, 0, Black), 0);
    ASSERT_NE(textAt(3, 0, letter), nullptr);
    EXPECT_EQ(textAt(3, 0, letter)->text, "W");
    EXPECT_EQ(textAt(3, 0, letter)->colour, Grey);
    EXPECT_TRUE(textAt(3, 0, letter)->slanted);
    EXPECT_FALSE(textAt(2, 0, letter)->slanted);
    // Numbers of the word starts, in the number font.
    ASSERT_NE(textAt(0, 0, number), nullptr);
    EXPECT_EQ(textAt(0, 0, number)->text, "1");
    EXPECT_EQ(textAt(1, 1, number)->text, "6");
}

TEST_F(GridPainter, TrianglesCrossAndCircle) {
    grid = buildGrid({"ABCD", "ABCD"});
    grid->cell(0, 1).flags |= WasIncorrect;
    grid->cell(1, 1).flags |= Revealed;
    grid->cell(2, 1).flags |= Incorrect;
    grid->cell(3, 1).flags |= Circled;
    MemoryCanvas m(4 * Cell + 2, 2 * Cell + 2);
    paintGrid(m.dc(), *grid, params());
    const int top = Cell;
    const int right0 = Cell - 1, right1 = 2 * Cell - 1;  // exclusive right edges of the cell areas
    // Black triangle in the corner of a corrected cell, red for a revealed one.
    EXPECT_EQ(m.pixel(right0 - 3, top + 2), Black);
    EXPECT_EQ(m.pixel(right0 - 2, top + Cell / 3 - 4), Black);
    EXPECT_EQ(m.pixel(right1 - 4, top + 3), Red);
    EXPECT_EQ(m.pixel(right1 - 3, top + Cell / 3 - 5), Red);
    // Outside the triangle stays white.
    EXPECT_EQ(m.pixel(right1 - Cell / 3 - 3, top + Cell / 3 + 3), White);
    // A cross from corner to corner of a wrong cell.
    const int x2 = 2 * Cell;
    EXPECT_EQ(m.pixel(x2 + 10, top + 10), Black);
    EXPECT_EQ(m.pixel(x2 + Cell - 2 - 10, top + 10), Black);
    EXPECT_EQ(m.pixel(x2 + Cell / 2, top + 4), White);
    // The circle touches the middle of the cell's left edge and leaves the centre.
    const int x3 = 3 * Cell;
    EXPECT_GT(m.count(Black, x3, top + Cell / 2 - 2, x3 + 2, top + Cell / 2 + 2), 0);
    EXPECT_EQ(m.pixel(x3 + Cell / 2, top + Cell / 2), White);
    // Without ShowMarks no triangle.
    MemoryCanvas plain(4 * Cell + 2, 2 * Cell + 2);
    GridPaintParams p = params();
    p.flags &= ~unsigned(ShowMarks);
    paintGrid(plain.dc(), *grid, p);
    EXPECT_EQ(plain.pixel(right1 - 4, top + 3), White);
}

TEST_F(GridPainter, MultiLetterEntriesAndSymbols) {
    grid = buildGrid({"ABCD"});
    setUserRebus(grid->cell(0, 0), "HEART");
    setUserRebus(grid->cell(1, 0), "ABC");
    setUserRebus(grid->cell(2, 0), "Y", RebusSymbol);
    grid->cell(3, 0).fill = 'Q';
    MemoryCanvas m(4 * Cell + 2, Cell + 2);
    paintGrid(m.dc(), *grid, params());
    ASSERT_NE(textAt(0, 0, number), nullptr);
    // The cell number and the entry both use the number font: find the entry.
    std::vector<std::string> numberTexts;
    for (const PaintedText& t : trace)
        if (t.font == number) numberTexts.push_back(std::to_string(t.column) + ":" + t.text);
    EXPECT_NE(std::find(numberTexts.begin(), numberTexts.end(), "0:HE.."), numberTexts.end());
    EXPECT_NE(std::find(numberTexts.begin(), numberTexts.end(), "1:ABC"), numberTexts.end());
    ASSERT_NE(textAt(2, 0, symbol), nullptr);
    EXPECT_EQ(textAt(2, 0, symbol)->text, "Y");
    EXPECT_EQ(textAt(2, 0, letter), nullptr);
    EXPECT_EQ(textAt(3, 0, letter)->text, "Q");
    // Something was drawn low in each of those cells.
    for (int x = 0; x < 4; ++x) EXPECT_GT(inLetterArea(m, x, 0, Black), 3) << x;

    // On paper a long entry becomes a numbered footnote mark.
    trace.clear();
    MemoryCanvas paper(4 * Cell + 2, Cell + 2);
    GridPaintParams p = params();
    p.printing = true;
    setUserRebus(grid->cell(3, 0), "SEVEN");
    paintGrid(paper.dc(), *grid, p);
    numberTexts.clear();
    for (const PaintedText& t : trace)
        if (t.font == number) numberTexts.push_back(std::to_string(t.column) + ":" + t.text);
    EXPECT_NE(std::find(numberTexts.begin(), numberTexts.end(), "0:(1)"), numberTexts.end());
    EXPECT_NE(std::find(numberTexts.begin(), numberTexts.end(), "3:(2)"), numberTexts.end());
}

TEST_F(GridPainter, SolutionFlagPaintsTheSolution) {
    grid = buildGrid({"AB"});
    grid->cell(0, 0).fill = 'X';
    MemoryCanvas m(2 * Cell + 2, Cell + 2);
    GridPaintParams p = params();
    p.flags = ShowNumbers | ShowSolution;
    paintGrid(m.dc(), *grid, p);
    EXPECT_EQ(textAt(0, 0, letter)->text, "A");
    EXPECT_EQ(textAt(1, 0, letter)->text, "B");
}

TEST_F(GridPainter, DiagramlessShowsOnlyLines) {
    grid = buildGrid({"AB.", "A.C"});
    grid->cell(0, 0).fill = 'A';
    grid->cell(0, 0).flags |= Revealed | Circled;
    MemoryCanvas m(3 * Cell + 2, 2 * Cell + 2);
    GridPaintParams p = params();
    p.diagramless = true;
    p.cursorColumn = 0;
    p.cursorRow = 0;
    paintGrid(m.dc(), *grid, p);
    EXPECT_TRUE(trace.empty());
    // Lines are there, blocks are not filled, no highlight, no marks.
    EXPECT_EQ(m.pixel(Cell - 1, Cell / 2), Black);
    EXPECT_EQ(m.pixel(2 * Cell + Cell / 2, Cell - 1), Black);
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 2; ++y) {
            EXPECT_EQ(m.count(Black, x * Cell, y * Cell, x * Cell + Cell - 1, y * Cell + Cell - 1), 0) << x << "," << y;
        }
    // With the solution shown it is painted.
    MemoryCanvas solved(3 * Cell + 2, 2 * Cell + 2);
    p.flags = ShowSolution | ShowNumbers;
    paintGrid(solved.dc(), *grid, p);
    EXPECT_EQ(solved.pixel(2 * Cell + Cell / 2, Cell / 2), Black);
}

// Texts are drawn in passes and a font or colour is only set when it changes: a
// letter after a multi-letter entry and a symbol must still get the letter font and
// its own colour, and the paint must leave the DC's selections as it found them.
TEST_F(GridPainter, FontAndColourFollowEachTextAcrossThePasses) {
    grid = buildGrid({"QABCDQ"});
    grid->cell(0, 0).fill = 'Q';
    setUserRebus(grid->cell(1, 0), "ABC");
    setUserRebus(grid->cell(2, 0), "Y", RebusSymbol);
    grid->cell(3, 0).fill = 'Q';
    grid->cell(3, 0).flags |= Pencil;
    grid->cell(4, 0).fill = 'Q';
    MemoryCanvas m(6 * Cell + 2, Cell + 2);
    HGDIOBJ fontBefore = GetCurrentObject(m.dc(), OBJ_FONT);
    const UINT alignBefore = GetTextAlign(m.dc());
    paintGrid(m.dc(), *grid, params());
    // The letter as the letter font draws it, alone.
    MemoryCanvas alone(Cell + 2, Cell + 2);
    SelectObject(alone.dc(), letter);
    SetBkMode(alone.dc(), TRANSPARENT);
    SetTextAlign(alone.dc(), TA_CENTER | TA_BOTTOM);
    TextOutA(alone.dc(), Cell / 2, Cell, "Q", 1);
    const int pen = inLetterArea(m, 0, 0, Black);
    EXPECT_GT(pen, 20);
    EXPECT_EQ(pen, inLetterArea(alone, 0, 0, Black));
    // Pencil: the same letter in the letter font's italic form (shape as well as
    // colour), grey.
    LOGFONTA lf{};
    GetObjectA(letter, sizeof lf, &lf);
    lf.lfItalic = TRUE;
    HFONT italic = CreateFontIndirectA(&lf);
    MemoryCanvas slanted(Cell + 2, Cell + 2);
    HGDIOBJ oldFont = SelectObject(slanted.dc(), italic);
    SetBkMode(slanted.dc(), TRANSPARENT);
    SetTextAlign(slanted.dc(), TA_CENTER | TA_BOTTOM);
    TextOutA(slanted.dc(), Cell / 2, Cell, "Q", 1);
    SelectObject(slanted.dc(), oldFont);
    DeleteObject(italic);
    EXPECT_EQ(inLetterArea(m, 3, 0, Grey), inLetterArea(slanted, 0, 0, Black));
    EXPECT_EQ(inLetterArea(m, 3, 0, Black), 0);
    EXPECT_EQ(inLetterArea(m, 4, 0, Black), pen);  // and in pen again after it
    EXPECT_EQ(GetCurrentObject(m.dc(), OBJ_FONT), fontBefore);
    EXPECT_EQ(GetTextAlign(m.dc()), alignBefore);
}

TEST_F(GridPainter, PaintsOnlyTheRequestedRange) {
    grid = buildGrid({"A.A.", "A.A."});
    MemoryCanvas m(4 * Cell + 2, 2 * Cell + 2);
    GridPaintParams p = params();
    p.firstColumn = 2;
    p.lastColumn = 4;
    paintGrid(m.dc(), *grid, p);
    EXPECT_EQ(m.pixel(Cell + Cell / 2, Cell / 2), White);   // block outside the range untouched
    EXPECT_EQ(m.pixel(3 * Cell + Cell / 2, Cell / 2), Black);
}

TEST_F(GridPainter, PrintOutlineOnlyDrawsLinesAroundLetterCells) {
    grid = buildGrid({"A..", "A.."});
    MemoryCanvas m(3 * Cell + 2, 2 * Cell + 2);
    GridPaintParams p = params();
    p.origin = RECT{1, 1, 0, 0};
    p.printing = true;
    p.printBrushIndex = PrintOutlineOnly;
    paintGrid(m.dc(), *grid, p);
    EXPECT_EQ(m.pixel(1 + Cell - 1, 1 + Cell / 2), Black);          // right edge of the letter column
    EXPECT_EQ(m.pixel(1 + 2 * Cell - 1, 1 + Cell / 2), White);      // between two blocks: no line
    EXPECT_EQ(m.pixel(1 + 2 * Cell + Cell / 2, 1 + Cell / 2), White);  // blocks are not filled
    EXPECT_EQ(m.pixel(1 + Cell / 2, 1 + Cell - 1), Black);          // between the two letter cells
    // Grey print fill.
    MemoryCanvas grey(3 * Cell + 2, 2 * Cell + 2);
    p.printBrushIndex = PrintGrey;
    paintGrid(grey.dc(), *grid, p);
    EXPECT_EQ(grey.pixel(1 + 2 * Cell + Cell / 2, 1 + Cell / 2), Grey);
}

}  // namespace
}  // namespace gw::test
