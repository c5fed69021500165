// Icon buttons and colour buttons drawn into real device contexts, classic
// and with the visual style, and their decoration tables.
#include <gtest/gtest.h>

#include "base/visual_styles.h"
#include "control_host.h"
#include "controls/button_table_control.h"
#include "controls/colour_button_control.h"
#include "controls/icon_button_control.h"

namespace {

constexpr int kW = 100, kH = 26;

class ButtonTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(HoldButtonImages());
        reset_ = host_.AddChild("BUTTON", "リセット(&R)", BS_OWNERDRAW, 1046, 10, 10, kW, kH);
        colour_ = host_.AddChild("BUTTON", "", BS_OWNERDRAW, 1001, 10, 50, 60, 24);
    }
    void TearDown() override {
        ReleaseButtonThemes(table_);
        ReleaseButtonImages();
        LoadVisualStyles();
    }
    DRAWITEMSTRUCT Draw(HWND button, int id, HDC dc, UINT state, int w = kW, int h = kH) const {
        DRAWITEMSTRUCT d{};
        d.CtlType = ODT_BUTTON;
        d.CtlID = static_cast<UINT>(id);
        d.itemAction = ODA_DRAWENTIRE;
        d.itemState = state;
        d.hwndItem = button;
        d.hDC = dc;
        d.rcItem = RECT{0, 0, w, h};
        return d;
    }
    // The top-left pixel of the reset icon's light blue arrow.
    static POINT FirstIconPixel(const Surface32& s) {
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < 28; ++x)
                if (s.At(x, y) == RGB(96, 150, 240)) return POINT{x, y};
        return POINT{-1, -1};
    }

    ControlHost host_;
    HWND reset_ = nullptr, colour_ = nullptr;
    ButtonDecoration table_[3] = {{1046, 10, nullptr}, {1, 0, nullptr}, {0, 0, nullptr}};
};

TEST_F(ButtonTest, ClassicIconButtonShiftsItsContentWhenPressed) {
    FreeVisualStyles();
    AttachButtonThemes(host_.Window(), table_, gVisualStyles);
    EXPECT_EQ(table_[0].theme, nullptr);
    Surface32 up(kW, kH, RGB(0, 255, 0)), down(kW, kH, RGB(0, 255, 0));
    DRAWITEMSTRUCT d = Draw(reset_, 1046, up.Dc(), 0);
    ASSERT_TRUE(DrawIconButton(&d, table_));
    d = Draw(reset_, 1046, down.Dc(), ODS_SELECTED);
    ASSERT_TRUE(DrawIconButton(&d, table_));
    // The classic face covers the button; the icon sits at (2 + d, d) with d = 5.
    EXPECT_EQ(up.CountOther(RECT{0, 0, kW, kH}, RGB(0, 255, 0)), kW * kH);
    const POINT a = FirstIconPixel(up), b = FirstIconPixel(down);
    ASSERT_GE(a.x, 7);
    EXPECT_LT(a.x, 7 + 16);
    EXPECT_GE(a.y, 5);
    EXPECT_EQ(b.x, a.x + 1);
    EXPECT_EQ(b.y, a.y + 1);
    // The text starts at x 29.
    EXPECT_EQ(up.CountOther(RECT{24, 4, 29, 22}, GetSysColor(COLOR_BTNFACE)), 0);
    EXPECT_GT(up.CountOther(RECT{29, 4, 90, 22}, GetSysColor(COLOR_BTNFACE)), 20);
}

TEST_F(ButtonTest, ThemedIconButtonDrawsWithTheButtonStyle) {
    LoadVisualStyles();
    if (!VisualStylesInUse()) GTEST_SKIP() << "no visual style active";
    AttachButtonThemes(host_.Window(), table_, gVisualStyles);
    ASSERT_NE(table_[0].theme, nullptr);
    EXPECT_EQ(table_[1].theme, nullptr);  // no control 1 in this window
    Surface32 up(kW, kH, RGB(0, 255, 0)), down(kW, kH, RGB(0, 255, 0));
    DRAWITEMSTRUCT d = Draw(reset_, 1046, up.Dc(), 0);
    ASSERT_TRUE(DrawIconButton(&d, table_));
    d = Draw(reset_, 1046, down.Dc(), ODS_SELECTED);
    ASSERT_TRUE(DrawIconButton(&d, table_));
    // The style draws the pressed look; the content does not move.
    EXPECT_EQ(FirstIconPixel(up).x, FirstIconPixel(down).x);
    EXPECT_GT(up.CountOther(RECT{29, 4, 90, 22}, up.At(kW / 2, 2)), 20);
    // A theme change opens the style again.
    ButtonThemesChanged(host_.Window(), table_);
    EXPECT_NE(table_[0].theme, nullptr);
}

TEST_F(ButtonTest, DisabledIconButtonKeepsItsPlaceAndGreysItsIcon) {
    FreeVisualStyles();
    AttachButtonThemes(host_.Window(), table_, gVisualStyles);
    Surface32 s(kW, kH, RGB(0, 255, 0));
    DRAWITEMSTRUCT d = Draw(reset_, 1046, s.Dc(), ODS_SELECTED | ODS_DISABLED);
    ASSERT_TRUE(DrawIconButton(&d, table_));
    EXPECT_EQ(FirstIconPixel(s).x, -1);  // no blue left: drawn disabled
}

TEST_F(ButtonTest, ButtonsOutsideTheTableAreNotDrawn) {
    Surface32 s(kW, kH, RGB(0, 255, 0));
    DRAWITEMSTRUCT d = Draw(colour_, 1001, s.Dc(), 0);
    EXPECT_FALSE(DrawIconButton(&d, table_));
    d = Draw(reset_, 1046, s.Dc(), 0);
    d.CtlType = ODT_MENU;
    EXPECT_FALSE(DrawIconButton(&d, table_));
    EXPECT_EQ(s.At(5, 5), RGB(0, 255, 0));
}

TEST_F(ButtonTest, ColourButtonShowsItsColourInABlackFrame) {
    FreeVisualStyles();
    ButtonDecoration colours[] = {{1001, RGB(10, 120, 230), nullptr}, {0, 0, nullptr}};
    AttachButtonThemes(host_.Window(), colours, gVisualStyles);
    Surface32 s(60, 24, RGB(0, 255, 0));
    DRAWITEMSTRUCT d = Draw(colour_, 1001, s.Dc(), 0, 60, 24);
    EXPECT_FALSE(DrawIconButton(&d, table_));
    ASSERT_TRUE(DrawColourButton(&d, colours));
    EXPECT_EQ(s.At(5, 3), RGB(0, 0, 0));
    EXPECT_EQ(s.At(6, 4), RGB(0, 0, 0));
    EXPECT_EQ(s.At(7, 5), RGB(10, 120, 230));
    EXPECT_EQ(s.At(30, 12), RGB(10, 120, 230));
    EXPECT_EQ(s.At(54, 20), RGB(0, 0, 0));
    EXPECT_NE(s.At(4, 2), RGB(0, 0, 0));
    // A disabled swatch is only the inactive face.
    Surface32 off(60, 24, RGB(0, 255, 0));
    d = Draw(colour_, 1001, off.Dc(), ODS_DISABLED, 60, 24);
    ASSERT_TRUE(DrawColourButton(&d, colours));
    EXPECT_EQ(off.At(30, 12), GetSysColor(COLOR_BTNFACE));
    ReleaseButtonThemes(colours);
}

TEST_F(ButtonTest, ButtonImagesAreSharedUntilTheLastHolderReleases) {
    // SetUp holds the strip once.
    ASSERT_TRUE(gButtonImages.images);
    EXPECT_EQ(ImageList_GetImageCount(gButtonImages.images.Get()), 11);
    ASSERT_TRUE(HoldButtonImages());
    ReleaseButtonImages();
    EXPECT_TRUE(gButtonImages.images);
    ReleaseButtonImages();
    EXPECT_FALSE(gButtonImages.images);
    ReleaseButtonImages();  // one release too many does no harm
    ASSERT_TRUE(HoldButtonImages());
}

}  // namespace
