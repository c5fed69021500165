// The design page and its preview over a working copy, with the panel's real
// skins applied: the standard look and the repository's demo skins.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "base/handles.h"
#include "base/settings_store.h"
#include "base/visual_styles.h"
#include "items/item_model.h"
#include "menu_capture.h"
#include "options/core/design_parts.h"
#include "options/options_sheet.h"
#include "resources/resource.h"
#include "sheet_driver.h"
#include "skin/skin_list.h"
#include "skin/skin_loader.h"
#include "temp_folder.h"

namespace {

using Steps = std::vector<DialogDriver::Step>;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// The repository's skins folder, through the drive Wine maps the root to.
std::string RepositorySkins() {
    std::string path = __FILE__;
    path = path.substr(0, path.find("/tests/win/options/"));
    std::string out = "Z:";
    for (char c : path + "/skins") out += c == '/' ? '\\' : c;
    return out;
}

// Where the preview paints a colour: the rows and columns it covers.
struct Extent {
    int count = 0;
    int top = INT32_MAX, bottom = -1;
};

// The preview as it paints itself, searched for a colour.
Extent PaintedExtent(HWND page, COLORREF colour) {
    HWND preview = GetDlgItem(page, IDC_DESIGN_PREVIEW);
    RECT client;
    GetClientRect(preview, &client);
    const int w = client.right, h = client.bottom;
    WindowDc screen(nullptr);
    OwnedMemoryDc dc(CreateCompatibleDC(screen.Get()));
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), w, h));
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    {
        SelectedObject selected(dc.Get(), bitmap.Get());
        SendMessageA(preview, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    }
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(dc.Get(), bitmap.Get(), 0, h, pixels.data(), &bi, DIB_RGB_COLORS);
    const uint32_t wanted = GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
    Extent e;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((pixels[static_cast<size_t>(y) * w + x] & 0xFFFFFF) == wanted) {
                ++e.count;
                e.top = std::min(e.top, y);
                e.bottom = std::max(e.bottom, y);
            }
    return e;
}

LRESULT Send(HWND page, int id, UINT message, WPARAM w = 0, LPARAM l = 0) {
    return SendDlgItemMessageA(page, id, message, w, l);
}

// A choice in a drop-down list as the user makes it.
void Choose(HWND page, int id, int row) {
    Send(page, id, CB_SETCURSEL, row);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

void Type(HWND page, const char* text) { SetDlgItemTextA(page, IDC_DESIGN_SIZE, text); }

class DesignPageTest : public testing::Test {
protected:
    void SetUp() override {
        LoadVisualStyles();
        saved_ = gSettings;
        window_ = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "design test", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        gItems.arrowImages.Reset(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 4));
        EnumerateSkins(RepositorySkins().c_str());
        std::memset(&s_, 0, sizeof s_);
        SetDefaultOptions(s_.optionFlags);
        SetOption(s_.optionFlags, kOptCustomDesign);
        s_.selectSize = s_.unselectSize = 9;
        s_.designIconSize = 16;
        s_.selectColor = kRed;
        s_.unselectColor = kBlue;
        s_.selectBG = s_.selectFrame = s_.background = kColorUnset;
    }
    void TearDown() override {
        ReleaseSkin();
        gSkin = SkinInfo{};
        gItems.arrowImages.Reset();
        FreeSkins();
        DestroyWindow(window_);
        gSettings = saved_;
    }
    // The skin as the panel applies it, without the design.
    void UseSkin(const char* name) {
        ClearOption(gSettings.optionFlags, kOptCustomDesign);
        ApplySkin(window_, name);
    }
    // Runs the sheet on the design page, checking that the panel's own skin
    // record is left as it was, and confirms it. The page as it opened is
    // kept as shot, when screenshots are asked for.
    void Run(const char* shot, std::function<void(HWND page)> check) {
        const SkinInfo before = gSkin;
        DialogDriver driver(Steps{[&] {
                                      HWND sheet = FindSheet();
                                      if (!sheet) return false;
                                      HWND page = ShowPage(sheet, IDD_DESIGN_PAGE);
                                      EXPECT_NE(page, nullptr);
                                      if (!page) return true;
                                      RECT r;
                                      GetWindowRect(sheet, &r);
                                      RedrawWindow(sheet, nullptr, nullptr,
                                                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                                      CaptureScreen(ShotPath(shot), r);
                                      check(page);
                                      return true;
                                  },
                                  [] {
                                      PostMessageA(FindSheet(), PSM_PRESSBUTTON, PSBTN_OK, 0);
                                      return true;
                                  }});
        OptionsSheetHold hold;
        EXPECT_TRUE(ShowOptionsSheet(nullptr, s_, gSkin));
        EXPECT_TRUE(driver.Finished());
        EXPECT_EQ(std::memcmp(&before, &gSkin, sizeof gSkin), 0);
    }

    Settings s_;
    Settings saved_{};
    HWND window_ = nullptr;
};

// The preview draws the copy's colours, styles and sizes through the panel's
// renderer, at once after every edit; the box switches the design off and on.
TEST_F(DesignPageTest, ThePreviewFollowsTheWorkingCopyAtOnce) {
    UseSkin("");
    Run("design_standard.bmp", [&](HWND page) {
        const Extent selected = PaintedExtent(page, kRed), other = PaintedExtent(page, kBlue);
        ASSERT_GT(selected.count, 10);
        ASSERT_GT(other.count, 10);
        EXPECT_LT(selected.bottom, other.top);  // the selected sample is the upper row

        Type(page, "20");
        EXPECT_EQ(s_.selectSize, 20);
        const Extent larger = PaintedExtent(page, kRed);
        EXPECT_GT(larger.bottom - larger.top, selected.bottom - selected.top + 5);

        Click(page, IDC_DESIGN_BOLD);
        EXPECT_EQ(s_.selectStyle, kStyleBold);
        EXPECT_GT(PaintedExtent(page, kRed).count, larger.count);

        Click(page, IDC_CUSTOM_DESIGN);  // off: the skin's own look
        EXPECT_FALSE(Option(s_, kOptCustomDesign));
        EXPECT_EQ(PaintedExtent(page, kRed).count, 0);
        EXPECT_FALSE(Enabled(page, IDC_DESIGN_PART));
        EXPECT_FALSE(Checked(page, IDC_DESIGN_BOLD));
        Click(page, IDC_CUSTOM_DESIGN);
        EXPECT_TRUE(Option(s_, kOptCustomDesign));
        EXPECT_TRUE(Checked(page, IDC_DESIGN_BOLD));
        EXPECT_GT(PaintedExtent(page, kRed).count, 0);
    });
    EXPECT_EQ(s_.selectSize, 20);
    EXPECT_EQ(s_.selectStyle, kStyleBold);
}

// A click on the preview picks the part under it, only while the box is
// ticked; each part shows its own values.
TEST_F(DesignPageTest, ClicksOnThePreviewPickThePartUnderThem) {
    UseSkin("Aurora");
    Run("design_aurora_clicks.bmp", [&](HWND page) {
        EXPECT_EQ(Send(page, IDC_DESIGN_PART, CB_GETCOUNT), 3);  // no cursor or background colours
        HWND preview = GetDlgItem(page, IDC_DESIGN_PREVIEW);
        RECT client;
        GetClientRect(preview, &client);
        // The icon of the upper sample row: the skin's rows cut to two, centred.
        const SkinDefaults& d = gSkin.skinDefaults;
        const TwoRowPanel two = CutToTwoRows(d.panelHeight, d.selectTop, d.itemCount, d.itemHeight);
        const int x = CentredOrigin(client.right, gSkin.panelWidth) + gSkin.itemLeft + d.iconSize / 2;
        const int y = CentredOrigin(client.bottom, two.panelHeight) + gSkin.itemTop + d.itemHeight / 2;
        const LPARAM icon = MAKELPARAM(x, y);

        Click(page, IDC_CUSTOM_DESIGN);
        SendMessageA(preview, WM_LBUTTONDOWN, MK_LBUTTON, icon);
        EXPECT_EQ(Send(page, IDC_DESIGN_PART, CB_GETCURSEL), kPartSelectedText);
        Click(page, IDC_CUSTOM_DESIGN);
        SendMessageA(preview, WM_LBUTTONDOWN, MK_LBUTTON, icon);
        EXPECT_EQ(Send(page, IDC_DESIGN_PART, CB_GETCURSEL), kPartIcon);
        EXPECT_EQ(ItemText(page, IDC_DESIGN_SIZE_UNIT), "ドット");
        EXPECT_EQ(ItemText(page, IDC_DESIGN_SIZE), "16");
        EXPECT_FALSE(Enabled(page, IDC_DESIGN_FONT));
        EXPECT_FALSE(Enabled(page, IDC_DESIGN_BOLD));
        EXPECT_FALSE(Enabled(page, IDC_DESIGN_COLOUR1));
        EXPECT_TRUE(Enabled(page, IDC_DESIGN_SIZE));
        EXPECT_EQ(Send(page, IDC_DESIGN_FONT, CB_GETCURSEL), CB_ERR);
    });
}

// Sizes are kept as typed within what the settings file holds; the font
// list's first row clears the face; reset goes back to the skin's values and
// leaves the customisation on.
TEST_F(DesignPageTest, EditsAreKeptWithinWhatTheFileHoldsAndResetTakesTheSkins) {
    UseSkin("Aurora");
    std::strcpy(s_.selectFont, "No Such Face");
    Run("design_aurora.bmp", [&](HWND page) {
        EXPECT_EQ(Send(page, IDC_DESIGN_FONT, CB_GETCURSEL), 0);  // an unknown face shows as not set
        EXPECT_STREQ(s_.selectFont, "No Such Face");
        EXPECT_GT(PaintedExtent(page, kRed).count, 10);
        Type(page, "150");
        EXPECT_EQ(s_.selectSize, 150);  // beyond the arrows' 100, as typed
        Type(page, "10000");
        EXPECT_EQ(s_.selectSize, 400);
        EXPECT_GT(PaintedExtent(page, kRed).count, 10);
        Type(page, "0");
        EXPECT_EQ(s_.selectSize, 0);
        EXPECT_GT(PaintedExtent(page, kRed).count, 10);

        ASSERT_GT(Send(page, IDC_DESIGN_FONT, CB_GETCOUNT), 1);
        Choose(page, IDC_DESIGN_FONT, 1);
        EXPECT_NE(s_.selectFont[0], '\0');
        Choose(page, IDC_DESIGN_FONT, 0);
        EXPECT_STREQ(s_.selectFont, "");

        Choose(page, IDC_DESIGN_PART, kPartIcon);
        Type(page, "1000");
        EXPECT_EQ(s_.designIconSize, 256);

        Click(page, IDC_DESIGN_RESET);
        EXPECT_EQ(s_.selectSize, 9);
        EXPECT_EQ(s_.selectStyle, kStyleBold);  // Aurora's selected font is bold
        EXPECT_EQ(s_.unselectStyle, 0);
        EXPECT_EQ(s_.designIconSize, 16);
        EXPECT_EQ(s_.selectColor, kColorUnset);
        EXPECT_EQ(s_.unselectColor, kColorUnset);
        EXPECT_EQ(ItemText(page, IDC_DESIGN_SIZE), "16");
        EXPECT_TRUE(Option(s_, kOptCustomDesign));
    });
}

// The older format keeps its font heights: no size for any part, and the
// preview's text does not grow. A fixed skin takes no design at all.
TEST_F(DesignPageTest, OlderAndFixedSkinsKeepTheirSizes) {
    UseSkin("Washi");
    Run("design_washi.bmp", [&](HWND page) {
        EXPECT_TRUE(Enabled(page, IDC_CUSTOM_DESIGN));
        const Extent before = PaintedExtent(page, kRed);
        for (int part : {kPartSelectedText, kPartOtherText, kPartIcon}) {
            Choose(page, IDC_DESIGN_PART, part);
            EXPECT_FALSE(Enabled(page, IDC_DESIGN_SIZE)) << part;
            EXPECT_FALSE(Enabled(page, IDC_DESIGN_SIZE_SPIN)) << part;
            EXPECT_TRUE(Enabled(page, IDC_DESIGN_SIZE_LABEL)) << part;
        }
        s_.selectSize = 30;
        const Extent after = PaintedExtent(page, kRed);
        EXPECT_GT(before.count, 10);
        EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    });

    // Washi with its size fixed, from a folder of its own.
    TempFolder folder;
    const std::string fixed = folder.MakeFolder("Fixed");
    const std::string from = RepositorySkins() + "\\Washi\\";
    for (const char* file : {"base.bmp", "title.bmp", "bottom.bmp", "select.bmp", "close.bmp", "arrows.bmp"})
        ASSERT_TRUE(CopyFileA((from + file).c_str(), (fixed + "\\" + file).c_str(), FALSE)) << file;
    folder.Write("Fixed\\skin.ini",
                 "[Base]\r\nHeight=214\r\nSizeChange=0\r\n[Item]\r\nCount=9\r\nLeft=14\r\nTop=34\r\nWidth=162\r\n"
                 "Height=22\r\n[Skin]\r\nBase=base.bmp\r\nSelect=select.bmp\r\n");
    ASSERT_TRUE(AddSkin("Fixed", fixed.c_str()));
    UseSkin("Fixed");
    ASSERT_TRUE(gSkin.resizeFlags & kResizeFixed);
    Run("design_fixed.bmp", [&](HWND page) {
        EXPECT_FALSE(Enabled(page, IDC_CUSTOM_DESIGN));
        EXPECT_FALSE(Checked(page, IDC_CUSTOM_DESIGN));
        EXPECT_FALSE(Enabled(page, IDC_DESIGN_COLOUR1));
    });
    EXPECT_FALSE(Option(s_, kOptCustomDesign));
}

}  // namespace
