// Tool events the document sends, and its settings names.
#pragma once

namespace gw {

namespace doc_event {
constexpr int PuzzleLoading = 4;
constexpr int PuzzleOpened = 5;
constexpr int PuzzleClosing = 6;
constexpr int PuzzleClosed = 7;
constexpr int BeforeSave = 11;
constexpr int PuzzleSavedAs = 13;
constexpr int SolutionLocked = 20;
constexpr int SolutionUnlocked = 21;
constexpr int BeforeUnlock = 28;
}  // namespace doc_event

namespace display_setting {
constexpr const char* Section = "display";
constexpr const char* RebusIndicator = "rebusindicator";
constexpr const char* SymbolIndicator = "symbolindicator";
}  // namespace display_setting

// Menu bar resources, by the names they are looked up with.
constexpr const char* InitMenuName = "InitMenu";
constexpr const char* SolveMenuName = "SolveMenu";

}  // namespace gw
