#include "skin/standard_skin.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <utility>

#include "base/dpi.h"
#include "base/handles.h"
#include "base/settings_store.h"
#include "base/visual_styles.h"
#include "skin/skin_info.h"

namespace {

constexpr int32_t kStandardWidth = 180;
// The part size of a theme that lacks the program-list separator is refused
// beyond this; the separator is a thin line.
constexpr LONG kMaxSeparatorExtent = 256;

// A memory DC holding a fresh bitmap of the given size, for the separator.
bool MakeSeparatorSurface(SkinImage& slot, HWND window, int width, int height) {
    WindowDc screen(window);
    OwnedBitmapDc surface = SelectIntoDc(OwnedMemoryDc(CreateCompatibleDC(screen.Get())),
                                         OwnedBitmap(CreateCompatibleBitmap(screen.Get(), width, height)));
    if (!surface) return false;
    HoldPicture(slot, gSkinResources.separators[1], std::move(surface), width, height);
    return true;
}

// Themes without the program-list separator (Wine's own, for one) would leave
// the themed look without any separator line; an etched line stands in.
void EtchedSeparator(SkinImage& slot, HWND window) {
    if (!MakeSeparatorSurface(slot, window, 1, 2)) return;
    SetPixelV(slot.dc, 0, 0, GetSysColor(COLOR_BTNSHADOW));
    SetPixelV(slot.dc, 0, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
}

}  // namespace

bool ThemedStandardPieces(HWND window) {
    const VisualStyles& v = gVisualStyles;
    if (!v.library || !v.IsThemeActive() || gSkin.windowTheme) return false;
    gSkinResources.windowTheme = OpenTheme(v, window, L"Window");
    gSkinResources.startPanelTheme = OpenTheme(v, window, L"StartPanel");
    gSkin.windowTheme = gSkinResources.windowTheme.Get();
    gSkin.startPanelTheme = gSkinResources.startPanelTheme.Get();

    const int caption = GetSystemMetrics(SM_CYCAPTION);
    gSkin.closeWidth = gSkin.closeHeight = v.GetThemeSysSize(gSkin.windowTheme, SM_CYSIZE);
    gSkin.closeTop = (caption - gSkin.closeWidth) / 2 + GetSystemMetrics(SM_CYFRAME);
    gSkin.closeLeft =
        gSkin.panelWidth - (caption - gSkin.closeWidth) / 2 - gSkin.closeHeight - GetSystemMetrics(SM_CXFRAME);
    gSkin.closeAlign = kAlignRight | kAlignTop;

    SkinImage& separator = gSkin.separatorMiddle;
    SIZE size{0, 0};
    const bool sized = gSkin.startPanelTheme &&
                       SUCCEEDED(v.GetThemePartSize(gSkin.startPanelTheme, nullptr, SPP_PROGLISTSEPARATOR, 0, nullptr,
                                                    TS_TRUE, &size)) &&
                       size.cx > 0 && size.cy > 0 && size.cx <= kMaxSeparatorExtent && size.cy <= kMaxSeparatorExtent;
    if (sized && MakeSeparatorSurface(separator, window, size.cx, size.cy)) {
        RECT all{0, 0, size.cx, size.cy};
        OwnedBrush face(v.GetThemeSysColorBrush(gSkin.windowTheme, COLOR_BTNFACE));
        FillRect(separator.dc, &all, face ? face.Get() : GetSysColorBrush(COLOR_BTNFACE));
        v.DrawThemeBackground(gSkin.startPanelTheme, separator.dc, SPP_PROGLISTSEPARATOR, 0, &all, nullptr);
    } else {
        EtchedSeparator(separator, window);
    }

    gSkin.backColor = v.GetThemeSysColor(gSkin.windowTheme, COLOR_BTNFACE);
    return true;
}

void ClassicStandardPieces() {
    gSkin.closeWidth = GetSystemMetrics(SM_CXSIZE) - 2;
    gSkin.closeHeight = GetSystemMetrics(SM_CYSIZE) - 4;
    gSkin.closeTop = GetSystemMetrics(SM_CYFRAME) + (GetSystemMetrics(SM_CYCAPTION) - gSkin.closeHeight) / 2;
    gSkin.closeAlign = kAlignRight | kAlignTop;
    gSkin.closeLeft = gSkin.panelWidth - gSkin.closeTop - gSkin.closeWidth;
    gSkin.backColor = GetSysColor(COLOR_BTNFACE);
}

void ApplyStandardSkin(HWND window) {
    gSkin.panelImages = SkinImageSet{};
    gSkin.selectImages = SkinImageSet{};
    gSkin.panelWidth = kStandardWidth;
    gSkin.baseHeight = 0;
    gSkin.increase = 1;
    gSkin.resizeFlags = kResizeVertical | kResizeHorizontal;

    SkinImage* panel = gSkin.panelImages.images;
    const int top = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION);
    panel[kSlotTopLeft].height = panel[kSlotTopMiddle].height = panel[kSlotTopRight].height = top;
    panel[kSlotMiddleLeft].width = panel[kSlotMiddleRight].width = GetSystemMetrics(SM_CXFRAME);
    panel[kSlotBottomLeft].height = panel[kSlotBottomMiddle].height = panel[kSlotBottomRight].height =
        GetSystemMetrics(SM_CYFRAME);

    if (!Option(gSettings, kOptNoVisualStyle) && ThemedStandardPieces(window)) {
        gSkin.kind = kSkinThemed;
        gSkin.hasTransparentColor = 1;
    } else {
        ClassicStandardPieces();
        gSkin.kind = kSkinClassic;
        gSkin.hasTransparentColor = 0;
    }

    const int32_t t = panel[kSlotTopMiddle].height;
    const int32_t b = panel[kSlotBottomMiddle].height;
    const int32_t l = panel[kSlotMiddleLeft].width;
    const int32_t r = panel[kSlotMiddleRight].width;
    gSkin.selectTop = t + 105;
    gSkin.panelHeight = t + b + 231;
    gSkin.itemTop = t + 9;
    gSkin.selectLeft = l + 3;
    gSkin.selectWidth = kStandardWidth - r - l - 6;
    gSkin.selectHeight = 24;
    gSkin.itemLeft = l + 12;
    gSkin.itemWidth = kStandardWidth - 2 * (l + 12);
    gSkin.iconSize = 16;
    gSkin.separatorMarginLeft = 16;
    gSkin.separatorMarginRight = 16;
    gSkin.itemCount = 9;
    gSkin.itemHeight = 24;
    gSkin.itemMargin = 6;
    gSkin.itemIndent = 0;
    gSkin.clickLeft = 0;
    gSkin.clickTop = 0;
    gSkin.clickWidth = -1;
    gSkin.clickHeight = -1;
    gSkin.separatorFlags = kStretchMiddle;
    gSkin.selectBackColor = MixColors(GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_HIGHLIGHT));
    gSkin.selectFrameColor = GetSysColor(COLOR_HIGHLIGHT);
    gSkin.transparentColor = 0xFF00FF;

    const int dpi = PixelsPerInchY(window);
    for (SkinFont* font : {&gSkin.selectedItemFont, &gSkin.otherItemFont}) {
        *font = SkinFont{};
        font->logFont = gSkin.baseFont;
        font->pointSize = 9;
        font->logFont.lfHeight = -MulDiv(9, dpi, 72);
    }
    gSkin.selectedItemFont.color = GetSysColor(COLOR_HIGHLIGHTTEXT);
    gSkin.otherItemFont.color = MixColors(GetSysColor(COLOR_MENUTEXT), GetSysColor(COLOR_BTNFACE));
}
