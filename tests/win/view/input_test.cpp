// Input turned into behaviour, called as the window procedure calls it: keys
// and clicks on the panel.
#include <string>

#include "base/settings_store.h"
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

}  // namespace
