#include "view/launch.h"

#include <shellapi.h>

#include "base/files.h"
#include "base/settings_store.h"
#include "items/item_model.h"
#include "view/event_sounds.h"
#include "view/panel_draw.h"
#include "view/panel_visibility.h"
#include "view/view_state.h"

int LaunchItem(HWND window, int index) {
    PanelItem* item = ItemAt(gItems.head, index);
    if (!item || IsSeparator(item)) return 0;
    if (Option(gSettings, kOptFoldersInPanel) && IsFolder(item)) {
        ToggleFolderItem(item);
        RedrawPanel(window);
        return 1;
    }
    PlayEventSound(kSoundExecute);
    // The panel stands on the monitor under the cursor; what it starts opens
    // there too. Taken before hiding, while the window is where the user saw it.
    const HMONITOR monitor =
        Option(gSettings, kOptOnCursorMonitor) ? MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST) : nullptr;
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
    if (monitor) {
        info.fMask |= SEE_MASK_HMONITOR;
        info.hMonitor = monitor;
    }
    ShellExecuteExA(&info);

    const bool exitAfterHide = !Option(gSettings, kOptAlwaysShown) && Option(gSettings, kOptExitOnHide);
    if (exitAfterHide || Option(gSettings, kOptExitAfterStart)) PostMessageA(window, WM_CLOSE, 0, 0);
    return 1;
}

void ToggleFolderItem(PanelItem* item) {
    if (!item || !IsFolder(item)) return;
    PlayEventSound(IsOpenFolder(item) ? kSoundCollapse : kSoundExtract);
    gView.currentIndex = ToggleFolder(item);
}
