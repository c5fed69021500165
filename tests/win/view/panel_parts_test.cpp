// The close button's frames and hot tracking, the row tooltip, and the
// layout's resize steps and placement on a real window.
#include <windows.h>
#include <commctrl.h>

#include "base/program_windows.h"
#include "base/settings_store.h"
#include "base/system_functions.h"
#include "input.h"
#include "resources/resource.h"
#include "view/close_button.h"
#include "view/panel_draw.h"
#include "view/panel_layout.h"
#include "view/panel_surfaces.h"
#include "view/row_tooltip.h"
#include "view/view_state.h"
#include "view_fixture.h"

namespace {

class PanelPartsTest : public ViewTest {
public:
    void TearDown() override {
        DestroyCloseButton();
        if (gPanel.rowTooltip) DestroyWindow(gPanel.rowTooltip);
        gPanel.rowTooltip = nullptr;
        ViewTest::TearDown();
    }

    // A close image of `frames` solid frames, frame i of colour Frame(i).
    void MakeCloseImage(int frames) {
        SkinImage im = MakeImage(1, 10 * frames, 8, RGB(0, 0, 0), RGB(0, 0, 0));
        for (int i = 0; i < frames; ++i) {
            RECT r{i * 10, 0, i * 10 + 10, 8};
            HBRUSH b = CreateSolidBrush(Frame(i));
            FillRect(im.dc, &r, b);
            DeleteObject(b);
        }
        gSkin.closeDc = im.dc;
        gSkin.closeBitmap = im.bitmap;
        gSkin.closeWidth = 10;
        gSkin.closeHeight = 8;
    }
    static COLORREF Frame(int i) { return RGB(10 + i * 30, 200 - i * 20, i * 7); }

    // Draws the button into a small surface as its owner-draw request would.
    COLORREF DrawnFrame(bool pressed) {
        Surface s;
        EXPECT_TRUE(CreateSurface(s, 10, 8));
        DRAWITEMSTRUCT di{};
        di.CtlType = ODT_BUTTON;
        di.CtlID = IDC_CLOSE_BUTTON;
        di.itemAction = ODA_DRAWENTIRE;
        di.itemState = pressed ? ODS_SELECTED : 0;
        di.hDC = s.dc;
        di.rcItem = RECT{0, 0, 10, 8};
        DrawCloseButton(di);
        const COLORREF c = GetPixel(s.dc, 5, 4);
        DestroySurface(s);
        return c;
    }
};

TEST_F(PanelPartsTest, FormatTwoCloseFramesByStateAndHotTracking) {
    gSkin.kind = kSkinFormat2;
    MakeCloseImage(6);
    gMarkers.active = 1;
    EXPECT_TRUE(SameRgb(DrawnFrame(false), Frame(0)));
    EXPECT_TRUE(SameRgb(DrawnFrame(true), Frame(1)));
    gSkin.closeAlign |= kCloseHot;
    EXPECT_TRUE(SameRgb(DrawnFrame(false), Frame(2)));
    gMarkers.active = 0;
    EXPECT_TRUE(SameRgb(DrawnFrame(false), Frame(5)));
    gSkin.closeAlign &= ~kCloseHot;
    EXPECT_TRUE(SameRgb(DrawnFrame(false), Frame(3)));
    gSkin.closeDc = nullptr;  // released by the image list of the fixture
}

TEST_F(PanelPartsTest, FormatOneCloseButtonHasNoHotFrame) {
    gSkin.kind = kSkinOldFormat;
    MakeCloseImage(4);
    EXPECT_TRUE(SameRgb(DrawnFrame(true), Frame(1)));
    gMarkers.active = 0;
    EXPECT_TRUE(SameRgb(DrawnFrame(false), Frame(2)));
    // No hot-tracking procedure is put on a format-1 button.
    HWND button = CreateCloseButton(window_, 150, 5, 10, 8, IDC_CLOSE_BUTTON);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(gPanel.closeButtonProc, nullptr);
    gSkin.closeDc = nullptr;
}

TEST_F(PanelPartsTest, CloseButtonTracksTheMouseAndHasItsTooltip) {
    gSkin.kind = kSkinFormat2;
    MakeCloseImage(6);
    HWND button = CreateCloseButton(window_, 150, 5, 10, 8, IDC_CLOSE_BUTTON);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(GetDlgCtrlID(button), IDC_CLOSE_BUTTON);
    ASSERT_NE(gPanel.closeTooltip, nullptr);
    EXPECT_EQ(SendMessageA(gPanel.closeTooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    char text[64] = "";
    TOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.hwnd = button;
    ti.uId = reinterpret_cast<UINT_PTR>(button);
    ti.lpszText = text;
    SendMessageA(gPanel.closeTooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&ti));
    EXPECT_STREQ(text, "パネルを閉じる");

    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(gSkin.closeAlign & kCloseHot);
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_TRUE(gSkin.closeAlign & kClosePressed);
    EXPECT_FALSE(gSkin.closeAlign & kCloseHot);
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_FALSE(gSkin.closeAlign & kClosePressed);
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(gSkin.closeAlign & kCloseHot);
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(50, 50));  // left the button
    EXPECT_FALSE(gSkin.closeAlign & kCloseHot);
    EXPECT_NE(GetCapture(), button);
    DestroyCloseButton();
    EXPECT_EQ(gPanel.closeButton, nullptr);
    EXPECT_FALSE(IsWindow(button));
    gSkin.closeDc = nullptr;
}

TEST_F(PanelPartsTest, RowToolStartsOnTheMiddleRowAndFollowsTheCursor) {
    gPanel.rowTooltip = CreateTooltip(window_);
    ASSERT_NE(gPanel.rowTooltip, nullptr);
    AddRowTool(window_, gPanel.rowTooltip);
    ASSERT_EQ(SendMessageA(gPanel.rowTooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    TOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ASSERT_TRUE(SendMessageA(gPanel.rowTooltip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_EQ(ti.uId, kRowToolId);
    EXPECT_EQ(ti.rect.left, 16);
    EXPECT_EQ(ti.rect.top, 31 + 4 * 24);
    EXPECT_EQ(ti.rect.right, 16 + 148);
    EXPECT_EQ(ti.rect.bottom, 31 + 5 * 24);
    gView.cursorRow = 7;
    MoveRowTool(window_);
    ASSERT_TRUE(SendMessageA(gPanel.rowTooltip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_EQ(ti.rect.top, 31 + 7 * 24);
}

TEST_F(PanelPartsTest, ResizeByTheBottomBorderStepsTwoRowsAndKeepsThem) {
    gSkin.resizeFlags = kResizeVertical | kResizeHorizontal;
    Layout();
    SetWindowPos(window_, nullptr, 100, 100, 180, 257, SWP_NOZORDER | SWP_NOACTIVATE);
    gSettings.savedItemCount = 0;
    BeginResize(window_);
    EXPECT_EQ(gMarkers.panelBusy, 1);
    RECT r{100, 100, 280, 357 + 30};  // less than two rows: snaps back
    SizingRect(kEdgeBottom, &r);
    EXPECT_EQ(r.bottom, 357);
    r.bottom = 357 + 60;
    SizingRect(kEdgeBottom, &r);
    EXPECT_EQ(r.bottom, 357 + 48);
    r.right = 100 + 20;  // below the minimum width
    SizingRect(kEdgeRight, &r);
    EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXMINTRACK));
    SetWindowPos(window_, nullptr, 0, 0, 180, 305, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EndResize(window_);
    EXPECT_EQ(gMarkers.panelBusy, 0);
    EXPECT_EQ(gSkin.itemCount, 11);
    EXPECT_EQ(gSettings.savedItemCount, 11);
    EXPECT_EQ(gSettings.savedPanelWidth, 180);
    EXPECT_EQ(gSkin.panelHeight, 305);
    EXPECT_EQ(gPanel.backBuffer.height, 305);
    EXPECT_EQ(gView.cursorRow, 5);
    RECT wr;
    GetWindowRect(window_, &wr);
    EXPECT_EQ(wr.bottom - wr.top, 305);
}

TEST_F(PanelPartsTest, BorderHitsOnlyOnResizableSkins) {
    Layout();
    SetWindowPos(window_, nullptr, 100, 100, 180, 257, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(HitTestBorder(window_, POINT{278, 355}), 0);
    gSkin.resizeFlags = kResizeVertical | kResizeHorizontal;
    EXPECT_EQ(HitTestBorder(window_, POINT{279, 356}), HTBOTTOMRIGHT);
    EXPECT_EQ(HitTestBorder(window_, POINT{150, 356}), HTBOTTOM);
    EXPECT_EQ(HitTestBorder(window_, POINT{279, 150}), HTRIGHT);
    EXPECT_EQ(HitTestBorder(window_, POINT{150, 150}), 0);
}

TEST_F(PanelPartsTest, PlacementAtTheCursorAndThePreviousPosition) {
    Layout();
    ASSERT_TRUE(PlacePointer(GetSystemMetrics(SM_CXSCREEN) - 5, 300));
    POINT cursor;
    GetCursorPos(&cursor);
    for (OptionFlag f : {kOptMousePlace, kOptMousePlaceAtCursor}) SetOption(f);
    PlacePanel(window_, true);
    RECT wr;
    GetWindowRect(window_, &wr);
    const int right = GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    EXPECT_EQ(wr.right, right);
    EXPECT_EQ(wr.top, cursor.y - 24 * 9 / 2 - 31);
    EXPECT_EQ(gView.shownByMouse, 1);
    SetOption(kOptNoEdgeCorrection);
    PlacePanel(window_, true);
    GetWindowRect(window_, &wr);
    EXPECT_EQ(wr.left, cursor.x - 90);
    // The other group with kOptOtherPlace clear: the remembered second position.
    gSettings.left2 = 40;
    gSettings.top2 = 60;
    PlacePanel(window_, false);
    GetWindowRect(window_, &wr);
    EXPECT_EQ(wr.left, 40);
    EXPECT_EQ(wr.top, 60);
    EXPECT_EQ(gView.shownByMouse, 0);
    SetWindowPos(window_, nullptr, 70, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SaveWindowPosition(window_);
    EXPECT_EQ(gSettings.left2, 70);
    EXPECT_EQ(gSettings.top2, 80);
}

TEST_F(PanelPartsTest, WindowShapeCutsTheTransparentColourWithoutLayeredWindows) {
    UseSolidSkin(RGB(200, 100, 50), RGB(20, 40, 220), true);
    ASSERT_FALSE(LayeredAvailable());
    Layout();
    ASSERT_NE(gPanel.region.Get(), nullptr);
    EXPECT_FALSE(PtInRegion(gPanel.region.Get(), 3, 3));  // the keyed corner
    EXPECT_TRUE(PtInRegion(gPanel.region.Get(), 50, 50));
    HRGN windowRegion = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(window_, windowRegion), ERROR);
    EXPECT_FALSE(PtInRegion(windowRegion, 3, 3));
    DeleteObject(windowRegion);
    // A key colour that no pixel has: a rectangular window and no transparent colour.
    gSkin.transparentColor = RGB(1, 254, 3);
    Layout();
    EXPECT_EQ(gPanel.region.Get(), nullptr);
    EXPECT_EQ(gSkin.hasTransparentColor, 0);
}

}  // namespace
