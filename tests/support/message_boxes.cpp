#include "message_boxes.h"

#include <cstring>

namespace {

MessageBoxCatcher* gCatcher = nullptr;

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    char cls[16] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (std::strcmp(cls, "#32770") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

MessageBoxCatcher::MessageBoxCatcher() {
    gCatcher = this;
    timer_ = SetTimer(nullptr, 0, 20, OnTimer);
}

MessageBoxCatcher::~MessageBoxCatcher() {
    KillTimer(nullptr, timer_);
    gCatcher = nullptr;
}

void CALLBACK MessageBoxCatcher::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (!gCatcher) return;
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box) return;
    char buffer[512] = "";
    GetWindowTextA(box, buffer, sizeof buffer);
    gCatcher->caption_ = buffer;
    GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
    gCatcher->text_ = buffer;
    ++gCatcher->count_;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}
