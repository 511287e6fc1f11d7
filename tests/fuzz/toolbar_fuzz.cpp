// The toolbar is built from a description text, switched by state digits and arranged
// by an order text the settings keep (which anyone can edit). Input: the three texts
// separated by newlines. Whatever they hold, every button on the bar names a slot once,
// and the order the bar saves fits the stored value and reads back to the same bar.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "views/toolbar_model.h"

namespace tb = gw::toolbar;

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

std::string nextPart(const std::string& text, size_t& pos) {
    const size_t end = std::min(text.find('\n', pos), text.size());
    std::string part = text.substr(pos, end - pos);
    pos = end + 1;
    return part;
}

// The buttons as they stand on the bar, checked one by one.
std::vector<int> checkedBar(const std::string& order, const std::vector<tb::Slot>& slots) {
    const std::vector<int> bar = tb::parseOrder(order, slots);
    std::set<int> seen;
    for (int slot : bar) {
        if (slot == tb::Separator) continue;
        check(slot >= 0 && size_t(slot) < slots.size());
        check(seen.insert(slot).second);
        check(slots[size_t(slot)].currentCommand() >= 0);
    }
    return bar;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    size_t pos = 0;
    const std::string description = nextPart(text, pos);
    const std::string digits = pos < text.size() ? nextPart(text, pos) : "";
    const std::string stored = pos < text.size() ? text.substr(pos) : "";

    tb::Description d = tb::parseDescription(description);
    check(d.slots.size() <= size_t(tb::MaxSlots));
    std::set<int> commands;
    bool unique = true;
    for (const tb::Slot& s : d.slots) {
        unique = unique && s.command[0] != 0;
        for (int k = 0; k < 2; ++k) {
            check(s.command[k] >= 0 && s.command[k] <= 99999);
            if (s.command[k] != 0) unique = commands.insert(s.command[k]).second && unique;
        }
        check(s.image >= 0 && s.image <= 99999);
    }
    tb::applyStateDigits(digits, d.slots);
    checkedBar(d.defaultOrder, d.slots);

    // The stored order is used as the toolbar reads it: only when it fits.
    const std::string order = stored.size() <= 511 ? stored : d.defaultOrder;
    const std::vector<int> bar = checkedBar(order, d.slots);
    std::vector<int> onBar;
    for (int slot : bar) onBar.push_back(slot == tb::Separator ? 0 : d.slots[size_t(slot)].currentCommand());
    const std::string saved = tb::formatOrder(onBar);
    check(saved.size() <= 511);
    // With one slot per command and a command on every button (as in every description we ship) the saved order is the bar.
    if (unique) check(checkedBar(saved, d.slots) == bar);
    return 0;
}
