// Every registry sub-key and value name of the program, with the defaults that
// the readers preset. All live under HKEY_CURRENT_USER\Software\Pellicor\Orvane.
// Integers are stored as "%d" text, colours as "%lu" text of 0x00BBGGRR.
#pragma once
#include <cstdint>

namespace gw {
namespace settings_names {

// ---- Sub-keys ----
inline constexpr char Geometry[] = "geometry";
inline constexpr char Display[] = "display";
inline constexpr char Grid[] = "grid";
inline constexpr char Layout[] = "layout";
inline constexpr char Fonts[] = "Fonts";
inline constexpr char Colors[] = "Colors";
inline constexpr char Print[] = "Print";
inline constexpr char Directory[] = "directory";
inline constexpr char ToolbarSection[] = "toolbar";
inline constexpr char Tools[] = "Tools";  // one integer per plug-in file name

// ---- "geometry": main window, screen pixels ----
inline constexpr char X[] = "x";
inline constexpr char Y[] = "y";
inline constexpr char Width[] = "width";
inline constexpr char Height[] = "height";
inline constexpr char Maximized[] = "maximized";

// ---- "display" ----
inline constexpr char Toolbar[] = "toolbar";      // bar shown (0 hides it)
inline constexpr char StatusBar[] = "statusbar";  // bar shown (0 hides it)
inline constexpr char RebusIndicator[] = "rebusindicator";
inline constexpr char SymbolIndicator[] = "symbolindicator";

// ---- "grid": solving behaviour, read when a puzzle opens ----
inline constexpr char ArrowPause[] = "arrowpause";
inline constexpr char UsePencil[] = "usepencil";
inline constexpr char RightMouseMove[] = "rightmousemove";
inline constexpr char AutoNavWord[] = "autonavword";
inline constexpr char AutoNavSwitch[] = "autonavswitch";
inline constexpr char SkipFilled[] = "skipfilled";
inline constexpr char CursorSkip[] = "cursorskip";
inline constexpr char FancyCursor[] = "fancycursor";
inline constexpr char AutoCheck[] = "autocheck";
// ---- "grid": grid view, read when it is created ----
inline constexpr char AutoMove[] = "automove";
inline constexpr char Scale[] = "scale";
inline constexpr char RestoreScale[] = "restorescale";
inline constexpr char FullPuzzle[] = "fullpuzzle";
inline constexpr char RButtonSwitch[] = "rbuttonswitch";

// ---- "layout" ----
inline constexpr char Type[] = "type";
inline constexpr char PromptPosition[] = "promptposition";
inline constexpr char PromptHeight[] = "promptHeight";
inline constexpr char ClueWidth[] = "cluewidth";
inline constexpr char ClueHeight[] = "clueheight";
inline constexpr char ClueXPos[] = "cluexpos";
inline constexpr char ClueYPos[] = "clueypos";
inline constexpr char AcClueWidth[] = "accluewidth";
inline constexpr char AcClueHeight[] = "acclueheight";
inline constexpr char AcClueXPos[] = "accluexpos";
inline constexpr char AcClueYPos[] = "acclueypos";
inline constexpr char DnClueWidth[] = "dncluewidth";
inline constexpr char DnClueHeight[] = "dnclueheight";
inline constexpr char DnClueXPos[] = "dncluexpos";
inline constexpr char DnClueYPos[] = "dnclueypos";

// ---- "Fonts": faces of the display font roles and the print faces ----
inline constexpr char TitleFont[] = "TitleFont";
inline constexpr char AuthorFont[] = "AuthorFont";
inline constexpr char CopyrightFont[] = "CopyrightFont";
inline constexpr char GridCharFont[] = "GridCharFont";
inline constexpr char GridNumFont[] = "GridNumFont";
inline constexpr char GridSymFont[] = "GridSymFont";  // never stored: always the symbol face
inline constexpr char ClueFont[] = "ClueFont";
inline constexpr char PrintLegendFont[] = "PrintLegendFont";
inline constexpr char PrintGridFont[] = "PrintGridFont";
inline constexpr char PrintClueFont[] = "PrintClueFont";

// ---- "Colors" ----
inline constexpr char GridWhite[] = "GridWhite";  // read, never written
inline constexpr char GridBlack[] = "GridBlack";  // read, never written
inline constexpr char CurrentLetter[] = "CurrentLetter";
inline constexpr char CurrentWord[] = "CurrentWord";
inline constexpr char CurrentClue[] = "CurrentClue";
inline constexpr char PromptText[] = "PromptText";
inline constexpr char CurrentClueText[] = "CurrentClueText";
inline constexpr char CrossClueText[] = "CrossClueText";
inline constexpr char PencilColor[] = "PencilColor";
inline constexpr char PenColor[] = "PenColor";

// ---- "Print" ----
inline constexpr char PrintBrushIndex[] = "printbrushindex";
inline constexpr char PrintGridPosition[] = "printgridposition";

// ---- "directory" ----
inline constexpr char OpenDir[] = "opendir";
inline constexpr char SaveDir[] = "savedir";

// ---- "toolbar" ----
inline constexpr char State[] = "state";

}  // namespace settings_names

// Defaults preset by the readers (a missing or unreadable value keeps them).
namespace settings_defaults {

inline constexpr int WindowWidth = 640;
inline constexpr int WindowHeight = 480;
inline constexpr int Maximized = 0;

inline constexpr int Toolbar = 1;
inline constexpr int StatusBar = 1;
inline constexpr int RebusIndicator = 0;
inline constexpr int SymbolIndicator = 0;

inline constexpr int ArrowPause = 1;
inline constexpr int UsePencil = 0;
inline constexpr int RightMouseMove = 0;
inline constexpr int AutoNavWord = 1;
inline constexpr int AutoNavSwitch = 0;
inline constexpr int SkipFilled = 1;
inline constexpr int CursorSkip = 1;
inline constexpr int FancyCursor = 1;
inline constexpr int AutoCheck = 0;
inline constexpr int AutoMove = 1;
inline constexpr int Scale = 85;
inline constexpr int RestoreScaleMin = 40;   // "restorescale" defaults to the scale clamped to this range
inline constexpr int RestoreScaleMax = 140;
inline constexpr int FullPuzzle = 0;
inline constexpr int RButtonSwitch = 1;

inline constexpr int LayoutType = 1012;
inline constexpr int PromptPosition = 1035;
inline constexpr int PromptHeight = 26;

inline constexpr char FontFace[] = "Arial";
inline constexpr char SymbolFace[] = "Webdings";

inline constexpr uint32_t GridWhite = 16777215;     // white
inline constexpr uint32_t GridBlack = 0;            // black
inline constexpr uint32_t CurrentLetter = 255;      // red
inline constexpr uint32_t CurrentWord = 12632256;   // light grey
inline constexpr uint32_t CurrentClue = 12632256;   // light grey
inline constexpr uint32_t PromptText = 128;         // dark red
inline constexpr uint32_t CurrentClueText = 255;    // red
inline constexpr uint32_t CrossClueText = 255;      // red
inline constexpr uint32_t PencilColor = 8421504;    // grey
inline constexpr uint32_t PenColor = 0;             // black

inline constexpr int PrintBrushIndex = 0;
inline constexpr int PrintGridPosition = 1;

inline constexpr int ToolEnabled = 1;

// Text capacities (characters including the terminating zero).
inline constexpr int FaceCapacity = 32;        // display font faces: at most 31 characters
inline constexpr int PrintFaceCapacity = 128;  // print faces: at most 127 characters
inline constexpr int DirectoryCapacity = 270;  // folders: at most 269 characters
inline constexpr int ToolbarStateCapacity = 512;

}  // namespace settings_defaults
}  // namespace gw
