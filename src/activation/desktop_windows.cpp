#include "activation/desktop_windows.h"

#include <tlhelp32.h>

#include "activation/core/mouse_gesture.h"
#include "base/core/text.h"
#include "base/handles.h"
#include "base/system_library.h"

namespace {

constexpr char kShellViewClass[] = "SHELLDLL_DefView";
constexpr char kListViewClass[] = "SysListView32";

HWND FindProgman() { return FindWindowExA(nullptr, nullptr, "Progman", "Program Manager"); }

BOOL CALLBACK FindIconListIn(HWND topLevel, LPARAM result) {
    HWND view = FindWindowExA(topLevel, nullptr, kShellViewClass, nullptr);
    if (!view) return TRUE;
    HWND list = FindWindowExA(view, nullptr, kListViewClass, nullptr);
    if (!list) return TRUE;
    *reinterpret_cast<HWND*>(result) = list;
    return FALSE;
}

bool VersionInfo(OSVERSIONINFOA& info) {
    info = OSVERSIONINFOA{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return GetVersionExA(&info) != 0;
#pragma GCC diagnostic pop
}

using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, LPDWORD);
using GetModuleFileNameExFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);
using GetModuleFileNameExWFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);

template <typename Fn>
Fn Bind(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The first module of a process is its executable.
int NtProcessPath(DWORD processId, char* buffer, DWORD size) {
    OwnedLibrary psapi(LoadSystemLibrary("psapi.dll"));
    if (!psapi) return 0;
    auto enumModules = Bind<EnumProcessModulesFn>(psapi.Get(), "EnumProcessModules");
    auto moduleFileName = Bind<GetModuleFileNameExFn>(psapi.Get(), "GetModuleFileNameExA");
    auto wideModuleFileName = Bind<GetModuleFileNameExWFn>(psapi.Get(), "GetModuleFileNameExW");
    if (!enumModules || !moduleFileName) return 0;
    OwnedKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process) return 0;
    HMODULE first = nullptr;  // one whole handle: 8 bytes on 64-bit systems
    DWORD needed = 0;
    if (!enumModules(process.Get(), &first, sizeof first, &needed) || !first) return 0;
    if (wideModuleFileName) {
        wchar_t wide[MAX_PATH];
        const DWORD n = wideModuleFileName(process.Get(), first, wide, MAX_PATH);
        if (n > 0 && n < MAX_PATH && CodePagePath(wide, buffer, size)) return 1;
    }
    return moduleFileName(process.Get(), first, buffer, size) != 0 ? 1 : 0;
}

using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using ProcessWalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);

int ToolhelpProcessPath(DWORD processId, char* buffer, DWORD size) {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel) return 0;
    auto snapshotOf = Bind<CreateSnapshotFn>(kernel, "CreateToolhelp32Snapshot");
    auto first = Bind<ProcessWalkFn>(kernel, "Process32First");
    auto next = Bind<ProcessWalkFn>(kernel, "Process32Next");
    if (!snapshotOf || !first || !next) return 0;
    HANDLE raw = snapshotOf(TH32CS_SNAPPROCESS, 0);
    if (raw == INVALID_HANDLE_VALUE) return 0;
    OwnedKernelHandle snapshot(raw);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = first(raw, &entry); more; more = next(raw, &entry)) {
        if (entry.th32ProcessID == processId) {
            CopyText(buffer, size, entry.szExeFile);
            return 1;
        }
    }
    return 0;
}

}  // namespace

HWND FindDesktopListView() {
    HWND progman = FindProgman();
    if (!progman) return nullptr;
    if (HWND view = FindWindowExA(progman, nullptr, kShellViewClass, nullptr))
        return FindWindowExA(view, nullptr, kListViewClass, nullptr);
    // Some shells hang the desktop's view under another top-level window.
    HWND list = nullptr;
    EnumWindows(FindIconListIn, reinterpret_cast<LPARAM>(&list));
    return list;
}

HWND FindDesktopShellView() {
    HWND progman = FindProgman();
    return progman ? FindWindowExA(progman, nullptr, kShellViewClass, nullptr) : nullptr;
}

bool IsDesktopWindow(HWND window) {
    HWND list = FindDesktopListView();
    if (!list) return false;
    if (window == list) return true;
    HWND view = FindDesktopShellView();
    if (!view) return false;
    for (HWND w = GetParent(window); w; w = GetParent(w))
        if (w == view) return true;
    return false;
}

HWND FindTaskbarWindow() { return FindWindowExA(nullptr, nullptr, "Shell_TrayWnd", ""); }

HWND GetTopLevelWindow(HWND window) {
    HWND top = window;
    for (HWND w = GetParent(window); w; w = GetParent(w)) top = w;
    return top;
}

int GetWindowProcessPath(HWND window, char* buffer, DWORD size) {
    if (!buffer || size == 0) return 0;
    buffer[0] = '\0';
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    OSVERSIONINFOA info;
    if (!VersionInfo(info)) return 0;
    int found = 0;
    if (info.dwPlatformId == VER_PLATFORM_WIN32_NT)
        found = NtProcessPath(processId, buffer, size);
    else if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
        found = ToolhelpProcessPath(processId, buffer, size);
    if (!found) buffer[0] = '\0';
    return found;
}

bool CodePagePath(const wchar_t* path, char* out, DWORD size) {
    const auto inCodePage = [out, size](const wchar_t* wide) {
        BOOL lost = FALSE;
        const int n =
            WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, out, static_cast<int>(size), nullptr, &lost);
        return n > 0 && !lost;
    };
    if (!out || size == 0) return false;
    if (inCodePage(path)) return true;
    wchar_t shortPath[MAX_PATH];
    const DWORD n = GetShortPathNameW(path, shortPath, MAX_PATH);
    if (n > 0 && n < MAX_PATH && inCodePage(shortPath)) return true;
    out[0] = '\0';
    return false;
}

bool IsNtPlatform() {
    OSVERSIONINFOA info;
    return VersionInfo(info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

unsigned HeldModifiers() {
    auto down = [](int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; };
    unsigned held = 0;
    if (down(VK_SHIFT)) held |= kModifierShift;
    if (down(VK_CONTROL)) held |= kModifierCtrl;
    if (down(VK_MENU)) held |= kModifierAlt;
    return held;
}

void CloseOpenMenus(SendInputFn sendInput) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (menu && IsWindowVisible(menu)) SendMessageA(menu, WM_KEYDOWN, VK_MENU, 0);

    HWND taskbar = FindTaskbarWindow();
    HWND startButton = taskbar ? GetWindow(taskbar, GW_CHILD) : nullptr;
    if (startButton && (SendMessageA(startButton, BM_GETSTATE, 0, 0) & BST_PUSHED)) {
        // An Alt release closes the start menu.
        INPUT up{};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = VK_MENU;
        up.ki.wScan = static_cast<WORD>(MapVirtualKeyA(VK_MENU, 0));
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        if (sendInput)
            sendInput(1, &up, sizeof up);
        else
            keybd_event(VK_MENU, static_cast<BYTE>(up.ki.wScan), KEYEVENTF_KEYUP, 0);
    }
}
