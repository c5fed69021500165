#pragma once
// The panel's working layout on top of the applied skin: the remembered row
// count and width, the window's size, the close button, the placement on the
// screen, and the geometry side of resizing by the right and bottom borders.
#include <windows.h>

#include "skin/skin_info.h"
#include "view/core/panel_geometry.h"

// Applies the named skin (or the standard look, telling the user when the
// named skin could not be used) and lays the panel out; ends with the panel
// drawn into the back buffer.
void LayoutPanel(HWND window, const char* skinName);
// Releases the skin and the layout; does nothing when no layout is loaded.
void ReleasePanelLayout(HWND window);

// Moves the window before it is shown, by the mouse group of placement
// options (by mouse or kOptOtherPlaceAsMouse) or the other group.
void PlacePanel(HWND window, bool byMouse);
// Stores the window's position for the group the panel was last shown by.
void SaveWindowPosition(HWND window);

// HTBOTTOMRIGHT, HTBOTTOM, HTRIGHT, or 0 for the default handling.
int HitTestBorder(HWND window, POINT screenPoint);
void BeginResize(HWND window);
// One step of the sizing loop; rect is adjusted in place.
void SizingRect(int edge, RECT* rect);
void EndResize(HWND window);

// A skin record's geometry (cursor row 0) and back; the close button's hot
// and pressed bits stay those of the record.
PanelGeometry GeometryOf(const SkinInfo& skin);
void PutGeometry(SkinInfo& skin, const PanelGeometry& g);
// The live skin record's geometry with the view's cursor row, and back.
PanelGeometry CurrentGeometry();
void SetGeometry(const PanelGeometry& g);
