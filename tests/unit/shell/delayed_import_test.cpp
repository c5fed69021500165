// Import names of delay-loaded functions: the 32-bit "@N" decoration gives the
// argument bytes a stand-in for a missing function must remove.
#include <gtest/gtest.h>

#include "shell/core/delayed_import.h"

TEST(DelayedImport, SplitsTheStdcallDecoration) {
    char name[32];
    int bytes = -1;
    ASSERT_TRUE(SplitImportName("SHGetFileInfoA@20", name, sizeof name, &bytes));
    EXPECT_STREQ(name, "SHGetFileInfoA");
    EXPECT_EQ(bytes, 20);

    ASSERT_TRUE(SplitImportName("CoUninitialize@0", name, sizeof name, &bytes));
    EXPECT_STREQ(name, "CoUninitialize");
    EXPECT_EQ(bytes, 0);

    // 64-bit and __cdecl names carry no decoration.
    ASSERT_TRUE(SplitImportName("ShellMessageBoxA", name, sizeof name, &bytes));
    EXPECT_STREQ(name, "ShellMessageBoxA");
    EXPECT_EQ(bytes, 0);
}

TEST(DelayedImport, AnAtWithoutDigitsIsPartOfTheName) {
    char name[32];
    int bytes = -1;
    ASSERT_TRUE(SplitImportName("odd@name", name, sizeof name, &bytes));
    EXPECT_STREQ(name, "odd@name");
    EXPECT_EQ(bytes, 0);
    ASSERT_TRUE(SplitImportName("trailing@", name, sizeof name, &bytes));
    EXPECT_STREQ(name, "trailing@");
}

TEST(DelayedImport, ANameLongerThanTheBufferIsRefused) {
    char name[8];
    int bytes = 0;
    EXPECT_FALSE(SplitImportName("ImageList_Create@20", name, sizeof name, &bytes));
    EXPECT_TRUE(SplitImportName("Abcdefg@4", name, sizeof name, &bytes));  // the decoration does not count
    EXPECT_STREQ(name, "Abcdefg");
}
