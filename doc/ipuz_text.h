// The texts of an ipuz file: clue lists, and fields that may hold simple HTML.
#pragma once
#include <map>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

namespace gw {

struct ClueDirection {
    std::vector<int> numbers;         // the grid's words of this direction, in order
    std::map<int, std::string> texts;  // clue texts by number, in the code page
};

struct ClueDirections {
    ClueDirection across, down;
};

// A non-negative whole number given as a JSON number or a string of digits; -1 otherwise.
int ipuzNumber(const nlohmann::json& v);

// Reads an ipuz "clues" object (null for none) into dirs; false with a message
// naming the list and clue that cannot be placed.
bool readIpuzClues(const nlohmann::json& clues, ClueDirections& dirs, std::string& message);

// HTML tags dropped and character references decoded; line breaks kept as "\r\n"
// when lines, otherwise made spaces. Input UTF-8, output in the code page.
std::string plainIpuzText(const std::string& html, bool lines);
// A string field of the root object as plain text; "" when it is absent or not text.
std::string ipuzText(const nlohmann::json& root, const char* name, bool lines);

}  // namespace gw
