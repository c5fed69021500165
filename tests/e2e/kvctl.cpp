// kvctl: a small command-line helper that looks at and drives a running
// Korvane from scripts.
//   kvctl find                      print the panel's handle, visibility and rectangle
//   kvctl wait-visible|wait-hidden [ms]
//   kvctl send MSG WPARAM LPARAM    SendMessage to the panel, print the result
//   kvctl close                     WM_CLOSE to the panel and wait until it is gone
//   kvctl key VK [VK...]            press and release keys (decimal or 0x.. codes)
//   kvctl screenshot FILE.bmp       the whole desktop
//   kvctl shortcut LNK TARGET [ARGS [ICONFILE]]  write a shell link
//   kvctl version FILE              print the file version of a program or library
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "driver.h"

namespace {

long Number(const char* text) { return std::strtol(text, nullptr, 0); }

int Usage() {
    std::fprintf(stderr, "usage: kvctl find|wait-visible|wait-hidden|send|close|key|screenshot|shortcut|version ...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const char* cmd = argv[1];
    if (!std::strcmp(cmd, "find")) {
        const WindowState s = ReadWindow(FindPanel());
        if (!s.window) {
            std::puts("none");
            return 1;
        }
        std::printf("%p %s %ld %ld %ld %ld\n", static_cast<void*>(s.window), s.visible ? "visible" : "hidden",
                    s.rect.left, s.rect.top, s.rect.right - s.rect.left, s.rect.bottom - s.rect.top);
        return 0;
    }
    if (!std::strcmp(cmd, "wait-visible") || !std::strcmp(cmd, "wait-hidden")) {
        const bool want = !std::strcmp(cmd, "wait-visible");
        const DWORD ms = argc > 2 ? static_cast<DWORD>(Number(argv[2])) : 5000;
        return WaitFor([&] { return ReadWindow(FindPanel()).visible == want && FindPanel(); }, ms) ? 0 : 1;
    }
    if (!std::strcmp(cmd, "send") && argc == 5) {
        HWND panel = FindPanel();
        if (!panel) return 1;
        std::printf("%lld\n", static_cast<long long>(SendMessageA(panel, static_cast<UINT>(Number(argv[2])),
                                                                  static_cast<WPARAM>(Number(argv[3])),
                                                                  static_cast<LPARAM>(Number(argv[4])))));
        return 0;
    }
    if (!std::strcmp(cmd, "close")) {
        HWND panel = FindPanel();
        if (!panel) return 0;
        PostMessageA(panel, WM_CLOSE, 0, 0);
        return WaitFor([] { return FindPanel() == nullptr; }, 10000) ? 0 : 1;
    }
    if (!std::strcmp(cmd, "key") && argc > 2) {
        for (int i = 2; i < argc; ++i) {
            PressKey(static_cast<WORD>(Number(argv[i])));
            Sleep(50);
        }
        return 0;
    }
    if (!std::strcmp(cmd, "shortcut") && argc >= 4 && argc <= 6)
        return MakeShortcut(WindowsPath(argv[2]), argv[3], argc >= 5 ? argv[4] : "", "", argc == 6 ? argv[5] : "") ? 0
                                                                                                                   : 1;
    if (!std::strcmp(cmd, "version") && argc == 3) {
        const std::string file = WindowsPath(argv[2]);
        DWORD ignored = 0;
        std::vector<char> data(GetFileVersionInfoSizeA(file.c_str(), &ignored));
        VS_FIXEDFILEINFO* info = nullptr;
        UINT size = 0;
        if (data.empty() || !GetFileVersionInfoA(file.c_str(), 0, static_cast<DWORD>(data.size()), data.data()) ||
            !VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &size) || !info)
            return 1;
        std::printf("%u.%u.%u.%u\n", HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                    HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS));
        return 0;
    }
    if (!std::strcmp(cmd, "screenshot") && argc == 3) return SaveScreenshot(WindowsPath(argv[2])) ? 0 : 1;
    return Usage();
}
