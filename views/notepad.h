// The puzzle notepad: a modeless dialog with the puzzle's notes, hidden rather than
// closed, that hands its text back when it loses activation after a change.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace gw {

class Notepad {
public:
    struct Hooks {
        // The dialog became active (its handle) or inactive (null): the main loop routes its keys.
        std::function<void(HWND)> activeDialog;
        // The changed notes, handed back on deactivation.
        std::function<void(const std::string&)> notesChanged;
        std::function<void(const char* topic)> helpTopic;
        // Asked at each activation: whether the notes may be edited now (a puzzle can
        // change while its notepad stays open).
        std::function<bool()> editable;
    };

    static std::unique_ptr<Notepad> create(HWND owner, HINSTANCE resources, const std::string& notes, bool editable,
                                           Hooks hooks);
    ~Notepad();
    Notepad(const Notepad&) = delete;
    Notepad& operator=(const Notepad&) = delete;

    // Shows the dialog again and gives it the focus.
    void showAgain();
    HWND hwnd() const { return hwnd_; }
    HWND field() const;
    bool modified() const { return modified_; }
    // Hands a changed text back now (as deactivation does): the puzzle is about to close.
    void handBack();
    bool editable() const { return editable_; }

private:
    Notepad(bool editable, Hooks hooks) : editable_(editable), hooks_(std::move(hooks)) {}
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK fieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    void initialise(const std::string& notes);
    void onActivate(bool active);
    bool onCommand(int id, int code);
    void contextMenu(int x, int y);
    void setEditable(bool editable);

    HWND hwnd_ = nullptr;
    HINSTANCE resources_ = nullptr;
    bool editable_ = true;
    bool modified_ = false;
    bool initialising_ = false;
    Hooks hooks_;
};

}  // namespace gw
