// The bare program the cold-start and memory benchmarks compare with: a hidden
// window, a notification-area icon and a message loop, nothing else. WM_CLOSE
// removes the icon and ends it.
#include <windows.h>
#include <shellapi.h>

namespace {

constexpr char kClassName[] = "Korvane bare tray";
constexpr UINT kIconMessage = WM_APP + 1;

void Icon(HWND window, DWORD what) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 1;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kIconMessage;
    data.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    lstrcpynA(data.szTip, kClassName, sizeof data.szTip);
    Shell_NotifyIconA(what, &data);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            Icon(window, NIM_ADD);
            return 0;
        case WM_CLOSE:
            Icon(window, NIM_DELETE);
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc)) return 1;
    if (!CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, kClassName, WS_POPUP, 0, 0, 200, 270, nullptr, nullptr, instance,
                         nullptr))
        return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
