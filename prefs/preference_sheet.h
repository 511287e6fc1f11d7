// "Customize Gridwell": the modal sheet of the six preference pages, owned by
// the main window and shown only while a puzzle is open.
#pragma once
#include "prefs/preference_page.h"

namespace gw {

// Shows the sheet on its first page and returns when it is closed.
void showPreferences(PreferenceContext context);

}  // namespace gw
