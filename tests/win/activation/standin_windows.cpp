#include "win/activation/standin_windows.h"

#include <mutex>

#include "shell_standins.h"

namespace {

LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

std::mutex gTextMutex;

}  // namespace

HWND MakeWindow(const char* className, const char* title, HWND parent, DWORD style, int x, int y, int w, int h) {
    WNDCLASSA wc{};
    if (!GetClassInfoA(GetModuleHandleA(nullptr), className, &wc)) {
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = PlainProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
        wc.lpszClassName = className;
        RegisterClassA(&wc);
    }
    return CreateWindowExA(0, className, title, style, x, y, w, h, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

StandinDesktop::StandinDesktop(bool underProgman) {
    lock_ = CreateMutexA(nullptr, FALSE, "korvane-test-standin-desktop");
    if (lock_) WaitForSingleObject(lock_, 60000);
    top = MakeWindow(underProgman ? "Progman" : "WorkerW", underProgman ? "Program Manager" : "", nullptr,
                     WS_POPUP | WS_VISIBLE, 0, 0, 400, 300);
    view = MakeWindow("SHELLDLL_DefView", "", top, WS_CHILD | WS_VISIBLE, 0, 0, 400, 300);
    list = CreateWindowExA(0, WC_LISTVIEWA, "FolderView", WS_CHILD | WS_VISIBLE | LVS_ICON, 0, 0, 400, 260, view,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
    AddStandinDesktopIcon(list);
    PumpMessages(50);
}

StandinDesktop::~StandinDesktop() {
    DestroyWindow(top);
    if (lock_) {
        ReleaseMutex(lock_);
        CloseHandle(lock_);
    }
}

POINT StandinDesktop::IconCentre() const {
    RECT r{};
    r.left = LVIR_ICON;
    SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    POINT pt{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(list, &pt);
    return pt;
}

POINT StandinDesktop::EmptySpace() const {
    POINT pt{300, 200};
    ClientToScreen(list, &pt);
    return pt;
}

POINT StandinDesktop::ViewMargin() const {
    POINT pt{200, 280};
    ClientToScreen(view, &pt);
    return pt;
}

HotkeyCatcher::HotkeyCatcher() {
    window_ = MakeWindow("KorvaneTestHotkey", "", nullptr, WS_POPUP, 0, 0, 1, 1);
    registered_ = window_ && RegisterHotKey(window_, 1, 0, 0x8F);
}

HotkeyCatcher::~HotkeyCatcher() {
    if (registered_) UnregisterHotKey(window_, 1);
    DestroyWindow(window_);
}

bool HotkeyCatcher::Caught(DWORD ms) {
    const DWORD start = GetTickCount();
    bool caught = false;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_HOTKEY && msg.hwnd == window_ && HIWORD(msg.lParam) == 0x8F) caught = true;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (caught) return true;
        Sleep(5);
    } while (GetTickCount() - start < ms);
    return caught;
}

MessageBoxWatcher::MessageBoxWatcher(std::function<void()> whileShown) {
    thread_ = std::thread([this, whileShown] {
        while (!stop_) {
            HWND box = FindWindowA("#32770", "Tovel panel");
            DWORD pid = 0;
            if (box) GetWindowThreadProcessId(box, &pid);
            if (box && pid == GetCurrentProcessId()) {
                char text[512] = "";
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                {
                    std::lock_guard<std::mutex> lock(gTextMutex);
                    if (!texts_.empty()) texts_ += '|';
                    texts_ += text;
                }
                if (whileShown) whileShown();
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                for (int i = 0; i < 100 && IsWindow(box); ++i) Sleep(10);
            }
            Sleep(20);
        }
    });
}

MessageBoxWatcher::~MessageBoxWatcher() {
    stop_ = true;
    thread_.join();
}

std::string MessageBoxWatcher::Texts() {
    std::lock_guard<std::mutex> lock(gTextMutex);
    return texts_;
}
