#pragma once
// Shared by the call-up tests.
#include <windows.h>

#include "driver.h"

// Starts the program and waits until its window has been created completely
// (content, hotkeys, tray icon) and its message loop waits for input.
inline bool StartAndSettle(KorvaneRun& run) {
    if (!run.Start()) return false;
    // The window exists before its creation has ended; requests sent while
    // it is still being built are dropped, so wait for the message loop.
    WaitForInputIdle(run.Process(), 15000);
    return SendMessageTimeoutA(run.Panel(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr) != 0;
}
