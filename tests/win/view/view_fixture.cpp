#include "view_fixture.h"

#include <cstring>

#include "base/program_windows.h"
#include "base/settings_store.h"
#include "view/fade.h"
#include "view/panel_draw.h"
#include "view/panel_rebuild.h"
#include "view/panel_surfaces.h"
#include "view/view_state.h"

bool SameRgb(COLORREF a, COLORREF b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); }

void SetOption(OptionFlag flag, bool on) { PutOption(gSettings.optionFlags, flag, on); }

namespace {

LRESULT CALLBACK TestPanelProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

HWND MakeWindow() {
    static ATOM atom = 0;
    if (!atom) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = TestPanelProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "KorvaneViewTest";
        atom = RegisterClassA(&wc);
    }
    return CreateWindowExA(WS_EX_TOOLWINDOW, "KorvaneViewTest", "Tovel panel", WS_POPUP, 0, 0, 180, 257, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

void ViewTest::SetUp() {
    std::memset(&gSkin, 0, sizeof gSkin);
    std::memset(gSettings.optionFlags, 0, sizeof gSettings.optionFlags);
    gSettings.mmxAvailable = 1;
    gView = ViewState{};
    gMarkers.active = 1;
    window_ = MakeWindow();
    ASSERT_NE(window_, nullptr);
    gWindows.panel = window_;
    UseClassicLook();
}

void ViewTest::TearDown() {
    FreeItemList(&gItems.head);
    DestroyItemImageLists();
    DestroySurfaces();
    FreeFade();
    for (TestImage& im : images_) {
        SelectObject(im.dc, im.old);
        DeleteObject(im.bitmap);
        DeleteDC(im.dc);
    }
    images_.clear();
    if (window_) DestroyWindow(window_);
    gWindows.panel = nullptr;
    std::memset(&gSkin, 0, sizeof gSkin);
}

void ViewTest::UseClassicLook() {
    gSkin.kind = kSkinClassic;
    gSkin.panelWidth = 180;
    gSkin.panelHeight = gSkin.baseHeight = 257;
    gSkin.itemLeft = 16;
    gSkin.itemTop = 31;
    gSkin.itemWidth = 148;
    gSkin.itemHeight = 24;
    gSkin.itemCount = 9;
    gSkin.itemMargin = 6;
    gSkin.iconSize = 16;
    gSkin.selectLeft = 7;
    gSkin.selectTop = 31 + 4 * 24;
    gSkin.selectWidth = 166;
    gSkin.selectHeight = 24;
    gSkin.arrowWidth = 8;
    gSkin.arrowHeight = 8;
    gSkin.separatorMarginLeft = gSkin.separatorMarginRight = 16;
    gSkin.selectFrameColor = RGB(0, 0, 200);
    gSkin.selectBackColor = RGB(180, 180, 255);
    gSkin.backColor = GetSysColor(COLOR_BTNFACE);
    gSkin.transparentColor = RGB(255, 0, 255);
    gSkin.selectedItemFont.color = RGB(255, 255, 255);
    gSkin.otherItemFont.color = RGB(0, 0, 0);
    gSkin.clickWidth = gSkin.clickHeight = -1;
    gSkin.increase = 1;
}

SkinImage ViewTest::MakeImage(int frames, int w, int h, COLORREF active, COLORREF inactive) {
    TestImage im;
    HDC screen = GetDC(nullptr);
    im.dc = CreateCompatibleDC(screen);
    im.bitmap = CreateCompatibleBitmap(screen, w * frames, h);
    ReleaseDC(nullptr, screen);
    im.old = SelectObject(im.dc, im.bitmap);
    for (int f = 0; f < frames; ++f) {
        RECT r{f * w, 0, (f + 1) * w, h};
        HBRUSH b = CreateSolidBrush(f == 0 ? active : (f == 1 ? inactive : RGB(f * 40, f * 20, 7)));
        FillRect(im.dc, &r, b);
        DeleteObject(b);
    }
    images_.push_back(im);
    SkinImage s{};
    s.width = w;
    s.height = h;
    s.dc = im.dc;
    s.bitmap = im.bitmap;
    return s;
}

void ViewTest::UseSolidSkin(COLORREF frame, COLORREF cursor, bool keyedCorner) {
    gSkin.kind = kSkinFormat2;
    gSkin.panelImages.images[kSlotBackground] = MakeImage(2, 10, 10, frame, RGB(90, 90, 90));
    gSkin.selectImages.images[kSlotBackground] = MakeImage(2, 10, 10, cursor, RGB(60, 60, 60));
    if (keyedCorner) {
        gSkin.panelImages.images[kSlotTopLeft] = MakeImage(2, 12, 12, RGB(255, 0, 255), RGB(255, 0, 255));
        gSkin.hasTransparentColor = 1;
    }
    gSkin.selectedItemFont.color = RGB(255, 255, 0);
    gSkin.otherItemFont.color = RGB(0, 0, 0);
}

void ViewTest::AddItems(const std::vector<std::string>& names, int iconIndex) {
    for (const std::string& n : names) {
        PanelItem item{};
        lstrcpynA(item.name, n.c_str(), sizeof item.name);
        item.iconIndex = iconIndex;
        item.openIconIndex = iconIndex;
        if (n == "-") {
            item.flags = kItemSeparator;
            item.name[0] = '\0';
        }
        AppendItem(&gItems.head, item);
    }
    if (gItems.head) gItems.head->headSlot = &gItems.head;
}

void ViewTest::MakeIcon(COLORREF c) {
    CreatePanelImageList(gSkin.iconSize);
    HDC screen = GetDC(nullptr);
    HBITMAP color = CreateCompatibleBitmap(screen, gSkin.iconSize, gSkin.iconSize);
    ReleaseDC(nullptr, screen);
    HBITMAP mask = CreateBitmap(gSkin.iconSize, gSkin.iconSize, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, color);
    RECT r{0, 0, gSkin.iconSize, gSkin.iconSize};
    HBRUSH b = CreateSolidBrush(c);
    FillRect(dc, &r, b);
    DeleteObject(b);
    SelectObject(dc, mask);
    PatBlt(dc, 0, 0, gSkin.iconSize, gSkin.iconSize, BLACKNESS);  // all opaque
    SelectObject(dc, old);
    DeleteDC(dc);
    ImageList_Add(gItems.panelImages.Get(), color, mask);
    DeleteObject(color);
    DeleteObject(mask);
}

void ViewTest::Layout() {
    CreateSurfaces(window_);
    ASSERT_NE(gPanel.backBuffer.dc, nullptr);
}

COLORREF ViewTest::Pixel(int x, int y) const { return GetPixel(gPanel.backBuffer.dc, x, y); }

int ViewTest::CountNot(const RECT& r, COLORREF c) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += !SameRgb(Pixel(x, y), c);
    return n;
}

int ViewTest::CountColor(const RECT& r, COLORREF c) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += SameRgb(Pixel(x, y), c);
    return n;
}

RECT ViewTest::RowTextRect(int row) const {
    const int top = gSkin.itemTop + row * gSkin.itemHeight;
    return RECT{gSkin.itemLeft, top + 2, gSkin.itemLeft + gSkin.itemWidth, top + gSkin.itemHeight - 2};
}

void ViewTest::SaveBackBuffer(const char* name) const {
    const char* dir = getenv("KORVANE_VIEW_SHOTS");
    if (!dir || !gPanel.backBuffer.bitmap) return;
    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    h.biWidth = gPanel.backBuffer.width;
    h.biHeight = gPanel.backBuffer.height;
    h.biPlanes = 1;
    h.biBitCount = 32;
    std::vector<uint32_t> px(static_cast<size_t>(h.biWidth) * h.biHeight);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, gPanel.backBuffer.bitmap, 0, h.biHeight, px.data(), reinterpret_cast<BITMAPINFO*>(&h),
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    const std::string path = std::string(dir) + "\\" + name + ".bmp";
    BITMAPFILEHEADER f{};
    f.bfType = 0x4D42;
    f.bfOffBits = sizeof f + sizeof h;
    f.bfSize = f.bfOffBits + static_cast<DWORD>(px.size() * 4);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written;
    WriteFile(file, &f, sizeof f, &written, nullptr);
    WriteFile(file, &h, sizeof h, &written, nullptr);
    WriteFile(file, px.data(), static_cast<DWORD>(px.size() * 4), &written, nullptr);
    CloseHandle(file);
}
