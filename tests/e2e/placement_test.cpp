// Where the real Korvane.exe shows its panel when the remembered position
// lies on no monitor (one unplugged, or a smaller resolution since).
#include <gtest/gtest.h>

#include <string>

#include "driver.h"

namespace {

constexpr char kNoFlags[] = "00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00";

TEST(Placement, APositionOffEveryMonitorShowsThePanelOnScreen) {
    KorvaneRun run;
    const TempFolder& f = run.Folder();
    f.MakeFolder("shortcuts");
    f.Write("shortcuts\\one.url", "[InternetShortcut]\r\nURL=http://localhost/\r\n");
    // No flags: both groups place the panel where it was shown last.
    run.WriteIni("[Window]\r\nLeft=5000\r\nTop=5000\r\nLeft2=5000\r\nTop2=5000\r\n[General]\r\nShortcut=" +
                 f.File("shortcuts") + "\r\nNFlags=" + kNoFlags + "\r\n");
    ASSERT_TRUE(run.Start());
    ASSERT_EQ(run.RunAgain("/h"), 1);
    ASSERT_TRUE(WaitFor([&] { return ReadWindow(run.Panel()).visible; }));

    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const RECT r = ReadWindow(run.Panel()).rect;
    EXPECT_GE(r.left, work.left);
    EXPECT_GE(r.top, work.top);
    EXPECT_LE(r.right, work.right);
    EXPECT_LE(r.bottom, work.bottom);
    EXPECT_EQ(GetAncestor(WindowFromPoint(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}), GA_ROOT),
              run.Panel());
    if (HasFailure()) SaveScreenshot(f.File("failure.bmp"));
    EXPECT_EQ(run.Close(), 0);
}

}  // namespace
