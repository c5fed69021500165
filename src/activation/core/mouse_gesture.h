#pragma once
// Which mouse messages make up the gesture of each mouse mode, and what else
// must hold for the message to count. Both hook libraries' judges and the
// panel program's share this table; each side then makes the remaining test
// with the facts it has.
#include <cstdint>

// Mouse messages (numbers as the system sends them).
namespace mouse_message {
constexpr uint32_t kNcMouseMove = 0xA0;
constexpr uint32_t kNcLeftDoubleClick = 0xA3;
constexpr uint32_t kNcRightDown = 0xA4;
constexpr uint32_t kNcRightDoubleClick = 0xA6;
constexpr uint32_t kNcMiddleDown = 0xA7;
constexpr uint32_t kNcMiddleDoubleClick = 0xA9;
constexpr uint32_t kNcSideDown = 0xAB;
constexpr uint32_t kNcSideUp = 0xAC;
constexpr uint32_t kNcSideDoubleClick = 0xAD;
constexpr uint32_t kMouseMove = 0x200;
constexpr uint32_t kLeftDoubleClick = 0x203;
constexpr uint32_t kRightDown = 0x204;
constexpr uint32_t kRightUp = 0x205;
constexpr uint32_t kRightDoubleClick = 0x206;
constexpr uint32_t kMiddleDown = 0x207;
constexpr uint32_t kMiddleUp = 0x208;
constexpr uint32_t kMiddleDoubleClick = 0x209;
constexpr uint32_t kWheel = 0x20A;
constexpr uint32_t kSideDown = 0x20B;
constexpr uint32_t kSideUp = 0x20C;
constexpr uint32_t kSideDoubleClick = 0x20D;
}  // namespace mouse_message

// The wheel press anywhere, the one gesture the compatibility library does
// not know.
constexpr int kMouseModeWheelPressAnywhere = 10;

enum class HookVariant { kCompatibility, kStandard };

enum class GestureTest {
    kNone,               // not part of the mode's gesture
    kMatch,              // the gesture, with no further test
    kTrackPress,         // a press for the click tracker; the gesture when it completes a double-click
    kTrackRelease,       // a release for the click tracker; never the gesture itself
    kLeftButtonHeld,     // the gesture while the left button is down
    kDesktop,            // the gesture when the event's window is a desktop window
    kDesktopEmptySpace,  // as kDesktop, and not over an icon of the desktop's icon list
    kTaskbar,            // the gesture when the event window's topmost ancestor is the taskbar
    kDesktopUnderPoint,  // the gesture when the window under the point is a desktop window
    kTaskbarUnderPoint,  // the gesture when the window under the point belongs to the taskbar
};

// sideButton: for the side buttons' messages, which one (1 or 2); else 0.
GestureTest ClassifyMouseEvent(int mode, uint32_t message, HookVariant variant, unsigned sideButton = 0);

// Modifier keys as bits: Shift, Ctrl, Alt.
constexpr unsigned kModifierShift = 1;
constexpr unsigned kModifierCtrl = 2;
constexpr unsigned kModifierAlt = 4;

// The modifiers the gesture requires (kOptMouseNeedsShift, kOptMouseNeedsCtrl, kOptMouseNeedsAlt).
unsigned RequiredModifiers(const uint8_t* optionFlags);
// Every required modifier is held; further ones do not matter.
inline bool ModifiersSatisfied(unsigned required, unsigned held) { return (held & required) == required; }

// Facts for activation on hover: a mouse move while the panel is always shown.
struct HoverFacts {
    bool alwaysShown;
    bool hoverActivates;
    bool busy;  // menu loop or sizing drag
    bool optionsOpen;
    bool visible;
    bool pointOnPanel;  // the window under the pointer is the panel
    bool active;        // the panel's last activation state
    bool foreground;    // the panel is the foreground window
};

enum class HoverResult {
    kNotHover,  // not a hover event: judge the message as a gesture
    kIgnore,    // a hover event that activates nothing
    kActivate,  // press the activation key for the panel
};

HoverResult JudgeHover(uint32_t message, const HoverFacts& facts);
