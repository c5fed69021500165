// Entry of the Win32 test programs: the shell record gets the instance so that
// string-table texts and icons load from this module, as in the program.
#include <windows.h>
#include <objbase.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "base/program_windows.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    gWindows.instance = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    CoInitialize(nullptr);
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
