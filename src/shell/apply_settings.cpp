#include "shell/apply_settings.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "activation/ctrl_double_tap.h"
#include "activation/hook_binding.h"
#include "items/item_model.h"
#include "options/core/settings_change.h"
#include "options/options_sheet.h"
#include "resources/resource.h"
#include "keys/core/key_bindings.h"
#include "keys/hotkeys.h"
#include "base/settings_store.h"
#include "base/program_windows.h"
#include "base/system_functions.h"
#include "base/window_helpers.h"
#include "view/row_tooltip.h"
#include "view/fade.h"
#include "view/panel_draw.h"
#include "view/panel_drop_target.h"
#include "view/panel_rebuild.h"
#include "view/panel_visibility.h"
#include "view/view_state.h"

void ApplyUserHotkey(HWND panel, const Settings& settings, bool tell) {
    // A second registration under the same id would keep the old key as well,
    // and the unchanged key would count as taken by another program.
    UnregisterHotKey(panel, kHotkeyUser);
    if (!Option(settings, kOptHotkey) || HotkeyKey(settings.hotkey) == 0) return;
    if (RegisterPanelHotkey(panel, kHotkeyUser, settings.hotkey) || !tell) return;
    char keys[96];
    GetHotkeyText(settings.hotkey, keys, sizeof keys);
    char format[256] = "";
    LoadStringA(ResourceModule(), IDS_HOTKEY_REFUSED, format, sizeof format);
    char text[384];
    std::snprintf(text, sizeof text, format, keys);
    ShowErrorText(nullptr, text);
}

int ApplyConfirmedSettings(HWND panel, const Settings& working) {
    ApplyUserHotkey(panel, working, true);
    const SettingsChange change = CompareSettings(gSettings, working);
    std::memcpy(&gSettings, &working, sizeof gSettings);
    WatchCtrlDoubleTap(panel, Option(gSettings, kOptDoubleTapCtrl));
    EnablePanelDrop(panel, Option(gSettings, kOptDropToAdd));

    RestartMouseActivation(panel, change.hookLibraryChanged);
    SetRowTipActive(false);
    if (LayeredAvailable()) ApplyTransparency(panel, gMarkers.active != 0);

    if (Option(gSettings, kOptAlwaysShown)) {
        SetWindowPos(panel, Option(gSettings, kOptAlwaysOnTop) ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ShowPanel(panel, nullptr, false);
    } else {
        // Hidden quietly: switching "always shown" off is no reason for the
        // closing sound or for ending the program.
        SetWindowPos(panel, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        HidePanel(panel, -1);
    }

    int result = 1;
    if (change.reload) {
        ReleaseItems();
        BuildItems(panel);
        result = 2;
    }
    SaveSettings(gSettings, gView.currentIndex);
    RedrawPanel(panel);
    return result;
}

int RunOptionsSheet(HWND panel) {
    int result = 0;
    {
        // Held until the result is applied: activation requests keep going
        // to the sheet's place while the panel changes.
        OptionsSheetHold hold;
        Settings working;
        std::memcpy(&working, &gSettings, sizeof working);
        if (ShowOptionsSheet(IsWindowVisible(panel) ? panel : nullptr, working, gSkin))
            result = ApplyConfirmedSettings(panel, working);
    }
    // Metrics that changed while the sheet was open are followed now.
    if (gMarkers.relayoutPending) {
        gMarkers.relayoutPending = 0;
        PostMessageA(panel, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    }
    return result;
}
