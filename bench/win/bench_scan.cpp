// Scans a folder of 1,000 shortcuts and sorts it by name, type and date, and
// sets each against the bare shell queries the same work has to make.
// Prints figures; it asserts nothing.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "items/core/item_list.h"
#include "items/item_model.h"
#include "items/item_sort.h"
#include "shell/shell_state.h"
#include "win/items/shell_link.h"

namespace {

constexpr int kShortcuts = 1000;
constexpr int kRounds = 3;

// A folder under the temporary folder, removed with its files at the end.
class BenchFolder {
public:
    explicit BenchFolder(const char* label) {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        path_ = std::string(base) + "kv_bench_scan_" + label + "_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~BenchFolder() {
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((path_ + "\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do DeleteFileA(File(data.cFileName).c_str());
            while (FindNextFileA(find, &data));
            FindClose(find);
        }
        RemoveDirectoryA(path_.c_str());
    }
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A thousand shortcuts with spread-out times and an order file naming every
// tenth. With distinctIcons false they point to a few system programs and
// share their icons, as shortcuts to the same kinds of files do; with it
// true each of them shows another icon of shell32.dll, as far as it has icons.
void Populate(const BenchFolder& dir, bool distinctIcons) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    const char* programs[] = {"notepad.exe", "cmd.exe", "regedit.exe", "winver.exe"};
    const int iconCount = static_cast<int>(
        reinterpret_cast<UINT_PTR>(ExtractIconA(GetModuleHandleA(nullptr), (std::string(system) + "\\shell32.dll").c_str(), UINT(-1))));
    const int templateCount = distinctIcons ? (iconCount > 0 ? iconCount : 1) : 4;
    std::vector<std::string> templates;
    for (int t = 0; t < templateCount; ++t) {
        const std::string path = dir.Path() + "_template_" + std::to_string(t) + ".lnk";
        const std::string program = std::string(system) + "\\" + programs[t % 4];
        if (MakeShellLink(path, program, distinctIcons ? "shell32.dll" : nullptr, t)) templates.push_back(path);
    }
    std::printf("%zu distinct shortcut templates\n", templates.size());
    std::string order;
    for (int i = 0; i < kShortcuts; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "Shortcut %04d.lnk", (i * 7919) % kShortcuts);
        const std::string path = dir.File(name);
        CopyFileA(templates[static_cast<size_t>(i) % templates.size()].c_str(), path.c_str(), FALSE);
        HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        FILETIME time{static_cast<DWORD>(i % 97) * 10000000u, 0x01D90000};
        SetFileTime(file, nullptr, nullptr, &time);
        CloseHandle(file);
        if (i % 10 == 0) order += std::string(name) + "\r\n";
    }
    HANDLE file = CreateFileA(dir.File("shortcut.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, order.data(), static_cast<DWORD>(order.size()), &written, nullptr);
    CloseHandle(file);
    for (const std::string& t : templates) DeleteFileA(t.c_str());
}

// The shell queries a scan of the folder has to make: one display name and
// icon per shortcut, then one type name per item for a sort by type.
double BareShellQueries(const std::vector<std::string>& paths, bool typeNames) {
    const double start = Now();
    for (const std::string& path : paths) {
        SHFILEINFOA info{};
        SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME | SHGFI_SMALLICON);
        if (typeNames) SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_TYPENAME);
    }
    return Now() - start;
}

struct Figures {
    std::vector<double> scan, bare;
    unsigned long calls = 0;
};

void Measure(const char* label, const BenchFolder& dir, std::initializer_list<int> flags, bool typeNames,
             const std::vector<std::string>& paths) {
    std::memset(gSettings.optionFlags, 0, sizeof gSettings.optionFlags);
    for (int n : flags) SetOption(gSettings.optionFlags, n);
    Figures f;
    for (int round = 0; round < kRounds; ++round) {
        f.bare.push_back(BareShellQueries(paths, typeNames));
        ClearItems();
        const unsigned long before = gItems.shellCalls;
        const double start = Now();
        ScanFolder(&gItems.head, nullptr, dir.Path().c_str());
        f.scan.push_back(Now() - start);
        f.calls = gItems.shellCalls - before;
    }
    const double scan = Median(f.scan), bare = Median(f.bare);
    std::printf("%-22s items %4d  scan %8.1f ms  shell calls %5lu  bare calls %8.1f ms  ratio %.2f\n", label,
                ItemCount(gItems.head), scan * 1000, f.calls, bare * 1000, scan / bare);
}

// Sorting an already scanned list again, without the scan around it.
void MeasureSortOnly(const char* label, int key) {
    std::vector<double> times;
    unsigned long calls = 0;
    for (int round = 0; round < kRounds; ++round) {
        const unsigned long before = gItems.shellCalls;
        const double start = Now();
        SortItems(&gItems.head, key);
        times.push_back(Now() - start);
        calls = gItems.shellCalls - before;
    }
    std::printf("%-22s sort only %8.2f ms  shell calls %5lu\n", label, Median(times) * 1000, calls);
}

std::vector<std::string> ShortcutsOf(const BenchFolder& dir) {
    std::vector<std::string> paths;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((dir.Path() + "\\*.lnk").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do paths.push_back(dir.File(data.cFileName));
        while (FindNextFileA(find, &data));
        FindClose(find);
    }
    return paths;
}

}  // namespace

int main() {
    CoInitialize(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    LookUpSystemImageLists();
    CreateArrowImageList();
    CreatePanelImageList(16);
    {
        BenchFolder dir("shared");
        const double made = Now();
        Populate(dir, false);
        std::printf("made %d shortcuts in %.1f s\n", kShortcuts, Now() - made);
        const std::vector<std::string> paths = ShortcutsOf(dir);
        BareShellQueries(paths, true);  // the shell's caches warm up once, for both sides

        Measure("unsorted", dir, {}, false, paths);
        Measure("sorted by name", dir, {16, 17}, false, paths);
        MeasureSortOnly("  by name", kSortNameAscending);
        Measure("sorted by type", dir, {16, 18}, true, paths);
        MeasureSortOnly("  by type", kSortTypeAscending);
        Measure("sorted by date", dir, {16, 51}, false, paths);
        MeasureSortOnly("  by date", kSortTimeOldestFirst);
        ClearItems();
    }
    {
        BenchFolder dir("distinct");
        Populate(dir, true);
        const std::vector<std::string> paths = ShortcutsOf(dir);
        BareShellQueries(paths, false);
        Measure("distinct icons", dir, {}, false, paths);
        std::printf("%-22s panel images %d\n", "", ImageList_GetImageCount(gItems.panelImages.Get()));
        ClearItems();
    }
    DestroyItemImageLists();
    CoUninitialize();
    return 0;
}
