#include "views/toolbar.h"

#include "ports/core_context.h"
#include "ports/settings_names.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "shell/screen_dpi.h"

namespace gw {
namespace {

constexpr size_t DescriptionLimit = 511;
constexpr size_t OrderLimit = 511;
constexpr COLORREF PictureBackground = RGB(192, 192, 192);  // becomes the button face

BYTE stateBits(const toolbar::Slot& s) {
    BYTE state = 0;
    if (s.enabled) state |= TBSTATE_ENABLED;
    if (s.checked) state |= TBSTATE_CHECKED;
    if (s.unavailable) state |= TBSTATE_HIDDEN;
    if (s.indeterminate) state |= TBSTATE_INDETERMINATE;
    return state;
}

// The pictures are drawn on a light grey that stands for the bar's face: a 24-bit
// picture has no colour table for the loader to map, so its pixels are changed here.
void blendIntoFace(HBITMAP picture) {
    DIBSECTION dib{};
    if (GetObjectA(picture, sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBitsPixel != 24 || !dib.dsBm.bmBits) return;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    auto* bits = static_cast<BYTE*>(dib.dsBm.bmBits);
    for (int y = 0; y < dib.dsBm.bmHeight; ++y) {
        BYTE* row = bits + size_t(y) * size_t(dib.dsBm.bmWidthBytes);
        for (int x = 0; x < dib.dsBm.bmWidth; ++x) {
            BYTE* p = row + 3 * x;  // blue, green, red
            if (RGB(p[2], p[1], p[0]) != PictureBackground) continue;
            p[0] = GetBValue(face);
            p[1] = GetGValue(face);
            p[2] = GetRValue(face);
        }
    }
}

}  // namespace

Toolbar::Toolbar(HWND hwnd, HWND parent, HINSTANCE resources) : hwnd_(hwnd), parent_(parent), resources_(resources) {}

Toolbar* Toolbar::create(HWND parent, HINSTANCE resources, const std::string& programFolder, int descriptionId) {
    // Common controls 6 comes with every Windows the program runs on (the manifest asks
    // for it), so the owner-drawn bar for controls older than 4.71 is not built.
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    HWND hwnd = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                                WS_CHILD | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_ADJUSTABLE |
                                    CCS_TOP | CCS_NODIVIDER,
                                0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDW_TOOLBAR)),
                                GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return nullptr;
    auto* self = new Toolbar(hwnd, parent, resources);
    SendMessageA(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(hwnd, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    self->programFolder_ = programFolder;
    self->loadLogo();
    self->loadPictures();
    self->loadDescription(descriptionId);
    std::string stored = self->order_;
    if (settings().readText(settings_names::ToolbarSection, settings_names::State, stored) && stored.size() <= OrderLimit)
        self->order_ = stored;
    SendMessageA(hwnd, TB_AUTOSIZE, 0, 0);
    ShowWindow(hwnd, SW_SHOW);
    return self;
}

Toolbar::~Toolbar() {
    if (hwnd_ && applied_) saveOrder();
    if (hwnd_) DestroyWindow(hwnd_);
    if (images_) ImageList_Destroy(images_);
    if (logo_) DeleteObject(logo_);
    if (font_) DeleteObject(font_);
}

// "Images\tlogo.bmp", or the one made for this DPI ("tlogo_150.bmp"); a folder that
// has only the first (an older installation) keeps it.
void Toolbar::loadLogo() {
    if (logo_) DeleteObject(logo_);
    logo_ = nullptr;
    const int percent = pictureScaleFor(windowDpi(hwnd_));
    for (int tried : {percent, 100}) {
        const std::string path = programFolder_ + "\\Images\\" + scaledPictureName("tlogo", tried) + ".bmp";
        logo_ = static_cast<HBITMAP>(
            LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
        if (logo_) break;
    }
    if (logo_) blendIntoFace(logo_);
}

// The strip drawn for the window's DPI: 24 pixels at 100 %, the next larger size above.
void Toolbar::loadPictures() {
    const int size = toolbarPictureSize(windowDpi(hwnd_));
    const std::string name = "TOOLBAR" + std::to_string(size);
    auto strip = static_cast<HBITMAP>(LoadImageA(resources_,
                                                 size == TOOLBAR_IMAGE_SIZE ? MAKEINTRESOURCEA(IDB_TOOLBAR) : name.c_str(),
                                                 IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!strip) return;
    HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, TOOLBAR_IMAGE_COUNT, 0);
    if (images) {
        ImageList_AddMasked(images, strip, PictureBackground);
        SendMessageA(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
        SendMessageA(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
        if (images_) ImageList_Destroy(images_);
        images_ = images;
        pictureSize_ = size;
    }
    DeleteObject(strip);
}

void Toolbar::dpiChanged(int fromDpi, int toDpi) {
    // The control measures its buttons when they are added: take them off, change the
    // pictures and the font, and put the same buttons back.
    std::vector<TBBUTTON> buttons;
    const int count = static_cast<int>(SendMessageA(hwnd_, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON b{};
        if (SendMessageA(hwnd_, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b))) buttons.push_back(b);
    }
    removeAllButtons();
    rescaleControlFont(hwnd_, font_, fromDpi, toDpi);
    loadPictures();
    loadLogo();
    addButtons(buttons);
}

void Toolbar::loadDescription(int descriptionId) {
    std::string text = stringText(descriptionId);
    if (text.size() > DescriptionLimit) text.resize(DescriptionLimit);
    toolbar::Description d = toolbar::parseDescription(text);
    slots_ = std::move(d.slots);
    order_ = std::move(d.defaultOrder);
    for (int k = 0; k < 2; ++k) stringIndex_[k].assign(slots_.size(), -1);
    for (size_t i = 0; i < slots_.size(); ++i) {
        for (int k = 0; k < 2; ++k) {
            if (k == 1 && !slots_[i].hasAlternate()) continue;
            std::string label = slots_[i].label[k];
            label.push_back('\0');  // the control takes a list ended by an empty text
            stringIndex_[k][i] = static_cast<int>(SendMessageA(hwnd_, TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(label.c_str())));
        }
    }
}

TBBUTTON Toolbar::buttonFor(int slot) const {
    TBBUTTON b{};
    if (slot == toolbar::Separator) {
        b.fsStyle = BTNS_SEP;
        return b;
    }
    const toolbar::Slot& s = slots_[size_t(slot)];
    b.iBitmap = s.image;
    b.idCommand = s.currentCommand();
    b.fsState = stateBits(s);
    b.fsStyle = static_cast<BYTE>(BTNS_BUTTON | BTNS_SHOWTEXT | (s.checkStyle ? BTNS_CHECK : 0) |
                                  (s.dropDown ? BTNS_DROPDOWN : 0));
    b.dwData = s.byDefault ? 1 : 0;
    b.iString = stringIndex_[s.current][size_t(slot)];
    return b;
}

void Toolbar::addButtons(const std::vector<TBBUTTON>& buttons) {
    if (!buttons.empty())
        SendMessageA(hwnd_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Toolbar::removeAllButtons() {
    while (SendMessageA(hwnd_, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageA(hwnd_, TB_DELETEBUTTON, 0, 0);
}

void Toolbar::applyStates(int stringId) {
    applied_ = true;
    removeAllButtons();
    std::string digits = stringText(stringId);
    toolbar::applyStateDigits(digits, slots_);
    std::vector<TBBUTTON> buttons;
    for (int slot : toolbar::parseOrder(order_, slots_)) buttons.push_back(buttonFor(slot));
    addButtons(buttons);
}

toolbar::Slot* Toolbar::slotOnBar(int command) {
    for (auto& s : slots_)
        if (s.currentCommand() == command) return &s;
    return nullptr;
}

void Toolbar::setEnabled(int command, bool enabled) {
    toolbar::Slot* s = slotOnBar(command);
    if (!s) return;
    s->enabled = enabled;
    s->indeterminate = !enabled;
    SendMessageA(hwnd_, TB_INDETERMINATE, command, MAKELPARAM(!enabled, 0));
    SendMessageA(hwnd_, TB_ENABLEBUTTON, command, MAKELPARAM(enabled, 0));
}

void Toolbar::setChecked(int command, bool checked) {
    toolbar::Slot* s = slotOnBar(command);
    if (!s) return;
    s->checked = checked;
    SendMessageA(hwnd_, TB_CHECKBUTTON, command, MAKELPARAM(checked, 0));
}

void Toolbar::enable(int command) { setEnabled(command, true); }
void Toolbar::disable(int command) { setEnabled(command, false); }
void Toolbar::check(int command) { setChecked(command, true); }
void Toolbar::uncheck(int command) { setChecked(command, false); }

void Toolbar::exchange(int currentCommand, int newCommand) {
    const int slot = toolbar::slotOf(slots_, currentCommand);
    if (slot < 0) return;
    toolbar::Slot& s = slots_[size_t(slot)];
    const int other = 1 - s.current;
    if (s.currentCommand() != currentCommand || s.command[other] != newCommand) return;
    const int index = static_cast<int>(SendMessageA(hwnd_, TB_COMMANDTOINDEX, currentCommand, 0));
    TBBUTTON old{};
    const bool onBar = index >= 0 && SendMessageA(hwnd_, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&old));
    s.current = other;
    if (!onBar) return;
    TBBUTTON b = buttonFor(slot);
    b.fsState = old.fsState;  // the swapped button keeps what the bar showed
    SendMessageA(hwnd_, TB_DELETEBUTTON, index, 0);
    SendMessageA(hwnd_, TB_INSERTBUTTONA, index, reinterpret_cast<LPARAM>(&b));
    SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Toolbar::show(int showMode) { ShowWindow(hwnd_, showMode); }

int Toolbar::height() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r.bottom - r.top + 2;
}

void Toolbar::resize(int, int) {
    SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);  // the logo stays centred in the free space
}

std::vector<int> Toolbar::buttonCommands() const {
    std::vector<int> commands;
    const int count = static_cast<int>(SendMessageA(hwnd_, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON b{};
        if (!SendMessageA(hwnd_, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b))) continue;
        commands.push_back((b.fsStyle & BTNS_SEP) ? 0 : b.idCommand);
    }
    return commands;
}

void Toolbar::saveOrder() {
    order_ = toolbar::formatOrder(buttonCommands());
    settings().writeText(settings_names::ToolbarSection, settings_names::State, order_);
}

}  // namespace gw
