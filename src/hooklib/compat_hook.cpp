#include "hooklib/compat_hook.h"

#include <commctrl.h>
#include <shellapi.h>

#include "activation/core/click_tracker.h"
#include "activation/core/mouse_gesture.h"
#include "activation/desktop_windows.h"
#include "base/files.h"
#include "base/system_library.h"

volatile CompatHookShared gCompatShared
    __attribute__((section(".shareda"), shared)) = {nullptr, nullptr, nullptr, nullptr, 0};
volatile SideButtonShared gCompatSideButtons __attribute__((section(".shareda"), shared)) = {0, 0, 0, 0, 0, 0, {0}};

namespace {

// Per process: a double-click counts only when both clicks arrive here.
ClickTracker gTracker;

// Bounds every wait on another program's window while firing.
constexpr UINT kAskTimeoutMs = 200;

bool IsTaskbar(HWND window) {
    HWND taskbar = gCompatShared.taskbar;
    return taskbar && GetTopLevelWindow(window) == taskbar;
}

bool OwnedByThisProcess(HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == GetCurrentProcessId();
}

// Mode 4. Inside the desktop's own process the icon list answers directly.
// Elsewhere (a hook of the other bitness runs in the panel's own thread) a
// record on this stack means nothing to the list's process, which would read
// and write its own memory at that address: the record goes into its memory.
bool OnDesktopEmptySpace(HWND window, POINT pt) {
    if (!IsDesktopWindow(window)) return false;
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "SysListView32") != 0) return true;
    POINT client = pt;
    ScreenToClient(window, &client);
    if (!OwnedByThisProcess(window)) return RemoteListViewPointIsEmpty(window, client);
    LVHITTESTINFO hit{};
    hit.pt = client;
    SendMessageA(window, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    return (hit.flags & LVHT_NOWHERE) != 0;
}

void CloseStartMenu() {
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (!taskbar) return;
    HWND button = GetWindow(taskbar, GW_CHILD);
    if (!button) return;
    DWORD_PTR state = 0;
    if (!SendMessageTimeoutA(button, BM_GETSTATE, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kAskTimeoutMs, &state)) return;
    if (state & BST_PUSHED) PostMessageA(taskbar, WM_KEYDOWN, VK_MENU, 0);
}

}  // namespace

bool CompatHookRecognises(UINT message, const MOUSEHOOKSTRUCT& event) {
    const int mode = gCompatShared.mode;
    switch (ClassifyMouseEvent(mode, message, HookVariant::kCompatibility)) {
        case GestureTest::kNone:
            return false;
        case GestureTest::kMatch:
            return true;
        case GestureTest::kTrackPress:
            return TrackPress(gTracker, event.pt.x, event.pt.y, GetTickCount(), GetDoubleClickTime());
        case GestureTest::kTrackRelease:
            TrackRelease(gTracker, event.pt.x, event.pt.y);
            return false;
        case GestureTest::kLeftButtonHeld:
            return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
        case GestureTest::kDesktop:
            return IsDesktopWindow(event.hwnd);
        case GestureTest::kDesktopEmptySpace:
            return OnDesktopEmptySpace(event.hwnd, event.pt);
        case GestureTest::kTaskbar:
            return IsTaskbar(event.hwnd);
        case GestureTest::kDesktopUnderPoint:
            return IsDesktopWindow(WindowFromPoint(event.pt));
        case GestureTest::kTaskbarUnderPoint:
            return IsTaskbar(WindowFromPoint(event.pt));
    }
    return false;
}

void FireActivation() {
    HWND menu = FindWindowA("#32768", nullptr);
    if (menu && IsWindowVisible(menu)) PostMessageA(menu, WM_KEYDOWN, VK_MENU, 0);
    CloseStartMenu();

    char program[MAX_PATH];
    if (!GetWindowProcessPath(gCompatShared.panel, program, sizeof program)) return;
    char folder[MAX_PATH];
    DirectoryOf(program, folder, sizeof folder);
    // Bound by name: most processes the hook runs in never fire, and shell32
    // is no import of a library that is mapped into all of them. Once loaded
    // it stays, since the start it made may still be using it.
    HMODULE shell = GetModuleHandleA("shell32.dll");
    if (!shell) shell = LoadSystemLibrary("shell32.dll");
    if (!shell) return;
    using ShellExecuteExFn = BOOL(WINAPI*)(SHELLEXECUTEINFOA*);
    auto shellExecute =
        reinterpret_cast<ShellExecuteExFn>(reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteExA")));
    if (!shellExecute) return;
    SHELLEXECUTEINFOA execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_FLAG_NO_UI;
    execute.lpFile = program;
    execute.lpParameters = "/h";
    execute.lpDirectory = folder;
    execute.nShow = SW_SHOWNORMAL;
    shellExecute(&execute);
}

void ResetCompatClickTracker() { gTracker = ClickTracker{}; }

LRESULT CALLBACK CompatHookProc(int code, WPARAM message, LPARAM event) {
    if (code == HC_ACTION && event) {
        const auto& mouse = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(event);
        switch (JudgeSideButton(gCompatSideButtons, static_cast<UINT>(message), mouse, gCompatShared.panel)) {
            case SideButtonStep::kFireAndTake:
                FireActivation();
                [[fallthrough]];
            case SideButtonStep::kTake:
                // Kept from the window, so its program does not go Back or
                // Forward as well; the hooks after ours still see it.
                CallNextHookEx(gCompatShared.hook, code, message, event);
                return 1;
            case SideButtonStep::kFireAndPass:
                FireActivation();
                return CallNextHookEx(gCompatShared.hook, code, message, event);
            case SideButtonStep::kPassOn:
                break;
        }
        if (mouse.hwnd != gCompatShared.panel && CompatHookRecognises(static_cast<UINT>(message), mouse)) {
            FireActivation();
            // The chord of both buttons is not handed to further hooks.
            if (gCompatShared.mode == 1) return 0;
        }
    }
    return CallNextHookEx(gCompatShared.hook, code, message, event);
}
