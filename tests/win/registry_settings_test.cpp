// The registry settings store and the font and colour records, against a
// private root key in the test prefix's registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <set>
#include <string>

#include "ports/core_context.h"
#include "shell/fonts_colours.h"
#include "shell/registry_settings.h"
#include "ports/settings_names.h"

using namespace gw;
namespace sn = gw::settings_names;

namespace {

const char kTestRoot[] = "Software\\Pellicor\\OrvaneSettingsTest";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kTestRoot);
        store = std::make_unique<RegistrySettings>(HKEY_CURRENT_USER, kTestRoot);
        ASSERT_TRUE(store->isOpen());
        saved = core().settings;
        core().settings = store.get();
    }
    void TearDown() override {
        core().settings = saved;
        store.reset();
        RegDeleteTreeA(HKEY_CURRENT_USER, kTestRoot);
    }

    // Raw access, bypassing the store.
    void putRaw(const char* section, const char* name, DWORD type, const void* data, DWORD size) {
        HKEY k;
        ASSERT_EQ(RegCreateKeyExA(store->root(), section, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(k, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(k);
    }
    void putText(const char* section, const char* name, const std::string& text) {
        putRaw(section, name, REG_SZ, text.c_str(), DWORD(text.size() + 1));
    }
    // The stored text, or "<missing>" / "<type N>".
    std::string raw(const char* section, const char* name) {
        HKEY k;
        if (RegOpenKeyExA(store->root(), section, 0, KEY_READ, &k) != ERROR_SUCCESS) return "<missing>";
        char buf[2048] = {};
        DWORD size = sizeof buf - 1, type = 0;
        LONG r = RegQueryValueExA(k, name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size);
        RegCloseKey(k);
        if (r != ERROR_SUCCESS) return "<missing>";
        if (type != REG_SZ) return "<type " + std::to_string(type) + ">";
        return buf;
    }
    std::set<std::string> valueNames(const char* section) {
        std::set<std::string> names;
        HKEY k;
        if (RegOpenKeyExA(store->root(), section, 0, KEY_READ, &k) != ERROR_SUCCESS) return names;
        char name[256];
        for (DWORD i = 0;; ++i) {
            DWORD len = sizeof name;
            if (RegEnumValueA(k, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            names.insert(name);
        }
        RegCloseKey(k);
        return names;
    }
    bool sectionExists(const char* section) {
        HKEY k;
        if (RegOpenKeyExA(store->root(), section, 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
        RegCloseKey(k);
        return true;
    }

    std::unique_ptr<RegistrySettings> store;
    SettingsStore* saved = nullptr;
};

}  // namespace

TEST_F(RegistryTest, IntegersAreDecimalTextAndRoundTrip) {
    store->writeInt("grid", "scale", 85);
    store->writeInt("geometry", "x", -12);
    store->writeInt("geometry", "y", 2147483647);
    EXPECT_EQ(raw("grid", "scale"), "85");
    EXPECT_EQ(raw("geometry", "x"), "-12");
    int v = 0;
    EXPECT_TRUE(store->readInt("grid", "scale", v));
    EXPECT_EQ(v, 85);
    EXPECT_TRUE(store->readInt("geometry", "x", v));
    EXPECT_EQ(v, -12);
    EXPECT_TRUE(store->readInt("geometry", "y", v));
    EXPECT_EQ(v, 2147483647);
}

TEST_F(RegistryTest, UnreadableIntegersLeaveTheDefault) {
    int v = 7;
    EXPECT_FALSE(store->readInt("grid", "missing", v));
    EXPECT_EQ(v, 7);

    putText("grid", "letters", "abc");
    EXPECT_FALSE(store->readInt("grid", "letters", v));
    EXPECT_EQ(v, 7);

    putText("grid", "trailing", " 42px");  // parsing stops at the first non-digit
    EXPECT_TRUE(store->readInt("grid", "trailing", v));
    EXPECT_EQ(v, 42);

    putText("grid", "huge", "99999999999");  // out of range: not read
    v = 7;
    EXPECT_FALSE(store->readInt("grid", "huge", v));
    EXPECT_EQ(v, 7);

    const DWORD dword = 5;
    putRaw("grid", "dword", REG_DWORD, &dword, sizeof dword);  // not text: not read
    EXPECT_FALSE(store->readInt("grid", "dword", v));
    EXPECT_EQ(v, 7);
}

TEST_F(RegistryTest, IntegerTextOf128BytesOrMoreIsNotRead) {
    putText("grid", "n127", "5" + std::string(126, ' '));  // 127 characters + zero = 128 bytes
    putText("grid", "n128", "6" + std::string(127, ' '));
    int v = 1;
    EXPECT_TRUE(store->readInt("grid", "n127", v));
    EXPECT_EQ(v, 5);
    EXPECT_FALSE(store->readInt("grid", "n128", v));
    EXPECT_EQ(v, 5);
    // The same limit holds for a value stored without its terminating zero.
    const std::string full(128, '9');
    putRaw("grid", "nozero", REG_SZ, full.data(), DWORD(full.size()));
    EXPECT_FALSE(store->readInt("grid", "nozero", v));
    EXPECT_EQ(v, 5);
}

TEST_F(RegistryTest, TextsRoundTripWithinTheirLimits) {
    const std::string folder = "C:\\Users\\Someone\\Documents\\" + std::string(240, 'd');  // 266 characters
    store->writeText(sn::Directory, sn::OpenDir, folder);
    store->writeText(sn::Fonts, sn::ClueFont, "Courier New");
    store->writeText(sn::ToolbarSection, sn::State, "");
    EXPECT_EQ(raw(sn::Directory, sn::OpenDir), folder);

    std::string v = "default";
    EXPECT_TRUE(store->readText(sn::Directory, sn::OpenDir, v));
    EXPECT_EQ(v, folder);
    EXPECT_TRUE(store->readText(sn::ToolbarSection, sn::State, v));
    EXPECT_EQ(v, "");

    // A caller's capacity counts the terminating zero; longer texts are not read.
    v = "Arial";
    EXPECT_FALSE(store->readText(sn::Fonts, sn::ClueFont, v, 11));
    EXPECT_EQ(v, "Arial");
    EXPECT_TRUE(store->readText(sn::Fonts, sn::ClueFont, v, 12));
    EXPECT_EQ(v, "Courier New");

    putText(sn::Directory, sn::SaveDir, std::string(600, 'x'));
    v = "keep";
    EXPECT_FALSE(store->readText(sn::Directory, sn::SaveDir, v));
    EXPECT_EQ(v, "keep");
}

TEST_F(RegistryTest, ColoursAreUnsignedDecimalText) {
    store->writeColour(sn::Colors, sn::PenColor, 0x00FF0000);  // pure blue
    store->writeColour(sn::Colors, sn::CurrentLetter, 0x000000FF);
    EXPECT_EQ(raw(sn::Colors, sn::PenColor), "16711680");
    EXPECT_EQ(raw(sn::Colors, sn::CurrentLetter), "255");
    uint32_t c = 0;
    EXPECT_TRUE(store->readColour(sn::Colors, sn::PenColor, c));
    EXPECT_EQ(c, 0x00FF0000u);

    c = 128;
    EXPECT_FALSE(store->readColour(sn::Colors, "Missing", c));
    EXPECT_EQ(c, 128u);
    putText(sn::Colors, "Words", "grey");
    EXPECT_FALSE(store->readColour(sn::Colors, "Words", c));
    EXPECT_EQ(c, 128u);
    putText(sn::Colors, "TooLong", std::string(30, '1'));
    EXPECT_FALSE(store->readColour(sn::Colors, "TooLong", c));
    EXPECT_EQ(c, 128u);
    putText(sn::Colors, "Wide", "4294967296");  // beyond 32 bits
    EXPECT_FALSE(store->readColour(sn::Colors, "Wide", c));
    EXPECT_EQ(c, 128u);
}

TEST_F(RegistryTest, DeletingASectionRemovesItsValuesOnly) {
    store->writeInt(sn::Geometry, sn::X, 10);
    store->writeInt(sn::Layout, sn::Type, 1003);
    store->writeInt(sn::Display, sn::Toolbar, 0);
    store->deleteSection(sn::Geometry);
    store->deleteSection(sn::Layout);
    EXPECT_FALSE(sectionExists(sn::Geometry));
    EXPECT_FALSE(sectionExists(sn::Layout));
    EXPECT_EQ(raw(sn::Display, sn::Toolbar), "0");
    int v = 640;
    EXPECT_FALSE(store->readInt(sn::Geometry, sn::X, v));
    EXPECT_EQ(v, 640);

    store->deleteSection("");  // must not wipe the root
    EXPECT_EQ(raw(sn::Display, sn::Toolbar), "0");

    store->deleteValue(sn::Display, sn::Toolbar);
    EXPECT_EQ(raw(sn::Display, sn::Toolbar), "<missing>");
}

TEST(RegistryWithoutRoot, ReadsKeepDefaultsAndWritesDoNothing) {
    RegistrySettings none(nullptr, "Software\\Pellicor\\Orvane");
    EXPECT_FALSE(none.isOpen());
    int v = 3;
    EXPECT_FALSE(none.readInt("grid", "scale", v));
    EXPECT_EQ(v, 3);
    uint32_t c = 255;
    EXPECT_FALSE(none.readColour("Colors", "PenColor", c));
    EXPECT_EQ(c, 255u);
    none.writeInt("grid", "scale", 1);
    EXPECT_FALSE(none.writeTextValue("grid", "x", "1"));
    none.deleteSection("grid");
    none.flush();
}

TEST(RegistryRoot, DefaultRootIsTheProgramKey) {
    RegistrySettings real;
    ASSERT_TRUE(real.isOpen());
    HKEY k;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Pellicor\\Orvane", 0, KEY_READ, &k), ERROR_SUCCESS);
    RegCloseKey(k);
}

// ---------------------------------------------------------------- fonts and colours

namespace {
int pixelHeight(int points) {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return MulDiv(-points, dpi, 72) - 1;
}
}  // namespace

TEST_F(RegistryTest, FreshStoreGivesTheDefaultFontsAndColours) {
    FontsAndColours fc;
    fc.load(nullptr);
    struct Role { const FontRecord* r; int points; int weight; const char* face; };
    const Role roles[] = {{&fc.titleFont, 10, 700, "Arial"},   {&fc.authorFont, 8, 0, "Arial"},
                          {&fc.copyrightFont, 8, 0, "Arial"},  {&fc.gridCharFont, 11, 700, "Arial"},
                          {&fc.gridNumFont, 8, 0, "Arial"},    {&fc.gridSymFont, 12, 0, "Webdings"},
                          {&fc.clueFont, 9, 0, "Arial"}};
    for (const Role& r : roles) {
        SCOPED_TRACE(r.face);
        EXPECT_NE(r.r->font(), nullptr);
        EXPECT_STREQ(r.r->face(), r.face);
        EXPECT_EQ(r.r->description().lfHeight, pixelHeight(r.points));
        EXPECT_EQ(r.r->description().lfWeight, r.weight);
        EXPECT_EQ(r.r->description().lfOutPrecision, OUT_OUTLINE_PRECIS);
    }
    EXPECT_EQ(fc.gridSymFont.description().lfCharSet, SYMBOL_CHARSET);
    EXPECT_EQ(fc.clueFont.description().lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(fc.printLegendFace, "Arial");
    EXPECT_EQ(fc.printGridFace, "Arial");
    EXPECT_EQ(fc.printClueFace, "Arial");

    EXPECT_EQ(fc.gridWhite.colour, 16777215u);
    EXPECT_EQ(fc.gridBlack.colour, 0u);
    EXPECT_EQ(fc.currentLetter.colour, 255u);
    EXPECT_EQ(fc.currentWord.colour, 12632256u);
    EXPECT_EQ(fc.currentClue.colour, 12632256u);
    EXPECT_EQ(fc.promptText.colour, 128u);
    EXPECT_EQ(fc.currentClueText.colour, 255u);
    EXPECT_EQ(fc.crossClueText.colour, 255u);
    EXPECT_EQ(fc.pencilColor.colour, 8421504u);
    EXPECT_EQ(fc.penColor.colour, 0u);
    for (COLORREF c : fc.penColor.custom) EXPECT_EQ(c, 0u);
    EXPECT_EQ(fc.printBrushIndex, 0);
    EXPECT_EQ(fc.printGridPosition, 1);
}

TEST_F(RegistryTest, StoredFacesAndColoursAreUsed) {
    putText(sn::Fonts, sn::ClueFont, "Courier New");
    putText(sn::Fonts, sn::TitleFont, "Webdings");
    putText(sn::Fonts, sn::GridSymFont, "Arial");  // the symbol role never reads the store
    putText(sn::Fonts, sn::GridNumFont, std::string(40, 'F'));  // too long for a face: cut, not dropped
    putText(sn::Fonts, sn::PrintClueFont, "Times New Roman");
    putText(sn::Colors, sn::GridBlack, "8388608");
    putText(sn::Print, sn::PrintGridPosition, "3");
    FontsAndColours fc;
    fc.load(nullptr);
    EXPECT_STREQ(fc.clueFont.face(), "Courier New");
    EXPECT_STREQ(fc.titleFont.face(), "Webdings");
    EXPECT_EQ(fc.titleFont.description().lfCharSet, DEFAULT_CHARSET);
    EXPECT_STREQ(fc.gridSymFont.face(), "Webdings");
    EXPECT_EQ(std::string(fc.gridNumFont.face()), std::string(31, 'F'));
    EXPECT_EQ(fc.printClueFace, "Times New Roman");
    EXPECT_EQ(fc.gridBlack.colour, 8388608u);
    EXPECT_EQ(fc.printGridPosition, 3);

    // The prompt font follows the clue font's face.
    FontRecord prompt;
    ASSERT_TRUE(prompt.createLike(fc.clueFont, -20, 400));
    EXPECT_STREQ(prompt.face(), "Courier New");
    EXPECT_EQ(prompt.description().lfHeight, -20);
    EXPECT_EQ(prompt.description().lfWeight, 400);
}

TEST_F(RegistryTest, SavingWritesExactlyTheKeptValues) {
    {
        FontsAndColours fc;
        fc.load(nullptr);
        fc.penColor.colour = 0x00FF0000;
        fc.printBrushIndex = 2;
        ASSERT_TRUE(fc.clueFont.setFace("Courier New"));
        fc.save();
    }
    EXPECT_EQ(valueNames(sn::Colors),
              (std::set<std::string>{"CurrentLetter", "CurrentWord", "CurrentClue", "PromptText", "CurrentClueText",
                                     "CrossClueText", "PencilColor", "PenColor"}));
    EXPECT_EQ(valueNames(sn::Fonts),
              (std::set<std::string>{"TitleFont", "AuthorFont", "CopyrightFont", "GridCharFont", "GridNumFont",
                                     "ClueFont", "PrintLegendFont", "PrintGridFont", "PrintClueFont"}));
    EXPECT_EQ(raw(sn::Colors, sn::PenColor), "16711680");
    EXPECT_EQ(raw(sn::Colors, sn::PencilColor), "8421504");
    EXPECT_EQ(raw(sn::Fonts, sn::ClueFont), "Courier New");
    EXPECT_EQ(raw(sn::Fonts, sn::TitleFont), "Arial");
    EXPECT_EQ(raw(sn::Print, sn::PrintBrushIndex), "2");
    EXPECT_EQ(raw(sn::Print, sn::PrintGridPosition), "1");

    FontsAndColours again;
    again.load(nullptr);
    EXPECT_EQ(again.penColor.colour, 0x00FF0000u);
    EXPECT_STREQ(again.clueFont.face(), "Courier New");
    EXPECT_EQ(again.printBrushIndex, 2);
}

TEST_F(RegistryTest, SetFaceReplacesTheFontAndKeepsTheRestOfTheDescription) {
    FontRecord r;
    ASSERT_TRUE(r.create(nullptr, sn::GridCharFont, 11, FW_BOLD));
    const LOGFONTA before = r.description();
    ASSERT_TRUE(r.setFace("Times New Roman plus a face name far too long to keep"));
    EXPECT_EQ(std::strlen(r.face()), size_t(FontRecord::kFaceMax));
    EXPECT_EQ(r.description().lfHeight, before.lfHeight);
    EXPECT_EQ(r.description().lfWeight, before.lfWeight);
    EXPECT_NE(r.font(), nullptr);
    EXPECT_FALSE(r.setFace(nullptr));
    r.storeFace(sn::GridCharFont);
    EXPECT_EQ(raw(sn::Fonts, sn::GridCharFont), std::string(r.face()));
}

namespace {
CHOOSECOLORA g_seen;
COLORREF g_answer;
bool g_accept;
bool fakeChooser(CHOOSECOLORA& cc) {
    g_seen = cc;
    if (!g_accept) return false;
    cc.rgbResult = g_answer;
    cc.lpCustColors[3] = 0x00123456;
    return true;
}
}  // namespace

TEST(ColourRecord, ChooserStartsFromTheColourAndKeepsItOnCancel) {
    setColourChooserForTesting(fakeChooser);
    ColourRecord rec(255);
    g_accept = false;
    g_answer = 0x00FF00;
    EXPECT_FALSE(rec.choose(nullptr));
    EXPECT_EQ(rec.colour, 255u);
    EXPECT_EQ(g_seen.rgbResult, 255u);
    EXPECT_EQ(g_seen.lpCustColors, rec.custom);
    EXPECT_TRUE(g_seen.Flags & CC_RGBINIT);

    g_accept = true;
    EXPECT_TRUE(rec.choose(nullptr));
    EXPECT_EQ(rec.colour, 0x00FF00u);
    EXPECT_EQ(rec.custom[3], 0x00123456u);  // the chooser's custom colours are kept
    setColourChooserForTesting(nullptr);
}

namespace {
// Answers the real colour chooser from a thread timer that fires inside its loop.
WPARAM g_button;
void CALLBACK answerChooser(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dlg = GetActiveWindow();
    char cls[32] = {};
    if (dlg) GetClassNameA(dlg, cls, sizeof cls);
    if (dlg && std::strcmp(cls, "#32770") == 0) {
        KillTimer(nullptr, id);
        PostMessageA(dlg, WM_COMMAND, g_button, 0);
    }
}
}  // namespace

TEST(ColourRecord, RealChooserAnswersOkAndCancel) {
    ColourRecord rec(0x00336699);
    g_button = IDCANCEL;
    UINT_PTR t = SetTimer(nullptr, 0, 100, answerChooser);
    EXPECT_FALSE(rec.choose(nullptr));
    KillTimer(nullptr, t);
    EXPECT_EQ(rec.colour, 0x00336699u);

    g_button = IDOK;
    t = SetTimer(nullptr, 0, 100, answerChooser);
    EXPECT_TRUE(rec.choose(nullptr));
    KillTimer(nullptr, t);
    EXPECT_EQ(rec.colour, 0x00336699u);  // OK without a change keeps the starting colour
}
