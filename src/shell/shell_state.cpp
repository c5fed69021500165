#include "shell/shell_state.h"

#include "resources/resource.h"

ShellState gShell;

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
    LoadStringA(gShell.instance ? gShell.instance : GetModuleHandleA(nullptr), id, text, sizeof text);
    ShowErrorText(owner, text);
}
