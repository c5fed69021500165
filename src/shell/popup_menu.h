#pragma once
// The notification icon's popup menu: open the panel, options, the skin
// sub-menu, reordering, refresh, About and exit. Unless kOptPlainMenu asks for
// the plain menu, its items are owner-drawn with an icon column on the left
// and the hotkey right-aligned.
#include <windows.h>

#include "base/handles.h"

struct PopupMenuState {
    OwnedImageList images;  // bitmap 109: check marks and command icons
    bool tracking = false;  // the menu is open; its records must stay as they are
};

extern PopupMenuState gPopupMenu;

// The menu's image strip, for the life of the panel window.
bool LoadMenuImages();
void FreeMenuImages();

// Loads menu 108 and prepares its pop-up for showing: the first item's text
// with the hotkey, the greyed reorder item for an empty list, the skin
// entries with their check marks, and the owner-drawn records. menu owns the
// whole menu; the pop-up to track is returned (null when the resource is
// missing).
HMENU BuildPopupMenu(OwnedMenu& menu);

// Brings the panel to the front, tracks the menu at the cursor and destroys it.
// The chosen command arrives at the panel window as WM_COMMAND. Does nothing
// while the menu is already open (the icon's messages still arrive then).
void ShowPopupMenu(HWND panel);

// WM_MEASUREITEM and WM_DRAWITEM for items of type ODT_MENU.
void MeasureMenuItem(MEASUREITEMSTRUCT* measure);
void DrawMenuItem(const DRAWITEMSTRUCT* draw);
