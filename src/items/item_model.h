#pragma once
// The item model: the item list scanned from the shortcut folder, with the
// shell's display names and icons, and the opening and closing of folders in
// the panel. The content rebuild creates the image lists, scans and frees.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "base/handles.h"
#include "items/core/item_list.h"

struct ItemModel {
    PanelItem* head = nullptr;               // the item list: first top-level item
    OwnedImageList panelImages;              // every item icon, square at iconSize
    OwnedImageList arrowImages;              // the folder arrows; the skin sizes and fills it
    HIMAGELIST systemSmallImages = nullptr;  // the system's shared lists, never destroyed
    HIMAGELIST systemLargeImages = nullptr;
    int iconSize = 16;                        // the skin's; 24 or less takes the small system icons
    std::vector<int> panelIndexOfSystemIcon;  // panel image of each system icon copied so far, or -1
    unsigned long shellCalls = 0;             // shell file-information queries made so far
};

extern ItemModel gItems;

// SHGetFileInfoA on path, counted in gItems.shellCalls.
DWORD_PTR QueryShellInfo(const char* path, SHFILEINFOA* info, UINT flags);

// Colour flags of both image lists from the desktop's colour depth and kOptImageLists32Bit.
UINT ItemImageListFlags();
// The arrow image list at 16 by 16; false when it cannot be created.
bool CreateArrowImageList();
// The panel image list at iconSize by iconSize, which also decides between
// small and large system icons; false when it cannot be created.
bool CreatePanelImageList(int iconSize);
void DestroyItemImageLists();
// Looks up the handles of the system's small and large icon image lists.
void LookUpSystemImageLists();

// Scans folder into the list at head: first the entries of its order file,
// then the listing's remaining shortcuts, then the sort the options ask for.
// parent is the folder item whose content this is, or null at top level.
// False, with the list unchanged, when folder is empty or does not exist.
bool ScanFolder(PanelItem** head, PanelItem* parent, const char* folder);
// Makes one item for entry of folder (a file name or the separator line) and
// appends it; false when nothing was appended.
bool AddItem(PanelItem** head, PanelItem* parent, const char* folder, const char* entry);

// Writes the order file of the list starting at first into the list's
// folder: hidden, one line per item in list order, each ended by CR LF. The
// old file is replaced only by a complete new one; false, with the old file
// kept, when the folder cannot be written.
bool WriteOrderFile(const PanelItem* first);

// Removes every icon from the panel image list and frees the whole tree.
void ClearItems();

// The first non-separator item whose path's last component equals fileName,
// ignoring letter case; null for none.
PanelItem* FindByFileName(PanelItem* head, const char* fileName);
// Index of the first item, separators included, whose path's last component
// equals name ignoring letter case; -1 for an empty name, list or no match.
int IndexOfFileName(PanelItem* head, const char* name);

// Opens a top-level folder in the panel: loads its content when needed,
// closes any other open folder and splices copies of the children in after it.
// False when folder is not a top-level folder of the item list.
bool OpenFolderItems(PanelItem* folder);
// Closes the open folder, if any, removing its spliced copies. The index of
// its item afterwards, or -1 when none was open.
int CloseOpenFolder();
// Opens a closed folder item inside the panel (the first opening scans the
// folder under the wait cursor), or closes it when it is the open one. The
// item's index afterwards; -1, doing nothing, for anything but a folder.
int ToggleFolder(PanelItem* item);
