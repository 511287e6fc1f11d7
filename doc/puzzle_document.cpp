// The one open puzzle: building it from a file image, writing it back, sections,
// closing. Saving is in document_save.cpp, locking in scramble.cpp.
#include "puzzle_document.h"

#include <cstring>

#include "document_events.h"
#include "ports/core_context.h"
#include "puzzle_reader.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "solve/clue_set.h"

namespace gw {

namespace {

bool readIndicator(const char* name) {
    int value = 0;
    settings().readInt(settings_names::Display, name, value);
    return value == 1;
}

std::string sectionText(const ExtraSection& s) {
    return std::string(reinterpret_cast<const char*>(s.data.data()), s.data.size()).c_str();
}

}  // namespace

PuzzleDocument::PuzzleDocument() {
    showRebusIndicator = readIndicator(settings_names::RebusIndicator);
    showSymbolIndicator = readIndicator(settings_names::SymbolIndicator);
}

PuzzleDocument::~PuzzleDocument() {
    settings().writeInt(settings_names::Display, settings_names::RebusIndicator, showRebusIndicator ? 1 : 0);
    settings().writeInt(settings_names::Display, settings_names::SymbolIndicator, showSymbolIndicator ? 1 : 0);
}

bool PuzzleDocument::pathFits(const std::string& p) { return p.size() < size_t(MaxPathLength); }

void PuzzleDocument::warnPathTooLong(const std::string& p) {
    ui().warning(std::string(stringText(IDS_PATH_TOO_LONG)) + p);
}

bool PuzzleDocument::open(const std::string& filePath) {
    if (!pathFits(filePath)) {
        warnPathTooLong(filePath);
        return false;
    }
    auto image = std::make_unique<PuzzleFileImage>();
    if (!readPuzzleFile(filePath, *image)) return false;
    isDirty = false;
    return buildFromImage(std::move(image), filePath);
}

bool PuzzleDocument::buildFromImage(std::unique_ptr<PuzzleFileImage> image, const std::string& filePath) {
    if (!image) return false;
    if (!pathFits(filePath)) {
        warnPathTooLong(filePath);
        return false;
    }
    const int w = image->header.width();
    const int h = image->header.height();
    if (w < 1 || h < 1 || w > MaxGridSize || h > MaxGridSize) {
        ui().warningById(IDS_NOT_A_PUZZLE);
        return false;
    }
    if (isOpen) releasePuzzle();
    PuzzleFileImage& img = *image;
    buildGrid(img);
    readFlags(img);

    // An incomplete solution is worth a warning but still opens.
    bool complete = img.solution.find('-') == std::string::npos && img.clues.size() >= size_t(img.header.clueCount());
    for (const std::string& clue : img.clues)
        if (clue.empty()) complete = false;
    if (!complete) ui().warningById(IDS_INCOMPLETE_SOLUTION);

    clues = std::make_unique<ClueSet>(*grid);
    clues->Build(w, h, img.clues);
    grid->clueSet = clues.get();

    // The document keeps the grid's state itself from now on.
    img.removeExtraSection("GEXT");
    img.removeExtraSection("RUSR");
    img.solution.clear();
    img.fill.clear();
    title = std::move(img.title);
    author = std::move(img.author);
    copyright = std::move(img.copyright);
    img.title.clear();
    img.author.clear();
    img.copyright.clear();
    fileImage = std::move(image);

    makeCurrent(filePath);
    if (isDiagramless && diagramlessLoop) diagramlessLoop(*this);
    if (isOpen) sendToolEvent(PuzzleOpened);
    return true;
}

// The grid from the image's solution and fill and the sections it is built from
// (numbered by its constructor); sections of the wrong size are dropped first.
void PuzzleDocument::buildGrid(PuzzleFileImage& img) {
    const int w = img.header.width();
    const int h = img.header.height();
    const size_t squares = size_t(w) * size_t(h);
    for (const char* tag : {"GEXT", "GRBS"}) {
        const ExtraSection* s = img.getExtraSection(tag);
        if (s && s->data.size() != squares) img.removeExtraSection(tag);
    }
    std::string rebusText;
    const ExtraSection* rtbl = img.getExtraSection("RTBL");
    if (rtbl && !rtbl->data.empty()) {
        rebusText = sectionText(*rtbl);
        isRebus = true;
        usesSymbols = rebusText.find('[') != std::string::npos;
    } else {
        img.removeExtraSection("RTBL");
        isRebus = false;
        usesSymbols = false;
    }
    const ExtraSection* gext = img.getExtraSection("GEXT");
    const ExtraSection* grbs = img.getExtraSection("GRBS");
    const ExtraSection* rusr = img.getExtraSection("RUSR");
    grid = std::make_unique<PuzzleGrid>(w, h, img.solution, img.fill, img.header.u16(HdrScrambledChecksum),
                                        gext ? gext->data.data() : nullptr, grbs ? grbs->data.data() : nullptr,
                                        isRebus ? rebusText.c_str() : nullptr,
                                        rusr ? reinterpret_cast<const char*>(rusr->data.data()) : nullptr,
                                        rusr ? int(rusr->data.size()) : 0);
}

void PuzzleDocument::readFlags(PuzzleFileImage& img) {
    const uint8_t typeBits = img.header.bytes[HdrTypeBits];
    const uint8_t stateBits = img.header.bytes[HdrStateBits];
    typeBit0 = typeBits & 1;
    typeBit1 = (typeBits >> 1) & 1;
    isDiagramless = (typeBits >> 2) & 1;
    noPrint = stateBits & 1;
    noCheck = (stateBits >> 1) & 1;
    isScrambled = (stateBits >> 2) & 1;
    stateBit3Clear = ((stateBits >> 3) & 1) == 0;
    notes = std::move(img.notes);
    img.notes.clear();
}

// Makes the built puzzle the current one: title, menus, toolbar, views and states.
void PuzzleDocument::makeCurrent(const std::string& filePath) {
    sendToolEvent(PuzzleLoading);
    ui().setTitle(std::string(stringText(IDS_PROGRAM_NAME)) + " - " + filePath);
    ui().setMenu(SolveMenuName);
    ui().setToolbarStates(IDS_TOOLBAR_STATES_OPEN);
    ui().createPuzzleViews();
    ui().enableCommand(CMD_PRINT, !noPrint);
    applyLockState();
    path = filePath;
    diskStamp = fileStampOf(filePath);
    isOpen = true;
    ui().setSaveState(false);
}

void PuzzleDocument::applyLockState() {
    const bool hasSolution = !noCheck;
    const bool checkable = hasSolution && !isScrambled;
    ui().enableCommand(CMD_LOCK_SOLUTION, hasSolution && !isScrambled);
    ui().enableCommand(CMD_UNLOCK_SOLUTION, hasSolution && isScrambled);
    ui().enableCommand(CMD_CHECK_WORD, checkable);
    ui().enableCommand(CMD_REVEAL_WORD, checkable);
}

PuzzleFileImage* PuzzleDocument::buildImageForSave() {
    if (!isOpen || !grid || !fileImage) return nullptr;
    PuzzleFileImage& img = *fileImage;
    FileHeader& h = img.header;
    const int w = grid->width;
    const int ht = grid->height;

    std::memset(&h.bytes[HdrVersion], 0, 4);
    std::memcpy(&h.bytes[HdrVersion], "1.3", 4);
    h.bytes[HdrPuzzleType] = 1;
    h.bytes[HdrTypeBits] = uint8_t((typeBit0 ? 1 : 0) | (typeBit1 ? 2 : 0) | (isDiagramless ? 4 : 0));
    h.bytes[HdrWidth] = uint8_t(w);
    h.bytes[HdrHeight] = uint8_t(ht);
    h.bytes[HdrStateBits] =
        uint8_t((noPrint ? 1 : 0) | (noCheck ? 2 : 0) | (isScrambled ? 4 : 0) | (stateBit3Clear ? 0 : 8));
    h.setU16(HdrScrambledChecksum, isScrambled ? grid->solutionChecksum : 0);

    img.notes = notes;
    img.author = author;
    img.title = title;
    img.copyright = copyright;

    const size_t squares = size_t(w) * size_t(ht);
    img.solution.assign(squares, '.');
    img.fill.assign(squares, '.');
    std::vector<uint8_t> gext(squares, 0);
    bool anyFlags = false;
    std::vector<uint8_t> rusr;
    bool anyUserRebus = false;
    for (int y = 0; y < ht; ++y) {
        for (int x = 0; x < w; ++x) {
            const size_t i = size_t(y) * size_t(w) + size_t(x);
            const GridCell& c = grid->cell(x, y);
            const uint8_t saved = uint8_t(c.flags & SavedFlagsMask);
            gext[i] = saved;
            anyFlags = anyFlags || saved != 0;
            if (!c.isLetter) {
                const char block = (c.flags & ShownColon) ? ':' : '.';
                img.solution[i] = block;
                img.fill[i] = block;
                rusr.push_back(0);
                continue;
            }
            img.solution[i] = c.solution;
            char f = c.fill;
            if ((c.flags & Pencil) && f >= 'A' && f <= 'Z') f = char(f - 'A' + 'a');
            img.fill[i] = f;
            if (c.userRebus) {
                anyUserRebus = true;
                const RebusEntry& r = *c.userRebus;
                if (r.kind != RebusPlain) {
                    rusr.push_back('[');
                    rusr.push_back(uint8_t(r.text[0]));
                    rusr.push_back(']');
                } else {
                    const size_t n = strnlen(r.text, size_t(RebusMaxText));
                    rusr.insert(rusr.end(), r.text, r.text + n);
                }
            }
            rusr.push_back(0);
        }
    }
    h.setU16(HdrClueCount, uint16_t(grid->CountWordStarts()));

    // The grid's own sections are written whatever their size: a large grid must not lose them.
    if (anyFlags)
        img.setGridSection("GEXT", gext.data(), int(gext.size()));
    else
        img.removeExtraSection("GEXT");
    if (anyUserRebus && rusr.size() <= size_t(SectionLengthLimit))
        img.setGridSection("RUSR", rusr.data(), int(rusr.size()));
    else
        img.removeExtraSection("RUSR");
    return &img;
}

void PuzzleDocument::setExtraSection(const char* tag, const uint8_t* data, int length) {
    if (fileImage) fileImage->setExtraSection(tag, data, length);
}

const ExtraSection* PuzzleDocument::getExtraSection(const char* tag) const {
    return fileImage ? fileImage->getExtraSection(tag) : nullptr;
}

void PuzzleDocument::removeExtraSection(const char* tag) {
    if (fileImage) fileImage->removeExtraSection(tag);
}

bool PuzzleDocument::writeSectionForTool(const char* tag, const uint8_t* data, int length) {
    if (!isOpen || !tag || length < 0 || length > ExtraSectionMaxLength) return false;
    if (length > 0) {
        if (!data) return false;
        setExtraSection(tag, data, length);
    }
    setDirty();
    return true;
}

int PuzzleDocument::readSectionForTool(const char* tag, uint8_t* buffer, int capacity) const {
    if (!isOpen || !tag || !buffer) return 0;
    const ExtraSection* s = getExtraSection(tag);
    if (!s || capacity < 0 || s->data.size() > size_t(capacity)) return 0;
    std::memcpy(buffer, s->data.data(), s->data.size());
    return int(s->data.size());
}

void PuzzleDocument::deleteSectionForTool(const char* tag) {
    if (isOpen) removeExtraSection(tag);
}

void PuzzleDocument::setDirty() {
    isDirty = true;
    ++changeCount;
    ui().setSaveState(true);
}

void PuzzleDocument::setUnlockKey(int newKey) {
    if (isOpen) toolUnlockKey = newKey;
}

bool PuzzleDocument::close() {
    if (!isOpen) return true;
    if (isDirty) {
        const int answer = ui().questionById(IDS_SAVE_BEFORE_CLOSE, ButtonsYesNoCancel);
        if (answer != AnswerYes && answer != AnswerNo) return false;
        // A save that went through the save dialog reports failure yet may have
        // saved; only a puzzle that is still unsaved stays open.
        if (answer == AnswerYes && !save() && isDirty) return false;
    }
    sendToolEvent(PuzzleClosing);
    // Closed on purpose, saved or not: nothing is left to recover.
    discardRecoveryCopy();
    ui().setTitle(stringText(IDS_PROGRAM_NAME));
    ui().setMenu(InitMenuName);
    ui().setToolbarStates(IDS_TOOLBAR_STATES_CLOSED);
    ui().destroyPuzzleViews();
    releasePuzzle();
    sendToolEvent(PuzzleClosed);
    return true;
}

void PuzzleDocument::releasePuzzle() {
    if (grid) {
        // The solving preferences the user changed while solving outlive the puzzle.
        grid->SaveSolvePreferences();
        grid->clueSet = nullptr;
    }
    clues.reset();
    grid.reset();
    fileImage.reset();
    printJob.reset();
    title.clear();
    author.clear();
    copyright.clear();
    notes.clear();
    path.clear();
    isOpen = false;
    isDirty = false;
    stateBit3Clear = true;
    printChoice = 255;
    typeBit0 = typeBit1 = false;
    noPrint = noCheck = isScrambled = isDiagramless = false;
    isRebus = usesSymbols = false;
    toolUnlockKey = 0;
}

}  // namespace gw
