#include "shell/tray_icon.h"

#include <shellapi.h>

#include "base/core/text.h"
#include "base/panel_ids.h"
#include "base/program_windows.h"
#include "base/visual_styles.h"
#include "resources/resource.h"

TrayIconState gTrayIcon;

namespace {

// The oldest, shortest form of the structure, which every shell accepts.
NOTIFYICONDATAA TrayData(HWND panel) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = panel;
    data.uID = kTrayIconId;
    return data;
}

}  // namespace

BOOL AddTrayIcon(HWND panel) {
    if (!gTrayIcon.icon) {
        // Sixteen colours where the system draws without visual styles.
        const UINT flags = gVisualStyles.library ? LR_DEFAULTCOLOR : LR_VGACOLOR;
        HINSTANCE module = ResourceModule();
        gTrayIcon.icon.Reset(
            static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(IDI_KORVANE), IMAGE_ICON, 16, 16, flags)));
    }
    NOTIFYICONDATAA data = TrayData(panel);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_PANEL_NOTIFYICON;
    data.hIcon = gTrayIcon.icon.Get();
    CopyText(data.szTip, kPanelTitle);
    return Shell_NotifyIconA(NIM_ADD, &data);
}

void RemoveTrayIcon(HWND panel) {
    NOTIFYICONDATAA data = TrayData(panel);
    Shell_NotifyIconA(NIM_DELETE, &data);
    gTrayIcon.icon.Reset();
}
