// The HTML help viewer, found and loaded the first time help is asked for. When it
// cannot be loaded every help request quietly does nothing.
#pragma once
#include <windows.h>

#include <string>

namespace gw {

class HelpViewer {
public:
    HelpViewer(const std::string& programFolder, HWND owner);
    ~HelpViewer();
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // Shows a topic page of the help file ("intro.htm"); false when nothing was shown.
    bool showTopic(const char* topic);
    const std::string& helpFile() const { return helpFile_; }
    // The address handed to the viewer for a topic.
    std::string topicAddress(const char* topic) const;
    bool loadAttempted() const { return loadAttempted_; }
    bool available() const { return entry_ != nullptr; }

private:
    bool load();

    using HtmlHelpProc = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    std::string helpFile_;
    HWND owner_ = nullptr;
    DWORD cookie_ = 0;
    HMODULE library_ = nullptr;
    HtmlHelpProc entry_ = nullptr;
    bool loadAttempted_ = false;
};

}  // namespace gw
