#pragma once
// All user settings in one plain value record (copyable byte for byte; the
// options sheet edits a copy). Field order is the record's declared layout.
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

// Key names of the sound events in korvane.ini, in event order.
extern const char* const kSoundKeyNames[kSoundEventCount];

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
    uint16_t keyUp, keyDown, keyPageUp, keyPageDown, keyExpand, keyCollapse, keyClose, keyExecute;
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
