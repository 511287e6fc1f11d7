/* The soak's actions: what a restless user does, drawn from the seeded generator. */
#include <windows.h>
#include <commctrl.h>
#include <string.h>

#include "../../../resources/resource_ids.h"
#include "soak.h"

/* splitmix64: small, and the same numbers on every platform for the same seed. */
static uint64_t next(uint64_t* state) {
    uint64_t z = (*state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

unsigned soakBelow(uint64_t* rng, unsigned n) { return n ? (unsigned)(next(rng) % n) : 0; }

static unsigned pick(Soak* s, unsigned n) { return soakBelow(&s->actionRng, n); }

static HWND gridCanvas(Soak* s) { return soakChild(s->frame, "CanvasClass", WS_BORDER); }

/* The window with the program's keyboard focus, else the grid. */
static HWND focusOf(Soak* s) {
    GUITHREADINFO info;
    memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(s->program.dwThreadId, &info) && info.hwndFocus) return info.hwndFocus;
    return gridCanvas(s);
}

/* Where a typed key goes: mostly the grid, where a solver types; now and then wherever
   the focus is (a clue list after a click on it, say). */
static HWND keyTarget(Soak* s) {
    HWND grid = pick(s, 4) ? gridCanvas(s) : NULL;
    return grid ? grid : focusOf(s);
}

static void postKey(HWND target, UINT vk) {
    LPARAM bits = 1 | ((LPARAM)MapVirtualKeyA(vk, 0) << 16);
    if ((vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE) bits |= 1 << 24;
    PostMessageA(target, WM_KEYDOWN, vk, bits);
    PostMessageA(target, WM_KEYUP, vk, bits | (LPARAM)0xC0000000u);
}

static void typeLetter(Soak* s) {
    UINT vk = 'A' + pick(s, 26);
    fprintf(s->log, "key %c\n", (char)vk);
    postKey(keyTarget(s), vk);
}

static void typeMoveKey(Soak* s) {
    static const UINT keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_TAB, VK_BACK, VK_DELETE,
                                VK_SPACE, VK_HOME, VK_END, VK_RETURN, VK_ESCAPE, '1', '7'};
    UINT vk = keys[pick(s, sizeof keys / sizeof keys[0])];
    fprintf(s->log, "key 0x%02x\n", vk);
    postKey(keyTarget(s), vk);
}

/* Insert opens the entry box for several letters in one square; Enter takes them. */
static int typeRebus(Soak* s) {
    unsigned n = 1 + pick(s, 5), i;
    fprintf(s->log, "rebus entry of %u letters\n", n);
    postKey(keyTarget(s), VK_INSERT);
    if (!soakSync(s, 15000)) return 0;
    for (i = 0; i < n; ++i) postKey(focusOf(s), 'A' + pick(s, 26));
    postKey(focusOf(s), pick(s, 5) ? VK_RETURN : VK_ESCAPE);
    return 1;
}

static void click(Soak* s, HWND target, const char* what) {
    RECT r;
    /* Drawn first, in thousandths: the same numbers are used whatever the window's size. */
    int button = (int)pick(s, 10), x = (int)pick(s, 1000), y = (int)pick(s, 1000);
    LPARAM at;
    if (!target || !GetClientRect(target, &r) || r.right < 2 || r.bottom < 2) {
        fprintf(s->log, "click on the %s: not shown\n", what);
        return;
    }
    x = x * r.right / 1000;
    y = y * r.bottom / 1000;
    at = MAKELPARAM(x, y);
    fprintf(s->log, "%s click on the %s at %d,%d\n", button == 0 ? "right" : button == 1 ? "double" : "left", what, x, y);
    PostMessageA(target, WM_MOUSEMOVE, 0, at);
    if (button == 0) {
        PostMessageA(target, WM_RBUTTONDOWN, MK_RBUTTON, at);
        PostMessageA(target, WM_RBUTTONUP, 0, at);
        return;
    }
    PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(target, WM_LBUTTONUP, 0, at);
    if (button == 1) {
        PostMessageA(target, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        PostMessageA(target, WM_LBUTTONUP, 0, at);
    }
}

typedef struct Lists {
    HWND found[8];
    int count;
} Lists;

static BOOL CALLBACK collectList(HWND hwnd, LPARAM param) {
    Lists* lists = (Lists*)param;
    char name[32];
    GetClassNameA(hwnd, name, sizeof name);
    if (_stricmp(name, "ListBox") == 0 && IsWindowVisible(hwnd) && lists->count < 8)
        lists->found[lists->count++] = hwnd;
    return TRUE;
}

/* A clue list: in the frame, or in a clue window of its own. */
static HWND someList(Soak* s) {
    Lists lists = {{0}, 0};
    DWORD pid = 0;
    unsigned which = pick(s, 840); /* drawn whether or not a list is shown; 840: any count up to 8 divides it */
    HWND top = NULL;
    EnumChildWindows(s->frame, collectList, (LPARAM)&lists);
    while ((top = FindWindowExA(NULL, top, "PopupClass", NULL)) != NULL) {
        GetWindowThreadProcessId(top, &pid);
        if (pid == s->program.dwProcessId) EnumChildWindows(top, collectList, (LPARAM)&lists);
    }
    return lists.count ? lists.found[which % (unsigned)lists.count] : NULL;
}

static void setClipboard(Soak* s, const char* text) {
    size_t n = strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, n);
    if (!memory) return;
    memcpy(GlobalLock(memory), text, n);
    GlobalUnlock(memory);
    if (!OpenClipboard(s->self)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
    CloseClipboard();
}

/* Letters, spaces, bracket groups (some longer than a square holds), odd characters. */
static void paste(Soak* s) {
    static const char* pieces[] = {"A", "E", "S", "T", "x", "[AB]", "[QUEEN]", "[ABCDEFGHIJKL]",
                                   " ", "[", "]", "-", "?", "\r\n", "7", "{X}", "[]"};
    const unsigned all = sizeof pieces / sizeof pieces[0];
    char text[256] = "";
    unsigned n = pick(s, 16), i, kinds = pick(s, 3) ? 8 : all; /* mostly what it takes: letters, groups */
    for (i = 0; i < n; ++i) strcat(text, pieces[pick(s, kinds)]);
    fprintf(s->log, "paste \"%s\"\n", text);
    setClipboard(s, text);
    PostMessageA(s->frame, WM_COMMAND, CMD_PASTE, 0);
}

static void command(Soak* s) {
    static const int ids[] = {CMD_UNDO, CMD_UNDO, CMD_UNDO, CMD_CHECK_LETTER, CMD_CHECK_WORD, CMD_CHECK_ALL,
                              CMD_REVEAL_LETTER, CMD_REVEAL_WORD, CMD_REVEAL_INCORRECT, CMD_ERASE, CMD_USE_PEN,
                              CMD_USE_PENCIL, CMD_SWITCH_DIRECTION, CMD_ZOOM_IN, CMD_ZOOM_OUT, CMD_COPY, CMD_CUT,
                              CMD_SELECTIVE_ERASE, CMD_INSERT_MULTIPLE, CMD_INSERT_SYMBOL, CMD_FULL_PUZZLE,
                              CMD_ABOUT, CMD_NOTEPAD, CMD_SAVE_AS, CMD_OPEN, CMD_QUICK_REFERENCE,
                              CMD_CLEAR_GRID, CMD_REVEAL_ALL};
    /* Clearing or revealing the whole grid ends the interesting part of a run: rarely. */
    unsigned n = sizeof ids / sizeof ids[0];
    int id = ids[pick(s, pick(s, 20) ? n - 2 : n)];
    fprintf(s->log, "command %d\n", id);
    PostMessageA(s->frame, WM_COMMAND, (WPARAM)id, 0);
}

/* The Display page of the preferences: another layout, perhaps the toolbar or status bar
   toggled, OK. */
static int changeLayout(Soak* s) {
    HWND sheet = NULL, tab, page, list;
    int waited, pages, i;
    fprintf(s->log, "layout\n");
    PostMessageA(s->frame, WM_COMMAND, CMD_OPTIONS, 0);
    /* Without a puzzle there is no sheet to wait for. */
    for (waited = 0; !sheet && waited < 3000; waited += 100) {
        Sleep(100);
        sheet = soakFindDialog(s, 1);
    }
    if (!sheet) return soakSync(s, 15000); /* refused (nothing open?): whatever came is answered */
    tab = FindWindowExA(sheet, NULL, "SysTabControl32", NULL);
    pages = (int)SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0);
    for (i = 0; i < pages; ++i) {
        SendMessageA(sheet, PSM_SETCURSEL, (WPARAM)i, 0);
        page = (HWND)SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0);
        list = page ? GetDlgItem(page, IDC_LAYOUT_LIST) : NULL;
        if (!list) continue;
        fprintf(s->log, "  Display page is page %d of %d\n", i + 1, pages);
        SendMessageA(list, LB_SETCURSEL, pick(s, (unsigned)SendMessageA(list, LB_GETCOUNT, 0, 0)), 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_LAYOUT_LIST, LBN_SELCHANGE), (LPARAM)list);
        if (!pick(s, 3)) SendMessageA(GetDlgItem(page, IDC_SHOW_TOOLBAR), BM_CLICK, 0, 0);
        if (!pick(s, 4)) SendMessageA(GetDlgItem(page, IDC_SHOW_STATUSBAR), BM_CLICK, 0, 0);
        break;
    }
    if (i == pages) fprintf(s->log, "  no page of %d has the layout list\n", pages);
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    PostMessageA(sheet, WM_NULL, 0, 0); /* the sheet's own loop looks whether it ended after a message */
    for (waited = 0; IsWindow(sheet) && IsWindowVisible(sheet) && waited < 5000; waited += 100) Sleep(100);
    fprintf(s->log, "  sheet %s after %d ms\n", IsWindow(sheet) && IsWindowVisible(sheet) ? "still up" : "closed", waited);
    return soakSync(s, 15000);
}

/* Exit (by the window's close, or by closing the puzzle first), then start again. */
static int closeAndReopen(Soak* s) {
    int closeFirst = !pick(s, 3);
    fprintf(s->log, "close%s and reopen\n", closeFirst ? " the puzzle, exit" : "");
    if (closeFirst) {
        PostMessageA(s->frame, WM_COMMAND, CMD_CLOSE, 0);
        if (!soakSync(s, 15000)) return 0;
        soakCollect(s);
    }
    PostMessageA(s->frame, WM_CLOSE, 0, 0);
    if (!soakWaitExit(s, 30000)) return 0;
    soakCollect(s);
    /* Now and then a fresh copy: revealed squares refuse letters, and a long run would
       otherwise end on a grid that takes none. */
    if (!pick(s, 4)) {
        fprintf(s->log, "  a fresh copy of the puzzle\n");
        if (!CopyFileA(s->pristine, s->puzzle, FALSE)) soakFail(s, "cannot copy the puzzle afresh");
    }
    return soakLaunch(s);
}

/* The mix, per thousand: 33% letters, 17% other keys, 2% multi-letter entries, 10% grid
   clicks, 6% clue list clicks, 20% menu commands, 4% pastes, 1% layouts, 6% saves, 1%
   close and reopen. */
static int perform(Soak* s) {
    unsigned roll = pick(s, 1000);
    if (roll < 330) typeLetter(s);
    else if (roll < 500) typeMoveKey(s);
    else if (roll < 520) return typeRebus(s);
    else if (roll < 620) click(s, gridCanvas(s), "grid");
    else if (roll < 680) click(s, someList(s), "clue list");
    else if (roll < 880) command(s);
    else if (roll < 920) paste(s);
    else if (roll < 930) return changeLayout(s);
    else if (roll < 990) {
        fprintf(s->log, "save\n");
        PostMessageA(s->frame, WM_COMMAND, CMD_SAVE, 0);
    } else return closeAndReopen(s);
    return 1;
}

int soakAct(Soak* s) {
    fprintf(s->log, "%d ", s->index);
    if (!perform(s) || !soakSettle(s)) return 0;
    soakCollect(s);
    return 1;
}
