// The whole rebuild on a real window: the standard looks and the demo skins
// drawn in the back buffer, and the refresh command run twice.
#include <cstring>
#include <string>
#include <vector>

#include "base/program_windows.h"
#include "base/settings_store.h"
#include "message_boxes.h"
#include "skin/skin_list.h"
#include "temp_folder.h"
#include "view/panel_draw.h"
#include "view/panel_rebuild.h"
#include "view/view_state.h"
#include "view_fixture.h"

namespace {

// The repository's skins folder, through the drive Wine maps the root to.
std::string DemoSkins() {
    std::string path = __FILE__;
    path = path.substr(0, path.find("/tests/win/view/"));
    std::string out = "Z:";
    for (char c : path + "/skins") out += c == '/' ? '\\' : c;
    return out;
}

class LooksTest : public ViewTest {
public:
    void SetUp() override {
        ViewTest::SetUp();
        std::memset(&gSkin, 0, sizeof gSkin);
        folder_.MakeFolder("shortcuts");
        for (const char* name : {"alpha", "beta", "gamma", "a rather long shortcut name that is cut off"})
            folder_.Write(std::string("shortcuts\\") + name + ".url",
                          "[InternetShortcut]\r\nURL=http://localhost/\r\n");
        folder_.MakeFolder("shortcuts\\tools");
        folder_.Write("shortcuts\\tools\\inner.url", "[InternetShortcut]\r\nURL=http://localhost/\r\n");
        folder_.Write("shortcuts\\shortcut.ini", "beta.url\r\n/separator/\r\ntools\r\n");
        lstrcpynA(gSettings.shortcutFolder, folder_.File("shortcuts").c_str(), kPathSize);
        lstrcpynA(gSettings.skinFolder, DemoSkins().c_str(), kPathSize);
        gSettings.skinName[0] = '\0';
        gSettings.openFolder[0] = '\0';
        gSettings.savedItemCount = gSettings.savedPanelWidth = 0;
        SetOption(kOptFoldersInPanel, true);
        SetOption(kOptFolderArrow, true);
    }
    void TearDown() override {
        ReleaseItems();
        ViewTest::TearDown();
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const PanelItem* p = gItems.head; p; p = p->next) names.push_back(p->name);
        return names;
    }

    // The cursor in the back buffer is the selection surface's variant: compare
    // a column near its left edge, where no text is drawn.
    void ExpectCursorOnRow(int row, bool active) {
        const int top = gSkin.selectTop + (row - gSkin.itemCount / 2) * gSkin.itemHeight;
        const int sx = active ? 0 : gSkin.selectWidth;
        int compared = 0;
        for (int y = 1; y < gSkin.selectHeight - 1; ++y) {
            const COLORREF want = GetPixel(gPanel.selection.dc, sx + 1, y);
            if ((gSkin.resizeFlags & kMaskedSelection) && SameRgb(want, gSkin.transparentColor)) continue;
            ASSERT_TRUE(SameRgb(Pixel(gSkin.selectLeft + 1, top + y), want)) << "row " << row << " y " << y;
            ++compared;
        }
        EXPECT_GT(compared, 0);
    }

    TempFolder folder_;
};

TEST_F(LooksTest, VisualStyleLookDrawsFrameCursorAndRows) {
    BuildItems(window_);
    RedrawPanel(window_);
    SaveBackBuffer("look-themed");
    EXPECT_TRUE(gSkin.kind == kSkinThemed || gSkin.kind == kSkinClassic);
    EXPECT_EQ(gPanel.backBuffer.width, 180);
    ExpectCursorOnRow(4, true);
    EXPECT_GT(CountNot(RowTextRect(4), gSkin.selectBackColor), 20);  // the first item's text and icon
    gMarkers.active = 0;
    RedrawPanel(window_);
    SaveBackBuffer("look-themed-inactive");
    ExpectCursorOnRow(4, false);
}

TEST_F(LooksTest, ClassicLookWithOptionFortyOne) {
    SetOption(kOptNoVisualStyle, true);
    BuildItems(window_);
    EXPECT_EQ(gSkin.kind, kSkinClassic);
    gView.cursorRow = 2;
    RedrawPanel(window_);
    SaveBackBuffer("look-classic");
    ExpectCursorOnRow(2, true);
    SetOption(kOptNoVisualStyle, false);
}

TEST_F(LooksTest, DemoSkinsDrawTheirCursorOnTheCursorRow) {
    ASSERT_GE(SkinCount(), 0);
    for (const char* name : {"Aurora", "Washi"}) {
        lstrcpynA(gSettings.skinName, name, kPathSize);
        BuildItems(window_);
        ASSERT_TRUE(gSkin.kind == kSkinFormat2 || gSkin.kind == kSkinOldFormat) << name << " did not load";
        gMarkers.active = 1;
        gView.cursorRow = gSkin.itemCount / 2;
        RedrawPanel(window_);
        SaveBackBuffer((std::string("skin-") + name).c_str());
        ExpectCursorOnRow(gSkin.itemCount / 2, true);
        gView.cursorRow = 1;
        RedrawPanel(window_);
        ExpectCursorOnRow(1, true);
        gMarkers.active = 0;
        RedrawPanel(window_);
        SaveBackBuffer((std::string("skin-") + name + "-inactive").c_str());
        ExpectCursorOnRow(1, false);
    }
}

TEST_F(LooksTest, AListedSkinThatCannotBeUsedIsToldOnceAndTheStandardLookDrawn) {
    // No arrow image: the loader refuses the skin.
    folder_.MakeFolder("skins");
    folder_.MakeFolder("skins\\broken");
    folder_.Write("skins\\broken\\skin.ini",
                  "[Info]\r\nVersion=2.0\r\n[Panel]\r\nWidth=300\r\nBackground=b.bmp\r\n[Item]\r\nCount=3\r\n");
    lstrcpynA(gSettings.skinFolder, folder_.File("skins").c_str(), kPathSize);
    lstrcpynA(gSettings.skinName, "broken", kPathSize);
    MessageBoxCatcher boxes;
    BuildItems(window_);
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.text(), "スキンのロードに失敗しました。\n標準のスキンを使用します。");
    EXPECT_EQ(boxes.caption(), "Tovel panel");
    EXPECT_TRUE(gSkin.kind == kSkinThemed || gSkin.kind == kSkinClassic);
    EXPECT_EQ(gPanel.backBuffer.width, 180);
}

TEST_F(LooksTest, RefreshTwiceGivesTheSameListLookAndOpenFolder) {
    lstrcpynA(gSettings.openFolder, "tools", kPathSize);
    BuildItems(window_);
    const std::vector<std::string> once = Names();
    ASSERT_GE(once.size(), 6u);
    EXPECT_EQ(once[0], "beta");
    EXPECT_EQ(once[2], "tools");
    EXPECT_EQ(once[3], "inner");  // the folder opened again
    const int kind = gSkin.kind;
    RefreshPanel(window_);
    RefreshPanel(window_);
    EXPECT_EQ(Names(), once);
    EXPECT_EQ(gSkin.kind, kind);
    EXPECT_STREQ(gSettings.openFolder, "tools");
    EXPECT_TRUE(gRebuild.built);
    EXPECT_NE(gPanel.backBuffer.dc, nullptr);
    // Without kOptFoldersInPanel the open folder is forgotten.
    SetOption(kOptFoldersInPanel, false);
    RefreshPanel(window_);
    EXPECT_STREQ(gSettings.openFolder, "");
}

TEST_F(LooksTest, SavedRowCountGrowsAResizableLook) {
    BuildItems(window_);
    const int height = gSkin.panelHeight, selectTop = gSkin.selectTop;
    ASSERT_EQ(gSkin.itemCount, 9);
    gSettings.savedItemCount = 12;
    RefreshPanel(window_);
    EXPECT_EQ(gSkin.itemCount, 12);
    EXPECT_EQ(gSkin.panelHeight, height + 3 * gSkin.itemHeight);
    EXPECT_EQ(gSkin.selectTop, selectTop + gSkin.itemHeight);
    RECT wr;
    GetWindowRect(window_, &wr);
    EXPECT_EQ(wr.bottom - wr.top, gSkin.panelHeight);
    gSettings.savedItemCount = 0;
}

}  // namespace
