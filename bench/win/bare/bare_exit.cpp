// The bare program the second-start benchmark compares with: a GUI program
// that imports only kernel32, user32 and gdi32, looks for a window and ends,
// as a second start that finds nothing to do.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // One call into each library, so that each is really imported.
    HANDLE mutex = CreateMutexA(nullptr, TRUE, "Korvane bare program");
    const bool found = FindWindowA("Korvane bare program", nullptr) != nullptr;
    const bool brush = GetStockObject(WHITE_BRUSH) != nullptr;
    if (mutex) CloseHandle(mutex);
    return found || !brush ? 1 : 0;
}
