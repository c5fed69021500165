#include "items/folder_listing.h"

#include <cstring>
#include <cwchar>
#include <string>

bool ToExactAnsi(const wchar_t* name, char* out, int outSize) {
    if (outSize > 0) out[0] = '\0';
    if (!name || !*name) return false;
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name, -1, out, outSize, nullptr, &usedDefault);
    if (n <= 0 || usedDefault) {
        if (outSize > 0) out[0] = '\0';
        return false;
    }
    // Some code pages map characters to look-alikes even so; only a name
    // that converts back unchanged opens the same file.
    wchar_t back[kPathSize];
    const int m = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, out, -1, back, kPathSize);
    if (m <= 0 || std::wcscmp(back, name) != 0) {
        out[0] = '\0';
        return false;
    }
    return true;
}

FolderListing::FolderListing(const char* folder) {
    if (!folder || !*folder) return;
    folderLength_ = std::strlen(folder);
    wchar_t pattern[kPathSize];
    const int n = MultiByteToWideChar(CP_ACP, 0, folder, -1, pattern, kPathSize - 4);
    if (n <= 0) return;
    std::wcscat(pattern, L"\\*.*");
    find_.Reset(FindFirstFileW(pattern, &data_));
    pending_ = static_cast<bool>(find_);
}

bool FolderListing::Take(const WIN32_FIND_DATAW& data, ListedEntry& entry) const {
    // Room for "folder\name" within the path limit.
    if (folderLength_ + 2 >= static_cast<size_t>(kPathSize)) return false;
    const int room = static_cast<int>(kPathSize - folderLength_ - 1);
    if (!ToExactAnsi(data.cFileName, entry.name, room) && !ToExactAnsi(data.cAlternateFileName, entry.name, room))
        return false;
    entry.attributes = data.dwFileAttributes;
    entry.lastWrite = data.ftLastWriteTime;
    return true;
}

bool FolderListing::Next(ListedEntry& entry) {
    while (pending_) {
        const bool taken = Take(data_, entry);
        pending_ = FindNextFileW(find_.Get(), &data_) != 0;
        if (taken) return true;
    }
    return false;
}

namespace {

// The wide form of text, empty when it does not convert.
std::wstring Wide(const char* text) {
    const int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
    if (n <= 1) return std::wstring();
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text, -1, &out[0], n);
    out.resize(static_cast<size_t>(n - 1));
    return out;
}

}  // namespace

bool ShortNameInFolder(const char* folder, const char* entry, char* out, int outSize) {
    if (outSize > 0) out[0] = '\0';
    if (!folder || !entry || !*entry) return false;
    try {
        std::wstring wideFolder = Wide(folder);
        const std::wstring wideEntry = Wide(entry);
        if (wideFolder.empty() || wideEntry.empty()) return false;
        // Past 259 characters only the "\\?\" form of a full path reaches a file.
        std::wstring path;
        if (wideFolder.size() > 2 && wideFolder[1] == L':' && wideFolder[2] == L'\\')
            path = L"\\\\?\\" + wideFolder;
        else if (wideFolder.compare(0, 2, L"\\\\") == 0)
            path = L"\\\\?\\UNC\\" + wideFolder.substr(2);
        else
            return false;
        while (path.back() == L'\\') path.pop_back();  // a folder such as "C:\"
        path += L"\\" + wideEntry;
        WIN32_FIND_DATAW data;
        OwnedFind find(FindFirstFileW(path.c_str(), &data));
        if (!find || !data.cAlternateFileName[0]) return false;
        return ToExactAnsi(data.cAlternateFileName, out, outSize);
    } catch (...) {
        return false;
    }
}
