#include "base/window_helpers.h"

#include "base/core/window_math.h"
#include "base/handles.h"
#include "base/panel_ids.h"
#include "base/program_windows.h"

void CenterWindow(HWND over, HWND window) {
    RECT work{}, reference{}, own{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    if (over)
        GetWindowRect(over, &reference);
    else
        reference = work;
    GetWindowRect(window, &own);
    const int w = own.right - own.left, h = own.bottom - own.top;
    const KPoint at = CenteredPosition(KRect{reference.left, reference.top, reference.right, reference.bottom}, w, h,
                                       KRect{work.left, work.top, work.right, work.bottom});
    MoveWindow(window, at.x, at.y, w, h, TRUE);
}

void ForceForeground(HWND window) {
    DWORD timeout = 0;
    SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0);
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, 0);
    SetForegroundWindow(window);
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(timeout)), 0);
}

void ShowErrorText(HWND owner, const char* text) { MessageBoxA(owner, text, kPanelTitle, MB_ICONERROR); }

void ShowErrorString(HWND owner, UINT id) {
    char text[256] = "";
    LoadStringA(ResourceModule(), id, text, sizeof text);
    ShowErrorText(owner, text);
}

HCURSOR HandCursor() {
    static HCURSOR hand = nullptr;
    if (hand) return hand;
    hand = LoadCursorA(nullptr, IDC_HAND);
    if (!hand) {
        // Systems without IDC_HAND: the help viewer's hand, copied.
        char path[MAX_PATH];
        const UINT n = GetWindowsDirectoryA(path, MAX_PATH - 16);
        if (n && n < MAX_PATH - 16) {
            lstrcatA(path, "\\winhlp32.exe");
            const OwnedLibrary help(LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE));
            if (help)
                if (HCURSOR c = LoadCursorA(help.Get(), MAKEINTRESOURCEA(106)))
                    hand = static_cast<HCURSOR>(CopyImage(c, IMAGE_CURSOR, 0, 0, 0));
        }
    }
    return hand;
}
