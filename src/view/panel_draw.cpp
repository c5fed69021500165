#include "view/panel_draw.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "base/handles.h"
#include "base/panel_ids.h"
#include "base/program_windows.h"
#include "base/settings_store.h"
#include "base/visual_styles.h"
#include "items/item_model.h"
#include "resources/resource.h"
#include "view/core/blend.h"
#include "view/core/nine_grid.h"
#include "view/core/row_plan.h"
#include "view/icon_cache.h"
#include "view/row_tooltip.h"
#include "view/view_state.h"

namespace {

bool Present(const SkinImage& image) { return image.dc && image.bitmap; }

GridImage ToGrid(const SkinImage& image) {
    return GridImage{Present(image), image.width, image.height, image.offsetLeft, image.offsetTop, image.align};
}

// The size of the bitmap selected into dc; an empty rectangle when none.
KRect SurfaceBounds(HDC dc) {
    BITMAP bm{};
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    if (!bitmap || !GetObjectA(bitmap, sizeof bm, &bm)) return KRect{0, 0, 0, 0};
    return KRect{0, 0, bm.bmWidth, bm.bmHeight};
}

// x + width without wrapping, whatever a skin's numbers are.
KRect SafeRect(int x, int y, int width, int height) {
    const int64_t right = std::min<int64_t>(static_cast<int64_t>(x) + width, INT32_MAX);
    const int64_t bottom = std::min<int64_t>(static_cast<int64_t>(y) + height, INT32_MAX);
    return KRect{x, y, static_cast<int32_t>(right), static_cast<int32_t>(bottom)};
}

// Keeps the clip region of a DC for a scope and narrows it.
class ClipScope {
public:
    ClipScope(HDC dc, int left, int top, int right, int bottom) : dc_(dc), saved_(SaveDC(dc)) {
        IntersectClipRect(dc, left, top, right, bottom);
    }
    ~ClipScope() { RestoreDC(dc_, saved_); }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    HDC dc_;
    int saved_;
};

void StretchPiece(HDC dc, const KRect& dest, const KRect& visible, const SkinImage& image, int sx, bool masked) {
    const int dw = Width(dest), dh = Height(dest);
    if (dw <= 0 || dh <= 0 || image.width <= 0 || image.height <= 0) return;
    if (!masked) {
        StretchBlt(dc, dest.left, dest.top, dw, dh, image.dc, sx, 0, image.width, image.height, SRCCOPY);
        return;
    }
    const KRect v = Intersect(dest, visible);
    Surface temp;
    if (IsEmpty(v) || !CreateSurface(temp, Width(v), Height(v))) return;
    SetStretchBltMode(temp.dc, COLORONCOLOR);
    StretchBlt(temp.dc, dest.left - v.left, dest.top - v.top, dw, dh, image.dc, sx, 0, image.width, image.height,
               SRCCOPY);
    BlitMasked(dc, v.left, v.top, temp.width, temp.height, temp.dc, 0, 0, gSkin.transparentColor);
    DestroySurface(temp);
}

// Tiles the frame over dest from its top-left corner. The tiles are doubled
// in a scratch surface that covers only the visible part, so the number of
// copies stays small whatever the tile and area sizes.
void TilePiece(HDC dc, const KRect& dest, const KRect& visible, const SkinImage& image, int sx, bool masked) {
    const KRect window = TileWindow(dest, visible, image.width, image.height);
    if (IsEmpty(window)) return;
    Surface temp;
    if (!CreateSurface(temp, Width(window), Height(window))) return;
    TileCopy copies[80];
    const int n = PlanTileCopies(temp.width, temp.height, image.width, image.height, copies, 80);
    for (int i = 0; i < n; ++i) {
        const TileCopy& c = copies[i];
        if (c.fromTile)
            BitBlt(temp.dc, c.dstX, c.dstY, c.width, c.height, image.dc, sx + c.srcX, c.srcY, SRCCOPY);
        else
            BitBlt(temp.dc, c.dstX, c.dstY, c.width, c.height, temp.dc, c.srcX, c.srcY, SRCCOPY);
    }
    BlitImage(dc, window.left, window.top, temp.width, temp.height, temp.dc, 0, 0, masked);
    DestroySurface(temp);
}

void DrawPiece(HDC dc, const GridPiece& piece, const SkinImage& image, const KRect& visible, bool active, bool masked) {
    const int sx = active ? 0 : image.width;
    switch (piece.mode) {
        case PieceMode::kSingle:
            if (!IsEmpty(Intersect(piece.dest, visible)))
                BlitImage(dc, piece.dest.left, piece.dest.top, image.width, image.height, image.dc, sx, 0, masked);
            break;
        case PieceMode::kStretch:
            StretchPiece(dc, piece.dest, visible, image, sx, masked);
            break;
        case PieceMode::kTile:
            TilePiece(dc, piece.dest, visible, image, sx, masked);
            break;
    }
}

void FillColor(HDC dc, const RECT& r, ColorRef color) {
    OwnedBrush brush(CreateSolidBrush(color));
    FillRect(dc, &r, brush.Get());
}

int TopMiddleHeight() { return gSkin.panelImages.images[kSlotTopMiddle].height; }

// The item's icon, arrow or separator drawn over a copy of what lies under
// it, then blended back at level: the gradient list's fading rows.
template <typename Draw>
void DrawFaded(HDC dest, int x, int y, int w, int h, Surface (&scratch)[2], int level, Draw draw) {
    if (!scratch[0].dc || !scratch[1].dc || w <= 0 || h <= 0) {
        draw(dest, x, y);
        return;
    }
    w = std::min(w, scratch[0].width);
    h = std::min(h, scratch[0].height);
    BitBlt(scratch[0].dc, 0, 0, w, h, dest, x, y, SRCCOPY);
    BitBlt(scratch[1].dc, 0, 0, w, h, dest, x, y, SRCCOPY);
    draw(scratch[1].dc, 0, 0);
    GdiFlush();
    const bool simd = gSettings.mmxAvailable != 0;
    if (scratch[0].bits && scratch[1].bits) {
        // The pixels are at hand: blend in place and copy the result back.
        auto* drawn = reinterpret_cast<uint8_t*>(scratch[1].bits);
        BlendPixels(drawn, reinterpret_cast<const uint8_t*>(scratch[0].bits), drawn, scratch[0].width, h, 4,
                    std::clamp(level, 0, 255), simd);
        BitBlt(dest, x, y, w, h, scratch[1].dc, 0, 0, SRCCOPY);
    } else if (!BlendInto(dest, x, y, scratch[0].bitmap, scratch[1].bitmap, level, 32, simd)) {
        draw(dest, x, y);
    }
}

HICON ProgramIcon(int size) {
    static OwnedIcon icon;
    static int iconSize = 0;
    if (!icon || iconSize != size) {
        icon.Reset(
            static_cast<HICON>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDI_KORVANE), IMAGE_ICON, size, size, 0)));
        iconSize = size;
    }
    return icon.Get();
}

void DrawIcon(HDC dc, int x, int y, int index, bool unselected) {
    if (index >= 0) {
        if (!gItems.panelImages) return;
        DrawCachedIcon(gItems.panelImages.Get(), index, dc, x, y, gSkin.iconSize, unselected);
    } else if (index == -2) {
        if (HICON icon = ProgramIcon(gSkin.iconSize))
            DrawIconEx(dc, x, y, icon, gSkin.iconSize, gSkin.iconSize, 0, nullptr, DI_NORMAL);
    }
}

void DrawArrow(HDC dc, int x, int y, int index, bool unselected) {
    if (!gItems.arrowImages) return;
    ImageList_DrawEx(gItems.arrowImages.Get(), index, dc, x, y, gSkin.arrowWidth, gSkin.arrowHeight, CLR_NONE, CLR_NONE,
                     ILD_TRANSPARENT | (unselected ? ILD_BLEND25 : 0));
}

OptionFlag IndentOption() {
    if (Option(gSettings, kOptIndentLarge)) return kOptIndentLarge;
    if (Option(gSettings, kOptIndentMedium)) return kOptIndentMedium;
    return kOptIndentSmall;
}

}  // namespace

void BlitImage(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, bool masked) {
    if (!dest || !source || width <= 0 || height <= 0) return;
    if (masked)
        BlitMasked(dest, x, y, width, height, source, sx, sy, gSkin.transparentColor);
    else
        BitBlt(dest, x, y, width, height, source, sx, sy, SRCCOPY);
}

void BlitMasked(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, ColorRef color) {
    if (!dest || !source || width <= 0 || height <= 0) return;
    // Only the part that can land on the destination surface is worked on.
    const KRect bounds = SurfaceBounds(dest);
    if (!IsEmpty(bounds)) {
        const KRect v = Intersect(KRect{x, y, x + width, y + height}, bounds);
        if (IsEmpty(v)) return;
        sx += v.left - x;
        sy += v.top - y;
        x = v.left;
        y = v.top;
        width = Width(v);
        height = Height(v);
    }
    Surface copy;
    if (!CreateSurface(copy, width, height)) return;
    OwnedMemoryDc maskDc(CreateCompatibleDC(dest));
    OwnedBitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
    if (!maskDc || !mask) {
        DestroySurface(copy);
        return;
    }
    {
        SelectedObject maskSelected(maskDc.Get(), mask.Get());
        BitBlt(copy.dc, 0, 0, width, height, source, sx, sy, SRCCOPY);
        // The mask: 1 where the copy has the colour.
        SetBkColor(copy.dc, color);
        BitBlt(maskDc.Get(), 0, 0, width, height, copy.dc, 0, 0, SRCCOPY);
        // Blacken those pixels in the copy.
        SetBkColor(copy.dc, RGB(0, 0, 0));
        SetTextColor(copy.dc, RGB(255, 255, 255));
        BitBlt(copy.dc, 0, 0, width, height, maskDc.Get(), 0, 0, SRCAND);
        // Keep the destination only where the mask is set, then add the copy.
        const COLORREF oldBk = SetBkColor(dest, RGB(255, 255, 255));
        const COLORREF oldText = SetTextColor(dest, RGB(0, 0, 0));
        BitBlt(dest, x, y, width, height, maskDc.Get(), 0, 0, SRCAND);
        BitBlt(dest, x, y, width, height, copy.dc, 0, 0, SRCPAINT);
        SetBkColor(dest, oldBk);
        SetTextColor(dest, oldText);
    }
    DestroySurface(copy);
}

bool BlendInto(HDC dest, int x, int y, HBITMAP from, HBITMAP to, int level, int bits, bool simd) {
    BITMAP bm{};
    if (!dest || !from || !to || !GetObjectA(from, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return false;
    level = std::clamp(level, 0, 255);
    const int w = bm.bmWidth, h = bm.bmHeight;
    const size_t count = static_cast<size_t>(BlendWorkingWidth(w, simd)) * h;
    std::vector<uint32_t> a, b, out;
    try {
        a.assign(count, 0);
        b.assign(count, 0);
        out.assign(count, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    BITMAPINFO bi = Bitmap32Info(w, h);
    bi.bmiHeader.biBitCount = static_cast<WORD>(bits);
    WindowDc screen(nullptr);
    const bool read = GetDIBits(screen.Get(), from, 0, h, a.data(), &bi, DIB_RGB_COLORS) == h &&
                      GetDIBits(screen.Get(), to, 0, h, b.data(), &bi, DIB_RGB_COLORS) == h;
    if (!read) return false;
    BlendPixels(reinterpret_cast<uint8_t*>(out.data()), reinterpret_cast<const uint8_t*>(a.data()),
                reinterpret_cast<const uint8_t*>(b.data()), w, h, bits / 8, level, simd);
    return SetDIBitsToDevice(dest, x, y, w, h, 0, 0, 0, h, out.data(), &bi, DIB_RGB_COLORS) != 0;
}

void DrawNineGrid(HDC dc, int x, int y, int width, int height, const SkinImageSet& set, uint32_t selector,
                  bool active) {
    if (!dc || width <= 0 || height <= 0) return;
    GridImage images[kGridSlotCount];
    for (int i = 0; i < kGridSlotCount; ++i) images[i] = ToGrid(set.images[i]);
    GridPiece pieces[kGridSlotCount];
    const int n = PlanNineGrid(images, set.stretch, x, y, width, height, pieces);
    const KRect visible = Intersect(SafeRect(x, y, width, height), SurfaceBounds(dc));
    if (IsEmpty(visible)) return;
    ClipScope clip(dc, visible.left, visible.top, visible.right, visible.bottom);
    if (set.stretch & kStretchMask) SetStretchBltMode(dc, COLORONCOLOR);
    const bool masked = (gSkin.resizeFlags & selector) != 0;
    for (int i = 0; i < n; ++i)
        DrawPiece(dc, pieces[i], set.images[pieces[i].slot], visible, active, masked || pieces[i].slot == kGridOverlay);
}

void DrawThemedFrame(HDC dc, int x, int y, int w, int h, bool active) {
    const VisualStyles& vs = gVisualStyles;
    HTHEME theme = gSkin.windowTheme;
    if (!dc || !theme || !vs.DrawThemeBackground) return;
    const int state = active ? 1 : 2;
    const int top = TopMiddleHeight();
    const int left = gSkin.panelImages.images[kSlotMiddleLeft].width;
    const int right = gSkin.panelImages.images[kSlotMiddleRight].width;
    const int bottom = gSkin.panelImages.images[kSlotBottomMiddle].height;
    FillColor(dc, RECT{x, y, x + w, y + h}, gSkin.transparentColor);
    RECT caption{x, y, x + w, y + top};
    vs.DrawThemeBackground(theme, dc, 1, state, &caption, nullptr);
    RECT leftFrame{x, y + top, x + left, y + h - bottom};
    vs.DrawThemeBackground(theme, dc, 7, state, &leftFrame, nullptr);
    RECT rightFrame{x + w - right, y + top, x + w, y + h - bottom};
    vs.DrawThemeBackground(theme, dc, 8, state, &rightFrame, nullptr);
    RECT bottomFrame{x, y + h - bottom, x + w, y + h};
    vs.DrawThemeBackground(theme, dc, 9, state, &bottomFrame, nullptr);
    FillColor(dc, RECT{x + left, y + top, x + w - right, y + h - bottom}, gSkin.backColor);

    // The caption text in the theme's caption font.
    LOGFONTW lf{};
    OwnedFont font;
    if (vs.GetThemeSysFont && SUCCEEDED(vs.GetThemeSysFont(theme, 801, &lf))) font.Reset(CreateFontIndirectW(&lf));
    int align = 0;
    if (!vs.GetThemeEnumValue || FAILED(vs.GetThemeEnumValue(theme, 1, state, 4006, &align))) align = 0;
    UINT alignFlag = align == 1 ? DT_CENTER : (align == 2 ? DT_RIGHT : DT_LEFT);
    MARGINS margins{};
    if (vs.GetThemeMargins) vs.GetThemeMargins(theme, dc, 1, state, 3603, nullptr, &margins);
    RECT text{0, 0, w, top};
    text.top += GetSystemMetrics(SM_CYFRAME);
    text.left += margins.cxLeftWidth + GetSystemMetrics(SM_CXFRAME);
    text.right = gSkin.closeLeft;
    OffsetRect(&text, x, y);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    OwnedSelection captionFont;
    if (font) captionFont = SelectedObject(dc, font.Get());
    const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | alignFlag;
    int shadowType = 0;
    if (vs.GetThemeEnumValue && SUCCEEDED(vs.GetThemeEnumValue(theme, 1, state, 4010, &shadowType)) && shadowType) {
        COLORREF shadow = 0;
        POINT offset{1, 1};
        if (vs.GetThemeColor) vs.GetThemeColor(theme, 1, state, 3818, &shadow);
        if (vs.GetThemePosition) vs.GetThemePosition(theme, 1, state, 3402, &offset);
        RECT shadowRect = text;
        OffsetRect(&shadowRect, offset.x, offset.y);
        SetTextColor(dc, shadow);
        DrawTextA(dc, kPanelTitle, -1, &shadowRect, flags);
    }
    SetTextColor(dc, vs.GetThemeSysColor
                         ? vs.GetThemeSysColor(theme, active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT)
                         : GetSysColor(COLOR_CAPTIONTEXT));
    DrawTextA(dc, kPanelTitle, -1, &text, flags);
    captionFont.Reset();
    SetBkMode(dc, oldMode);
}

void DrawClassicFrame(HDC dc, int x, int y, int w, int h, bool active) {
    if (!dc) return;
    RECT r{x, y, x + w, y + h};
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    const int fx = GetSystemMetrics(SM_CXFRAME), fy = GetSystemMetrics(SM_CYFRAME);
    RECT caption{x + fx, y + fy, x + w - fx, y + GetSystemMetrics(SM_CYCAPTION) + fy - 1};
    if (gWindows.panel)
        DrawCaption(gWindows.panel, dc, &caption, DC_GRADIENT | DC_TEXT | DC_SMALLCAP | (active ? DC_ACTIVE : 0));
}

void DrawPlainSelection(HDC dc, int x, int y, bool active) {
    if (!dc) return;
    RECT r{x, y, x + gSkin.selectWidth, y + gSkin.selectHeight};
    if (active) {
        FillColor(dc, r, gSkin.selectFrameColor);
        InflateRect(&r, -1, -1);
        if (r.right > r.left && r.bottom > r.top) FillColor(dc, r, gSkin.selectBackColor);
    } else {
        FillColor(dc, r, gSkin.backColor);
    }
}

void DrawPanelFrame(HDC dc, int x, int y, bool active) {
    if (gSkin.kind == kSkinThemed && gSkin.windowTheme)
        DrawThemedFrame(dc, x, y, gSkin.panelWidth, gSkin.panelHeight, active);
    else if (gSkin.kind == kSkinClassic)
        DrawClassicFrame(dc, x, y, gSkin.panelWidth, gSkin.panelHeight, active);
    else
        DrawNineGrid(dc, x, y, gSkin.panelWidth, gSkin.panelHeight, gSkin.panelImages, 0x100, active);
}

void DrawSelectionFrame(HDC dc, int x, int y, bool active) {
    if (gSkin.kind == kSkinClassic || gSkin.kind == kSkinThemed)
        DrawPlainSelection(dc, x, y, active);
    else
        DrawNineGrid(dc, x, y, gSkin.selectWidth, gSkin.selectHeight, gSkin.selectImages, kMaskedSelection, active);
}

void DrawFrame(int x, int y, bool active) {
    HDC dc = gPanel.backBuffer.dc;
    if (!dc) return;
    if (gPanel.frame.dc)
        BitBlt(dc, x, y, gSkin.panelWidth, gSkin.panelHeight, gPanel.frame.dc, active ? 0 : gSkin.panelWidth, 0,
               SRCCOPY);
    if (gPanel.selection.dc) {
        const int top = CursorTop(gSkin.selectTop, gView.cursorRow, gSkin.itemCount, gSkin.itemHeight);
        const bool activeCursor = active || Option(gSettings, kOptActiveCursorAlways);
        BlitImage(dc, x + gSkin.selectLeft, y + top, gSkin.selectWidth, gSkin.selectHeight, gPanel.selection.dc,
                  activeCursor ? 0 : gSkin.selectWidth, 0, (gSkin.resizeFlags & kMaskedSelection) != 0);
    }
}

void DrawSeparatorRow(HDC dc, int x, int y, int w, int h) {
    if (!dc) return;
    if (gSkin.kind == kSkinClassic) {
        RECT r{x + gSkin.separatorMarginLeft, y + (h - 2) / 2, x + w - gSkin.separatorMarginRight, y + (h - 2) / 2 + 2};
        if (r.right > r.left) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_MIDDLE);
        return;
    }
    const GridImage images[3] = {ToGrid(gSkin.separatorLeft), ToGrid(gSkin.separatorMiddle),
                                 ToGrid(gSkin.separatorRight)};
    const SkinImage* slots[3] = {&gSkin.separatorLeft, &gSkin.separatorMiddle, &gSkin.separatorRight};
    GridPiece pieces[3];
    const int n = PlanSeparator(images, gSkin.separatorFlags, gSkin.separatorMarginLeft, gSkin.separatorMarginRight, x,
                                y, w, h, pieces);
    const KRect visible = SurfaceBounds(dc);
    if (gSkin.separatorFlags & kStretchMask) SetStretchBltMode(dc, COLORONCOLOR);
    for (int i = 0; i < n; ++i) {
        const bool masked = pieces[i].mode != PieceMode::kStretch;
        DrawPiece(dc, pieces[i], *slots[pieces[i].slot], visible, true, masked);
    }
}

void DrawItemRow(const PanelItem* item, int x, int y, int style, int level) {
    HDC dc = gPanel.backBuffer.dc;
    if (!dc || !item) return;
    const bool selected = IsSelectedStyle(style);
    const bool gradient = Option(gSettings, kOptGradient) && !(style & (kStyleCursorRow | kStyleInactiveRow));

    RowLayoutInput in{};
    in.x = x;
    in.y = y;
    in.style = style;
    in.depth = static_cast<int32_t>(item->depth);
    in.itemIndent = gSkin.itemIndent;
    in.itemWidth = gSkin.itemWidth;
    in.itemHeight = gSkin.itemHeight;
    in.itemMargin = gSkin.itemMargin;
    in.iconSize = gSkin.iconSize;
    in.arrowWidth = gSkin.arrowWidth;
    in.arrowHeight = gSkin.arrowHeight;
    in.indentOption = IndentOption();
    in.noIcons = Option(gSettings, kOptNoIcons);
    in.noText = Option(gSettings, kOptNoText);
    in.hasArrow =
        Option(gSettings, kOptFoldersInPanel) && Option(gSettings, kOptFolderArrow) && (item->flags & kItemFolder);
    const RowLayout row = LayoutRow(in);

    if (IsSeparator(item)) {
        const int sx = gSkin.itemLeft + row.shift, w = gSkin.itemWidth - row.shift;
        if (gradient)
            DrawFaded(dc, sx, y, w, gSkin.itemHeight, gPanel.rowScratch, level + 64,
                      [&](HDC target, int tx, int ty) { DrawSeparatorRow(target, tx, ty, w, gSkin.itemHeight); });
        else
            DrawSeparatorRow(dc, sx, y, w, gSkin.itemHeight);
        return;
    }

    const bool open = (item->flags & kItemOpen) != 0;
    if (!in.noIcons) {
        const int index = open ? item->openIconIndex : item->iconIndex;
        if (gradient && index >= 0)
            DrawFaded(dc, row.iconX, row.iconY, gSkin.iconSize, gSkin.iconSize, gPanel.iconScratch, level,
                      [&](HDC target, int tx, int ty) { DrawIcon(target, tx, ty, index, false); });
        else
            DrawIcon(dc, row.iconX, row.iconY, index, !selected);
    }
    if (in.hasArrow) {
        const int index = (open ? 1 : 0) + (selected ? 0 : 2);
        if (gradient)
            DrawFaded(dc, row.arrowX, row.arrowY, gSkin.arrowWidth, gSkin.arrowHeight, gPanel.arrowScratch, level,
                      [&](HDC target, int tx, int ty) { DrawArrow(target, tx, ty, index, false); });
        else
            DrawArrow(dc, row.arrowX, row.arrowY, index, !selected);
    }
    if (in.noText) return;

    const SkinFont& skinFont = selected ? gSkin.selectedItemFont : gSkin.otherItemFont;
    ColorRef color = skinFont.color, shadow = skinFont.shadowColor;
    if (!selected && gradient) {
        color = MixColor(gSkin.backColor, color, level + 32);
        shadow = MixColor(gSkin.backColor, shadow, level + 32);
    }
    OwnedSelection itemFont;
    if (skinFont.font) itemFont = SelectedObject(dc, skinFont.font);
    UINT flags = DT_SINGLELINE | DT_END_ELLIPSIS;
    if (!Option(gSettings, kOptAccelerators)) flags |= DT_NOPREFIX;
    RECT measure{0, 0, 0, 0};
    DrawTextA(dc, item->name, -1, &measure, (flags & DT_NOPREFIX) | DT_SINGLELINE | DT_CALCRECT);
    const int textW = measure.right - measure.left, textH = measure.bottom - measure.top;
    RECT box{row.textLeft, y + (gSkin.itemHeight - textH) / 2, row.textRight,
             y + (gSkin.itemHeight - textH) / 2 + textH};
    // The no-tooltips option also switches off a tooltip that was active when it was set.
    if (selected) {
        if (!Option(gSettings, kOptNoTooltips))
            SetRowTipActive(box.right - box.left < textW);
        else if (gPanel.rowTipActive)
            SetRowTipActive(false);
    }
    if (skinFont.flags & kFontHasShadow) {
        RECT s = box;
        OffsetRect(&s, 1, 1);
        SetTextColor(dc, shadow);
        DrawTextA(dc, item->name, -1, &s, flags);
    }
    SetTextColor(dc, color);
    DrawTextA(dc, item->name, -1, &box, flags);
}

void DrawItems() {
    HDC dc = gPanel.backBuffer.dc;
    const int count = ItemCount(gItems.head);
    if (!dc || count == 0) return;
    if (gView.currentIndex >= count || gView.currentIndex < 0) gView.currentIndex = 0;

    int32_t offset = 0;
    if (Option(gSettings, kOptAnimateScroll) && gView.scrollStart != 0)
        offset = ScaledInterpolate(gView.scrollLength, static_cast<int32_t>(gView.scrollNow - gView.scrollStart), 0,
                                   gView.scrollDistance);
    const int32_t displacement = gView.scrollDirection == 1 ? -offset : offset;

    ClipScope clip(dc, gSkin.itemLeft, gSkin.itemTop, gSkin.itemLeft + gSkin.itemWidth + gSkin.itemIndent,
                   gSkin.itemTop + gSkin.itemCount * gSkin.itemHeight);
    const int oldMode = SetBkMode(dc, TRANSPARENT);

    const bool active = gMarkers.active != 0;
    int selectedStyle, startLevel;
    if (Option(gSettings, kOptActiveCursorAlways)) {
        selectedStyle = kStyleCursorRow;
        startLevel = 192;
    } else {
        selectedStyle = active ? (gView.scrollStart ? 0 : kStyleCursorRow) : kStyleInactiveRow;
        startLevel = active ? 192 : 128;
    }
    if (offset != 0) selectedStyle |= kStyleScrolling;
    const int otherStyle = offset != 0 ? kStyleScrolling : 0;

    RowPlanInput in{};
    in.itemTotal = count;
    in.current = gView.currentIndex;
    in.cursorRow = gView.cursorRow;
    in.rowCount = gSkin.itemCount;
    in.itemTop = gSkin.itemTop;
    in.itemHeight = gSkin.itemHeight;
    in.noLoop = Option(gSettings, kOptNoLoop);
    in.displacement = displacement;
    in.startLevel = startLevel;
    // Room for every row the plan can give, however many rows the panel has.
    std::vector<PlannedRow> rows;
    // Walk the list once instead of searching it for every row.
    std::vector<const PanelItem*> byIndex;
    try {
        rows.resize(static_cast<size_t>(RowPlanCapacity(gSkin.itemCount)));
        byIndex.reserve(static_cast<size_t>(count));
        for (const PanelItem* p = gItems.head; p; p = p->next) byIndex.push_back(p);
    } catch (const std::bad_alloc&) {
        byIndex.clear();
    }
    const int n = PlanRows(in, rows.data(), static_cast<int>(rows.size()));
    for (int i = 0; i < n; ++i) {
        const PanelItem* item =
            rows[i].item < static_cast<int>(byIndex.size()) ? byIndex[rows[i].item] : ItemAt(gItems.head, rows[i].item);
        DrawItemRow(item, gSkin.itemLeft, rows[i].y, rows[i].isCurrent ? selectedStyle : otherStyle, rows[i].level);
    }
    SetBkMode(dc, oldMode);
}

void RedrawPanel(HWND window) {
    DrawFrame(0, 0, gMarkers.active != 0);
    DrawItems();
    if (window) {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
}
