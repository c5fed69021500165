#pragma once
// Switching the panel to a skin: reading "skin.ini" in either format into
// gSkin, loading its bitmaps, merging the user's design customisation, and the
// fallback to the standard look when the skin cannot be used.
#include <windows.h>

#include "base/core/limits.h"
#include "base/core/settings.h"
#include "base/handles.h"
#include "skin/skin_info.h"

// Reads the "skin.ini" at path into gSkin. False when the file does not exist,
// or when a format-2 file lacks [Panel] Background or [Arrow] Image.
bool LoadSkinFile(const char* path);

// The whole data side of switching to the named skin: releases the previous
// one, loads the skin (or the standard look when the name is empty, not in
// the skin list, or names a skin that cannot be used), its bitmaps and
// transparency bits, the close and arrow images, the design customisation, the
// fonts and the default click area. Always leaves a usable look; false when
// a listed skin was refused and the standard look took its place, which the
// caller tells the user about.
bool ApplySkin(HWND window, const char* skinName);

// Frees everything ApplySkin loaded and leaves gSkin as ResetSkinInfo does;
// does nothing unless a skin is applied.
void ReleaseSkin();

// Every field 0 or empty except the click area's width and height (-1, "the
// item rows") and increase (1). The base font survives: the content rebuild
// sets it before the skin is applied.
void ResetSkinInfo(SkinInfo& skin);

// Grows the rows of skin for the design's icon and font sizes (kOptNoIcons and
// kOptNoText of settings leave out icons and text), and takes the design's icon
// size. Smaller sizes shrink the rows, down to one pixel.
void ApplyDesignSizes(SkinInfo& skin, const Settings& settings, int pixelsPerInchY);

// The rows' look of skin from settings: with the design customisation on
// (kOptCustomDesign), its row sizes (not for the older format or a fixed
// skin), fonts and colours merged into skin; else the fonts the skin itself
// specifies. The fonts made are kept in selectedFont and otherFont; an item
// font left without one is drawn in the target's current font. The panel runs
// it on the live record, the design preview on its own copy.
void ApplyItemLook(SkinInfo& skin, OwnedFont& selectedFont, OwnedFont& otherFont, const Settings& settings,
                   int pixelsPerInchY);

// The panel's geometry stays within what the layout and drawing can afford;
// a skin whose numbers fall outside is refused like a skin without Background.
bool SkinGeometryUsable(const SkinInfo& skin);
