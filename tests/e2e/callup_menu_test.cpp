// The notification icon's popup menu of the real Korvane.exe: opened with
// the icon's right-button message, worked with the keyboard like a user does,
// and its commands' effects seen on the panel window and in korvane.ini.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "callup_support.h"
#include "driver.h"
#include "input.h"

namespace {

constexpr UINT kTrayId = 501;
constexpr UINT kNotifyIcon = 0x8064;
constexpr WORD kSkinNone = 40006, kFirstSkin = 550;

// A 24-bit BMP of one colour.
std::string SolidBmp(int w, int h, COLORREF colour) {
    const int stride = (w * 3 + 3) & ~3;
    std::string body(static_cast<size_t>(stride) * h, '\0');
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            body[y * stride + x * 3] = static_cast<char>(GetBValue(colour));
            body[y * stride + x * 3 + 1] = static_cast<char>(GetGValue(colour));
            body[y * stride + x * 3 + 2] = static_cast<char>(GetRValue(colour));
        }
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(body.size());
    ih.biSize = sizeof ih;
    ih.biWidth = w;
    ih.biHeight = h;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    return std::string(reinterpret_cast<const char*>(&fh), sizeof fh) +
           std::string(reinterpret_cast<const char*>(&ih), sizeof ih) + body;
}

class CallUpMenu : public testing::Test {
protected:
    void SetUp() override {
        skins_ = run_.Folder().MakeFolder("skins");
        WriteSkin("Blue", 120, RGB(40, 60, 160));
        WriteSkin("Green", 160, RGB(40, 160, 60));
        run_.WriteIni(
            "[Window]\r\nLeft=100\r\nTop=120\r\nLeft2=300\r\nTop2=320\r\n[General]\r\n"
            "NFlags=00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00\r\nSkinFolder=" +
            skins_ + "\r\nSkin=Blue\r\nItemCount=7\r\nPanelWidth=333\r\n");
        ASSERT_TRUE(StartAndSettle(run_));
    }

    // A format-2 skin whose panel is width pixels wide.
    void WriteSkin(const std::string& name, int width, COLORREF colour) {
        const std::string folder = "skins\\" + name;
        run_.Folder().MakeFolder(folder);
        run_.Folder().Write(folder + "\\skin.ini",
                            "[Info]\r\nVersion=2.0\r\n[Panel]\r\nWidth=" + std::to_string(width) +
                                "\r\nHeight=200\r\nBackground=back.bmp\r\n"
                                "[Item]\r\nCount=6\r\nLeft=10\r\nTop=20\r\nWidth=" +
                                std::to_string(width - 20) + "\r\nHeight=20\r\n[Arrow]\r\nImage=arrow.bmp\r\n");
        run_.Folder().Write(folder + "\\back.bmp", SolidBmp(16, 16, colour));
        run_.Folder().Write(folder + "\\arrow.bmp", SolidBmp(40, 10, RGB(200, 200, 200)));
    }

    int PanelWidth() const {
        const RECT r = ReadWindow(run_.Panel()).rect;
        return r.right - r.left;
    }
    void Command(WORD id) const { SendMessageA(run_.Panel(), WM_COMMAND, id, 0); }

    // The program's menu window, once it is on the screen.
    HWND OpenMenu(POINT at) const {
        // The menu opens at the cursor; where the program sees the cursor
        // after another process moved it is up to Wine, so only its
        // contents are checked here (the Win32 tests check the position).
        PlacePointer(at.x, at.y);
        PostMessageA(run_.Panel(), kNotifyIcon, kTrayId, WM_RBUTTONUP);
        HWND menu = nullptr;
        WaitFor([&] {
            menu = FindWindowA("#32768", nullptr);
            DWORD pid = 0;
            if (menu) GetWindowThreadProcessId(menu, &pid);
            return menu && pid == run_.ProcessId() && IsWindowVisible(menu);
        });
        Sleep(100);
        return menu;
    }
    static void Keys(const std::vector<WORD>& keys) {
        for (WORD k : keys) {
            PressKey(k);
            Sleep(80);
        }
    }
    static bool MenuGone() {
        HWND menu = FindWindowA("#32768", nullptr);
        return !menu || !IsWindowVisible(menu);
    }

    KorvaneRun run_;
    std::string skins_;
};

TEST_F(CallUpMenu, OpensOwnerDrawnAndEscapeClosesIt) {
    HWND menu = OpenMenu(POINT{500, 420});
    ASSERT_NE(menu, nullptr);
    RECT r;
    GetWindowRect(menu, &r);
    // Seven items and three separators of the owner-drawn menu.
    EXPECT_GE(r.bottom - r.top, 7 * 20 + 3 * 16);
    if (const char* dir = std::getenv("KORVANE_SHOTS")) SaveScreenshot(std::string(dir) + "\\callup_menu.bmp");
    Keys({VK_ESCAPE});
    EXPECT_TRUE(WaitFor(MenuGone));
    EXPECT_TRUE(run_.Running());
    EXPECT_FALSE(ReadWindow(run_.Panel()).visible);
    EXPECT_EQ(run_.Close(), 0);
}

TEST_F(CallUpMenu, ItsFirstItemShowsThePanel) {
    ASSERT_NE(OpenMenu(POINT{500, 420}), nullptr);
    Keys({'P'});
    EXPECT_TRUE(WaitFor([&] { return ReadWindow(run_.Panel()).visible; }));
    EXPECT_EQ(ReadWindow(run_.Panel()).rect.left, 300);
    EXPECT_EQ(run_.Close(), 0);
}

TEST_F(CallUpMenu, ExitEndsTheProgramAndSavesTheSettings) {
    ASSERT_NE(OpenMenu(POINT{500, 420}), nullptr);
    Keys({'X'});
    EXPECT_TRUE(WaitFor([&] { return !run_.Running(); }, 10000));
    EXPECT_NE(run_.ReadIni().find("Skin=Blue"), std::string::npos);
    EXPECT_EQ(run_.Close(), 0);  // already ended: its exit code
}

TEST_F(CallUpMenu, ChoosingASkinFromTheSubMenu) {
    EXPECT_EQ(PanelWidth(), 120);  // Blue's panel
    ASSERT_NE(OpenMenu(POINT{500, 420}), nullptr);
    // "スキン(&S)", then past "なし" and "Blue" to "Green".
    Keys({'S', VK_DOWN, VK_DOWN, VK_RETURN});
    ASSERT_TRUE(WaitFor([&] { return PanelWidth() == 160; })) << PanelWidth();
    EXPECT_EQ(run_.Close(), 0);
    const std::string ini = run_.ReadIni();
    EXPECT_NE(ini.find("Skin=Green\r\n"), std::string::npos) << ini;
    // A chosen skin starts with its own size.
    EXPECT_NE(ini.find("ItemCount=0\r\n"), std::string::npos);
    EXPECT_NE(ini.find("PanelWidth=0\r\n"), std::string::npos);
}

TEST_F(CallUpMenu, SkinCommandsAndNone) {
    Command(kFirstSkin + 1);
    EXPECT_EQ(PanelWidth(), 160);
    Command(kFirstSkin);
    EXPECT_EQ(PanelWidth(), 120);
    Command(kSkinNone);  // the standard look has a width of its own
    EXPECT_NE(PanelWidth(), 120);
    EXPECT_NE(PanelWidth(), 160);
    // A skin number past the list does nothing.
    const int standard = PanelWidth();
    Command(kFirstSkin + 2);
    EXPECT_EQ(PanelWidth(), standard);
    EXPECT_EQ(run_.Close(), 0);
    const std::string ini = run_.ReadIni();
    EXPECT_NE(ini.find("Skin=\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("ItemCount=0\r\n"), std::string::npos);
}

TEST_F(CallUpMenu, RefreshListsASkinAddedMeanwhile) {
    WriteSkin("Zed", 200, RGB(160, 60, 40));
    // Not listed yet: the third skin number does nothing.
    Command(kFirstSkin + 2);
    EXPECT_EQ(PanelWidth(), 120);
    // "最新の情報に更新(&R)" from the menu.
    ASSERT_NE(OpenMenu(POINT{500, 420}), nullptr);
    Keys({'R'});
    ASSERT_TRUE(WaitFor(MenuGone));
    Sleep(300);
    Command(kFirstSkin + 2);
    EXPECT_EQ(PanelWidth(), 200);
    EXPECT_EQ(run_.Close(), 0);
    EXPECT_NE(run_.ReadIni().find("Skin=Zed\r\n"), std::string::npos);
}

}  // namespace
