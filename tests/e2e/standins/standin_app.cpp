// A stand-in for the other programs of a desktop session, run beside the
// panel by the end-to-end tests:
//   standin_app window X Y W H   a plain window that asks for double-clicks
//   standin_app desktop X Y W H  "Progman" / "SHELLDLL_DefView" / "SysListView32"
//                                with one icon at the list's top left
// Its windows count the mouse messages they receive (every one has passed the
// system's mouse hooks first); WM_APP + 1 answers the count, WM_APP + 2 that
// of side-button messages and commands. It ends on WM_CLOSE, or by itself
// after two minutes.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>

#include "shell_standins.h"

namespace {

constexpr UINT kAskMouseCount = WM_APP + 1;
constexpr UINT kAskSideButtonCount = WM_APP + 2;
LONG gMouseMessages = 0;
LONG gSideButtonMessages = 0;

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) ++gMouseMessages;
    if ((m >= WM_XBUTTONDOWN && m <= WM_XBUTTONDBLCLK) || m == WM_APPCOMMAND) ++gSideButtonMessages;
    switch (m) {
        case kAskMouseCount:
            return gMouseMessages;
        case kAskSideButtonCount:
            return gSideButtonMessages;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(w, m, wp, lp);
    }
}

LRESULT CALLBACK ChildProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

void Register(const char* name, WNDPROC proc, HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

void MakeDesktop(HINSTANCE instance, int x, int y, int w, int h) {
    Register("Progman", Proc, instance);
    Register("SHELLDLL_DefView", ChildProc, instance);
    HWND top = CreateWindowExA(0, "Progman", "Program Manager", WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr, nullptr,
                               instance, nullptr);
    HWND view =
        CreateWindowExA(0, "SHELLDLL_DefView", "", WS_CHILD | WS_VISIBLE, 0, 0, w, h, top, nullptr, instance, nullptr);
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "FolderView", WS_CHILD | WS_VISIBLE | LVS_ICON, 0, 0, w, h, view,
                                nullptr, instance, nullptr);
    AddStandinDesktopIcon(list);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    if (__argc < 6) return 2;
    const int x = std::atoi(__argv[2]), y = std::atoi(__argv[3]), w = std::atoi(__argv[4]), h = std::atoi(__argv[5]);
    if (std::strcmp(__argv[1], "desktop") == 0) {
        MakeDesktop(instance, x, y, w, h);
    } else {
        Register("KorvaneStandinApp", Proc, instance);
        CreateWindowExA(0, "KorvaneStandinApp", "standin", WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr, nullptr,
                        instance, nullptr);
    }
    return RunStandinLoop();
}
