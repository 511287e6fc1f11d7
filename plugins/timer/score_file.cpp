#include "score_file.h"

#include <cctype>
#include <unordered_set>
#include <utility>

namespace ovtimer {
namespace {

const char* const SectionName = "SCORE";

std::string trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool sameName(const std::string& a, const std::string& b) { return lower(a) == lower(b); }

bool isHeader(const std::string& line, std::string* name) {
    std::string t = trim(line);
    if (t.empty() || t[0] != '[') return false;
    size_t close = t.find(']');
    if (name) *name = trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return true;
}

// The entry name of a line, or false for a comment, blank or other line.
bool entryName(const std::string& line, std::string& name) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) return false;
    name = trim(line.substr(0, eq));
    if (name.empty() || name[0] == ';') return false;
    return name.find('\0') == std::string::npos;
}

}  // namespace

bool ScoreFile::storableName(const std::string& name) {
    if (name.empty() || name[0] == '[' || name[0] == ';' || trim(name) != name) return false;
    return name.find_first_of(std::string("=\r\n\0", 4)) == std::string::npos;
}

void ScoreFile::load(const std::string& text) {
    lines_.clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t nl = text.find('\n', start);
        size_t end = nl == std::string::npos ? text.size() : nl;
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines_.push_back(line);
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    finalNewline_ = text.empty() || text.back() == '\n';
}

std::string ScoreFile::text() const {
    std::string out;
    for (size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i];
        if (i + 1 < lines_.size() || finalNewline_) out += "\r\n";
    }
    return out;
}

bool ScoreFile::sectionRange(size_t& header, size_t& end) const {
    std::string name;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (!isHeader(lines_[i], &name) || !sameName(name, SectionName)) continue;
        header = i;
        end = i + 1;
        while (end < lines_.size() && !isHeader(lines_[end], nullptr)) ++end;
        return true;
    }
    return false;
}

std::vector<std::string> ScoreFile::names(size_t capacity, bool& cut) const {
    std::vector<std::string> result;
    for (Entry& e : entries(capacity, cut)) result.push_back(std::move(e.name));
    return result;
}

std::vector<ScoreFile::Entry> ScoreFile::entries(size_t capacity, bool& cut) const {
    std::vector<Entry> result;
    cut = false;
    size_t header, end;
    if (!sectionRange(header, end)) return result;
    std::unordered_set<std::string> seen;
    size_t used = 1;  // the empty name that ends the list
    for (size_t i = header + 1; i < end; ++i) {
        std::string name;
        if (!entryName(lines_[i], name) || !seen.insert(lower(name)).second) continue;
        if (used + name.size() + 1 > capacity) {
            cut = true;
            break;
        }
        used += name.size() + 1;
        result.push_back(Entry{name, valueAt(i)});
    }
    return result;
}

std::string ScoreFile::value(const std::string& name) const {
    size_t header, end;
    if (!sectionRange(header, end)) return std::string();
    for (size_t i = header + 1; i < end; ++i) {
        std::string entry;
        if (entryName(lines_[i], entry) && sameName(entry, name)) return valueAt(i);
    }
    return std::string();
}

std::string ScoreFile::valueAt(size_t line) const {
    std::string v = trim(lines_[line].substr(lines_[line].find('=') + 1));
    size_t nul = v.find('\0');
    if (nul != std::string::npos) v.resize(nul);
    if (v.size() > ScoreValueLimit) v.resize(ScoreValueLimit);
    return v;
}

void ScoreFile::setValue(const std::string& name, const std::string& value) {
    if (!storableName(name)) return;  // it would read back as another name, and pile up at every save
    std::string line = name + "=" + value;
    size_t header, end;
    if (!sectionRange(header, end)) {
        lines_.push_back(std::string("[") + SectionName + "]");
        lines_.push_back(line);
        return;
    }
    size_t last = header;
    for (size_t i = header + 1; i < end; ++i) {
        std::string entry;
        if (!entryName(lines_[i], entry)) continue;
        if (sameName(entry, name)) {
            lines_[i] = line;
            return;
        }
        last = i;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1), line);
}

void ScoreFile::remove(const std::string& name) {
    size_t header, end;
    if (!sectionRange(header, end)) return;
    for (size_t i = end; i-- > header + 1;) {
        std::string entry;
        if (entryName(lines_[i], entry) && sameName(entry, name))
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void ScoreFile::clearSection() {
    size_t header, end;
    while (sectionRange(header, end))
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(end));
}

}  // namespace ovtimer
