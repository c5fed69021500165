// korvane.ini read and written through the real profile functions.
#include "base/settings_store.h"

#include "base/core/limits.h"
#include "base/core/text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace {

class SettingsFile : public testing::Test {
protected:
    void SetUp() override {
        std::memset(&s, 0, sizeof s);
        CopyText(s.settingsFile, folder.File("korvane.ini").c_str());
    }
    void Load() {
        const std::string file = s.settingsFile;
        std::memset(&s, 0x77, sizeof s);  // every field must be written by the load
        CopyText(s.settingsFile, file.c_str());
        LoadSettings(s, iconIndex);
    }
    std::vector<int> Flags() const {
        std::vector<int> out;
        for (int n = 0; n < 128; ++n)
            if (IsOptionSet(s.optionFlags, static_cast<OptionFlag>(n))) out.push_back(n);
        return out;
    }
    std::string Value(const char* section, const char* key) const {
        char out[1024];
        GetPrivateProfileStringA(section, key, "<absent>", out, sizeof out, s.settingsFile);
        return out;
    }

    TempFolder folder;
    Settings s;
    int32_t iconIndex = -5;
};

TEST_F(SettingsFile, MissingFileGivesEveryDefault) {
    Load();
    EXPECT_EQ(s.left, 0);
    EXPECT_EQ(s.top, 0);
    EXPECT_EQ(s.left2, 0);
    EXPECT_EQ(s.top2, 0);
    EXPECT_STREQ(s.shortcutFolder, "");
    EXPECT_STREQ(s.openFolder, "");
    EXPECT_EQ(s.legacyFlags, -1);
    EXPECT_EQ(Flags(),
              (std::vector<int>{kOptMousePlace, kOptFadeIn, kOptSecondStartActivates, kOptMousePlaceAtCursor,
                                kOptFoldersInPanel, kOptFolderArrow, kOptMouseActivation, kOptHandCursor,
                                kOptSingleClickStarts, kOptAccelerators, kOptIndentMedium, kOptOtherPlaceAsMouse}));
    EXPECT_EQ(s.hotkey, 0);
    EXPECT_EQ(iconIndex, 0);
    EXPECT_EQ(s.savedItemCount, 0);
    EXPECT_EQ(s.savedPanelWidth, 0);
    EXPECT_EQ(s.scrollSpeed, 1);
    EXPECT_EQ(s.fadeSpeed, 5);
    EXPECT_EQ(s.mouseMode, 0);
    EXPECT_EQ(s.transparencyActive, 0);
    EXPECT_EQ(s.transparencyInactive, 0);
    EXPECT_STREQ(s.skinFolder, "");
    EXPECT_STREQ(s.skinName, "");
    EXPECT_STREQ(s.selectFont, "");
    EXPECT_STREQ(s.unselectFont, "");
    EXPECT_EQ(s.selectSize, 9);
    EXPECT_EQ(s.unselectSize, 9);
    EXPECT_EQ(s.selectStyle, 0);
    EXPECT_EQ(s.unselectStyle, 0);
    EXPECT_EQ(s.selectColor, kColorUnset);
    EXPECT_EQ(s.unselectColor, kColorUnset);
    EXPECT_EQ(s.designIconSize, 16);
    EXPECT_EQ(s.selectBG, kColorUnset);
    EXPECT_EQ(s.selectFrame, kColorUnset);
    EXPECT_EQ(s.background, kColorUnset);
    const uint16_t keys[8] = {s.keys.up,     s.keys.down,     s.keys.pageUp, s.keys.pageDown,
                              s.keys.expand, s.keys.collapse, s.keys.close,  s.keys.execute};
    const uint16_t expected[8] = {38, 40, 33, 34, 39, 37, 27, 13};
    EXPECT_EQ(std::memcmp(keys, expected, sizeof keys), 0);
    for (const auto& f : s.soundFiles) EXPECT_STREQ(f, "");
}

TEST_F(SettingsFile, SavingDefaultsWritesTheSectionsInOrder) {
    Load();
    SaveSettings(s, iconIndex);
    EXPECT_EQ(Value("General", "NFlags"), "30,a0,a0,84,01,04,40,40,00,00,00,00,00,00,00,00");
    EXPECT_EQ(Value("General", "Flags"), "<absent>");
    const std::string text = folder.Read("korvane.ini");
    const char* order[] = {"[Window]", "[General]", "[Transparent]", "[Design]", "[Sound]", "[Key]"};
    size_t last = 0;
    for (const char* section : order) {
        const size_t at = text.find(section);
        ASSERT_NE(at, std::string::npos) << section;
        EXPECT_GE(at, last) << section;
        last = at;
    }
}

void ExpectSameStoredFields(const Settings& a, const Settings& b) {
#define SAME_TEXT(f) EXPECT_STREQ(a.f, b.f) << #f
#define SAME(f) EXPECT_EQ(a.f, b.f) << #f
    SAME_TEXT(shortcutFolder);
    SAME_TEXT(skinName);
    SAME_TEXT(skinFolder);
    SAME_TEXT(openFolder);
    for (int i = 0; i < kSoundEventCount; ++i) SAME_TEXT(soundFiles[i]);
    SAME(left);
    SAME(top);
    SAME(left2);
    SAME(top2);
    EXPECT_EQ(std::memcmp(a.optionFlags, b.optionFlags, sizeof a.optionFlags), 0);
    SAME(mouseMode);
    SAME(hotkey);
    SAME(scrollSpeed);
    SAME(fadeSpeed);
    SAME(transparencyActive);
    SAME(transparencyInactive);
    SAME(keys.up);
    SAME(keys.down);
    SAME(keys.pageUp);
    SAME(keys.pageDown);
    SAME(keys.expand);
    SAME(keys.collapse);
    SAME(keys.close);
    SAME(keys.execute);
    SAME_TEXT(selectFont);
    SAME_TEXT(unselectFont);
    SAME(selectSize);
    SAME(unselectSize);
    SAME(selectStyle);
    SAME(unselectStyle);
    SAME(selectColor);
    SAME(unselectColor);
    SAME(designIconSize);
    SAME(background);
    SAME(selectBG);
    SAME(selectFrame);
    SAME(savedPanelWidth);
    SAME(savedItemCount);
#undef SAME
#undef SAME_TEXT
}

TEST_F(SettingsFile, EveryKeyRoundTrips) {
    Load();
    s.left = -1280;  // a monitor to the left of the primary one
    s.top = 40;
    s.left2 = 7;
    s.top2 = -3;
    CopyText(s.shortcutFolder, "C:\\ショートカット");
    CopyText(s.openFolder, "tools");
    std::memset(s.optionFlags, 0, sizeof s.optionFlags);
    SetOption(s.optionFlags, kOptResetListOnShow);
    SetOption(s.optionFlags, kOptMouseNeedsAlt);
    s.optionFlags[kOptionBytes - 1] = 0x80;  // the top bit, which no flag uses
    s.mouseMode = 10;
    s.hotkey = 0x0651;
    s.scrollSpeed = 12;
    s.fadeSpeed = 0;
    s.transparencyActive = 30;
    s.transparencyInactive = 80;
    s.keys.up = 'K';
    s.keys.execute = VK_SPACE;
    CopyText(s.selectFont, "Tahoma");
    CopyText(s.unselectFont, "ＭＳ ゴシック");
    s.selectSize = 11;
    s.unselectSize = 8;
    s.selectStyle = kStyleBold | kStyleItalic;
    s.unselectStyle = kStyleUnderline;
    s.selectColor = 0x00123456;
    s.unselectColor = kColorUnset;
    s.designIconSize = 32;
    s.background = 0x00FFFFFF;
    s.selectBG = 0;
    s.selectFrame = 0x000000FF;
    s.savedPanelWidth = 240;
    s.savedItemCount = 11;
    CopyText(s.skinFolder, "C:\\skins");
    CopyText(s.skinName, "Blue");
    for (int i = 0; i < kSoundEventCount; ++i) s.soundFiles[i][0] = static_cast<char>('a' + i), s.soundFiles[i][1] = 0;
    SaveSettings(s, 42);

    const Settings saved = s;
    Load();
    EXPECT_EQ(iconIndex, 42);
    ExpectSameStoredFields(saved, s);
}

TEST_F(SettingsFile, TheDefaultsAreWhatAMissingFileLoads) {
    Settings defaults;
    std::memset(&defaults, 0x77, sizeof defaults);
    SetDefaultSettings(defaults);
    Load();
    ExpectSameStoredFields(defaults, s);
    EXPECT_EQ(defaults.legacyFlags, s.legacyFlags);
}

TEST_F(SettingsFile, AFreshFileHoldsEveryKeyInItsPlace) {
    Load();
    SaveSettings(s, 0);
    std::string lines;
    const std::string text = folder.Read("korvane.ini");
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find("\r\n", at);
        const std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (!line.empty()) lines += line + "\n";
        at = end == std::string::npos ? text.size() : end + 2;
    }
    EXPECT_EQ(lines,
              "[Window]\nLeft=0\nTop=0\nLeft2=0\nTop2=0\n"
              "[General]\nShortcut=\nOpenFolder=\nNFlags=30,a0,a0,84,01,04,40,40,00,00,00,00,00,00,00,00\n"
              "Hotkey=0\nIconIndex=0\nItemCount=0\nPanelWidth=0\nScrollSpeed=1\nFadeSpeed=5\n"
              "MouseMode=0\nSkinFolder=\nSkin=\n"
              "[Transparent]\nActive=0\nInactive=0\n"
              "[Design]\nIconSize=16\nSelectFont=\nUnselectFont=\nSelectSize=9\nUnselectSize=9\nSelectStyle=0\n"
              "UnselectStyle=0\nSelectColor=-16777216\nUnselectColor=-16777216\nSelectBG=-16777216\n"
              "SelectFrame=-16777216\nBackground=-16777216\n"
              "[Sound]\nOpen=\nClose=\nExecute=\nScroll=\nOver=\nExtract=\nCollapse=\n"
              "[Key]\nUp=38\nDown=40\nPageUp=33\nPageDown=34\nExpand=39\nCollapse=37\nClose=27\nExecute=13\n");
}

TEST_F(SettingsFile, LongTextsAreCutTo259Characters) {
    const std::string longPath = "C:\\" + std::string(400, 'p');
    folder.Write("korvane.ini", "[General]\r\nShortcut=" + longPath + "\r\nSkin=" + longPath +
                                    "\r\n[Design]\r\nSelectFont=" + std::string(60, 'f') + "\r\n");
    Load();
    EXPECT_EQ(std::strlen(s.shortcutFolder), 259u);
    EXPECT_EQ(std::string(s.shortcutFolder), longPath.substr(0, 259));
    EXPECT_EQ(std::strlen(s.skinName), 259u);
    EXPECT_EQ(std::strlen(s.selectFont), 31u);
    // And a save of the cut value stores exactly that.
    SaveSettings(s, 0);
    EXPECT_EQ(Value("General", "Shortcut"), longPath.substr(0, 259));
}

TEST_F(SettingsFile, LegacyFlagsWithoutNFlags) {
    folder.Write("korvane.ini", "[General]\r\nFlags=5\r\n");
    Load();
    EXPECT_EQ(Flags(), (std::vector<int>{0, 2}));
    s.legacyFlags = 0x40;  // a save that wrote the field would show it
    SaveSettings(s, 0);
    EXPECT_EQ(Value("General", "Flags"), "5");  // never written, never removed
    EXPECT_EQ(Value("General", "NFlags"), "05,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00");
    // From now on NFlags is the only source.
    WritePrivateProfileStringA("General", "Flags", "255", s.settingsFile);
    Load();
    EXPECT_EQ(Flags(), (std::vector<int>{0, 2}));
}

TEST_F(SettingsFile, NFlagsVariants) {
    folder.Write("korvane.ini", "[General]\r\nNFlags=FF,1\r\n");
    Load();
    EXPECT_EQ(s.optionFlags[0], 0xFF);
    EXPECT_EQ(s.optionFlags[1], 0x01);
    for (int i = 2; i < 16; ++i) EXPECT_EQ(s.optionFlags[i], 0);

    folder.Write("korvane.ini", "[General]\r\nNFlags=30,zz\r\n");
    Load();
    EXPECT_EQ(s.optionFlags[0], 0x30);
    EXPECT_EQ(s.optionFlags[1], 0xFF);

    std::string twenty;
    for (int i = 1; i <= 20; ++i) twenty += (i > 1 ? "," : "") + std::to_string(i);
    folder.Write("korvane.ini", "[General]\r\nNFlags=" + twenty + "\r\n");
    Load();
    EXPECT_EQ(s.optionFlags[0], 0x01);
    EXPECT_EQ(s.optionFlags[15], 0x16);  // "16" read as hexadecimal
    // The values past the sixteenth are dropped, not kept for the next save.
    SaveSettings(s, 0);
    EXPECT_EQ(Value("General", "NFlags"), "01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16");
}

TEST_F(SettingsFile, IntegersKeepTheFieldWidth) {
    folder.Write("korvane.ini",
                 "[General]\r\nMouseMode=257\r\nHotkey=70000\r\nScrollSpeed=abc\r\n[Transparent]\r\nActive=300\r\n"
                 "[Window]\r\nLeft=-50\r\nTop=60\r\nLeft2=-65535\r\n");
    Load();
    EXPECT_EQ(s.mouseMode, 1);
    EXPECT_EQ(s.transparencyActive, 44);
    EXPECT_EQ(s.hotkey, 70000 & 0xFFFF);
    EXPECT_EQ(s.scrollSpeed, 0);  // not a number reads as 0
    EXPECT_EQ(s.left, -50);
    EXPECT_EQ(s.left2, -50);  // a stored -65535 counts as missing
    EXPECT_EQ(s.top2, 60);
}

TEST_F(SettingsFile, NumbersBeyondWhatTheProgramMakesAreHeldAtItsLimitsAndSavedSo) {
    folder.Write("korvane.ini",
                 "[Window]\r\nLeft=2147483647\r\nTop=-100000\r\nLeft2=-2147483648\r\nTop2=40000\r\n"
                 "[General]\r\nItemCount=100000000\r\nPanelWidth=-20\r\nIconIndex=-3\r\n"
                 "ScrollSpeed=2000000000\r\nFadeSpeed=-7\r\n"
                 "[Transparent]\r\nActive=100\r\nInactive=91\r\n"
                 "[Design]\r\nIconSize=1000000\r\nSelectSize=99999\r\nUnselectSize=-99999\r\n");
    Load();
    EXPECT_EQ(s.left, kMaxScreenCoordinate);
    EXPECT_EQ(s.top, -kMaxScreenCoordinate);
    EXPECT_EQ(s.left2, -kMaxScreenCoordinate);
    EXPECT_EQ(s.top2, kMaxScreenCoordinate);
    EXPECT_EQ(s.savedItemCount, kMaxItemCount);
    EXPECT_EQ(s.savedPanelWidth, 0);  // the skin's width
    EXPECT_EQ(iconIndex, 0);
    EXPECT_EQ(s.scrollSpeed, kMaxSpeed);
    EXPECT_EQ(s.fadeSpeed, 0);
    EXPECT_EQ(s.transparencyActive, kMaxTransparency);  // still visible
    EXPECT_EQ(s.transparencyInactive, kMaxTransparency);
    EXPECT_EQ(s.designIconSize, kMaxIconSize);
    EXPECT_EQ(s.selectSize, kMaxFontPoints);
    EXPECT_EQ(s.unselectSize, -kMaxFontPoints);
    // The next save writes the held values, so the file heals.
    SaveSettings(s, iconIndex);
    EXPECT_EQ(Value("General", "ItemCount"), std::to_string(kMaxItemCount));
    EXPECT_EQ(Value("Transparent", "Active"), std::to_string(kMaxTransparency));
}

TEST_F(SettingsFile, OptionFlagsAloneReadAsTheWholeLoadReadsThem) {
    auto flagsAlone = [&] {
        Settings alone{};
        CopyText(alone.settingsFile, s.settingsFile);
        LoadOptionFlags(alone);
        return std::vector<uint8_t>(alone.optionFlags, alone.optionFlags + sizeof alone.optionFlags);
    };
    auto flagsOfWholeLoad = [&] {
        Load();
        return std::vector<uint8_t>(s.optionFlags, s.optionFlags + sizeof s.optionFlags);
    };
    for (const char* ini : {"[General]\r\nNFlags=00,20,01\r\nFlags=5\r\n",  // NFlags wins
                            "[General]\r\nFlags=8197\r\n",                  // only the older key
                            "[Window]\r\nLeft=3\r\n"}) {                    // neither: the defaults
        folder.Write("korvane.ini", ini);
        EXPECT_EQ(flagsAlone(), flagsOfWholeLoad()) << ini;
    }
}

}  // namespace
