// The RAII owners release exactly what they acquired, once.
#include "base/handles.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

DWORD GdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

TEST(Owners, GdiObjectsAndDcsAreReleased) {
    const DWORD before = GdiObjects();
    {
        WindowDc screen(nullptr);
        ASSERT_TRUE(screen);
        OwnedMemoryDc mem(CreateCompatibleDC(screen.Get()));
        ASSERT_TRUE(mem);
        OwnedBitmap bmp(CreateCompatibleBitmap(screen.Get(), 8, 8));
        ASSERT_TRUE(bmp);
        OwnedBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
        HGDIOBJ original = GetCurrentObject(mem.Get(), OBJ_BITMAP);
        {
            SelectedObject sel(mem.Get(), bmp.Get());
            EXPECT_EQ(GetCurrentObject(mem.Get(), OBJ_BITMAP), bmp.Get());
        }
        // The previous bitmap is back, so the owned one can be deleted.
        EXPECT_EQ(GetCurrentObject(mem.Get(), OBJ_BITMAP), original);
    }
    EXPECT_EQ(GdiObjects(), before);
}

TEST(Owners, MoveTransfersAndResetReleases) {
    OwnedBrush a(CreateSolidBrush(RGB(9, 9, 9)));
    HBRUSH raw = a.Get();
    OwnedBrush b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.Get(), raw);
    OwnedBrush c;
    c = std::move(b);
    EXPECT_EQ(c.Get(), raw);
    c.Reset();
    EXPECT_FALSE(c);
    EXPECT_EQ(GetObjectType(raw), 0u);  // deleted

    OwnedBrush kept(CreateSolidBrush(RGB(1, 1, 1)));
    HBRUSH released = kept.Release();
    EXPECT_FALSE(kept);
    EXPECT_NE(GetObjectType(released), 0u);  // still alive: the owner gave it up
    DeleteObject(released);
}

TEST(Owners, FilesUseTheInvalidValueAsEmpty) {
    OwnedFile missing(CreateFileA("C:\\no\\such\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.Get(), INVALID_HANDLE_VALUE);
    OwnedKernelHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(event);
    HANDLE raw = event.Get();
    event.Reset();
    DWORD flags;
    EXPECT_FALSE(GetHandleInformation(raw, &flags));  // closed
}

}  // namespace
