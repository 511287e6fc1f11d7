// Font records and colour records built from the settings store, and the one
// fonts-and-colours object that the puzzle views share.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include <cstdint>
#include <string>

namespace gw {

// A logical-font description and the font created from it (owned).
class FontRecord {
public:
    static constexpr int kFaceMax = 31;  // characters of a face name

    FontRecord() = default;
    ~FontRecord();
    FontRecord(const FontRecord&) = delete;
    FontRecord& operator=(const FontRecord&) = delete;

    // Builds the description for `points` on the window's display (height one pixel
    // larger than nominal) and creates the font. With a face given the store is not
    // read ("Webdings" selects the symbol character set); without one the face is
    // "Arial" unless "Fonts"/role holds another. Returns whether a font was created.
    bool create(HWND window, const char* role, int points, int weight, const char* face = nullptr);
    // A font of another height and weight with the face and character set of `source`
    // (the prompt font from the clue font, the legend font from the title font).
    bool createLike(const FontRecord& source, int height, int weight);
    // Replaces the face; the old font and description stay when the new font cannot
    // be created.
    bool setFace(const char* face);
    // Writes the face as "Fonts"/role.
    void storeFace(const char* role) const;

    HFONT font() const { return font_; }
    const LOGFONTA& description() const { return desc_; }
    const char* face() const { return desc_.lfFaceName; }

private:
    void replace(const LOGFONTA& desc, HFONT font);

    LOGFONTA desc_{};
    HFONT font_ = nullptr;
};

// A colour 0x00BBGGRR with the 16 custom colours the chooser shows.
class ColourRecord {
public:
    uint32_t colour = 0;
    COLORREF custom[16] = {};

    ColourRecord() = default;
    explicit ColourRecord(uint32_t c) : colour(c) {}

    // Reads section/name over `defaultColour`.
    void read(const char* section, const char* name, uint32_t defaultColour);
    void write(const char* section, const char* name) const;
    // Runs the colour chooser owned by `owner`, starting from the colour; on OK the
    // chosen colour is kept and true returned; Cancel leaves it.
    bool choose(HWND owner);
};

// Seam for tests: replaces the platform's colour chooser (null restores it).
using ColourChooserFn = bool (*)(CHOOSECOLORA& cc);
void setColourChooserForTesting(ColourChooserFn fn);

// ---------------------------------------------------------------- high contrast
// While Windows' high-contrast mode is on, the puzzle views paint in the system's
// colours instead of the stored ones; nothing stored changes and paper keeps the
// stored colours. Every choice between the two is made below.

// Whether high contrast is on (as last read; read once at first use).
bool highContrast();
// Reads the system's setting again (at WM_SETTINGCHANGE and WM_SYSCOLORCHANGE);
// true when it changed.
bool refreshHighContrast();
// Seam for tests (the mode cannot be switched under Wine): 1 on, 0 off, -1 follow
// the system again.
void setHighContrastForTesting(int state);

// The grid's colours on screen.
struct GridColours {
    COLORREF background = RGB(255, 255, 255);  // letter squares
    COLORREF lines = RGB(0, 0, 0);             // grid lines, blocks, circles, crosses
    COLORREF pen = RGB(0, 0, 0);
    COLORREF number = RGB(0, 0, 0);
    COLORREF pencil = RGB(128, 128, 128);
    COLORREF currentLetter = RGB(255, 0, 0);
    COLORREF currentWord = RGB(192, 192, 192);
    COLORREF wasWrongMark = RGB(0, 0, 0);
    COLORREF revealedMark = RGB(255, 0, 0);
    // High contrast only (else CLR_INVALID): the texts and marks in the cursor square,
    // and the frames that mark the cursor square and the current word besides colour.
    COLORREF cursorText = CLR_INVALID;
    COLORREF cursorFrame = CLR_INVALID;
    COLORREF wordFrame = CLR_INVALID;
};
// From the stored pen, pencil, current-letter and current-word colours.
GridColours screenGridColours(COLORREF pen, COLORREF pencil, COLORREF currentLetter, COLORREF currentWord);

// The clue lists' and the prompt's colours on screen.
struct ClueColours {
    COLORREF background, text, currentClue, currentClueText, crossClueText, promptText;
    HBRUSH backgroundBrush;  // the system's or a stock brush: never deleted
};

// Fonts, print faces, colours and print choices of the open puzzle's views; owned
// by the main window while a puzzle is shown.
class FontsAndColours {
public:
    int printBrushIndex = 0;
    int printGridPosition = 1;

    FontRecord titleFont, authorFont, copyrightFont, gridCharFont, gridSymFont, gridNumFont, clueFont;
    std::string printLegendFace, printGridFace, printClueFace;
    static const char* printSymbolFace() { return "Webdings"; }

    ColourRecord gridWhite, gridBlack, currentLetter, currentWord, currentClue, promptText, currentClueText,
        crossClueText, pencilColor, penColor;

    // Reads everything from the store ("views built"); `window` gives the display
    // resolution for the font heights.
    void load(HWND window);
    // Writes what the program keeps ("views torn down"): the stored font faces, the
    // print faces, every colour but GridWhite and GridBlack, and the print choices.
    void save() const;
    // The clue colours to paint with now (stored, or the system's in high contrast).
    ClueColours screenClueColours() const;
};

}  // namespace gw
