// Program entry: settings, the single-instance hand-over, run-time binding of
// the optional system functions, and the hidden panel window's message loop.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdio>

#include "base/core/text.h"
#include "base/files.h"
#include "base/handles.h"
#include "base/panel_ids.h"
#include "base/program_windows.h"
#include "base/settings_store.h"
#include "base/system_functions.h"
#include "base/window_helpers.h"
#include "resources/resource.h"
#include "shell/core/command_line.h"
#include "shell/core/cpu.h"
#include "shell/panel_window.h"
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

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    // Only the system folder supplies the libraries bound by name.
    SetDllDirectoryA("");

    LocateSettings();
    const OwnedKernelHandle mutex(CreateMutexA(nullptr, TRUE, kInstanceMutexName));
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // A second start hands its request over and ends: it needs option
        // flag 13 and nothing else of the settings, and reading every key
        // would cost it more than all the rest of its work.
        LoadOptionFlags(gSettings);
        return HandOver(commandLine);
    }
    LoadSettings(gSettings, gView.currentIndex);

    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&icc);
    CoInitialize(nullptr);
    gWindows.instance = instance;

    BindSystemFunctions();
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

    UnbindSystemFunctions();
    CoUninitialize();
    return static_cast<int>(msg.wParam);
}
