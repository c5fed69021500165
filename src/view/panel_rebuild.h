#pragma once
// The one sequence that rebuilds everything the panel shows, from disk: the
// fonts, the image lists, the skin list, the skin with the layout, the item
// tree, the blocked applications and the folder that was open last time; and
// the teardown that undoes it.
#include <windows.h>

#include "base/handles.h"

struct RebuildState {
    OwnedFont menuFont;   // the system's menu font, for the owner-drawn menus
    OwnedFont smallFont;  // the same at 9 points; the skin fonts start from it
    bool built = false;
};

extern RebuildState gRebuild;

// Runs ReleaseItems first when built; always ends built.
void BuildItems(HWND window);
void ReleaseItems();
// The menu's refresh: teardown, rebuild, redraw.
void RefreshPanel(HWND window);
