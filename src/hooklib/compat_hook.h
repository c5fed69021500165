#pragma once
// The compatibility hook: recognises the selected gesture inside whichever
// process the mouse event arrives in, and then starts the panel program with
// "/h". Its procedure runs on the input thread of every process on the
// desktop, so it allocates nothing, takes no lock, waits for nothing and
// passes every event on.
#include <windows.h>

#include "hooklib/side_button_filter.h"

// Shared by every process that maps the library; written only by the panel
// program through the exports (and the module handle by each attach), read
// by the hook procedure. Each field is one aligned word.
struct CompatHookShared {
    HHOOK hook;
    HINSTANCE module;
    HWND panel;
    HWND taskbar;  // looked up once, when the hook is installed
    LONG mode;
};

extern volatile CompatHookShared gCompatShared;
extern volatile SideButtonShared gCompatSideButtons;

LRESULT CALLBACK CompatHookProc(int code, WPARAM message, LPARAM event);

// Whether the event makes up the selected gesture (the side buttons' clicks
// are judged by JudgeSideButton, which also keeps them from their program). Updates this process's
// click tracker; fires nothing.
bool CompatHookRecognises(UINT message, const MOUSEHOOKSTRUCT& event);

// Closes an open popup menu and the start menu, then starts the program that
// owns the panel window with "/h".
void FireActivation();

// Forgets this process's half-made double-click (tests start from a clean slate).
void ResetCompatClickTracker();
