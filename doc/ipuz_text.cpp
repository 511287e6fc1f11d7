// Clue lists and the HTML-bearing texts of an ipuz file.
#include "doc/ipuz_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <nlohmann/json.hpp>

#include "doc/code_page.h"
#include "doc/markup_text.h"
#include "resources/string_table.h"

namespace gw {
namespace {

using json = nlohmann::json;

struct ClueListReader {
    ClueDirection& dir;
    const char* name;  // "Across" or "Down"
    size_t next = 0;   // where a clue without a number goes
    std::string& message;

    bool place(int index, const json& numberValue, bool hasNumber, const json& text) {
        if (!text.is_string()) {
            message = formatString(IDS_IPUZ_BAD_CLUE, index + 1, name);
            return false;
        }
        int number = 0;
        if (hasNumber) {
            number = ipuzNumber(numberValue);
            const auto at = std::find(dir.numbers.begin(), dir.numbers.end(), number);
            if (at == dir.numbers.end()) {
                const std::string shown = numberValue.is_string() ? utf8ToSystemText(numberValue.get<std::string>())
                                                                  : numberValue.dump();
                message = formatString(IDS_IPUZ_CLUE_NOT_IN_GRID, shown.c_str(), name, name);
                return false;
            }
            next = size_t(at - dir.numbers.begin()) + 1;
        } else {
            if (next >= dir.numbers.size()) {
                message = formatString(IDS_IPUZ_TOO_MANY_CLUES, name);
                return false;
            }
            number = dir.numbers[next++];
        }
        if (dir.texts.count(number)) {
            message = formatString(IDS_IPUZ_CLUE_TWICE, number, name);
            return false;
        }
        dir.texts[number] = trimmedText(plainMarkupText(text.get<std::string>(), false));
        return true;
    }

    bool read(const json& list) {
        for (size_t i = 0; i < list.size(); ++i) {
            const json& clue = list[i];
            bool ok = false;
            if (clue.is_array() && clue.size() >= 2) {
                ok = place(int(i), clue[0], true, clue[1]);
            } else if (clue.is_object()) {
                const auto number = clue.find("number");
                const auto text = clue.find("clue");
                static const json none;
                ok = place(int(i), number == clue.end() ? none : *number, number != clue.end(),
                           text == clue.end() ? none : *text);
            } else if (clue.is_string()) {
                ok = place(int(i), json(), false, clue);
            } else {
                message = formatString(IDS_IPUZ_BAD_CLUE, int(i) + 1, name);
            }
            if (!ok) return false;
        }
        return true;
    }
};

}  // namespace

int ipuzNumber(const json& v) {
    if (v.is_number_unsigned() || v.is_number_integer()) {
        const long long n = v.get<long long>();
        return n >= 0 && n <= 99999 ? int(n) : -1;
    }
    if (v.is_number_float()) {
        const double d = v.get<double>();
        return d >= 0 && d <= 99999 && d == double(int(d)) ? int(d) : -1;
    }
    if (!v.is_string()) return -1;
    const std::string& s = v.get_ref<const std::string&>();
    if (s.empty() || s.size() > 5) return -1;
    for (char c : s)
        if (c < '0' || c > '9') return -1;
    return std::stoi(s);
}

bool readIpuzClues(const json& clues, ClueDirections& dirs, std::string& message) {
    if (!clues.is_object()) return true;  // no clues: the puzzle opens with empty ones
    for (const auto& [key, list] : clues.items()) {
        // "Across:Across clues" and the like: the direction is before the colon.
        const std::string direction = lowerText(trimmedText(key.substr(0, key.find(':'))));
        ClueDirection* dir = direction == "across" ? &dirs.across : direction == "down" ? &dirs.down : nullptr;
        if (!dir || !list.is_array()) {
            message = formatString(IDS_IPUZ_CLUE_LIST, utf8ToSystemText(key).c_str());
            return false;
        }
        ClueListReader reader{*dir, dir == &dirs.across ? "Across" : "Down", 0, message};
        if (!reader.read(list)) return false;
    }
    return true;
}

std::string ipuzText(const json& root, const char* name, bool lines) {
    if (!root.is_object()) return std::string();
    const auto found = root.find(name);
    if (found == root.end() || !found->is_string()) return std::string();
    return plainMarkupText(found->get<std::string>(), lines);
}

}  // namespace gw
