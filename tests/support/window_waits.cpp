#include "window_waits.h"

HWND WaitForWindow(const char* className, const char* title, DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        HWND window = FindWindowA(className, title);
        if (window && IsWindowVisible(window)) return window;
        Sleep(20);
    } while (GetTickCount() - start < ms);
    return nullptr;
}

std::string AnswerMessageBox(int button, DWORD ms) {
    HWND box = WaitForWindow("#32770", "Tovel panel", ms);
    if (!box) return std::string();
    char text[1024] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message text
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
    // Gone before the caller looks for the next one.
    for (int i = 0; i < 250 && IsWindow(box); ++i) Sleep(20);
    return text;
}
