// The texts of an ipuz file: clue lists, and fields that may hold simple HTML.
#pragma once
#include <nlohmann/json_fwd.hpp>
#include <string>

#include "doc/imported_grid.h"

namespace gw {

// A non-negative whole number given as a JSON number or a string of digits; -1 otherwise.
int ipuzNumber(const nlohmann::json& v);

// Reads an ipuz "clues" object (null for none) into dirs; false with a message
// naming the list and clue that cannot be placed.
bool readIpuzClues(const nlohmann::json& clues, ClueDirections& dirs, std::string& message);

// A string field of the root object as plain text; "" when it is absent or not text.
std::string ipuzText(const nlohmann::json& root, const char* name, bool lines);

}  // namespace gw
