#pragma once
// Window and process queries that the panel program and the compatibility
// hook library share: the desktop's icon list and shell view, the taskbar, a
// window's topmost ancestor, and the executable behind a window. They keep no
// state, so the hook library can call them from any process's input thread,
// and a restarted shell is found at once. The panel program also closes the
// shell's open menus through them before it takes the foreground.
#include <windows.h>

#include "base/system_functions.h"

// The desktop's icon list ("SysListView32" in a "SHELLDLL_DefView"), looked
// for under "Progman" first and then under any top-level window.
HWND FindDesktopListView();
// The "SHELLDLL_DefView" child of "Progman" only.
HWND FindDesktopShellView();
// The icon list itself, or any window below the shell view under "Progman"
// (not the shell view).
bool IsDesktopWindow(HWND window);
// The top-level "Shell_TrayWnd" with an empty title.
HWND FindTaskbarWindow();
// The last window of the GetParent chain (owners included); the window itself
// when it has none.
HWND GetTopLevelWindow(HWND window);
// The full path of the executable of the process that owns window, into a
// buffer of size characters; in its short form when the code page cannot
// hold the long one (see CodePagePath). 1 on success, 0 when the window's
// process can't be queried (then the buffer holds an empty string).
int GetWindowProcessPath(HWND window, char* buffer, DWORD size);
// A path in the ANSI code page: the path itself when the code page holds it
// and it fits, else its short (8.3) form, which names the same file in plain
// letters. (The ANSI functions would put "?" for the missing characters,
// which names no file and matches no entry of the blocked list.) False when
// neither fits or the file has no short form.
bool CodePagePath(const wchar_t* path, char* out, DWORD size);
// The system belongs to the NT family.
bool IsNtPlatform();

// Closes a visible pop-up menu and the taskbar's start menu; the start menu
// by an Alt release, sent through sendInput when the system has it (else
// keybd_event).
void CloseOpenMenus(SendInputFn sendInput);

// The modifier keys held now (kModifierShift, kModifierCtrl, kModifierAlt),
// as the mouse gestures that need them read them.
unsigned HeldModifiers();

// Hit-tests a client point of a list view that belongs to another process,
// with the hit-test record placed in that process's memory. True when the
// point lies on no item, or when the system offers no way to ask; false when
// it lies on an item or the asking fails.
bool RemoteListViewPointIsEmpty(HWND listView, POINT client);
