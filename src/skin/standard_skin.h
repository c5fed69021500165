#pragma once
// The standard look: a window-like panel sized from the system metrics and
// coloured from the system colours, with the separator, background colour and
// close-button size taken from the visual style when one is in use.
#include <windows.h>

// Fills gSkin with the standard look; always succeeds. Kind 2 (visual style)
// unless kOptNoVisualStyle is set or no visual style is in use, else kind 1.
void ApplyStandardSkin(HWND window);

// The visual style's close button, separator picture and background colour.
// False, changing nothing, when the visual-style library is not bound, no
// visual style is active, or the theme handles are already open.
bool ThemedStandardPieces(HWND window);

// The classic close button and background colour from the system metrics.
void ClassicStandardPieces();
