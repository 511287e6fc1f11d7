// Temporary folders and file helpers for the document tests.
#pragma once
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "doc/puzzle_document.h"
#include "fakes.h"

namespace gw::test {

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("gwdoc_" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(path_)) out.push_back(e.path().filename().string());
        return out;
    }

private:
    std::filesystem::path path_;
};

inline void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);  // an empty vector's data() may be null
    std::fclose(f);
}

// The text with the first `from` replaced (a test fails when it is not there).
inline std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The data of an extra section as text; "" when the image has none.
inline std::string section(const PuzzleFileImage& image, const char* tag) {
    const ExtraSection* s = image.getExtraSection(tag);
    return s ? std::string(s->data.begin(), s->data.end()) : std::string();
}

inline std::vector<uint8_t> readBytes(const std::string& path) {
    std::vector<uint8_t> out;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return out;
    uint8_t buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + n);
    std::fclose(f);
    return out;
}

// The fakes, one document installed as core().document, and a fresh folder.
class DocumentFixture : public CoreFixture {
protected:
    TempFolder folder;
    std::unique_ptr<PuzzleDocument> doc;

    void SetUp() override {
        CoreFixture::SetUp();
        doc = std::make_unique<PuzzleDocument>();
        core().document = doc.get();
    }
    void TearDown() override {
        doc.reset();
        CoreFixture::TearDown();
    }
    std::string write(const std::string& name, const std::string& text) {
        const std::string path = folder.file(name);
        writeBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
        return path;
    }
};

}  // namespace gw::test
