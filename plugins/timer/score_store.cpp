#include "score_store.h"

#include <windows.h>

#include <utility>

namespace ovtimer {
namespace {

constexpr DWORD MaxScoreFileBytes = 8u << 20;  // a board is a few kilobytes; more is not ours to rewrite

}  // namespace

ScoreStore::ScoreStore(std::string path) : path_(std::move(path)) {
    HANDLE h = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        writable_ = GetLastError() == ERROR_FILE_NOT_FOUND;
        return;
    }
    LARGE_INTEGER size = {};
    std::string text;
    bool ok = GetFileSizeEx(h, &size) && size.QuadPart <= MaxScoreFileBytes;
    if (ok) {
        text.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        ok = text.empty() || (ReadFile(h, &text[0], static_cast<DWORD>(text.size()), &read, nullptr) &&
                              read == text.size());
    }
    CloseHandle(h);
    if (!ok) return;
    file_.load(text);
    writable_ = true;
}

bool ScoreStore::save() {
    if (!writable_ || path_.empty()) return false;
    std::string text = file_.text();
    std::string temporary = path_ + ".new";
    HANDLE h = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = text.empty() || (WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                               written == text.size());
    ok = CloseHandle(h) && ok;
    if (ok) ok = MoveFileExA(temporary.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFileA(temporary.c_str());
    return ok;
}

}  // namespace ovtimer
