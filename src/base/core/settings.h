#pragma once
// All user settings in one plain value record (copyable byte for byte; the
// options sheet edits a copy), and the one table that says where korvane.ini
// keeps each stored field and what it holds when the key is absent. Loading,
// saving and the defaults walk that table; a new setting is one more row.
#include <cstddef>
#include <cstdint>

#include "base/core/option_flags.h"
#include "base/core/types.h"

enum SoundEvent {
    kSoundOpen,
    kSoundClose,
    kSoundExecute,
    kSoundScroll,
    kSoundOver,
    kSoundExtract,
    kSoundCollapse,
    kSoundEventCount
};

// The panel's navigation keys (virtual-key codes), in the order korvane.ini
// stores them.
struct KeyBindings {
    uint16_t up, down, pageUp, pageDown, expand, collapse, close, execute;
};

struct Settings {
    char settingsFile[kPathSize];
    char shortcutFolder[kPathSize];
    char programFolder[kPathSize];
    char skinName[kPathSize];
    char skinFolder[kPathSize];
    char openFolder[kPathSize];
    char soundFiles[kSoundEventCount][kPathSize];
    int32_t mmxAvailable;
    int32_t left, top;
    int32_t left2, top2;
    int32_t legacyFlags;
    uint8_t optionFlags[kOptionBytes];
    uint8_t mouseMode;
    uint16_t hotkey;
    int32_t scrollSpeed;
    int32_t fadeSpeed;
    uint8_t transparencyActive;
    uint8_t transparencyInactive;
    KeyBindings keys;
    char selectFont[kFaceNameSize];
    char unselectFont[kFaceNameSize];
    int32_t selectSize, unselectSize;
    int32_t selectStyle, unselectStyle;
    ColorRef selectColor, unselectColor;
    int32_t designIconSize;
    ColorRef background;
    ColorRef selectBG;
    ColorRef selectFrame;
    int32_t savedPanelWidth;
    int32_t savedItemCount;
};

// Font style bits of selectStyle / unselectStyle.
constexpr int32_t kStyleBold = 0x10;
constexpr int32_t kStyleItalic = 0x20;
constexpr int32_t kStyleUnderline = 0x40;

// Left2/Top2 are read with this default; a stored value equal to it counts as absent.
constexpr int32_t kPositionAbsent = -65535;

inline bool Option(const Settings& s, OptionFlag flag) { return IsOptionSet(s.optionFlags, flag) != 0; }

// How a row's field is read from and written to the file.
enum class SettingType : uint8_t {
    kNumber,          // a signed decimal, kept in the low bytes the field has
    kText,            // up to the field's size less one
    kLegacyFlags,     // "Flags": read only, never written
    kOptionFlags,     // "NFlags": the bit set as text; absent, the older Flags or the default set
    kSecondPosition,  // a number that, when absent, takes the value of another field
    kItemIndex,       // the view's current item, which is not a field of the record
};

struct SettingRow {
    const char* section;
    const char* key;
    SettingType type;
    size_t offset;     // of the field in Settings
    size_t size;       // of the field in bytes
    int32_t fallback;  // a number's value when absent; for kSecondPosition the offset of the field it copies
};

// Every stored key, in the order a save writes them (so a fresh file gets the
// sections Window, General, Transparent, Design, Sound, Key). A load reads them
// in the same order: "Flags" before "NFlags", "Left" before "Left2".
extern const SettingRow kSettingRows[];
extern const size_t kSettingRowCount;

// The row of a key, or null.
const SettingRow* FindSetting(const char* section, const char* key);

// A number field through its row: the 8- and 16-bit fields read unsigned, the
// 32-bit ones as signed; a value written is cut to the field's width
// (MouseMode keeps the low 8 bits, Hotkey and the keys 16).
int32_t SettingNumber(const Settings& s, const SettingRow& row);
// The value a kSecondPosition row copies when its key is absent.
int32_t FirstPosition(const Settings& s, const SettingRow& second);
void SetSettingNumber(Settings& s, const SettingRow& row, int32_t value);
// A text field's buffer (row.size bytes).
char* SettingText(Settings& s, const SettingRow& row);
const char* SettingText(const Settings& s, const SettingRow& row);

// Every stored field as a missing korvane.ini leaves it; settingsFile,
// programFolder and mmxAvailable are left alone.
void SetDefaultSettings(Settings& s);

// The keys a fresh installation has and the key dialog's reset restores.
extern const KeyBindings kDefaultKeyBindings;

// Holds every stored number that sizes, places or times the panel inside the
// range the program itself produces (base/core/limits.h), and the saved
// current item index at 0 or above. The load calls it, so a hand-edited or
// damaged file cannot break the layout, and the next save writes sane values.
void ClampStoredSettings(Settings& s, int32_t& iconIndex);
