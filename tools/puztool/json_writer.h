// A small streaming JSON writer. Texts are in the code page the puzzle keeps them in
// (Windows-1252); they are decoded and written as \u escapes above 0x7E, so the
// output is plain ASCII and always valid JSON.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

namespace gw::puztool {

class JsonWriter {
public:
    explicit JsonWriter(std::FILE* out) : out_(out) {}

    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    void key(const char* name);
    void value(const std::string& text);
    void value(const char* text) { value(std::string(text)); }
    void value(long long number);
    void value(int number) { value(static_cast<long long>(number)); }
    void value(bool flag);
    void finish() { std::fputc('\n', out_); }

private:
    void open(char c);
    void close(char c);
    void separate();
    void writeString(const std::string& s);

    std::FILE* out_;
    std::vector<bool> first_;  // per open container: nothing written yet
    bool afterKey_ = false;
};

}  // namespace gw::puztool
