// The 26 services tools call, over the one open document. Every service
// tolerates a null host and null pointer arguments: a tool's mistake must not
// take the program down with it.
#include <cstring>

#include "doc/puzzle_document.h"
#include "plugins/host/host_window_port.h"
#include "plugins/host/plugin_manager.h"
#include "ports/core_context.h"

namespace gw {
namespace {

constexpr size_t MaxToolNameLength = TOOLINFO_NAME_SIZE - 1;
constexpr size_t SectionTagLength = 4;

PuzzleDocument* openDocument() {
    PuzzleDocument* document = core().document;
    return document && document->isOpen ? document : nullptr;
}

const PuzzleGrid* openGrid() {
    PuzzleDocument* document = openDocument();
    return document ? document->grid.get() : nullptr;
}

const GridCell* cellAt(int32_t column, int32_t row) {
    const PuzzleGrid* grid = openGrid();
    return grid && grid->inGrid(column, row) ? &grid->cell(column, row) : nullptr;
}

// The file format stores four-character tags; a longer name would be cut down
// on the way in and could overwrite some other section, so it is refused.
bool validTag(const char* name) {
    if (!name) return false;
    size_t length = strnlen(name, SectionTagLength + 1);
    return length >= 1 && length <= SectionTagLength;
}

HostWindowPort* windowPort(ToolHost* host) {
    HostedTool* tool = HostedTool::fromHost(host);
    return tool && tool->owner ? tool->owner->windowPort() : nullptr;
}

int32_t TOOLAPI_CALL RegisterTool(ToolHost* host, const ToolInfo* info) {
    HostedTool* tool = HostedTool::fromHost(host);
    if (!tool || !info) return 0;
    // The record comes from the tool: never read past its 64 bytes.
    size_t length = strnlen(info->name, MaxToolNameLength);
    tool->name.assign(info->name, length);
    tool->hasName = length > 0;
    return info->version <= TOOLAPI_VERSION ? 1 : 0;
}

void TOOLAPI_CALL SubscribeEvent(ToolHost* host, int32_t code) {
    HostedTool* tool = HostedTool::fromHost(host);
    if (tool && tool->owner) tool->owner->addListener(code, tool);
}

void* TOOLAPI_CALL GetMainWindow(ToolHost* host) {
    HostWindowPort* port = windowPort(host);
    return port ? port->mainWindow() : nullptr;
}

void* TOOLAPI_CALL GetInstance(ToolHost* host) {
    HostWindowPort* port = windowPort(host);
    return port ? port->instance() : nullptr;
}

void TOOLAPI_CALL ReadSetting(ToolHost*, const char* section, const char* name, int32_t* value) {
    if (!section || !name || !value) return;
    int read = *value;
    if (settings().readInt(section, name, read)) *value = read;
}

void TOOLAPI_CALL WriteSetting(ToolHost*, const char* section, const char* name, int32_t value) {
    if (!section || !name) return;
    settings().writeInt(section, name, value);
}

int32_t TOOLAPI_CALL ReadSection(ToolHost*, const char* name, void* buffer, int32_t capacity) {
    PuzzleDocument* document = openDocument();
    if (!document || !validTag(name)) return 0;
    return document->readSectionForTool(name, static_cast<uint8_t*>(buffer), capacity);
}

void TOOLAPI_CALL WriteSection(ToolHost*, const char* name, const void* data, int32_t length) {
    PuzzleDocument* document = openDocument();
    if (!document || !validTag(name)) return;
    document->writeSectionForTool(name, static_cast<const uint8_t*>(data), length);
}

void TOOLAPI_CALL DeleteSection(ToolHost*, const char* name) {
    PuzzleDocument* document = openDocument();
    if (document && validTag(name)) document->deleteSectionForTool(name);
}

// A puzzle whose checking is switched off carries no solution to use.
int32_t TOOLAPI_CALL HasUsableSolution(ToolHost*) {
    PuzzleDocument* document = openDocument();
    return document && !document->noCheck && !document->isScrambled ? 1 : 0;
}

int32_t TOOLAPI_CALL IsSolutionScrambled(ToolHost*) {
    PuzzleDocument* document = openDocument();
    return document && !document->noCheck && document->isScrambled ? 1 : 0;
}

int32_t TOOLAPI_CALL IsLetterCell(ToolHost*, int32_t column, int32_t row) {
    const GridCell* cell = cellAt(column, row);
    return cell && cell->isLetter ? 1 : 0;
}

int32_t TOOLAPI_CALL IsRevealed(ToolHost*, int32_t column, int32_t row) {
    const GridCell* cell = cellAt(column, row);
    return cell && (cell->flags & Revealed) ? 1 : 0;
}

int32_t TOOLAPI_CALL WasMarkedWrong(ToolHost*, int32_t column, int32_t row) {
    const GridCell* cell = cellAt(column, row);
    return cell && (cell->flags & (Incorrect | WasIncorrect)) ? 1 : 0;
}

int32_t TOOLAPI_CALL IsModified(ToolHost*) {
    PuzzleDocument* document = openDocument();
    return document && document->isDirty ? 1 : 0;
}

int32_t TOOLAPI_CALL IsGridFilled(ToolHost*) {
    const PuzzleGrid* grid = openGrid();
    return grid && grid->filledCellCount == grid->letterCellCount ? 1 : 0;
}

int32_t TOOLAPI_CALL IsPuzzleOpen(ToolHost*) { return openDocument() ? 1 : 0; }

int32_t TOOLAPI_CALL GetWidth(ToolHost*) {
    const PuzzleGrid* grid = openGrid();
    return grid ? grid->width : 0;
}

int32_t TOOLAPI_CALL GetHeight(ToolHost*) {
    const PuzzleGrid* grid = openGrid();
    return grid ? grid->height : 0;
}

char TOOLAPI_CALL GetEntry(ToolHost*, int32_t column, int32_t row) {
    const GridCell* cell = cellAt(column, row);
    return cell ? cell->fill : 0;
}

char TOOLAPI_CALL GetSolution(ToolHost*, int32_t column, int32_t row) {
    const GridCell* cell = cellAt(column, row);
    return cell ? cell->solution : 0;
}

const char* TOOLAPI_CALL GetPuzzlePath(ToolHost*) {
    PuzzleDocument* document = openDocument();
    return document ? document->path.c_str() : nullptr;
}

int32_t TOOLAPI_CALL GetFilledCount(ToolHost*) {
    const PuzzleGrid* grid = openGrid();
    return grid ? grid->filledCellCount : 0;
}

int32_t TOOLAPI_CALL GetLetterCellCount(ToolHost*) {
    const PuzzleGrid* grid = openGrid();
    return grid ? grid->letterCellCount : 0;
}

// The next Unlock uses this key instead of asking; a later Lock still draws its own.
void TOOLAPI_CALL SetUnlockKey(ToolHost*, int32_t key) {
    if (PuzzleDocument* document = openDocument()) document->setUnlockKey(key);
}

void TOOLAPI_CALL DisableTool(ToolHost* host) {
    if (HostedTool* tool = HostedTool::fromHost(host)) tool->enabled = false;
}

const ToolHostServices services = {
    RegisterTool,   SubscribeEvent,    GetMainWindow,  GetInstance,        ReadSetting,
    WriteSetting,   ReadSection,       WriteSection,   DeleteSection,      HasUsableSolution,
    IsSolutionScrambled, IsLetterCell, IsRevealed,     WasMarkedWrong,     IsModified,
    IsGridFilled,   IsPuzzleOpen,      GetWidth,       GetHeight,          GetEntry,
    GetSolution,    GetPuzzlePath,     GetFilledCount, GetLetterCellCount, SetUnlockKey,
    DisableTool,
};

static_assert(sizeof(ToolHostServices) == TOOLAPI_SERVICE_COUNT * sizeof(void (*)()),
              "one entry per host service");

}  // namespace

const ToolHostServices& toolHostServices() { return services; }

}  // namespace gw
