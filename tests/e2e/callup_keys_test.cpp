// The key bindings of the shown panel in the real Korvane.exe: which binding
// wins when two share a key, and when an item's accelerator starts it.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "callup_support.h"
#include "driver.h"
#include "standins/standin_process.h"

namespace {

class CallUpKeys : public testing::Test {
protected:
    // Twelve shortcuts to cmd.exe that leave ran_NN.txt behind; the one at
    // index `accelerated` is named with "&A", the others have no accelerator.
    void MakeShortcuts(int accelerated) {
        const std::string shortcuts = run_.Folder().MakeFolder("shortcuts");
        markers_ = run_.Folder().MakeFolder("markers");
        std::string order;
        for (int i = 0; i < 12; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, i == accelerated ? "%02d &Apps" : "%02d", i);
            MakeShortcut(shortcuts + "\\" + name + ".lnk", "C:\\windows\\system32\\cmd.exe",
                         "/c echo ran> " + markers_ + "\\ran_" + std::to_string(i) + ".txt");
            order += std::string(name) + ".lnk\r\n";
        }
        run_.Folder().Write("shortcuts\\shortcut.ini", order);
        shortcuts_ = shortcuts;
    }
    // Three rows with the cursor on the middle one: items 11, 0 and 1 are shown.
    void Start(const std::string& flags, const std::string& keys = "") {
        run_.WriteIni(
            "[Window]\r\nLeft=200\r\nTop=100\r\nLeft2=200\r\nTop2=100\r\n[General]\r\nShortcut=" + shortcuts_ +
            "\r\nIconIndex=0\r\nItemCount=3\r\nScrollSpeed=1\r\nNFlags=" + flags + "\r\n" + "[Key]\r\n" + keys);
        ASSERT_TRUE(StartAndSettle(run_));
        ASSERT_EQ(run_.RunAgain("/h"), 1);
        ASSERT_TRUE(WaitFor([&] { return ReadWindow(run_.Panel()).visible; }));
        Sleep(150);
    }
    bool Ran(int i) const { return run_.Folder().Exists("markers\\ran_" + std::to_string(i) + ".txt"); }
    void Key(WORD vk) {
        PressKey(vk);
        Sleep(200);
    }

    KorvaneRun run_;
    std::string shortcuts_, markers_;
};

// Keys typed on the X keyboard, not injected inside Wine, with the pointer
// away from the panel: they reach it only when the X focus followed the show.
TEST_F(CallUpKeys, KeysTypedOnTheXKeyboardReachAPanelShownByASecondStart) {
    MakeShortcuts(-1);
    // Off the Wine desktop, where only an X focus given to the panel helps.
    ASSERT_TRUE(Xdotool("mousemove 1200 850"));
    Start(FlagText({kOptMousePlace, kOptMousePlaceAtCursor, kOptFoldersInPanel}));
    ASSERT_TRUE(Xdotool("key Down"));
    ASSERT_TRUE(Xdotool("key Down"));
    Sleep(300);
    EXPECT_TRUE(ReadWindow(run_.Panel()).visible);
    EXPECT_EQ(run_.Close(), 0);
    const std::string ini = run_.ReadIni();
    EXPECT_NE(ini.find("IconIndex=2\r\n"), std::string::npos) << ini;
}

TEST_F(CallUpKeys, AKeyBoundToUpAndCloseClosesThePanel) {
    MakeShortcuts(-1);
    Start(FlagText({kOptMousePlace, kOptMousePlaceAtCursor, kOptFoldersInPanel}),
          "Up=75\r\nClose=75\r\n");  // both on K
    Key('K');
    EXPECT_TRUE(WaitFor([&] { return !ReadWindow(run_.Panel()).visible; }));
    EXPECT_TRUE(run_.Running());
    EXPECT_EQ(run_.Close(), 0);
}

TEST_F(CallUpKeys, AcceleratorStartsAnItemShownInARowWithFlag42) {
    MakeShortcuts(1);  // on the row below the cursor
    Start(FlagText({kOptMousePlace, kOptMousePlaceAtCursor, kOptFoldersInPanel, kOptAccelerators}));
    Key('A');
    EXPECT_TRUE(WaitFor([&] { return Ran(1); }));
    EXPECT_FALSE(Ran(0));
    EXPECT_EQ(run_.Close(), 0);
}

TEST_F(CallUpKeys, AcceleratorOfAnItemOffThePanelDoesNothing) {
    MakeShortcuts(6);  // rows show 11, 0 and 1
    Start(FlagText({kOptMousePlace, kOptMousePlaceAtCursor, kOptFoldersInPanel, kOptAccelerators}));
    Key('A');
    Sleep(800);
    EXPECT_FALSE(Ran(6));
    EXPECT_TRUE(ReadWindow(run_.Panel()).visible);
    EXPECT_EQ(run_.Close(), 0);
}

TEST_F(CallUpKeys, AcceleratorsNeedFlag42) {
    MakeShortcuts(1);
    Start(FlagText({kOptMousePlace, kOptMousePlaceAtCursor, kOptFoldersInPanel}));
    Key('A');
    Sleep(800);
    EXPECT_FALSE(Ran(1));
    EXPECT_EQ(run_.Close(), 0);
}

TEST_F(CallUpKeys, FolderKeysWithoutFlag21AreNotAccelerators) {
    MakeShortcuts(1);
    // Expand bound to A, folders not opening in the panel: A does nothing at all.
    Start(FlagText({kOptMousePlace, kOptMousePlaceAtCursor, kOptAccelerators}), "Expand=65\r\n");
    Key('A');
    Sleep(800);
    EXPECT_FALSE(Ran(1));
    EXPECT_TRUE(ReadWindow(run_.Panel()).visible);
    EXPECT_EQ(run_.Close(), 0);
}

}  // namespace
