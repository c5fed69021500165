#pragma once
// The owner-drawn popup menu's records and geometry: what each item shows and
// where its parts go. The drawing itself is in shell/popup_menu.cpp.
#include <cstddef>
#include <cstdint>

#include "base/core/types.h"

// One record per owner-drawn item; the item's data points at it. Type and
// state are the menu's own flags; the text holds a tab between the left text
// and the right-aligned one.
struct MenuItemRecord {
    uint32_t type;
    uint32_t state;
    uint32_t iconCell;  // cell of the menu image strip; 0 = no icon
    char text[kPathSize];
};

// The top-level items of the menu by position; the skin sub-menu's records
// follow them.
constexpr int kTopMenuItems = 10;

// The command icon of the top-level item at position; 0 for none.
uint32_t MenuIconCell(int position);

// Cells of the menu image strip.
constexpr int kCellChecked = 0;             // check mark in a sunken, chequered square
constexpr int kCellCheckedHighlighted = 1;  // check mark on plain grey
constexpr int kMenuCellCount = 8;
constexpr int kMenuIconSize = 16;

// The record text split at the first tab.
void SplitMenuText(const char* text, char* left, char* right, size_t partSize);
// The text an item is measured by: left, two spaces, right (the spaces alone
// when right is empty).
void MenuMeasureText(const char* text, char* out, size_t outSize);

constexpr int32_t kMenuSeparatorHeight = 16;
// Width and height of a text item from its measured text.
KPoint MenuItemSize(int32_t textWidth, int32_t textHeight);

struct MenuItemLook {
    bool separator;
    bool selected;
    bool grayed;
    bool checked;
    uint32_t iconCell;  // the record's
};

struct MenuItemPlan {
    bool separator;
    KRect separatorRect;  // sunken line, two pixels high
    bool disabled;        // icon and text drawn disabled; no background, no highlight
    bool fillBackground;  // the whole item in the context's background colour first
    bool highlight;
    KRect highlightRect;  // filled with the highlight colour
    bool raisedEdge;
    KRect edgeRect;        // the icon square's raised edge
    int iconCell;          // -1: no icon
    KPoint iconPos;        // top-left of the 16 x 16 icon
    int32_t textX;         // where the left text starts
    int32_t rightTextEnd;  // where the right-aligned text ends
};

MenuItemPlan PlanMenuItem(const KRect& item, const MenuItemLook& look);
