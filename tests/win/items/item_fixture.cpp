#include "item_fixture.h"

#include <cstring>
#include <fstream>

#include "items/core/item_list.h"
#include "shell_link.h"
#include "base/files.h"

bool MakeLink(const std::string& lnkPath, const std::string& target) { return MakeShellLink(lnkPath, target); }

void MakeUrl(const std::string& path, const std::string& url) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "[InternetShortcut]\r\nURL=" << url << "\r\n";
}

void SetWriteTime(const std::string& path, uint64_t time) {
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    FILETIME ft{static_cast<DWORD>(time), static_cast<DWORD>(time >> 32)};
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &ft));
    CloseHandle(file);
}

std::vector<std::string> FileNames(const PanelItem* head) {
    std::vector<std::string> out;
    for (const PanelItem* p = head; p; p = p->next) {
        if (IsSeparator(p)) {
            out.push_back("--");
            continue;
        }
        char name[MAX_PATH];
        FileNameOf(p->path, name, sizeof name);
        out.push_back(name);
    }
    return out;
}

void ItemModelTest::SetUp() {
    std::memcpy(&saved_, &gSettings, sizeof saved_);
    Options({});
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    target = std::string(system) + "\\notepad.exe";
    LookUpSystemImageLists();
    ASSERT_TRUE(CreateArrowImageList());
    ASSERT_TRUE(CreatePanelImageList(16));
    gItems.head = nullptr;
}

void ItemModelTest::TearDown() {
    ClearItems();
    DestroyItemImageLists();
    std::memcpy(&gSettings, &saved_, sizeof saved_);
}

void ItemModelTest::Options(std::initializer_list<OptionFlag> flags) {
    std::memset(gSettings.optionFlags, 0, sizeof gSettings.optionFlags);
    for (OptionFlag n : flags) SetOption(gSettings.optionFlags, n);
}

bool ItemModelTest::ScanTop() {
    ClearItems();
    const bool scanned = ScanFolder(&gItems.head, nullptr, dir.Path().c_str());
    if (gItems.head) gItems.head->headSlot = &gItems.head;
    return scanned;
}

void ItemModelTest::Link(const std::string& name) const { ASSERT_TRUE(MakeLink(dir.File(name), target)) << name; }

void ItemModelTest::LinkIn(const std::string& folder, const std::string& name) const {
    ASSERT_TRUE(MakeLink(folder + "\\" + name, target)) << name;
}
