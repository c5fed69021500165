#include "options/design_preview.h"

#include <windowsx.h>

#include "base/core/text.h"
#include "base/handles.h"
#include "base/panel_ids.h"
#include "options/core/design_parts.h"
#include "resources/resource.h"
#include "skin/core/skin_words.h"
#include "skin/skin_loader.h"
#include "view/close_button.h"
#include "view/core/row_plan.h"
#include "view/panel_draw.h"
#include "view/view_state.h"

namespace {

constexpr char kPreviewClass[] = "DesginPreview";

const DesignPreview* DataOf(HWND window) {
    return reinterpret_cast<const DesignPreview*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// A sample row: the program's own icon and a name.
PanelItem SampleItem(const char* name) {
    PanelItem item{};
    item.iconIndex = item.openIconIndex = -2;
    CopyText(item.name, name);
    return item;
}

// The frame of the miniature: pre-drawn as the panel pre-draws its own, then
// put down over the desktop colour, leaving it where the skin is transparent
// as the panel window does.
void DrawMiniatureFrame(const PanelCanvas& canvas, int x0, int y0) {
    const SkinInfo& skin = canvas.skin;
    Surface frame, selection;
    CreateSurface(frame, 2 * skin.panelWidth, skin.panelHeight);
    CreateSurface(selection, 2 * skin.selectWidth, skin.selectHeight);
    PredrawVariants(canvas, frame, selection);
    if (frame.dc) {
        if (skin.hasTransparentColor)
            BlitMasked(canvas.dc, x0, y0, skin.panelWidth, skin.panelHeight, frame.dc, 0, 0, skin.transparentColor);
        else
            BitBlt(canvas.dc, x0, y0, skin.panelWidth, skin.panelHeight, frame.dc, 0, 0, SRCCOPY);
    }
    // The cursor on the first of the two rows.
    DrawFrame(canvas, nullptr, selection.dc, x0, y0, 0);
    DestroySurface(selection);
    DestroySurface(frame);
}

void DrawMiniature(HWND window, HDC dc, int width, int height, const DesignPreview& data, int pixelsPerInchY) {
    OwnedFont selectedFont, otherFont;
    const SkinInfo skin = PreviewLook(data, pixelsPerInchY, selectedFont, otherFont);
    // Sample rows whose skin has no font of its own show in the base font,
    // as the panel's do in its back buffer's.
    OwnedFont base(CreateFontIndirectA(&skin.baseFont));
    OwnedSelection baseSelected;
    if (base) baseSelected = SelectedObject(dc, base.Get());

    const int x0 = CentredOrigin(width, skin.panelWidth), y0 = CentredOrigin(height, skin.panelHeight);
    const PanelCanvas canvas{dc, skin, *data.working, true, nullptr, nullptr, window, nullptr, nullptr, nullptr, false};
    DrawMiniatureFrame(canvas, x0, y0);
    if (skin.closeWidth > 0 && skin.closeHeight > 0) {
        const RECT close{x0 + skin.closeLeft, y0 + skin.closeTop, x0 + skin.closeLeft + skin.closeWidth,
                         y0 + skin.closeTop + skin.closeHeight};
        DrawCloseFace(dc, close, skin, true, false);
    }

    const PanelItem selected = SampleItem("選択アイテム(S)");
    const PanelItem other = SampleItem("非選択アイテム(U)");
    const int left = x0 + skin.itemLeft, top = y0 + skin.itemTop;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, left, top, left + skin.itemWidth + skin.itemIndent, top + 2 * skin.itemHeight);
    SetBkMode(dc, TRANSPARENT);
    DrawItemRow(canvas, selected, left, top, kStyleCursorRow, 255);
    DrawItemRow(canvas, other, left, top + skin.itemHeight, 0, 255);
    RestoreDC(dc, saved);
}

// The whole client area into target, through a back buffer.
void PaintContent(HWND window, HDC target) {
    RECT client;
    GetClientRect(window, &client);
    Surface back;
    if (!target || !CreateSurface(back, client.right, client.bottom)) return;
    OwnedBrush desktop(CreateSolidBrush(GetSysColor(COLOR_BACKGROUND)));
    FillRect(back.dc, &client, desktop.Get());
    const DesignPreview* data = DataOf(window);
    if (data && data->working)
        DrawMiniature(window, back.dc, client.right, client.bottom, *data, GetDeviceCaps(target, LOGPIXELSY));
    BitBlt(target, 0, 0, client.right, client.bottom, back.dc, 0, 0, SRCCOPY);
    DestroySurface(back);
}

void OnPaint(HWND window) {
    PaintScope paint(window);
    PaintContent(window, paint.Dc());
}

// Picks the part under the pointer in the page's list, as if the user had
// chosen it there. Only while the customisation is ticked.
bool OnLeftButtonDown(HWND window, POINT point) {
    HWND page = GetParent(window);
    if (!page || IsDlgButtonChecked(page, IDC_CUSTOM_DESIGN) != BST_CHECKED) return false;
    const int part = DesignPreviewPartAt(window, point);
    HWND parts = GetDlgItem(page, IDC_DESIGN_PART);
    if (part < 0 || !parts || part >= SendMessageA(parts, CB_GETCOUNT, 0, 0)) return false;
    SendMessageA(parts, CB_SETCURSEL, part, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_DESIGN_PART, CBN_SELCHANGE), reinterpret_cast<LPARAM>(parts));
    return true;
}

LRESULT CALLBACK PreviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnPaint(window);
            return 0;
        case WM_PRINTCLIENT:
            PaintContent(window, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_LBUTTONDOWN:
            if (OnLeftButtonDown(window, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) return 0;
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void TakePreviewSkin(SkinInfo& copy, const SkinInfo& live) {
    copy = live;
    const SkinDefaults& d = live.skinDefaults;
    copy.selectHeight = d.selectHeight;
    copy.iconSize = d.iconSize;
    copy.itemHeight = d.itemHeight;
    copy.selectBackColor = d.selectBackColor;
    copy.selectFrameColor = d.selectFrameColor;
    copy.backColor = d.backColor;
    copy.selectedItemFont = d.selectedItemFont;
    copy.otherItemFont = d.otherItemFont;
    copy.selectedItemFont.font = copy.otherItemFont.font = nullptr;
    const TwoRowPanel two = CutToTwoRows(d.panelHeight, d.selectTop, d.itemCount, d.itemHeight);
    copy.panelHeight = copy.baseHeight = two.panelHeight;
    copy.selectTop = two.selectTop;
    copy.itemCount = 2;
    // What follows the bottom edge keeps its distance from it.
    if (live.closeAlign & kAlignBottom)
        copy.closeTop = SaturatingAdd(copy.panelHeight, -(int64_t{live.panelHeight} - live.closeTop));
    SkinImage& overlay = copy.panelImages.images[kSlotOverlay];
    if (overlay.align & kAlignBottom)
        overlay.offsetTop = SaturatingAdd(copy.panelHeight, -(int64_t{live.panelHeight} - overlay.offsetTop));
    copy.closeAlign &= ~(kCloseHot | kClosePressed);
    if (copy.kind == kSkinThemed) copy.transparentColor = GetSysColor(COLOR_BACKGROUND);
}

SkinInfo PreviewLook(const DesignPreview& preview, int pixelsPerInchY, OwnedFont& selectedFont, OwnedFont& otherFont) {
    SkinInfo skin = preview.skin;
    if (preview.working) ApplyItemLook(skin, selectedFont, otherFont, *preview.working, pixelsPerInchY);
    return skin;
}

void AttachDesignPreview(HWND preview, const DesignPreview* data) {
    if (!preview) return;
    SetWindowLongPtrA(preview, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
    // The classic look's caption shows the window's text, as the panel's does.
    SetWindowTextA(preview, kPanelTitle);
    InvalidateRect(preview, nullptr, FALSE);
}

int DesignPreviewPartAt(HWND preview, POINT point) {
    const DesignPreview* data = DataOf(preview);
    if (!data || !data->working) return -1;
    RECT client;
    GetClientRect(preview, &client);
    int pixelsPerInchY = 96;
    {
        WindowDc dc(preview);
        if (dc) pixelsPerInchY = GetDeviceCaps(dc.Get(), LOGPIXELSY);
    }
    OwnedFont selectedFont, otherFont;
    const SkinInfo skin = PreviewLook(*data, pixelsPerInchY, selectedFont, otherFont);
    const Settings& s = *data->working;
    const SkinImage* frame = skin.panelImages.images;
    PreviewHitInput in{};
    in.x0 = CentredOrigin(client.right, skin.panelWidth);
    in.y0 = CentredOrigin(client.bottom, skin.panelHeight);
    in.kind = skin.kind;
    in.noIcons = Option(s, kOptNoIcons);
    in.panelWidth = skin.panelWidth;
    in.panelHeight = skin.panelHeight;
    in.frameLeft = frame[kSlotMiddleLeft].width;
    in.frameTop = frame[kSlotTopMiddle].height;
    in.frameRight = frame[kSlotMiddleRight].width;
    in.frameBottom = frame[kSlotBottomMiddle].height;
    in.itemLeft = skin.itemLeft;
    in.itemTop = skin.itemTop;
    in.itemWidth = skin.itemWidth;
    in.itemHeight = skin.itemHeight;
    in.iconSize = skin.iconSize;
    in.itemMargin = skin.itemMargin;
    in.selectPoints = s.selectSize;
    in.otherPoints = s.unselectSize;
    in.pixelsPerInchY = pixelsPerInchY;
    return PreviewPartAt(in, point.x, point.y);
}

bool RegisterDesignPreviewClass(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW;
    wc.lpfnWndProc = PreviewProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kPreviewClass;
    return RegisterClassA(&wc) != 0;
}

void UnregisterDesignPreviewClass(HINSTANCE instance) { UnregisterClassA(kPreviewClass, instance); }
