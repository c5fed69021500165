#include "base/core/settings.h"

#include <cstring>
#include <initializer_list>

#include "base/core/limits.h"

namespace {

// The keys of a fresh installation: arrows, page keys, Escape and Enter.
constexpr KeyBindings kKeyDefaults{38, 40, 33, 34, 39, 37, 27, 13};

#define KORVANE_NUMBER(section, key, field, fallback) \
    { section, key, SettingType::kNumber, offsetof(Settings, field), sizeof(Settings::field), fallback }
#define KORVANE_TEXT(section, key, field) \
    { section, key, SettingType::kText, offsetof(Settings, field), sizeof(Settings::field), 0 }
#define KORVANE_SOUND(key, event) \
    { "Sound", key, SettingType::kText, offsetof(Settings, soundFiles) + (event)*kPathSize, kPathSize, 0 }
#define KORVANE_KEY(key, field)                                                                                      \
    {                                                                                                                \
        "Key", key, SettingType::kNumber, offsetof(Settings, keys) + offsetof(KeyBindings, field), sizeof(uint16_t), \
            kKeyDefaults.field                                                                                       \
    }

constexpr int32_t kUnsetColor = static_cast<int32_t>(kColorUnset);

}  // namespace

const SettingRow kSettingRows[] = {
    KORVANE_NUMBER("Window", "Left", left, 0),
    KORVANE_NUMBER("Window", "Top", top, 0),
    {"Window", "Left2", SettingType::kSecondPosition, offsetof(Settings, left2), sizeof(int32_t),
     static_cast<int32_t>(offsetof(Settings, left))},
    {"Window", "Top2", SettingType::kSecondPosition, offsetof(Settings, top2), sizeof(int32_t),
     static_cast<int32_t>(offsetof(Settings, top))},
    KORVANE_TEXT("General", "Shortcut", shortcutFolder),
    KORVANE_TEXT("General", "OpenFolder", openFolder),
    {"General", "Flags", SettingType::kLegacyFlags, offsetof(Settings, legacyFlags), sizeof(int32_t), -1},
    {"General", "NFlags", SettingType::kOptionFlags, offsetof(Settings, optionFlags), kOptionBytes, 0},
    KORVANE_NUMBER("General", "Hotkey", hotkey, 0),
    {"General", "IconIndex", SettingType::kItemIndex, 0, sizeof(int32_t), 0},
    KORVANE_NUMBER("General", "ItemCount", savedItemCount, 0),
    KORVANE_NUMBER("General", "PanelWidth", savedPanelWidth, 0),
    KORVANE_NUMBER("General", "ScrollSpeed", scrollSpeed, 1),
    KORVANE_NUMBER("General", "FadeSpeed", fadeSpeed, 5),
    KORVANE_NUMBER("Transparent", "Active", transparencyActive, 0),
    KORVANE_NUMBER("Transparent", "Inactive", transparencyInactive, 0),
    KORVANE_NUMBER("General", "MouseMode", mouseMode, 0),
    KORVANE_TEXT("General", "SkinFolder", skinFolder),
    KORVANE_TEXT("General", "Skin", skinName),
    KORVANE_NUMBER("Design", "IconSize", designIconSize, 16),
    KORVANE_TEXT("Design", "SelectFont", selectFont),
    KORVANE_TEXT("Design", "UnselectFont", unselectFont),
    KORVANE_NUMBER("Design", "SelectSize", selectSize, 9),
    KORVANE_NUMBER("Design", "UnselectSize", unselectSize, 9),
    KORVANE_NUMBER("Design", "SelectStyle", selectStyle, 0),
    KORVANE_NUMBER("Design", "UnselectStyle", unselectStyle, 0),
    KORVANE_NUMBER("Design", "SelectColor", selectColor, kUnsetColor),
    KORVANE_NUMBER("Design", "UnselectColor", unselectColor, kUnsetColor),
    KORVANE_NUMBER("Design", "SelectBG", selectBG, kUnsetColor),
    KORVANE_NUMBER("Design", "SelectFrame", selectFrame, kUnsetColor),
    KORVANE_NUMBER("Design", "Background", background, kUnsetColor),
    KORVANE_SOUND("Open", kSoundOpen),
    KORVANE_SOUND("Close", kSoundClose),
    KORVANE_SOUND("Execute", kSoundExecute),
    KORVANE_SOUND("Scroll", kSoundScroll),
    KORVANE_SOUND("Over", kSoundOver),
    KORVANE_SOUND("Extract", kSoundExtract),
    KORVANE_SOUND("Collapse", kSoundCollapse),
    KORVANE_KEY("Up", up),
    KORVANE_KEY("Down", down),
    KORVANE_KEY("PageUp", pageUp),
    KORVANE_KEY("PageDown", pageDown),
    KORVANE_KEY("Expand", expand),
    KORVANE_KEY("Collapse", collapse),
    KORVANE_KEY("Close", close),
    KORVANE_KEY("Execute", execute),
};

#undef KORVANE_NUMBER
#undef KORVANE_TEXT
#undef KORVANE_SOUND
#undef KORVANE_KEY

const size_t kSettingRowCount = sizeof kSettingRows / sizeof kSettingRows[0];

const KeyBindings kDefaultKeyBindings = kKeyDefaults;

const SettingRow* FindSetting(const char* section, const char* key) {
    for (const SettingRow& row : kSettingRows)
        if (std::strcmp(row.section, section) == 0 && std::strcmp(row.key, key) == 0) return &row;
    return nullptr;
}

int32_t FirstPosition(const Settings& s, const SettingRow& second) {
    int32_t v;
    std::memcpy(&v, reinterpret_cast<const unsigned char*>(&s) + second.fallback, sizeof v);
    return v;
}

int32_t SettingNumber(const Settings& s, const SettingRow& row) {
    const auto* field = reinterpret_cast<const unsigned char*>(&s) + row.offset;
    switch (row.size) {
        case 1:
            return *field;
        case 2: {
            uint16_t v;
            std::memcpy(&v, field, sizeof v);
            return v;
        }
        default: {
            int32_t v;
            std::memcpy(&v, field, sizeof v);
            return v;
        }
    }
}

void SetSettingNumber(Settings& s, const SettingRow& row, int32_t value) {
    auto* field = reinterpret_cast<unsigned char*>(&s) + row.offset;
    switch (row.size) {
        case 1:
            *field = static_cast<uint8_t>(value);
            break;
        case 2: {
            const auto v = static_cast<uint16_t>(value);
            std::memcpy(field, &v, sizeof v);
            break;
        }
        default:
            std::memcpy(field, &value, sizeof value);
            break;
    }
}

char* SettingText(Settings& s, const SettingRow& row) { return reinterpret_cast<char*>(&s) + row.offset; }

const char* SettingText(const Settings& s, const SettingRow& row) {
    return reinterpret_cast<const char*>(&s) + row.offset;
}

void SetDefaultSettings(Settings& s) {
    for (const SettingRow& row : kSettingRows) {
        switch (row.type) {
            case SettingType::kNumber:
            case SettingType::kLegacyFlags:
                SetSettingNumber(s, row, row.fallback);
                break;
            case SettingType::kText:
                SettingText(s, row)[0] = '\0';
                break;
            case SettingType::kOptionFlags:
                std::memset(s.optionFlags, 0, sizeof s.optionFlags);
                SetDefaultOptions(s.optionFlags);
                break;
            case SettingType::kSecondPosition:
                SetSettingNumber(s, row, FirstPosition(s, row));
                break;
            case SettingType::kItemIndex:
                break;
        }
    }
}

namespace {

int32_t ClampTo(int32_t v, int32_t low, int32_t high) { return v < low ? low : (v > high ? high : v); }

uint8_t AtMost(uint8_t v, int32_t high) { return v > high ? static_cast<uint8_t>(high) : v; }

}  // namespace

void ClampStoredSettings(Settings& s, int32_t& iconIndex) {
    for (int32_t* position : {&s.left, &s.top, &s.left2, &s.top2})
        *position = ClampTo(*position, -kMaxScreenCoordinate, kMaxScreenCoordinate);
    if (iconIndex < 0) iconIndex = 0;
    // 0 stands for the skin's own row count and width.
    s.savedItemCount = ClampTo(s.savedItemCount, 0, kMaxItemCount);
    s.savedPanelWidth = ClampTo(s.savedPanelWidth, 0, kMaxPanelExtent);
    // 0 (what a value that is not a number reads as) means no animation.
    s.scrollSpeed = ClampTo(s.scrollSpeed, 0, kMaxSpeed);
    s.fadeSpeed = ClampTo(s.fadeSpeed, 0, kMaxSpeed);
    s.transparencyActive = AtMost(s.transparencyActive, kMaxTransparency);
    s.transparencyInactive = AtMost(s.transparencyInactive, kMaxTransparency);
    s.selectSize = ClampTo(s.selectSize, -kMaxFontPoints, kMaxFontPoints);
    s.unselectSize = ClampTo(s.unselectSize, -kMaxFontPoints, kMaxFontPoints);
    s.designIconSize = ClampTo(s.designIconSize, 0, kMaxIconSize);
}
