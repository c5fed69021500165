// The panel's main job, driven as a user would: a second start shows it, keys,
// the wheel and clicks move the cursor and start items (shortcuts whose
// targets leave marker files), and the panel hides or the program ends as
// configured.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "driver.h"
#include "input.h"

namespace {

// Flags every case starts from: previous-position placement for other
// activations, cursor at the centre, animated scrolling, folders open in the
// panel, no mouse hook, no fade.
const std::initializer_list<OptionFlag> kBase = {kOptAnimateScroll,  kOptMousePlace,  kOptMousePlaceAtCursor,
                                                 kOptFoldersInPanel, kOptFolderArrow, kOptHandCursor,
                                                 kOptAccelerators,   kOptIndentMedium};

void MouseWheel(int delta) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_WHEEL;
    in.mi.mouseData = static_cast<DWORD>(delta);
    SendInput(1, &in, sizeof in);
}

void ClickAt(POINT screen, DWORD down, DWORD up) {
    PlacePointer(screen.x, screen.y);
    Sleep(50);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = down;
    in[1].mi.dwFlags = up;
    SendInput(2, in, sizeof(INPUT));
}

POINT Centre(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class MainJob : public testing::Test {
protected:
    // A shortcut folder with items 00..count-1, each a shortcut to cmd.exe
    // that writes ran_NN.txt into the markers folder.
    void MakeShortcuts(int count, const std::string& folderLine = "") {
        shortcuts = run.Folder().MakeFolder("shortcuts");
        markers = run.Folder().MakeFolder("markers");
        std::string order;
        for (int i = 0; i < count; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "%02d", i);
            MakeShortcut(shortcuts + "\\" + name + ".lnk", "C:\\windows\\system32\\cmd.exe",
                         "/c echo ran> " + markers + "\\ran_" + name + ".txt");
            if (i == 1 && !folderLine.empty()) order += folderLine + "\r\n";
            order += std::string(name) + ".lnk\r\n";
        }
        run.Folder().Write("shortcuts\\shortcut.ini", order);
    }

    void WriteSettings(const std::string& flags, const std::string& extra = "") {
        run.WriteIni("[Window]\r\nLeft=200\r\nTop=100\r\nLeft2=200\r\nTop2=100\r\n[General]\r\nShortcut=" + shortcuts +
                     "\r\nIconIndex=0\r\nScrollSpeed=1\r\nFadeSpeed=5\r\nNFlags=" + flags + "\r\n" + extra);
    }

    bool ShowByMouse() {
        if (run.RunAgain("/h") != 1) return false;
        const bool shown = WaitFor([&] { return ReadWindow(run.Panel()).visible; });
        Sleep(150);
        return shown;
    }

    bool Ran(int i) const {
        char name[32];
        std::snprintf(name, sizeof name, "markers\\ran_%02d.txt", i);
        return run.Folder().Exists(name);
    }
    bool WaitRan(int i) const {
        return WaitFor([&] { return Ran(i); });
    }
    int RanCount() const {
        int n = 0;
        for (int i = 0; i < 40; ++i) n += Ran(i);
        return n;
    }
    void Key(WORD vk) {
        PressKey(vk);
        Sleep(150);  // longer than a scroll step
    }

    KorvaneRun run;
    std::string shortcuts, markers;
};

TEST_F(MainJob, SlashHShowsThePanelAtTheMouseCursor) {
    MakeShortcuts(3);
    WriteSettings(FlagText(kBase));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(PlacePointer(500, 400));
    ASSERT_TRUE(ShowByMouse());
    const WindowState s = ReadWindow(run.Panel());
    const int width = s.rect.right - s.rect.left;
    EXPECT_EQ(s.rect.left, 500 - width / 2);
    EXPECT_LT(s.rect.top, 400);
    EXPECT_GT(s.rect.bottom, 400);
    EXPECT_EQ(run.Close(), 0);
}

TEST_F(MainJob, KeysAndWheelMoveToTheRightItemAndEnterStartsIt) {
    MakeShortcuts(12);
    WriteSettings(FlagText(kBase));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(ShowByMouse());
    Key(VK_DOWN);  // 1
    Key(VK_NEXT);  // 1 + 5 = 6
    ASSERT_TRUE(PlacePointer(Centre(run.Panel()).x, Centre(run.Panel()).y));
    MouseWheel(-120);  // one notch towards the user: 7
    Sleep(200);
    Key(VK_UP);  // 6
    Key(VK_RETURN);
    ASSERT_TRUE(WaitRan(6));
    EXPECT_EQ(RanCount(), 1);
    EXPECT_TRUE(WaitFor([&] { return !ReadWindow(run.Panel()).visible; }));
    EXPECT_TRUE(run.Running());
    // The current item is remembered for the next start.
    EXPECT_EQ(run.Close(), 0);
    EXPECT_NE(run.ReadIni().find("IconIndex=6"), std::string::npos);
}

TEST_F(MainJob, EscapeAndTheRightButtonHide) {
    MakeShortcuts(3);
    WriteSettings(FlagText(kBase));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(ShowByMouse());
    Key(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !ReadWindow(run.Panel()).visible; }));
    ASSERT_TRUE(ShowByMouse());
    ClickAt(Centre(run.Panel()), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    EXPECT_TRUE(WaitFor([&] { return !ReadWindow(run.Panel()).visible; }));
    EXPECT_TRUE(run.Running());
    EXPECT_EQ(RanCount(), 0);
}

TEST_F(MainJob, Flag47EndsTheProgramWhenThePanelHides) {
    MakeShortcuts(3);
    WriteSettings(
        FlagText({kOptAnimateScroll, kOptMousePlace, kOptMousePlaceAtCursor, kOptFoldersInPanel, kOptExitOnHide}));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(ShowByMouse());
    Key(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !run.Running(); }));
}

TEST_F(MainJob, Flag48EndsTheProgramAfterStartingAnItem) {
    MakeShortcuts(3);
    WriteSettings(
        FlagText({kOptAnimateScroll, kOptMousePlace, kOptMousePlaceAtCursor, kOptFoldersInPanel, kOptExitAfterStart}));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(ShowByMouse());
    Key(VK_RETURN);
    EXPECT_TRUE(WaitRan(0));
    EXPECT_TRUE(WaitFor([&] { return !run.Running(); }));
}

TEST_F(MainJob, Flag21OpensAFolderInsideThePanel) {
    MakeShortcuts(3, "sub");
    run.Folder().MakeFolder("shortcuts\\sub");
    MakeShortcut(shortcuts + "\\sub\\inner.lnk", "C:\\windows\\system32\\cmd.exe",
                 "/c echo ran> " + markers + "\\ran_20.txt");
    WriteSettings(FlagText(kBase));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(ShowByMouse());
    Key(VK_DOWN);    // 00, [sub]: the folder
    Key(VK_RETURN);  // opens inline, nothing starts
    Sleep(300);
    EXPECT_TRUE(ReadWindow(run.Panel()).visible);
    Key(VK_DOWN);  // the folder's first child
    Key(VK_RETURN);
    EXPECT_TRUE(WaitRan(20));
    EXPECT_EQ(RanCount(), 1);
    EXPECT_EQ(run.Close(), 0);
    EXPECT_NE(run.ReadIni().find("OpenFolder=sub"), std::string::npos);
}

TEST_F(MainJob, WithoutFlag21TheShellOpensTheFolder) {
    MakeShortcuts(3, "sub");
    run.Folder().MakeFolder("shortcuts\\sub");
    MakeShortcut(shortcuts + "\\sub\\inner.lnk", "C:\\windows\\system32\\cmd.exe",
                 "/c echo ran> " + markers + "\\ran_20.txt");
    WriteSettings(FlagText({kOptAnimateScroll, kOptMousePlace, kOptMousePlaceAtCursor, kOptFolderArrow}));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(ShowByMouse());
    Key(VK_DOWN);
    Key(VK_RETURN);
    // The panel hides and the shell shows the folder in a window of its own.
    EXPECT_TRUE(WaitFor([&] { return !ReadWindow(run.Panel()).visible; }));
    HWND explorer = nullptr;
    EXPECT_TRUE(WaitFor([&] {
        explorer = FindWindowA(nullptr, "sub");
        if (!explorer) explorer = FindWindowA(nullptr, (shortcuts + "\\sub").c_str());
        return explorer != nullptr;
    }));
    if (explorer) PostMessageA(explorer, WM_CLOSE, 0, 0);
    EXPECT_EQ(RanCount(), 0);
}

TEST_F(MainJob, ABlockedForegroundProgramKeepsThePanelAway) {
    MakeShortcuts(3);
    WriteSettings(
        FlagText({kOptAnimateScroll, kOptMousePlace, kOptBlockedApps, kOptMousePlaceAtCursor, kOptFoldersInPanel}));
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    run.WriteBlockedList(std::string(self) + "\r\n");
    ASSERT_TRUE(run.Start());
    // A window of this test program in the foreground.
    HWND mine = CreateWindowExA(0, "STATIC", "blocked", WS_POPUP | WS_VISIBLE, 10, 10, 100, 50, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(mine, nullptr);
    SetForegroundWindow(mine);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == mine; }, 2000));
    EXPECT_EQ(run.RunAgain("/h"), 1);
    Sleep(500);
    EXPECT_FALSE(ReadWindow(run.Panel()).visible);
    ASSERT_EQ(run.Close(), 0);
    run.Kill();

    // The same request with the list switched off brings the panel up.
    WriteSettings(FlagText({kOptAnimateScroll, kOptMousePlace, kOptMousePlaceAtCursor, kOptFoldersInPanel}));
    ASSERT_TRUE(run.Start());
    SetForegroundWindow(mine);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == mine; }, 2000));
    EXPECT_TRUE(ShowByMouse());
    DestroyWindow(mine);
}

TEST_F(MainJob, InputIsIgnoredWhileTheFadeRuns) {
    MakeShortcuts(3);
    WriteSettings(FlagText({kOptAnimateScroll, kOptMousePlace, kOptFadeIn, kOptMousePlaceAtCursor, kOptFoldersInPanel}),
                  "");
    WritePrivateProfileStringA("General", "FadeSpeed", "40", run.IniPath().c_str());  // two seconds
    ASSERT_TRUE(run.Start());
    ASSERT_EQ(run.RunAgain("/h"), 1);
    ASSERT_TRUE(WaitFor([&] { return ReadWindow(run.Panel()).visible; }));
    PressKey(VK_ESCAPE);
    ClickAt(Centre(run.Panel()), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    Sleep(400);
    EXPECT_TRUE(ReadWindow(run.Panel()).visible) << "a key or click was taken during the fade";
    Sleep(2500);
    Key(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !ReadWindow(run.Panel()).visible; }));
}

}  // namespace

namespace {

TEST_F(MainJob, AnAlwaysShownPanelAppearsAtStartAndStays) {
    MakeShortcuts(3);
    WriteSettings(
        FlagText({kOptAnimateScroll, kOptMousePlace, kOptAlwaysShown, kOptMousePlaceAtCursor, kOptFoldersInPanel}));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(WaitFor([&] { return ReadWindow(run.Panel()).visible; }));
    // Not in the topmost band unless asked to be.
    EXPECT_EQ(GetWindowLongA(run.Panel(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    SetForegroundWindow(run.Panel());
    Sleep(150);
    Key(VK_ESCAPE);
    ClickAt(Centre(run.Panel()), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    Sleep(300);
    EXPECT_TRUE(ReadWindow(run.Panel()).visible);
    EXPECT_EQ(run.Close(), 0);
}

}  // namespace

namespace {

TEST_F(MainJob, AMiddleClickOrWithFlag32ALeftClickStartsTheCurrentItem) {
    MakeShortcuts(3);
    WriteSettings(FlagText({kOptAnimateScroll, kOptMousePlace, kOptMousePlaceAtCursor, kOptFoldersInPanel}));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(ShowByMouse());
    ClickAt(Centre(run.Panel()), MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
    EXPECT_TRUE(WaitRan(0));
    EXPECT_TRUE(WaitFor([&] { return !ReadWindow(run.Panel()).visible; }));
    ASSERT_EQ(run.Close(), 0);
    run.Kill();

    // A single left click starts nothing without kOptSingleClickStarts...
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(ShowByMouse());
    Key(VK_DOWN);
    ClickAt(Centre(run.Panel()), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    Sleep(500);
    EXPECT_FALSE(Ran(1));
    ASSERT_EQ(run.Close(), 0);
    run.Kill();

    // ...and starts the current item with it.
    DeleteFileA((markers + "\\ran_00.txt").c_str());
    WriteSettings(FlagText(
        {kOptAnimateScroll, kOptMousePlace, kOptMousePlaceAtCursor, kOptFoldersInPanel, kOptSingleClickStarts}));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(ShowByMouse());
    ClickAt(Centre(run.Panel()), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(WaitRan(0));
}

}  // namespace
