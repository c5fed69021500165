// The panel on screen with the real Korvane.exe: a skin's size and shape, the
// cursor row, the border hit test, and the refresh command run twice.
#include <gtest/gtest.h>

#include <string>

#include "driver.h"

namespace {

constexpr char kNoFlags[] = "00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00";
constexpr UINT kRefreshCommand = 40005;

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c & 0xFFFFFF;
}

class PanelView : public testing::Test {
protected:
    void StartWith(const std::string& skin) {
        const TempFolder& f = run_.Folder();
        f.MakeFolder("shortcuts");
        for (const char* name : {"one", "two", "three"})
            f.Write(std::string("shortcuts\\") + name + ".url", "[InternetShortcut]\r\nURL=http://localhost/\r\n");
        f.MakeFolder("skins");
        if (!skin.empty()) CopyFolder(RepositorySkin(skin.c_str()), f.File("skins\\" + skin));
        run_.WriteIni(
            "[Window]\r\nLeft=200\r\nTop=150\r\nLeft2=200\r\nTop2=150\r\n[General]\r\nShortcut=" + f.File("shortcuts") +
            "\r\nSkinFolder=" + f.File("skins") + "\r\nSkin=" + skin + "\r\nNFlags=" + kNoFlags + "\r\n");
        ASSERT_TRUE(run_.Start());
        ASSERT_EQ(run_.RunAgain("/h"), 1);
        ASSERT_TRUE(WaitFor([&] { return ReadWindow(run_.Panel()).visible; }));
        Sleep(300);
    }
    void TearDown() override {
        if (HasFailure()) SaveScreenshot(run_.Folder().File("failure.bmp"));
        if (run_.Running()) run_.Close();
    }
    KorvaneRun run_;
};

TEST_F(PanelView, SkinSizeShapeAndCursorOnScreen) {
    StartWith("Aurora");
    const WindowState s = ReadWindow(run_.Panel());
    EXPECT_EQ(s.rect.right - s.rect.left, 208);
    EXPECT_EQ(s.rect.bottom - s.rect.top, 274);
    const char* dir = getenv("KORVANE_ARTIFACTS");
    if (dir) {
        CreateDirectoryA(dir, nullptr);
        SaveScreenshot(std::string(dir) + "\\panel-aurora.bmp");
    }
    // The cursor row (Select Top 136, 24 high) differs from the row below it
    // at the cursor's left edge; no magenta key colour reaches the screen.
    const int x = s.rect.left + 12, cursorY = s.rect.top + 136 + 12;
    EXPECT_NE(ScreenPixel(x, cursorY), ScreenPixel(x, cursorY + 48));
    int magenta = 0;
    for (int y = s.rect.top; y < s.rect.bottom; y += 3)
        for (int px = s.rect.left; px < s.rect.right; px += 3) magenta += ScreenPixel(px, y) == RGB(255, 0, 255);
    EXPECT_EQ(magenta, 0);
    // The skin resizes by its right and bottom borders.
    EXPECT_EQ(SendMessageA(run_.Panel(), WM_NCHITTEST, 0, MAKELPARAM(s.rect.right - 1, s.rect.bottom - 1)),
              HTBOTTOMRIGHT);
    EXPECT_EQ(SendMessageA(run_.Panel(), WM_NCHITTEST, 0, MAKELPARAM(s.rect.left + 100, s.rect.bottom - 1)), HTBOTTOM);
    // The close button is a child window with the skin's close size.
    HWND close = GetDlgItem(run_.Panel(), 1001);
    ASSERT_NE(close, nullptr);
    RECT cr;
    GetWindowRect(close, &cr);
    EXPECT_EQ(cr.left - s.rect.left, 182);
    EXPECT_EQ(run_.Close(), 0);
}

TEST_F(PanelView, RefreshTwiceKeepsThePanel) {
    StartWith("Aurora");
    const WindowState before = ReadWindow(run_.Panel());
    SendMessageA(run_.Panel(), WM_COMMAND, kRefreshCommand, 0);
    SendMessageA(run_.Panel(), WM_COMMAND, kRefreshCommand, 0);
    const WindowState after = ReadWindow(run_.Panel());
    EXPECT_TRUE(run_.Running());
    EXPECT_EQ(after.rect.right - after.rect.left, before.rect.right - before.rect.left);
    EXPECT_EQ(after.rect.bottom - after.rect.top, before.rect.bottom - before.rect.top);
    EXPECT_NE(GetDlgItem(run_.Panel(), 1001), nullptr);  // one close button again
    EXPECT_EQ(run_.Close(), 0);
}

TEST_F(PanelView, StandardLookWithoutASkin) {
    StartWith("");
    const WindowState s = ReadWindow(run_.Panel());
    EXPECT_EQ(s.rect.right - s.rect.left, 180);
    EXPECT_EQ(s.rect.bottom - s.rect.top, 2 * GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) + 231);
    const char* dir = getenv("KORVANE_ARTIFACTS");
    if (dir) {
        CreateDirectoryA(dir, nullptr);
        SaveScreenshot(std::string(dir) + "\\panel-standard.bmp");
    }
    EXPECT_EQ(run_.Close(), 0);
}

}  // namespace
