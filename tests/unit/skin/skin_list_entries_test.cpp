#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "skin/core/skin_entries.h"

namespace {

int ByteOrder(const char* a, const char* b) { return std::strcmp(a, b); }

struct List {
    SkinEntries entries;
    ~List() { FreeSkinEntries(entries); }
    std::vector<std::string> Names() const {
        std::vector<std::string> out;
        const SkinEntry* prev = nullptr;
        for (const SkinEntry* e = entries.head; e; prev = e, e = e->next) {
            EXPECT_EQ(e->prev, prev);
            out.push_back(e->name);
        }
        return out;
    }
};

using V = std::vector<std::string>;

TEST(SkinEntries, AppendsAtMostFifty) {
    List list;
    for (int i = 0; i < 60; ++i) {
        const std::string name = "skin" + std::to_string(i);
        EXPECT_EQ(AppendSkinEntry(list.entries, name.c_str(), ("C:\\s\\" + name).c_str()), i < kMaxSkins);
    }
    EXPECT_EQ(list.entries.count, 50);
    EXPECT_EQ(list.Names().size(), 50u);
    const SkinEntry* last = SkinEntryAt(list.entries, 49);
    ASSERT_NE(last, nullptr);
    EXPECT_STREQ(last->name, "skin49");
    EXPECT_STREQ(last->folder, "C:\\s\\skin49");
    EXPECT_EQ(last->kind, 0);
    EXPECT_EQ(SkinEntryAt(list.entries, 50), nullptr);
    EXPECT_EQ(SkinEntryAt(list.entries, -1), nullptr);
}

TEST(SkinEntries, RefusesNamesPastThePathLimit) {
    List list;
    const std::string longName(kPathSize, 'x');
    EXPECT_FALSE(AppendSkinEntry(list.entries, longName.c_str(), "C:\\s"));
    EXPECT_FALSE(AppendSkinEntry(list.entries, "a", longName.c_str()));
    EXPECT_FALSE(AppendSkinEntry(list.entries, nullptr, "C:\\s"));
    EXPECT_EQ(list.entries.count, 0);
}

TEST(SortSkinEntries, OrdersByNameAndKeepsEqualNamesInOrder) {
    List list;
    AppendSkinEntry(list.entries, "b", "C:\\1");
    AppendSkinEntry(list.entries, "a", "C:\\2");
    AppendSkinEntry(list.entries, "A", "C:\\3");
    AppendSkinEntry(list.entries, "a", "C:\\4");
    SortSkinEntries(list.entries, ByteOrder);
    EXPECT_EQ(list.Names(), (V{"A", "a", "a", "b"}));
    EXPECT_STREQ(SkinEntryAt(list.entries, 1)->folder, "C:\\2");
    EXPECT_STREQ(SkinEntryAt(list.entries, 2)->folder, "C:\\4");
}

TEST(SortSkinEntries, TwoInTheWrongOrderAndTrivialLists) {
    List list;
    SortSkinEntries(list.entries, ByteOrder);
    AppendSkinEntry(list.entries, "z", "C:\\z");
    SortSkinEntries(list.entries, ByteOrder);
    EXPECT_EQ(list.Names(), (V{"z"}));
    AppendSkinEntry(list.entries, "m", "C:\\m");
    SkinEntry* recordZ = list.entries.head;
    SortSkinEntries(list.entries, ByteOrder);
    EXPECT_EQ(list.Names(), (V{"m", "z"}));
    EXPECT_EQ(SkinEntryAt(list.entries, 1), recordZ);  // records move, they are not copied
}

TEST(FreeSkinEntries, EmptiesTheList) {
    List list;
    AppendSkinEntry(list.entries, "a", "C:\\a");
    FreeSkinEntries(list.entries);
    EXPECT_EQ(list.entries.head, nullptr);
    EXPECT_EQ(list.entries.count, 0);
    EXPECT_TRUE(AppendSkinEntry(list.entries, "b", "C:\\b"));
}

}  // namespace
