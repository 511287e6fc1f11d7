// Writing the open puzzle as an ipuz crossword.
#include <nlohmann/json.hpp>

#include "doc/code_page.h"
#include "doc/ipuz_import.h"
#include "doc/puzzle_document.h"
#include "doc/puzzle_grid.h"
#include "solve/clue_set.h"

namespace gw {
namespace {

// Keys in the order written, so the file reads top down: what it is, then the grid, then the clues.
using json = nlohmann::ordered_json;

// An entry as the file's rebus table spells it, which the importer reads back the same.
std::string entryText(const RebusEntry& e) {
    if (e.kind == RebusPlain) return std::string(e.text);
    std::string s = "[" + std::string(1, e.text[0]) + "]";
    return e.kind == RebusSymbolStar ? s + "*" : s;
}

// Readers take the texts as simple HTML: '&', '<' and '>' are written as references.
std::string textValue(const std::string& codePageText) {
    std::string out;
    for (char c : systemTextToUtf8(codePageText)) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else out += c;
    }
    return out;
}

json squareValue(const std::string& codePageText) { return json(systemTextToUtf8(codePageText)); }

// A puzzle checked against nothing (every answer 'X') or locked has no answers to give.
bool hasReadableSolution(const PuzzleDocument& doc) {
    if (doc.isScrambled) return false;
    const PuzzleGrid& g = *doc.grid;
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (g.isWhite(x, y) && (g.cell(x, y).solution != 'X' || g.cell(x, y).solutionRebus)) return true;
    return !doc.noCheck;
}

json gridRows(const PuzzleGrid& g, json (*square)(const GridCell&)) {
    json rows = json::array();
    for (int y = 0; y < g.height; ++y) {
        json row = json::array();
        for (int x = 0; x < g.width; ++x) row.push_back(g.isWhite(x, y) ? square(g.cell(x, y)) : json("#"));
        rows.push_back(std::move(row));
    }
    return rows;
}

json puzzleSquare(const GridCell& c) {
    if (!(c.flags & Circled)) return c.number;
    return json{{"cell", c.number}, {"style", {{"shapebg", "circle"}}}};
}

json solutionSquare(const GridCell& c) {
    return squareValue(c.solutionRebus ? entryText(*c.solutionRebus) : std::string(1, c.solution));
}

json savedSquare(const GridCell& c) {
    if (c.userRebus) return squareValue(entryText(*c.userRebus));
    return c.fill == '-' ? json("") : squareValue(std::string(1, c.fill));
}

json clueLists(const PuzzleDocument& doc) {
    json across = json::array(), down = json::array();
    const PuzzleGrid& g = *doc.grid;
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            const GridCell& c = g.cell(x, y);
            if (!g.isWhite(x, y)) continue;
            const ClueEntry& e = doc.clues->entry(x, y);
            if ((c.flags & AcrossStart) && e.acrossText)
                across.push_back(json::array({c.number, textValue(*e.acrossText)}));
            if ((c.flags & DownStart) && e.downText) down.push_back(json::array({c.number, textValue(*e.downText)}));
        }
    return json{{"Across", across}, {"Down", down}};
}

// One line per key, grid row and clue: compact, yet readable and easy to compare.
std::string layout(const json& root) {
    std::string out = "{\n";
    bool firstKey = true;
    for (const auto& [key, value] : root.items()) {
        out += firstKey ? " " : ",\n ";
        firstKey = false;
        out += json(key).dump() + ": ";
        if (key == "puzzle" || key == "solution" || key == "saved" || key == "clues") {
            const bool object = value.is_object();
            out += object ? "{" : "[";
            bool firstItem = true;
            for (const auto& [name, item] : value.items()) {
                out += firstItem ? "\n  " : ",\n  ";
                firstItem = false;
                if (!object) {
                    out += item.dump();
                    continue;
                }
                // A clue list: one clue a line.
                out += json(name).dump() + ": [";
                for (size_t i = 0; i < item.size(); ++i) out += (i ? ",\n   " : "\n   ") + item[i].dump();
                out += "\n  ]";
            }
            out += object ? "\n }" : "\n ]";
        } else {
            out += value.dump();
        }
    }
    return out + "\n}\n";
}

}  // namespace

std::string exportIpuz(const PuzzleDocument& doc) {
    const PuzzleGrid& g = *doc.grid;
    json root;
    root["version"] = "http://ipuz.org/v2";
    root["kind"] = json::array({doc.isDiagramless ? "http://ipuz.org/crossword/diagramless#1" : "http://ipuz.org/crossword#1"});
    root["dimensions"] = {{"width", g.width}, {"height", g.height}};
    root["block"] = "#";
    root["empty"] = 0;
    const std::pair<const char*, const std::string*> texts[] = {
        {"title", &doc.title}, {"author", &doc.author}, {"copyright", &doc.copyright}, {"notes", &doc.notes}};
    for (const auto& [name, text] : texts)
        if (!text->empty()) root[name] = textValue(*text);
    root["puzzle"] = gridRows(g, puzzleSquare);
    if (hasReadableSolution(doc)) root["solution"] = gridRows(g, solutionSquare);
    bool anyEntry = false;
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) anyEntry = anyEntry || (g.isWhite(x, y) && !g.cell(x, y).isEmpty());
    if (anyEntry) root["saved"] = gridRows(g, savedSquare);
    root["clues"] = clueLists(doc);
    return layout(root);
}

}  // namespace gw
