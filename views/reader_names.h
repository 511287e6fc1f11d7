// Names that screen readers give standard controls whose label is drawn by us (the
// clue lists' headers): the control's own text, which the system's accessible object
// reports, and on Windows also an annotation of its name, which wins over any label
// the system would look for.
#pragma once
#include <windows.h>

#include <string>

namespace gw {

// textIsShown: the control draws its text (an edit field): only the annotation then.
void nameForReaders(HWND control, const std::string& name, bool textIsShown = false);

}  // namespace gw
