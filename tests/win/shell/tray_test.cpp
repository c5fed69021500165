// The notification icon through the real shell of the test desktop.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "base/handles.h"
#include "base/visual_styles.h"
#include "shell/tray_icon.h"
#include "shell_standins.h"

namespace {

bool IconShown(HWND window) { return TrayIconShown(window, kTrayIconId); }

class TrayTest : public testing::Test {
protected:
    void SetUp() override {
        window_.Reset(CreateWindowExA(0, "STATIC", "tray test", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr));
        ASSERT_TRUE(window_);
    }
    void TearDown() override { RemoveTrayIcon(window_.Get()); }
    OwnedWindow window_;
};

TEST_F(TrayTest, AddedWithA16PixelIconAndRemovedAgain) {
    EXPECT_FALSE(IconShown(window_.Get()));
    EXPECT_TRUE(AddTrayIcon(window_.Get()));
    EXPECT_TRUE(IconShown(window_.Get()));
    ASSERT_TRUE(gTrayIcon.icon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(gTrayIcon.icon.Get(), &info));
    BITMAP bm{};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 16);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);

    RemoveTrayIcon(window_.Get());
    EXPECT_FALSE(IconShown(window_.Get()));
    EXPECT_FALSE(gTrayIcon.icon);
}

TEST_F(TrayTest, AddingAgainAfterTheShellLostTheIconBringsItBack) {
    ASSERT_TRUE(AddTrayIcon(window_.Get()));
    // What a restarted taskbar looks like to us: the icon is gone.
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window_.Get();
    data.uID = kTrayIconId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
    EXPECT_FALSE(IconShown(window_.Get()));
    EXPECT_TRUE(AddTrayIcon(window_.Get()));
    EXPECT_TRUE(IconShown(window_.Get()));
}

TEST_F(TrayTest, WorksWithoutVisualStyles) {
    FreeVisualStyles();
    EXPECT_TRUE(AddTrayIcon(window_.Get()));
    EXPECT_TRUE(gTrayIcon.icon);
    EXPECT_TRUE(IconShown(window_.Get()));
}

}  // namespace
