#pragma once
// The record the panel view draws from. The skin loader fills it from a skin
// folder, the standard look from the system, the layout adjusts its geometry,
// and the drawing reads it. It is a plain record (the design preview takes a
// copy of it): the objects behind its handles belong to SkinResources.
#include <windows.h>
#include <uxtheme.h>

#include <cstdint>

#include "base/core/types.h"
#include "base/handles.h"
#include "base/visual_styles.h"
#include "skin/core/skin_words.h"

// One bitmap slot.
struct SkinImage {
    char file[kPathSize];  // full path; empty = no image
    int32_t offsetLeft;    // overlay position ("OverlayLeft", "OverlayTop")
    int32_t offsetTop;
    int32_t width;  // size of one frame
    int32_t height;
    uint32_t align;  // overlay alignment bits ("OverlayAlign")
    HDC dc;          // memory DC with bitmap selected
    HBITMAP bitmap;
    HBITMAP oldBitmap;  // selected back before bitmap is deleted
};

// Slots of a SkinImageSet, in file order.
enum SkinSlot {
    kSlotBackground,
    kSlotTopLeft,
    kSlotTopMiddle,
    kSlotTopRight,
    kSlotMiddleLeft,
    kSlotMiddleRight,
    kSlotBottomLeft,
    kSlotBottomMiddle,
    kSlotBottomRight,
    kSlotOverlay,
    kSkinSlotCount
};

// A nine-piece frame plus an overlay. Every bitmap holds two frames side by
// side: the left one is drawn while the panel is active, the right one while
// it is inactive.
struct SkinImageSet {
    SkinImage images[kSkinSlotCount];
    uint32_t stretch;  // kStretch* bits
};

struct SkinFont {
    LOGFONTA logFont;
    HFONT font;                    // null: the renderer's base font is used
    uint32_t flags;                // kFontSpecified, kFontHasShadow, kFont{Bold,Italic,Underline}
    char faceName[kFaceNameSize];  // as the skin gave it
    int32_t pointSize;             // 9 when not given
    ColorRef color;
    ColorRef shadowColor;  // valid with kFontHasShadow
};

// The skin's own values, kept before the design customisation is merged so
// that the design page can show and reset them.
struct SkinDefaults {
    int32_t panelHeight;
    int32_t selectHeight;
    int32_t selectTop;
    int32_t iconSize;
    int32_t itemCount;
    int32_t itemHeight;
    ColorRef selectBackColor;
    ColorRef selectFrameColor;
    ColorRef backColor;
    SkinFont selectedItemFont;
    SkinFont otherItemFont;
};

struct SkinInfo {
    HDC closeDc;
    HBITMAP closeBitmap;
    HBITMAP closeOldBitmap;
    HBITMAP arrowBitmap;

    SkinImageSet panelImages;
    SkinImageSet selectImages;

    SkinImage separatorLeft;
    SkinImage separatorMiddle;
    SkinImage separatorRight;

    uint32_t separatorFlags;  // stretch bits 0-5, align bits 8-13
    int32_t separatorMarginLeft;
    int32_t separatorMarginRight;

    int32_t kind;  // kSkinClassic, kSkinThemed, kSkinFormat2, kSkinOldFormat

    // Open while a themed standard look is applied.
    HTHEME windowTheme;
    HTHEME startPanelTheme;

    LOGFONTA baseFont;  // the 9-point menu font the item fonts start from

    SkinFont selectedItemFont;
    SkinFont otherItemFont;

    char closeImageFile[kPathSize];
    char arrowImageFile[kPathSize];

    SkinDefaults skinDefaults;

    int32_t panelWidth;
    int32_t panelHeight;
    int32_t baseHeight;    // older format: the middle part; after ApplySkin: the panel height
    int32_t increase;      // step the design's row growth is rounded up to
    uint32_t resizeFlags;  // kResize* and kMasked* bits
    int32_t selectLeft;
    int32_t selectTop;
    int32_t selectWidth;
    int32_t selectHeight;
    int32_t clickLeft;
    int32_t clickTop;
    int32_t clickWidth;
    int32_t clickHeight;
    int32_t closeLeft;
    int32_t closeTop;
    int32_t closeWidth;
    int32_t closeHeight;
    uint32_t closeAlign;  // align bits; the close button keeps its hot/pressed state in the high bits
    int32_t arrowWidth;
    int32_t arrowHeight;
    int32_t iconSize;
    int32_t itemCount;
    int32_t itemLeft;
    int32_t itemTop;
    int32_t itemWidth;
    int32_t itemHeight;
    int32_t itemMargin;
    int32_t itemIndent;
    ColorRef selectBackColor;
    ColorRef selectFrameColor;
    ColorRef backColor;
    ColorRef transparentColor;
    int32_t hasTransparentColor;

    int32_t applied;  // ApplySkin ran and ReleaseSkin has not yet
};

// The one skin record of the program.
extern SkinInfo gSkin;

// The GDI objects and theme handles of the applied skin, whose handles gSkin
// shows; releasing the skin is resetting this record.
struct SkinResources {
    OwnedBitmapDc panelImages[kSkinSlotCount];
    OwnedBitmapDc selectImages[kSkinSlotCount];
    OwnedBitmapDc separators[3];  // left, middle, right
    OwnedBitmapDc close;
    OwnedBitmap arrows;
    OwnedFont selectedItemFont;
    OwnedFont otherItemFont;
    OwnedTheme windowTheme;
    OwnedTheme startPanelTheme;
};

extern SkinResources gSkinResources;

// Keeps picture in holder and shows its handles, with the size of one of its
// frames, in slot.
void HoldPicture(SkinImage& slot, OwnedBitmapDc& holder, OwnedBitmapDc picture, int32_t width, int32_t height);
