// Korvane1x.dll: the compatibility hook library's entry and exports.
#include "hooklib/compat_hook.h"
#include "hooklib/hook_exports.h"
#include "activation/desktop_windows.h"

namespace {
// This process's own mapping of the library. The shared record keeps the
// latest attach's handle, which is another process's address when the
// library was mapped elsewhere there, so the hook is installed with this one.
HINSTANCE gThisModule;
}  // namespace

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        gThisModule = module;
        gCompatShared.module = module;
        DisableThreadLibraryCalls(module);
    }
    return TRUE;
}

UINT WINAPI Hook_Initialize(HWND panel) {
    if (!panel) return 0;
    gCompatShared.panel = panel;
    HHOOK hook = SetWindowsHookExA(WH_MOUSE, CompatHookProc, gThisModule, 0);
    gCompatShared.hook = hook;
    if (!hook) return 0;
    gCompatShared.taskbar = FindTaskbarWindow();
    return 1;
}

BOOL WINAPI Hook_Destroy() {
    const BOOL result = UnhookWindowsHookEx(gCompatShared.hook);
    gCompatShared.hook = nullptr;
    return result;
}

int WINAPI Hook_SetState(int mode) {
    const int previous = gCompatShared.mode;
    gCompatShared.mode = mode;
    return previous;
}

UINT WINAPI Hook_SetSideButtons(int mode, UINT modifiers, const char* blockedPaths, UINT size) {
    return StoreSideButtons(gCompatSideButtons, mode, modifiers, blockedPaths, size);
}
