#include "activation/core/mouse_gesture.h"

#include "activation/core/side_buttons.h"

namespace {

using namespace mouse_message;

bool IsMiddleDown(uint32_t m) { return m == kMiddleDown || m == kNcMiddleDown; }
bool IsMiddleDoubleClick(uint32_t m) { return m == kMiddleDoubleClick || m == kNcMiddleDoubleClick; }

// Double-clicks of one button: the system's own message, or two presses that
// the click tracker pairs (client-area presses only).
GestureTest DoubleClick(uint32_t m, uint32_t doubleClick, uint32_t ncDoubleClick, uint32_t down, uint32_t up) {
    if (m == doubleClick || m == ncDoubleClick) return GestureTest::kMatch;
    if (m == down) return GestureTest::kTrackPress;
    if (m == up) return GestureTest::kTrackRelease;
    return GestureTest::kNone;
}

GestureTest When(bool matches, GestureTest test) { return matches ? test : GestureTest::kNone; }

}  // namespace

GestureTest ClassifyMouseEvent(int mode, uint32_t m, HookVariant variant, unsigned sideButton) {
    switch (mode) {
        case 0:
            return DoubleClick(m, kMiddleDoubleClick, kNcMiddleDoubleClick, kMiddleDown, kMiddleUp);
        case 1:
            return When(m == kRightDown || m == kNcRightDown, GestureTest::kLeftButtonHeld);
        case 2:
            return When(IsMiddleDown(m), GestureTest::kDesktop);
        case 3:
            return When(IsMiddleDoubleClick(m), GestureTest::kDesktop);
        case 4:
            return When(m == kLeftDoubleClick || m == kNcLeftDoubleClick, GestureTest::kDesktopEmptySpace);
        case 5:
            return When(IsMiddleDown(m), GestureTest::kTaskbar);
        case 6:
            return When(IsMiddleDoubleClick(m), GestureTest::kTaskbar);
        case 7:
            return When(m == kWheel, GestureTest::kDesktopUnderPoint);
        case 8:
            return When(m == kWheel, GestureTest::kTaskbarUnderPoint);
        case 9:
            return DoubleClick(m, kRightDoubleClick, kNcRightDoubleClick, kRightDown, kRightUp);
        case kMouseModeWheelPressAnywhere:
            return When(variant == HookVariant::kStandard && m == kMiddleDown, GestureTest::kMatch);
        case kMouseModeSideButton1:
        case kMouseModeSideButton2:
            return When(SideButtonPhaseOf(m) == SideButtonPhase::kPress && sideButton == SideButtonOfMode(mode),
                        GestureTest::kMatch);
        default:
            return GestureTest::kNone;
    }
}

HoverResult JudgeHover(uint32_t message, const HoverFacts& f) {
    if (!f.alwaysShown || (message != kMouseMove && message != kNcMouseMove) || f.busy || f.optionsOpen)
        return HoverResult::kNotHover;
    if (f.visible && f.pointOnPanel && !f.active && !f.foreground && f.hoverActivates) return HoverResult::kActivate;
    return HoverResult::kIgnore;
}
