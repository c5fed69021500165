// The demo skins of the repository load with every feature they are there to
// show: the nine-piece frame, overlay, separator pieces, six-state close
// button, own arrows, shadowed fonts and the transparent colour (Aurora), and
// the older format (Washi).
#include <gtest/gtest.h>

#include <string>

#include "base/settings_store.h"
#include "skin/core/skin_words.h"
#include "skin/skin_info.h"
#include "skin/skin_loader.h"
#include "skin_fixture.h"

namespace {

// The repository's skins folder, through the drive Wine maps the root to.
std::string RepositorySkin(const char* name) {
    std::string path = __FILE__;
    path = path.substr(0, path.find("/tests/win/skin/"));
    std::string out = "Z:";
    for (char c : path + "/skins/" + name) out += c == '/' ? '\\' : c;
    return out;
}

class DemoSkinTest : public SkinTest {
public:
    // Copies the skin onto drive C, where the tests keep their files.
    void CopyDemo(const char* name) {
        const std::string from = RepositorySkin(name);
        WriteSkin(name, "");
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((from + "\\*").c_str(), &data);
        ASSERT_NE(find, INVALID_HANDLE_VALUE) << from;
        do {
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            const std::string to = skinRoot_ + "\\" + name + "\\" + data.cFileName;
            ASSERT_TRUE(CopyFileA((from + "\\" + data.cFileName).c_str(), to.c_str(), FALSE)) << data.cFileName;
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
};

bool HasPicture(const SkinImage& slot) { return slot.dc && slot.bitmap && slot.width > 0 && slot.height > 0; }

TEST_F(DemoSkinTest, AuroraShowsEveryFormat2Feature) {
    CopyDemo("Aurora");
    ClearOption(gSettings.optionFlags, kOptCustomDesign);
    Apply("Aurora");
    ASSERT_EQ(Refusals(), 0);
    ASSERT_EQ(gSkin.kind, kSkinFormat2);
    for (int slot = 0; slot < kSkinSlotCount; ++slot) {
        EXPECT_TRUE(HasPicture(gSkin.panelImages.images[slot])) << "panel " << slot;
        if (slot != kSlotOverlay) {
            EXPECT_TRUE(HasPicture(gSkin.selectImages.images[slot])) << "cursor " << slot;
        }
    }
    EXPECT_TRUE(HasPicture(gSkin.separatorLeft));
    EXPECT_TRUE(HasPicture(gSkin.separatorMiddle));
    EXPECT_TRUE(HasPicture(gSkin.separatorRight));
    EXPECT_TRUE(gSkin.hasTransparentColor);
    EXPECT_EQ(gSkin.transparentColor, RGB(255, 0, 255));
    // Rounded corners: cut out of the frame and masked out of the cursor.
    EXPECT_EQ(GetPixel(gSkin.panelImages.images[kSlotTopLeft].dc, 0, 0), RGB(255, 0, 255));
    EXPECT_EQ(GetPixel(gSkin.selectImages.images[kSlotTopLeft].dc, 0, 0), RGB(255, 0, 255));
    EXPECT_TRUE(gSkin.resizeFlags & kMaskedSelection);
    EXPECT_TRUE(gSkin.resizeFlags & kMaskedPanelOverlay);
    // Six close states of 18 pixels.
    ASSERT_TRUE(gSkin.closeDc);
    BITMAP close{};
    GetObjectA(gSkin.closeBitmap, sizeof close, &close);
    EXPECT_EQ(gSkin.closeWidth, 18);
    EXPECT_EQ(close.bmWidth, 6 * 18);
    EXPECT_EQ(gSkin.arrowWidth, 10);
    EXPECT_EQ(ArrowImageCount(), 4);
    for (const SkinFont* font : {&gSkin.selectedItemFont, &gSkin.otherItemFont}) {
        EXPECT_EQ(font->flags & (kFontSpecified | kFontHasShadow), kFontSpecified | kFontHasShadow);
        EXPECT_TRUE(font->font);
    }
    EXPECT_EQ(gSkin.selectedItemFont.logFont.lfWeight, FW_BOLD);
    // The rows fit between the title band and the bottom edge, with the
    // cursor on the middle row.
    EXPECT_EQ(gSkin.selectTop, gSkin.itemTop + gSkin.itemCount / 2 * gSkin.itemHeight);
    EXPECT_LE(gSkin.itemTop + gSkin.itemCount * gSkin.itemHeight,
              gSkin.panelHeight - gSkin.panelImages.images[kSlotBottomMiddle].height);
    EXPECT_GE(gSkin.itemTop, gSkin.panelImages.images[kSlotTopMiddle].height);
}

TEST_F(DemoSkinTest, AuroraInactiveFramesDifferFromTheActiveOnes) {
    CopyDemo("Aurora");
    Apply("Aurora");
    ASSERT_EQ(gSkin.kind, kSkinFormat2);
    const SkinImage& top = gSkin.panelImages.images[kSlotTopMiddle];
    const int y = top.height / 2;
    EXPECT_NE(GetPixel(top.dc, 0, y), GetPixel(top.dc, top.width, y));
    const SkinImage& cursor = gSkin.selectImages.images[kSlotBackground];
    EXPECT_NE(GetPixel(cursor.dc, 0, 2), GetPixel(cursor.dc, cursor.width, 2));
}

TEST_F(DemoSkinTest, WashiIsAnOlderFormatSkinSizedByItsPictures) {
    CopyDemo("Washi");
    Apply("Washi");
    ASSERT_EQ(Refusals(), 0);
    ASSERT_EQ(gSkin.kind, kSkinOldFormat);
    EXPECT_EQ(gSkin.resizeFlags & 7u, kResizeVertical);
    EXPECT_EQ(gSkin.panelWidth, 190);
    EXPECT_EQ(gSkin.panelHeight, 26 + 10 + 214);
    EXPECT_EQ(gSkin.selectWidth, 176);
    EXPECT_EQ(gSkin.selectHeight, 22);
    EXPECT_EQ(gSkin.closeWidth, 16);  // four states
    EXPECT_EQ(gSkin.arrowWidth, 8);
    EXPECT_EQ(ArrowImageCount(), 4);
    EXPECT_TRUE(gSkin.hasTransparentColor);
    EXPECT_TRUE(gSkin.resizeFlags & kMaskedSelection);
    EXPECT_EQ(gSkin.selectedItemFont.color, RGB(255, 255, 255));
    EXPECT_EQ(gSkin.otherItemFont.color, RGB(0x3A, 0x2A, 0x1A));
    EXPECT_EQ(gSkin.selectTop, gSkin.itemTop + gSkin.itemCount / 2 * gSkin.itemHeight);
    EXPECT_TRUE(HasPicture(gSkin.panelImages.images[kSlotBackground]));
    EXPECT_TRUE(HasPicture(gSkin.panelImages.images[kSlotTopMiddle]));
    EXPECT_TRUE(HasPicture(gSkin.panelImages.images[kSlotBottomMiddle]));
    EXPECT_TRUE(HasPicture(gSkin.selectImages.images[kSlotBackground]));
}

}  // namespace
