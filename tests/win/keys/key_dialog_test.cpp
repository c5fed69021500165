// The key-settings dialog run modally from its real resource, driven from a
// timer inside its own message loop.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "base/handles.h"
#include "base/visual_styles.h"
#include "controls/button_table_control.h"
#include "keys/core/bindable_keys.h"
#include "keys/hotkeys.h"
#include "keys/key_dialog.h"
#include "menu_capture.h"
#include "resources/resource.h"

namespace {

const int kLists[] = {IDC_KEY_UP,     IDC_KEY_DOWN,     IDC_KEY_PAGE_UP, IDC_KEY_PAGE_DOWN,
                      IDC_KEY_EXPAND, IDC_KEY_COLLAPSE, IDC_KEY_CLOSE,   IDC_KEY_EXECUTE};

std::function<void(HWND)> gDrive;
bool gDriven = false;

void CALLBACK DriveDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowA("#32770", "キーの設定");
    if (!dialog || !IsWindowVisible(dialog)) return;  // not up yet
    KillTimer(nullptr, timer);
    gDriven = true;
    gDrive(dialog);
    // Whatever the step did, the dialog must still close.
    if (IsWindow(dialog)) PostMessageA(dialog, WM_CLOSE, 0, 0);
}

Settings Keys(uint16_t up, uint16_t down, uint16_t pageUp, uint16_t pageDown, uint16_t expand, uint16_t collapse,
              uint16_t close, uint16_t execute) {
    Settings s;
    std::memset(&s, 0, sizeof s);
    s.keys.up = up;
    s.keys.down = down;
    s.keys.pageUp = pageUp;
    s.keys.pageDown = pageDown;
    s.keys.expand = expand;
    s.keys.collapse = collapse;
    s.keys.close = close;
    s.keys.execute = execute;
    return s;
}

class KeyDialogTest : public testing::Test {
protected:
    void SetUp() override {
        LoadVisualStyles();
        owner_.Reset(CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 200, 150, 400, 300, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr));
        gDriven = false;
    }
    INT_PTR Run(Settings& s, std::function<void(HWND)> drive) {
        gDrive = std::move(drive);
        const UINT_PTR timer = SetTimer(nullptr, 0, 100, DriveDialog);
        const INT_PTR result = RunKeyDialog(owner_.Get(), s);
        KillTimer(nullptr, timer);
        EXPECT_TRUE(gDriven);
        return result;
    }
    OwnedWindow owner_;
};

std::string ListText(HWND dialog, int id, int index) {
    char text[64] = "";
    SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

int Selection(HWND dialog, int id) { return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0)); }

void Select(HWND dialog, int id, int code) {
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(FindBindableKey(code)), 0);
}

TEST_F(KeyDialogTest, ListsAllKeysAndSelectsTheBindings) {
    Settings s = Keys(38, 40, 33, 34, 39, 37, 27, 13);
    const Settings before = s;
    const INT_PTR result = Run(s, [](HWND dialog) {
        const int expected[] = {38, 40, 33, 34, 39, 37, 27, 13};
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(SendDlgItemMessageA(dialog, kLists[i], CB_GETCOUNT, 0, 0), 93) << i;
            EXPECT_EQ(Selection(dialog, kLists[i]), FindBindableKey(expected[i])) << i;
        }
        EXPECT_EQ(ListText(dialog, IDC_KEY_UP, 0), "BackSpace");
        EXPECT_EQ(ListText(dialog, IDC_KEY_UP, FindBindableKey(38)), "上カーソル");
        EXPECT_EQ(ListText(dialog, IDC_KEY_UP, FindBindableKey(96)), "0 (テンキー)");
        // Keys without a name of their own read as the system names them.
        char name[64];
        GetHotkeyText(13, name, sizeof name);
        EXPECT_EQ(ListText(dialog, IDC_KEY_EXECUTE, FindBindableKey(13)), name);
        EXPECT_EQ(ListText(dialog, IDC_KEY_UP, FindBindableKey('Q')), "Q");
        EXPECT_EQ(ListText(dialog, IDC_KEY_UP, FindBindableKey(112)), "F1");
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(std::memcmp(&s, &before, sizeof s), 0);
}

TEST_F(KeyDialogTest, ClosingStoresTheChoicesAndKeepsKeysOutsideTheTable) {
    Settings s = Keys(16, 40, 33, 34, 39, 37, 27, 13);  // Up on Shift, which the table does not offer
    Run(s, [](HWND dialog) {
        EXPECT_EQ(Selection(dialog, IDC_KEY_UP), CB_ERR);
        Select(dialog, IDC_KEY_CLOSE, 'Q');
        Select(dialog, IDC_KEY_EXECUTE, 32);
        // The title bar's close box ends it the same way as the button.
        SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(s.keys.up, 16);
    EXPECT_EQ(s.keys.close, 'Q');
    EXPECT_EQ(s.keys.execute, 32);
    EXPECT_EQ(s.keys.down, 40);
}

TEST_F(KeyDialogTest, ResetSelectsTheDefaultsInTheListsOnly) {
    Settings s = Keys('W', 'S', 'R', 'F', 'D', 'A', 'Q', 'E');
    Run(s, [&s](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_KEY_RESET, BM_CLICK, 0, 0);
        const int defaults[] = {38, 40, 33, 34, 39, 37, 27, 13};
        for (int i = 0; i < 8; ++i) EXPECT_EQ(Selection(dialog, kLists[i]), FindBindableKey(defaults[i])) << i;
        // Until the dialog closes the bindings are untouched.
        EXPECT_EQ(s.keys.up, 'W');
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(s.keys.up, 38);
    EXPECT_EQ(s.keys.down, 40);
    EXPECT_EQ(s.keys.pageUp, 33);
    EXPECT_EQ(s.keys.pageDown, 34);
    EXPECT_EQ(s.keys.expand, 39);
    EXPECT_EQ(s.keys.collapse, 37);
    EXPECT_EQ(s.keys.close, 27);
    EXPECT_EQ(s.keys.execute, 13);
}

TEST_F(KeyDialogTest, EscapeDoesNothing) {
    Settings s = Keys(38, 40, 33, 34, 39, 37, 27, 13);
    Run(s, [](HWND dialog) {
        Select(dialog, IDC_KEY_DOWN, 'J');
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(IsWindowVisible(dialog));
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    // Closing after Escape still saved the change: there is no cancel.
    EXPECT_EQ(s.keys.down, 'J');
}

TEST_F(KeyDialogTest, CentredOverItsOwnerWithIconButtons) {
    Settings s = Keys(38, 40, 33, 34, 39, 37, 27, 13);
    HWND owner = owner_.Get();
    Run(s, [owner](HWND dialog) {
        RECT o, d;
        GetWindowRect(owner, &o);
        GetWindowRect(dialog, &d);
        EXPECT_NEAR((d.left + d.right) / 2, (o.left + o.right) / 2, 2);
        EXPECT_NEAR((d.top + d.bottom) / 2, (o.top + o.bottom) / 2, 2);
        // Both buttons are owner-drawn from the button strip while the dialog is open.
        EXPECT_TRUE(gButtonImages.images);
        for (int id : {IDC_KEY_RESET, IDOK}) {
            HWND button = GetDlgItem(dialog, id);
            EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << id;
        }
        char text[32];
        GetDlgItemTextA(dialog, IDC_KEY_RESET, text, sizeof text);
        EXPECT_STREQ(text, "リセット(&R)");
        GetDlgItemTextA(dialog, IDOK, text, sizeof text);
        EXPECT_STREQ(text, "閉じる(&C)");
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        CaptureScreen(ShotPath("key_dialog.bmp"), d);
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    // The dialog held the strip only while it was open.
    EXPECT_FALSE(gButtonImages.images);
}

}  // namespace
