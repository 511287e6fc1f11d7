// The "RTBL" section is free text from the file; its parser must keep every slot within
// bounds whatever the pieces look like.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "doc/rebus.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Sections are at most 1024 bytes and reach the parser NUL-terminated.
    if (size > 1024) return 0;
    std::string text(reinterpret_cast<const char*>(data), size);
    gw::RebusTable table;
    gw::parseRebusTable(text.c_str(), table);

    for (const auto& slot : table.slots) {
        if (!slot) continue;
        const gw::RebusEntry& e = *slot;
        const size_t len = strnlen(e.text, sizeof e.text);
        if (len > size_t(gw::RebusMaxText)) __builtin_trap();  // not NUL-terminated
        if (e.kind > gw::RebusSymbolStar) __builtin_trap();
        if (e.kind != gw::RebusPlain && e.length != 1) __builtin_trap();
        if (e.kind == gw::RebusPlain && size_t(e.length) != len) __builtin_trap();
        if (e.length < 0 || e.length > gw::RebusMaxText) __builtin_trap();
    }
    return 0;
}
