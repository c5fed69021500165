#include "view/panel_layout.h"

#include "base/program_windows.h"
#include "base/settings_store.h"
#include "base/window_helpers.h"
#include "resources/resource.h"
#include "skin/skin_info.h"
#include "skin/skin_loader.h"
#include "view/close_button.h"
#include "view/panel_draw.h"
#include "view/panel_surfaces.h"
#include "view/row_tooltip.h"
#include "view/view_state.h"

namespace {

void UpdateClickArea() {
    gView.clickArea =
        RECT{gSkin.clickLeft, gSkin.clickTop, gSkin.clickLeft + gSkin.clickWidth, gSkin.clickTop + gSkin.clickHeight};
}

// The narrowest the user may drag the panel.
int32_t MinimumWidth() {
    if (gSkin.kind == kSkinFormat2) {
        const SkinImage* im = gSkin.panelImages.images;
        return im[kSlotTopLeft].width + im[kSlotTopMiddle].width + im[kSlotTopRight].width;
    }
    return GetSystemMetrics(SM_CXMINTRACK);
}

void CreateCloseButtonIfAny(HWND window) {
    if (gSkin.closeWidth && gSkin.closeHeight)
        CreateCloseButton(window, gSkin.closeLeft, gSkin.closeTop, gSkin.closeWidth, gSkin.closeHeight,
                          IDC_CLOSE_BUTTON);
}

// Enough for any desk; monitors past the last are left out of the rescue.
struct MonitorWorkAreas {
    KRect rects[16];
    int32_t count = 0;
};

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* areas = reinterpret_cast<MonitorWorkAreas*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        const RECT& w = info.rcWork;
        areas->rects[areas->count++] = KRect{w.left, w.top, w.right, w.bottom};
    }
    return areas->count < static_cast<int32_t>(sizeof areas->rects / sizeof areas->rects[0]);
}

bool CursorMonitorWorkArea(POINT cursor, KRect* work) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &info)) return false;
    *work = KRect{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
    return true;
}

void SetDragFullWindows(BOOL on) { SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, on, nullptr, 0); }

}  // namespace

PanelGeometry GeometryOf(const SkinInfo& skin) {
    PanelGeometry g{};
    g.panelWidth = skin.panelWidth;
    g.panelHeight = skin.panelHeight;
    g.baseHeight = skin.baseHeight;
    g.selectLeft = skin.selectLeft;
    g.selectTop = skin.selectTop;
    g.selectWidth = skin.selectWidth;
    g.selectHeight = skin.selectHeight;
    g.clickLeft = skin.clickLeft;
    g.clickTop = skin.clickTop;
    g.clickWidth = skin.clickWidth;
    g.clickHeight = skin.clickHeight;
    g.closeLeft = skin.closeLeft;
    g.closeTop = skin.closeTop;
    g.closeAlign = skin.closeAlign;
    g.itemWidth = skin.itemWidth;
    g.itemHeight = skin.itemHeight;
    g.itemCount = skin.itemCount;
    const SkinImage& overlay = skin.panelImages.images[kSlotOverlay];
    g.overlayLeft = overlay.offsetLeft;
    g.overlayTop = overlay.offsetTop;
    g.overlayAlign = overlay.align;
    g.resizeFlags = skin.resizeFlags;
    return g;
}

void PutGeometry(SkinInfo& skin, const PanelGeometry& g) {
    skin.panelWidth = g.panelWidth;
    skin.panelHeight = g.panelHeight;
    skin.baseHeight = g.baseHeight;
    skin.selectLeft = g.selectLeft;
    skin.selectTop = g.selectTop;
    skin.selectWidth = g.selectWidth;
    skin.selectHeight = g.selectHeight;
    skin.clickLeft = g.clickLeft;
    skin.clickTop = g.clickTop;
    skin.clickWidth = g.clickWidth;
    skin.clickHeight = g.clickHeight;
    skin.closeLeft = g.closeLeft;
    skin.closeTop = g.closeTop;
    // The hot and pressed bits belong to the live button, not to the snapshot.
    skin.closeAlign = (g.closeAlign & ~(kCloseHot | kClosePressed)) | (skin.closeAlign & (kCloseHot | kClosePressed));
    skin.itemWidth = g.itemWidth;
    skin.itemHeight = g.itemHeight;
    skin.itemCount = g.itemCount;
    skin.panelImages.images[kSlotOverlay].offsetLeft = g.overlayLeft;
    skin.panelImages.images[kSlotOverlay].offsetTop = g.overlayTop;
}

PanelGeometry CurrentGeometry() {
    PanelGeometry g = GeometryOf(gSkin);
    g.cursorRow = gView.cursorRow;
    return g;
}

void SetGeometry(const PanelGeometry& g) {
    gView.cursorRow = g.cursorRow;
    PutGeometry(gSkin, g);
    UpdateClickArea();
}

void LayoutPanel(HWND window, const char* skinName) {
    if (!ApplySkin(window, skinName)) ShowErrorString(window, IDS_SKIN_LOAD_FAILED);

    PanelGeometry g = CurrentGeometry();
    ApplySavedSize(g, gSettings.savedItemCount, gSettings.savedPanelWidth);
    SetGeometry(g);

    CreateSurfaces(window);
    SetWindowPos(window, nullptr, 0, 0, gSkin.panelWidth, gSkin.baseHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CreateCloseButtonIfAny(window);

    // The gradient list fades towards the middle of the skin's background.
    const SkinImage& background = gSkin.panelImages.images[kSlotBackground];
    if (Option(gSettings, kOptGradient) && gSkin.kind != kSkinClassic && background.dc)
        gSkin.backColor = AverageColor(background.dc, (background.width - 3) / 2, (background.height - 3) / 2, 3);

    ComposePanel(gMarkers.active != 0);
    gPanel.built = true;
}

void ReleasePanelLayout(HWND window) {
    if (!gPanel.built) return;
    ReleaseSkin();
    DestroyCloseButton();
    if (window) InvalidateRect(window, nullptr, TRUE);
    DestroySurfaces();
    gPanel.built = false;
}

void SaveWindowPosition(HWND window) {
    RECT r;
    if (!GetWindowRect(window, &r)) return;
    if (gView.shownByMouse) {
        gSettings.left = r.left;
        gSettings.top = r.top;
    } else {
        gSettings.left2 = r.left;
        gSettings.top2 = r.top;
    }
}

void PlacePanel(HWND window, bool byMouse) {
    const bool mouseGroup = byMouse || Option(gSettings, kOptOtherPlaceAsMouse);
    gView.shownByMouse = mouseGroup ? 1 : 0;
    if (Option(gSettings, kOptAlwaysShown) && IsWindowVisible(window)) return;
    const OptionFlag place = mouseGroup ? kOptMousePlace : kOptOtherPlace;
    const OptionFlag center = mouseGroup ? kOptMousePlaceCenter : kOptOtherPlaceCenter;
    const OptionFlag atCursor = mouseGroup ? kOptMousePlaceAtCursor : kOptOtherPlaceAtCursor;

    PlacementInput in{};
    in.previous = !Option(gSettings, place);
    in.center = Option(gSettings, center);
    in.atCursor = Option(gSettings, atCursor);
    in.noEdgeCorrection = Option(gSettings, kOptNoEdgeCorrection);
    in.saved = mouseGroup ? KPoint{gSettings.left, gSettings.top} : KPoint{gSettings.left2, gSettings.top2};
    in.onCursorMonitor = Option(gSettings, kOptOnCursorMonitor);
    POINT cursor{0, 0};
    // A round trip to the display server under some systems: only when needed.
    if (in.atCursor || in.onCursorMonitor) GetCursorPos(&cursor);
    in.cursor = KPoint{cursor.x, cursor.y};
    in.width = gSkin.panelWidth;
    in.height = gSkin.panelHeight;
    in.itemTop = gSkin.itemTop;
    in.itemHeight = gSkin.itemHeight;
    in.itemCount = gSkin.itemCount;
    if (GetSystemMetrics(SM_CMONITORS) >= 1) {
        const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
        in.desktop = KRect{x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    } else {
        in.desktop = KRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    RECT now{};
    GetWindowRect(window, &now);
    in.current = KPoint{now.left, now.top};
    if (in.onCursorMonitor) in.onCursorMonitor = CursorMonitorWorkArea(cursor, &in.cursorWork);
    MonitorWorkAreas areas;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    in.workAreas = areas.rects;
    in.workAreaCount = areas.count;

    const PlacementResult result = PlacePanelAt(in);
    const bool moves = now.left != result.position.x || now.top != result.position.y;
    if (result.kind == Placement::kMove && moves)
        SetWindowPos(window, nullptr, result.position.x, result.position.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    else if (result.kind == Placement::kCenter)
        CenterWindow(nullptr, window);
}

int HitTestBorder(HWND window, POINT p) {
    RECT r;
    if (!GetWindowRect(window, &r)) return 0;
    const int hit = BorderAt(gSkin.resizeFlags, KRect{r.left, r.top, r.right, r.bottom}, gSkin.panelHeight,
                             GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME), KPoint{p.x, p.y});
    return hit;
}

void BeginResize(HWND /*window*/) {
    BOOL full = FALSE;
    gPanel.dragSettingChanged = false;
    if (SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0) && full) {
        SetDragFullWindows(FALSE);
        gPanel.dragFullWindows = full;
        gPanel.dragSettingChanged = true;
    }
    gPanel.snapshot = CurrentGeometry();
    gPanel.snapshotChanged = false;
    gPanel.resizing = true;
    gMarkers.panelBusy = 1;
}

void SizingRect(int edge, RECT* rect) {
    if (!rect) return;
    if (edge != kEdgeRight && edge != kEdgeBottom && edge != kEdgeBottomRight) return;
    if (!gPanel.resizing) {  // a sizing loop not started by our border press
        gPanel.snapshot = CurrentGeometry();
        gPanel.snapshotChanged = false;
        gPanel.resizing = true;
    }
    KRect r{rect->left, rect->top, rect->right, rect->bottom};
    if (SizingStep(gPanel.snapshot, edge, r, MinimumWidth())) gPanel.snapshotChanged = true;
    *rect = RECT{r.left, r.top, r.right, r.bottom};
}

void EndResize(HWND window) {
    if (gPanel.dragSettingChanged) SetDragFullWindows(gPanel.dragFullWindows);
    gPanel.dragSettingChanged = false;
    gMarkers.panelBusy = 0;
    SaveWindowPosition(window);
    const bool wasResizing = gPanel.resizing;
    gPanel.resizing = false;
    RECT wr;
    if (!wasResizing || !gPanel.snapshotChanged || !GetWindowRect(window, &wr)) return;
    gPanel.snapshotChanged = false;
    const int32_t w = wr.right - wr.left, h = wr.bottom - wr.top;
    if (w == gSkin.panelWidth && h == gSkin.panelHeight) return;

    PanelGeometry& s = gPanel.snapshot;
    if (w != s.panelWidth && w >= MinimumWidth()) {
        WidenBy(s, w - s.panelWidth);
        s.panelWidth = w;
    }
    const int32_t row = CursorRowAfterResize(gView.cursorRow, s.itemCount, Option(gSettings, kOptCursorFollowsMouse));
    SetGeometry(s);
    gSettings.savedItemCount = gSkin.itemCount;
    gSettings.savedPanelWidth = gSkin.panelWidth;
    DestroySurfaces();
    CreateSurfaces(window);
    // Creating the surfaces puts the cursor on the middle row; keep the row
    // worked out above.
    gView.cursorRow = row;
    SetWindowPos(window, nullptr, 0, 0, gSkin.panelWidth, gSkin.panelHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (gPanel.closeButton)
        SetWindowPos(gPanel.closeButton, nullptr, gSkin.closeLeft, gSkin.closeTop, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawPanel(window);
    if (gPanel.closeButton) InvalidateRect(gPanel.closeButton, nullptr, FALSE);
    MoveRowTool(window);
    RefreshRowTip(window);
}
