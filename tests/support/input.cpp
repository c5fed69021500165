#include "input.h"

void PressCombination(const std::vector<WORD>& keys) {
    std::vector<INPUT> in;
    for (WORD k : keys) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        in.push_back(i);
    }
    for (auto k = keys.rbegin(); k != keys.rend(); ++k) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = *k;
        i.ki.dwFlags = KEYEVENTF_KEYUP;
        in.push_back(i);
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

void PumpMessages(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

bool PlacePointer(int x, int y) {
    auto there = [&] {
        POINT pt;
        return GetCursorPos(&pt) && pt.x == x && pt.y == y;
    };
    const DWORD start = GetTickCount();
    int steady = 0;
    while (GetTickCount() - start < 5000) {
        if (!there()) {
            steady = 0;
            SetCursorPos(x, y);
        } else if (++steady == 3) {
            return true;
        }
        Sleep(20);
    }
    return false;
}
