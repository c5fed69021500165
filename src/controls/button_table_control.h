#pragma once
// The decoration table that a dialog keeps for its owner-drawn push buttons
// (icon buttons and colour swatches), and the image strip the icon buttons
// draw from.
#include <windows.h>
#include <uxtheme.h>

#include "base/handles.h"

struct VisualStyles;

// One row per decorated button; a row with id 0 ends the table. value is an
// icon of the button strip for icon buttons, the current colour for colour
// buttons. theme is open only while visual styles are in use; styles are the
// functions the row draws with, handed over when the themes are attached.
struct ButtonDecoration {
    int id;
    COLORREF value;
    HTHEME theme;
    const VisualStyles* styles = nullptr;
};

// Opens the "Button" visual style for each row when styles are in use
// (WM_INITDIALOG); the rows keep styles for drawing.
void AttachButtonThemes(HWND dialog, ButtonDecoration* table, const VisualStyles& styles);
// Closes every open theme (when the dialog is destroyed).
void ReleaseButtonThemes(ButtonDecoration* table);
// WM_THEMECHANGED: release, then attach again with the rows' styles.
void ButtonThemesChanged(HWND dialog, ButtonDecoration* table);
// The table's row for a control, or null.
const ButtonDecoration* FindButtonDecoration(const ButtonDecoration* table, UINT id);
// The row of an owner-drawn button item, or null for anything else.
const ButtonDecoration* DecorationToDraw(const DRAWITEMSTRUCT* draw, const ButtonDecoration* table);

// Bitmap 164: 11 icons of 16 x 16. Each dialog that shows icon buttons holds
// the strip while it is open; nested dialogs share it, and the last release
// destroys it.
struct ButtonImages {
    OwnedImageList images;
    int holders = 0;
};

extern ButtonImages gButtonImages;

bool HoldButtonImages();
void ReleaseButtonImages();

// Button icons.
constexpr int kButtonIconClose = 0;
constexpr int kButtonIconUp = 1;
constexpr int kButtonIconDown = 2;
constexpr int kButtonIconDelete = 3;
constexpr int kButtonIconAdd = 4;
constexpr int kButtonIconDetails = 5;
constexpr int kButtonIconPlay = 6;
constexpr int kButtonIconBrowse = 7;
constexpr int kButtonIconKeys = 8;
constexpr int kButtonIconSeparator = 9;
constexpr int kButtonIconReset = 10;

struct ButtonLook;

// Whether a row draws with its visual style (open theme, styles still in use).
bool ButtonThemed(const ButtonDecoration& row);
// The push-button face: the themed push button in the look's state, or the
// classic frame, pushed when pressed and inactive when disabled.
void DrawButtonFace(HDC dc, const RECT& rect, const ButtonDecoration& row, const ButtonLook& look);
// The look of an owner-drawn button item.
ButtonLook LookOfButton(const DRAWITEMSTRUCT* draw);
