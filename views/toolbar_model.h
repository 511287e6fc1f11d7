// The toolbar's contents without the control: the description text that lists the
// buttons, the state digits that switch them as a whole, and the button order that
// the user arranges and the settings keep. Portable, so that native tests reach it.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

namespace gw::toolbar {

// More slots than any description needs; a count beyond it is cut to it.
constexpr int MaxSlots = 64;
// The state text is read up to this many characters.
constexpr size_t MaxStateDigits = 31;
// Numbers longer than this are not commands, pictures or flags; their extra digits are dropped.
constexpr int MaxNumberDigits = 5;

struct Slot {
    std::string label[2];
    int command[2] = {0, 0};  // second is 0 when the slot has no alternate
    int image = 0;
    bool dropDown = false;
    bool byDefault = false;
    // The record handed to the control.
    bool unavailable = false;  // state digit 0: hidden
    bool enabled = false;
    bool indeterminate = true;
    bool checked = false;
    bool checkStyle = false;
    int current = 0;  // which of the pair the button shows

    int currentCommand() const { return command[current]; }
    const std::string& currentLabel() const { return label[current]; }
    bool hasAlternate() const { return command[1] != 0; }
};

struct Description {
    std::vector<Slot> slots;
    std::string defaultOrder;  // "%5d:" per default button, "0:" per group boundary
};

inline std::string orderEntry(int command) {
    char text[16];
    std::snprintf(text, sizeof text, "%5d:", command);
    return text;
}

namespace detail {

// Reads characters up to the next ':' and steps over it; false when there is none.
inline bool readField(const std::string& text, size_t& pos, std::string& out) {
    const size_t colon = text.find(':', pos);
    if (colon == std::string::npos) return false;
    out = text.substr(pos, colon - pos);
    pos = colon + 1;
    return true;
}

// A number read digit by digit up to its ':'; an empty number is 0, other characters are skipped.
inline bool readNumber(const std::string& text, size_t& pos, int& value) {
    std::string field;
    if (!readField(text, pos, field)) return false;
    value = 0;
    int digits = 0;
    for (char c : field) {
        if (c < '0' || c > '9' || digits == MaxNumberDigits) continue;
        value = value * 10 + (c - '0');
        ++digits;
    }
    return true;
}

struct Item {
    std::string name;
    int command = 0, image = 0, dropDown = 0, byDefault = 0;
};

inline bool readItem(const std::string& text, size_t& pos, Item& item) {
    return readField(text, pos, item.name) && readNumber(text, pos, item.command) &&
           readNumber(text, pos, item.image) && readNumber(text, pos, item.dropDown) &&
           readNumber(text, pos, item.byDefault);
}

}  // namespace detail

// Parses "count{item,item|alternate,...},{...}". A malformed tail ends the parse:
// the slots read so far stay.
inline Description parseDescription(const std::string& text) {
    Description d;
    size_t pos = 0;
    int count = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (count < MaxSlots) count = count * 10 + (text[pos] - '0');
        ++pos;
    }
    if (count > MaxSlots) count = MaxSlots;
    if (pos >= text.size() || text[pos] != '{') return d;
    ++pos;
    while (int(d.slots.size()) < count && pos < text.size()) {
        detail::Item item;
        if (!detail::readItem(text, pos, item)) break;
        Slot slot;
        slot.label[0] = item.name;
        slot.command[0] = item.command;
        slot.image = item.image;
        slot.dropDown = item.dropDown == 1;
        slot.byDefault = item.byDefault == 1;
        if (slot.byDefault) d.defaultOrder += orderEntry(item.command);
        const char separator = pos < text.size() ? text[pos++] : '}';
        if (separator == '|') {
            detail::Item alternate;
            if (!detail::readItem(text, pos, alternate)) {
                d.slots.push_back(slot);
                break;
            }
            slot.label[1] = alternate.name;
            slot.command[1] = alternate.command;
            if (pos < text.size()) ++pos;  // whatever follows an alternate
        } else if (separator == '}') {
            if (pos < text.size() && text[pos] == ',') {
                pos += 2;  // the comma and the '{' that opens the next group
                d.slots.push_back(slot);
                if (int(d.slots.size()) < count) d.defaultOrder += "0:";
                continue;
            }
            d.slots.push_back(slot);
            break;
        } else if (separator != ',') {
            d.slots.push_back(slot);
            break;
        }
        d.slots.push_back(slot);
    }
    return d;
}

// One digit per slot in slot order; characters other than 0-3 are skipped.
inline void applyStateDigits(const std::string& digits, std::vector<Slot>& slots) {
    size_t next = 0;
    for (size_t i = 0; i < digits.size() && i < MaxStateDigits && next < slots.size(); ++i) {
        const char c = digits[i];
        if (c < '0' || c > '3') continue;
        Slot& s = slots[next++];
        s.unavailable = c == '0';
        s.enabled = c >= '2';
        s.indeterminate = c == '1';
        s.checkStyle = c == '3';
        s.checked = c == '3';
    }
}

// The slot whose first or second command is `command`, or -1.
inline int slotOf(const std::vector<Slot>& slots, int command) {
    if (command <= 0) return -1;
    for (size_t i = 0; i < slots.size(); ++i)
        if (slots[i].command[0] == command || slots[i].command[1] == command) return int(i);
    return -1;
}

constexpr int Separator = -1;

// The buttons of an order text, as slot indices (Separator for "0"). Entries that are
// not numbers, name no slot or name a slot already placed are left out: the text
// may come from the registry.
inline std::vector<int> parseOrder(const std::string& order, const std::vector<Slot>& slots) {
    std::vector<int> out;
    std::vector<bool> placed(slots.size(), false);
    size_t pos = 0;
    while (pos < order.size()) {
        size_t colon = order.find(':', pos);
        if (colon == std::string::npos) colon = order.size();
        const std::string entry = order.substr(pos, colon - pos);
        pos = colon + 1;
        int value = 0, digits = 0;
        bool number = true;
        for (char c : entry) {
            if (c == ' ') continue;
            if (c < '0' || c > '9' || digits == MaxNumberDigits + 1) {
                number = false;
                break;
            }
            value = value * 10 + (c - '0');
            ++digits;
        }
        if (!number || digits == 0) continue;
        if (value == 0) {
            out.push_back(Separator);
            continue;
        }
        const int slot = slotOf(slots, value);
        if (slot < 0 || placed[size_t(slot)]) continue;
        placed[size_t(slot)] = true;
        out.push_back(slot);
    }
    return out;
}

// The order text of a bar's buttons given by their commands (0 for a separator).
inline std::string formatOrder(const std::vector<int>& commands) {
    std::string text;
    for (int c : commands) text += c == 0 ? std::string("0:") : orderEntry(c);
    return text;
}

// Where the logo goes in a bar of client width `barWidth` whose buttons take
// `buttonsWidth`: its left edge, or -1 when it does not fit.
inline int logoLeft(int barWidth, int buttonsWidth, int logoWidth) {
    if (barWidth - buttonsWidth <= logoWidth + 2) return -1;
    const int centred = buttonsWidth + (barWidth - logoWidth - buttonsWidth) / 2;
    return centred > buttonsWidth + 2 ? centred : buttonsWidth + 2;
}

inline int logoTop(int barHeight, int logoHeight) { return (barHeight - logoHeight) / 2 + 1; }

}  // namespace gw::toolbar
