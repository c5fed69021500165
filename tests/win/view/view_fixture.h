#pragma once
// A hidden panel window with a hand-made skin record and item list, so that
// the drawing can be checked pixel by pixel in the back buffer.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "items/item_model.h"
#include "base/core/option_flags.h"
#include "skin/skin_info.h"

// A 32-bit bitmap of w x h filled by a function of the pixel, in a memory DC.
struct TestImage {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
};

class ViewTest : public testing::Test {
public:
    void SetUp() override;
    void TearDown() override;

    // The classic standard look's geometry: 180 wide, nine rows of 24 from y 31.
    void UseClassicLook();
    // A skin-file look whose frame and cursor are solid colours, optionally
    // with a magenta hole in the frame's top-left corner.
    void UseSolidSkin(COLORREF frame, COLORREF cursor, bool keyedCorner);
    void AddItems(const std::vector<std::string>& names, int iconIndex = -1);
    // A panel image list with one solid square icon of colour c (index 0).
    void MakeIcon(COLORREF c);
    void Layout();  // surfaces, frame and cursor pre-drawn

    COLORREF Pixel(int x, int y) const;
    // Pixels in the rectangle that differ from c.
    int CountNot(const RECT& r, COLORREF c) const;
    int CountColor(const RECT& r, COLORREF c) const;
    RECT RowTextRect(int row) const;
    void SaveBackBuffer(const char* name) const;

    // Slots filled by UseSolidSkin; released by TearDown.
    SkinImage MakeImage(int frames, int w, int h, COLORREF active, COLORREF inactive);

    HWND window_ = nullptr;
    std::vector<TestImage> images_;
};

bool SameRgb(COLORREF a, COLORREF b);
// Sets or clears flag in gSettings.
void SetOption(OptionFlag flag, bool on = true);
