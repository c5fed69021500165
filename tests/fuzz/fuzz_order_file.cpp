// Reads arbitrary bytes as an order file and builds an item list from its
// entries the way a scan does, then reorders and frees it. The reader must
// yield exactly the lines GetLine yields (flagging, not cutting, the ones that
// do not fit), and the list must stay consistent through every operation.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "items/core/item_list.h"
#include "items/core/item_order.h"
#include "items/core/order_file.h"
#include "base/core/text.h"

namespace {

int ByteOrder(const char* a, const char* b) { return std::strcmp(a, b); }

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

void CheckLinks(PanelItem* const* slot) {
    const PanelItem* prev = nullptr;
    for (const PanelItem* p = *slot; p; prev = p, p = p->next) {
        Check(p->prev == prev);
        Check(p == *slot ? p->headSlot == slot : p->headSlot == nullptr);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte picks the line buffer size, so short buffers are tried too.
    const size_t pick = data[0] % 64;
    const size_t lineSize = pick == 0 ? kPathSize : pick + 1;
    std::vector<char> text(data + 1, data + size);
    text.push_back('\0');

    PanelItem* head = nullptr;
    OrderFileReader reader(text.data());
    std::vector<char> line(lineSize), expected(lineSize + 1);
    bool tooLong = false;
    int index = 0;
    for (; reader.Next(line.data(), line.size(), &tooLong); ++index) {
        Check(GetLine(text.data(), index, expected.data(), expected.size()));
        if (tooLong) {
            Check(line[0] == '\0' && std::strlen(expected.data()) >= lineSize);
            continue;
        }
        Check(std::strcmp(line.data(), expected.data()) == 0);

        PanelItem item{};
        CopyText(item.name, line.data());
        if (IsSeparatorLine(line.data())) item.flags = kItemSeparator;
        JoinPath("C:\\folder", line.data(), item.path, sizeof item.path);
        item.accelerator = AcceleratorOf(item.name);
        item.lastWriteTime = {static_cast<uint32_t>(index * 7 % 5), 0};
        // Alternate between the places a list grows and shrinks.
        const int count = ItemCount(head);
        switch (index % 5) {
            case 0:
                AppendItem(&head, item);
                break;
            case 4: {
                ItemAppender appender(&head);
                appender.Append(item);
                appender.Append(item);
                break;
            }
            case 1:
                InsertItemAt(&head, 0, item);
                break;
            case 2:
                InsertItemAt(&head, count / 2, item);
                break;
            default:
                RemoveItemAt(&head, static_cast<int>(static_cast<unsigned char>(line[0])) % (count + 1));
                break;
        }
        if (head && !head->headSlot) head->headSlot = &head;
        CheckLinks(&head);
    }
    Check(!GetLine(text.data(), index, expected.data(), expected.size()));

    const int count = ItemCount(head);
    for (int key = 1; key <= 6; ++key) {
        Check(SortListContents(head, key, ByteOrder, nullptr));
        CheckLinks(&head);
        Check(ItemCount(head) == count);
        if (key == 1)
            for (const PanelItem* p = head; p && p->next; p = p->next) Check(std::strcmp(p->name, p->next->name) <= 0);
    }
    if (count) Check(StepIndex(head, 0, -1) == count - 1);
    FreeItemList(&head);
    return 0;
}
