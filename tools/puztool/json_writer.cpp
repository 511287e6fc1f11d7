#include "json_writer.h"

#include "doc/code_page.h"

namespace gw::puztool {

void JsonWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) std::fputc(',', out_);
        first_.back() = false;
    }
}

void JsonWriter::open(char c) {
    separate();
    std::fputc(c, out_);
    first_.push_back(true);
}

void JsonWriter::close(char c) {
    if (!first_.empty()) first_.pop_back();
    std::fputc(c, out_);
}

void JsonWriter::key(const char* name) {
    separate();
    writeString(name);
    std::fputc(':', out_);
    afterKey_ = true;
}

void JsonWriter::value(const std::string& text) {
    separate();
    writeString(text);
}

void JsonWriter::value(long long number) {
    separate();
    std::fprintf(out_, "%lld", number);
}

void JsonWriter::value(bool flag) {
    separate();
    std::fputs(flag ? "true" : "false", out_);
}

void JsonWriter::writeString(const std::string& s) {
    std::fputc('"', out_);
    for (char32_t c : systemTextToChars(s)) {
        switch (c) {
        case '"': std::fputs("\\\"", out_); break;
        case '\\': std::fputs("\\\\", out_); break;
        case '\n': std::fputs("\\n", out_); break;
        case '\r': std::fputs("\\r", out_); break;
        case '\t': std::fputs("\\t", out_); break;
        default:
            if (c >= 0x10000) {
                const unsigned v = unsigned(c - 0x10000);
                std::fprintf(out_, "\\u%04x\\u%04x", 0xD800 + (v >> 10), 0xDC00 + (v & 0x3FF));
            } else if (c < 0x20 || c >= 0x7F) {
                std::fprintf(out_, "\\u%04x", unsigned(c));
            } else {
                std::fputc(int(c), out_);
            }
        }
    }
    std::fputc('"', out_);
}

}  // namespace gw::puztool
