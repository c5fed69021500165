// Korvane.dll: the standard hook library. It judges nothing: every mouse
// event it sees is posted to the panel window as a mouse request, and the
// panel program decides. Posting never waits for the panel, so a busy or
// hung panel cannot slow the program the event belongs to.
#include "hooklib/hook_exports.h"
#include "base/panel_ids.h"

namespace {

struct StandardHookShared {
    HHOOK hook;
    HWND panel;
    LONG mode;  // kept for callers of Hook_SetState; the panel judges the gestures
};

volatile StandardHookShared gShared __attribute__((section(".shareda"), shared)) = {nullptr, nullptr, 0};

HINSTANCE gThisModule;

LRESULT CALLBACK ForwardingHookProc(int code, WPARAM message, LPARAM event) {
    if (code == HC_ACTION && event) {
        HWND panel = gShared.panel;
        if (panel)
            PostMessageA(panel, WM_PANEL_MOUSEREQUEST, message,
                         reinterpret_cast<LPARAM>(reinterpret_cast<const MOUSEHOOKSTRUCT*>(event)->hwnd));
    }
    return CallNextHookEx(gShared.hook, code, message, event);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        gThisModule = module;
        DisableThreadLibraryCalls(module);
    }
    return TRUE;
}

UINT WINAPI Hook_Initialize(HWND panel) {
    if (!panel) return 0;
    gShared.panel = panel;
    HHOOK hook = SetWindowsHookExA(WH_MOUSE, ForwardingHookProc, gThisModule, 0);
    gShared.hook = hook;
    return hook ? 1 : 0;
}

BOOL WINAPI Hook_Destroy() {
    const BOOL result = UnhookWindowsHookEx(gShared.hook);
    gShared.hook = nullptr;
    gShared.panel = nullptr;
    return result;
}

int WINAPI Hook_SetState(int mode) {
    const int previous = gShared.mode;
    gShared.mode = mode;
    return previous;
}
