#include "items/item_model.h"

#include <cstring>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/core/text.h"
#include "base/files.h"
#include "base/settings_store.h"
#include "base/text_file.h"
#include "items/core/image_list_colors.h"
#include "items/core/order_file.h"
#include "items/folder_listing.h"
#include "items/item_sort.h"

ItemModel gItems;

namespace {

// The shortcut extensions listed without kOptAllFiles.
constexpr char kShortcutExtensions[] = "lnk;url";

// The system's ANSI lower-casing, which knows the code page's double-byte characters.
void LowerAnsi(char* text) { CharLowerBuffA(text, static_cast<DWORD>(std::strlen(text))); }

// The lower-cased last component of an item's path, as file names are matched.
void FileNameKey(const char* path, char (&out)[kPathSize]) {
    FileNameOf(path, out, sizeof out);
    LowerAnsi(out);
}

bool HasWildcard(const char* entry) { return std::strpbrk(entry, "*?") != nullptr; }

bool UseSmallIcons() { return gItems.iconSize < 25; }

// The panel image list's copy of the icon at index of a system image list,
// appended (scaled to the list's size) the first time an item of this build
// shows it; -1 when either list has none. Items with the same system icon
// share one image: taking an icon out of one list and into another costs more
// than asking the shell for it.
int PanelIconFor(HIMAGELIST system, int index) {
    if (!system || !gItems.panelImages || index < 0) return -1;
    std::vector<int>& known = gItems.panelIndexOfSystemIcon;
    try {
        if (static_cast<size_t>(index) >= known.size()) known.resize(static_cast<size_t>(index) + 1, -1);
    } catch (...) {
        known.clear();  // out of memory: copy without remembering
    }
    const bool remembered = static_cast<size_t>(index) < known.size();
    if (remembered && known[static_cast<size_t>(index)] >= 0) return known[static_cast<size_t>(index)];
    OwnedIcon icon(ImageList_GetIcon(system, index, ILD_TRANSPARENT));
    if (!icon) return -1;
    const int appended = ImageList_ReplaceIcon(gItems.panelImages.Get(), -1, icon.Get());
    if (remembered) known[static_cast<size_t>(index)] = appended;
    return appended;
}

// The file names already in the list being built, so that the listing adds no
// file twice without searching the list for every entry.
class SeenNames {
public:
    explicit SeenNames(PanelItem* head) : head_(head) {
        for (PanelItem* item = head; item; item = item->next) Add(item);
    }
    void Add(const PanelItem* item) {
        if (failed_ || IsSeparator(item)) return;
        char key[kPathSize];
        FileNameKey(item->path, key);
        try {
            names_.insert(key);
        } catch (...) {
            // Out of memory: fall back to searching the list itself.
            failed_ = true;
            names_.clear();
        }
    }
    bool Contains(const char* fileName) const {
        if (failed_) return FindByFileName(head_, fileName) != nullptr;
        char key[kPathSize];
        CopyText(key, fileName);
        LowerAnsi(key);
        try {
            return names_.count(key) != 0;
        } catch (...) {
            return FindByFileName(head_, fileName) != nullptr;
        }
    }
    void SetHead(PanelItem* head) { head_ = head; }

private:
    PanelItem* head_;
    std::unordered_set<std::string> names_;
    bool failed_ = false;
};

// Whether an order-file line names a file of the folder (context).
bool NamesFileOfFolder(const char* line, const void* context) {
    char path[kPathSize];
    return IsFolderEntryName(line) && !HasWildcard(line) &&
           JoinPath(static_cast<const char*>(context), line, path, sizeof path) &&
           GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// The files the order file has already named in this scan, by their line, so
// that a line written again is copied instead of looked up again. Directories
// are not for it: their items may own a scanned content.
class RepeatedLines {
public:
    const PanelItem* Find(const char* line) const {
        if (failed_ || names_.empty()) return nullptr;
        try {
            const auto it = names_.find(line);
            return it == names_.end() ? nullptr : it->second;
        } catch (...) {
            return nullptr;
        }
    }
    void Remember(const char* line, const PanelItem* item) {
        if (failed_) return;
        try {
            names_.emplace(line, item);
        } catch (...) {
            failed_ = true;  // out of memory: every line is looked up
            names_.clear();
        }
    }

private:
    std::unordered_map<std::string, const PanelItem*> names_;
    bool failed_ = false;
};

// The listing shows shortcuts and directories; with kOptAllFiles every file.
bool PassesShortcutFilter(const ListedEntry& entry) {
    if (Option(gSettings, kOptAllFiles) || (entry.attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
    char extension[kPathSize];
    ExtensionOf(entry.name, extension, sizeof extension);
    LowerAnsi(extension);
    char accepted[kPathSize];
    for (int i = 0; GetToken(kShortcutExtensions, ';', i, accepted, sizeof accepted); ++i)
        if (std::strcmp(extension, accepted) == 0) return true;
    return false;
}

// What a directory search already told about an entry: its attributes and
// last-write time, so the item needs no second trip to the file system.
struct EntryFacts {
    DWORD attributes;
    FILETIME lastWrite;
};

// AddItem that hands back the appended record, or null. facts is null when
// nothing is known about the entry yet.
PanelItem* AppendNewItem(ItemAppender& list, PanelItem* parent, const char* folder, const char* entry,
                         const EntryFacts* facts) {
    const bool separator = IsSeparatorLine(entry);
    PanelItem item{};
    bool directory = false;
    if (separator) {
        // Separators are not files: no shell query, no icon.
        if (Option(gSettings, kOptSort)) return nullptr;  // sorted lists have no separators
        item.flags = kItemSeparator;
        item.iconIndex = -1;
        item.systemIconIndex = -1;
        if (!JoinPath(folder, "", item.path, sizeof item.path)) return nullptr;
    } else {
        if (!JoinPath(folder, entry, item.path, sizeof item.path)) return nullptr;
        const UINT size = UseSmallIcons() ? SHGFI_SMALLICON : 0;
        SHFILEINFOA info{};
        const auto system = reinterpret_cast<HIMAGELIST>(
            QueryShellInfo(item.path, &info, SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME | size));
        item.iconIndex = PanelIconFor(system, info.iIcon);
        item.systemIconIndex = system ? info.iIcon : -1;
        // A name the shell cannot give would leave an empty row: show the file name.
        if (info.szDisplayName[0])
            CopyText(item.name, info.szDisplayName);
        else
            FileNameOf(item.path, item.name, sizeof item.name);
        item.accelerator = AcceleratorOf(item.name);
        // Directories carry no time, so that they sort together by date.
        if (facts) {
            directory = (facts->attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            if (!directory) item.lastWriteTime = {facts->lastWrite.dwLowDateTime, facts->lastWrite.dwHighDateTime};
        } else {
            FILETIME written{};
            if (GetFileTimes(item.path, nullptr, &written))
                item.lastWriteTime = {written.dwLowDateTime, written.dwHighDateTime};
            else
                directory = IsDirectory(item.path);
        }
    }
    if (parent) {
        item.parent = parent;
        item.depth = parent->depth + 1;
    }

    PanelItem* appended = list.Append(item);
    if (!appended || !directory || !Option(gSettings, kOptFoldersInPanel)) return appended;

    if (Option(gSettings, kOptScanFoldersAtStart) && !parent) ScanFolder(&appended->children, appended, appended->path);
    SHFILEINFOA info{};
    const UINT size = UseSmallIcons() ? SHGFI_SMALLICON : 0;
    const auto system =
        reinterpret_cast<HIMAGELIST>(QueryShellInfo(appended->path, &info, SHGFI_SYSICONINDEX | SHGFI_OPENICON | size));
    appended->openIconIndex = PanelIconFor(system, info.iIcon);
    appended->systemOpenIconIndex = system ? info.iIcon : -1;
    if (appended->depth == 0) appended->flags = kItemFolder;
    return appended;
}

}  // namespace

DWORD_PTR QueryShellInfo(const char* path, SHFILEINFOA* info, UINT flags) {
    ++gItems.shellCalls;
    return SHGetFileInfoA(path, 0, info, sizeof *info, flags);
}

UINT ItemImageListFlags() {
    int bits = 0;
    WindowDc screen(nullptr);
    if (screen) bits = GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES);
    return ImageListColorFlags(bits, Option(gSettings, kOptImageLists32Bit));
}

bool CreateArrowImageList() {
    gItems.arrowImages.Reset(ImageList_Create(16, 16, ItemImageListFlags(), 4, 4));
    return static_cast<bool>(gItems.arrowImages);
}

bool CreatePanelImageList(int iconSize) {
    gItems.iconSize = iconSize > 0 ? iconSize : 16;
    gItems.panelImages.Reset(ImageList_Create(gItems.iconSize, gItems.iconSize, ItemImageListFlags(), 64, 64));
    gItems.panelIndexOfSystemIcon.clear();
    return static_cast<bool>(gItems.panelImages);
}

void DestroyItemImageLists() {
    gItems.panelImages.Reset();
    gItems.panelIndexOfSystemIcon.clear();
    gItems.arrowImages.Reset();
}

void LookUpSystemImageLists() {
    SHFILEINFOA info{};
    gItems.systemSmallImages =
        reinterpret_cast<HIMAGELIST>(SHGetFileInfoA("", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    gItems.systemLargeImages =
        reinterpret_cast<HIMAGELIST>(SHGetFileInfoA("", 0, &info, sizeof info, SHGFI_SYSICONINDEX));
}

bool AddItem(PanelItem** head, PanelItem* parent, const char* folder, const char* entry) {
    if (!head || !folder || !entry) return false;
    ItemAppender list(head);
    return AppendNewItem(list, parent, folder, entry, nullptr) != nullptr;
}

bool ScanFolder(PanelItem** head, PanelItem* parent, const char* folder) {
    if (!head || !folder || !*folder || !PathExists(folder)) return false;
    SeenNames seen(*head);
    RepeatedLines repeats;
    ItemAppender list(head);
    auto added = [&](PanelItem* item) {
        if (item) {
            seen.SetHead(*head);
            seen.Add(item);
        }
        return item;
    };
    auto take = [&](const char* entry, const EntryFacts* facts) {
        return added(AppendNewItem(list, parent, folder, entry, facts));
    };
    auto takeCopy = [&](const PanelItem& same) { return added(list.Append(same)); };

    char orderFile[kPathSize];
    if (JoinPath(folder, kOrderFileName, orderFile, sizeof orderFile) && PathExists(orderFile)) {
        OwnedText text(ReadUserTextFile(orderFile, NamesFileOfFolder, folder));
        OrderFileReader reader(text.Get());
        // Room for any one name of the file system, even in double-byte characters.
        char entry[4 * kPathSize];
        char shortName[kPathSize], path[kPathSize];
        bool tooLong;
        while (reader.Next(entry, sizeof entry, &tooLong)) {
            if (tooLong || !entry[0]) continue;
            if (IsSeparatorLine(entry)) {
                take(entry, nullptr);
                continue;
            }
            // Only names of this folder's own files; a file name never holds
            // wildcards, and as a search pattern it would find another file.
            if (!IsFolderEntryName(entry) || HasWildcard(entry)) continue;
            const char* name = entry;
            if (!JoinPath(folder, entry, path, sizeof path)) {
                // Too long for a path: the file opens by its short name, which
                // is also how the listing lists it.
                if (!ShortNameInFolder(folder, entry, shortName, sizeof shortName) ||
                    !JoinPath(folder, shortName, path, sizeof path))
                    continue;
                name = shortName;
            }
            // A line written again gives one more item like the first, without
            // asking the file system and the shell again.
            if (const PanelItem* same = repeats.Find(name)) {
                takeCopy(*same);
                continue;
            }
            WIN32_FIND_DATAA found;
            OwnedFind search(FindFirstFileA(path, &found));
            if (!search) continue;  // the name no longer exists
            const EntryFacts facts{found.dwFileAttributes, found.ftLastWriteTime};
            const PanelItem* item = take(name, &facts);
            if (item && !(facts.attributes & FILE_ATTRIBUTE_DIRECTORY)) repeats.Remember(name, item);
        }
    }

    FolderListing listing(folder);
    ListedEntry entry;
    while (listing.Next(entry)) {
        if (!std::strcmp(entry.name, ".") || !std::strcmp(entry.name, "..")) continue;
        if (entry.attributes & FILE_ATTRIBUTE_HIDDEN) continue;
        if (!PassesShortcutFilter(entry) || seen.Contains(entry.name)) continue;
        const EntryFacts facts{entry.attributes, entry.lastWrite};
        take(entry.name, &facts);
    }

    if (Option(gSettings, kOptSort)) SortItems(head, CurrentSortKey());
    return true;
}

bool WriteOrderFile(const PanelItem* first) {
    if (!first) return false;
    char folder[kPathSize], path[kPathSize];
    DirectoryOf(first->path, folder, sizeof folder);
    if (!folder[0] || !JoinPath(folder, kOrderFileName, path, sizeof path)) return false;
    std::string text;
    if (!FormatOrderFile(first, FileNameOf, &text)) return false;
    return ReplaceFileContents(path, text.data(), text.size(), FILE_ATTRIBUTE_HIDDEN);
}

void ClearItems() {
    if (gItems.panelImages) ImageList_RemoveAll(gItems.panelImages.Get());
    gItems.panelIndexOfSystemIcon.clear();
    FreeItemList(&gItems.head);
}

PanelItem* FindByFileName(PanelItem* head, const char* fileName) {
    if (!fileName) return nullptr;
    char wanted[kPathSize];
    CopyText(wanted, fileName);
    LowerAnsi(wanted);
    for (PanelItem* item = head; item; item = item->next) {
        if (IsSeparator(item)) continue;
        char key[kPathSize];
        FileNameKey(item->path, key);
        if (std::strcmp(key, wanted) == 0) return item;
    }
    return nullptr;
}

int IndexOfFileName(PanelItem* head, const char* name) {
    if (!name || !*name || !head) return -1;
    char wanted[kPathSize];
    CopyText(wanted, name);
    LowerAnsi(wanted);
    int index = 0;
    for (PanelItem* item = head; item; item = item->next, ++index) {
        char key[kPathSize];
        FileNameKey(item->path, key);
        if (std::strcmp(key, wanted) == 0) return index;
    }
    return -1;
}

bool OpenFolderItems(PanelItem* folder) {
    if (!folder || !IsFolder(folder) || folder->depth != 0 || IndexOfItem(gItems.head, folder) < 0) return false;
    if (!folder->children) ScanFolder(&folder->children, folder, folder->path);
    CloseOpenFolder();
    // The copies are the panel's rows only: own links, no content of their own.
    PanelItem* at = folder;
    for (const PanelItem* child = folder->children; child; child = child->next) {
        PanelItem copy = *child;
        copy.children = nullptr;
        if (PanelItem* inserted = InsertItemAfter(at, copy)) at = inserted;
    }
    folder->flags |= kItemOpen;
    CopyText(gSettings.openFolder, folder->name);
    return true;
}

int CloseOpenFolder() {
    PanelItem* open = FindOpenFolder(gItems.head);
    if (!open) return -1;
    while (open->next && open->next->depth > open->depth) RemoveItem(&gItems.head, open->next);
    open->flags &= ~kItemOpen;
    gSettings.openFolder[0] = '\0';
    return IndexOfItem(gItems.head, open);
}

int ToggleFolder(PanelItem* item) {
    if (!item || !IsFolder(item)) return -1;
    if (IsOpenFolder(item)) {
        CloseOpenFolder();
        return IndexOfItem(gItems.head, item);
    }
    const bool firstScan = item->children == nullptr;
    HCURSOR previous = firstScan ? SetCursor(LoadCursorA(nullptr, IDC_WAIT)) : nullptr;
    OpenFolderItems(item);
    if (firstScan) SetCursor(previous ? previous : LoadCursorA(nullptr, IDC_ARROW));
    return IndexOfItem(gItems.head, item);
}
