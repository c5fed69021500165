// The About box from its real resource, looked at while it is open.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "options/about_box.h"
#include "resources/resource.h"
#include "base/program_windows.h"
#include "base/window_helpers.h"
#include "sheet_driver.h"
#include "version.h"
#include "menu_capture.h"

namespace {

TEST(AboutBox, NamesTheProgramAndItsVersionAndLinksTheGuide) {
    DialogDriver driver({[] {
                             HWND box = FindDialog("Tovel panel のバージョン情報");
                             if (!box) return false;
                             // Activation requests go to the box while it is open.
                             EXPECT_EQ(gMarkers.modalOpen, 1);
                             EXPECT_EQ(gMarkers.modalDialog, box);
                             LOGFONTA font{};
                             GetObjectA(
                                 reinterpret_cast<HFONT>(SendDlgItemMessageA(box, IDC_ABOUT_NAME, WM_GETFONT, 0, 0)),
                                 sizeof font, &font);
                             EXPECT_EQ(font.lfWeight, 800);
                             EXPECT_NE(ItemText(box, IDC_ABOUT_VERSION).find(KORVANE_VERSION_TEXT), std::string::npos);
                             // The link names the user guide that lies beside the program.
                             char exe[MAX_PATH];
                             GetModuleFileNameA(nullptr, exe, sizeof exe);
                             std::string guide = exe;
                             guide = guide.substr(0, guide.find_last_of('\\') + 1) + ItemText(box, IDC_ABOUT_LINK);
                             EXPECT_NE(GetFileAttributesA(guide.c_str()), INVALID_FILE_ATTRIBUTES) << guide;

                             // The hand over the link.
                             HWND link = GetDlgItem(box, IDC_ABOUT_LINK);
                             EXPECT_TRUE(SendMessageA(box, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                                                      MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
                             EXPECT_EQ(GetCursor(), HandCursor());
                             return true;
                         },
                         [] {
                             // The link is drawn in its own blue, once the box is on the screen.
                             HWND box = FindDialog("Tovel panel のバージョン情報");
                             RECT r;
                             GetWindowRect(GetDlgItem(box, IDC_ABOUT_LINK), &r);
                             HDC screen = GetDC(nullptr);
                             int blue = 0;
                             for (int y = r.top; y < r.bottom; ++y)
                                 for (int x = r.left; x < r.right; ++x)
                                     blue += GetPixel(screen, x, y) == RGB(64, 64, 255);
                             ReleaseDC(nullptr, screen);
                             if (blue < 10) return false;
                             GetWindowRect(box, &r);
                             CaptureScreen(ShotPath("options_about.bmp"), r);
                             PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
                             return true;
                         }});
    EXPECT_EQ(RunAboutBox(nullptr), 1);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(gMarkers.modalOpen, 0);
    EXPECT_EQ(gMarkers.modalDialog, nullptr);
}

}  // namespace
