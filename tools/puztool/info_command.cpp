#include "info_command.h"

#include <cstring>
#include <memory>

#include "doc/puzzle_document.h"
#include "doc/puzzle_reader.h"
#include "json_writer.h"
#include "solve/clue_set.h"

namespace gw::puztool {

namespace {

void rows(JsonWriter& json, const std::string& grid, int width, int height) {
    json.beginArray();
    for (int y = 0; y < height; ++y) json.value(grid.substr(size_t(y) * size_t(width), size_t(width)));
    json.endArray();
}

void rebusEntry(JsonWriter& json, const RebusEntry& e) {
    json.beginObject();
    json.key("text");
    json.value(std::string(e.text, strnlen(e.text, sizeof e.text)));
    json.key("kind");
    json.value(int(e.kind));
    json.endObject();
}

void clue(JsonWriter& json, int number, const char* direction, const std::string* text) {
    json.beginObject();
    json.key("number");
    json.value(number);
    json.key("direction");
    json.value(direction);
    json.key("text");
    json.value(text ? *text : std::string());
    json.endObject();
}

void field(JsonWriter& json, const char* name, const std::string& value) {
    json.key(name);
    json.value(value);
}

void flags(JsonWriter& json, const PuzzleDocument& doc) {
    json.key("flags");
    json.beginObject();
    json.key("diagramless");
    json.value(doc.isDiagramless);
    json.key("noPrint");
    json.value(doc.noPrint);
    json.key("noCheck");
    json.value(doc.noCheck);
    json.key("scrambled");
    json.value(doc.isScrambled);
    json.endObject();
}

// The clues in the order they are numbered: by square, Across before Down.
void clues(JsonWriter& json, const PuzzleDocument& doc) {
    const PuzzleGrid& g = *doc.grid;
    json.key("clues");
    json.beginArray();
    for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x) {
            const GridCell& c = g.cell(x, y);
            if (!c.isLetter) continue;
            const ClueEntry& e = doc.clues->entry(x, y);
            if (c.flags & AcrossStart) clue(json, e.acrossNumber, "across", e.acrossText);
            if (c.flags & DownStart) clue(json, e.downNumber, "down", e.downText);
        }
    }
    json.endArray();
}

void rebusTable(JsonWriter& json, const PuzzleGrid& g) {
    json.key("rebusTable");
    json.beginArray();
    if (g.rebusTable) {
        for (int k = 0; k < RebusTableSlots; ++k) {
            const auto& slot = g.rebusTable->slots[size_t(k)];
            if (!slot) continue;
            json.beginObject();
            json.key("key");
            json.value(k);
            json.key("entry");
            rebusEntry(json, *slot);
            json.endObject();
        }
    }
    json.endArray();
}

// Per square: the saved state bits, row by row, and the squares with rebus content.
void squares(JsonWriter& json, const PuzzleGrid& g) {
    json.key("squareFlags");
    json.beginArray();
    for (int y = 0; y < g.height; ++y) {
        json.beginArray();
        for (int x = 0; x < g.width; ++x) json.value(int(g.cell(x, y).flags & SavedFlagsMask));
        json.endArray();
    }
    json.endArray();
    json.key("rebusSquares");
    json.beginArray();
    for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x) {
            const GridCell& c = g.cell(x, y);
            if (!c.solutionRebus && !c.userRebus) continue;
            json.beginObject();
            json.key("x");
            json.value(x);
            json.key("y");
            json.value(y);
            if (c.solutionRebus) {
                json.key("solution");
                rebusEntry(json, *c.solutionRebus);
            }
            if (c.userRebus) {
                json.key("user");
                rebusEntry(json, *c.userRebus);
            }
            json.endObject();
        }
    }
    json.endArray();
}

void sections(JsonWriter& json, const PuzzleFileImage& raw) {
    json.key("sections");
    json.beginArray();
    for (const ExtraSection& s : raw.sections) {
        json.beginObject();
        json.key("tag");
        json.value(s.tag);
        json.key("length");
        json.value(int(s.data.size()));
        json.endObject();
    }
    json.endArray();
}

}  // namespace

int infoCommand(PuzzleDocument& doc, const std::string& path) {
    auto image = std::make_unique<PuzzleFileImage>();
    if (!readPuzzleFile(path, *image)) return 1;
    // The document takes over the image and strips what it keeps itself; report the file as read.
    const PuzzleFileImage raw = *image;
    if (!doc.buildFromImage(std::move(image), path)) return 1;
    const PuzzleGrid& g = *doc.grid;
    const char* version = reinterpret_cast<const char*>(&raw.header.bytes[HdrVersion]);

    JsonWriter json(stdout);
    json.beginObject();
    field(json, "file", path);
    field(json, "version", std::string(version, strnlen(version, 4)));
    json.key("width");
    json.value(g.width);
    json.key("height");
    json.value(g.height);
    flags(json, doc);
    field(json, "title", raw.title);
    field(json, "author", raw.author);
    field(json, "copyright", raw.copyright);
    field(json, "notes", raw.notes);
    json.key("solution");
    rows(json, raw.solution, g.width, g.height);
    json.key("fill");
    rows(json, raw.fill, g.width, g.height);
    json.key("clueCount");
    json.value(raw.header.clueCount());
    clues(json, doc);
    rebusTable(json, g);
    squares(json, g);
    sections(json, raw);
    json.endObject();
    json.finish();
    return 0;
}

}  // namespace gw::puztool
