// The text of a score board file: the initialisation-file format ("[SCORE]" and
// "name=value" lines), names matched without regard to case. Only the "SCORE"
// section is touched; every other line of the file is kept as it was.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ovtimer {

constexpr size_t ScoreListCapacity = 2048;  // bytes of NUL-terminated names listed at most
constexpr size_t ScoreValueLimit = 127;     // characters of a value read back

class ScoreFile {
public:
    void load(const std::string& text);
    std::string text() const;

    // Entry names in file order, each once, as many as fit whole in capacity bytes
    // of NUL-terminated names followed by an empty name; cut tells whether any were left out.
    std::vector<std::string> names(size_t capacity, bool& cut) const;
    // The same names with their values (as value() reads them), in one pass over the file.
    struct Entry {
        std::string name, value;
    };
    std::vector<Entry> entries(size_t capacity, bool& cut) const;
    // The value of the first entry of that name, at most ScoreValueLimit characters; "" when none.
    std::string value(const std::string& name) const;
    // Does nothing for a name this format cannot hold (an "=", a line break, a
    // leading "[" or ";", blanks at either end).
    void setValue(const std::string& name, const std::string& value);
    static bool storableName(const std::string& name);
    void remove(const std::string& name);
    void clearSection();

private:
    bool sectionRange(size_t& header, size_t& end) const;
    std::string valueAt(size_t line) const;
    std::vector<std::string> lines_;
    bool finalNewline_ = true;
};

}  // namespace ovtimer
