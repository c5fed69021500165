#include "options/design_page.h"

#include <commdlg.h>

#include <memory>

#include "base/core/text.h"
#include "base/handles.h"
#include "base/program_windows.h"
#include "base/visual_styles.h"
#include "controls/button_table_control.h"
#include "controls/colour_button_control.h"
#include "controls/icon_button_control.h"
#include "options/core/design_parts.h"
#include "options/design_preview.h"
#include "options/page.h"
#include "resources/resource.h"
#include "skin/core/skin_words.h"

namespace {

// The part list's rows, in DesignPart order.
const char* const kPartNames[kDesignPartCount] = {"選択アイテム", "非選択アイテム", "アイコン", "選択カーソル", "背景"};

// Rows of the font list's image strip (the menu's).
constexpr int kImageTrueType = 6;
constexpr int kImageNoFont = 7;
constexpr COLORREF kStripKey = RGB(192, 192, 192);

// The highest value the size's arrows go to; typing may go beyond.
constexpr int kSizeArrowsMost = 100;

struct StyleButton {
    int id;
    int32_t bit;
};
constexpr StyleButton kStyleButtons[] = {
    {IDC_DESIGN_BOLD, kStyleBold}, {IDC_DESIGN_ITALIC, kStyleItalic}, {IDC_DESIGN_UNDERLINE, kStyleUnderline}};

// The design values one text part edits.
struct TextFields {
    char (Settings::*face)[kFaceNameSize];
    int32_t Settings::*size;
    int32_t Settings::*style;
    ColorRef Settings::*color;
};
constexpr TextFields kTextFields[] = {
    {&Settings::selectFont, &Settings::selectSize, &Settings::selectStyle, &Settings::selectColor},
    {&Settings::unselectFont, &Settings::unselectSize, &Settings::unselectStyle, &Settings::unselectColor},
};

struct ComboDeleter {
    void operator()(ImageCombo* combo) const {
        DestroyImageCombo(combo, [](void* font) { delete static_cast<LOGFONTA*>(font); });
    }
};
using ComboOwner = std::unique_ptr<ImageCombo, ComboDeleter>;

int CALLBACK AddFontFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM combo) {
    // Vertical faces ("@...") are of no use for a row of text.
    if (font->lfFaceName[0] == '@') return 1;
    auto* copy = new (std::nothrow) LOGFONTA(*font);
    if (!copy) return 0;
    if (AddImageComboRow(reinterpret_cast<HWND>(combo), font->lfFaceName,
                         (type & TRUETYPE_FONTTYPE) ? kImageTrueType : -1, copy) < 0)
        delete copy;
    return 1;
}

class DesignPage {
public:
    DesignPage(HWND page, OptionsSession& session) : page_(page), working_(*session.working) {
        if (session.look) TakePreviewSkin(preview_.skin, *session.look);
        preview_.working = &working_;
        for (COLORREF& c : customColours_) c = RGB(255, 255, 255);
    }
    ~DesignPage() {
        ReleaseButtonThemes(iconButtons_);
        ReleaseButtonThemes(colourButtons_);
    }
    DesignPage(const DesignPage&) = delete;
    DesignPage& operator=(const DesignPage&) = delete;

    BOOL Load() {
        loading_ = true;
        AttachButtonThemes(page_, iconButtons_, gVisualStyles);
        AttachButtonThemes(page_, colourButtons_, gVisualStyles);
        DecorateStyleButtons();
        FillFontList();
        FillPartList();
        const SkinInfo& skin = preview_.skin;
        sizesEditable_ =
            skin.kind != kSkinOldFormat && (skin.resizeFlags & kResizeVertical) && !(skin.resizeFlags & kResizeFixed);
        // A fixed skin takes no design at all: the box stays clear and
        // clears the option when applied below.
        const bool fixed = (skin.resizeFlags & kResizeFixed) != 0;
        EnableControl(page_, IDC_CUSTOM_DESIGN, !fixed);
        SetChecked(page_, IDC_CUSTOM_DESIGN, !fixed && Option(working_, kOptCustomDesign));
        SendDlgItemMessageA(page_, IDC_DESIGN_PART, CB_SETCURSEL, kPartSelectedText, 0);
        ApplyCustomBox();
        AttachDesignPreview(Preview(), &preview_);
        loading_ = false;
        return TRUE;
    }

    void Store() {
        // The edits went into the copy as they were made; the preview must
        // not draw from the copy once the page is gone.
        PutOption(working_.optionFlags, kOptCustomDesign, IsChecked(page_, IDC_CUSTOM_DESIGN));
        AttachDesignPreview(Preview(), nullptr);
    }

    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_COMMAND:
                return OnCommand(LOWORD(wParam), HIWORD(wParam));
            case WM_DRAWITEM:
                return OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            case WM_THEMECHANGED:
                ButtonThemesChanged(page_, iconButtons_);
                ButtonThemesChanged(page_, colourButtons_);
                ImageComboThemeChanged(parts_.get());
                ImageComboThemeChanged(fonts_.get());
                return FALSE;
            default:
                return FALSE;
        }
    }

private:
    HWND Preview() const { return GetDlgItem(page_, IDC_DESIGN_PREVIEW); }
    int Part() const {
        const LRESULT part = SendDlgItemMessageA(page_, IDC_DESIGN_PART, CB_GETCURSEL, 0, 0);
        return part >= 0 && part < kDesignPartCount ? static_cast<int>(part) : kPartSelectedText;
    }
    bool IsTextPart(int part) const { return part == kPartSelectedText || part == kPartOtherText; }
    void RepaintPreview() { InvalidateRect(Preview(), nullptr, FALSE); }

    // "B" bold, "I" bold italic, "U" bold underlined, from the page's font.
    void DecorateStyleButtons() {
        LOGFONTA base{};
        HFONT pageFont = reinterpret_cast<HFONT>(SendMessageA(page_, WM_GETFONT, 0, 0));
        if (!GetObjectA(pageFont ? static_cast<HGDIOBJ>(pageFont) : GetStockObject(DEFAULT_GUI_FONT), sizeof base,
                        &base))
            return;
        base.lfWeight = FW_BOLD;
        OwnedFont* fonts[] = {&boldFont_, &italicFont_, &underlineFont_};
        for (int i = 0; i < 3; ++i) {
            LOGFONTA lf = base;
            lf.lfItalic = kStyleButtons[i].bit == kStyleItalic;
            lf.lfUnderline = kStyleButtons[i].bit == kStyleUnderline;
            fonts[i]->Reset(CreateFontIndirectA(&lf));
            if (*fonts[i])
                SendDlgItemMessageA(page_, kStyleButtons[i].id, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[i]->Get()),
                                    FALSE);
        }
    }

    // "（設定なし）", then every font family of the ANSI character set.
    void FillFontList() {
        HWND combo = GetDlgItem(page_, IDC_DESIGN_FONT);
        fonts_.reset(CreateImageCombo(combo, ResourceModule(), IDB_MENU_IMAGES, kStripKey, gVisualStyles));
        AddImageComboRow(combo, "（設定なし）", kImageNoFont, nullptr);
        WindowDc dc(page_);
        LOGFONTA wanted{};
        wanted.lfCharSet = ANSI_CHARSET;
        if (dc) EnumFontFamiliesExA(dc.Get(), &wanted, AddFontFamily, reinterpret_cast<LPARAM>(combo), 0);
    }

    void FillPartList() {
        HWND combo = GetDlgItem(page_, IDC_DESIGN_PART);
        parts_.reset(CreateImageCombo(combo, ResourceModule(), -1, 0, gVisualStyles));
        const int count = DesignPartCount(preview_.skin.kind);
        for (int part = 0; part < count; ++part) AddImageComboRow(combo, kPartNames[part], -1, nullptr);
    }

    // The customisation box: the option, then which controls are usable.
    void ApplyCustomBox() {
        const bool on = IsChecked(page_, IDC_CUSTOM_DESIGN);
        PutOption(working_.optionFlags, kOptCustomDesign, on);
        if (on) {
            ApplyPart();
        } else {
            for (const StyleButton& b : kStyleButtons) SetChecked(page_, b.id, false);
            EnableControls();
        }
        RepaintPreview();
    }

    // Every control's state from the box, the part and the skin.
    void EnableControls() {
        const bool on = IsChecked(page_, IDC_CUSTOM_DESIGN);
        const int part = Part();
        const bool text = on && IsTextPart(part);
        const bool sized = on && part <= kPartIcon;
        const bool sizeEditable = sized && sizesEditable_;
        const struct {
            int id;
            bool enabled;
        } states[] = {
            {IDC_DESIGN_PART, on},
            {IDC_DESIGN_PART_LABEL, on},
            {IDC_DESIGN_RESET, on},
            {IDC_DESIGN_FONT, text},
            {IDC_DESIGN_FONT_LABEL, text},
            {IDC_DESIGN_SIZE_LABEL, sized},
            {IDC_DESIGN_SIZE, sizeEditable},
            {IDC_DESIGN_SIZE_SPIN, sizeEditable},
            {IDC_DESIGN_SIZE_UNIT, sizeEditable},
            {IDC_DESIGN_STYLE_LABEL, text},
            {IDC_DESIGN_BOLD, text},
            {IDC_DESIGN_ITALIC, text},
            {IDC_DESIGN_UNDERLINE, text},
            {IDC_DESIGN_COLOUR1, on && part != kPartIcon},
            {IDC_DESIGN_COLOUR1_LABEL, on && part != kPartIcon},
            {IDC_DESIGN_COLOUR2, on && part == kPartCursor},
            {IDC_DESIGN_COLOUR2_LABEL, on && part == kPartCursor},
        };
        for (const auto& s : states) EnableControl(page_, s.id, s.enabled);
    }

    // The slot of the working copy colour 1 or colour 2 edits for part, and
    // the skin's own colour shown while it is not set; null for none.
    ColorRef* ColourSlot(int part, bool second, ColorRef* skinColour) {
        const SkinInfo& skin = preview_.skin;
        if (second) {
            *skinColour = skin.selectFrameColor;
            return part == kPartCursor ? &working_.selectFrame : nullptr;
        }
        switch (part) {
            case kPartSelectedText:
                *skinColour = skin.selectedItemFont.color;
                return &working_.selectColor;
            case kPartOtherText:
                *skinColour = skin.otherItemFont.color;
                return &working_.unselectColor;
            case kPartCursor:
                *skinColour = skin.selectBackColor;
                return &working_.selectBG;
            case kPartBackground:
                *skinColour = skin.backColor;
                return &working_.background;
            default:
                return nullptr;
        }
    }

    void ShowSwatches(int part) {
        for (int i = 0; i < 2; ++i) {
            ColorRef skinColour = 0;
            if (const ColorRef* slot = ColourSlot(part, i == 1, &skinColour))
                colourButtons_[i].value = *slot != kColorUnset ? *slot : skinColour;
            InvalidateRect(GetDlgItem(page_, colourButtons_[i].id), nullptr, FALSE);
        }
    }

    int32_t* SizeSlot(int part) {
        if (IsTextPart(part)) return &(working_.*kTextFields[part].size);
        return part == kPartIcon ? &working_.designIconSize : nullptr;
    }

    // The controls show the selected part's values.
    void ApplyPart() {
        const bool wasLoading = loading_;
        loading_ = true;
        const int part = Part();
        HWND fontList = GetDlgItem(page_, IDC_DESIGN_FONT);
        if (IsTextPart(part)) {
            const TextFields& f = kTextFields[part];
            SendMessageA(fontList, CB_SETCURSEL, FontRow(working_.*f.face), 0);
            for (const StyleButton& b : kStyleButtons) SetChecked(page_, b.id, (working_.*f.style & b.bit) != 0);
        } else {
            SendMessageA(fontList, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
            for (const StyleButton& b : kStyleButtons) SetChecked(page_, b.id, false);
        }
        if (const int32_t* size = SizeSlot(part)) {
            SendDlgItemMessageA(page_, IDC_DESIGN_SIZE_SPIN, UDM_SETRANGE32, 1, kSizeArrowsMost);
            SendDlgItemMessageA(page_, IDC_DESIGN_SIZE_SPIN, UDM_SETPOS32, 0, *size);
            // The arrows keep to their range; the edit shows the value as it is.
            SetDlgItemInt(page_, IDC_DESIGN_SIZE, static_cast<UINT>(*size), TRUE);
            SetDlgItemTextA(page_, IDC_DESIGN_SIZE_UNIT, part == kPartIcon ? "ドット" : "ポイント");
        }
        ShowSwatches(part);
        EnableControls();
        loading_ = wasLoading;
    }

    // The font list's row of face, or row 0 ("not set").
    LRESULT FontRow(const char* face) const {
        if (!face[0]) return 0;
        HWND combo = GetDlgItem(page_, IDC_DESIGN_FONT);
        const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 1; i < count; ++i) {
            const auto* font = static_cast<const LOGFONTA*>(ImageComboRowData(combo, static_cast<int>(i)));
            if (font && lstrcmpiA(font->lfFaceName, face) == 0) return i;
        }
        return 0;
    }

    void ChooseColour(bool second) {
        const int part = Part();
        ColorRef skinColour = 0;
        ColorRef* slot = ColourSlot(part, second, &skinColour);
        if (!slot) return;
        CHOOSECOLORA cc{};
        cc.lStructSize = sizeof cc;
        cc.hwndOwner = page_;
        cc.rgbResult = *slot != kColorUnset ? *slot : skinColour;
        cc.lpCustColors = customColours_;
        cc.Flags = CC_RGBINIT | CC_FULLOPEN;
        if (!ChooseColorA(&cc)) return;
        *slot = cc.rgbResult & 0x00FFFFFF;
        ShowSwatches(part);
        RepaintPreview();
    }

    void OnStyleButton(int32_t bit, int id) {
        const int part = Part();
        if (!IsTextPart(part)) return;
        int32_t& style = working_.*kTextFields[part].style;
        style = IsChecked(page_, id) ? (style | bit) : (style & ~bit);
        RepaintPreview();
    }

    void OnFontChosen() {
        const int part = Part();
        if (!IsTextPart(part)) return;
        const auto* font = static_cast<const LOGFONTA*>(ImageComboSelectionData(GetDlgItem(page_, IDC_DESIGN_FONT)));
        CopyText(working_.*kTextFields[part].face, font ? font->lfFaceName : "");
        RepaintPreview();
    }

    void OnSizeTyped() {
        BOOL number = FALSE;
        const UINT typed = GetDlgItemInt(page_, IDC_DESIGN_SIZE, &number, FALSE);
        const int part = Part();
        int32_t* size = SizeSlot(part);
        if (!number || !size) return;
        *size = StoredDesignSize(part, typed);
        RepaintPreview();
    }

    // Back to the skin's own values; the customisation stays as it is.
    void Reset() {
        const SkinInfo& skin = preview_.skin;
        working_.selectFont[0] = working_.unselectFont[0] = '\0';
        working_.selectSize = skin.selectedItemFont.pointSize;
        working_.unselectSize = skin.otherItemFont.pointSize;
        working_.selectStyle =
            static_cast<int32_t>(skin.selectedItemFont.flags & (kFontBold | kFontItalic | kFontUnderline));
        working_.unselectStyle =
            static_cast<int32_t>(skin.otherItemFont.flags & (kFontBold | kFontItalic | kFontUnderline));
        working_.designIconSize = skin.iconSize;
        for (ColorRef* c : {&working_.selectColor, &working_.unselectColor, &working_.selectBG, &working_.selectFrame,
                            &working_.background})
            *c = kColorUnset;
        RepaintPreview();
        ApplyPart();
    }

    INT_PTR OnCommand(int id, int code) {
        if (loading_) return FALSE;
        switch (id) {
            case IDC_CUSTOM_DESIGN:
                if (code == BN_CLICKED) ApplyCustomBox();
                return TRUE;
            case IDC_DESIGN_PART:
                if (code == CBN_SELCHANGE) ApplyPart();
                return TRUE;
            case IDC_DESIGN_FONT:
                if (code == CBN_SELCHANGE) OnFontChosen();
                return TRUE;
            case IDC_DESIGN_SIZE:
                if (code == EN_CHANGE) OnSizeTyped();
                return TRUE;
            case IDC_DESIGN_COLOUR1:
            case IDC_DESIGN_COLOUR2:
                if (code == BN_CLICKED) ChooseColour(id == IDC_DESIGN_COLOUR2);
                return TRUE;
            case IDC_DESIGN_RESET:
                if (code == BN_CLICKED) Reset();
                return TRUE;
            default:
                for (const StyleButton& b : kStyleButtons)
                    if (id == b.id && code == BN_CLICKED) {
                        OnStyleButton(b.bit, b.id);
                        return TRUE;
                    }
                return FALSE;
        }
    }

    INT_PTR OnDrawItem(const DRAWITEMSTRUCT* draw) {
        const bool drawn = DrawImageComboRow(draw, parts_.get()) || DrawImageComboRow(draw, fonts_.get()) ||
                           DrawIconButton(draw, iconButtons_) || DrawColourButton(draw, colourButtons_);
        SetWindowLongPtrA(page_, DWLP_MSGRESULT, drawn);
        return drawn;
    }

    HWND page_;
    Settings& working_;
    DesignPreview preview_;
    ComboOwner parts_, fonts_;
    OwnedFont boldFont_, italicFont_, underlineFont_;
    COLORREF customColours_[16];
    bool sizesEditable_ = false;
    bool loading_ = false;
    ButtonDecoration iconButtons_[2] = {{IDC_DESIGN_RESET, kButtonIconReset, nullptr}, {0, 0, nullptr}};
    ButtonDecoration colourButtons_[3] = {
        {IDC_DESIGN_COLOUR1, 0, nullptr}, {IDC_DESIGN_COLOUR2, 0, nullptr}, {0, 0, nullptr}};
};

}  // namespace

INT_PTR CALLBACK DesignPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return PageProc<DesignPage>(page, message, wParam, lParam);
}
