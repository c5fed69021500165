#include "shell/panel_window.h"

#include <windowsx.h>

#include "activation/blocked_apps.h"
#include "activation/hook_binding.h"
#include "activation/mouse_request.h"
#include "resources/resource.h"
#include "shell/settings_store.h"
#include "shell/shell_state.h"
#include "view/panel_visibility.h"
#include "view/view_state.h"

namespace {

bool PanelVisible(HWND window) { return IsWindowVisible(window) != 0; }

// While a dialog of ours is open, activation requests bring it forward instead.
bool ForwardToModalDialog() {
    if (!gShell.modalOpen) return false;
    ForceForeground(gShell.modalDialog);
    return true;
}

HCURSOR HandCursor() {
    static HCURSOR hand = nullptr;
    if (hand) return hand;
    hand = LoadCursorA(nullptr, IDC_HAND);
    if (!hand) {
        // Systems without IDC_HAND: the help viewer's hand, copied.
        char path[MAX_PATH];
        const UINT n = GetWindowsDirectoryA(path, MAX_PATH - 16);
        if (n && n < MAX_PATH - 16) {
            lstrcatA(path, "\\winhlp32.exe");
            if (HMODULE help = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
                if (HCURSOR c = LoadCursorA(help, MAKEINTRESOURCEA(106)))
                    hand = static_cast<HCURSOR>(CopyImage(c, IMAGE_CURSOR, 0, 0, 0));
                FreeLibrary(help);
            }
        }
    }
    return hand;
}

// ---- Messages the shell itself owns ----

LRESULT OnCreate(HWND window) {
    gShell.taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    LoadVisualStyles();
    gShell.panel = window;
    StartMouseActivation(window);
    LoadBlockedList();
    RegisterHotKey(window, kHotkeyActivation, 0, kActivationKey);
    return 0;
}

void OnClose(HWND window) {
    SaveSettings(gSettings, gView.currentIndex);
    if (Option(gSettings, 12)) UnregisterHotKey(window, kHotkeyUser);
    UnregisterHotKey(window, kHotkeyActivation);
    FreeBlockedList();
    FreeVisualStyles();
    DestroyWindow(window);
}

void OnDestroy() {
    UnloadHookLibrary();
    gShell.panel = nullptr;
    PostQuitMessage(0);
}

void OnPaint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    const RECT& r = ps.rcPaint;
    if (gView.backBuffer)
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, gView.backBuffer, r.left, r.top, SRCCOPY);
    else
        FillRect(dc, &r, GetSysColorBrush(COLOR_MENU));
    EndPaint(window, &ps);
}

bool OnSetCursor(HWND window, UINT hitTest) {
    if (!Option(gSettings, 31) || hitTest != HTCLIENT) return false;
    POINT pt;
    GetCursorPos(&pt);
    RECT area = gView.clickArea, wr;
    GetWindowRect(window, &wr);
    OffsetRect(&area, wr.left, wr.top);
    if (!PtInRect(&area, pt)) return false;
    if (HCURSOR hand = HandCursor()) SetCursor(hand);
    return true;
}

void OnActivateRequest(HWND window, WPARAM byMouse, LPARAM target) {
    if (IsFading() || ForwardToModalDialog()) return;
    if (PanelVisible(window))
        HidePanel(window, target);
    else
        ShowPanel(window, reinterpret_cast<HWND>(target), byMouse != 0);
}

void OnHotkey(HWND window, LPARAM lParam) {
    if (IsFading() || ForwardToModalDialog()) return;
    const bool activationKey = HIWORD(lParam) == kActivationKey;
    if (PanelVisible(window))
        HidePanel(window, activationKey ? -1 : 0);
    else
        ShowPanel(window, activationKey ? reinterpret_cast<HWND>(-1) : nullptr, activationKey);
}

void OnCommand(HWND window, WORD id) {
    switch (id) {
        case IDM_EXIT:
            SendMessageA(window, WM_CLOSE, 0, 0);
            break;
        case IDM_SHOW_PANEL:
            ShowPanel(window, nullptr, false);
            break;
        case IDC_CLOSE_BUTTON:
            if (Option(gSettings, 8)) {
                if (Option(gSettings, 47))
                    SendMessageA(window, WM_CLOSE, 0, 0);
                else
                    ShowWindow(window, SW_HIDE);
            } else {
                HidePanel(window, 0);
            }
            break;
        default:
            break;
    }
}

void OnTrayNotify(HWND window, LPARAM event) {
    if (event != WM_LBUTTONDBLCLK) return;
    if (IsFading() || ForwardToModalDialog()) return;
    ShowPanel(window, nullptr, false);
}

}  // namespace

LRESULT CALLBACK PanelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(window);
        case WM_CLOSE:
            OnClose(window);
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_ENDSESSION:
            SaveSettings(gSettings, gView.currentIndex);
            return 0;
        case WM_ACTIVATE:
            gShell.active = LOWORD(wParam);
            break;
        case WM_PAINT:
            OnPaint(window);
            return 0;
        case WM_SETCURSOR:
            if (OnSetCursor(window, LOWORD(lParam))) return 0;
            break;
        case WM_SYSCOMMAND:
            // The panel ends only through WM_CLOSE; Alt+F4 on it does nothing.
            if ((wParam & 0xFFF0) == SC_CLOSE && PanelVisible(window)) return 0;
            break;
        case WM_COMMAND:
            OnCommand(window, LOWORD(wParam));
            return 0;
        case WM_HOTKEY:
            OnHotkey(window, lParam);
            return 0;
        case WM_ENTERMENULOOP:
            gShell.panelBusy = 1;
            return 0;
        case WM_EXITMENULOOP:
            gShell.panelBusy = 0;
            return 0;
        case WM_RBUTTONUP:
            if (!IsFading()) HidePanel(window, 0);
            return 0;
        case WM_PANEL_NOTIFYICON:
            OnTrayNotify(window, lParam);
            return 0;
        case WM_PANEL_ACTIVATE:
            OnActivateRequest(window, wParam, lParam);
            return 0;
        case WM_PANEL_MOUSEREQUEST:
            if (!IsFading()) HandleMouseRequest(window, static_cast<UINT>(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreatePanelWindow(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = PanelWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_KORVANE));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_MENU + 1));
    wc.lpszClassName = kPanelClassName;
    if (!RegisterClassA(&wc)) return nullptr;

    DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    if (LayeredAvailable()) exStyle |= WS_EX_LAYERED;
    HWND window = CreateWindowExA(exStyle, kPanelClassName, kPanelTitle, WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                  gSettings.left, gSettings.top, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                  instance, nullptr);
    if (window) UpdateWindow(window);
    return window;
}
