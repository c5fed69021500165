#pragma once
// The panel view's records: the view state (which item is on which row, the
// slide and the activation), and the panel state (the off-screen surfaces,
// the window shape, the resize snapshot and the row tooltip's and close
// button's windows). The skin record gSkin holds the geometry they work on.
#include <windows.h>

#include <cstdint>

#include "base/handles.h"
#include "view/core/panel_geometry.h"

// The panel window's timers.
constexpr UINT_PTR kScrollTimer = 1;    // the slide of a scroll step
constexpr UINT_PTR kFadeTimer = 2;      // the fade-in
constexpr UINT_PTR kDropHoldTimer = 3;  // hiding waits for a drag that may come

struct ViewState {
    int32_t currentIndex = 0;  // saved as [General] "IconIndex"
    int32_t cursorRow = 0;
    int32_t scrollDirection = 0;  // 0 none, 1 down, 2 up
    DWORD scrollStart = 0;        // tick of the running slide; 0 when none
    DWORD scrollNow = 0;          // tick of the latest slide timer tick
    int32_t scrollLength = 0;     // ms
    int32_t scrollDistance = 0;   // pixels
    int32_t scrollStep = 0;       // items; negative upwards
    int32_t wheelPending = 0;     // wheel delta short of a whole notch
    HDC backBuffer = nullptr;     // the panel is painted from here
    RECT clickArea{};             // client rectangle in which clicks start items
    int shownByMouse = 0;         // which stored position a move updates
    int clickActivated = 0;       // the last activation came from a mouse click
    bool showingActive = false;   // a show has drawn the active picture and is bringing the panel forward
};

extern ViewState gView;

// A memory DC with a bitmap of its own selected into it. The owner releases
// both; dc and bitmap are its handles, kept at hand for the drawing code, so
// destroying a surface is resetting it.
struct Surface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    int width = 0;
    int height = 0;
    uint32_t* bits = nullptr;  // a DIB surface's pixels, top-down; null otherwise
    OwnedBitmapDc owner;
};

// Makes a surface compatible with the screen; false (and an empty surface)
// when the size is not positive or the system refuses it.
bool CreateSurface(Surface& s, int width, int height);
// The header of a 32-bit uncompressed DIB; a positive height is bottom-up.
BITMAPINFO Bitmap32Info(int width, int height);
// The same as a 32-bit top-down DIB section whose pixels are at hand.
bool CreateDibSurface(Surface& s, int width, int height);
void DestroySurface(Surface& s);

struct PanelState {
    Surface backBuffer;      // the composed panel
    Surface capture;         // the screen under the panel, for the software fade
    Surface frame;           // the frame, active at x 0, inactive at x = panelWidth
    Surface selection;       // the cursor, active at x 0, inactive at x = selectWidth
    Surface iconScratch[2];  // the gradient list only
    Surface arrowScratch[2];
    Surface rowScratch[2];
    OwnedSelection backBufferFont;  // the 9-point font in the back buffer; released before it
    OwnedRegion region;             // the window shape; empty when rectangular

    PanelGeometry snapshot{};  // edited while the user drags a border
    bool snapshotChanged = false;
    bool resizing = false;
    BOOL dragFullWindows = FALSE;  // restored at the end of a drag
    bool dragSettingChanged = false;

    HWND closeButton = nullptr;
    HWND closeTooltip = nullptr;  // the close button's own tooltip
    HWND rowTooltip = nullptr;    // the row tooltip, made when the window is created
    WNDPROC closeButtonProc = nullptr;
    bool rowTipActive = false;

    bool built = false;  // a layout is loaded
};

extern PanelState gPanel;
