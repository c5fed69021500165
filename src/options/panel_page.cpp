#include "options/panel_page.h"

#include <cstdint>
#include <memory>

#include "activation/core/mouse_modes.h"
#include "controls/button_table_control.h"
#include "controls/icon_button_control.h"
#include "options/page.h"
#include "resources/resource.h"
#include "keys/key_dialog.h"
#include "base/program_windows.h"
#include "base/system_functions.h"
#include "base/visual_styles.h"

namespace {

constexpr FlagBox kBoxes[] = {
    {IDC_USE_HOTKEY, kOptHotkey},
    {IDC_SECOND_START, kOptSecondStartActivates},
    {IDC_USE_MOUSE, kOptMouseActivation},
    {IDC_MOUSE_SHIFT, kOptMouseNeedsShift},
    {IDC_MOUSE_CTRL, kOptMouseNeedsCtrl},
    {IDC_MOUSE_ALT, kOptMouseNeedsAlt},
    {IDC_USE_TRANSPARENCY, kOptTransparency},
};

// Percent; above 90 the panel would all but vanish.
constexpr SliderBinding<uint8_t> kSliders[] = {
    {IDC_TRANSPARENCY_ACTIVE, &Settings::transparencyActive, 0, 90},
    {IDC_TRANSPARENCY_INACTIVE, &Settings::transparencyInactive, 0, 90},
};

constexpr EnableRule kRules[] = {
    {IDC_USE_HOTKEY, {IDC_HOTKEY}},
    {IDC_USE_MOUSE, {IDC_MOUSE_MODE}},
    {IDC_USE_TRANSPARENCY,
     {IDC_TRANSPARENCY_ACTIVE, IDC_TRANSPARENCY_INACTIVE, IDC_OPAQUE_LABEL, IDC_TRANSPARENT_LABEL, IDC_ACTIVE_LABEL,
      IDC_INACTIVE_LABEL}},
};

struct ComboDeleter {
    void operator()(ImageCombo* combo) const { DestroyImageCombo(combo, nullptr); }
};

class PanelPage {
public:
    PanelPage(HWND page, Settings& working) : page_(page), working_(working) {}
    ~PanelPage() { ReleaseButtonThemes(buttons_); }

    BOOL Load() {
        AttachButtonThemes(page_, buttons_, gVisualStyles);
        HWND modes = GetDlgItem(page_, IDC_MOUSE_MODE);
        combo_.reset(CreateImageCombo(modes, ResourceModule(), IDB_MOUSE_IMAGES, RGB(255, 0, 255), gVisualStyles));
        LoadFlagBoxes(page_, working_, kBoxes);
        SendDlgItemMessageA(page_, IDC_HOTKEY, HKM_SETHOTKEY, working_.hotkey, 0);
        // The mode number rides along as the row's data; an unknown stored
        // mode selects no row.
        for (const MouseModeRow& row : kMouseModeTable) {
            const int index =
                AddImageComboRow(modes, row.text, row.icon, reinterpret_cast<void*>(static_cast<uintptr_t>(row.mode)));
            if (index >= 0 && row.mode == working_.mouseMode) SendMessageA(modes, CB_SETCURSEL, index, 0);
        }
        LoadSliders(page_, working_, kSliders);
        for (const EnableRule& rule : kRules) ApplyRule(rule);
        // Without layered windows the transparency cannot be shown; the stored
        // values stay as they are.
        EnableControl(page_, IDC_USE_TRANSPARENCY, LayeredAvailable());
        return TRUE;
    }

    void Store() {
        StoreFlagBoxes(page_, working_, kBoxes);
        StoreSliders(page_, working_, kSliders);
        working_.hotkey = static_cast<uint16_t>(SendDlgItemMessageA(page_, IDC_HOTKEY, HKM_GETHOTKEY, 0, 0));
        working_.mouseMode = static_cast<uint8_t>(
            reinterpret_cast<uintptr_t>(ImageComboSelectionData(GetDlgItem(page_, IDC_MOUSE_MODE))));
    }

    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_COMMAND:
                return OnCommand(LOWORD(wParam), HIWORD(wParam));
            case WM_DRAWITEM: {
                const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                const bool drawn = DrawImageComboRow(draw, combo_.get()) || DrawIconButton(draw, buttons_);
                SetWindowLongPtrA(page_, DWLP_MSGRESULT, drawn);
                return drawn;
            }
            case WM_THEMECHANGED:
                ButtonThemesChanged(page_, buttons_);
                ImageComboThemeChanged(combo_.get());
                return FALSE;
            default:
                return FALSE;
        }
    }

private:
    void ApplyRule(const EnableRule& rule) {
        ApplyEnableRule(page_, rule, rule.box != IDC_USE_TRANSPARENCY || LayeredAvailable());
    }

    INT_PTR OnCommand(int id, int code) {
        if (code != BN_CLICKED) return FALSE;
        if (id == IDC_KEY_SETTINGS) {
            // Owned by the page; it edits the working copy's keys directly.
            RunKeyDialog(page_, working_);
            return TRUE;
        }
        if (const EnableRule* rule = FindEnableRule(kRules, sizeof kRules / sizeof kRules[0], id)) {
            ApplyRule(*rule);
            return TRUE;
        }
        return FALSE;
    }

    HWND page_;
    Settings& working_;
    ButtonDecoration buttons_[2] = {{IDC_KEY_SETTINGS, kButtonIconKeys, nullptr}, {0, 0, nullptr}};
    std::unique_ptr<ImageCombo, ComboDeleter> combo_;
};

}  // namespace

INT_PTR CALLBACK PanelPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return PageProc<PanelPage>(page, message, wParam, lParam);
}
