#include "view/core/nine_grid.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

GridImage Img(int32_t w, int32_t h) { return GridImage{true, w, h, 0, 0, 0}; }

struct Frame {
    GridImage im[kGridSlotCount];
    Frame() {
        im[kGridBackground] = Img(10, 10);
        im[kGridTopLeft] = Img(6, 20);
        im[kGridTopMiddle] = Img(8, 20);
        im[kGridTopRight] = Img(7, 20);
        im[kGridMiddleLeft] = Img(5, 4);
        im[kGridMiddleRight] = Img(3, 4);
        im[kGridBottomLeft] = Img(6, 9);
        im[kGridBottomMiddle] = Img(8, 9);
        im[kGridBottomRight] = Img(7, 9);
        im[kGridOverlay] = GridImage{false, 0, 0, 0, 0, 0};
    }
};

const GridPiece* Find(const GridPiece* p, int n, int slot) {
    for (int i = 0; i < n; ++i)
        if (p[i].slot == slot) return &p[i];
    return nullptr;
}

TEST(PlanNineGrid, PiecesFrameTheRectangle) {
    Frame f;
    GridPiece p[kGridSlotCount];
    const int n = PlanNineGrid(f.im, kStretchTop, 100, 50, 180, 200, p);
    ASSERT_EQ(n, 9);
    EXPECT_EQ(p[0].slot, kGridBackground);  // the background goes first
    const GridPiece* bg = Find(p, n, kGridBackground);
    EXPECT_EQ(bg->dest.left, 105);
    EXPECT_EQ(bg->dest.top, 70);
    EXPECT_EQ(bg->dest.right, 277);
    EXPECT_EQ(bg->dest.bottom, 241);
    EXPECT_EQ(bg->mode, PieceMode::kTile);
    const GridPiece* top = Find(p, n, kGridTopMiddle);
    EXPECT_EQ(top->dest.left, 106);
    EXPECT_EQ(top->dest.right, 273);
    EXPECT_EQ(top->mode, PieceMode::kStretch);
    const GridPiece* right = Find(p, n, kGridMiddleRight);
    EXPECT_EQ(right->dest.left, 277);
    EXPECT_EQ(right->dest.top, 70);
    EXPECT_EQ(right->dest.bottom, 241);
    const GridPiece* br = Find(p, n, kGridBottomRight);
    EXPECT_EQ(br->dest.left, 273);
    EXPECT_EQ(br->dest.top, 241);
    EXPECT_EQ(br->mode, PieceMode::kSingle);
}

TEST(PlanNineGrid, MissingImagesAndEmptySpansAreSkipped) {
    Frame f;
    f.im[kGridTopLeft].present = false;
    GridPiece p[kGridSlotCount];
    // Narrower than the corners: no middle pieces, no background.
    const int n = PlanNineGrid(f.im, 0x3F, 0, 0, 10, 25, p);
    EXPECT_EQ(Find(p, n, kGridTopLeft), nullptr);
    EXPECT_EQ(Find(p, n, kGridTopMiddle), nullptr);
    EXPECT_EQ(Find(p, n, kGridBackground), nullptr);
    EXPECT_EQ(Find(p, n, kGridMiddleLeft), nullptr);
    EXPECT_NE(Find(p, n, kGridTopRight), nullptr);
}

TEST(PlanNineGrid, OverlayAtItsOffsetsOrCentred) {
    Frame f;
    f.im[kGridOverlay] = GridImage{true, 40, 30, 12, 80, 0};
    GridPiece p[kGridSlotCount];
    int n = PlanNineGrid(f.im, 0, 10, 20, 180, 200, p);
    const GridPiece* ov = Find(p, n, kGridOverlay);
    ASSERT_NE(ov, nullptr);
    EXPECT_EQ(p[n - 1].slot, kGridOverlay);  // drawn last
    EXPECT_EQ(ov->dest.left, 22);
    EXPECT_EQ(ov->dest.top, 100);
    f.im[kGridOverlay].align = 0x1000 | 0x2000;
    n = PlanNineGrid(f.im, 0, 10, 20, 180, 200, p);
    ov = Find(p, n, kGridOverlay);
    EXPECT_EQ(ov->dest.left, 10 + 70);
    EXPECT_EQ(ov->dest.top, 20 + 85);
}

TEST(PlanNineGrid, HugeSizesDoNotWrap) {
    Frame f;
    f.im[kGridTopLeft] = Img(2000000000, 2000000000);
    f.im[kGridMiddleLeft] = Img(2000000000, 1);
    GridPiece p[kGridSlotCount];
    const int n = PlanNineGrid(f.im, 0, 2000000000, 2000000000, 2000000000, 2000000000, p);
    for (int i = 0; i < n; ++i) {
        EXPECT_LE(p[i].dest.left, p[i].dest.right);
        EXPECT_LE(p[i].dest.top, p[i].dest.bottom);
    }
}

TEST(PlanSeparator, MarginsAndTheMiddleSpan) {
    GridImage im[3] = {Img(4, 6), Img(2, 2), Img(5, 6)};
    GridPiece p[3];
    int n = PlanSeparator(im, kStretchMiddle, 16, 16, 20, 100, 148, 24, p);
    ASSERT_EQ(n, 3);
    EXPECT_EQ(p[0].dest.left, 36);
    EXPECT_EQ(p[0].dest.top, 111);  // centred on the middle piece's height
    EXPECT_EQ(p[1].dest.left, 40);
    EXPECT_EQ(p[1].dest.right, 40 + 148 - 32 - 9);
    EXPECT_EQ(p[1].mode, PieceMode::kStretch);
    EXPECT_EQ(p[2].dest.left, 20 + 148 - 5 - 16);
    // Margins wider than the row: the middle goes, the ends stay.
    n = PlanSeparator(im, 0, 100, 100, 20, 100, 148, 24, p);
    EXPECT_EQ(n, 2);
}

// Fills a w x h area by following the copy plan and compares with plain
// tiling from the top-left.
void CheckTiling(int32_t w, int32_t h, int32_t tw, int32_t th) {
    std::vector<int> area(static_cast<size_t>(w) * h, -1);
    auto tile = [&](int x, int y) { return (y % th) * 1000 + (x % tw); };
    TileCopy copies[80];
    const int n = PlanTileCopies(w, h, tw, th, copies, 80);
    ASSERT_GT(n, 0);
    ASSERT_LE(n, 64);
    for (int i = 0; i < n; ++i) {
        const TileCopy& c = copies[i];
        ASSERT_LE(c.dstX + c.width, w);
        ASSERT_LE(c.dstY + c.height, h);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                const int v = c.fromTile ? tile(c.srcX + x, c.srcY + y) : area[(c.srcY + y) * w + c.srcX + x];
                ASSERT_NE(v, -1) << "copy " << i << " reads an unfilled pixel";
                area[(c.dstY + y) * w + c.dstX + x] = v;
            }
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) ASSERT_EQ(area[y * w + x], tile(x, y)) << x << "," << y;
}

TEST(PlanTileCopies, MatchesPlainTilingForManyShapes) {
    CheckTiling(1, 1, 1, 1);
    CheckTiling(100, 3, 1, 1);
    CheckTiling(37, 41, 5, 7);
    CheckTiling(10, 10, 30, 30);
    CheckTiling(64, 64, 8, 8);
    std::mt19937 rng(3);
    for (int i = 0; i < 40; ++i) CheckTiling(1 + rng() % 90, 1 + rng() % 90, 1 + rng() % 20, 1 + rng() % 20);
}

TEST(PlanTileCopies, ZeroSizedTilesAndAreasGiveNoCopies) {
    TileCopy copies[8];
    EXPECT_EQ(PlanTileCopies(100, 100, 0, 5, copies, 8), 0);
    EXPECT_EQ(PlanTileCopies(100, 100, 5, -1, copies, 8), 0);
    EXPECT_EQ(PlanTileCopies(0, 100, 5, 5, copies, 8), 0);
    // A one-pixel tile over a huge area still takes few copies.
    TileCopy many[80];
    EXPECT_LE(PlanTileCopies(2000000000, 2000000000, 1, 1, many, 80), 64);
}

TEST(TileWindow, StartsOnATileBoundaryAndCoversTheVisiblePart) {
    const KRect dest{10, 10, 1000, 1000};
    const KRect w = TileWindow(dest, KRect{0, 0, 105, 57}, 16, 8);
    EXPECT_EQ(w.left, 10);
    EXPECT_EQ(w.top, 10);
    EXPECT_EQ(w.right, 105);
    EXPECT_EQ(w.bottom, 57);
    const KRect inner = TileWindow(dest, KRect{50, 40, 60, 45}, 16, 8);
    EXPECT_EQ(inner.left, 42);  // 10 + 2 x 16
    EXPECT_EQ(inner.top, 34);   // 10 + 3 x 8
    EXPECT_TRUE(IsEmpty(TileWindow(dest, KRect{0, 0, 5, 5}, 16, 8)));
    EXPECT_TRUE(IsEmpty(TileWindow(dest, KRect{0, 0, 500, 500}, 0, 8)));
}

}  // namespace
