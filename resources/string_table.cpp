#include "string_table.h"

namespace gw {
namespace {
struct Entry { int id; const char* text; };
const Entry kTable[] = {
#define GW_STRING(id, text) {id, text},
#include "strings.inc"
#undef GW_STRING
};
}

const char* stringText(int id) {
    for (const Entry& e : kTable)
        if (e.id == id) return e.text;
    return "";
}
}
