#include "keys/key_dialog.h"

#include "base/core/text.h"
#include "base/program_windows.h"
#include "base/visual_styles.h"
#include "base/window_helpers.h"
#include "controls/button_table_control.h"
#include "controls/icon_button_control.h"
#include "keys/core/bindable_keys.h"
#include "keys/hotkeys.h"
#include "resources/resource.h"

namespace {

// The dialog's lists and the [Key] settings they edit; each setting's field
// and default come from the settings table.
struct KeyList {
    int id;
    const char* key;
};

constexpr KeyList kKeyLists[] = {
    {IDC_KEY_UP, "Up"},          {IDC_KEY_DOWN, "Down"},
    {IDC_KEY_PAGE_UP, "PageUp"}, {IDC_KEY_PAGE_DOWN, "PageDown"},
    {IDC_KEY_EXPAND, "Expand"},  {IDC_KEY_COLLAPSE, "Collapse"},
    {IDC_KEY_CLOSE, "Close"},    {IDC_KEY_EXECUTE, "Execute"},
};

const SettingRow& RowOf(const KeyList& list) { return *FindSetting("Key", list.key); }

struct KeyDialog {
    Settings* settings;
    ButtonDecoration buttons[3];
    bool holdsImages;
};

void SelectKey(HWND dialog, int id, uint16_t code) {
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(FindBindableKey(code)), 0);
}

void FillList(HWND list) {
    for (int i = 0; kBindableKeys[i].code != -1; ++i) {
        char name[32];
        if (kBindableKeys[i].name[0])
            CopyText(name, kBindableKeys[i].name);
        else
            GetHotkeyText(static_cast<uint16_t>(kBindableKeys[i].code), name, sizeof name);
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
}

INT_PTR OnInitDialog(HWND dialog, KeyDialog* state) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    AttachButtonThemes(dialog, state->buttons, gVisualStyles);
    CenterWindow(GetParent(dialog), dialog);
    for (const KeyList& list : kKeyLists) {
        FillList(GetDlgItem(dialog, list.id));
        SelectKey(dialog, list.id, static_cast<uint16_t>(SettingNumber(*state->settings, RowOf(list))));
    }
    return TRUE;
}

void OnReset(HWND dialog) {
    for (const KeyList& list : kKeyLists) SelectKey(dialog, list.id, static_cast<uint16_t>(RowOf(list).fallback));
}

// Every way out stores the lists; a list without a selection keeps its key.
void OnClose(HWND dialog, KeyDialog* state) {
    for (const KeyList& list : kKeyLists) {
        const LRESULT index = SendDlgItemMessageA(dialog, list.id, CB_GETCURSEL, 0, 0);
        if (index >= 0 && index < kBindableKeyCount)
            SetSettingNumber(*state->settings, RowOf(list), kBindableKeys[index].code);
    }
    ReleaseButtonThemes(state->buttons);
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK KeyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<KeyDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog(dialog, reinterpret_cast<KeyDialog*>(lParam));
        case WM_COMMAND:
            if (!state) return FALSE;
            switch (LOWORD(wParam)) {
                case IDC_KEY_RESET:
                    OnReset(dialog);
                    return TRUE;
                case IDOK:
                    SendMessageA(dialog, WM_CLOSE, 0, 0);
                    return TRUE;
                case IDCANCEL:  // Escape: the dialog has no cancel
                    return TRUE;
                default:
                    return FALSE;
            }
        case WM_CLOSE:
            if (state) OnClose(dialog, state);
            return TRUE;
        case WM_DRAWITEM:
            if (state) {
                SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
                return DrawIconButton(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), state->buttons);
            }
            return FALSE;
        case WM_THEMECHANGED:
            if (state) ButtonThemesChanged(dialog, state->buttons);
            return FALSE;
        case WM_DESTROY:
            if (state) ReleaseButtonThemes(state->buttons);
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

INT_PTR RunKeyDialog(HWND owner, Settings& settings) {
    KeyDialog state{&settings,
                    {{IDC_KEY_RESET, kButtonIconReset, nullptr}, {IDOK, kButtonIconClose, nullptr}, {0, 0, nullptr}},
                    false};
    // Opened from the options sheet the strip is already there; on its own
    // the dialog holds it for as long as it is open.
    state.holdsImages = HoldButtonImages();
    HINSTANCE module = ResourceModule();
    const INT_PTR result =
        DialogBoxParamA(module, MAKEINTRESOURCEA(IDD_KEYS), owner, KeyDialogProc, reinterpret_cast<LPARAM>(&state));
    if (state.holdsImages) ReleaseButtonImages();
    return result;
}
