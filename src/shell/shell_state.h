#pragma once
// The application shell's single record: window handles, the markers other
// parts read, and the optional system functions bound at run time.
#include <windows.h>

#include "base/panel_ids.h"
#include "base/settings_store.h"
#include "base/system_library.h"
#include "shell/visual_styles.h"

constexpr int kHotkeyUser = 0;
constexpr int kHotkeyActivation = 1;
constexpr UINT kActivationKey = 0x8F;
constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT_PTR kFadeTimer = 2;

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
using SendInputFn = UINT(WINAPI*)(UINT, LPINPUT, int);

struct ShellState {
    HINSTANCE instance = nullptr;
    HWND panel = nullptr;
    HWND closeButton = nullptr;
    HWND tooltip = nullptr;
    UINT taskbarCreatedMessage = 0;

    DWORD fadeStart = 0;  // tick count of the running fade-in, 0 when none
    int fadeRunning = 0;
    int shownByMouse = 0;  // which stored position a move updates
    int active = 0;        // last WM_ACTIVATE state
    int modalOpen = 0;     // a modal dialog owns activation requests
    HWND modalDialog = nullptr;
    int panelBusy = 0;       // menu loop or sizing drag in progress
    int clickActivated = 0;  // last activation came from a mouse click

    HMODULE layeredUser32 = nullptr;  // kept while SetLayeredWindowAttributes is bound
    HMODULE inputUser32 = nullptr;    // kept when SendInput needed its own load
    SetLayeredWindowAttributesFn setLayeredWindowAttributes = nullptr;
    SendInputFn sendInput = nullptr;

    VisualStyles visualStyles;
};

extern ShellState gShell;

inline bool IsFading() { return gShell.fadeStart != 0; }
inline bool LayeredAvailable() { return gShell.setLayeredWindowAttributes != nullptr; }

// Brings window to the foreground even when another process has it, by
// lifting the foreground lock time-out for the call.
void ForceForeground(HWND window);
// Message box with the caption "Tovel panel" and the error icon, with string
// table text id (up to 255 characters) or a given text.
void ShowErrorString(HWND owner, UINT id);
void ShowErrorText(HWND owner, const char* text);
