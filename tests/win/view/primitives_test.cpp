// The drawing primitives on real DCs: masked copies, blending, regions,
// nine-piece frames with odd sizes, and the software fade.
#include <random>
#include <vector>

#include "view/fade.h"
#include "view/icon_cache.h"
#include "view/panel_draw.h"
#include "view/panel_surfaces.h"
#include "view/view_state.h"
#include "view_fixture.h"

namespace {

class PrimitivesTest : public ViewTest {};

void Fill(HDC dc, const RECT& r, COLORREF c) {
    HBRUSH b = CreateSolidBrush(c);
    FillRect(dc, &r, b);
    DeleteObject(b);
}

TEST_F(PrimitivesTest, MaskedCopyKeepsTheDestinationUnderTheKeyColour) {
    Surface src, dst;
    ASSERT_TRUE(CreateSurface(src, 4, 1));
    ASSERT_TRUE(CreateSurface(dst, 4, 1));
    Fill(dst.dc, RECT{0, 0, 4, 1}, RGB(1, 2, 3));
    SetPixel(src.dc, 0, 0, RGB(255, 0, 255));
    SetPixel(src.dc, 1, 0, RGB(10, 20, 30));
    SetPixel(src.dc, 2, 0, RGB(255, 0, 254));
    SetPixel(src.dc, 3, 0, RGB(0, 0, 0));
    BlitMasked(dst.dc, 0, 0, 4, 1, src.dc, 0, 0, RGB(255, 0, 255));
    EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 0, 0), RGB(1, 2, 3)));
    EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 1, 0), RGB(10, 20, 30)));
    EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 2, 0), RGB(255, 0, 254)));
    EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 3, 0), RGB(0, 0, 0)));
    // Partly outside the destination: only the inside part is touched.
    BlitMasked(dst.dc, -2, 0, 4, 1, src.dc, 0, 0, RGB(255, 0, 255));
    EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 0, 0), RGB(255, 0, 254)));
    BlitMasked(dst.dc, 50, 50, 4, 1, src.dc, 0, 0, RGB(255, 0, 255));
    DestroySurface(src);
    DestroySurface(dst);
}

TEST_F(PrimitivesTest, BlendIntoAtHalfMakesBlackAndWhite127) {
    Surface from, to, dst;
    ASSERT_TRUE(CreateSurface(from, 5, 3));
    ASSERT_TRUE(CreateSurface(to, 5, 3));
    ASSERT_TRUE(CreateSurface(dst, 8, 8));
    Fill(from.dc, RECT{0, 0, 5, 3}, RGB(0, 0, 0));
    Fill(to.dc, RECT{0, 0, 5, 3}, RGB(255, 255, 255));
    Fill(dst.dc, RECT{0, 0, 8, 8}, RGB(9, 9, 9));
    GdiFlush();
    for (bool simd : {false, true}) {
        ASSERT_TRUE(BlendInto(dst.dc, 2, 3, from.bitmap, to.bitmap, 128, 32, simd));
        EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 2, 3), RGB(127, 127, 127)));
        EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 6, 5), RGB(127, 127, 127)));
        EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 7, 5), RGB(9, 9, 9)));  // past the width: untouched
        EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 2, 6), RGB(9, 9, 9)));
    }
    ASSERT_TRUE(BlendInto(dst.dc, 0, 0, from.bitmap, to.bitmap, 999, 32, true));  // clamped to 255
    EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 0, 0), RGB(254, 254, 254)));
    EXPECT_FALSE(BlendInto(dst.dc, 0, 0, nullptr, to.bitmap, 10, 32, true));
    DestroySurface(from);
    DestroySurface(to);
    DestroySurface(dst);
}

TEST_F(PrimitivesTest, RegionFromBitmapMatchesThePixels) {
    Surface s;
    ASSERT_TRUE(CreateSurface(s, 37, 23));
    Fill(s.dc, RECT{0, 0, 37, 23}, RGB(10, 10, 10));
    std::mt19937 rng(5);
    std::vector<bool> keyed(37 * 23);
    for (int i = 0; i < 37 * 23; ++i)
        if (rng() % 3 == 0) {
            keyed[i] = true;
            SetPixel(s.dc, i % 37, i / 37, RGB(255, 0, 255));
        }
    GdiFlush();
    HRGN region = RegionFromBitmap(s.bitmap, RGB(255, 0, 255));
    ASSERT_NE(region, nullptr);
    for (int i = 0; i < 37 * 23; ++i) ASSERT_EQ(PtInRegion(region, i % 37, i / 37) != 0, !keyed[i]) << i;
    DeleteObject(region);
    // No keyed pixel: no region.
    Fill(s.dc, RECT{0, 0, 37, 23}, RGB(10, 10, 10));
    GdiFlush();
    EXPECT_EQ(RegionFromBitmap(s.bitmap, RGB(255, 0, 255)), nullptr);
    DestroySurface(s);
}

TEST_F(PrimitivesTest, AverageColorOfTheMiddleSquare) {
    Surface s;
    ASSERT_TRUE(CreateSurface(s, 9, 9));
    Fill(s.dc, RECT{0, 0, 9, 9}, RGB(90, 30, 0));
    SetPixel(s.dc, 4, 4, RGB(0, 30, 90));
    const ColorRef c = AverageColor(s.dc, 3, 3, 3);
    EXPECT_EQ(GetRValue(c), 80);
    EXPECT_EQ(GetGValue(c), 30);
    EXPECT_EQ(GetBValue(c), 10);
    EXPECT_EQ(AverageColor(s.dc, -5, -5, 3) & 0xFFFFFF, RGB(90, 30, 0));  // negative counts from 0
    DestroySurface(s);
}

TEST_F(PrimitivesTest, TiledPiecesRepeatFromTheTopLeftWithPartialTiles) {
    Surface dst;
    ASSERT_TRUE(CreateSurface(dst, 40, 30));
    Fill(dst.dc, RECT{0, 0, 40, 30}, RGB(0, 0, 0));
    SkinImageSet set{};
    // A 3 x 2 tile: a red left column and two grey ones; active frame left.
    SkinImage bg = MakeImage(2, 3, 2, RGB(100, 100, 100), RGB(0, 0, 90));
    SetPixel(bg.dc, 0, 0, RGB(255, 0, 0));
    SetPixel(bg.dc, 0, 1, RGB(255, 0, 0));
    set.images[kSlotBackground] = bg;
    DrawNineGrid(dst.dc, gSkin, 5, 4, 31, 21, set, 0x100, true);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            COLORREF want = RGB(0, 0, 0);
            if (x >= 5 && x < 36 && y >= 4 && y < 25) want = ((x - 5) % 3 == 0) ? RGB(255, 0, 0) : RGB(100, 100, 100);
            ASSERT_TRUE(SameRgb(GetPixel(dst.dc, x, y), want)) << x << "," << y;
        }
    // The inactive frame.
    DrawNineGrid(dst.dc, gSkin, 0, 0, 40, 30, set, 0x100, false);
    EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 39, 29), RGB(0, 0, 90)));
    DestroySurface(dst);
}

TEST_F(PrimitivesTest, DegenerateSkinsNeitherHangNorWriteOutside) {
    Surface dst;
    ASSERT_TRUE(CreateSurface(dst, 50, 50));
    Fill(dst.dc, RECT{0, 0, 50, 50}, RGB(7, 7, 7));
    SkinImageSet set{};
    set.images[kSlotBackground] = MakeImage(2, 4, 4, RGB(200, 0, 0), RGB(0, 0, 0));
    set.images[kSlotBackground].width = 0;  // a zero-width tile
    set.images[kSlotTopMiddle] = MakeImage(2, 4, 4, RGB(0, 200, 0), RGB(0, 0, 0));
    set.images[kSlotTopMiddle].height = -5;  // a negative span
    set.images[kSlotMiddleLeft] = MakeImage(2, 1, 1, RGB(0, 0, 200), RGB(0, 0, 0));
    set.images[kSlotBottomRight] = MakeImage(2, 4, 4, RGB(0, 0, 201), RGB(0, 0, 0));
    set.images[kSlotBottomRight].width = 2000000000;
    const DWORD start = GetTickCount();
    DrawNineGrid(dst.dc, gSkin, 10, 10, 2000000000, 2000000000, set, 0x100, true);  // huge: clipped to the surface
    DrawNineGrid(dst.dc, gSkin, 10, 10, 20, 20, set, 0x100, true);
    DrawNineGrid(dst.dc, gSkin, 10, 10, 0, 20, set, 0x100, true);
    DrawNineGrid(dst.dc, gSkin, 10, 10, -20, -20, set, 0x100, true);
    EXPECT_LT(GetTickCount() - start, 10000u);  // no tile loop over the huge sizes
    // The one-pixel middle-left piece tiled down its column, inside the rectangle only.
    EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 10, 20), RGB(0, 0, 200)));
    EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 9, 20), RGB(7, 7, 7)));
    EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 11, 20), RGB(7, 7, 7)));
    DestroySurface(dst);
}

TEST_F(PrimitivesTest, TheOverlayIsMaskedAndCentred) {
    Surface dst;
    ASSERT_TRUE(CreateSurface(dst, 20, 20));
    Fill(dst.dc, RECT{0, 0, 20, 20}, RGB(7, 7, 7));
    SkinImageSet set{};
    SkinImage ov = MakeImage(2, 4, 4, RGB(0, 99, 0), RGB(0, 0, 0));
    SetPixel(ov.dc, 0, 0, RGB(255, 0, 255));
    ov.align = kAlignHCenter | kAlignVCenter;
    set.images[kSlotOverlay] = ov;
    DrawNineGrid(dst.dc, gSkin, 0, 0, 20, 20, set, 0x100, true);
    EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 8, 8), RGB(7, 7, 7)));  // the keyed corner
    EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 9, 8), RGB(0, 99, 0)));
    EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 11, 11), RGB(0, 99, 0)));
    EXPECT_TRUE(SameRgb(GetPixel(dst.dc, 12, 12), RGB(7, 7, 7)));
    DestroySurface(dst);
}

TEST_F(PrimitivesTest, SoftwareFadeStepsFromTheScreenToThePanel) {
    Surface from, to;
    ASSERT_TRUE(CreateSurface(from, 7, 5));
    ASSERT_TRUE(CreateSurface(to, 7, 5));
    Fill(from.dc, RECT{0, 0, 7, 5}, RGB(0, 0, 0));
    Fill(to.dc, RECT{0, 0, 7, 5}, RGB(255, 255, 255));
    GdiFlush();
    EXPECT_EQ(PrepareFade(to.dc, from.bitmap, to.bitmap), 1);
    EXPECT_EQ(PrepareFade(to.dc, from.bitmap, to.bitmap), 0);  // already prepared
    DrawFadeStep(128, true);
    EXPECT_TRUE(SameRgb(GetPixel(to.dc, 6, 4), RGB(127, 127, 127)));
    DrawFadeStep(0, false);
    EXPECT_TRUE(SameRgb(GetPixel(to.dc, 3, 2), RGB(0, 0, 0)));
    DrawFadeStep(400, true);
    EXPECT_TRUE(SameRgb(GetPixel(to.dc, 3, 2), RGB(254, 254, 254)));
    FreeFade();
    EXPECT_FALSE(gFade.prepared);
    DrawFadeStep(128, true);  // nothing prepared: nothing drawn
    EXPECT_TRUE(SameRgb(GetPixel(to.dc, 3, 2), RGB(254, 254, 254)));
    DestroySurface(from);
    DestroySurface(to);
}

TEST_F(PrimitivesTest, SurfacesThatCannotBeMadeAreSkipped) {
    Surface s;
    EXPECT_FALSE(CreateSurface(s, 0, 10));
    EXPECT_FALSE(CreateSurface(s, 10, -1));
    EXPECT_EQ(s.dc, nullptr);
    gSkin.selectWidth = 0;  // no cursor surface
    gSkin.panelWidth = -4;  // no back buffer
    CreateSurfaces(window_);
    EXPECT_EQ(gPanel.backBuffer.dc, nullptr);
    RedrawPanel(window_);  // draws nothing and does not crash
    DestroySurfaces();
}

TEST_F(PrimitivesTest, CachedIconsMatchTheImageListIncludingPartialAlpha) {
    // A 32-bit icon: an opaque red half, a half-covered blue half, a clear corner.
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    ASSERT_NE(list, nullptr);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = 16;
    bi.bmiHeader.biHeight = -16;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* p = nullptr;
    HBITMAP image = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
    ASSERT_NE(image, nullptr);
    auto* px = static_cast<uint32_t*>(p);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            px[y * 16 + x] = (x < 4 && y < 4) ? 0 : (x < 8 ? 0xFFFF0000 : 0x80000080);  // premultiplied
    ImageList_Add(list, image, nullptr);
    DeleteObject(image);

    Surface direct, cached;
    ASSERT_TRUE(CreateSurface(direct, 16, 16));
    ASSERT_TRUE(CreateSurface(cached, 16, 16));
    for (bool blend25 : {false, true}) {
        Fill(direct.dc, RECT{0, 0, 16, 16}, RGB(200, 180, 40));
        Fill(cached.dc, RECT{0, 0, 16, 16}, RGB(200, 180, 40));
        ImageList_DrawEx(list, 0, direct.dc, 0, 0, 16, 16, CLR_NONE, CLR_NONE,
                         ILD_TRANSPARENT | (blend25 ? ILD_BLEND25 : 0));
        DrawCachedIcon(list, 0, cached.dc, 0, 0, 16, blend25);
        DrawCachedIcon(list, 0, cached.dc, 0, 0, 16, blend25);  // twice: the second from the cache
        Fill(cached.dc, RECT{0, 0, 16, 16}, RGB(200, 180, 40));
        DrawCachedIcon(list, 0, cached.dc, 0, 0, 16, blend25);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const COLORREF a = GetPixel(direct.dc, x, y), b = GetPixel(cached.dc, x, y);
                ASSERT_NEAR(GetRValue(a), GetRValue(b), 3) << x << "," << y << " blend25 " << blend25;
                ASSERT_NEAR(GetGValue(a), GetGValue(b), 3) << x << "," << y;
                ASSERT_NEAR(GetBValue(a), GetBValue(b), 3) << x << "," << y;
            }
    }
    ClearIconCache();
    DestroySurface(direct);
    DestroySurface(cached);
    ImageList_Destroy(list);
}

}  // namespace
