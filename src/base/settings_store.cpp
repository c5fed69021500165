#include "base/settings_store.h"

#include <windows.h>

#include <cstdio>

Settings gSettings;

namespace {

const char* const kKeyNames[8] = {"Up", "Down", "PageUp", "PageDown", "Expand", "Collapse", "Close", "Execute"};
const uint16_t kKeyDefaults[8] = {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_RIGHT, VK_LEFT, VK_ESCAPE, VK_RETURN};

uint16_t Settings::*const kKeyFields[8] = {&Settings::keyUp,       &Settings::keyDown,   &Settings::keyPageUp,
                                           &Settings::keyPageDown, &Settings::keyExpand, &Settings::keyCollapse,
                                           &Settings::keyClose,    &Settings::keyExecute};

class Profile {
public:
    explicit Profile(const char* file) : file_(file) {}

    int32_t Int(const char* section, const char* key, int32_t def) const {
        return static_cast<int32_t>(GetPrivateProfileIntA(section, key, def, file_));
    }
    void Text(const char* section, const char* key, char* out, DWORD size) const {
        GetPrivateProfileStringA(section, key, "", out, size, file_);
    }
    void PutText(const char* section, const char* key, const char* value) const {
        WritePrivateProfileStringA(section, key, value, file_);
    }
    void PutInt(const char* section, const char* key, int32_t value) const {
        char text[16];
        std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
        PutText(section, key, text);
    }
    void PutUnsigned(const char* section, const char* key, uint32_t value) const {
        char text[16];
        std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
        PutText(section, key, text);
    }
    void Flush() const { WritePrivateProfileStringA(nullptr, nullptr, nullptr, file_); }

private:
    const char* file_;
};

}  // namespace

void LoadSettings(Settings& s, int32_t& iconIndex) {
    const Profile p(s.settingsFile);

    s.left = p.Int("Window", "Left", 0);
    s.top = p.Int("Window", "Top", 0);
    s.left2 = p.Int("Window", "Left2", kPositionAbsent);
    if (s.left2 == kPositionAbsent) s.left2 = s.left;
    s.top2 = p.Int("Window", "Top2", kPositionAbsent);
    if (s.top2 == kPositionAbsent) s.top2 = s.top;

    p.Text("General", "Shortcut", s.shortcutFolder, sizeof s.shortcutFolder);
    p.Text("General", "OpenFolder", s.openFolder, sizeof s.openFolder);

    s.legacyFlags = p.Int("General", "Flags", -1);
    char nflags[256];
    p.Text("General", "NFlags", nflags, sizeof nflags);
    if (nflags[0]) {
        ParseOptionText(nflags, s.optionFlags);
    } else {
        for (uint8_t& b : s.optionFlags) b = 0;
        if (s.legacyFlags == -1)
            SetDefaultOptions(s.optionFlags);
        else
            SetLegacyOptions(s.optionFlags, s.legacyFlags);
    }

    s.hotkey = static_cast<uint16_t>(p.Int("General", "Hotkey", 0));
    iconIndex = p.Int("General", "IconIndex", 0);
    s.savedItemCount = p.Int("General", "ItemCount", 0);
    s.savedPanelWidth = p.Int("General", "PanelWidth", 0);
    s.scrollSpeed = p.Int("General", "ScrollSpeed", 1);
    s.fadeSpeed = p.Int("General", "FadeSpeed", 5);
    s.mouseMode = static_cast<uint8_t>(p.Int("General", "MouseMode", 0));
    s.transparencyActive = static_cast<uint8_t>(p.Int("Transparent", "Active", 0));
    s.transparencyInactive = static_cast<uint8_t>(p.Int("Transparent", "Inactive", 0));
    p.Text("General", "SkinFolder", s.skinFolder, sizeof s.skinFolder);
    p.Text("General", "Skin", s.skinName, sizeof s.skinName);

    p.Text("Design", "SelectFont", s.selectFont, sizeof s.selectFont);
    p.Text("Design", "UnselectFont", s.unselectFont, sizeof s.unselectFont);
    s.selectSize = p.Int("Design", "SelectSize", 9);
    s.unselectSize = p.Int("Design", "UnselectSize", 9);
    s.selectStyle = p.Int("Design", "SelectStyle", 0);
    s.unselectStyle = p.Int("Design", "UnselectStyle", 0);
    s.selectColor = static_cast<ColorRef>(p.Int("Design", "SelectColor", static_cast<int32_t>(kColorUnset)));
    s.unselectColor = static_cast<ColorRef>(p.Int("Design", "UnselectColor", static_cast<int32_t>(kColorUnset)));
    s.designIconSize = p.Int("Design", "IconSize", 16);
    s.selectBG = static_cast<ColorRef>(p.Int("Design", "SelectBG", static_cast<int32_t>(kColorUnset)));
    s.selectFrame = static_cast<ColorRef>(p.Int("Design", "SelectFrame", static_cast<int32_t>(kColorUnset)));
    s.background = static_cast<ColorRef>(p.Int("Design", "Background", static_cast<int32_t>(kColorUnset)));

    for (int i = 0; i < 8; ++i) s.*kKeyFields[i] = static_cast<uint16_t>(p.Int("Key", kKeyNames[i], kKeyDefaults[i]));

    for (int i = 0; i < kSoundEventCount; ++i)
        p.Text("Sound", kSoundKeyNames[i], s.soundFiles[i], sizeof s.soundFiles[i]);
}

void SaveSettings(const Settings& s, int32_t iconIndex) {
    const Profile p(s.settingsFile);

    p.PutInt("Window", "Left", s.left);
    p.PutInt("Window", "Top", s.top);
    p.PutInt("Window", "Left2", s.left2);
    p.PutInt("Window", "Top2", s.top2);

    p.PutText("General", "Shortcut", s.shortcutFolder);
    p.PutText("General", "OpenFolder", s.openFolder);
    char nflags[kOptionTextSize];
    FormatOptionText(s.optionFlags, nflags, sizeof nflags);
    p.PutText("General", "NFlags", nflags);

    p.PutInt("General", "Hotkey", s.hotkey);
    p.PutInt("General", "IconIndex", iconIndex);
    p.PutInt("General", "ItemCount", s.savedItemCount);
    p.PutInt("General", "PanelWidth", s.savedPanelWidth);
    p.PutInt("General", "ScrollSpeed", s.scrollSpeed);
    p.PutInt("General", "FadeSpeed", s.fadeSpeed);
    p.PutInt("Transparent", "Active", s.transparencyActive);
    p.PutInt("Transparent", "Inactive", s.transparencyInactive);
    p.PutInt("General", "MouseMode", s.mouseMode);
    p.PutText("General", "SkinFolder", s.skinFolder);
    p.PutText("General", "Skin", s.skinName);

    p.PutInt("Design", "IconSize", s.designIconSize);
    p.PutText("Design", "SelectFont", s.selectFont);
    p.PutText("Design", "UnselectFont", s.unselectFont);
    p.PutInt("Design", "SelectSize", s.selectSize);
    p.PutInt("Design", "UnselectSize", s.unselectSize);
    p.PutInt("Design", "SelectStyle", s.selectStyle);
    p.PutInt("Design", "UnselectStyle", s.unselectStyle);
    p.PutInt("Design", "SelectColor", static_cast<int32_t>(s.selectColor));
    p.PutInt("Design", "UnselectColor", static_cast<int32_t>(s.unselectColor));
    p.PutInt("Design", "SelectBG", static_cast<int32_t>(s.selectBG));
    p.PutInt("Design", "SelectFrame", static_cast<int32_t>(s.selectFrame));
    p.PutInt("Design", "Background", static_cast<int32_t>(s.background));

    for (int i = 0; i < kSoundEventCount; ++i) p.PutText("Sound", kSoundKeyNames[i], s.soundFiles[i]);

    for (int i = 0; i < 8; ++i) p.PutUnsigned("Key", kKeyNames[i], s.*kKeyFields[i]);

    p.Flush();
}
