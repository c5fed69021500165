#pragma once
// Fade-in of the panel and its permanent transparency: by the window's layered
// alpha where the system has it, else by blending, in software, the screen
// under the panel into the panel picture frame by frame.
#include <windows.h>

#include <cstdint>
#include <vector>

struct FadeState {
    DWORD start = 0;   // tick count of the running fade-in, 0 when none
    int running = 0;   // from the preparation to the last frame
    DWORD length = 0;  // ms
    bool firstTickDone = false;
    // Software fade: valid while prepared.
    bool prepared = false;
    HDC dest = nullptr;
    BITMAPINFOHEADER header{};
    int workingWidth = 0;
    std::vector<uint32_t> from, to, out;
};

extern FadeState gFade;

inline bool IsFading() { return gFade.start != 0; }

// Alpha of a transparency percentage (0 opaque, 100 fully transparent).
inline BYTE AlphaOfPercent(int percent) { return static_cast<BYTE>(255 - percent * 255 / 100); }

// Fills the buffers from the two bitmaps (read through the screen's context);
// 0 when already prepared, else 1. A buffer that cannot be had leaves the
// fade unprepared (the panel then simply appears).
int PrepareFade(HDC dest, HBITMAP from, HBITMAP to);
// One frame at level (0-255) into the destination context.
void DrawFadeStep(int level, bool simd);
void FreeFade();

// The layered attributes for the activation state.
void ApplyTransparency(HWND window, bool active);

// Before a hidden panel is shown with the fade: alpha 0, or the software
// fade's buffers with the window shrunk to nothing.
void PrepareShowFade(HWND window);
// After it is shown: starts timer 2.
void StartFade(HWND window);
// Timer 2.
void OnFadeTimer(HWND window);
