// Scans a folder of 1,000 shortcuts and sorts it by name, type and date, and
// sets each against the bare shell queries the same work has to make; then
// scans folders of 1,000, 3,000 and 10,000 Internet shortcuts and an order
// file of 100,000 lines, for the processor time per item, which must not grow
// with the number of items. Prints figures; it asserts nothing.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/settings_store.h"
#include "items/core/item_list.h"
#include "items/item_model.h"
#include "items/item_sort.h"
#include "win/items/shell_link.h"

namespace {

constexpr int kShortcuts = 1000;
constexpr int kRounds = 5;

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

// The processor time this process has used, in seconds. The machine these run
// on is shared, so wall time swings with the load; processor time much less.
double ProcessSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

struct Cost {
    double wall, processor;
};

template <typename F>
Cost Timed(F work) {
    const double wall = Now(), processor = ProcessSeconds();
    work();
    return Cost{Now() - wall, ProcessSeconds() - processor};
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
    const int iconCount = static_cast<int>(reinterpret_cast<UINT_PTR>(
        ExtractIconA(GetModuleHandleA(nullptr), (std::string(system) + "\\shell32.dll").c_str(), UINT(-1))));
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
void BareShellQueries(const std::vector<std::string>& paths, bool typeNames) {
    for (const std::string& path : paths) {
        SHFILEINFOA info{};
        SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME | SHGFI_SMALLICON);
        if (typeNames) SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_TYPENAME);
    }
}

// Each round times the bare queries and then the scan, back to back, so
// both see about the same load; the ratios are the medians of the rounds'.
void Measure(const char* label, const BenchFolder& dir, std::initializer_list<OptionFlag> flags, bool typeNames,
             const std::vector<std::string>& paths) {
    std::memset(gSettings.optionFlags, 0, sizeof gSettings.optionFlags);
    for (OptionFlag n : flags) SetOption(gSettings.optionFlags, n);
    std::vector<double> scan, bare, wallRatio, processorRatio;
    unsigned long calls = 0;
    for (int round = 0; round < kRounds; ++round) {
        const Cost b = Timed([&] { BareShellQueries(paths, typeNames); });
        ClearItems();
        const unsigned long before = gItems.shellCalls;
        const Cost s = Timed([&] { ScanFolder(&gItems.head, nullptr, dir.Path().c_str()); });
        calls = gItems.shellCalls - before;
        scan.push_back(s.wall);
        bare.push_back(b.wall);
        wallRatio.push_back(s.wall / b.wall);
        processorRatio.push_back(s.processor / b.processor);
    }
    std::printf(
        "%-16s items %4d  scan %7.0f ms  shell calls %5lu  bare calls %7.0f ms  ratio %.2f (processor time %.2f)\n",
        label, ItemCount(gItems.head), Median(scan) * 1000, calls, Median(bare) * 1000, Median(wallRatio),
        Median(processorRatio));
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
    std::printf("%-16s sort only %8.2f ms  shell calls %5lu\n", label, Median(times) * 1000, calls);
}

std::vector<std::string> ShortcutsOf(const BenchFolder& dir, const char* pattern = "*.lnk") {
    std::vector<std::string> paths;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((dir.Path() + "\\" + pattern).c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do paths.push_back(dir.File(data.cFileName));
        while (FindNextFileA(find, &data));
        FindClose(find);
    }
    return paths;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// count Internet shortcuts (the kind a browser leaves), an order file naming
// every tenth.
void PopulateUrls(const BenchFolder& dir, int count) {
    std::string order;
    for (int i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "Site %05d.url", (i * 7919) % count);
        WriteFileBytes(dir.File(name),
                       "[InternetShortcut]\r\nURL=http://example.invalid/" + std::to_string(i) + "\r\n");
        if (i % 10 == 0) order += std::string(name) + "\r\n";
    }
    WriteFileBytes(dir.File("shortcut.ini"), order);
}

// Scans of folders of 1,000, 3,000 and 10,000 Internet shortcuts, in turns
// so that all see about the same load, and of an order file of 100,000 lines
// naming one shortcut. Per item: the medians of the rounds' processor and
// wall time, and the ratio of the processor time to that of the bare shell
// queries in the same folder: 1,000 of its files, asked in each round, stand
// for all (at 10,000 files a pass takes minutes under Wine).
void MeasureGrowthOfTheScan() {
    std::memset(gSettings.optionFlags, 0, sizeof gSettings.optionFlags);
    std::printf("scan growth: the ratio of the scan's processor time per item to the bare shell queries in the same folder "
                "must stay flat\n");
    const int counts[] = {1000, 3000, 10000};
    constexpr int kSizes = 3;
    std::vector<std::unique_ptr<BenchFolder>> dirs;
    for (int count : counts) {
        dirs.push_back(std::make_unique<BenchFolder>(("urls" + std::to_string(count)).c_str()));
        PopulateUrls(*dirs.back(), count);
    }
    // The bare queries are asked in each folder: how long the file system
    // takes to find one file can itself grow with the folder (it does under
    // Wine), and that is no cost of the scan's own.
    std::vector<std::string> samples[kSizes];
    for (int k = 0; k < kSizes; ++k) {
        samples[k] = ShortcutsOf(*dirs[k], "*.url");
        samples[k].resize(std::min<size_t>(samples[k].size(), 1000));
        BareShellQueries(samples[k], false);  // the shell's caches warm up first
    }
    std::vector<double> bare[kSizes], processor[kSizes], wall[kSizes];
    int items[kSizes] = {};
    for (int round = 0; round < 3; ++round) {
        for (int k = 0; k < kSizes; ++k) {
            bare[k].push_back(Timed([&] { BareShellQueries(samples[k], false); }).processor /
                              static_cast<double>(samples[k].size()));
            ClearItems();
            const Cost c = Timed([&] { ScanFolder(&gItems.head, nullptr, dirs[k]->Path().c_str()); });
            items[k] = ItemCount(gItems.head);
            processor[k].push_back(c.processor / (items[k] > 0 ? items[k] : 1));
            wall[k].push_back(c.wall / (items[k] > 0 ? items[k] : 1));
        }
    }
    ClearItems();
    for (int k = 0; k < kSizes; ++k)
        std::printf(
            "%6d .url shortcuts      processor %7.3f ms per item  wall %7.3f ms per item  bare queries in that folder "
            "%7.3f ms per file  ratio %.2f\n",
            items[k], Median(processor[k]) * 1000, Median(wall[k]) * 1000, Median(bare[k]) * 1000,
            Median(processor[k]) / Median(bare[k]));
    dirs.clear();

    // One shortcut named on every line: as many items as lines.
    BenchFolder dir("lines");
    WriteFileBytes(dir.File("Site.url"), "[InternetShortcut]\r\nURL=http://example.invalid/\r\n");
    std::string order;
    for (int i = 0; i < 100000; ++i) order += "Site.url\r\n";
    WriteFileBytes(dir.File("shortcut.ini"), order);
    std::vector<double> lineProcessor, lineWall;
    int lineItems = 0;
    for (int round = 0; round < 3; ++round) {
        ClearItems();
        const Cost c = Timed([&] { ScanFolder(&gItems.head, nullptr, dir.Path().c_str()); });
        lineItems = ItemCount(gItems.head);
        lineProcessor.push_back(c.processor);
        lineWall.push_back(c.wall);
    }
    ClearItems();
    std::printf("order file of 100,000 lines: %d items, processor %.2f s (%.4f ms per item), wall %.2f s\n", lineItems,
                Median(lineProcessor), Median(lineProcessor) * 1000 / (lineItems > 0 ? lineItems : 1),
                Median(lineWall));
}

}  // namespace

// With the argument "growth", only the growth of the scan is measured.
int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // each figure as soon as it is measured
    CoInitialize(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    LookUpSystemImageLists();
    CreateArrowImageList();
    CreatePanelImageList(16);
    const bool growthOnly = argc > 1 && std::strcmp(argv[1], "growth") == 0;
    if (!growthOnly) {
        BenchFolder dir("shared");
        const double made = Now();
        Populate(dir, false);
        std::printf("made %d shortcuts in %.1f s\n", kShortcuts, Now() - made);
        const std::vector<std::string> paths = ShortcutsOf(dir);
        BareShellQueries(paths, true);  // the shell's caches warm up once, for both sides

        Measure("unsorted", dir, {}, false, paths);
        Measure("sorted by name", dir, {kOptSort, kOptSortByName}, false, paths);
        MeasureSortOnly("  by name", kSortNameAscending);
        Measure("sorted by type", dir, {kOptSort, kOptSortByType}, true, paths);
        MeasureSortOnly("  by type", kSortTypeAscending);
        Measure("sorted by date", dir, {kOptSort, kOptSortByDate}, false, paths);
        MeasureSortOnly("  by date", kSortTimeOldestFirst);
        ClearItems();
    }
    if (!growthOnly) {
        BenchFolder dir("distinct");
        Populate(dir, true);
        const std::vector<std::string> paths = ShortcutsOf(dir);
        BareShellQueries(paths, false);
        Measure("distinct icons", dir, {}, false, paths);
        std::printf("%-16s panel images %d\n", "", ImageList_GetImageCount(gItems.panelImages.Get()));
        ClearItems();
    }
    MeasureGrowthOfTheScan();
    DestroyItemImageLists();
    CoUninitialize();
    return 0;
}
