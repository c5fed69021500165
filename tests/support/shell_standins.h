#pragma once
// Small probes and stand-ins for the parts of the Windows shell that Wine
// lacks or hides, shared by the Win32 tests, the end-to-end tests and the
// stand-in programs (header only, so that a stand-in needs no test library).
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

// Whether the shell holds the tray icon (window, id): NIM_MODIFY only succeeds
// for an icon it has.
inline bool TrayIconShown(HWND window, UINT id) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = id;
    data.uFlags = NIF_TIP;
    lstrcpyA(data.szTip, "Tovel panel");
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// Gives a stand-in desktop list view one icon item named "icon" at the first
// icon position. The list view owns the image list (no LVS_SHAREIMAGELISTS)
// and frees it.
inline void AddStandinDesktopIcon(HWND list) {
    HIMAGELIST images = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1);
    ImageList_AddIcon(images, LoadIconA(nullptr, IDI_APPLICATION));
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.pszText = const_cast<char*>("icon");
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

// A stand-in program's message loop: it runs until the window is closed, or
// for at most two minutes, so that a test that died never leaves it behind.
inline int RunStandinLoop() {
    SetTimer(nullptr, 0, 120000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && !msg.hwnd) break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
