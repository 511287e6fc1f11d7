// The string table as compiled into the portable core. On Windows the same texts
// are also in the program's resources (both come from strings.inc).
#pragma once
#include <cstdio>
#include <string>

#include "string_ids.h"

namespace gw {
// The text of a string-table entry; "" for an id the table does not hold.
const char* stringText(int id);

// An entry with its printf arguments filled in (at most 1023 bytes).
template <typename... Args>
std::string formatString(int id, Args... args) {
    if constexpr (sizeof...(args) == 0) {
        return stringText(id);
    } else {
        char text[1024];
        std::snprintf(text, sizeof text, stringText(id), args...);
        return text;
    }
}
}
