#include "view/fade.h"

#include <algorithm>
#include <new>

#include "base/core/limits.h"
#include "base/core/window_math.h"
#include "base/handles.h"
#include "base/settings_store.h"
#include "base/system_functions.h"
#include "skin/skin_info.h"
#include "view/close_button.h"
#include "view/core/blend.h"
#include "view/panel_draw.h"
#include "view/view_state.h"

FadeState gFade;

namespace {

DWORD LayeredFlags() { return LWA_ALPHA | (gSkin.hasTransparentColor ? LWA_COLORKEY : 0); }

void SetAlpha(HWND window, BYTE alpha) {
    if (LayeredAvailable()) gSystem.setLayeredWindowAttributes(window, gSkin.transparentColor, alpha, LayeredFlags());
}

}  // namespace

int PrepareFade(HDC dest, HBITMAP from, HBITMAP to) {
    if (gFade.prepared) return 0;
    BITMAP bm{};
    if (!dest || !from || !to || !GetObjectA(to, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return 1;
    BITMAPINFOHEADER& h = gFade.header;
    h = Bitmap32Info(bm.bmWidth, bm.bmHeight).bmiHeader;
    gFade.workingWidth = BlendWorkingWidth(bm.bmWidth, true);
    const size_t count = static_cast<size_t>(gFade.workingWidth) * bm.bmHeight;
    try {
        gFade.from.assign(count, 0);
        gFade.to.assign(count, 0);
        gFade.out.assign(count, 0);
    } catch (const std::bad_alloc&) {
        FreeFade();
        return 1;
    }
    WindowDc screen(nullptr);
    GetDIBits(screen.Get(), from, 0, bm.bmHeight, gFade.from.data(), reinterpret_cast<BITMAPINFO*>(&h), DIB_RGB_COLORS);
    GetDIBits(screen.Get(), to, 0, bm.bmHeight, gFade.to.data(), reinterpret_cast<BITMAPINFO*>(&h), DIB_RGB_COLORS);
    gFade.dest = dest;
    gFade.prepared = true;
    return 1;
}

void DrawFadeStep(int level, bool simd) {
    if (!gFade.prepared) return;
    level = std::min(level, 255);
    BlendPixels(reinterpret_cast<uint8_t*>(gFade.out.data()), reinterpret_cast<const uint8_t*>(gFade.from.data()),
                reinterpret_cast<const uint8_t*>(gFade.to.data()), gFade.workingWidth, gFade.header.biHeight, 4, level,
                simd);
    SetDIBitsToDevice(gFade.dest, 0, 0, gFade.header.biWidth, gFade.header.biHeight, 0, 0, 0, gFade.header.biHeight,
                      gFade.out.data(), reinterpret_cast<BITMAPINFO*>(&gFade.header), DIB_RGB_COLORS);
}

void FreeFade() {
    if (!gFade.prepared && gFade.from.empty()) return;
    std::vector<uint32_t>().swap(gFade.from);
    std::vector<uint32_t>().swap(gFade.to);
    std::vector<uint32_t>().swap(gFade.out);
    gFade.prepared = false;
    gFade.dest = nullptr;
}

void ApplyTransparency(HWND window, bool active) {
    if (!LayeredAvailable()) return;
    int percent = 0;
    if (Option(gSettings, kOptTransparency))
        percent = active ? gSettings.transparencyActive : gSettings.transparencyInactive;
    SetAlpha(window, AlphaOfPercent(std::clamp(percent, 0, kMaxTransparency)));
}

void PrepareShowFade(HWND window) {
    if (LayeredAvailable()) {
        SetAlpha(window, 0);
    } else if (gPanel.backBuffer.dc && gPanel.capture.dc) {
        DrawCloseInto(gPanel.backBuffer.dc);
        RECT r;
        GetWindowRect(window, &r);
        BitBlt(gPanel.capture.dc, 0, 0, r.right - r.left, r.bottom - r.top, WindowDc(nullptr).Get(), r.left, r.top,
               SRCCOPY);
        GdiFlush();
        PrepareFade(gPanel.backBuffer.dc, gPanel.capture.bitmap, gPanel.backBuffer.bitmap);
        if (gPanel.closeButton) ShowWindow(gPanel.closeButton, SW_HIDE);
        gFade.firstTickDone = false;
        SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
    gFade.running = 1;
}

void StartFade(HWND window) {
    gFade.length = static_cast<DWORD>(std::max(gSettings.fadeSpeed, 1)) * 50;
    gFade.start = GetTickCount();
    if (gFade.start == 0) gFade.start = 1;  // 0 means no fade
    SetTimer(window, kFadeTimer, 30, nullptr);
}

void OnFadeTimer(HWND window) {
    if (!gFade.firstTickDone) {
        SetWindowPos(window, nullptr, 0, 0, gSkin.panelWidth, gSkin.panelHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        gFade.firstTickDone = true;
    }
    const DWORD now = GetTickCount();
    const int32_t elapsed = static_cast<int32_t>(now - gFade.start);
    const int32_t length = static_cast<int32_t>(gFade.length);
    if (LayeredAvailable()) {
        const int target = Option(gSettings, kOptTransparency)
                               ? AlphaOfPercent(std::clamp<int>(gSettings.transparencyActive, 0, kMaxTransparency))
                               : 255;
        SetAlpha(window, static_cast<BYTE>(ScaledInterpolate(length, elapsed, 0, target)));
    } else {
        DrawFadeStep(ScaledInterpolate(length, elapsed, 0, 255), gSettings.mmxAvailable != 0);
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
    if (elapsed >= length) {
        KillTimer(window, kFadeTimer);
        gFade.start = 0;
        gFade.running = 0;
        if (!LayeredAvailable()) {
            FreeFade();
            RedrawPanel(window);
            if (gPanel.closeButton) ShowWindow(gPanel.closeButton, SW_SHOW);
        }
    }
}
