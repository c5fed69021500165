#include "options/pickers.h"

#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include "base/core/text.h"
#include "base/core/types.h"
#include "base/handles.h"

namespace {

// Item identifiers come from and go back to the shell's allocator.
struct ShellIdListTraits {
    using Handle = LPITEMIDLIST;
    static Handle Empty() { return nullptr; }
    void Close(Handle h) const { CoTaskMemFree(h); }
};
using OwnedIdList = Owned<ShellIdListTraits>;

OwnedIdList ParsePath(HWND owner, const char* path) {
    OwnedIdList list;
    if (!path || !*path) return list;
    wchar_t wide[kPathSize];
    if (!MultiByteToWideChar(CP_ACP, 0, path, -1, wide, kPathSize)) return list;
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop)) || !desktop) return list;
    LPITEMIDLIST parsed = nullptr;
    ULONG eaten = 0;
    if (SUCCEEDED(desktop->ParseDisplayName(owner, nullptr, wide, &eaten, &parsed, nullptr))) list.Reset(parsed);
    desktop->Release();
    return list;
}

int CALLBACK SelectInitialFolder(HWND dialog, UINT message, LPARAM, LPARAM initial) {
    if (message == BFFM_INITIALIZED && initial) SendMessageA(dialog, BFFM_SETSELECTIONA, FALSE, initial);
    return 0;
}

}  // namespace

int BrowseForFolder(HWND owner, char* path, const char* initial) {
    OwnedIdList start = ParsePath(owner, initial);
    char display[MAX_PATH] = "";
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = display;
    info.lpszTitle = "フォルダを選択してください。";
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = SelectInitialFolder;
    info.lParam = reinterpret_cast<LPARAM>(start.Get());
    OwnedIdList chosen(SHBrowseForFolderA(&info));
    char folder[MAX_PATH];
    if (!chosen || !SHGetPathFromIDListA(chosen.Get(), folder)) return 0;
    CopyText(path, kPathSize, folder);
    return 1;
}

int ChooseSoundFile(HWND owner, char* path) {
    static const char kFilter[] = "サウンドファイル\0*.wav\0すべてのファイル\0*.*\0";
    char file[kPathSize] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = kFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrTitle = "サウンドファイルを指定して下さい";
    ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&ofn)) return 0;
    CopyText(path, kPathSize, file);
    return 1;
}
