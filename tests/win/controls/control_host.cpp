#include "control_host.h"

namespace {
constexpr char kClass[] = "KorvaneControlHost";
}

ControlHost::ControlHost() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, kClass, "controls", WS_POPUP | WS_VISIBLE, 100, 100, 420, 320, nullptr, nullptr,
                              wc.hInstance, this);
}

ControlHost::~ControlHost() { DestroyWindow(window_); }

HWND ControlHost::AddChild(const char* className, const char* text, DWORD style, int id, int x, int y, int w, int h) {
    HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, window_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return child;
}

LRESULT CALLBACK ControlHost::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* host = reinterpret_cast<ControlHost*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (host) {
        switch (message) {
            case WM_MEASUREITEM:
                if (host->measure) host->measure(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
                return TRUE;
            case WM_DRAWITEM:
                ++host->drawCalls;
                if (host->draw && host->draw(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
                break;
            case WM_COMMAND:
                host->notifications.push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
                return 0;
            default:
                break;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

Surface32::Surface32(int w, int h, COLORREF clear) : dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(dc_.Get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    selected_ =
        Owned<handle_traits::Selection>(SelectObject(dc_.Get(), bitmap_.Get()), handle_traits::Selection{dc_.Get()});
    SelectObject(dc_.Get(), GetStockObject(DEFAULT_GUI_FONT));
    OwnedBrush brush(CreateSolidBrush(clear));
    RECT all{0, 0, w, h};
    FillRect(dc_.Get(), &all, brush.Get());
}

int Surface32::CountOther(const RECT& r, COLORREF colour) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (At(x, y) != colour) ++n;
    return n;
}
