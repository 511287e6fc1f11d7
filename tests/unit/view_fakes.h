// Recording fakes of the grid view and clue list ports.
#pragma once
#include <string>
#include <vector>

#include "ports/view_ports.h"

namespace gw::test {

class RecordingGridView : public GridViewPort {
public:
    std::vector<std::string> calls;
    int cursorX = -1, cursorY = -1;
    bool hand = false;
    int focusCount = 0;

    void setCursorCell(int x, int y) override {
        cursorX = x;
        cursorY = y;
        calls.push_back("cursor " + std::to_string(x) + "," + std::to_string(y));
    }
    void invalidateCell(int x, int y) override {
        calls.push_back("cell " + std::to_string(x) + "," + std::to_string(y));
    }
    void invalidateRange(int x1, int y1, int x2, int y2) override {
        calls.push_back("range " + std::to_string(x1) + "," + std::to_string(y1) + "-" + std::to_string(x2) + "," +
                        std::to_string(y2));
    }
    void setHandPointer(bool h) override {
        hand = h;
        calls.push_back(h ? "hand" : "arrow");
    }
    void takeFocus() override {
        ++focusCount;
        calls.push_back("focus");
    }
    bool has(const std::string& s) const {
        for (const auto& c : calls)
            if (c == s) return true;
        return false;
    }
};

class RecordingClueList : public ClueListPort {
public:
    struct Current {
        int item = -1, number = 0;
        std::string text;
        bool active = false;
    };
    std::vector<std::string> added;
    Current current;
    int shows = 0;

    int addClue(const char* text, int number, int direction) override {
        added.push_back(std::to_string(number) + " " + text);
        return int(added.size()) - 1;
    }
    void showCurrentClue(int direction, int item, int number, const char* text, bool active) override {
        current = Current{item, number, text ? text : "", active};
        ++shows;
    }
};

}  // namespace gw::test
