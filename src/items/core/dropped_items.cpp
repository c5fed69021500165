#include "items/core/dropped_items.h"

#include <cstdio>
#include <cstring>

#include "base/core/text.h"

namespace {

// The highest number a taken name is tried with: past it the folder is
// surely not worth searching further.
constexpr int kMaxNameNumber = 9999;

// A name that ends in one of the extensions the panel lists as shortcuts.
bool HasShortcutExtension(const char* name) {
    char extension[8];
    ExtensionOf(name, extension, sizeof extension);
    if (std::strlen(extension) != 3) return false;
    LowerAscii(extension);
    return std::strcmp(extension, "lnk") == 0 || std::strcmp(extension, "url") == 0;
}

int64_t Wrap(int64_t index, int64_t count) { return ((index % count) + count) % count; }

}  // namespace

bool IsShortcutFileName(const char* name) { return name && HasShortcutExtension(name); }

bool DroppedItemName(const char* droppedName, bool directory, size_t folderLength, NameTaken taken, const void* context,
                     char* out, size_t outSize) {
    if (!out || !outSize) return false;
    out[0] = '\0';
    if (!droppedName || !*droppedName || !taken) return false;
    const size_t length = std::strlen(droppedName);

    // The name splits into a stem and what follows it in every numbered name.
    size_t stemLength = length;
    const char* ending = ".lnk";
    if (!directory) {
        // The last dot starts the extension; a name that begins with its only
        // dot (".profile") is all stem. A dot is never the second byte of a
        // double-byte character, so the search needs no care for those.
        const char* dot = std::strrchr(droppedName, '.');
        if (dot && dot != droppedName) {
            if (HasShortcutExtension(droppedName)) ending = dot;
            stemLength = static_cast<size_t>(dot - droppedName);
        }
    }

    // The path limit: the folder, a backslash, the name and its terminator
    // within the system's 260 characters, and the name within out.
    const size_t room = kPathSize > folderLength + 2 ? kPathSize - folderLength - 2 : 0;
    const size_t limit = room < outSize - 1 ? room : outSize - 1;
    char number[16] = "";
    for (int n = 1; n <= kMaxNameNumber; ++n) {
        if (n > 1) std::snprintf(number, sizeof number, " (%d)", n);
        const size_t endingLength = std::strlen(ending), numberLength = std::strlen(number);
        if (stemLength + numberLength + endingLength > limit) return false;
        std::memcpy(out, droppedName, stemLength);
        std::memcpy(out + stemLength, number, numberLength);
        std::memcpy(out + stemLength + numberLength, ending, endingLength + 1);
        if (!taken(out, context)) return true;
    }
    out[0] = '\0';
    return false;
}

DropSpot DropSpotAtRow(const PanelItem* head, int32_t current, int32_t cursorRow, int32_t row, bool noLoop) {
    const DropSpot append{nullptr, -1, -1};
    const int64_t count = ItemCount(head);
    if (row < 0 || count == 0) return append;
    // A current index past the end is shown as 0, as the panel draws it.
    const int64_t shown = current >= 0 && current < count ? current : 0;
    int64_t target = shown + static_cast<int64_t>(row) - cursorRow;
    if (noLoop) {
        if (target < 0 || target >= count) return append;
    } else {
        target = Wrap(target, count);
    }

    // The row's item and the nearest top-level item at or before it, which
    // for a row of an open folder's content is that folder.
    const PanelItem* item = head;
    const PanelItem* topLevel = nullptr;
    int64_t topLevelIndex = -1, topLevelCount = 0;
    for (int64_t i = 0; i < target; ++i, item = item->next) {
        if (item->depth == 0) {
            topLevel = item;
            topLevelIndex = i;
            ++topLevelCount;
        }
    }
    const int32_t itemIndex = static_cast<int32_t>(target);
    if (item->depth == 0 || !topLevel) return DropSpot{nullptr, static_cast<int32_t>(topLevelCount), itemIndex};
    return DropSpot{topLevel, static_cast<int32_t>(target - topLevelIndex - 1), itemIndex};
}

int32_t CurrentShowingOnRow(int32_t index, int32_t row, int32_t cursorRow, int32_t count, bool noLoop) {
    if (count <= 0) return 0;
    const int64_t current = static_cast<int64_t>(index) - (static_cast<int64_t>(row) - cursorRow);
    if (!noLoop) return static_cast<int32_t>(Wrap(current, count));
    return current >= 0 && current < count ? static_cast<int32_t>(current) : index;
}
