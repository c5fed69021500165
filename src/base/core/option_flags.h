#pragma once
// The 128 numbered yes/no options. Option flag N is bit (N mod 8) of byte N/8.
#include <cstddef>
#include <cstdint>

#include "resources/resource.h"

// Every option flag the program knows: its name, its number in the set, and
// the string the other-options page labels it with. A label of 0 means that
// page has no row of its own for the flag: the other pages show it with a
// check box, or it is set only together with one of its group (placement,
// sorting). Numbers not listed are never tested or set.
#define KORVANE_OPTION_FLAGS(X)                                   \
    X(kOptResetListOnShow, 1, IDS_OPT_RESET_LIST_ON_SHOW)         \
    X(kOptAnimateScroll, 2, 0)                                    \
    X(kOptPlainMenu, 3, IDS_OPT_PLAIN_MENU)                       \
    X(kOptMousePlace, 4, 0) /* clear: where it was shown last */  \
    X(kOptFadeIn, 5, 0)                                           \
    X(kOptAlwaysShown, 8, IDS_OPT_ALWAYS_SHOWN)                   \
    X(kOptAlwaysOnTop, 9, IDS_OPT_ALWAYS_ON_TOP)                  \
    X(kOptReverseScroll, 10, IDS_OPT_REVERSE_SCROLL)              \
    X(kOptBlockedApps, 11, 0)                                     \
    X(kOptHotkey, 12, 0)                                          \
    X(kOptSecondStartActivates, 13, 0)                            \
    X(kOptMousePlaceCenter, 14, IDS_OPT_PLACE_CENTER)             \
    X(kOptMousePlaceAtCursor, 15, IDS_OPT_PLACE_AT_CURSOR)        \
    X(kOptSort, 16, 0) /* clear: IDS_OPT_SORT_NONE */             \
    X(kOptSortByName, 17, IDS_OPT_SORT_BY_NAME)                   \
    X(kOptSortByType, 18, IDS_OPT_SORT_BY_TYPE)                   \
    X(kOptSortReverse, 19, IDS_OPT_SORT_REVERSE)                  \
    X(kOptAllFiles, 20, 0)                                        \
    X(kOptFoldersInPanel, 21, IDS_OPT_FOLDERS_IN_PANEL)           \
    X(kOptScanFoldersAtStart, 22, IDS_OPT_SCAN_FOLDERS_AT_START)  \
    X(kOptFolderArrow, 23, IDS_OPT_FOLDER_ARROW)                  \
    X(kOptCloseFoldersOnShow, 24, IDS_OPT_CLOSE_FOLDERS_ON_SHOW)  \
    X(kOptMouseActivation, 26, 0)                                 \
    X(kOptNoTooltips, 27, IDS_OPT_NO_TOOLTIPS)                    \
    X(kOptTransparency, 28, 0)                                    \
    X(kOptNoLoop, 29, IDS_OPT_NO_LOOP)                            \
    X(kOptCursorFollowsMouse, 30, IDS_OPT_CURSOR_FOLLOWS_MOUSE)   \
    X(kOptHandCursor, 31, IDS_OPT_HAND_CURSOR)                    \
    X(kOptSingleClickStarts, 32, IDS_OPT_SINGLE_CLICK_STARTS)     \
    X(kOptSounds, 33, 0)                                          \
    X(kOptNoEdgeCorrection, 34, IDS_OPT_NO_EDGE_CORRECTION)       \
    X(kOptResetListToTop, 35, IDS_OPT_RESET_LIST_TO_TOP)          \
    X(kOptKeepCursorRow, 36, IDS_OPT_KEEP_CURSOR_ROW)             \
    X(kOptCustomDesign, 37, 0)                                    \
    X(kOptNoIcons, 38, IDS_OPT_NO_ICONS)                          \
    X(kOptNoText, 39, IDS_OPT_NO_TEXT)                            \
    X(kOptActiveCursorAlways, 40, IDS_OPT_ACTIVE_CURSOR_ALWAYS)   \
    X(kOptNoVisualStyle, 41, IDS_OPT_NO_VISUAL_STYLE)             \
    X(kOptAccelerators, 42, IDS_OPT_ACCELERATORS)                 \
    X(kOptCursorToTopRow, 43, IDS_OPT_CURSOR_TO_TOP_ROW)          \
    X(kOptCursorFollowsWheel, 46, IDS_OPT_CURSOR_FOLLOWS_WHEEL)   \
    X(kOptExitOnHide, 47, IDS_OPT_EXIT_ON_HIDE)                   \
    X(kOptExitAfterStart, 48, IDS_OPT_EXIT_AFTER_START)           \
    X(kOptGradient, 49, IDS_OPT_GRADIENT)                         \
    X(kOptCompatHook, 50, IDS_OPT_COMPAT_HOOK)                    \
    X(kOptSortByDate, 51, IDS_OPT_SORT_BY_DATE)                   \
    X(kOptNoWheelAcceleration, 52, IDS_OPT_NO_WHEEL_ACCELERATION) \
    X(kOptIndentSmall, 53, IDS_OPT_INDENT_SMALL)                  \
    X(kOptIndentMedium, 54, IDS_OPT_INDENT_MEDIUM)                \
    X(kOptIndentLarge, 55, IDS_OPT_INDENT_LARGE)                  \
    X(kOptHoverActivates, 56, IDS_OPT_HOVER_ACTIVATES)            \
    X(kOptOtherPlace, 59, 0) /* clear: where it was shown last */ \
    X(kOptOtherPlaceCenter, 60, IDS_OPT_PLACE_CENTER)             \
    X(kOptOtherPlaceAtCursor, 61, IDS_OPT_PLACE_AT_CURSOR)        \
    X(kOptOtherPlaceAsMouse, 62, IDS_OPT_PLACE_AS_MOUSE)          \
    X(kOptImageLists32Bit, 63, IDS_OPT_IMAGE_LISTS_32BIT)         \
    X(kOptMouseNeedsShift, 65, 0)                                 \
    X(kOptMouseNeedsCtrl, 66, 0)                                  \
    X(kOptMouseNeedsAlt, 67, 0)                                   \
    X(kOptOnCursorMonitor, 72, IDS_OPT_ON_CURSOR_MONITOR)         \
    X(kOptDoubleTapCtrl, 73, IDS_OPT_DOUBLE_TAP_CTRL)             \
    X(kOptDropToAdd, 74, IDS_OPT_DROP_TO_ADD)

enum OptionFlag : int {
#define KORVANE_OPTION_NAME(name, number, label) name = number,
    KORVANE_OPTION_FLAGS(KORVANE_OPTION_NAME)
#undef KORVANE_OPTION_NAME
};

struct OptionFlagRow {
    OptionFlag flag;
    int labelString;
};

constexpr OptionFlagRow kOptionFlagRows[] = {
#define KORVANE_OPTION_ROW(name, number, label) {name, label},
    KORVANE_OPTION_FLAGS(KORVANE_OPTION_ROW)
#undef KORVANE_OPTION_ROW
};

// The other-options page's label of flag, 0 for none.
int OptionLabelString(OptionFlag flag);

constexpr int kOptionBytes = 16;
using OptionFlags = uint8_t[kOptionBytes];

// Flags are passed by name; a number outside the set (possible only through a
// cast) is never set and reads as clear.
int IsOptionSet(const uint8_t* flags, OptionFlag flag);
void SetOption(uint8_t* flags, OptionFlag flag);
void ClearOption(uint8_t* flags, OptionFlag flag);
void PutOption(uint8_t* flags, OptionFlag flag, bool on);

// The flags a fresh installation starts with.
void SetDefaultOptions(uint8_t* flags);

// Option flags 0-31 from the older single-number "Flags" key.
void SetLegacyOptions(uint8_t* flags, int32_t legacy);

// "NFlags": comma-separated bytes in hexadecimal. Clears the set first. Fields
// are lower-cased; an unparsable or empty field stores 0xFF. Fields past the
// sixteenth are ignored.
void ParseOptionText(const char* text, uint8_t* flags);

// Sixteen two-digit lower-case hexadecimal bytes joined by commas (47 characters).
constexpr size_t kOptionTextSize = 48;
void FormatOptionText(const uint8_t* flags, char* out, size_t outSize);
