#include "view/icon_cache.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

#include "view/view_state.h"

namespace {

using AlphaBlendFn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

struct IconCache {
    HIMAGELIST list = nullptr;
    int size = 0;
    int capacity = 0;
    int used = 0;
    std::vector<int> slotOf;  // by index x 2 + blend25; -1 when not rendered
    Surface strip, onBlack, onWhite;
    AlphaBlendFn alphaBlend = nullptr;
    bool bound = false;
};

IconCache gIconCache;

AlphaBlendFn BoundAlphaBlend() {
    if (!gIconCache.bound) {
        gIconCache.bound = true;
        if (HMODULE gdi = GetModuleHandleA("gdi32.dll"))
            gIconCache.alphaBlend =
                reinterpret_cast<AlphaBlendFn>(reinterpret_cast<void*>(GetProcAddress(gdi, "GdiAlphaBlend")));
    }
    return gIconCache.alphaBlend;
}

bool Prepare(HIMAGELIST list, int size) {
    IconCache& c = gIconCache;
    if (c.list == list && c.size == size && c.strip.dc) return true;
    ClearIconCache();
    if (size <= 0 || size > 256) return false;
    c.capacity = std::max(1, std::min(256, 16384 / size));
    if (!CreateDibSurface(c.strip, c.capacity * size, size) || !CreateDibSurface(c.onBlack, size, size) ||
        !CreateDibSurface(c.onWhite, size, size)) {
        ClearIconCache();
        return false;
    }
    c.list = list;
    c.size = size;
    return true;
}

// Renders the icon over black and over white; the difference gives each
// pixel's coverage, the render over black its premultiplied colour.
int Render(HIMAGELIST list, int index, int size, bool blend25) {
    IconCache& c = gIconCache;
    if (c.used >= c.capacity) return -1;
    const UINT flags = ILD_TRANSPARENT | (blend25 ? ILD_BLEND25 : 0);
    RECT r{0, 0, size, size};
    FillRect(c.onBlack.dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    FillRect(c.onWhite.dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!ImageList_DrawEx(list, index, c.onBlack.dc, 0, 0, size, size, CLR_NONE, CLR_NONE, flags) ||
        !ImageList_DrawEx(list, index, c.onWhite.dc, 0, 0, size, size, CLR_NONE, CLR_NONE, flags))
        return -1;
    GdiFlush();
    const int slot = c.used++;
    const int stride = c.capacity * size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const uint32_t b = c.onBlack.bits[y * size + x], w = c.onWhite.bits[y * size + x];
            const int spread = static_cast<int>((w >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
            const uint32_t alpha = static_cast<uint32_t>(std::clamp(255 - spread, 0, 255));
            uint32_t px = alpha << 24;
            for (int shift = 0; shift < 24; shift += 8) px |= std::min((b >> shift) & 0xFF, alpha) << shift;
            c.strip.bits[y * stride + slot * size + x] = px;
        }
    return slot;
}

}  // namespace

void ClearIconCache() {
    IconCache& c = gIconCache;
    DestroySurface(c.strip);
    DestroySurface(c.onBlack);
    DestroySurface(c.onWhite);
    std::vector<int>().swap(c.slotOf);
    c.list = nullptr;
    c.size = c.capacity = c.used = 0;
}

void DrawCachedIcon(HIMAGELIST list, int index, HDC dc, int x, int y, int size, bool blend25) {
    if (!list || index < 0 || !dc) return;
    const UINT flags = ILD_TRANSPARENT | (blend25 ? ILD_BLEND25 : 0);
    AlphaBlendFn blend = BoundAlphaBlend();
    if (!blend || !Prepare(list, size)) {
        ImageList_DrawEx(list, index, dc, x, y, size, size, CLR_NONE, CLR_NONE, flags);
        return;
    }
    IconCache& c = gIconCache;
    const size_t key = static_cast<size_t>(index) * 2 + (blend25 ? 1 : 0);
    int slot = -1;
    try {
        if (key >= c.slotOf.size()) c.slotOf.resize(key + 1, -1);
        slot = c.slotOf[key];
        if (slot < 0) slot = c.slotOf[key] = Render(list, index, size, blend25);
    } catch (const std::bad_alloc&) {
        slot = -1;
    }
    if (slot < 0) {
        ImageList_DrawEx(list, index, dc, x, y, size, size, CLR_NONE, CLR_NONE, flags);
        return;
    }
    const BLENDFUNCTION bf{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    blend(dc, x, y, size, size, c.strip.dc, slot * size, 0, size, size, bf);
}
