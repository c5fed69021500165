#include "options/core/settings_change.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

Settings Base(bool customDesign = false) {
    Settings s;
    std::memset(&s, 0, sizeof s);
    std::strcpy(s.shortcutFolder, "C:\\links");
    std::strcpy(s.skinFolder, "C:\\skins");
    SetDefaultOptions(s.optionFlags);
    PutOption(s.optionFlags, kOptCustomDesign, customDesign);
    return s;
}

bool Changed(void (*edit)(Settings&), bool customDesign = false) {
    const Settings live = Base(customDesign);
    Settings copy = live;
    edit(copy);
    return IsContentChanged(live, copy);
}

TEST(SettingsChange, OnlyTheListAndItsLookReload) {
    EXPECT_FALSE(Changed([](Settings& s) {
        s.scrollSpeed = 7;
        s.hotkey = 0x0651;
        s.keys.up = 'W';
        std::strcpy(s.soundFiles[kSoundOpen], "C:\\a.wav");
        SetOption(s.optionFlags, kOptAnimateScroll);
        SetOption(s.optionFlags, kOptAlwaysShown);
    }));
    // Bytes after a text's terminator are not part of the text.
    EXPECT_FALSE(Changed([](Settings& s) { s.shortcutFolder[std::strlen(s.shortcutFolder) + 1] = 'x'; }));
    // Exact comparison: a folder that differs only in case reloads.
    EXPECT_TRUE(Changed([](Settings& s) { std::strcpy(s.skinFolder, "C:\\SKINS"); }));
    EXPECT_TRUE(Changed([](Settings& s) { SetOption(s.optionFlags, kOptAllFiles); }));
    EXPECT_TRUE(Changed([](Settings& s) { ClearOption(s.optionFlags, kOptFoldersInPanel); }));
    EXPECT_TRUE(Changed([](Settings& s) { SetOption(s.optionFlags, kOptGradient); }));
}

TEST(SettingsChange, DesignCountsOnlyWhileTheCopyCustomises) {
    auto design = [](Settings& s) {
        s.selectFrame = 0x123456;
        std::strcpy(s.selectFont, "Arial");
    };
    EXPECT_FALSE(Changed(design));
    EXPECT_TRUE(Changed(design, true));
    // Switching the customised design off is itself a change.
    EXPECT_TRUE(Changed([](Settings& s) { ClearOption(s.optionFlags, kOptCustomDesign); }, true));
}

TEST(SettingsChange, HookLibraryChoiceIsNoContentChange) {
    const Settings live = Base();
    Settings copy = live;
    EXPECT_FALSE(CompareSettings(live, copy).hookLibraryChanged);
    SetOption(copy.optionFlags, kOptCompatHook);
    EXPECT_TRUE(CompareSettings(live, copy).hookLibraryChanged);
    EXPECT_FALSE(CompareSettings(live, copy).reload);
}

}  // namespace
