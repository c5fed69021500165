#pragma once
// Shared set-up of the item-model tests: real shortcut folders with .lnk and
// .url files and order files, the panel image list, and the option flags.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/settings_store.h"
#include "items/item_model.h"
#include "temp_folder.h"

// Writes a shell link to target.
bool MakeLink(const std::string& lnkPath, const std::string& target);
// Writes an Internet shortcut (an INI text file) to url.
void MakeUrl(const std::string& path, const std::string& url);
// Sets the last-write time to the given 64-bit file time.
void SetWriteTime(const std::string& path, uint64_t time);

// The file names (last path component) or separator marks of a list.
std::vector<std::string> FileNames(const PanelItem* head);

class ItemModelTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Only the given option flags set.
    void Options(std::initializer_list<OptionFlag> flags);
    // Scans the temp folder into the item list, as the rebuild does.
    bool ScanTop();
    std::vector<std::string> TopNames() const { return FileNames(gItems.head); }
    PanelItem* Item(int index) const { return ItemAt(gItems.head, index); }
    // A shortcut to a program of the system.
    void Link(const std::string& name) const;
    void LinkIn(const std::string& folder, const std::string& name) const;

    TempFolder dir;
    std::string target;

private:
    Settings saved_{};
};
