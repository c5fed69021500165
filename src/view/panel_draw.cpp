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

// A plain copy, or a copy that leaves the destination where the source has
// the key colour.
void BlitImage(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, bool masked, ColorRef key) {
    if (!dest || !source || width <= 0 || height <= 0) return;
    if (masked)
        BlitMasked(dest, x, y, width, height, source, sx, sy, key);
    else
        BitBlt(dest, x, y, width, height, source, sx, sy, SRCCOPY);
}

// Where a piece goes and how: masked pieces leave the destination under the key colour.
struct PieceDraw {
    HDC dc;
    KRect visible;
    bool active;
    bool masked;
    ColorRef key;
};

void StretchPiece(const PieceDraw& d, const KRect& dest, const SkinImage& image, int sx) {
    HDC dc = d.dc;
    const int dw = Width(dest), dh = Height(dest);
    if (dw <= 0 || dh <= 0 || image.width <= 0 || image.height <= 0) return;
    if (!d.masked) {
        StretchBlt(dc, dest.left, dest.top, dw, dh, image.dc, sx, 0, image.width, image.height, SRCCOPY);
        return;
    }
    const KRect v = Intersect(dest, d.visible);
    Surface temp;
    if (IsEmpty(v) || !CreateSurface(temp, Width(v), Height(v))) return;
    SetStretchBltMode(temp.dc, COLORONCOLOR);
    StretchBlt(temp.dc, dest.left - v.left, dest.top - v.top, dw, dh, image.dc, sx, 0, image.width, image.height,
               SRCCOPY);
    BlitMasked(dc, v.left, v.top, temp.width, temp.height, temp.dc, 0, 0, d.key);
    DestroySurface(temp);
}

// Tiles the frame over dest from its top-left corner. The tiles are doubled
// in a scratch surface that covers only the visible part, so the number of
// copies stays small whatever the tile and area sizes.
void TilePiece(const PieceDraw& d, const KRect& dest, const SkinImage& image, int sx) {
    const KRect window = TileWindow(dest, d.visible, image.width, image.height);
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
    BlitImage(d.dc, window.left, window.top, temp.width, temp.height, temp.dc, 0, 0, d.masked, d.key);
    DestroySurface(temp);
}

void DrawPiece(const PieceDraw& d, const GridPiece& piece, const SkinImage& image) {
    const int sx = d.active ? 0 : image.width;
    switch (piece.mode) {
        case PieceMode::kSingle:
            if (!IsEmpty(Intersect(piece.dest, d.visible)))
                BlitImage(d.dc, piece.dest.left, piece.dest.top, image.width, image.height, image.dc, sx, 0, d.masked,
                          d.key);
            break;
        case PieceMode::kStretch:
            StretchPiece(d, piece.dest, image, sx);
            break;
        case PieceMode::kTile:
            TilePiece(d, piece.dest, image, sx);
            break;
    }
}

void FillColor(HDC dc, const RECT& r, ColorRef color) {
    OwnedBrush brush(CreateSolidBrush(color));
    FillRect(dc, &r, brush.Get());
}

// The item's icon, arrow or separator drawn over a copy of what lies under
// it, then blended back at level: the gradient list's fading rows.
template <typename Draw>
void DrawFaded(HDC dest, int x, int y, int w, int h, Surface* scratch, bool simd, int level, Draw draw) {
    if (!scratch || !scratch[0].dc || !scratch[1].dc || w <= 0 || h <= 0) {
        draw(dest, x, y);
        return;
    }
    w = std::min(w, scratch[0].width);
    h = std::min(h, scratch[0].height);
    BitBlt(scratch[0].dc, 0, 0, w, h, dest, x, y, SRCCOPY);
    BitBlt(scratch[1].dc, 0, 0, w, h, dest, x, y, SRCCOPY);
    draw(scratch[1].dc, 0, 0);
    GdiFlush();
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

// An icon of the canvas's image list, or (index -2) the program's own icon.
void DrawIcon(const PanelCanvas& c, HDC dc, int x, int y, int index, bool unselected) {
    const int size = c.skin.iconSize;
    if (index >= 0) {
        if (c.icons) DrawCachedIcon(c.icons, index, dc, x, y, size, unselected);
    } else if (index == -2) {
        if (HICON icon = ProgramIcon(size)) DrawIconEx(dc, x, y, icon, size, size, 0, nullptr, DI_NORMAL);
    }
}

void DrawArrow(const PanelCanvas& c, HDC dc, int x, int y, int index, bool unselected) {
    if (!c.arrows) return;
    ImageList_DrawEx(c.arrows, index, dc, x, y, c.skin.arrowWidth, c.skin.arrowHeight, CLR_NONE, CLR_NONE,
                     ILD_TRANSPARENT | (unselected ? ILD_BLEND25 : 0));
}

const PanelItem* NthItem(const PanelItem* item, int n) {
    for (; item && n > 0; --n) item = item->next;
    return item;
}

OptionFlag IndentOption(const Settings& s) {
    if (Option(s, kOptIndentLarge)) return kOptIndentLarge;
    if (Option(s, kOptIndentMedium)) return kOptIndentMedium;
    return kOptIndentSmall;
}

}  // namespace

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

void DrawNineGrid(HDC dc, const SkinInfo& skin, int x, int y, int width, int height, const SkinImageSet& set,
                  uint32_t selector, bool active) {
    if (!dc || width <= 0 || height <= 0) return;
    GridImage images[kGridSlotCount];
    for (int i = 0; i < kGridSlotCount; ++i) images[i] = ToGrid(set.images[i]);
    GridPiece pieces[kGridSlotCount];
    const int n = PlanNineGrid(images, set.stretch, x, y, width, height, pieces);
    const KRect visible = Intersect(SafeRect(x, y, width, height), SurfaceBounds(dc));
    if (IsEmpty(visible)) return;
    ClipScope clip(dc, visible.left, visible.top, visible.right, visible.bottom);
    if (set.stretch & kStretchMask) SetStretchBltMode(dc, COLORONCOLOR);
    const bool masked = (skin.resizeFlags & selector) != 0;
    for (int i = 0; i < n; ++i) {
        // The overlay is always masked.
        const PieceDraw d{dc, visible, active, masked || pieces[i].slot == kGridOverlay, skin.transparentColor};
        DrawPiece(d, pieces[i], set.images[pieces[i].slot]);
    }
}

void DrawThemedFrame(HDC dc, const SkinInfo& skin, int x, int y, int w, int h, bool active) {
    const VisualStyles& vs = gVisualStyles;
    HTHEME theme = skin.windowTheme;
    if (!dc || !theme || !vs.DrawThemeBackground) return;
    const int state = active ? 1 : 2;
    const int top = skin.panelImages.images[kSlotTopMiddle].height;
    const int left = skin.panelImages.images[kSlotMiddleLeft].width;
    const int right = skin.panelImages.images[kSlotMiddleRight].width;
    const int bottom = skin.panelImages.images[kSlotBottomMiddle].height;
    FillColor(dc, RECT{x, y, x + w, y + h}, skin.transparentColor);
    RECT caption{x, y, x + w, y + top};
    vs.DrawThemeBackground(theme, dc, 1, state, &caption, nullptr);
    RECT leftFrame{x, y + top, x + left, y + h - bottom};
    vs.DrawThemeBackground(theme, dc, 7, state, &leftFrame, nullptr);
    RECT rightFrame{x + w - right, y + top, x + w, y + h - bottom};
    vs.DrawThemeBackground(theme, dc, 8, state, &rightFrame, nullptr);
    RECT bottomFrame{x, y + h - bottom, x + w, y + h};
    vs.DrawThemeBackground(theme, dc, 9, state, &bottomFrame, nullptr);
    FillColor(dc, RECT{x + left, y + top, x + w - right, y + h - bottom}, skin.backColor);

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
    text.right = skin.closeLeft;
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

void DrawClassicFrame(HDC dc, HWND captionWindow, int x, int y, int w, int h, bool active) {
    if (!dc) return;
    RECT r{x, y, x + w, y + h};
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    const int fx = GetSystemMetrics(SM_CXFRAME), fy = GetSystemMetrics(SM_CYFRAME);
    RECT caption{x + fx, y + fy, x + w - fx, y + GetSystemMetrics(SM_CYCAPTION) + fy - 1};
    if (captionWindow)
        DrawCaption(captionWindow, dc, &caption, DC_GRADIENT | DC_TEXT | DC_SMALLCAP | (active ? DC_ACTIVE : 0));
}

void DrawPlainSelection(HDC dc, const SkinInfo& skin, int x, int y, bool active) {
    if (!dc) return;
    RECT r{x, y, x + skin.selectWidth, y + skin.selectHeight};
    if (active) {
        FillColor(dc, r, skin.selectFrameColor);
        InflateRect(&r, -1, -1);
        if (r.right > r.left && r.bottom > r.top) FillColor(dc, r, skin.selectBackColor);
    } else {
        FillColor(dc, r, skin.backColor);
    }
}

void DrawPanelFrame(const PanelCanvas& c, int x, int y, bool active) {
    const SkinInfo& skin = c.skin;
    if (skin.kind == kSkinThemed && skin.windowTheme)
        DrawThemedFrame(c.dc, skin, x, y, skin.panelWidth, skin.panelHeight, active);
    else if (skin.kind == kSkinClassic)
        DrawClassicFrame(c.dc, c.captionWindow, x, y, skin.panelWidth, skin.panelHeight, active);
    else
        DrawNineGrid(c.dc, skin, x, y, skin.panelWidth, skin.panelHeight, skin.panelImages, 0x100, active);
}

void DrawSelectionFrame(const PanelCanvas& c, int x, int y, bool active) {
    const SkinInfo& skin = c.skin;
    if (skin.kind == kSkinClassic || skin.kind == kSkinThemed)
        DrawPlainSelection(c.dc, skin, x, y, active);
    else
        DrawNineGrid(c.dc, skin, x, y, skin.selectWidth, skin.selectHeight, skin.selectImages, kMaskedSelection,
                     active);
}

namespace {

void FillSurface(const Surface& s, ColorRef color) {
    if (!s.dc) return;
    OwnedBrush brush(CreateSolidBrush(color));
    RECT r{0, 0, s.width, s.height};
    FillRect(s.dc, &r, brush.Get());
}

PanelCanvas CanvasOn(const PanelCanvas& c, HDC dc) {
    return PanelCanvas{dc,
                       c.skin,
                       c.settings,
                       c.active,
                       c.icons,
                       c.arrows,
                       c.captionWindow,
                       c.iconScratch,
                       c.arrowScratch,
                       c.rowScratch,
                       c.drivesRowTip};
}

}  // namespace

void PredrawVariants(const PanelCanvas& c, const Surface& frame, const Surface& selection) {
    FillSurface(frame, c.skin.transparentColor);
    FillSurface(selection, c.skin.transparentColor);
    if (frame.dc) {
        const PanelCanvas on = CanvasOn(c, frame.dc);
        DrawPanelFrame(on, 0, 0, true);
        DrawPanelFrame(on, c.skin.panelWidth, 0, false);
    }
    if (selection.dc) {
        const PanelCanvas on = CanvasOn(c, selection.dc);
        DrawSelectionFrame(on, 0, 0, true);
        DrawSelectionFrame(on, c.skin.selectWidth, 0, false);
    }
}

void DrawFrame(const PanelCanvas& c, HDC frame, HDC selection, int x, int y, int cursorRow) {
    const SkinInfo& skin = c.skin;
    if (!c.dc) return;
    if (frame) BitBlt(c.dc, x, y, skin.panelWidth, skin.panelHeight, frame, c.active ? 0 : skin.panelWidth, 0, SRCCOPY);
    if (selection) {
        const int top = CursorTop(skin.selectTop, cursorRow, skin.itemCount, skin.itemHeight);
        const bool activeCursor = c.active || Option(c.settings, kOptActiveCursorAlways);
        BlitImage(c.dc, x + skin.selectLeft, y + top, skin.selectWidth, skin.selectHeight, selection,
                  activeCursor ? 0 : skin.selectWidth, 0, (skin.resizeFlags & kMaskedSelection) != 0,
                  skin.transparentColor);
    }
}

void DrawSeparatorRow(HDC dc, const SkinInfo& skin, int x, int y, int w, int h) {
    if (!dc) return;
    if (skin.kind == kSkinClassic) {
        RECT r{x + skin.separatorMarginLeft, y + (h - 2) / 2, x + w - skin.separatorMarginRight, y + (h - 2) / 2 + 2};
        if (r.right > r.left) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_MIDDLE);
        return;
    }
    const GridImage images[3] = {ToGrid(skin.separatorLeft), ToGrid(skin.separatorMiddle), ToGrid(skin.separatorRight)};
    const SkinImage* slots[3] = {&skin.separatorLeft, &skin.separatorMiddle, &skin.separatorRight};
    GridPiece pieces[3];
    const int n = PlanSeparator(images, skin.separatorFlags, skin.separatorMarginLeft, skin.separatorMarginRight, x, y,
                                w, h, pieces);
    const KRect visible = SurfaceBounds(dc);
    if (skin.separatorFlags & kStretchMask) SetStretchBltMode(dc, COLORONCOLOR);
    for (int i = 0; i < n; ++i) {
        // Everything but a stretched middle is masked.
        const PieceDraw d{dc, visible, true, pieces[i].mode != PieceMode::kStretch, skin.transparentColor};
        DrawPiece(d, pieces[i], *slots[pieces[i].slot]);
    }
}

void DrawItemRow(const PanelCanvas& c, const PanelItem& item, int x, int y, int style, int level) {
    HDC dc = c.dc;
    if (!dc) return;
    const SkinInfo& skin = c.skin;
    const Settings& settings = c.settings;
    const bool selected = IsSelectedStyle(style);
    const bool gradient = Option(settings, kOptGradient) && !(style & (kStyleCursorRow | kStyleInactiveRow));
    const bool simd = settings.mmxAvailable != 0;

    RowLayoutInput in{};
    in.x = x;
    in.y = y;
    in.style = style;
    in.depth = static_cast<int32_t>(item.depth);
    in.itemIndent = skin.itemIndent;
    in.itemWidth = skin.itemWidth;
    in.itemHeight = skin.itemHeight;
    in.itemMargin = skin.itemMargin;
    in.iconSize = skin.iconSize;
    in.arrowWidth = skin.arrowWidth;
    in.arrowHeight = skin.arrowHeight;
    in.indentOption = IndentOption(settings);
    in.noIcons = Option(settings, kOptNoIcons);
    in.noText = Option(settings, kOptNoText);
    in.hasArrow =
        Option(settings, kOptFoldersInPanel) && Option(settings, kOptFolderArrow) && (item.flags & kItemFolder);
    const RowLayout row = LayoutRow(in);

    if (IsSeparator(&item)) {
        const int sx = skin.itemLeft + row.shift, w = skin.itemWidth - row.shift;
        if (gradient)
            DrawFaded(dc, sx, y, w, skin.itemHeight, c.rowScratch, simd, level + 64,
                      [&](HDC target, int tx, int ty) { DrawSeparatorRow(target, skin, tx, ty, w, skin.itemHeight); });
        else
            DrawSeparatorRow(dc, skin, sx, y, w, skin.itemHeight);
        return;
    }

    const bool open = (item.flags & kItemOpen) != 0;
    if (!in.noIcons) {
        const int index = open ? item.openIconIndex : item.iconIndex;
        if (gradient && index >= 0)
            DrawFaded(dc, row.iconX, row.iconY, skin.iconSize, skin.iconSize, c.iconScratch, simd, level,
                      [&](HDC target, int tx, int ty) { DrawIcon(c, target, tx, ty, index, false); });
        else
            DrawIcon(c, dc, row.iconX, row.iconY, index, !selected);
    }
    if (in.hasArrow) {
        const int index = (open ? 1 : 0) + (selected ? 0 : 2);
        if (gradient)
            DrawFaded(dc, row.arrowX, row.arrowY, skin.arrowWidth, skin.arrowHeight, c.arrowScratch, simd, level,
                      [&](HDC target, int tx, int ty) { DrawArrow(c, target, tx, ty, index, false); });
        else
            DrawArrow(c, dc, row.arrowX, row.arrowY, index, !selected);
    }
    if (in.noText) return;

    const SkinFont& skinFont = selected ? skin.selectedItemFont : skin.otherItemFont;
    ColorRef color = skinFont.color, shadow = skinFont.shadowColor;
    if (!selected && gradient) {
        color = MixColor(skin.backColor, color, level + 32);
        shadow = MixColor(skin.backColor, shadow, level + 32);
    }
    OwnedSelection itemFont;
    if (skinFont.font) itemFont = SelectedObject(dc, skinFont.font);
    UINT flags = DT_SINGLELINE | DT_END_ELLIPSIS;
    if (!Option(settings, kOptAccelerators)) flags |= DT_NOPREFIX;
    RECT measure{0, 0, 0, 0};
    DrawTextA(dc, item.name, -1, &measure, (flags & DT_NOPREFIX) | DT_SINGLELINE | DT_CALCRECT);
    const int textW = measure.right - measure.left, textH = measure.bottom - measure.top;
    RECT box{row.textLeft, y + (skin.itemHeight - textH) / 2, row.textRight, y + (skin.itemHeight - textH) / 2 + textH};
    // The no-tooltips option also switches off a tooltip that was active when it was set.
    if (selected && c.drivesRowTip) {
        if (!Option(settings, kOptNoTooltips))
            SetRowTipActive(box.right - box.left < textW);
        else if (gPanel.rowTipActive)
            SetRowTipActive(false);
    }
    if (skinFont.flags & kFontHasShadow) {
        RECT s = box;
        OffsetRect(&s, 1, 1);
        SetTextColor(dc, shadow);
        DrawTextA(dc, item.name, -1, &s, flags);
    }
    SetTextColor(dc, color);
    DrawTextA(dc, item.name, -1, &box, flags);
}

void DrawItems(const PanelCanvas& c, const RowsToShow& rows) {
    HDC dc = c.dc;
    const SkinInfo& skin = c.skin;
    const int count = ItemCount(rows.head);
    if (!dc || count == 0) return;

    ClipScope clip(dc, skin.itemLeft, skin.itemTop, skin.itemLeft + skin.itemWidth + skin.itemIndent,
                   skin.itemTop + skin.itemCount * skin.itemHeight);
    const int oldMode = SetBkMode(dc, TRANSPARENT);

    int selectedStyle, startLevel;
    if (Option(c.settings, kOptActiveCursorAlways)) {
        selectedStyle = kStyleCursorRow;
        startLevel = 192;
    } else {
        selectedStyle = c.active ? (rows.sliding ? 0 : kStyleCursorRow) : kStyleInactiveRow;
        startLevel = c.active ? 192 : 128;
    }
    if (rows.displacement != 0) selectedStyle |= kStyleScrolling;
    const int otherStyle = rows.displacement != 0 ? kStyleScrolling : 0;

    RowPlanInput in{};
    in.itemTotal = count;
    in.current = rows.current;
    in.cursorRow = rows.cursorRow;
    in.rowCount = skin.itemCount;
    in.itemTop = skin.itemTop;
    in.itemHeight = skin.itemHeight;
    in.noLoop = Option(c.settings, kOptNoLoop);
    in.displacement = rows.displacement;
    in.startLevel = startLevel;
    // Room for every row the plan can give, however many rows the panel has.
    std::vector<PlannedRow> planned;
    // Walk the list once instead of searching it for every row.
    std::vector<const PanelItem*> byIndex;
    try {
        planned.resize(static_cast<size_t>(RowPlanCapacity(skin.itemCount)));
        byIndex.reserve(static_cast<size_t>(count));
        for (const PanelItem* p = rows.head; p; p = p->next) byIndex.push_back(p);
    } catch (const std::bad_alloc&) {
        byIndex.clear();
    }
    const int n = PlanRows(in, planned.data(), static_cast<int>(planned.size()));
    for (int i = 0; i < n; ++i) {
        const PanelItem* item = planned[i].item < static_cast<int>(byIndex.size())
                                    ? byIndex[planned[i].item]
                                    : NthItem(rows.head, planned[i].item);
        if (item)
            DrawItemRow(c, *item, skin.itemLeft, planned[i].y, planned[i].isCurrent ? selectedStyle : otherStyle,
                        planned[i].level);
    }
    SetBkMode(dc, oldMode);
}

PanelCanvas LivePanelCanvas(bool active) {
    return PanelCanvas{gPanel.backBuffer.dc,
                       gSkin,
                       gSettings,
                       active,
                       gItems.panelImages.Get(),
                       gItems.arrowImages.Get(),
                       gWindows.panel,
                       gPanel.iconScratch,
                       gPanel.arrowScratch,
                       gPanel.rowScratch,
                       true};
}

RowsToShow LiveRows() {
    // An empty list keeps the index: it is the position restored for the items still to come.
    const int count = ItemCount(gItems.head);
    if (gPanel.backBuffer.dc && count > 0 && (gView.currentIndex >= count || gView.currentIndex < 0))
        gView.currentIndex = 0;
    int32_t offset = 0;
    if (Option(gSettings, kOptAnimateScroll) && gView.scrollStart != 0)
        offset = ScaledInterpolate(gView.scrollLength, static_cast<int32_t>(gView.scrollNow - gView.scrollStart), 0,
                                   gView.scrollDistance);
    return RowsToShow{gItems.head, gView.currentIndex, gView.cursorRow, gView.scrollDirection == 1 ? -offset : offset,
                      gView.scrollStart != 0};
}

void ComposePanel(bool active) {
    const PanelCanvas canvas = LivePanelCanvas(active);
    DrawFrame(canvas, gPanel.frame.dc, gPanel.selection.dc, 0, 0, gView.cursorRow);
    DrawItems(canvas, LiveRows());
}

void RedrawPanel(HWND window) {
    ComposePanel(gMarkers.active != 0);
    if (window) {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
}
