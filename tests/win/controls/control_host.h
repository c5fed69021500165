#pragma once
// A visible parent window for the dialog-control tests: it hands
// WM_MEASUREITEM and WM_DRAWITEM to the controls as a dialog would, and keeps
// the WM_COMMAND notifications it receives.
#include <windows.h>

#include "input.h"

#include <functional>
#include <vector>

#include "base/handles.h"

struct Notification {
    WORD id;
    WORD code;  // the high word: the check list's row
    HWND from;
};

class ControlHost {
public:
    ControlHost();
    ~ControlHost();
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    HWND Window() const { return window_; }
    HWND AddChild(const char* className, const char* text, DWORD style, int id, int x, int y, int w, int h);

    std::function<void(MEASUREITEMSTRUCT*)> measure;
    std::function<bool(const DRAWITEMSTRUCT*)> draw;
    std::vector<Notification> notifications;
    int drawCalls = 0;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
};

// A 32-bit surface of w x h for drawing items into, cleared to one colour.
class Surface32 {
public:
    Surface32(int w, int h, COLORREF clear);
    HDC Dc() const { return dc_.Get(); }
    COLORREF At(int x, int y) const { return GetPixel(dc_.Get(), x, y); }
    // Pixels in the rectangle that differ from colour.
    int CountOther(const RECT& r, COLORREF colour) const;

private:
    OwnedMemoryDc dc_;
    OwnedBitmap bitmap_;
    Owned<handle_traits::Selection> selected_;
};
