#pragma once
// One owner template for every handle: each acquire is paired with its own
// release. A traits type names the handle, its empty value and how to release
// it; stateful traits (the window of a GetDC, the DC of a SelectObject) carry
// what the release needs.
#include <windows.h>
#include <commctrl.h>

#include <utility>

template <typename Traits>
class Owned {
public:
    using Handle = typename Traits::Handle;

    Owned() = default;
    explicit Owned(Handle h, Traits traits = Traits()) : handle_(h), traits_(traits) {}
    ~Owned() { Reset(); }

    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : handle_(other.Release()), traits_(other.traits_) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            Reset();
            traits_ = other.traits_;
            handle_ = other.Release();
        }
        return *this;
    }

    Handle Get() const { return handle_; }
    const Traits& traits() const { return traits_; }
    explicit operator bool() const { return handle_ != Traits::Empty(); }
    Handle Release() { return std::exchange(handle_, Traits::Empty()); }
    void Reset(Handle h = Traits::Empty()) {
        if (handle_ != Traits::Empty()) traits_.Close(handle_);
        handle_ = h;
    }

private:
    Handle handle_ = Traits::Empty();
    Traits traits_{};
};

namespace handle_traits {

template <typename H>
struct TypedGdiObject {
    using Handle = H;
    static Handle Empty() { return nullptr; }
    void Close(Handle h) const { DeleteObject(h); }
};
struct MemoryDc {
    using Handle = HDC;
    static Handle Empty() { return nullptr; }
    void Close(Handle h) const { DeleteDC(h); }
};
struct WindowDc {
    using Handle = HDC;
    HWND window = nullptr;
    static Handle Empty() { return nullptr; }
    void Close(Handle h) const { ReleaseDC(window, h); }
};
struct BitmapDc {  // a memory DC with a bitmap of its own selected; Close puts the DC's first bitmap back
    using Handle = HDC;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    static Handle Empty() { return nullptr; }
    void Close(Handle dc) const {
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
};
struct Selection {  // the object that was selected before; Close puts it back
    using Handle = HGDIOBJ;
    HDC dc = nullptr;
    static Handle Empty() { return nullptr; }
    void Close(Handle previous) const { SelectObject(dc, previous); }
};
struct Kernel {
    using Handle = HANDLE;
    static Handle Empty() { return nullptr; }
    void Close(Handle h) const { CloseHandle(h); }
};
struct File {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    void Close(Handle h) const { CloseHandle(h); }
};
struct FindFile {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    void Close(Handle h) const { FindClose(h); }
};
struct Library {
    using Handle = HMODULE;
    static Handle Empty() { return nullptr; }
    void Close(Handle h) const { FreeLibrary(h); }
};
struct Icon {
    using Handle = HICON;
    static Handle Empty() { return nullptr; }
    void Close(Handle h) const { DestroyIcon(h); }
};
struct ImageList {
    using Handle = HIMAGELIST;
    static Handle Empty() { return nullptr; }
    void Close(Handle h) const { ImageList_Destroy(h); }
};
struct Menu {
    using Handle = HMENU;
    static Handle Empty() { return nullptr; }
    void Close(Handle h) const { DestroyMenu(h); }
};
struct Window {
    using Handle = HWND;
    static Handle Empty() { return nullptr; }
    void Close(Handle h) const { DestroyWindow(h); }
};
struct Hook {
    using Handle = HHOOK;
    static Handle Empty() { return nullptr; }
    void Close(Handle h) const { UnhookWindowsHookEx(h); }
};
template <typename Interface>
struct ComObject {  // an interface pointer whose reference the owner holds
    using Handle = Interface*;
    static Handle Empty() { return nullptr; }
    void Close(Handle h) const { h->Release(); }
};
struct HeapText {  // buffers of ReadWholeFile
    using Handle = char*;
    static Handle Empty() { return nullptr; }
    void Close(Handle h) const { delete[] h; }
};

}  // namespace handle_traits

using OwnedBitmap = Owned<handle_traits::TypedGdiObject<HBITMAP>>;
using OwnedFont = Owned<handle_traits::TypedGdiObject<HFONT>>;
using OwnedBrush = Owned<handle_traits::TypedGdiObject<HBRUSH>>;
using OwnedPen = Owned<handle_traits::TypedGdiObject<HPEN>>;
using OwnedRegion = Owned<handle_traits::TypedGdiObject<HRGN>>;
using OwnedMemoryDc = Owned<handle_traits::MemoryDc>;
using OwnedKernelHandle = Owned<handle_traits::Kernel>;
using OwnedFile = Owned<handle_traits::File>;
using OwnedFind = Owned<handle_traits::FindFile>;
using OwnedLibrary = Owned<handle_traits::Library>;
using OwnedIcon = Owned<handle_traits::Icon>;
using OwnedImageList = Owned<handle_traits::ImageList>;
using OwnedMenu = Owned<handle_traits::Menu>;
using OwnedWindow = Owned<handle_traits::Window>;
using OwnedText = Owned<handle_traits::HeapText>;
using OwnedHook = Owned<handle_traits::Hook>;
using OwnedBitmapDc = Owned<handle_traits::BitmapDc>;
template <typename Interface>
using OwnedCom = Owned<handle_traits::ComObject<Interface>>;
using OwnedSelection = Owned<handle_traits::Selection>;

// Selects bitmap into dc and hands both to one owner; empty (and both
// released) when either is missing.
inline OwnedBitmapDc SelectIntoDc(OwnedMemoryDc dc, OwnedBitmap bitmap) {
    if (!dc || !bitmap) return OwnedBitmapDc();
    HGDIOBJ previous = SelectObject(dc.Get(), bitmap.Get());
    return OwnedBitmapDc(dc.Release(), handle_traits::BitmapDc{bitmap.Release(), previous});
}

// GetDC / ReleaseDC.
class WindowDc : public Owned<handle_traits::WindowDc> {
public:
    explicit WindowDc(HWND window) : Owned(GetDC(window), handle_traits::WindowDc{window}) {}
};

// SelectObject, restored when the scope ends.
class SelectedObject : public Owned<handle_traits::Selection> {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : Owned(SelectObject(dc, object), handle_traits::Selection{dc}) {}
};

// BeginPaint / EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
    ~PaintScope() { EndPaint(window_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Dc() const { return dc_; }
    const RECT& Invalid() const { return ps_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};
