#pragma once
// Files dropped on the panel become items: a shell link for each in the
// shortcut folder, or in the open folder when the drop landed on its rows
// (a dropped shortcut is copied as it is), written into that folder's order
// file at the drop's position. The caller rebuilds the panel afterwards.
#include <windows.h>

#include <string>
#include <vector>

#include "base/core/types.h"
#include "items/core/dropped_items.h"

struct DroppedFilesResult {
    int added = 0;
    char firstPath[kPathSize] = "";  // the first item made, to find it again after the rebuild
    std::string refused;             // the names of the first files not added, one per line
    bool orderFailed = false;        // the order file could not be written; it keeps its old contents
};

// Makes the items for paths at spot, which was taken from the item list as it
// is now. The order file is left alone while the list is sorted (the drop's
// position means nothing then), and rewritten as a whole otherwise, so that
// it either keeps its old lines or holds all the new ones. Never throws.
DroppedFilesResult AddDroppedFiles(const std::vector<std::string>& paths, const DropSpot& spot);

// A shell link at linkPath to target (with target's folder as the working
// folder when target is a file). False, leaving no file, when it cannot be
// written.
bool WriteShellLink(const char* linkPath, const char* target, bool directory);
