// Tool events the solving engine sends, and the settings it keeps.
#pragma once

namespace gw {

namespace engine_event {
constexpr int BeforeClearGrid = 1;
constexpr int LetterMarkedWrong = 3;
constexpr int GridFilled = 12;
constexpr int LetterEntered = 23;
constexpr int LetterErased = 24;
constexpr int LetterRevealed = 25;
constexpr int GridCleared = 27;
}  // namespace engine_event

// Settings section and value names of the solving preferences.
namespace grid_setting {
constexpr const char* Section = "grid";
constexpr const char* AutoCheck = "autocheck";
constexpr const char* FancyCursor = "fancycursor";
constexpr const char* CursorSkip = "cursorskip";
constexpr const char* SkipFilled = "skipfilled";
constexpr const char* AutoNavSwitch = "autonavswitch";
constexpr const char* AutoNavWord = "autonavword";
constexpr const char* RightMouseMove = "rightmousemove";
constexpr const char* UsePencil = "usepencil";
constexpr const char* ArrowPause = "arrowpause";
}  // namespace grid_setting

}  // namespace gw
