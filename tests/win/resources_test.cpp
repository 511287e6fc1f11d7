// The resources compiled into gridwell.exe: string table (against the texts the
// core uses), menus, accelerators, dialogs, icons, cursors and pictures.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "resources/string_table.h"

namespace {

HMODULE exeModule() {
    static HMODULE module = [] {
        std::string dir = GW_BIN_DIR;
        if (const char* env = std::getenv("GW_BIN_DIR")) dir = env;
        // Loaded as an image (not as a data file) so that dialogs can load their
        // pictures and icons from it; its entry point is not run.
        return LoadLibraryExA((dir + "\\gridwell.exe").c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    }();
    return module;
}

std::string loadString(UINT id) {
    char buf[1024] = {};
    int n = LoadStringA(exeModule(), id, buf, sizeof buf);
    return std::string(buf, n > 0 ? size_t(n) : 0);
}

// A menu as text: items "text=id", separators "-", pop-ups "text{...}", joined by ",".
std::string describe(HMENU menu) {
    std::string out;
    const int n = GetMenuItemCount(menu);
    for (int i = 0; i < n; ++i) {
        if (i) out += ",";
        char text[128] = {};
        MENUITEMINFOA mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        mi.dwTypeData = text;
        mi.cch = sizeof text;
        GetMenuItemInfoA(menu, UINT(i), TRUE, &mi);
        if (mi.fType & MFT_SEPARATOR) {
            out += "-";
        } else if (mi.hSubMenu) {
            out += std::string(text) + "{" + describe(mi.hSubMenu) + "}";
        } else {
            out += std::string(text) + "=" + std::to_string(mi.wID);
        }
    }
    return out;
}

std::string describeMenu(const char* name) {
    HMENU m = LoadMenuA(exeModule(), name);
    if (!m) return "<no menu " + std::string(name) + ">";
    std::string s = describe(m);
    DestroyMenu(m);
    return s;
}

void collectIds(HMENU menu, std::vector<UINT>& ids) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (HMENU sub = GetSubMenu(menu, i))
            collectIds(sub, ids);
        else if (UINT id = GetMenuItemID(menu, i); id != 0 && id != UINT(-1))
            ids.push_back(id);
    }
}

const std::string kHelp = "&Help{&Contents=40032,&Quick Reference=40046,-,&About Gridwell...=40004}";
const std::string kCheck = "&Check{Current &letter=40044,Current &word=40019,&All letters=40020}";
const std::string kReveal =
    "&Reveal{Current &letter=40045,Current &word=40021,&Incorrect Letters=40022,-,&Complete Solution=40023}";

}  // namespace

TEST(Resources, ExecutableLoads) { ASSERT_NE(exeModule(), nullptr) << "gridwell.exe not found"; }

TEST(Resources, StringTableMatchesTheCoreTexts) {
    ASSERT_NE(exeModule(), nullptr);
    struct Entry { int id; const char* text; };
    const Entry entries[] = {
#define GW_STRING(id, text) {id, text},
#include "strings.inc"
#undef GW_STRING
    };
    for (const Entry& e : entries) {
        SCOPED_TRACE(e.id);
        EXPECT_EQ(loadString(UINT(e.id)), std::string(e.text));
        EXPECT_STREQ(gw::stringText(e.id), e.text);
    }
    // Escapes come out as the characters they stand for.
    EXPECT_EQ(loadString(27), "Software\\Pellicor\\Orvane");
    EXPECT_NE(loadString(35).find(".\nOnce"), std::string::npos);
    EXPECT_EQ(loadString(20), "ACROSS ");
}

TEST(Resources, EveryCommandInAMenuHasItsHelpText) {
    ASSERT_NE(exeModule(), nullptr);
    for (const char* name : {"InitMenu", "SolveMenu", "POPUPGRID", "POPUPEDIT"}) {
        HMENU m = LoadMenuA(exeModule(), name);
        ASSERT_NE(m, nullptr) << name;
        std::vector<UINT> ids;
        collectIds(m, ids);
        DestroyMenu(m);
        for (UINT id : ids) {
            EXPECT_GE(id, UINT(CMD_FIRST_DISPATCHED)) << name;
            EXPECT_LE(id, UINT(CMD_LAST)) << name;
            EXPECT_FALSE(loadString(id).empty()) << name << " " << id;
        }
    }
    EXPECT_EQ(loadString(CMD_SELECT_COMMAND), "Select command");
}

TEST(Resources, MenusHaveTheirItemsInOrder) {
    ASSERT_NE(exeModule(), nullptr);
    EXPECT_EQ(describeMenu("InitMenu"), "&File{&Open ...\tCtrl+O=40002,-,E&xit=40003}," + kHelp);
    EXPECT_EQ(describeMenu("SolveMenu"),
              "&File{&Open...\tCtrl+O=40002,&Close\tCtrl+W=40011,&Save\tCtrl+S=40005,Save &As...=40012,"
              "&Delete puzzle=40025,-,&Print...\tCtrl+P=40006,-,E&xit=40003},"
              "&Edit{&Undo\tCtrl+Z=40013,-,Cu&t\tCtrl+X=40014,&Copy\tCtrl+C=40015,&Paste\tCtrl+V=40016,"
              "&Erase\tCtrl+Del=40017,&Selective Erase=40049,-,C&lear Grid=40018,-,"
              "&Insert{&Multiple letters...=40064,&Symbols...=40065},-,Use Pencil=40008,-,&Options...=40060},"
              "&View{Zoom &In=40009,Zoom &Out=40010,-,&Full puzzle=40050,-,&Notepad...=40036},"
              "&Solution{" + kCheck + "," + kReveal + ",-,&Lock solution=40037,&Unlock solution...=40038}," + kHelp);
    EXPECT_EQ(describeMenu("POPUPGRID"),
              "Grid{Switch direction=40048,-,Undo=40013,-,Cut=40014,Copy=40015,Paste=40016,Erase=40017,"
              "Selective erase=40049,-," + kCheck + "," + kReveal + "}");
    EXPECT_EQ(describeMenu("POPUPEDIT"), "Edit{Undo=40013,-,Cut=40014,Copy=40015,Paste=40016,Delete=40017}");
    EXPECT_EQ(describeMenu(MAKEINTRESOURCEA(IDM_ERASE_DROPDOWN)),
              "Erase{Erase word=40017,Erase selective=40049,Erase entire puzzle=40018}");
    EXPECT_EQ(describeMenu(MAKEINTRESOURCEA(IDM_PRINT_DROPDOWN)),
              "Print{Puzzle=40062,Solution=40063,Customized...=40006}");
}

TEST(Resources, AcceleratorsAreCtrlKeysAndF6ForThePanes) {
    ASSERT_NE(exeModule(), nullptr);
    HACCEL table = LoadAcceleratorsA(exeModule(), MAKEINTRESOURCEA(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    ACCEL acc[16];
    const int n = CopyAcceleratorTableA(table, acc, 16);
    ASSERT_EQ(n, 11);
    std::string got;
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(acc[i].fVirt & (FVIRTKEY | FCONTROL | FSHIFT | FALT), FVIRTKEY | FCONTROL);
        got += std::to_string(acc[i].key) + ":" + std::to_string(acc[i].cmd) + " ";
    }
    EXPECT_EQ(got, "67:40015 79:40002 80:40006 83:40005 86:40016 46:40017 87:40011 88:40014 90:40013 ");
    // F6 and Shift+F6 go round the panes.
    EXPECT_EQ(acc[9].fVirt & (FVIRTKEY | FCONTROL | FSHIFT | FALT), FVIRTKEY);
    EXPECT_EQ(acc[9].key, VK_F6);
    EXPECT_EQ(acc[9].cmd, CMD_NEXT_PANE);
    EXPECT_EQ(acc[10].fVirt & (FVIRTKEY | FCONTROL | FSHIFT | FALT), FVIRTKEY | FSHIFT);
    EXPECT_EQ(acc[10].key, VK_F6);
    EXPECT_EQ(acc[10].cmd, CMD_PREVIOUS_PANE);
    DestroyAcceleratorTable(table);
}

namespace {
INT_PTR CALLBACK quietProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

struct DialogCheck {
    const char* name;
    const char* caption;
    std::vector<int> controls;
};

std::string controlText(HWND dlg, int id) {
    char buf[256] = {};
    GetDlgItemTextA(dlg, id, buf, sizeof buf);
    return buf;
}
}  // namespace

TEST(Resources, DialogsHaveTheirCaptionsAndControls) {
    ASSERT_NE(exeModule(), nullptr);
    const DialogCheck dialogs[] = {
        {"KeyDialog", "Key to unlock solution", {IDC_KEY_EDIT, IDOK, IDCANCEL, IDC_HELP_BUTTON}},
        {"DiagDialog", "Diagramless puzzle options", {9, 1065, 3, 1064, 8, 1069, 2}},
        {"CONGRAGULATIONS", "Congragulations", {IDC_CONGRATS_PICTURE, IDOK}},
        {"AboutDialog", "About Gridwell", {IDOK}},
        {"NOTEPAD", "Puzzle Notepad", {1031, 1033, 3, 2}},
        {"PrintItemsDialog", "Select items to print",
         {1018, 1019, 1020, 1021, 1022, 1023, 1024, 1025, 1026, 1027, 1028, 1029, 1059, IDOK, IDCANCEL, 3}},
        {"ABORTDIALOG", "Printing...", {1017, IDCANCEL}},
        {"LAYOUTPAGE", nullptr, {101, 103, 121, 1035, 1036, 102}},
        {"SOLVEPAGE", nullptr, {117, 116, 114, 115, 1045, 1046, 1058, 1040, 1041, 1053, 1042, 1087, 1088}},
        {"FONTPAGE", nullptr, {1073, 1075, 1076, 1077, 1078, 1081}},
        {"COLORPAGE", nullptr, {1043, 1044, 1050, 1049, 1045, 1046, 1047, 1048}},
        {"PRINTPAGE", nullptr, {1056, 1057}},
        {"TOOLPAGE", nullptr, {1062, 1063, 1064, 1083}},
    };
    for (const DialogCheck& d : dialogs) {
        SCOPED_TRACE(d.name);
        HWND parent = d.caption ? nullptr : CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                                          nullptr, nullptr);
        HWND dlg = CreateDialogParamA(exeModule(), d.name, parent, quietProc, 0);
        ASSERT_NE(dlg, nullptr);
        if (d.caption) {
            char cap[128] = {};
            GetWindowTextA(dlg, cap, sizeof cap);
            EXPECT_STREQ(cap, d.caption);
        }
        for (int id : d.controls) EXPECT_NE(GetDlgItem(dlg, id), nullptr) << id;
        DestroyWindow(dlg);
        if (parent) DestroyWindow(parent);
    }
}

TEST(Resources, DialogTextsAreTheProgramsOwn) {
    ASSERT_NE(exeModule(), nullptr);
    HWND dlg = CreateDialogParamA(exeModule(), "CONGRAGULATIONS", nullptr, quietProc, 0);
    ASSERT_NE(dlg, nullptr);
    // The picture static holds the happy face.
    HANDLE pic = reinterpret_cast<HANDLE>(SendDlgItemMessageA(dlg, IDC_CONGRATS_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0));
    EXPECT_NE(pic, nullptr);
    std::string all;
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char buf[128] = {};
        GetWindowTextA(c, buf, sizeof buf);
        all += std::string(buf) + "|";
    }
    EXPECT_NE(all.find("|CONGRATULATIONS!|"), std::string::npos) << all;
    EXPECT_NE(all.find("|You have successfully completed this puzzle|"), std::string::npos) << all;
    DestroyWindow(dlg);

    dlg = CreateDialogParamA(exeModule(), "NOTEPAD", nullptr, quietProc, 0);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(controlText(dlg, 1033), "Notepad for this puzzle cannot be edited");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dlg, 1033)));
    EXPECT_EQ(controlText(dlg, 2), "Close");
    EXPECT_EQ(controlText(dlg, 3), "Help");
    DestroyWindow(dlg);

    dlg = CreateDialogParamA(exeModule(), "DiagDialog", nullptr, quietProc, 0);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(controlText(dlg, 9), "Show hint");
    EXPECT_EQ(controlText(dlg, 1065), "Convert");
    EXPECT_EQ(controlText(dlg, 1064), "Print Puzzle...");
    EXPECT_EQ(controlText(dlg, 8), "Save Puzzle...");
    EXPECT_EQ(controlText(dlg, 1069), "Scramble...");
    EXPECT_EQ(controlText(dlg, 2), "Close Puzzle");
    DestroyWindow(dlg);
}

TEST(Resources, IconsCursorsAndPicturesLoad) {
    ASSERT_NE(exeModule(), nullptr);
    for (int id : {IDI_GRIDWELL, IDI_REBUS_INDICATOR, IDI_SYMBOL_INDICATOR}) {
        HANDLE icon = LoadImageA(exeModule(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0);
        EXPECT_NE(icon, nullptr) << id;
        if (icon) DestroyIcon(static_cast<HICON>(icon));
    }
    HICON big = LoadIconA(exeModule(), MAKEINTRESOURCEA(IDI_GRIDWELL));
    EXPECT_NE(big, nullptr);
    for (int id : {IDCUR_SPLIT_STACKED, IDCUR_SPLIT_SIDE, IDCUR_HAND})
        EXPECT_NE(LoadCursorA(exeModule(), MAKEINTRESOURCEA(id)), nullptr) << id;

    struct Pic { const char* name; int w, h; };
    const Pic pics[] = {{MAKEINTRESOURCEA(IDB_TOOLBAR), TOOLBAR_IMAGE_SIZE * TOOLBAR_IMAGE_COUNT, TOOLBAR_IMAGE_SIZE},
                        {MAKEINTRESOURCEA(IDB_NOTEPAD_HINT), 16, 16},
                        {"HAPPYFACE", 64, 64},
                        {"ABDB", 64, 48}, {"ATDT", 64, 48}, {"ATDB", 64, 48}, {"ALDL", 64, 48}, {"ARDR", 64, 48},
                        {"ALDR", 64, 48}, {"ADSH", 64, 48}, {"ADSV", 64, 48}, {"ASDS", 64, 48},
                        {"GTL", 40, 52}, {"GBL", 40, 52}, {"GTR", 40, 52}, {"GBR", 40, 52}};
    for (const Pic& p : pics) {
        HBITMAP bmp = LoadBitmapA(exeModule(), p.name);
        ASSERT_NE(bmp, nullptr);
        BITMAP info{};
        GetObjectA(bmp, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, p.w);
        EXPECT_EQ(info.bmHeight, p.h);
        DeleteObject(bmp);
    }
    // The simple toolbar's pictures, looked up by "%sUp", "%sDn", "%sIn" of the label.
    for (const char* label : {"Open", "Save", "SaveAs", "Print", "Pencil", "Larger", "Smaller", "Entire", "Blank"}) {
        for (const char* kind : {"Up", "Dn", "In"}) {
            if (std::string(label) == "Blank" && std::string(kind) == "In") continue;
            const std::string name = std::string(label) + kind;
            HBITMAP bmp = LoadBitmapA(exeModule(), name.c_str());
            EXPECT_NE(bmp, nullptr) << name;
            if (bmp) DeleteObject(bmp);
        }
    }
}

TEST(Resources, ManifestAsksForCommonControls6) {
    ASSERT_NE(exeModule(), nullptr);
    HRSRC r = FindResourceA(exeModule(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(r, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(exeModule(), r)));
    std::string manifest(text, SizeofResource(exeModule(), r));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
}
