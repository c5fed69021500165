#pragma once
// The design page's preview, window class "DesginPreview": a miniature of the
// panel with one selected and one other sample row, drawn through the panel's
// own renderer from a copy of the panel's skin and the sheet's working copy.
// A click on a part (while the customisation is ticked) picks it in the
// page's part list.
#include <windows.h>

#include "base/core/settings.h"
#include "skin/skin_info.h"

// What the preview draws from. The page owns it and hands it to the preview
// window for as long as the page lives.
struct DesignPreview {
    // The panel's skin as the page opened, cut down to two rows, with the
    // skin's own sizes, fonts and colours: every paint starts again from it.
    SkinInfo skin{};
    const Settings* working = nullptr;
};

// The preview's copy of live: the skin's own values from before the design
// customisation and the remembered row count, two rows, drawn as active; the
// visual-style look's close button over the desktop colour. The copy shares
// live's pictures, which stay while the options sheet is open.
void TakePreviewSkin(SkinInfo& copy, const SkinInfo& live);

// The skin the preview draws for settings, and the fonts it made, which the
// caller keeps while drawing: the same design merge the panel's own skin
// gets when it is applied.
SkinInfo PreviewLook(const DesignPreview& preview, int pixelsPerInchY, OwnedFont& selectedFont, OwnedFont& otherFont);

// Gives the preview window its data (null: draws only the desktop colour) and
// repaints it.
void AttachDesignPreview(HWND preview, const DesignPreview* data);
// The part (DesignPart) under a client point of the preview, or -1.
int DesignPreviewPartAt(HWND preview, POINT point);

bool RegisterDesignPreviewClass(HINSTANCE instance);
void UnregisterDesignPreviewClass(HINSTANCE instance);
