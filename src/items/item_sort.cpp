#include "items/item_sort.h"

#include <new>

#include "base/core/text.h"
#include "base/settings_store.h"
#include "items/item_model.h"

namespace {

int SystemOrder(const char* a, const char* b) { return lstrcmpA(a, b); }

// The shell's file type description, empty when it has none.
void TypeNameOf(const PanelItem* item, char (&out)[80]) {
    SHFILEINFOA info{};
    if (QueryShellInfo(item->path, &info, SHGFI_TYPENAME))
        CopyText(out, info.szTypeName);
    else
        out[0] = '\0';
}

SortFacts FactsOf(const PanelItem* item, const char* typeName) {
    return SortFacts{item->name, typeName, FileTimeValue(item->lastWriteTime)};
}

}  // namespace

int CurrentSortKey() { return SortKeyFromOptions(gSettings.optionFlags); }

bool ItemPrecedes(const PanelItem* a, const PanelItem* b, int key) {
    if (!a || !b) return false;
    char typeA[80] = "", typeB[80] = "";
    if (SortNeedsTypeNames(key)) {
        TypeNameOf(a, typeA);
        TypeNameOf(b, typeB);
    }
    return Precedes(FactsOf(a, typeA), FactsOf(b, typeB), key, SystemOrder);
}

void SortItems(PanelItem** head, int key) {
    if (!head || key == kSortNone) return;
    const int n = ItemCount(*head);
    if (n < 2) return;
    if (!SortNeedsTypeNames(key)) {
        SortListContents(*head, key, SystemOrder, nullptr);
        return;
    }
    struct TypeName {
        char text[80];
    };
    TypeName* names = new (std::nothrow) TypeName[n];
    const char** pointers = new (std::nothrow) const char*[n];
    if (names && pointers) {
        int k = 0;
        for (PanelItem* item = *head; item; item = item->next, ++k) {
            TypeNameOf(item, names[k].text);
            pointers[k] = names[k].text;
        }
        SortListContents(*head, key, SystemOrder, pointers);
    }
    delete[] pointers;
    delete[] names;
}
