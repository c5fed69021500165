#pragma once
// Writes real shell links (.lnk) for the item tests and the scan benchmark.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

// A shell link at lnkPath to target; with iconFile, showing icon iconIndex of
// that file instead of the target's. Needs COM initialised on the thread.
inline bool MakeShellLink(const std::string& lnkPath, const std::string& target, const char* iconFile = nullptr,
                          int iconIndex = 0) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return false;
    link->SetPath(target.c_str());
    if (iconFile) link->SetIconLocation(iconFile, iconIndex);
    IPersistFile* file = nullptr;
    bool saved = false;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, lnkPath.c_str(), -1, wide, MAX_PATH);
        saved = SUCCEEDED(file->Save(wide, TRUE));
        file->Release();
    }
    link->Release();
    return saved;
}
