// Fade-in and transparency with a recording stand-in for the layered-window
// function, and the software fade's window handling.
#include <vector>

#include "base/settings_store.h"
#include "base/system_functions.h"
#include "view/close_button.h"
#include "view/fade.h"
#include "view/panel_draw.h"
#include "view/panel_layout.h"
#include "view/view_state.h"
#include "view_fixture.h"

namespace {

struct LayeredCall {
    COLORREF key;
    BYTE alpha;
    DWORD flags;
};
std::vector<LayeredCall> gCalls;

BOOL WINAPI RecordLayered(HWND, COLORREF key, BYTE alpha, DWORD flags) {
    gCalls.push_back(LayeredCall{key, alpha, flags});
    return TRUE;
}

class FadeTest : public ViewTest {
public:
    void SetUp() override {
        ViewTest::SetUp();
        gCalls.clear();
        gSettings.fadeSpeed = 5;
        gSettings.transparencyActive = 40;
        gSettings.transparencyInactive = 70;
    }
    void TearDown() override {
        KillTimer(window_, kFadeTimer);
        gSystem.setLayeredWindowAttributes = nullptr;
        gFade.start = 0;
        gFade.running = 0;
        DestroyCloseButton();
        ViewTest::TearDown();
    }
    // Runs the last timer tick of the fade.
    void FinishFade() {
        gFade.start = GetTickCount() - gFade.length - 1;
        OnFadeTimer(window_);
    }
};

TEST_F(FadeTest, LayeredFadeEndsAtTheActiveTransparency) {
    gSystem.setLayeredWindowAttributes = RecordLayered;
    SetOption(kOptTransparency, true);
    Layout();
    PrepareShowFade(window_);
    ASSERT_FALSE(gCalls.empty());
    EXPECT_EQ(gCalls.back().alpha, 0);
    EXPECT_EQ(gFade.running, 1);
    StartFade(window_);
    EXPECT_EQ(gFade.length, 250u);
    EXPECT_NE(gFade.start, 0u);
    FinishFade();
    EXPECT_EQ(gCalls.back().alpha, 153);  // 255 - 40 x 255 / 100
    EXPECT_EQ(gCalls.back().flags, static_cast<DWORD>(LWA_ALPHA));
    EXPECT_EQ(gFade.start, 0u);
    EXPECT_EQ(gFade.running, 0);
}

TEST_F(FadeTest, LayeredFadeWithoutTransparencyEndsOpaqueAndKeepsTheColourKey) {
    gSystem.setLayeredWindowAttributes = RecordLayered;
    gSkin.hasTransparentColor = 1;
    Layout();
    PrepareShowFade(window_);
    StartFade(window_);
    gFade.start = GetTickCount() - gFade.length / 2;
    OnFadeTimer(window_);
    // Halfway, give or take however late this thread ran.
    EXPECT_GT(gCalls.back().alpha, 90);
    EXPECT_LT(gCalls.back().alpha, 255);
    FinishFade();
    EXPECT_EQ(gCalls.back().alpha, 255);
    EXPECT_EQ(gCalls.back().flags, static_cast<DWORD>(LWA_ALPHA | LWA_COLORKEY));
    EXPECT_EQ(gCalls.back().key, RGB(255, 0, 255));
}

TEST_F(FadeTest, TransparencyFollowsTheActivationState) {
    gSystem.setLayeredWindowAttributes = RecordLayered;
    Layout();
    EXPECT_EQ(gCalls.back().alpha, 255);  // kOptTransparency clear: opaque
    SetOption(kOptTransparency, true);
    ApplyTransparency(window_, true);
    EXPECT_EQ(gCalls.back().alpha, 153);
    ApplyTransparency(window_, false);
    EXPECT_EQ(gCalls.back().alpha, 255 - 70 * 255 / 100);
    gSettings.transparencyInactive = 250;  // out of range: as far as the options go, never invisible
    ApplyTransparency(window_, false);
    EXPECT_EQ(gCalls.back().alpha, 255 - 90 * 255 / 100);
}

TEST_F(FadeTest, SoftwareFadeShrinksTheWindowAndEndsWithTheFullPanel) {
    gSkin.kind = kSkinFormat2;
    UseSolidSkin(RGB(200, 100, 50), RGB(20, 40, 220), false);
    gSkin.closeWidth = 10;
    gSkin.closeHeight = 8;
    gSkin.closeLeft = 150;
    Layout();
    SetWindowPos(window_, nullptr, 100, 100, 180, 257, SWP_NOZORDER | SWP_NOACTIVATE);
    CreateCloseButton(window_, 150, 5, 10, 8, 1001);
    ASSERT_NE(gPanel.closeButton, nullptr);
    RedrawPanel(window_);
    PrepareShowFade(window_);
    EXPECT_TRUE(gFade.prepared);
    RECT r;
    GetWindowRect(window_, &r);
    EXPECT_EQ(r.right - r.left, 0);
    EXPECT_FALSE(IsWindowVisible(gPanel.closeButton));
    StartFade(window_);
    gFade.start = GetTickCount();
    OnFadeTimer(window_);  // the first tick gives the size back
    GetWindowRect(window_, &r);
    EXPECT_EQ(r.right - r.left, 180);
    EXPECT_EQ(r.bottom - r.top, 257);
    FinishFade();
    EXPECT_FALSE(gFade.prepared);
    EXPECT_EQ(gFade.start, 0u);
    EXPECT_TRUE(SameRgb(Pixel(60, 60), RGB(200, 100, 50)));  // the full panel again
}

TEST_F(FadeTest, AnAlwaysShownVisiblePanelIsNotMoved) {
    Layout();
    SetOption(kOptAlwaysShown, true);
    SetWindowPos(window_, nullptr, 77, 88, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    gSettings.left2 = 5;
    gSettings.top2 = 6;
    PlacePanel(window_, false);
    RECT r;
    GetWindowRect(window_, &r);
    EXPECT_EQ(r.left, 77);
    ShowWindow(window_, SW_HIDE);
    PlacePanel(window_, false);
    GetWindowRect(window_, &r);
    EXPECT_EQ(r.left, 5);
    SetOption(kOptAlwaysShown, false);
}

}  // namespace
