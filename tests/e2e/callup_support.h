#pragma once
// Shared by the call-up tests.
#include <windows.h>

#include "driver.h"

// Starts the program and waits until its window has been created completely:
// a sent message is answered only once creation (content, hotkeys, tray icon)
// has run to its end.
inline bool StartAndSettle(KorvaneRun& run) {
    if (!run.Start()) return false;
    return SendMessageTimeoutA(run.Panel(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr) != 0;
}
