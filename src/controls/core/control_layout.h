#pragma once
// Geometry and state rules of the owner-drawn dialog controls: icon and colour
// buttons, image combo rows and check-list rows. The drawing is in the
// src/options/*_control.cpp files.
#include <cstdint>

#include "base/core/types.h"

// ---- Icon and colour buttons ----

// Visual-style states of a push button.
constexpr int kPushNormal = 1;
constexpr int kPushPressed = 3;
constexpr int kPushDisabled = 4;
constexpr int kPushFocused = 5;

struct ButtonLook {
    bool pressed;
    bool focused;
    bool disabled;
};

// Disabled wins over pressed, pressed over focused.
int PushButtonThemeState(const ButtonLook& look);

struct IconButtonPlan {
    KRect content;    // the button, shifted one pixel right and down when pressed (classic look)
    KRect focusRect;  // inset by 3
    KPoint iconPos;   // top-left of the 16 x 16 icon
    int32_t textX;
};

// classic: the pressed look is a one-pixel shift of the content.
IconButtonPlan PlanIconButton(const KRect& button, const ButtonLook& look, bool classic);

struct ColourButtonPlan {
    KRect frame;   // black, inset 5 horizontally and 3 vertically
    KRect swatch;  // the colour, a further 2 inside
};
ColourButtonPlan PlanColourButton(const KRect& button);

// ---- Image combo rows ----

struct ComboRowPlan {
    KRect highlight;  // behind the text, focus rectangle around it
    KPoint iconPos;
    int32_t textX;
};
ComboRowPlan PlanComboRow(const KRect& row, int32_t textWidth);

// ---- Check list ----

// Row flags.
constexpr uint32_t kRowTicked = 0x1;
constexpr uint32_t kRowDisabled = 0x2;
constexpr uint32_t kRowHeader = 0x10;
constexpr uint32_t kRowRadio = 0x20;
constexpr uint32_t kRowIndent1 = 0x40;
constexpr uint32_t kRowIndent2 = 0x80;
constexpr uint32_t kRowIndent3 = 0x100;

constexpr int32_t kCheckListRowHeight = 18;
constexpr int32_t kClassicCheckBoxSize = 13;

// 0, 18, 36 or 54 pixels: the largest indentation bit set counts.
int32_t RowIndent(uint32_t flags);

// Visual-style state of a row's check box or radio button.
int CheckBoxThemeState(uint32_t flags);

struct CheckRowPlan {
    bool header;
    KPoint iconPos;  // header rows: their icon
    KRect box;       // other rows: the check box or radio button
    int32_t textX;
};
// boxSize: 13, or the themed menu-check size + 2.
CheckRowPlan PlanCheckRow(const KRect& row, uint32_t flags, int32_t boxSize);

// The row's flags after set-ticked: headers and disabled rows keep theirs.
uint32_t WithTicked(uint32_t flags, bool on);

// What a left press or double-click on a row does.
struct RowClick {
    bool swallow;  // disabled row: the list does not even select it
    bool toggle;   // a check row changes its tick
    bool notify;   // the parent hears of the click
};
RowClick ClickOnRow(uint32_t flags);
// What Space does to the selected row: toggle unless it is a radio row (the
// toggle itself is refused for headers and disabled rows); the parent is
// told either way.
RowClick SpaceOnRow(uint32_t flags);
