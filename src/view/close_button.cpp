#include "view/close_button.h"

#include <commctrl.h>

#include "base/handles.h"
#include "base/program_windows.h"
#include "base/visual_styles.h"
#include "skin/skin_info.h"
#include "view/view_state.h"

namespace {

const char kCloseTip[] = "パネルを閉じる";

bool HasCapture(HWND button) { return GetCapture() == button; }

// Hot tracking: hot while the mouse is over the button and no press is held;
// the capture tells when it leaves.
LRESULT CALLBACK CloseButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
            gSkin.closeAlign = (gSkin.closeAlign | kClosePressed) & ~kCloseHot;
            break;
        case WM_LBUTTONUP:
            gSkin.closeAlign &= ~kClosePressed;
            break;
        case WM_MOUSEMOVE:
            if (!(gSkin.closeAlign & kClosePressed)) {
                RECT r;
                GetClientRect(button, &r);
                const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                const bool over = PtInRect(&r, p) != 0;
                const bool hot = (gSkin.closeAlign & kCloseHot) != 0;
                if (over != hot) {
                    gSkin.closeAlign ^= kCloseHot;
                    if (over && !HasCapture(button))
                        SetCapture(button);
                    else if (!over && HasCapture(button))
                        ReleaseCapture();
                    InvalidateRect(button, nullptr, FALSE);
                }
            }
            break;
        case WM_CAPTURECHANGED:
            if (gSkin.closeAlign & kCloseHot) {
                gSkin.closeAlign &= ~kCloseHot;
                InvalidateRect(button, nullptr, FALSE);
            }
            break;
        default:
            break;
    }
    return CallWindowProcA(gPanel.closeButtonProc, button, message, wParam, lParam);
}

// The button's face over rect in the visual-style look: the part of the
// caption that lies under it, so that its edges blend in, then the button.
void DrawThemedClose(HDC dc, const RECT& ir, const SkinInfo& skin, bool active, bool pressed) {
    const VisualStyles& vs = gVisualStyles;
    HTHEME theme = skin.windowTheme;
    RECT caption{ir.left - skin.closeLeft, ir.top - skin.closeTop, ir.left - skin.closeLeft + skin.panelWidth,
                 ir.top - skin.closeTop + skin.panelImages.images[kSlotTopMiddle].height};
    OwnedBrush brush(CreateSolidBrush(skin.transparentColor));
    FillRect(dc, &caption, brush.Get());
    vs.DrawThemeBackground(theme, dc, 1, active ? 1 : 2, &caption, nullptr);
    RECT box{ir.left, ir.top, ir.left + skin.closeWidth, ir.top + skin.closeHeight};
    RECT content = box;
    if (vs.GetThemeBackgroundContentRect) vs.GetThemeBackgroundContentRect(theme, dc, 18, 1, &box, &content);
    int state;
    if (skin.closeAlign & kCloseHot)
        state = active ? 2 : 6;
    else if (pressed)
        state = 3;
    else
        state = active ? 1 : 5;
    vs.DrawThemeBackground(theme, dc, 18, state, &content, nullptr);
}

int CloseFrame(const SkinInfo& skin, bool pressed, bool active) {
    if (pressed) return 1;
    int frame = active ? 0 : (skin.kind == kSkinOldFormat ? 2 : 3);
    if (skin.closeAlign & kCloseHot) frame += 2;
    return frame;
}

}  // namespace

HWND CreateCloseButton(HWND panel, int x, int y, int width, int height, int id) {
    DestroyCloseButton();
    HWND button =
        CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_OWNERDRAW, x, y, width, height,
                        panel, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), gWindows.instance, nullptr);
    if (!button) return nullptr;
    gPanel.closeButton = button;
    UpdateWindow(button);
    if (gSkin.kind != kSkinOldFormat)
        gPanel.closeButtonProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CloseButtonProc)));
    gPanel.closeTooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, "", TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                          CW_USEDEFAULT, CW_USEDEFAULT, button, nullptr, gWindows.instance, nullptr);
    if (gPanel.closeTooltip) {
        TOOLINFOA ti{};
        ti.cbSize = TTTOOLINFOA_V1_SIZE;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = button;
        ti.uId = reinterpret_cast<UINT_PTR>(button);
        ti.lpszText = const_cast<char*>(kCloseTip);
        SendMessageA(gPanel.closeTooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
    return button;
}

void DestroyCloseButton() {
    if (gPanel.closeTooltip && IsWindow(gPanel.closeTooltip)) DestroyWindow(gPanel.closeTooltip);
    gPanel.closeTooltip = nullptr;
    if (gPanel.closeButton && IsWindow(gPanel.closeButton)) DestroyWindow(gPanel.closeButton);
    gPanel.closeButton = nullptr;
    gPanel.closeButtonProc = nullptr;
    gSkin.closeAlign &= ~(kCloseHot | kClosePressed);
}

void DrawCloseFace(HDC dc, const RECT& rect, const SkinInfo& skin, bool active, bool pressed) {
    if (!dc) return;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    if (skin.kind == kSkinThemed && skin.windowTheme && gVisualStyles.DrawThemeBackground) {
        DrawThemedClose(dc, rect, skin, active, pressed);
    } else if (skin.kind == kSkinClassic || skin.kind == kSkinThemed) {
        RECT r = rect;
        DrawFrameControl(dc, &r, DFC_CAPTION, DFCS_CAPTIONCLOSE | (pressed ? DFCS_PUSHED : 0));
    } else if (skin.closeDc) {
        BitBlt(dc, rect.left, rect.top, skin.closeWidth, skin.closeHeight, skin.closeDc,
               CloseFrame(skin, pressed, active) * skin.closeWidth, 0, SRCCOPY);
    }
    RestoreDC(dc, saved);
}

void DrawCloseButton(const DRAWITEMSTRUCT& item) {
    DrawCloseFace(item.hDC, item.rcItem, gSkin, gMarkers.active != 0, (item.itemState & ODS_SELECTED) != 0);
}

void DrawCloseInto(HDC dc) {
    if (!dc || gSkin.closeWidth <= 0 || gSkin.closeHeight <= 0) return;
    RECT r{gSkin.closeLeft, gSkin.closeTop, gSkin.closeLeft + gSkin.closeWidth, gSkin.closeTop + gSkin.closeHeight};
    if (gSkin.kind == kSkinClassic || gSkin.kind == kSkinThemed)
        DrawFrameControl(dc, &r, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    else if (gSkin.closeDc)
        BitBlt(dc, r.left, r.top, gSkin.closeWidth, gSkin.closeHeight, gSkin.closeDc, 0, 0, SRCCOPY);
}
