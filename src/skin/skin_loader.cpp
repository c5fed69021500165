#include "skin/skin_loader.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

#include "base/core/text.h"
#include "base/dpi.h"
#include "base/files.h"
#include "base/handles.h"
#include "base/program_windows.h"
#include "base/settings_store.h"
#include "items/item_model.h"
#include "resources/resource.h"
#include "skin/core/bitmap_check.h"
#include "skin/skin_list.h"
#include "skin/standard_skin.h"

namespace {

// Word lists and colours are short; longer values are cut here.
constexpr DWORD kValueSize = 1024;

// "skin.ini" through the profile functions.
class SkinFile {
public:
    explicit SkinFile(const char* path) : path_(path) { DirectoryOf(path, folder_, sizeof folder_); }

    int32_t Int(const char* section, const char* key, int32_t fallback) const {
        return static_cast<int32_t>(GetPrivateProfileIntA(section, key, fallback, path_));
    }
    // Empty when the key is missing.
    void Text(const char* section, const char* key, char* out, DWORD size) const {
        GetPrivateProfileStringA(section, key, "", out, size, path_);
    }
    // "%s\%s" of the skin's folder and the value; empty when the key is
    // missing or empty. A path too long for the buffer is cut, and a cut path
    // simply fails to load.
    bool File(const char* section, const char* key, char (&out)[kPathSize]) const {
        char value[kPathSize];
        Text(section, key, value, sizeof value);
        out[0] = '\0';
        if (!value[0]) return false;
        std::snprintf(out, sizeof out, "%s\\%s", folder_, value);
        return true;
    }

private:
    const char* path_;
    char folder_[kPathSize];
};

int32_t ClampPoints(int32_t points) {
    if (points > kMaxFontPoints) return kMaxFontPoints;
    if (points < -kMaxFontPoints) return -kMaxFontPoints;
    return points;
}

int32_t HeightOfPoints(int32_t points, int pixelsPerInch) { return -MulDiv(ClampPoints(points), pixelsPerInch, 72); }

void ApplyStyleBits(LOGFONTA& font, uint32_t style) {
    if (style & kFontBold) font.lfWeight = FW_BOLD;
    if (style & kFontItalic) font.lfItalic = TRUE;
    if (style & kFontUnderline) font.lfUnderline = TRUE;
}

// Copies a face name into a 32-byte field without leaving half of a
// double-byte character at the cut.
void CopyFaceName(char (&out)[kFaceNameSize], const char* face) {
    CopyText(out, face);
    size_t n = 0;
    while (out[n]) {
        if (IsDBCSLeadByte(static_cast<BYTE>(out[n]))) {
            if (!out[n + 1]) {
                out[n] = '\0';
                break;
            }
            n += 2;
        } else {
            ++n;
        }
    }
}

void StartFont(SkinFont& font, const LOGFONTA& base) {
    font = SkinFont{};
    font.logFont = base;
    font.pointSize = 9;
}

void ReadFormat2Font(const SkinFile& file, const char* section, SkinFont& font, const LOGFONTA& base, int dpi) {
    StartFont(font, base);
    char value[kValueSize];
    file.Text(section, "FaceName", value, 128);
    if (value[0]) {
        CopyFaceName(font.faceName, value);
        CopyFaceName(font.logFont.lfFaceName, value);
        font.flags |= kFontSpecified;
    }
    file.Text(section, "Style", value, sizeof value);
    if (const uint32_t style = ParseStyleWords(value)) {
        ApplyStyleBits(font.logFont, style);
        font.flags |= kFontSpecified | style;
    }
    if (const int32_t size = ClampPoints(file.Int(section, "Size", 0))) {
        font.pointSize = size;
        font.logFont.lfHeight = HeightOfPoints(size, dpi);
        font.flags |= kFontSpecified;
    }
    file.Text(section, "Color", value, sizeof value);
    ParseColor(value, &font.color);
    file.Text(section, "ShadowColor", value, sizeof value);
    if (ParseColor(value, &font.shadowColor)) font.flags |= kFontHasShadow;
}

void ReadOldFormatFont(const SkinFile& file, const char* nameKey, const char* styleKey, const char* colorKey,
                       SkinFont& font, const LOGFONTA& base, int dpi) {
    StartFont(font, base);
    font.logFont.lfHeight = HeightOfPoints(9, dpi);
    char value[kValueSize];
    file.Text("Font", nameKey, value, 128);
    if (value[0]) {
        CopyFaceName(font.faceName, value);
        CopyFaceName(font.logFont.lfFaceName, value);
        font.flags |= kFontSpecified;
    }
    file.Text("Font", styleKey, value, sizeof value);
    if (const uint32_t style = ParseOldStyleWords(value)) {
        ApplyStyleBits(font.logFont, style);
        font.flags |= kFontSpecified;  // the older format records no style bits
    }
    font.color = SwapRedBlue(static_cast<uint32_t>(file.Int("Color", colorKey, 0)));
}

const char* const kSlotKeys[kSkinSlotCount] = {"Background",  "TopLeft",    "TopMiddle",    "TopRight",    "MiddleLeft",
                                               "MiddleRight", "BottomLeft", "BottomMiddle", "BottomRight", "Overlay"};

// Stretch, overlay offsets and overlay alignment of [Panel] or [Select].
void ReadImageSetWords(const SkinFile& file, const char* section, SkinImageSet& set) {
    char value[kValueSize];
    file.Text(section, "Stretch", value, sizeof value);
    set.stretch = ParseStretchWords(value);
    SkinImage& overlay = set.images[kSlotOverlay];
    overlay.offsetLeft = file.Int(section, "OverlayLeft", 0);
    overlay.offsetTop = file.Int(section, "OverlayTop", 0);
    file.Text(section, "OverlayAlign", value, sizeof value);
    if (value[0]) overlay.align = ParseAlignWords(value);
}

void ReadImageSetFiles(const SkinFile& file, const char* section, SkinImageSet& set) {
    for (int slot = 0; slot < kSkinSlotCount; ++slot) file.File(section, kSlotKeys[slot], set.images[slot].file);
}

// [Item] and [ClickArea] read the same in both formats.
void ReadRowsAndClickArea(const SkinFile& file, SkinInfo& skin) {
    skin.itemCount = file.Int("Item", "Count", 0);
    skin.itemLeft = file.Int("Item", "Left", 0);
    skin.itemTop = file.Int("Item", "Top", 0);
    skin.itemWidth = file.Int("Item", "Width", 0);
    skin.itemHeight = file.Int("Item", "Height", 0);
    skin.itemMargin = file.Int("Item", "Margin", 0);
    skin.itemIndent = file.Int("Item", "Indent", 0);
    skin.clickLeft = file.Int("ClickArea", "Left", 0);
    skin.clickTop = file.Int("ClickArea", "Top", 0);
    skin.clickWidth = file.Int("ClickArea", "Width", -1);
    skin.clickHeight = file.Int("ClickArea", "Height", -1);
}

void ReadOldFormat(const SkinFile& file, SkinInfo& skin, int dpi) {
    skin.baseHeight = file.Int("Base", "Height", 0);
    skin.resizeFlags = file.Int("Base", "SizeChange", 0) == 1 ? kResizeVertical : kResizeFixed;
    skin.selectLeft = file.Int("Select", "Left", 0);
    skin.selectTop = file.Int("Select", "Top", 0);
    skin.closeLeft = file.Int("Close", "Left", 0);
    skin.closeTop = file.Int("Close", "Top", 0);
    ReadRowsAndClickArea(file, skin);
    skin.iconSize = 16;
    ReadOldFormatFont(file, "SelectName", "SelectStyle", "TextSelect", skin.selectedItemFont, skin.baseFont, dpi);
    ReadOldFormatFont(file, "UnselectName", "UnselectStyle", "TextUnselect", skin.otherItemFont, skin.baseFont, dpi);
    const int32_t transparent = file.Int("Color", "Transparent", -1);
    skin.hasTransparentColor = transparent != -1;
    skin.transparentColor = transparent == -1 ? 0xFF00FF : SwapRedBlue(static_cast<uint32_t>(transparent));
    file.File("Skin", "Base", skin.panelImages.images[kSlotBackground].file);
    file.File("Skin", "Title", skin.panelImages.images[kSlotTopMiddle].file);
    file.File("Skin", "Bottom", skin.panelImages.images[kSlotBottomMiddle].file);
    file.File("Skin", "Select", skin.selectImages.images[kSlotBackground].file);
    file.File("Skin", "Close", skin.closeImageFile);
    file.File("Skin", "Arrow", skin.arrowImageFile);
    skin.kind = kSkinOldFormat;
}

bool ReadFormat2(const SkinFile& file, SkinInfo& skin, int dpi) {
    char value[kValueSize];
    skin.panelWidth = file.Int("Panel", "Width", 0);
    skin.panelHeight = file.Int("Panel", "Height", 0);
    skin.increase = file.Int("Panel", "Increase", 1);
    file.Text("Panel", "Resize", value, sizeof value);
    skin.resizeFlags = ParseResizeWords(value);
    ReadImageSetWords(file, "Panel", skin.panelImages);

    skin.selectLeft = file.Int("Select", "Left", 0);
    skin.selectTop = file.Int("Select", "Top", 0);
    skin.selectWidth = file.Int("Select", "Width", 0);
    skin.selectHeight = file.Int("Select", "Height", 0);
    ReadImageSetWords(file, "Select", skin.selectImages);

    file.File("Separator", "ImageLeft", skin.separatorLeft.file);
    file.File("Separator", "ImageMiddle", skin.separatorMiddle.file);
    file.File("Separator", "ImageRight", skin.separatorRight.file);
    skin.separatorMarginLeft = file.Int("Separator", "MarginLeft", 0);
    skin.separatorMarginRight = file.Int("Separator", "MarginRight", 0);
    file.Text("Separator", "Stretch", value, sizeof value);
    skin.separatorFlags = ParseStretchWords(value);
    file.Text("Separator", "Align", value, sizeof value);
    skin.separatorFlags |= ParseAlignWords(value);

    skin.closeLeft = file.Int("Close", "Left", 0);
    skin.closeTop = file.Int("Close", "Top", 0);
    file.Text("Close", "Align", value, sizeof value);
    skin.closeAlign = ParseAlignWords(value);

    skin.iconSize = file.Int("Item", "IconSize", 16);
    ReadRowsAndClickArea(file, skin);

    ReadFormat2Font(file, "Font Select", skin.selectedItemFont, skin.baseFont, dpi);
    ReadFormat2Font(file, "Font Unselect", skin.otherItemFont, skin.baseFont, dpi);

    // Without the key the usual magenta masks the bitmaps.
    skin.transparentColor = 0xFF00FF;
    file.Text("Color", "Transparent", value, sizeof value);
    skin.hasTransparentColor = ParseColor(value, &skin.transparentColor);

    ReadImageSetFiles(file, "Panel", skin.panelImages);
    if (!skin.panelImages.images[kSlotBackground].file[0]) return false;
    ReadImageSetFiles(file, "Select", skin.selectImages);
    file.File("Close", "Image", skin.closeImageFile);
    if (!file.File("Arrow", "Image", skin.arrowImageFile)) return false;
    skin.kind = kSkinFormat2;
    return true;
}

// ---- Bitmaps ----

// Loads a .bmp file once its headers have shown that the file holds the
// picture they describe at an affordable size; null otherwise.
HBITMAP LoadCheckedBitmap(const char* path) {
    if (!path[0]) return nullptr;
    OwnedFile file(
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return nullptr;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0) return nullptr;
    uint8_t head[kBitmapHeadBytes];
    const DWORD want = size.QuadPart < static_cast<LONGLONG>(sizeof head) ? static_cast<DWORD>(size.QuadPart)
                                                                          : static_cast<DWORD>(sizeof head);
    DWORD got = 0;
    if (!ReadFile(file.Get(), head, want, &got, nullptr) || got != want) return nullptr;
    if (!CheckBitmapHeader(head, got, static_cast<uint64_t>(size.QuadPart), nullptr)) return nullptr;
    file.Reset();
    return static_cast<HBITMAP>(LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

// A picture of a skin file in its own memory DC.
// The picture of file in a memory DC, and the size of one of its frames;
// empty when the file cannot be loaded or the picture is narrower than its
// frame count.
OwnedBitmapDc LoadPictureInDc(const char* file, int frames, HDC reference, int32_t* width, int32_t* height) {
    OwnedBitmap bitmap(LoadCheckedBitmap(file));
    if (!bitmap) return OwnedBitmapDc();
    const SIZE size = BitmapSize(bitmap.Get());
    const int32_t frameWidth = size.cx / frames;
    if (frameWidth <= 0 || size.cy <= 0) return OwnedBitmapDc();
    OwnedBitmapDc picture = SelectIntoDc(OwnedMemoryDc(CreateCompatibleDC(reference)), std::move(bitmap));
    *width = frameWidth;
    *height = size.cy;
    return picture;
}

// A slot whose file cannot be loaded stays without a bitmap.
void LoadImageSlot(SkinImage& slot, OwnedBitmapDc& holder, int frames, HDC reference) {
    int32_t width = 0, height = 0;
    OwnedBitmapDc picture = LoadPictureInDc(slot.file, frames, reference, &width, &height);
    if (picture) HoldPicture(slot, holder, std::move(picture), width, height);
}

void LoadAllImageSlots(SkinInfo& skin, SkinResources& held, HDC reference) {
    for (int i = 0; i < kSkinSlotCount; ++i) {
        LoadImageSlot(skin.panelImages.images[i], held.panelImages[i], 2, reference);
        LoadImageSlot(skin.selectImages.images[i], held.selectImages[i], 2, reference);
    }
    LoadImageSlot(skin.separatorLeft, held.separators[0], 1, reference);
    LoadImageSlot(skin.separatorMiddle, held.separators[1], 1, reference);
    LoadImageSlot(skin.separatorRight, held.separators[2], 1, reference);
}

// True when a pixel of bitmap has the colour's red, green and blue. Read in
// strips, so a large picture needs little memory.
bool BitmapContainsColor(HBITMAP bitmap, ColorRef color) {
    const SIZE size = BitmapSize(bitmap);
    if (size.cx <= 0 || size.cy <= 0) return false;
    const int rowsPerStrip = size.cx >= 16384 ? 1 : 16384 / size.cx;
    const size_t count = static_cast<size_t>(size.cx) * static_cast<size_t>(rowsPerStrip);
    uint32_t* pixels = new (std::nothrow) uint32_t[count];
    if (!pixels) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    WindowDc screen(nullptr);
    bool found = false;
    for (int start = 0; start < size.cy && !found; start += rowsPerStrip) {
        const int rows = size.cy - start < rowsPerStrip ? size.cy - start : rowsPerStrip;
        const int got = GetDIBits(screen.Get(), bitmap, start, rows, pixels, &info, DIB_RGB_COLORS);
        if (got <= 0) break;
        found = PixelsContainColor(pixels, static_cast<size_t>(size.cx) * got, color);
    }
    delete[] pixels;
    return found;
}

// The bitmap is read while out of its DC, as the system asks.
bool SlotContainsColor(const SkinImage& slot, ColorRef color) {
    if (!slot.bitmap || !slot.dc) return false;
    SelectObject(slot.dc, slot.oldBitmap);
    const bool found = BitmapContainsColor(slot.bitmap, color);
    SelectObject(slot.dc, slot.bitmap);
    return found;
}

void MarkTransparentPieces(SkinInfo& skin) {
    const ColorRef key = skin.transparentColor;
    if (SlotContainsColor(skin.panelImages.images[kSlotOverlay], key)) skin.resizeFlags |= kMaskedPanelOverlay;
    if (SlotContainsColor(skin.selectImages.images[kSlotOverlay], key)) skin.resizeFlags |= kMaskedSelectionOverlay;
    if (!(skin.selectImages.stretch & kStretchMask)) {
        for (int slot = kSlotBackground; slot < kSlotOverlay; ++slot) {
            if (SlotContainsColor(skin.selectImages.images[slot], key)) {
                skin.resizeFlags |= kMaskedSelection;
                break;
            }
        }
    }
    if (!(skin.separatorFlags & kStretchMask)) {
        if (SlotContainsColor(skin.separatorLeft, key) || SlotContainsColor(skin.separatorMiddle, key) ||
            SlotContainsColor(skin.separatorRight, key))
            skin.resizeFlags |= kMaskedSeparator;
    }
}

// The older format takes its sizes from its pictures.
void OldFormatSizes(SkinInfo& skin) {
    const SkinImage* panel = skin.panelImages.images;
    skin.panelWidth = panel[kSlotBackground].width;
    const int64_t middle = (skin.resizeFlags & kResizeFixed) ? panel[kSlotBackground].height : skin.baseHeight;
    skin.panelHeight =
        SaturatingAdd(0, int64_t{panel[kSlotTopMiddle].height} + panel[kSlotBottomMiddle].height + middle);
    skin.selectWidth = skin.selectImages.images[kSlotBackground].width;
    skin.selectHeight = skin.selectImages.images[kSlotBackground].height;
}

void StoreSkinDefaults(SkinInfo& skin) {
    SkinDefaults& d = skin.skinDefaults;
    d.panelHeight = skin.panelHeight;
    d.selectHeight = skin.selectHeight;
    d.selectTop = skin.selectTop;
    d.iconSize = skin.iconSize;
    d.itemCount = skin.itemCount;
    d.itemHeight = skin.itemHeight;
    d.selectBackColor = skin.selectBackColor;
    d.selectFrameColor = skin.selectFrameColor;
    d.backColor = skin.backColor;
    d.selectedItemFont = skin.selectedItemFont;
    d.otherItemFont = skin.otherItemFont;
}

// Six states side by side in format 2, four in the older format. A picture
// too narrow for its states gives no close button.
void LoadCloseImage(SkinInfo& skin, SkinResources& held, HDC reference) {
    if (!skin.closeImageFile[0]) return;
    int32_t width = 0, height = 0;
    held.close = LoadPictureInDc(skin.closeImageFile, skin.kind == kSkinOldFormat ? 4 : 6, reference, &width, &height);
    if (!held.close) return;
    skin.closeDc = held.close.Get();
    skin.closeBitmap = held.close.traits().bitmap;
    skin.closeOldBitmap = static_cast<HBITMAP>(held.close.traits().previous);
    skin.closeWidth = width;
    skin.closeHeight = height;
}

// Four arrows side by side: closed and open for the selected row, then for
// the other rows. The skin's own file, or the program's when it names none.
void LoadArrowImages(SkinInfo& skin, SkinResources& held) {
    HINSTANCE instance = ResourceModule();
    OwnedBitmap bitmap(skin.arrowImageFile[0] ? LoadCheckedBitmap(skin.arrowImageFile)
                                              : static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(IDB_ARROWS),
                                                                                IMAGE_BITMAP, 0, 0, 0)));
    if (!bitmap) return;
    const SIZE size = BitmapSize(bitmap.Get());
    const int32_t width = size.cx / 4;
    if (width <= 0 || size.cy <= 0) return;
    skin.arrowWidth = width;
    skin.arrowHeight = size.cy;
    if (HIMAGELIST list = gItems.arrowImages.Get()) {
        ImageList_SetIconSize(list, width, size.cy);
        ImageList_AddMasked(list, bitmap.Get(), skin.transparentColor);
    }
    held.arrows = std::move(bitmap);
    skin.arrowBitmap = held.arrows.Get();
}

void ApplyDesignFont(SkinFont& font, const LOGFONTA& base, const char* face, int32_t size, int32_t style,
                     ColorRef color, bool sizesFixed, int dpi) {
    if (!(font.flags & kFontSpecified)) font.logFont = base;
    if (face[0]) CopyFaceName(font.logFont.lfFaceName, face);
    if (color != kColorUnset) font.color = color;
    font.logFont.lfWeight = (style & kStyleBold) ? FW_BOLD : FW_NORMAL;
    font.logFont.lfItalic = (style & kStyleItalic) ? TRUE : FALSE;
    font.logFont.lfUnderline = (style & kStyleUnderline) ? TRUE : FALSE;
    // A size of 0 or below names no font height (the settings file can hold
    // one): the skin's own height stays.
    if (!sizesFixed && size > 0 && size != font.pointSize) font.logFont.lfHeight = HeightOfPoints(size, dpi);
}

void CreateSkinFont(SkinFont& font, OwnedFont& holder) {
    holder.Reset(CreateFontIndirectA(&font.logFont));
    font.font = holder.Get();
}

// The user's design customisation: row sizes, fonts and colours.
void ApplyDesign(SkinInfo& skin, OwnedFont& selectedFont, OwnedFont& otherFont, const Settings& s, int dpi) {
    const bool sizesFixed = skin.kind == kSkinOldFormat || (skin.resizeFlags & kResizeFixed);
    if (!sizesFixed) ApplyDesignSizes(skin, s, dpi);
    char face[kFaceNameSize];
    CopyText(face, sizeof face, s.selectFont);
    ApplyDesignFont(skin.selectedItemFont, skin.baseFont, face, s.selectSize, s.selectStyle, s.selectColor, sizesFixed,
                    dpi);
    CopyText(face, sizeof face, s.unselectFont);
    ApplyDesignFont(skin.otherItemFont, skin.baseFont, face, s.unselectSize, s.unselectStyle, s.unselectColor,
                    sizesFixed, dpi);
    CreateSkinFont(skin.selectedItemFont, selectedFont);
    CreateSkinFont(skin.otherItemFont, otherFont);
    if (s.selectBG != kColorUnset) skin.selectBackColor = s.selectBG;
    if (s.selectFrame != kColorUnset) skin.selectFrameColor = s.selectFrame;
    if (s.background != kColorUnset) skin.backColor = s.background;
}

// The rebuild normally sets the base font first; without it the item fonts
// would start from an empty description.
void EnsureBaseFont(SkinInfo& skin, int dpi) {
    if (skin.baseFont.lfHeight != 0 || skin.baseFont.lfFaceName[0]) return;
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        skin.baseFont = metrics.lfMenuFont;
    else
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof skin.baseFont, &skin.baseFont);
    skin.baseFont.lfHeight = HeightOfPoints(9, dpi);
}

bool Within(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

// Reads a skin file and its pictures; on failure everything it loaded is
// released again and gSkin is reset.
bool LoadFileSkin(HWND window, const char* folder) {
    char path[kPathSize];
    if (std::snprintf(path, sizeof path, "%s\\%s", folder, "skin.ini") >= static_cast<int>(sizeof path)) return false;
    if (!LoadSkinFile(path)) return false;
    {
        WindowDc reference(window);
        LoadAllImageSlots(gSkin, gSkinResources, reference.Get());
    }
    MarkTransparentPieces(gSkin);
    if (gSkin.kind == kSkinOldFormat) OldFormatSizes(gSkin);
    if (SkinGeometryUsable(gSkin)) return true;
    ReleaseSkin();
    return false;
}

}  // namespace

bool LoadSkinFile(const char* path) {
    if (!path || !PathExists(path)) return false;
    const SkinFile file(path);
    const int dpi = PixelsPerInchY(nullptr);
    char version[16];
    file.Text("Info", "Version", version, sizeof version);
    if (ParseSkinVersion(version).major != 2) {
        ReadOldFormat(file, gSkin, dpi);
        return true;
    }
    return ReadFormat2(file, gSkin, dpi);
}

void ResetSkinInfo(SkinInfo& skin) {
    const LOGFONTA base = skin.baseFont;
    skin = SkinInfo{};
    skin.baseFont = base;
    skin.clickWidth = -1;
    skin.clickHeight = -1;
    skin.increase = 1;
}

bool SkinGeometryUsable(const SkinInfo& s) {
    if (!Within(s.panelWidth, 1, kMaxPanelExtent) || !Within(s.panelHeight, 1, kMaxPanelExtent)) return false;
    if (!Within(s.itemCount, 0, kMaxItemCount) || !Within(s.itemHeight, 0, kMaxItemHeight)) return false;
    if (!Within(s.iconSize, 0, kMaxIconSize)) return false;
    if (!Within(s.selectWidth, 0, kMaxPanelExtent) || !Within(s.selectHeight, 0, kMaxPanelExtent)) return false;
    const int32_t positions[] = {s.selectLeft,
                                 s.selectTop,
                                 s.itemLeft,
                                 s.itemTop,
                                 s.itemWidth,
                                 s.itemMargin,
                                 s.itemIndent,
                                 s.clickLeft,
                                 s.clickTop,
                                 s.clickWidth,
                                 s.clickHeight,
                                 s.closeLeft,
                                 s.closeTop,
                                 s.separatorMarginLeft,
                                 s.separatorMarginRight,
                                 s.panelImages.images[kSlotOverlay].offsetLeft,
                                 s.panelImages.images[kSlotOverlay].offsetTop,
                                 s.selectImages.images[kSlotOverlay].offsetLeft,
                                 s.selectImages.images[kSlotOverlay].offsetTop};
    for (int32_t p : positions)
        if (!Within(p, -kMaxPosition, kMaxPosition)) return false;
    return true;
}

void ApplyDesignSizes(SkinInfo& skin, const Settings& settings, int pixelsPerInchY) {
    const int32_t design = settings.designIconSize > kMaxIconSize ? kMaxIconSize : settings.designIconSize;
    DesignGrowthInput in{};
    in.designIconSize = design;
    in.skinIconSize = skin.iconSize;
    in.selectSize = ClampPoints(settings.selectSize);
    in.unselectSize = ClampPoints(settings.unselectSize);
    in.selectPointSize = skin.selectedItemFont.pointSize;
    in.unselectPointSize = skin.otherItemFont.pointSize;
    in.pixelsPerInchY = pixelsPerInchY;
    in.increase = skin.increase;
    in.noIcons = Option(settings, kOptNoIcons);
    in.noText = Option(settings, kOptNoText);
    int32_t g = DesignRowGrowth(in);
    // Smaller sizes shrink the rows, but never to nothing: a row and the
    // cursor keep at least one pixel.
    if (g < 0) g = std::min(0, std::max(g, 1 - std::min(skin.itemHeight, skin.selectHeight)));
    if (g != 0) {
        const int64_t n = skin.itemCount;
        skin.selectHeight = SaturatingAdd(skin.selectHeight, g);
        skin.itemHeight = SaturatingAdd(skin.itemHeight, g);
        skin.selectTop = SaturatingAdd(skin.selectTop, n / 2 * g);
        skin.panelHeight = SaturatingAdd(skin.panelHeight, n * g);
        skin.baseHeight = skin.panelHeight;
        // A negative height still stands for "the item rows", worked out later.
        if (skin.clickHeight >= 0) skin.clickHeight = SaturatingAdd(skin.clickHeight, n * g);
        SkinImage& overlay = skin.panelImages.images[kSlotOverlay];
        if (overlay.align & kAlignBottom) overlay.offsetTop = SaturatingAdd(overlay.offsetTop, n * g);
    }
    // The rows were fitted to the design's icons above, so the icons take that
    // size too, 16 included: a 16 that kept a larger skin's icons would draw
    // them over rows shrunk to fit 16-pixel ones.
    if (design > 0) skin.iconSize = design;
}

void ApplyItemLook(SkinInfo& skin, OwnedFont& selectedFont, OwnedFont& otherFont, const Settings& settings,
                   int pixelsPerInchY) {
    if (Option(settings, kOptCustomDesign)) {
        ApplyDesign(skin, selectedFont, otherFont, settings, pixelsPerInchY);
        return;
    }
    if (skin.selectedItemFont.flags & kFontSpecified) CreateSkinFont(skin.selectedItemFont, selectedFont);
    if (skin.otherItemFont.flags & kFontSpecified) CreateSkinFont(skin.otherItemFont, otherFont);
}

bool ApplySkin(HWND window, const char* skinName) {
    if (gSkin.applied) ReleaseSkin();
    ResetSkinInfo(gSkin);
    gSkin.applied = 1;
    const int dpi = PixelsPerInchY(window);
    EnsureBaseFont(gSkin, dpi);

    const SkinEntry* entry = skinName && skinName[0] ? FindSkin(skinName) : nullptr;
    const bool refused = entry && !LoadFileSkin(window, entry->folder);
    if (!entry || refused) {
        if (refused) {
            ResetSkinInfo(gSkin);
            gSkin.applied = 1;
        }
        ApplyStandardSkin(window);
        MarkTransparentPieces(gSkin);
    }

    gSkin.baseHeight = gSkin.panelHeight;
    StoreSkinDefaults(gSkin);
    {
        WindowDc reference(window);
        LoadCloseImage(gSkin, gSkinResources, reference.Get());
    }
    LoadArrowImages(gSkin, gSkinResources);

    ApplyItemLook(gSkin, gSkinResources.selectedItemFont, gSkinResources.otherItemFont, gSettings, dpi);

    if (gSkin.clickWidth < 0 || gSkin.clickHeight < 0) {
        gSkin.clickLeft = gSkin.itemLeft;
        gSkin.clickTop = gSkin.itemTop;
        gSkin.clickWidth = gSkin.itemWidth;
        gSkin.clickHeight = SaturatingAdd(0, int64_t{gSkin.itemHeight} * gSkin.itemCount);
    }
    return !refused;
}

void ReleaseSkin() {
    if (!gSkin.applied) return;
    if (HIMAGELIST list = gItems.arrowImages.Get()) ImageList_RemoveAll(list);
    gSkinResources = SkinResources{};
    ResetSkinInfo(gSkin);
}
