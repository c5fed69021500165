// A program files are dragged from, as from a file manager, run beside the
// panel by the end-to-end tests:
//   drag_source X Y W H RESULT LIST
// shows a window at the screen rectangle; each left button press on it
// starts an OLE drag (copy or link allowed) of the shell's data object for
// the file LIST names at that moment. When a drag ends, a line
// "<DoDragDrop's result in hex> <effect>" is added to RESULT. It ends on
// WM_CLOSE, or by itself after two minutes.
#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell_standins.h"

namespace {

const char* gResult = nullptr;
const char* gList = nullptr;

// The shell's own data object for the file LIST names, as a file manager
// hands one over; null when there is none.
IDataObject* ListedFileData() {
    char path[MAX_PATH] = "";
    if (FILE* f = std::fopen(gList, "rb")) {
        if (!std::fgets(path, sizeof path, f)) path[0] = '\0';
        std::fclose(f);
    }
    path[std::strcspn(path, "\r\n")] = '\0';
    wchar_t wide[MAX_PATH];
    PIDLIST_ABSOLUTE item = nullptr;
    if (!MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH) ||
        FAILED(SHParseDisplayName(wide, nullptr, &item, 0, nullptr)))
        return nullptr;
    IShellFolder* parent = nullptr;
    PCUITEMID_CHILD child = nullptr;
    IDataObject* data = nullptr;
    if (SUCCEEDED(SHBindToParent(item, IID_IShellFolder, reinterpret_cast<void**>(&parent), &child))) {
        parent->GetUIObjectOf(nullptr, 1, &child, IID_IDataObject, nullptr, reinterpret_cast<void**>(&data));
        parent->Release();
    }
    CoTaskMemFree(item);
    return data;
}

class Source final : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
            *out = static_cast<IDropSource*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape) return DRAGDROP_S_CANCEL;
        return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    ULONG references_ = 1;
};

void Drag() {
    IDataObject* data = ListedFileData();
    Source source;
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT hr = data ? DoDragDrop(data, &source, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect) : E_FAIL;
    if (data) data->Release();
    if (FILE* f = std::fopen(gResult, "ab")) {
        std::fprintf(f, "%08lx %lu\n", static_cast<unsigned long>(hr), static_cast<unsigned long>(effect));
        std::fclose(f);
    }
}

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
        case WM_LBUTTONDOWN:
            Drag();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(w, m, wp, lp);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc < 7) return 2;
    const int x = std::atoi(__argv[1]), y = std::atoi(__argv[2]), w = std::atoi(__argv[3]), h = std::atoi(__argv[4]);
    gResult = __argv[5];
    gList = __argv[6];
    if (FAILED(OleInitialize(nullptr))) return 3;

    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    wc.lpszClassName = "KorvaneDragSource";
    RegisterClassA(&wc);
    CreateWindowExA(0, wc.lpszClassName, "drag source", WS_POPUP | WS_VISIBLE | WS_BORDER, x, y, w, h, nullptr, nullptr,
                    instance, nullptr);
    RunStandinLoop();
    OleUninitialize();
    return 0;
}
