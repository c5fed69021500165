#pragma once
// The panel program's side of mouse activation: loading the hook library
// from the program folder, judging the mouse requests that the standard
// library forwards, and pressing the activation key when one matches.
#include <windows.h>

#include <cstdint>

#include "activation/core/click_tracker.h"

constexpr char kStandardHookFile[] = "Korvane.dll";
constexpr char kCompatibilityHookFile[] = "Korvane1x.dll";

using HookInitializeFn = UINT(WINAPI*)(HWND panel);
using HookDestroyFn = BOOL(WINAPI*)();
using HookSetStateFn = int(WINAPI*)(int mode);
using HookSetSideButtonsFn = UINT(WINAPI*)(int mode, UINT modifiers, const char* blockedPaths, UINT size);

// The loaded hook library; all empty while none is loaded.
struct HookBinding {
    HMODULE library = nullptr;
    HookInitializeFn initialize = nullptr;
    HookDestroyFn destroy = nullptr;
    HookSetStateFn setState = nullptr;              // bound for the compatibility library only
    HookSetSideButtonsFn setSideButtons = nullptr;  // bound when the library has it
    HWND taskbar = nullptr;                         // recorded at load; the taskbar gestures compare with it
    ClickTracker tracker{};                         // double-clicks from two forwarded presses
};

extern HookBinding gHook;

// Loads "Korvane1x.dll" (kOptCompatHook) or "Korvane.dll" from the program
// folder and initialises it for panel. Nonzero on success. Fails, changing
// nothing, while a library is loaded, and when the program folder is not a
// full path. Shows the messages for a missing file and a mismatched version;
// the caller shows the general failure message.
UINT LoadHookLibrary(HWND panel);
void UnloadHookLibrary();

// Window creation: loads the library when mouse activation is on
// (kOptMouseActivation), then tells the compatibility library the mouse mode.
void StartMouseActivation(HWND panel);
// The options were applied: reloads the library when the choice of library
// changed, loads or unloads it as mouse activation is now on or off, and
// passes the (new) mouse mode on.
void RestartMouseActivation(HWND panel, bool libraryChoiceChanged);

// Tells the library which side button's click calls the panel, with the
// modifiers it needs and the blocked applications, so that its hook keeps
// that click from the program under the pointer. Runs after the library is
// loaded or the options change, and after the blocked list is read again.
void PassSideButtons();

// The file's version packed as major << 16 | (minor * 10 + third); 0 when the
// file has no readable version resource.
uint32_t GetPackedFileVersion(const char* path);
