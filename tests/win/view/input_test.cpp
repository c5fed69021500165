// Input turned into behaviour, called as the window procedure calls it: keys,
// clicks and hotkeys on the panel, starting an item, and the resets of a show.
#include <fstream>
#include <string>

#include "activation/core/activation_key.h"
#include "base/settings_store.h"
#include "keys/hotkeys.h"
#include "shell/panel_window.h"
#include "temp_folder.h"
#include "view/launch.h"
#include "view/panel_visibility.h"
#include "view/selection.h"
#include "view/view_state.h"
#include "view_fixture.h"

namespace {

class InputTest : public ViewTest {
public:
    void SetUp() override {
        ViewTest::SetUp();
        gSettings.keys = kDefaultKeyBindings;
        gSkin.clickLeft = gSkin.clickTop = 0;
        gSkin.clickWidth = gSkin.panelWidth;
        gSkin.clickHeight = gSkin.panelHeight;
    }

    // A top-level folder holding plain items of the given names, loaded.
    PanelItem* AddFolder(const char* name, std::initializer_list<const char*> children) {
        PanelItem item{};
        lstrcpynA(item.name, name, sizeof item.name);
        lstrcpynA(item.path, (std::string("C:\\") + name).c_str(), sizeof item.path);
        item.flags = kItemFolder;
        item.iconIndex = item.openIconIndex = -1;
        PanelItem* folder = AppendItem(&gItems.head, item);
        for (const char* child : children) {
            PanelItem c{};
            lstrcpynA(c.name, child, sizeof c.name);
            c.iconIndex = -1;
            c.parent = folder;
            c.depth = 1;
            AppendItem(&folder->children, c);
        }
        gItems.head->headSlot = &gItems.head;
        return folder;
    }

    bool ClosePosted() {
        MSG msg;
        return PeekMessageA(&msg, window_, WM_CLOSE, WM_CLOSE, PM_REMOVE) != 0;
    }
};

TEST_F(InputTest, WithoutVisibleRowsKeysAndClicksNeitherStartNorOpen) {
    SetOption(kOptFoldersInPanel);
    PanelItem* folder = AddFolder("tools", {"inner"});
    gSkin.itemCount = 0;  // a skin that shows no row
    OnKey(window_, VK_RETURN);
    EXPECT_FALSE(IsOpenFolder(folder)) << "Enter";
    OnKey(window_, VK_RIGHT);
    EXPECT_FALSE(IsOpenFolder(folder)) << "Right";
    OnLaunchClick(window_, POINT{90, 120});
    EXPECT_FALSE(IsOpenFolder(folder)) << "a click";
    gSkin.itemCount = 9;
    OnKey(window_, VK_RETURN);
    EXPECT_TRUE(IsOpenFolder(folder)) << "with rows the same key opens it";
}

TEST_F(InputTest, AStartedItemWorksInItsOwnFolder) {
    TempFolder dir;
    const std::string own = dir.MakeFolder("own");
    const std::string elsewhere = dir.MakeFolder("elsewhere");
    const std::string marker = dir.File("where.txt");
    dir.Write("own\\where.cmd", "@cd > \"" + marker + "\"\r\n");
    AddItems({"where"});
    lstrcpynA(gItems.head->path, (own + "\\where.cmd").c_str(), sizeof gItems.head->path);

    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(elsewhere.c_str());
    EXPECT_EQ(LaunchItem(window_, 0), 1);
    SetCurrentDirectoryA(previous);

    std::string where;
    for (int i = 0; i < 200 && where.empty(); ++i) {
        Sleep(50);
        std::ifstream in(marker);
        std::getline(in, where);
    }
    Sleep(200);  // the command ends before its folder goes
    EXPECT_EQ(lstrcmpiA(where.c_str(), own.c_str()), 0) << where;
}

TEST_F(InputTest, ShowingWithFlags24And21ClosesTheOpenFolderOnIt) {
    SetOption(kOptFoldersInPanel);
    SetOption(kOptCloseFoldersOnShow);
    AddItems({"a", "b"});
    PanelItem* folder = AddFolder("tools", {"x", "y"});
    AddItems({"c", "d", "e"});
    ASSERT_TRUE(OpenFolderItems(folder));
    ASSERT_EQ(ItemCount(gItems.head), 8);
    gView.currentIndex = 3;  // "x", inside the open folder
    Layout();
    ShowPanel(window_, reinterpret_cast<HWND>(-1), false);
    EXPECT_EQ(FindOpenFolder(gItems.head), nullptr);
    EXPECT_EQ(ItemCount(gItems.head), 6);
    EXPECT_EQ(gView.currentIndex, 2);
}

TEST_F(InputTest, PageKeysMoveByHalfTheRowsAndOne) {
    std::vector<std::string> names;
    for (int i = 0; i < 20; ++i) names.push_back("item" + std::to_string(i));
    AddItems(names);
    gView.currentIndex = 10;
    OnKey(window_, VK_PRIOR);
    EXPECT_EQ(gView.currentIndex, 10 - (9 / 2 + 1));
    OnKey(window_, VK_NEXT);
    OnKey(window_, VK_NEXT);
    EXPECT_EQ(gView.currentIndex, 10 + (9 / 2 + 1));
}

TEST_F(InputTest, OnlyTheUsersHotkeyHidesWithTheExitOfFlag47) {
    SetOption(kOptExitOnHide);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    PanelWindowProc(window_, WM_HOTKEY, kHotkeyActivation, MAKELPARAM(0, kActivationKeyCode));
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_FALSE(ClosePosted()) << "a gesture hides the panel silently";
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    PanelWindowProc(window_, WM_HOTKEY, kHotkeyUser, MAKELPARAM(MOD_CONTROL, 'Q'));
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_TRUE(ClosePosted());
}

}  // namespace
