// "Select items to print": the presets, the custom item boxes and their enable rules.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

#include "print/layout/print_items.h"

namespace gw::print {

class PrintItemsDialog {
public:
    PrintItemsDialog(uint32_t stored, uint32_t unavailable) : stored_(stored), unavailable_(unavailable) {}

    // Runs it modally: the chosen items, or 0 when cancelled.
    uint32_t run(HINSTANCE resources, HWND owner);
    // The same dialog without a modal loop (tests drive it by messages); it destroys
    // itself on OK or Cancel.
    HWND create(HINSTANCE resources, HWND owner);

    bool finished() const { return finished_; }
    uint32_t result() const { return result_; }
    std::function<void()> onHelp;

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void init();
    void command(int id);
    void finish(uint32_t result);

    bool checked(int id) const;
    void check(int id, bool on) const;
    void enable(int id, bool on) const;
    bool available(uint32_t item) const { return (unavailable_ & item) == 0; }
    Preset chosenPreset() const;
    void showItems(uint32_t items) const;
    void enableCustomBoxes() const;
    void choosePreset(Preset p) const;
    void gridToggled() const;
    void cluesToggled() const;
    uint32_t collect() const;

    uint32_t stored_, unavailable_;
    HWND dialog_ = nullptr;
    bool modal_ = false;
    bool finished_ = false;
    uint32_t result_ = 0;
};

}  // namespace gw::print
