#include "view/launch.h"

#include <mmsystem.h>
#include <shellapi.h>

#include "activation/desktop_windows.h"
#include "base/files.h"
#include "base/settings_store.h"
#include "base/system_functions.h"
#include "items/item_model.h"
#include "view/panel_draw.h"
#include "view/panel_visibility.h"
#include "view/selection.h"
#include "view/view_state.h"

int LaunchItem(HWND window, int index) {
    PanelItem* item = ItemAt(gItems.head, index);
    if (!item || IsSeparator(item)) return 0;
    if (Option(gSettings, kOptFoldersInPanel) && IsFolder(item)) {
        ToggleFolder(item);
        RedrawPanel(window);
        return 1;
    }
    PlayEventSound(kSoundExecute);
    HidePanel(window, -1);

    // The item's own folder is the working folder, even when its target lives elsewhere.
    char folder[MAX_PATH];
    DirectoryOf(item->path, folder, sizeof folder);
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.hwnd = window;
    info.lpFile = item->path;
    info.lpDirectory = folder;
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExA(&info);

    const bool exitAfterHide = !Option(gSettings, kOptAlwaysShown) && Option(gSettings, kOptExitOnHide);
    if (exitAfterHide || Option(gSettings, kOptExitAfterStart)) PostMessageA(window, WM_CLOSE, 0, 0);
    return 1;
}

void PlayEventSound(int event) {
    if (event < 0 || event >= kSoundEventCount) return;
    if (!Option(gSettings, kOptSounds) || !gSettings.soundFiles[event][0]) return;
    sndPlaySoundA(nullptr, SND_ASYNC);
    sndPlaySoundA(gSettings.soundFiles[event], SND_ASYNC | SND_NODEFAULT);
}

void CloseOpenMenus() {
    HWND menu = FindWindowA("#32768", nullptr);
    if (menu && IsWindowVisible(menu)) SendMessageA(menu, WM_KEYDOWN, VK_MENU, 0);

    HWND taskbar = FindTaskbarWindow();
    HWND startButton = taskbar ? GetWindow(taskbar, GW_CHILD) : nullptr;
    if (startButton && (SendMessageA(startButton, BM_GETSTATE, 0, 0) & BST_PUSHED)) {
        // An Alt release closes the start menu.
        INPUT up{};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = VK_MENU;
        up.ki.wScan = static_cast<WORD>(MapVirtualKeyA(VK_MENU, 0));
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        if (gSystem.sendInput)
            gSystem.sendInput(1, &up, sizeof up);
        else
            keybd_event(VK_MENU, static_cast<BYTE>(up.ki.wScan), KEYEVENTF_KEYUP, 0);
    }
}
