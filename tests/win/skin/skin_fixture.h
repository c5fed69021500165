#pragma once
// Skin folders written by the tests themselves: "skin.ini" texts and BMP
// files drawn pixel by pixel, a hidden window to apply them on, and a reader
// for the failure message box.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "base/core/settings.h"
#include "message_boxes.h"
#include "temp_folder.h"

// A 24-bit bottom-up BMP file of w x h whose pixel (x, y) is colour(x, y),
// a colour value 0x00BBGGRR.
std::string BmpFile(int w, int h, const std::function<COLORREF(int, int)>& colour);
std::string SolidBmp(int w, int h, COLORREF colour);

// Colour of pixel (x, y) of a bitmap held in a memory DC.
COLORREF PixelOf(HDC dc, int x, int y);

class SkinTest : public testing::Test {
public:
    void SetUp() override;
    void TearDown() override;

    // Writes skin folder name under the skin folder with its "skin.ini".
    std::string WriteSkin(const std::string& name, const std::string& ini);
    void WriteFile(const std::string& skin, const std::string& file, const std::string& bytes);
    // Lists the skins again and applies name to the test window, counting a
    // refusal when the skin could not be used.
    void Apply(const std::string& name);
    // The path of a skin's "skin.ini", for LoadSkinFile.
    std::string IniPath(const std::string& skin) const;

    // A minimal format-2 skin: panel Background, an arrow strip and the given
    // extra lines (complete sections).
    std::string Format2(const std::string& extra) const;
    // Writes the two bitmaps Format2 names into skin.
    void WriteFormat2Bitmaps(const std::string& skin);

    int ArrowImageCount() const;
    // Turns the design customisation on with every design value left as the
    // skin's, except the icon size.
    static void UseDesignIconSize(int size);
    // Skins the loader refused since the test began.
    int Refusals() const { return refusals_; }

    TempFolder folder_;
    std::string skinRoot_;
    HWND window_ = nullptr;
    Settings savedSettings_{};
    int refusals_ = 0;
    // Every message box is answered, so a test never waits for a click.
    std::unique_ptr<MessageBoxCatcher> boxes_;
};
