#pragma once
// The check list: a one-column report list view with owner-drawn rows of
// check boxes, radio buttons and group headings (LVS_OWNERDRAWFIXED, no
// header, single selection). One check list exists at a time.
#include <windows.h>
#include <uxtheme.h>

#include <cstdint>

#include "base/handles.h"
#include "controls/core/control_layout.h"

struct VisualStyles;

struct CheckListRow {
    char text[256];
    int image;
    uint32_t flags;  // kRowTicked, kRowDisabled, kRowHeader, kRowRadio, kRowIndent1-3
};

struct CheckListState {
    HWND list = nullptr;
    int controlId = 0;  // the notifications' control id
    OwnedImageList images;
    OwnedFont boldFont;                    // headings
    const VisualStyles* styles = nullptr;  // what the rows draw with
    HTHEME theme = nullptr;
    WNDPROC previousProc = nullptr;
};

extern CheckListState gCheckList;

// Prepares list (with notifications under controlId): one column as wide as
// its client area less a vertical scroll bar, the heading icons of bitmap
// bitmapId (-1 for none; magenta is transparent), the "Button" style of
// styles, and its own handling of clicks and Space. False when another check
// list is set up.
bool SetUpCheckList(HWND list, int controlId, HINSTANCE module, int bitmapId, const VisualStyles& styles);
// Frees every row record, the icons, the font and the style, and gives the
// list its own window procedure back.
void TearDownCheckList();
void CheckListThemeChanged();

// Appends a row with the text given, or with string id of module's table.
// The row's index, or -1.
int AddCheckListRow(HWND list, const char* text, int image, uint32_t flags);
int AddCheckListStringRow(HWND list, HINSTANCE module, UINT id, int image, uint32_t flags);

// 0 for a row that does not exist.
uint32_t CheckListRowFlags(HWND list, int row);
bool IsCheckListRowTicked(HWND list, int row);
// Ignored for headings and disabled rows.
void SetCheckListRowTicked(HWND list, int row, bool on);
// Headings too.
void SetCheckListRowEnabled(HWND list, int row, bool on);

// WM_MEASUREITEM: list-view rows are 18 pixels high.
void MeasureCheckListRow(MEASUREITEMSTRUCT* measure);
// WM_DRAWITEM: draws the row when it belongs to the check list; false otherwise.
bool DrawCheckListRow(const DRAWITEMSTRUCT* draw);
