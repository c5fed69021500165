#include "view/panel_surfaces.h"

#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "base/program_windows.h"
#include "base/settings_store.h"
#include "base/system_functions.h"
#include "items/item_model.h"
#include "skin/skin_info.h"
#include "view/core/region_runs.h"
#include "view/fade.h"
#include "view/icon_cache.h"
#include "view/panel_draw.h"
#include "view/panel_rebuild.h"
#include "view/view_state.h"

namespace {

// The surface takes over the owner of a DC with its bitmap.
bool Adopt(Surface& s, OwnedBitmapDc owner, int width, int height) {
    if (!owner) return false;
    s.dc = owner.Get();
    s.bitmap = owner.traits().bitmap;
    s.width = width;
    s.height = height;
    s.owner = std::move(owner);
    return true;
}

}  // namespace

bool CreateSurface(Surface& s, int width, int height) {
    DestroySurface(s);
    if (width <= 0 || height <= 0) return false;
    WindowDc screen(nullptr);
    OwnedMemoryDc dc(CreateCompatibleDC(screen.Get()));
    OwnedBitmap bitmap(dc ? CreateCompatibleBitmap(screen.Get(), width, height) : nullptr);
    return Adopt(s, SelectIntoDc(std::move(dc), std::move(bitmap)), width, height);
}

BITMAPINFO Bitmap32Info(int width, int height) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

bool CreateDibSurface(Surface& s, int width, int height) {
    DestroySurface(s);
    if (width <= 0 || height <= 0) return false;
    const BITMAPINFO bi = Bitmap32Info(width, -height);
    void* bits = nullptr;
    OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
    OwnedBitmap bitmap(dc ? CreateDIBSection(dc.Get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr);
    if (!bits) return false;
    if (!Adopt(s, SelectIntoDc(std::move(dc), std::move(bitmap)), width, height)) return false;
    s.bits = static_cast<uint32_t*>(bits);
    return true;
}

void DestroySurface(Surface& s) { s = Surface{}; }

namespace {

// Without layered windows the transparent colour is cut out of the window.
void ShapeWindow(HWND window) {
    if (!gSkin.hasTransparentColor || !gPanel.backBuffer.dc) {
        SetWindowRgn(window, nullptr, TRUE);
        return;
    }
    DrawFrame(LivePanelCanvas(gMarkers.active != 0), gPanel.frame.dc, gPanel.selection.dc, 0, 0, gView.cursorRow);
    gPanel.region.Reset(RegionFromBitmap(gPanel.backBuffer.bitmap, gSkin.transparentColor));
    if (!gPanel.region) {
        gSkin.hasTransparentColor = 0;
        SetWindowRgn(window, nullptr, TRUE);
        return;
    }
    // The window owns the region it is given; keep a copy for ourselves.
    OwnedRegion copy(CreateRectRgn(0, 0, 0, 0));
    if (copy && CombineRgn(copy.Get(), gPanel.region.Get(), nullptr, RGN_COPY) != ERROR)
        SetWindowRgn(window, copy.Release(), TRUE);
    else
        SetWindowRgn(window, nullptr, TRUE);
}

}  // namespace

void CreateSurfaces(HWND window) {
    DestroySurfaces();
    gSkin.panelHeight = gSkin.baseHeight;
    const int w = gSkin.panelWidth, h = gSkin.baseHeight;
    CreateSurface(gPanel.backBuffer, w, h);
    CreateSurface(gPanel.capture, w, h);
    CreateSurface(gPanel.frame, 2 * w, h);
    CreateSurface(gPanel.selection, 2 * gSkin.selectWidth, gSkin.selectHeight);
    if (Option(gSettings, kOptGradient)) {
        for (int i = 0; i < 2; ++i) {
            CreateDibSurface(gPanel.iconScratch[i], gSkin.iconSize, gSkin.iconSize);
            CreateDibSurface(gPanel.arrowScratch[i], gSkin.arrowWidth, gSkin.arrowHeight);
            CreateDibSurface(gPanel.rowScratch[i], gSkin.itemWidth, gSkin.itemHeight);
        }
    }
    gView.backBuffer = gPanel.backBuffer.dc;
    if (gPanel.backBuffer.dc && gRebuild.smallFont)
        gPanel.backBufferFont = SelectedObject(gPanel.backBuffer.dc, gRebuild.smallFont.Get());
    gView.cursorRow = gSkin.itemCount / 2;

    PredrawVariants(LivePanelCanvas(gMarkers.active != 0), gPanel.frame, gPanel.selection);

    if (LayeredAvailable())
        ApplyTransparency(window, gMarkers.active != 0);
    else
        ShapeWindow(window);
}

void DestroySurfaces() {
    ClearIconCache();
    for (int i = 0; i < 2; ++i) {
        DestroySurface(gPanel.rowScratch[i]);
        DestroySurface(gPanel.arrowScratch[i]);
        DestroySurface(gPanel.iconScratch[i]);
    }
    DestroySurface(gPanel.frame);
    DestroySurface(gPanel.selection);
    DestroySurface(gPanel.capture);
    gPanel.backBufferFont.Reset();
    DestroySurface(gPanel.backBuffer);
    gView.backBuffer = nullptr;
    gPanel.region.Reset();
}

HRGN RegionFromBitmap(HBITMAP bitmap, ColorRef color) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return nullptr;
    const int w = info.bmWidth, h = info.bmHeight;
    std::vector<uint32_t> pixels;
    try {
        pixels.resize(static_cast<size_t>(w) * h);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    BITMAPINFO bi = Bitmap32Info(w, h);  // bottom-up
    const int rows = GetDIBits(WindowDc(nullptr).Get(), bitmap, 0, h, pixels.data(), &bi, DIB_RGB_COLORS);
    if (rows != h) return nullptr;

    std::vector<KRect> runs;
    try {
        if (!OpaqueRuns(pixels.data(), w, h, color, runs)) return nullptr;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    // Every pixel had the colour: an empty region, as the skin asks.
    if (runs.empty()) return CreateRectRgn(0, 0, 0, 0);
    pixels.clear();
    pixels.shrink_to_fit();
    // One region from all the runs at once: far faster than a combine per pixel.
    const size_t bytes = sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT);
    std::unique_ptr<char[]> data(new (std::nothrow) char[bytes]);
    if (!data) return nullptr;
    auto* rgn = reinterpret_cast<RGNDATA*>(data.get());
    rgn->rdh.dwSize = sizeof(RGNDATAHEADER);
    rgn->rdh.iType = RDH_RECTANGLES;
    rgn->rdh.nCount = static_cast<DWORD>(runs.size());
    rgn->rdh.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    rgn->rdh.rcBound = RECT{0, 0, w, h};
    auto* rects = reinterpret_cast<RECT*>(rgn->Buffer);
    for (size_t i = 0; i < runs.size(); ++i) rects[i] = RECT{runs[i].left, runs[i].top, runs[i].right, runs[i].bottom};
    // A region the system cannot build is none at all: the caller then keeps
    // the plain rectangle instead of a panel that cannot be seen.
    return ExtCreateRegion(nullptr, static_cast<DWORD>(bytes), rgn);
}

ColorRef AverageColor(HDC dc, int x, int y, int n) {
    if (!dc || n <= 0 || n > 64) return 0;
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    std::vector<ColorRef> colors;
    colors.reserve(static_cast<size_t>(n) * n);
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
            const COLORREF c = GetPixel(dc, x + i, y + j);
            colors.push_back(c == CLR_INVALID ? 0 : c);
        }
    return AverageOf(colors.data(), static_cast<int32_t>(colors.size()));
}
