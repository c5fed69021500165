// A side button's click that calls the panel is kept from the window under
// the pointer by the hook libraries: real clicks through the system onto a
// stand-in application that records the side-button messages and the
// Back/Forward commands reaching it, beside a stand-in panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "activation/blocked_apps.h"
#include "activation/core/side_buttons.h"
#include "activation/hook_binding.h"
#include "base/core/text.h"
#include "base/panel_ids.h"
#include "base/settings_store.h"
#include "hooklib/compat_hook.h"
#include "support/input.h"
#include "support/temp_folder.h"

namespace {

HWND gApp, gPanel;
int gAppGot[3], gPanelGot[3];  // by side button: presses, releases and commands
std::vector<WPARAM> gRequests;

LRESULT CALLBACK RecordingProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    int* got = w == gApp ? gAppGot : gPanelGot;
    if (m >= WM_XBUTTONDOWN && m <= WM_XBUTTONDBLCLK) ++got[HIWORD(wp) & 3];
    if (m == WM_APPCOMMAND) ++got[GET_APPCOMMAND_LPARAM(lp) == APPCOMMAND_BROWSER_BACKWARD ? 1 : 2];
    if (m == WM_PANEL_MOUSEREQUEST) gRequests.push_back(wp);
    return m == WM_APPCOMMAND ? TRUE : DefWindowProcA(w, m, wp, lp);
}

HWND RecordingWindow(int x) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KorvaneTestSideButtons";
    RegisterClassA(&wc);
    return CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, x, 50, 120, 120, nullptr,
                           nullptr, wc.hInstance, nullptr);
}

void Side(int button, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.mouseData = button == 1 ? XBUTTON1 : XBUTTON2;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
    PumpMessages(150);
}

// Clicks the button at x and tells what reached the window there: 3 for a
// press, its release and the command the release makes; 0 for nothing.
int Click(int button, int x = 500) {
    PlacePointer(x, 100);
    std::memset(gAppGot, 0, sizeof gAppGot);
    std::memset(gPanelGot, 0, sizeof gPanelGot);
    Side(button, MOUSEEVENTF_XDOWN);
    Side(button, MOUSEEVENTF_XUP);
    return (x < 570 ? gAppGot : gPanelGot)[button];
}

class SideButtons : public testing::Test {
protected:
    void SetUp() override {
        saved_ = gSettings;
        std::memset(gSettings.optionFlags, 0, sizeof gSettings.optionFlags);
        SetOption(gSettings.optionFlags, kOptMouseActivation);
        CopyText(gSettings.programFolder, folder_.Path().c_str());
        CopyFileA((ProgramFolder() + "\\" + kStandardHookFile).c_str(), folder_.File(kStandardHookFile).c_str(), 0);
        gApp = RecordingWindow(450);
        gPanel = RecordingWindow(600);
    }
    void TearDown() override {
        UnloadHookLibrary();
        FreeBlockedList();
        DestroyWindow(gApp);
        DestroyWindow(gPanel);
        gSettings = saved_;
    }
    Settings saved_;
    TempFolder folder_;
};

TEST_F(SideButtons, TheStandardLibraryKeepsTheClickFromTheProgramButNotFromTheListedOrThePanel) {
    gSettings.mouseMode = kMouseModeSideButton1;
    StartMouseActivation(gPanel);
    gRequests.clear();
    EXPECT_EQ(Click(1), 0);
    EXPECT_EQ(Click(2), 3) << "the other side button";
    for (UINT m : {WM_XBUTTONDOWN, WM_XBUTTONUP})
        EXPECT_EQ(std::count(gRequests.begin(), gRequests.end(), MouseRequestCode(m, 1)), 1) << "the panel judges";
    EXPECT_EQ(Click(1, 650), 3) << "on the panel itself";

    // This program listed as blocked, in other letters.
    SetOption(gSettings.optionFlags, kOptBlockedApps);
    char own[MAX_PATH];
    GetModuleFileNameA(nullptr, own, sizeof own);
    folder_.Write(kBlockedFileName, "C:\\tool.exe\r\n" + std::string(CharUpperA(own)) + "\r\n");
    LoadBlockedList();
    EXPECT_EQ(Click(1), 3);
    ClearOption(gSettings.optionFlags, kOptBlockedApps);
    gSettings.mouseMode = kMouseModeSideButton2;
    RestartMouseActivation(gPanel, false);
    EXPECT_EQ(Click(1), 3);
    EXPECT_EQ(Click(2), 0);
}

// Installed for this thread as the system would call it; with no panel
// window recorded, firing finds no program to start.
TEST_F(SideButtons, TheCompatibilityHookKeepsTheClickAndItsReleaseAfterTheModeChanged) {
    gCompatShared.hook = SetWindowsHookExA(WH_MOUSE, CompatHookProc, nullptr, GetCurrentThreadId());
    ASSERT_NE(gCompatShared.hook, nullptr);
    StoreSideButtons(gCompatSideButtons, kMouseModeSideButton2, 0, "", 0);
    EXPECT_EQ(Click(2), 0);
    EXPECT_EQ(Click(1), 3);
    Side(2, MOUSEEVENTF_XDOWN);
    StoreSideButtons(gCompatSideButtons, 0, 0, "", 0);
    Side(2, MOUSEEVENTF_XUP);
    EXPECT_EQ(gAppGot[2], 0) << "the program would go Forward after all";
    EXPECT_EQ(Click(2), 3);
    UnhookWindowsHookEx(gCompatShared.hook);
    gCompatShared.hook = nullptr;
}

}  // namespace
