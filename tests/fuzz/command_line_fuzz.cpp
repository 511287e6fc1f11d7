// The command line comes from whoever starts the program (a shortcut, a browser, a
// script). Splitting it must stay within the text, and the words it gives are file
// names: never empty, never holding a quote, and quoting them again splits the same.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/command_line.h"

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 8192) return 0;  // a Windows command line is at most 32767 characters
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> args = gw::splitCommandLine("C:\\Gridwell\\gridwell.exe", text.c_str());
    check(!args.empty() && args[0] == "C:\\Gridwell\\gridwell.exe");
    check(gw::splitCommandLine("p", nullptr) == std::vector<std::string>{"p"});

    size_t total = 0;
    std::string quoted;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        check(!a.empty() && a.find('"') == std::string::npos && a.find('\0') == std::string::npos);
        total += a.size();
        quoted += "\"" + a + "\" ";
    }
    check(total <= text.size());
    check(gw::splitCommandLine(args[0], quoted.c_str()) == args);
    return 0;
}
