// puztool's JSON output: the puzzle's Windows-1252 texts come out as the characters
// they stand for, escaped so that the output stays plain ASCII.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tools/puztool/json_writer.h"

namespace gw::puztool {
namespace {

std::string written(const std::string& text) {
    std::FILE* f = std::tmpfile();
    if (!f) return "(no temporary file)";
    JsonWriter json(f);
    json.beginObject();
    json.key("title");
    json.value(text);
    json.endObject();
    std::rewind(f);
    std::string out;
    for (int c; (c = std::fgetc(f)) != EOF;) out += char(c);
    std::fclose(f);
    return out;
}

TEST(PuztoolJson, CodePageTextsComeOutAsTheirCharacters) {
    // Typographic quotes, a dash and the euro sign live in 0x80..0x9F; é is Latin-1 as is.
    EXPECT_EQ(written("\x93" "Caf\xe9\x94 \x96 \x80" "5"), R"({"title":"\u201cCaf\u00e9\u201d \u2013 \u20ac5"})");
    EXPECT_EQ(written(std::string("a\"b\\c\nd\te\x01", 10)), R"({"title":"a\"b\\c\nd\te\u0001"})");
    EXPECT_EQ(written(std::string("\0", 1)), R"({"title":"\u0000"})");
    EXPECT_EQ(written("\x7f"), R"({"title":"\u007f"})");
}

}  // namespace
}  // namespace gw::puztool
