#include "recycle_bin.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>

namespace {

std::string Narrow(const STRRET& text, LPCITEMIDLIST id) {
    char out[MAX_PATH] = "";
    STRRET copy = text;
    StrRetToBufA(&copy, id, out, MAX_PATH);
    return out;
}

}  // namespace

bool InRecycleBin(const std::string& fileName) {
    const std::string stem = fileName.substr(0, fileName.rfind('.'));
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop))) return false;
    LPITEMIDLIST binId = nullptr;
    IShellFolder* bin = nullptr;
    bool found = false;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_BITBUCKET, &binId)) &&
        SUCCEEDED(desktop->BindToObject(binId, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&bin)))) {
        IEnumIDList* items = nullptr;
        if (bin->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN, &items) == S_OK) {
            LPITEMIDLIST id = nullptr;
            while (!found && items->Next(1, &id, nullptr) == S_OK) {
                STRRET name;
                if (SUCCEEDED(bin->GetDisplayNameOf(id, SHGDN_NORMAL, &name))) {
                    const std::string shown = Narrow(name, id);
                    found =
                        lstrcmpiA(shown.c_str(), fileName.c_str()) == 0 || lstrcmpiA(shown.c_str(), stem.c_str()) == 0;
                }
                CoTaskMemFree(id);
            }
            items->Release();
        }
        bin->Release();
    }
    CoTaskMemFree(binId);
    desktop->Release();
    return found;
}
