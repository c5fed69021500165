// Confirming the options on a real panel window created from a settings file.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/core/text.h"
#include "base/settings_store.h"
#include "input.h"
#include "shell/apply_settings.h"
#include "shell/panel_window.h"
#include "temp_folder.h"
#include "view/view_state.h"

namespace {

// Whether another program could claim Ctrl+Alt with the key now.
bool Free(char key) {
    HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    const bool free = RegisterHotKey(probe, 1, MOD_CONTROL | MOD_ALT, key) != 0;
    if (free) UnregisterHotKey(probe, 1);
    DestroyWindow(probe);
    return free;
}

// Message boxes the program shows meanwhile, each closed at once.
int gBoxes = 0;
void CALLBACK CloseBoxes(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = FindWindowA("#32770", "Tovel panel");
    DWORD pid = 0;
    if (box) GetWindowThreadProcessId(box, &pid);
    if (!box || pid != GetCurrentProcessId()) return;
    ++gBoxes;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

class ApplyTest : public testing::Test {
protected:
    // The panel window of a program started with the flags and hotkey.
    HWND Start(std::initializer_list<OptionFlag> flags, uint16_t hotkey = 0) {
        OptionFlags set{};
        for (OptionFlag f : flags) SetOption(set, f);
        char text[kOptionTextSize];
        FormatOptionText(set, text, sizeof text);
        folder_.Write("korvane.ini",
                      std::string("[General]\r\nNFlags=") + text + "\r\nHotkey=" + std::to_string(hotkey) + "\r\n");
        std::memset(&gSettings, 0, sizeof gSettings);
        CopyText(gSettings.programFolder, folder_.Path().c_str());
        CopyText(gSettings.settingsFile, folder_.File("korvane.ini").c_str());
        LoadSettings(gSettings, gView.currentIndex);
        gBoxes = 0;
        timer_ = SetTimer(nullptr, 0, 50, CloseBoxes);
        return panel_ = CreatePanelWindow(GetModuleHandleA(nullptr));
    }
    void TearDown() override {
        KillTimer(nullptr, timer_);
        if (IsWindow(panel_)) SendMessageA(panel_, WM_CLOSE, 0, 0);
        PumpMessages(50);
        UnregisterClassA("Tovel panel", GetModuleHandleA(nullptr));
    }
    TempFolder folder_;
    HWND panel_ = nullptr;
    UINT_PTR timer_ = 0;
};

TEST_F(ApplyTest, AlwaysShownSwitchedOffHidesQuietlyAndKeepsRunning) {
    ASSERT_TRUE(Start({kOptAlwaysShown, kOptExitOnHide}));
    ASSERT_TRUE(IsWindowVisible(panel_));
    Settings working = gSettings;
    ClearOption(working.optionFlags, kOptAlwaysShown);
    EXPECT_EQ(ApplyConfirmedSettings(panel_, working), 1);
    EXPECT_FALSE(IsWindowVisible(panel_));
    PumpMessages(300);
    EXPECT_TRUE(IsWindow(panel_));  // no exit: the user did not close the panel
    EXPECT_TRUE(GetWindowLongA(panel_, GWL_EXSTYLE) & WS_EX_TOPMOST);
    char text[kOptionTextSize];
    FormatOptionText(working.optionFlags, text, sizeof text);
    EXPECT_NE(folder_.Read("korvane.ini").find(std::string("NFlags=") + text), std::string::npos);
}

TEST_F(ApplyTest, AnUnchangedHotkeyStaysQuietlyAndAChangedOneReplacesIt) {
    ASSERT_TRUE(Start({kOptHotkey}, 0x064A));  // Ctrl+Alt+J
    Settings working = gSettings;
    EXPECT_EQ(ApplyConfirmedSettings(panel_, working), 1);
    EXPECT_FALSE(Free('J'));
    working.hotkey = 0x064B;
    ApplyConfirmedSettings(panel_, working);
    EXPECT_TRUE(Free('J'));
    EXPECT_FALSE(Free('K'));
    ClearOption(working.optionFlags, kOptHotkey);
    ApplyConfirmedSettings(panel_, working);
    EXPECT_TRUE(Free('K'));
    EXPECT_EQ(gBoxes, 0);  // never refused: the old registration was let go first
}

}  // namespace
