// Texts that may hold simple HTML, as puzzle files from the web give them.
#pragma once
#include <string>

namespace gw {

// HTML tags dropped and character references decoded; line breaks kept as "\r\n"
// when lines, otherwise made spaces. Input UTF-8, output in the code page.
std::string plainMarkupText(const std::string& html, bool lines);

std::string lowerText(std::string s);
// Without blanks at either end.
std::string trimmedText(const std::string& s);

}  // namespace gw
