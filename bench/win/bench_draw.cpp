// The cost of a full redraw of nine rows with the gradient list on, and of
// one software-fade frame, on the standard look. Prints figures.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "base/program_windows.h"
#include "base/settings_store.h"
#include "base/visual_styles.h"
#include "items/item_model.h"
#include "skin/skin_info.h"
#include "view/fade.h"
#include "view/panel_draw.h"
#include "view/panel_rebuild.h"
#include "view/view_state.h"

namespace {

double Now() {
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

void SetOption(OptionFlag flag) { ::SetOption(gSettings.optionFlags, flag); }

}  // namespace

int main() {
    gWindows.instance = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    CoInitialize(nullptr);
    gSettings.mmxAvailable = 1;
    LoadVisualStyles();

    // A shortcut folder of twenty items under the temporary folder.
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "kv_bench_draw";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < 20; ++i) {
        const std::string path = folder + "\\item " + std::to_string(i) + ".url";
        if (HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            f != INVALID_HANDLE_VALUE) {
            const char text[] = "[InternetShortcut]\r\nURL=http://localhost/\r\n";
            DWORD n;
            WriteFile(f, text, sizeof text - 1, &n, nullptr);
            CloseHandle(f);
        }
    }
    lstrcpynA(gSettings.shortcutFolder, folder.c_str(), kPathSize);
    SetOption(kOptGradient);  // gradient list

    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = gWindows.instance;
    wc.lpszClassName = "KorvaneBenchDraw";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "Tovel panel", WS_POPUP, 0, 0, 180, 257, nullptr,
                                  nullptr, gWindows.instance, nullptr);
    gWindows.panel = window;
    gMarkers.active = 1;
    BuildItems(window);
    gView.currentIndex = 5;

    const int frames = 200;
    auto timeRedraw = [&] {
        const double t0 = Now();
        for (int i = 0; i < frames; ++i) {
            ComposePanel(true);
        }
        GdiFlush();
        return (Now() - t0) / frames;
    };
    const double redraw = timeRedraw();
    gSettings.optionFlags[49 / 8] &= ~(1 << (49 % 8));
    const double plainRedraw = timeRedraw();
    // Where the time goes: without text, without icons, the frame alone.
    SetOption(kOptNoText);
    const double noText = timeRedraw();
    gSettings.optionFlags[39 / 8] &= ~(1 << (39 % 8));
    SetOption(kOptNoIcons);
    const double noIcons = timeRedraw();
    gSettings.optionFlags[38 / 8] &= ~(1 << (38 % 8));
    double start = Now();
    for (int i = 0; i < frames; ++i)
        DrawFrame(LivePanelCanvas(true), gPanel.frame.dc, gPanel.selection.dc, 0, 0, gView.cursorRow);
    GdiFlush();
    const double frameOnly = (Now() - start) / frames;
    std::printf("without the gradient: no text %.3f ms, no icons %.3f ms, frame and cursor only %.3f ms\n", noText,
                noIcons, frameOnly);
    gSettings.optionFlags[49 / 8] |= 1 << (49 % 8);

    PrepareFade(gPanel.backBuffer.dc, gPanel.capture.bitmap, gPanel.backBuffer.bitmap);
    start = Now();
    for (int i = 0; i < frames; ++i) DrawFadeStep(i % 256, true);
    GdiFlush();
    const double fadeVector = (Now() - start) / frames;
    start = Now();
    for (int i = 0; i < frames; ++i) DrawFadeStep(i % 256, false);
    GdiFlush();
    const double fadePlain = (Now() - start) / frames;
    FreeFade();

    std::printf("panel %d x %d, %d rows, gradient on (look kind %d)\n", gSkin.panelWidth, gSkin.panelHeight,
                gSkin.itemCount, gSkin.kind);
    std::printf("full redraw (frame, cursor and rows into the back buffer): %.3f ms; without the gradient %.3f ms\n",
                redraw, plainRedraw);
    std::printf("software fade frame: %.3f ms with the vector blend, %.3f ms plain\n", fadeVector, fadePlain);

    ReleaseItems();
    DestroyWindow(window);
    for (int i = 0; i < 20; ++i) DeleteFileA((folder + "\\item " + std::to_string(i) + ".url").c_str());
    RemoveDirectoryA(folder.c_str());
    FreeVisualStyles();
    CoUninitialize();
    return 0;
}
