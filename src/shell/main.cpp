// Program entry: settings, the single-instance hand-over, run-time binding of
// the optional system functions, and the hidden panel window's message loop.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdio>

#include "resources/resource.h"
#include "shell/core/command_line.h"
#include "shell/core/cpu.h"
#include "base/core/text.h"
#include "base/files.h"
#include "shell/panel_window.h"
#include "base/settings_store.h"
#include "shell/shell_state.h"
#include "view/view_state.h"

namespace {

void LocateSettings() {
    char exe[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    DirectoryOf(exe, gSettings.programFolder, sizeof gSettings.programFolder);
    std::snprintf(gSettings.settingsFile, sizeof gSettings.settingsFile, "%s\\%s", gSettings.programFolder,
                  "korvane.ini");
}

// A second start hands its request to the running panel and ends.
int HandOver(const char* commandLine) {
    const bool byMouse = HasActivationArgument(commandLine);
    if (!byMouse && !Option(gSettings, kOptSecondStartActivates)) return 0;
    HWND panel = FindWindowA(kPanelClassName, kPanelTitle);
    if (!panel) return 0;
    HWND foreground = GetForegroundWindow();
    ForceForeground(panel);
    SendMessageA(panel, WM_PANEL_ACTIVATE, byMouse ? 1 : 0, reinterpret_cast<LPARAM>(foreground));
    return 1;
}

void BindUser32() {
    if (HMODULE user32 = LoadSystemLibrary("user32.dll")) {
        gShell.setLayeredWindowAttributes = reinterpret_cast<SetLayeredWindowAttributesFn>(
            reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
        if (gShell.setLayeredWindowAttributes)
            gShell.layeredUser32 = user32;
        else
            FreeLibrary(user32);
    }
    HMODULE lookup = gShell.layeredUser32;
    if (!lookup) lookup = gShell.inputUser32 = LoadSystemLibrary("user32.dll");
    if (lookup)
        gShell.sendInput = reinterpret_cast<SendInputFn>(reinterpret_cast<void*>(GetProcAddress(lookup, "SendInput")));
    if (!gShell.sendInput && gShell.inputUser32) {
        FreeLibrary(gShell.inputUser32);
        gShell.inputUser32 = nullptr;
    }
}

void UnbindUser32() {
    if (gShell.layeredUser32)
        FreeLibrary(gShell.layeredUser32);
    else if (gShell.inputUser32)
        FreeLibrary(gShell.inputUser32);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    // Only the system folder supplies the libraries bound by name.
    SetDllDirectoryA("");

    LocateSettings();
    LoadSettings(gSettings, gView.currentIndex);

    HANDLE mutex = CreateMutexA(nullptr, TRUE, kInstanceMutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        const int code = HandOver(commandLine);
        if (mutex) CloseHandle(mutex);
        return code;
    }

    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&icc);
    CoInitialize(nullptr);
    gShell.instance = instance;

    BindUser32();
    gSettings.mmxAvailable = DetectMmx();

    if (!CreatePanelWindow(instance)) {
        ShowErrorString(nullptr, IDS_CREATE_WINDOW_FAILED);
        return 0;
    }

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }

    UnbindUser32();
    if (mutex) CloseHandle(mutex);
    CoUninitialize();
    return static_cast<int>(msg.wParam);
}
