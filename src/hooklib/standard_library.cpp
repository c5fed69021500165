// Korvane.dll: the standard hook library. Every mouse event it sees is
// posted to the panel window as a mouse request, and the panel program judges
// the gestures. Posting never waits for the panel, so a busy or hung panel
// cannot slow the program the event belongs to. The one thing it decides on
// the spot is whether a side button's click belongs to the panel, since only
// the hook can keep it from the program under the pointer.
#include "hooklib/hook_exports.h"
#include "hooklib/side_button_filter.h"
#include "base/panel_ids.h"

namespace {

struct StandardHookShared {
    HHOOK hook;
    HWND panel;
    LONG mode;  // kept for callers of Hook_SetState; the panel judges the gestures
};

volatile StandardHookShared gShared __attribute__((section(".shareda"), shared)) = {nullptr, nullptr, 0};
volatile SideButtonShared gSideButtons __attribute__((section(".shareda"), shared)) = {0, 0, 0, 0, 0, 0, {0}};

HINSTANCE gThisModule;

LRESULT CALLBACK ForwardingHookProc(int code, WPARAM message, LPARAM event) {
    if (code == HC_ACTION && event) {
        const auto& mouse = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(event);
        HWND panel = gShared.panel;
        if (panel)
            PostMessageA(panel, WM_PANEL_MOUSEREQUEST, SideButtonRequestCode(static_cast<UINT>(message), mouse),
                         reinterpret_cast<LPARAM>(mouse.hwnd));
        // The panel judges the click it was sent; the hook only keeps it
        // from the program under the pointer, which would go Back or Forward.
        const SideButtonStep step = JudgeSideButton(gSideButtons, static_cast<UINT>(message), mouse, panel);
        if (step == SideButtonStep::kFireAndTake || step == SideButtonStep::kTake) {
            CallNextHookEx(gShared.hook, code, message, event);
            return 1;
        }
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

UINT WINAPI Hook_SetSideButtons(int mode, UINT modifiers, const char* blockedPaths, UINT size) {
    return StoreSideButtons(gSideButtons, mode, modifiers, blockedPaths, size);
}
