#include "items/dropped_files.h"

#include <objbase.h>
#include <shlobj.h>

#include <cstring>

#include "base/core/text.h"
#include "base/files.h"
#include "base/handles.h"
#include "base/settings_store.h"
#include "items/core/order_file.h"
#include "items/item_model.h"

namespace {

bool NameTakenInFolder(const char* name, const void* folder) {
    char path[kPathSize];
    // A name too long to test is as good as taken.
    if (!JoinPath(static_cast<const char*>(folder), name, path, sizeof path)) return true;
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// The name a dropped path goes by: its last component, or for a drive's root
// ("C:\") the drive letter.
bool DroppedName(const char* path, char (&out)[kPathSize]) {
    FileNameOf(path, out, sizeof out);
    if (out[0]) return true;
    if (path[0] && path[1] == ':') {
        out[0] = path[0];
        out[1] = '\0';
        return true;
    }
    return false;
}

// Makes the item for one dropped path in folder; its file name into made.
bool MakeItem(const char* folder, const char* path, char (&made)[kPathSize]) {
    const DWORD attributes = GetFileAttributesA(path);
    char name[kPathSize];
    if (attributes == INVALID_FILE_ATTRIBUTES || !DroppedName(path, name)) return false;
    const bool directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    char target[kPathSize];
    if (!DroppedItemName(name, directory, std::strlen(folder), NameTakenInFolder, folder, made, sizeof made) ||
        !JoinPath(folder, made, target, sizeof target))
        return false;
    if (!directory && IsShortcutFileName(name)) return CopyFileA(path, target, TRUE) != 0;
    return WriteShellLink(target, path, directory);
}

// The order file's list with the new names at index (-1: at the end): a list
// of its own, so that the panel's records stay as they are until the rebuild.
bool WriteOrderWithNew(const PanelItem* list, bool topLevel, const char* folder, int index,
                       const std::vector<std::string>& names) {
    PanelItem* copy = nullptr;
    bool complete = true;
    for (const PanelItem* item = list; item && complete; item = item->next) {
        if (topLevel && item->depth != 0) continue;
        // Only the line matters; a folder's content stays with the panel's record.
        PanelItem line{};
        line.flags = item->flags & kItemSeparator;
        CopyText(line.path, item->path);
        complete = AppendItem(&copy, line) != nullptr;
    }
    for (size_t i = 0; i < names.size() && complete; ++i) {
        PanelItem added{};
        complete = JoinPath(folder, names[i].c_str(), added.path, sizeof added.path);
        if (complete) {
            const int at = index < 0 ? ItemCount(copy) : index + static_cast<int>(i);
            complete = InsertItemAt(&copy, at, added) != nullptr;
        }
    }
    const bool written = complete && WriteOrderFile(copy);
    FreeItemList(&copy);
    return written;
}

// How many refused files the message names.
constexpr int kMostListed = 10;

// A name as the message lists it: a long one cut, at a character boundary,
// so that the message box stays narrower than the screen.
std::string ListedName(const char* name) {
    constexpr size_t kLongest = 64;
    const char* end = name;
    while (*end && static_cast<size_t>(end - name) < kLongest) end = CharNextA(end);
    return *end ? std::string(name, end) + "..." : std::string(name);
}

}  // namespace

bool WriteShellLink(const char* linkPath, const char* target, bool directory) {
    IShellLinkA* rawLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&rawLink))))
        return false;
    const OwnedCom<IShellLinkA> link(rawLink);
    if (FAILED(link.Get()->SetPath(target))) return false;
    if (!directory) {
        char folder[kPathSize];
        DirectoryOf(target, folder, sizeof folder);
        if (folder[0]) link.Get()->SetWorkingDirectory(folder);
    }
    IPersistFile* rawFile = nullptr;
    if (FAILED(link.Get()->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile)))) return false;
    const OwnedCom<IPersistFile> file(rawFile);
    wchar_t wide[kPathSize];
    if (!MultiByteToWideChar(CP_ACP, 0, linkPath, -1, wide, kPathSize)) return false;
    if (SUCCEEDED(file.Get()->Save(wide, TRUE))) return true;
    DeleteFileA(linkPath);  // whatever a failed save left is no shortcut
    return false;
}

DroppedFilesResult AddDroppedFiles(const std::vector<std::string>& paths, const DropSpot& spot) {
    DroppedFilesResult result;
    try {
        const char* folder = spot.folder ? spot.folder->path : gSettings.shortcutFolder;
        std::vector<std::string> made;
        int refused = 0;
        for (const std::string& path : paths) {
            char name[kPathSize];
            if (!MakeItem(folder, path.c_str(), name)) {
                // The first few by name: a message box as tall as the screen tells no more.
                if (++refused > kMostListed) {
                    if (refused == kMostListed + 1) result.refused += "...\n";
                    continue;
                }
                char shown[kPathSize];
                FileNameOf(path.c_str(), shown, sizeof shown);
                result.refused += ListedName(shown[0] ? shown : path.c_str());
                result.refused += "\n";
                continue;
            }
            if (!result.added) JoinPath(folder, name, result.firstPath, sizeof result.firstPath);
            ++result.added;
            made.emplace_back(name);
        }
        if (made.empty() || Option(gSettings, kOptSort)) return result;
        const PanelItem* list = spot.folder ? spot.folder->children : gItems.head;
        result.orderFailed = !WriteOrderWithNew(list, !spot.folder, folder, spot.index, made);
    } catch (...) {
        // Out of memory: what was made stays, and the order file is untouched.
        result.orderFailed = result.added > 0;
    }
    return result;
}
