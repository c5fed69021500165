#include "shell/panel_window.h"

#include <windowsx.h>
#include <commctrl.h>

#include "activation/blocked_apps.h"
#include "activation/core/activation_key.h"
#include "activation/ctrl_double_tap.h"
#include "activation/hook_binding.h"
#include "activation/mouse_request.h"
#include "base/core/text.h"
#include "base/files.h"
#include "base/panel_ids.h"
#include "base/program_windows.h"
#include "base/settings_store.h"
#include "base/system_functions.h"
#include "base/visual_styles.h"
#include "base/window_helpers.h"
#include "items/item_model.h"
#include "items/reorder_dialog.h"
#include "keys/hotkeys.h"
#include "options/about_box.h"
#include "resources/resource.h"
#include "shell/apply_settings.h"
#include "shell/popup_menu.h"
#include "shell/tray_icon.h"
#include "skin/skin_info.h"
#include "skin/skin_list.h"
#include "view/close_button.h"
#include "view/fade.h"
#include "view/panel_draw.h"
#include "view/panel_drop_target.h"
#include "view/panel_layout.h"
#include "view/panel_rebuild.h"
#include "view/panel_visibility.h"
#include "view/row_tooltip.h"
#include "view/selection.h"
#include "view/view_state.h"

namespace {

// "TaskbarCreated": the shell restarted and lost its icons.
UINT gTaskbarCreatedMessage = 0;

bool PanelVisible(HWND window) { return IsWindowVisible(window) != 0; }

// While a dialog of ours is open, activation requests bring it forward instead.
bool ForwardToModalDialog() {
    if (!gMarkers.modalOpen) return false;
    ForceForeground(gMarkers.modalDialog);
    return true;
}

// A close requested while one of our dialogs was open ends the program once
// that dialog has gone.
void CloseIfRequested(HWND window) {
    if (!gMarkers.closePending) return;
    gMarkers.closePending = 0;
    PostMessageA(window, WM_CLOSE, 0, 0);
}

void RunOptions(HWND window) {
    if (ForwardToModalDialog()) return;
    RunOptionsSheet(window);
    CloseIfRequested(window);
}

void RunAbout(HWND window) {
    if (ForwardToModalDialog()) return;
    RunAboutBox(IsWindowVisible(window) ? window : nullptr);
    CloseIfRequested(window);
}

void OnMouseMove(HWND window, POINT client) {
    if (IsFading() || gMarkers.modalOpen || !Option(gSettings, kOptCursorFollowsMouse) || !gItems.head) return;
    FollowMouse(window, client);
}

// ---- Messages the shell itself owns ----

LRESULT OnCreate(HWND window) {
    BeginBuilding();
    gTaskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    LoadVisualStyles();
    gWindows.panel = window;
    StartMouseActivation(window);
    BuildItems(window);
    if (Option(gSettings, kOptHotkey)) RegisterPanelHotkey(window, kHotkeyUser, gSettings.hotkey);
    RegisterHotKey(window, kHotkeyActivation, 0, kActivationKeyCode);
    WatchCtrlDoubleTap(window, Option(gSettings, kOptDoubleTapCtrl));
    EnablePanelDrop(window, Option(gSettings, kOptDropToAdd));
    if (LayeredAvailable() && Option(gSettings, kOptTransparency)) ApplyTransparency(window, gMarkers.active != 0);
    LoadMenuImages();
    AddTrayIcon(window);
    gPanel.rowTooltip = CreateTooltip(window);
    AddRowTool(window, gPanel.rowTooltip);
    RedrawPanel(window);
    EndBuilding(window);
    if (Option(gSettings, kOptAlwaysShown)) {
        // Always shown: in front of other windows only when asked to be.
        if (!Option(gSettings, kOptAlwaysOnTop))
            SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ShowPanel(window, nullptr, false);
    }
    // First start: the user chooses the folders before the panel is ever shown.
    if (!PathExists(gSettings.settingsFile)) RunOptions(window);
    return 0;
}

void OnClose(HWND window) {
    // The window cannot go while a dialog of ours runs its loop on top of it:
    // the dialog is cancelled first, and the close follows when it is gone.
    if (gMarkers.modalOpen) {
        gMarkers.closePending = 1;
        if (gMarkers.modalDialog) PostMessageA(gMarkers.modalDialog, WM_CLOSE, 0, 0);
        return;
    }
    SaveSettings(gSettings, gView.currentIndex);
    if (Option(gSettings, kOptHotkey)) UnregisterHotKey(window, kHotkeyUser);
    UnregisterHotKey(window, kHotkeyActivation);
    WatchCtrlDoubleTap(window, false);
    ReleaseItems();
    RemoveTrayIcon(window);
    FreeMenuImages();
    FreeVisualStyles();
    DestroyWindow(window);
}

void OnDestroy(HWND window) {
    EndPanelDrop(window);
    UnloadHookLibrary();
    gWindows.panel = nullptr;
    PostQuitMessage(0);
}

void OnPaint(HWND window) {
    const PaintScope paint(window);
    const RECT& r = paint.Invalid();
    if (gView.backBuffer)
        BitBlt(paint.Dc(), r.left, r.top, r.right - r.left, r.bottom - r.top, gView.backBuffer, r.left, r.top, SRCCOPY);
    else
        FillRect(paint.Dc(), &r, GetSysColorBrush(COLOR_MENU));
}

bool OnSetCursor(HWND window, UINT hitTest) {
    if (!Option(gSettings, kOptHandCursor) || hitTest != HTCLIENT) return false;
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
    const bool activationKey = HIWORD(lParam) == kActivationKeyCode;
    if (PanelVisible(window))
        HidePanel(window, activationKey ? -1 : 0);
    else
        ShowPanel(window, activationKey ? reinterpret_cast<HWND>(-1) : nullptr, activationKey);
}

// A skin chosen in the menu (an empty name: the standard look) starts with the
// skin's own panel size.
void ChooseSkin(HWND window, const char* name) {
    gSettings.savedItemCount = 0;
    gSettings.savedPanelWidth = 0;
    CopyText(gSettings.skinName, name);
    ReleaseItems();
    BuildItems(window);
    RedrawPanel(window);
}

// The dialog works on the item records; after a change the content is
// rebuilt from the files it wrote. Unchanged, the list has still lost its
// open folder's rows, so the panel is drawn again.
void OnReorder(HWND window) {
    if (RunReorderDialog(PanelVisible(window) ? window : nullptr)) {
        ReleaseItems();
        BuildItems(window);
    }
    RedrawPanel(window);
}

void OnCommand(HWND window, WORD id) {
    switch (id) {
        case IDM_OPTIONS:
            RunOptions(window);
            break;
        case IDM_ABOUT:
            RunAbout(window);
            break;
        case IDM_EXIT:
            SendMessageA(window, WM_CLOSE, 0, 0);
            break;
        case IDM_REFRESH:
            RefreshPanel(window);
            break;
        case IDM_SHOW_PANEL:
            ShowPanel(window, nullptr, false);
            break;
        case IDM_SKIN_NONE:
            ChooseSkin(window, "");
            break;
        case IDM_REORDER:
            OnReorder(window);
            break;
        case IDC_CLOSE_BUTTON:
            if (Option(gSettings, kOptAlwaysShown)) {
                if (Option(gSettings, kOptExitOnHide))
                    SendMessageA(window, WM_CLOSE, 0, 0);
                else
                    ShowWindow(window, SW_HIDE);
            } else {
                HidePanel(window, 0);
            }
            break;
        default:
            if (id >= IDM_SKIN_FIRST && id <= IDM_SKIN_LAST) {
                // The entry is copied first: the rebuild frees the skin list.
                if (const SkinEntry* skin = SkinAt(id - IDM_SKIN_FIRST)) {
                    char name[kPathSize];
                    CopyText(name, skin->name);
                    ChooseSkin(window, name);
                }
            }
            break;
    }
}

// False for the icon's other mouse messages, which go on to the default handling.
bool OnTrayNotify(HWND window, LPARAM event) {
    if (event != WM_LBUTTONDBLCLK && event != WM_RBUTTONUP) return false;
    if (IsFading() || ForwardToModalDialog()) return true;
    if (event == WM_LBUTTONDBLCLK)
        ShowPanel(window, nullptr, false);
    else
        ShowPopupMenu(window);
    return true;
}

// ---- The panel view's messages ----

// False for the draw actions we leave to the default handling (focus changes).
bool OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (!(item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) return false;
    if (item.CtlType == ODT_MENU)
        DrawMenuItem(&item);
    else if (item.CtlID == IDC_CLOSE_BUTTON)
        DrawCloseButton(item);
    return true;
}

// The row tooltip asks for the current item's full name.
void OnNotify(const NMHDR& header) {
    if (header.code != TTN_NEEDTEXTA) return;
    static char empty[1] = "";
    auto& info = reinterpret_cast<NMTTDISPINFOA&>(const_cast<NMHDR&>(header));
    PanelItem* item = ItemAt(gItems.head, gView.currentIndex);
    info.lpszText = item ? item->name : empty;
}

// The standard looks follow the system's frame and caption sizes.
void OnSettingChange(HWND window, WPARAM what) {
    if (what != SPI_SETNONCLIENTMETRICS || (gSkin.kind != kSkinClassic && gSkin.kind != kSkinThemed)) return;
    if (gMarkers.skinLent) {
        gMarkers.relayoutPending = 1;  // done once the options sheet is closed
        return;
    }
    ReleasePanelLayout(window);
    LayoutPanel(window, gSettings.skinName);
    RedrawPanel(window);
}

// A request to show or hide the panel (or open its menu), which can wait
// for the panel to be complete.
bool IsHeldRequest(UINT message, LPARAM lParam) {
    return message == WM_PANEL_ACTIVATE || message == WM_HOTKEY ||
           (message == WM_PANEL_NOTIFYICON && (lParam == WM_LBUTTONDBLCLK || lParam == WM_RBUTTONUP));
}

// Input and everything else that acts on the panel's content: dropped while
// it is built (the timers come again).
bool IsDroppedWhileBuilding(UINT message) {
    switch (message) {
        case WM_PANEL_MOUSEREQUEST:
        case WM_PANEL_NOTIFYICON:
        case WM_PANEL_FILESDROPPED:
        case WM_COMMAND:
        case WM_TIMER:
        case WM_KEYDOWN:
        case WM_MOUSEWHEEL:
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_RBUTTONUP:
            return true;
        default:
            return false;
    }
}

}  // namespace

LRESULT CALLBACK PanelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (gMarkers.building > 0) {
        if (IsHeldRequest(message, lParam)) {
            gMarkers.heldRequest = MSG{window, message, wParam, lParam, 0, {}};
            return 0;
        }
        if (IsDroppedWhileBuilding(message)) return 0;
    }
    switch (message) {
        case WM_CREATE:
            return OnCreate(window);
        case WM_CLOSE:
            OnClose(window);
            return 0;
        case WM_DESTROY:
            OnDestroy(window);
            return 0;
        case WM_ENDSESSION:
            SaveSettings(gSettings, gView.currentIndex);
            return 0;
        case WM_ACTIVATE:
            if (!gFade.running && LayeredAvailable() && Option(gSettings, kOptTransparency))
                ApplyTransparency(window, LOWORD(wParam) != 0);
            OnActivate(window, wParam);
            // The default handling is what gives an activated window the
            // keyboard focus; without it the panel would get WM_SYSKEYDOWN.
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
        case WM_DRAWITEM:
            if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_NOTIFY:
            OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
            return 0;
        case WM_WININICHANGE:
            OnSettingChange(window, wParam);
            return 0;
        case WM_NCHITTEST:
            if (const int hit = HitTestBorder(window, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) return hit;
            break;
        case WM_NCLBUTTONDOWN:
            if (wParam == HTRIGHT || wParam == HTBOTTOM || wParam == HTBOTTOMRIGHT) BeginResize(window);
            break;
        case WM_SIZING:
            SizingRect(static_cast<int>(wParam), reinterpret_cast<RECT*>(lParam));
            return TRUE;
        case WM_EXITSIZEMOVE:
            EndResize(window);
            break;
        case WM_TIMER:
            if (wParam == kScrollTimer) OnScrollTimer(window);
            if (wParam == kFadeTimer) OnFadeTimer(window);
            if (wParam == kDropHoldTimer) OnDropHoldTimer(window);
            return 0;
        case WM_KEYDOWN:
            OnKey(window, static_cast<UINT>(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            OnWheel(window, GET_WHEEL_DELTA_WPARAM(wParam), GetAsyncKeyState(VK_SHIFT) < 0);
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(window, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONDOWN:
            OnLeftButtonDown(window, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            OnLaunchClick(window, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_COMMAND:
            OnCommand(window, LOWORD(wParam));
            return 0;
        case WM_HOTKEY:
            OnHotkey(window, lParam);
            return 0;
        case WM_ENTERMENULOOP:
            gMarkers.panelBusy = 1;
            return 0;
        case WM_EXITMENULOOP:
            gMarkers.panelBusy = 0;
            return 0;
        case WM_RBUTTONUP:
            if (!IsFading()) HidePanel(window, 0);
            return 0;
        case WM_PANEL_NOTIFYICON:
            if (OnTrayNotify(window, lParam)) return 0;
            break;
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (measure->CtlType == ODT_MENU) MeasureMenuItem(measure);
            return 0;
        }
        case WM_PANEL_ACTIVATE:
            // A second start has nothing to wait for once its request is
            // here: released now, it ends while the panel shows, instead of
            // holding a process (started for every gesture of the
            // compatibility library) through Wine's or Windows' show. It
            // made the panel the foreground window before sending, so the
            // panel keeps the right to take the foreground after it ends.
            ReplyMessage(0);
            OnActivateRequest(window, wParam, lParam);
            return 0;
        case WM_PANEL_FILESDROPPED:
            OnFilesDropped(window);
            return 0;
        case WM_PANEL_MOUSEREQUEST:
            if (!IsFading()) HandleMouseRequest(window, static_cast<UINT>(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        default:
            // The shell restarted: our icon went with the old taskbar.
            if (message == gTaskbarCreatedMessage && message != 0) AddTrayIcon(window);
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
