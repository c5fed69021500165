#include "skin_fixture.h"

#include <commctrl.h>

#include <cstring>

#include "base/settings_store.h"
#include "items/item_model.h"
#include "skin/skin_info.h"
#include "skin/skin_list.h"
#include "skin/skin_loader.h"

namespace {

void Put16(std::string& b, size_t at, uint32_t v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>(v >> 8 & 0xFF);
}
void Put32(std::string& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> (8 * i) & 0xFF);
}

}  // namespace

std::string BmpFile(int w, int h, const std::function<COLORREF(int, int)>& colour) {
    const size_t row = (static_cast<size_t>(w) * 3 + 3) / 4 * 4;
    std::string b(54 + row * h, '\0');
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<uint32_t>(b.size()));
    Put32(b, 10, 54);
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<uint32_t>(w));
    Put32(b, 22, static_cast<uint32_t>(h));
    Put16(b, 26, 1);
    Put16(b, 28, 24);
    for (int y = 0; y < h; ++y) {
        const size_t at = 54 + row * (h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const COLORREF c = colour(x, y);
            b[at + 3 * x] = static_cast<char>(GetBValue(c));
            b[at + 3 * x + 1] = static_cast<char>(GetGValue(c));
            b[at + 3 * x + 2] = static_cast<char>(GetRValue(c));
        }
    }
    return b;
}

std::string SolidBmp(int w, int h, COLORREF colour) {
    return BmpFile(w, h, [colour](int, int) { return colour; });
}

COLORREF PixelOf(HDC dc, int x, int y) { return GetPixel(dc, x, y); }

void SkinTest::SetUp() {
    savedSettings_ = gSettings;
    boxes_ = std::make_unique<MessageBoxCatcher>();
    skinRoot_ = folder_.MakeFolder("skins");
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "skin test", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(window_);
    gItems.arrowImages.Reset(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 4));
    ResetSkinInfo(gSkin);
}

void SkinTest::TearDown() {
    ReleaseSkin();
    gSkin = SkinInfo{};
    gItems.arrowImages.Reset();
    FreeSkins();
    if (window_) DestroyWindow(window_);
    gSettings = savedSettings_;
    boxes_.reset();
}

std::string SkinTest::WriteSkin(const std::string& name, const std::string& ini) {
    const std::string path = skinRoot_ + "\\" + name;
    CreateDirectoryA(path.c_str(), nullptr);
    WriteFile(name, "skin.ini", ini);
    return path;
}

void SkinTest::WriteFile(const std::string& skin, const std::string& file, const std::string& bytes) {
    folder_.Write("skins\\" + skin + "\\" + file, bytes);
}

void SkinTest::Apply(const std::string& name) {
    EnumerateSkins(skinRoot_.c_str());
    if (!ApplySkin(window_, name.c_str())) ++refusals_;
}

std::string SkinTest::IniPath(const std::string& skin) const { return skinRoot_ + "\\" + skin + "\\skin.ini"; }

std::string SkinTest::Format2(const std::string& extra) const {
    return "[Info]\r\nVersion=2.0\r\n[Panel]\r\nWidth=120\r\nHeight=200\r\nBackground=back.bmp\r\n"
           "[Item]\r\nCount=6\r\nLeft=10\r\nTop=20\r\nWidth=100\r\nHeight=20\r\n"
           "[Arrow]\r\nImage=arrow.bmp\r\n" +
           extra;
}

void SkinTest::WriteFormat2Bitmaps(const std::string& skin) {
    WriteFile(skin, "back.bmp", SolidBmp(16, 16, RGB(40, 60, 90)));
    WriteFile(skin, "arrow.bmp", SolidBmp(40, 10, RGB(200, 200, 200)));
}

void SkinTest::UseDesignIconSize(int size) {
    SetOption(gSettings.optionFlags, kOptCustomDesign);
    ClearOption(gSettings.optionFlags, kOptNoIcons);
    ClearOption(gSettings.optionFlags, kOptNoText);
    gSettings.selectFont[0] = gSettings.unselectFont[0] = '\0';
    gSettings.selectSize = gSettings.unselectSize = 9;
    gSettings.selectStyle = gSettings.unselectStyle = 0;
    gSettings.selectColor = gSettings.unselectColor = kColorUnset;
    gSettings.selectBG = gSettings.selectFrame = gSettings.background = kColorUnset;
    gSettings.designIconSize = size;
}

int SkinTest::ArrowImageCount() const { return ImageList_GetImageCount(gItems.arrowImages.Get()); }
