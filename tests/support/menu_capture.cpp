#include "menu_capture.h"

#include <cstdio>
#include <cstdlib>

#include "base/handles.h"

std::string ShotPath(const char* name) {
    const char* dir = std::getenv("KORVANE_SHOTS");
    return dir ? std::string(dir) + "\\" + name : std::string();
}

bool CaptureScreen(const std::string& path, const RECT& area) {
    const int w = area.right - area.left, h = area.bottom - area.top;
    if (path.empty() || w <= 0 || h <= 0) return false;
    WindowDc screen(nullptr);
    OwnedMemoryDc mem(CreateCompatibleDC(screen.Get()));
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    OwnedBitmap bitmap(CreateDIBSection(screen.Get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return false;
    {
        SelectedObject selected(mem.Get(), bitmap.Get());
        BitBlt(mem.Get(), 0, 0, w, h, screen.Get(), area.left, area.top, SRCCOPY);
        GdiFlush();
    }
    const DWORD size = ((w * 3 + 3) / 4) * 4 * h;
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + size;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(&fh, sizeof fh, 1, f) == 1 &&
                    std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f) == 1 && std::fwrite(bits, size, 1, f) == 1;
    std::fclose(f);
    return ok;
}
