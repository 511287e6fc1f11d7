// Shared pieces of the grid view tests: the window classes the program registers,
// a parent window, a message pump, a memory DC to paint into, and a document
// holding a grid built from rows.
#pragma once
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "doc/puzzle_document.h"
#include "unit/fakes.h"
#include "unit/grid_builder.h"
#include "views/grid_view.h"

namespace gw::test {

// Again whenever they are missing: a shell test before unregisters the program's.
inline void registerViewClasses() {
    for (const char* name : {"ContainerWindowClass", "CanvasClass", "GwTestParent"}) {
        WNDCLASSA wc{};
        if (GetClassInfoA(GetModuleHandleA(nullptr), name, &wc)) continue;
        wc = WNDCLASSA{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.cbWndExtra = 4;
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
}

inline void pumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// A 24-bit top-down DIB selected into a memory DC, filled white.
class MemoryCanvas {
public:
    MemoryCanvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        RECT rc{0, 0, width, height};
        FillRect(dc_, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~MemoryCanvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    COLORREF pixel(int x, int y) const {
        GdiFlush();
        uint32_t v = bits_[size_t(y) * size_t(width_) + size_t(x)];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    // Pixels of a colour inside [x0, x1) x [y0, y1).
    int count(COLORREF colour, int x0, int y0, int x1, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += pixel(x, y) == colour;
        return n;
    }
    // Writes the picture as a BMP (for looking at it).
    bool save(const std::string& path) const {
        GdiFlush();
        FILE* f = fopen(path.c_str(), "wb");
        if (!f) return false;
        BITMAPFILEHEADER fh{};
        BITMAPINFOHEADER ih{};
        ih.biSize = sizeof ih;
        ih.biWidth = width_;
        ih.biHeight = -height_;
        ih.biPlanes = 1;
        ih.biBitCount = 32;
        const DWORD bytes = DWORD(width_) * DWORD(height_) * 4;
        fh.bfType = 0x4D42;
        fh.bfOffBits = sizeof fh + sizeof ih;
        fh.bfSize = fh.bfOffBits + bytes;
        fwrite(&fh, sizeof fh, 1, f);
        fwrite(&ih, sizeof ih, 1, f);
        fwrite(bits_, bytes, 1, f);
        fclose(f);
        return true;
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint32_t* bits_ = nullptr;
};

inline void setUserRebus(GridCell& c, const char* text, uint8_t kind = RebusPlain) {
    c.userRebus = std::make_unique<RebusEntry>();
    c.userRebus->length = int16_t(strlen(text));
    lstrcpynA(c.userRebus->text, text, RebusMaxText + 1);
    c.userRebus->kind = kind;
}

// Core fakes, a document holding a grid from rows, a parent window; the view is
// made on demand so that tests can preset settings first.
class GridViewFixture : public CoreFixture {
protected:
    std::unique_ptr<PuzzleDocument> doc;
    std::unique_ptr<ClueSet> clues;
    HWND parent = nullptr;
    GridView* view = nullptr;
    std::vector<std::string> statusTexts;

    void SetUp() override {
        CoreFixture::SetUp();
        registerViewClasses();
        GridView::statusPaneSink() = [this](int pane, const std::string& text) {
            statusTexts.push_back(std::to_string(pane) + ":" + text);
        };
    }
    void TearDown() override {
        destroyView();
        parent = nullptr;  // shared by the tests; see sharedParent
        clues.reset();
        doc.reset();
        GridView::statusPaneSink() = nullptr;
        GridView::symbolPickerOpener() = nullptr;
        pumpMessages();
        CoreFixture::TearDown();
    }

    PuzzleGrid& grid() { return *doc->grid; }

    void openGrid(const std::vector<std::string>& rows, const std::vector<std::string>& fills = {}) {
        doc = std::make_unique<PuzzleDocument>();
        core().document = doc.get();
        doc->grid = buildGrid(rows, fills);
        clues = buildClues(*doc->grid);
        doc->isOpen = true;
    }

    // One visible top-level window for all tests: under Wine without a window manager,
    // hiding or destroying a shown top-level window waits about two seconds.
    static HWND sharedParent(int width, int height) {
        static HWND window = nullptr;
        RECT rc{0, 0, width, height};
        AdjustWindowRect(&rc, WS_OVERLAPPEDWINDOW, FALSE);
        if (!window)
            window = CreateWindowExA(0, "GwTestParent", "grid test", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 20,
                                     20, rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr, GetModuleHandleA(nullptr),
                                     nullptr);
        else
            SetWindowPos(window, nullptr, 20, 20, rc.right - rc.left, rc.bottom - rc.top, SWP_NOZORDER);
        SetForegroundWindow(window);
        return window;
    }

    // The parent's client area is width x height.
    GridView* makeView(int width = 600, int height = 500) {
        parent = sharedParent(width, height);
        view = GridView::create(parent, GetModuleHandleA(nullptr), doc->grid.get());
        pumpMessages();
        return view;
    }
    void destroyView() {
        delete view;
        view = nullptr;
    }

    // Canvas pixel position of a cell's centre.
    LPARAM cellPoint(int x, int y) const {
        const int c = view->cellSize();
        return MAKELPARAM(x * c + c / 2, y * c + c / 2);
    }
    void key(WPARAM vk, bool shift = false, bool ctrl = false) {
        BYTE state[256];
        GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        SetKeyboardState(state);
        SendMessageA(view->canvas(), WM_KEYDOWN, vk, 1);
        state[VK_SHIFT] = state[VK_CONTROL] = 0;
        SetKeyboardState(state);
    }
    void typeChar(char c, bool shift = false) {
        BYTE state[256];
        GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        SendMessageA(view->canvas(), WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
        state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    }
    std::pair<int, int> cursor() const { return {doc->grid->cursorX, doc->grid->cursorY}; }
};

}  // namespace gw::test
