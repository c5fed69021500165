// Desktop, taskbar and process queries against real windows and processes.
#include "activation/desktop_windows.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "win/activation/standin_windows.h"

namespace {

TEST(DesktopWindows, TheIconListAndItsChildrenAreDesktopButNotTheShellView) {
    StandinDesktop desktop;
    EXPECT_EQ(FindDesktopShellView(), desktop.view);
    EXPECT_EQ(FindDesktopListView(), desktop.list);
    EXPECT_TRUE(IsDesktopWindow(desktop.list));
    HWND header = MakeWindow("KorvaneTestChild", "", desktop.list, WS_CHILD, 0, 0, 5, 5);
    EXPECT_TRUE(IsDesktopWindow(header));
    HWND margin = MakeWindow("KorvaneTestChild", "", desktop.view, WS_CHILD, 0, 0, 5, 5);
    EXPECT_TRUE(IsDesktopWindow(margin));
    EXPECT_FALSE(IsDesktopWindow(desktop.view));
    EXPECT_FALSE(IsDesktopWindow(desktop.top));
    HWND other = MakeWindow("KorvaneTestTop", "other", nullptr, WS_POPUP, 0, 0, 5, 5);
    EXPECT_FALSE(IsDesktopWindow(other));
    EXPECT_FALSE(IsDesktopWindow(nullptr));
    DestroyWindow(other);
}

TEST(DesktopWindows, WithoutProgmanThereIsNoDesktop) {
    StandinDesktop desktop(false);
    EXPECT_EQ(FindDesktopShellView(), nullptr);
    EXPECT_EQ(FindDesktopListView(), nullptr);
    EXPECT_FALSE(IsDesktopWindow(desktop.list));
}

TEST(DesktopWindows, AViewUnderAnotherTopLevelWindowIsFoundAndOnlyItsListCounts) {
    StandinDesktop elsewhere(false);
    // An empty "Progman" as the desktop's top window, the view hung elsewhere.
    HWND progman = MakeWindow("Progman", "Program Manager", nullptr, WS_POPUP, 500, 0, 10, 10);
    EXPECT_EQ(FindDesktopShellView(), nullptr);
    EXPECT_EQ(FindDesktopListView(), elsewhere.list);
    EXPECT_TRUE(IsDesktopWindow(elsewhere.list));
    HWND child = MakeWindow("KorvaneTestChild", "", elsewhere.list, WS_CHILD, 0, 0, 5, 5);
    EXPECT_FALSE(IsDesktopWindow(child));
    DestroyWindow(progman);
}

TEST(DesktopWindows, TheDesktopIsLookedUpAfreshOnEveryCall) {
    HWND list = nullptr;
    {
        StandinDesktop first;
        list = first.list;
        EXPECT_TRUE(IsDesktopWindow(list));
    }
    EXPECT_FALSE(IsDesktopWindow(list));
    StandinDesktop second;
    EXPECT_TRUE(IsDesktopWindow(second.list));
}

TEST(DesktopWindows, ATaskbarWithATitleIsNotTheTaskbar) {
    HWND titled = MakeWindow("Shell_TrayWnd", "not the taskbar", nullptr, WS_POPUP, 0, 0, 5, 5);
    EXPECT_NE(FindTaskbarWindow(), titled);
    HWND untitled = MakeWindow("Shell_TrayWnd", "", nullptr, WS_POPUP, 0, 0, 5, 5);
    HWND found = FindTaskbarWindow();
    ASSERT_NE(found, nullptr);
    char cls[64] = "", title[64] = "x";
    GetClassNameA(found, cls, sizeof cls);
    GetWindowTextA(found, title, sizeof title);
    EXPECT_STREQ(cls, "Shell_TrayWnd");
    EXPECT_STREQ(title, "");
    DestroyWindow(untitled);
    DestroyWindow(titled);
}

TEST(TopLevelWindow, FollowsParentsAndOwners) {
    HWND top = MakeWindow("KorvaneTestTop", "top", nullptr, WS_POPUP, 0, 0, 50, 50);
    HWND child = MakeWindow("KorvaneTestChild", "", top, WS_CHILD, 0, 0, 20, 20);
    HWND grandchild = MakeWindow("KorvaneTestChild", "", child, WS_CHILD, 0, 0, 5, 5);
    HWND owned = MakeWindow("KorvaneTestTop", "owned", top, WS_POPUP, 0, 0, 5, 5);
    EXPECT_EQ(GetTopLevelWindow(grandchild), top);
    EXPECT_EQ(GetTopLevelWindow(child), top);
    EXPECT_EQ(GetTopLevelWindow(owned), top);
    EXPECT_EQ(GetTopLevelWindow(top), top);
    DestroyWindow(owned);
    DestroyWindow(top);
}

TEST(WindowProcessPath, OwnWindowGivesThisProgramsPath) {
    HWND window = MakeWindow("KorvaneTestTop", "path", nullptr, WS_POPUP, 0, 0, 5, 5);
    char path[MAX_PATH] = "", own[MAX_PATH] = "";
    ASSERT_EQ(GetWindowProcessPath(window, path, sizeof path), 1);
    GetModuleFileNameA(nullptr, own, sizeof own);
    EXPECT_EQ(lstrcmpiA(path, own), 0) << path << " / " << own;
    DestroyWindow(window);
}

TEST(WindowProcessPath, AnotherProcessesWindowGivesItsExecutable) {
    // The shell's taskbar belongs to the explorer process.
    HWND taskbar = FindTaskbarWindow();
    if (!taskbar) GTEST_SKIP() << "no taskbar in this session";
    char path[MAX_PATH] = "";
    ASSERT_EQ(GetWindowProcessPath(taskbar, path, sizeof path), 1);
    CharLowerA(path);
    EXPECT_NE(std::string(path).find("explorer.exe"), std::string::npos) << path;
}

TEST(WindowProcessPath, NoWindowGivesNothingAndAShortBufferIsCut) {
    char path[MAX_PATH] = "stale";
    EXPECT_EQ(GetWindowProcessPath(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF0)), path, sizeof path), 0);
    EXPECT_STREQ(path, "");
    HWND window = MakeWindow("KorvaneTestTop", "path", nullptr, WS_POPUP, 0, 0, 5, 5);
    char small[8];
    GetWindowProcessPath(window, small, sizeof small);
    EXPECT_LT(std::strlen(small), sizeof small);
    DestroyWindow(window);
}

TEST(IsNtPlatform, ThisSystemIsOfTheNtFamily) { EXPECT_TRUE(IsNtPlatform()); }

}  // namespace
