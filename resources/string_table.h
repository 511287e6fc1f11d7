// The string table as compiled into the portable core. On Windows the same texts
// are also in the program's resources (both come from strings.inc).
#pragma once
#include "string_ids.h"

namespace gw {
// The text of a string-table entry; "" for an id the table does not hold.
const char* stringText(int id);
}
