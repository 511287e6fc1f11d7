// Texts that may hold simple HTML (titles, notes, clues of downloaded puzzles):
// tags dropped, character references decoded, converted to the code page.
#include "doc/markup_text.h"

#include <cctype>
#include <cstdlib>
#include <map>

#include "doc/code_page.h"

namespace gw {
namespace {

// "&amp;", "&#233;", "&#xE9;" and the like at s[i]; false when it is not one.
bool readEntity(const std::string& s, size_t& i, std::string& out) {
    const size_t end = s.find(';', i);
    if (end == std::string::npos || end - i > 10) return false;
    const std::string name = s.substr(i + 1, end - i - 1);
    static const std::map<std::string, char32_t> named = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0}};
    char32_t c = 0;
    if (auto found = named.find(name); found != named.end()) {
        c = found->second;
    } else if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string digits = name.substr(hex ? 2 : 1);
        char* stop = nullptr;
        const unsigned long v = digits.empty() ? 0 : std::strtoul(digits.c_str(), &stop, hex ? 16 : 10);
        if (digits.empty() || *stop != '\0' || v == 0 || v > 0x10FFFF) return false;
        c = char32_t(v);
    } else {
        return false;
    }
    appendUtf8(out, c);
    i = end + 1;
    return true;
}

// A tag at s[i] ('<' then a letter, '/' or '!'); skips it and tells whether it breaks a line.
bool readTag(const std::string& s, size_t& i, bool& lineBreak) {
    if (i + 1 >= s.size()) return false;
    const char next = s[i + 1];
    if (!std::isalpha(static_cast<unsigned char>(next)) && next != '/' && next != '!') return false;
    const size_t end = s.find('>', i);
    if (end == std::string::npos) return false;
    std::string name = lowerText(s.substr(i + 1, end - i - 1));
    if (!name.empty() && name[0] == '/') name.erase(0, 1);
    name = name.substr(0, name.find_first_of(" /\t"));
    lineBreak = name == "br" || name == "p" || name == "div" || name == "li";
    i = end + 1;
    return true;
}

}  // namespace

std::string lowerText(std::string s) {
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string trimmedText(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

std::string plainMarkupText(const std::string& html, bool lines) {
    std::string out;
    for (size_t i = 0; i < html.size();) {
        bool lineBreak = false;
        if (html[i] == '<' && readTag(html, i, lineBreak)) {
            if (lineBreak) out += '\n';
        } else if (!(html[i] == '&' && readEntity(html, i, out))) {
            out += html[i++];
        }
    }
    // One kind of line break, then the one the program's texts use (or a space).
    std::string text;
    for (size_t i = 0; i < out.size(); ++i) {
        if (out[i] == '\r' && i + 1 < out.size() && out[i + 1] == '\n') continue;
        const bool newline = out[i] == '\n' || out[i] == '\r';
        if (!newline) text += out[i];
        else if (lines) text += "\r\n";
        else if (!text.empty() && text.back() != ' ') text += ' ';
    }
    return utf8ToSystemText(text);
}

}  // namespace gw
