// The reorder dialog of the real Korvane.exe, opened from the tray menu and
// worked with the keyboard and the mouse as a user does: the order files it
// leaves, the recycle bin, and the panel rebuilt from them.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <tuple>

#include "driver.h"
#include "input.h"
#include "recycle_bin.h"

namespace {

constexpr int kList = 1017, kUp = 1032, kSeparator = 1034, kDelete = 1015;
constexpr char kTitle[] = "アイテムの並べ替え";
// Previous-position placement, folders in the panel, no mouse hook, no fade, no scroll animation.
const std::initializer_list<OptionFlag> kBase = {kOptMousePlace,  kOptMousePlaceAtCursor, kOptFoldersInPanel,
                                                 kOptFolderArrow, kOptHandCursor,         kOptAccelerators,
                                                 kOptIndentMedium};

// Size, last write and attributes of every file and folder under root.
using Facts = std::tuple<DWORD, DWORD, DWORD, DWORD>;
void Snapshot(const std::string& root, const std::string& prefix, std::map<std::string, Facts>& out) {
    WIN32_FIND_DATAA f;
    HANDLE find = FindFirstFileA((root + "\\*").c_str(), &f);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (f.cFileName[0] == '.') continue;
        const std::string name = prefix + f.cFileName;
        out[name] = Facts{f.nFileSizeLow, f.ftLastWriteTime.dwLowDateTime, f.ftLastWriteTime.dwHighDateTime,
                          f.dwFileAttributes};
        if (f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) Snapshot(root + "\\" + f.cFileName, name + "\\", out);
    } while (FindNextFileA(find, &f));
    FindClose(find);
}

bool ProcessRuns(const char* exeName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry))
        found = lstrcmpiA(entry.szExeFile, exeName) == 0;
    CloseHandle(snapshot);
    return found;
}

void Keys(std::initializer_list<WORD> keys, bool withAlt = false) {
    for (WORD k : keys) {
        PressKey(k, withAlt);
        Sleep(120);
    }
}
// A button by its mnemonic, then the keyboard back to the list ("アイテムリスト(&I)").
void Press(WORD mnemonic) { Keys({mnemonic, 'I'}, true); }
int Count(HWND dialog) { return static_cast<int>(SendDlgItemMessageA(dialog, kList, LB_GETCOUNT, 0, 0)); }
int Selection(HWND dialog) { return static_cast<int>(SendDlgItemMessageA(dialog, kList, LB_GETCURSEL, 0, 0)); }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }

void DoubleClickEntry(HWND dialog, int index) {
    HWND list = GetDlgItem(dialog, kList);
    POINT p{40, (index - static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0))) * 20 + 10};
    ClientToScreen(list, &p);
    ASSERT_TRUE(PlacePointer(p.x, p.y));
    INPUT clicks[4]{};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    }
    SendInput(4, clicks, sizeof(INPUT));
}

// The shell's question before a delete, answered with "はい(&Y)".
bool ConfirmDelete(HWND dialog) {
    HWND question = nullptr;
    WaitFor([&] {
        for (question = FindWindowExA(nullptr, nullptr, "#32770", nullptr); question;
             question = FindWindowExA(nullptr, question, "#32770", nullptr))
            if (GetWindow(question, GW_OWNER) == dialog && IsWindowVisible(question)) return true;
        return false;
    });
    Sleep(150);
    Keys({'Y'});
    return question && WaitFor([&] { return !IsWindow(question); });
}

class Reorder : public testing::Test {
protected:
    void SetUp() override {
        shortcuts = run.Folder().MakeFolder("shortcuts");
        markers = run.Folder().MakeFolder("markers");
    }
    // A shortcut to cmd.exe that leaves markers\<marker>.
    void Shortcut(const std::string& file, const std::string& marker) const {
        ASSERT_TRUE(MakeShortcut(shortcuts + "\\" + file, "C:\\windows\\system32\\cmd.exe",
                                 "/c echo ran> " + markers + "\\" + marker));
    }
    void Start(std::initializer_list<OptionFlag> flags) {
        run.WriteIni("[Window]\r\nLeft=200\r\nTop=100\r\nLeft2=200\r\nTop2=100\r\n[General]\r\nShortcut=" + shortcuts +
                     "\r\nIconIndex=0\r\nNFlags=" + FlagText(flags) + "\r\n");
        ASSERT_TRUE(run.Start());
        ASSERT_TRUE(Settled());
    }
    bool Settled() const { return SendMessageTimeoutA(run.Panel(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr) != 0; }

    // "アイテムの並べ替え(&E)..." from the tray icon's menu; the dialog once it is up.
    HWND OpenDialog() const {
        PlacePointer(500, 420);
        PostMessageA(run.Panel(), 0x8064, 501, WM_RBUTTONUP);
        if (!WaitFor([] { return IsWindowVisible(FindWindowA("#32768", nullptr)) != 0; })) return nullptr;
        Sleep(100);
        Keys({'E'});
        HWND dialog = nullptr;
        WaitFor([&] {
            DWORD pid = 0;
            dialog = FindWindowA("#32770", kTitle);
            GetWindowThreadProcessId(dialog, &pid);
            return pid == run.ProcessId() && IsWindowVisible(dialog);
        });
        Sleep(200);
        return dialog;
    }
    // Calls the panel up and starts the item the keys lead to; the markers left.
    std::string Launch(std::initializer_list<WORD> keys) const {
        EXPECT_EQ(run.RunAgain("/h"), 1);
        EXPECT_TRUE(WaitFor([&] { return ReadWindow(run.Panel()).visible; }));
        Sleep(150);
        Keys(keys);
        Keys({VK_RETURN});
        std::map<std::string, Facts> ran;
        WaitFor([&] {
            Snapshot(markers, "", ran);
            return !ran.empty();
        });
        // The started program takes the foreground when it ends; until then
        // it could hide the panel that the next call shows.
        WaitFor([] { return !ProcessRuns("cmd.exe"); });
        Snapshot(markers, "", ran);
        std::string names;
        for (const auto& entry : ran) {
            names += (names.empty() ? "" : ",") + entry.first;
            DeleteFileA((markers + "\\" + entry.first).c_str());
        }
        return names;
    }
    std::string Read(const std::string& name) const { return run.Folder().Read("shortcuts\\" + name); }

    KorvaneRun run;
    std::string shortcuts, markers;
};

TEST_F(Reorder, MoveSeparateDeleteAndMoveInsideAFolderFromTheTrayMenu) {
    const std::string doomed = "doomed" + std::to_string(GetTickCount()) + ".lnk";
    for (const char* name : {"a", "b", "c"}) Shortcut(std::string(name) + ".lnk", name);
    Shortcut(doomed, "doomed");
    run.Folder().MakeFolder("shortcuts\\Docs");
    Shortcut("Docs\\x.lnk", "x");
    Shortcut("Docs\\y.lnk", "y");
    run.Folder().Write("shortcuts\\shortcut.ini", "a.lnk\r\nb.lnk\r\n" + doomed + "\r\nDocs\r\nc.lnk\r\n");
    run.Folder().Write("shortcuts\\Docs\\shortcut.ini", "x.lnk\r\ny.lnk\r\n");
    std::map<std::string, Facts> before, after;
    Snapshot(shortcuts, "", before);
    Start(kBase);

    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Count(dialog), 5);
    Keys({VK_HOME, VK_DOWN});  // b
    ASSERT_EQ(Selection(dialog), 1);
    Press('U');  // b, a, doomed, Docs, c
    EXPECT_EQ(Selection(dialog), 0);
    EXPECT_FALSE(Enabled(dialog, kUp));
    Keys({VK_DOWN});
    Press('S');  // b, --, a, doomed, Docs, c
    EXPECT_EQ(Count(dialog), 6);
    EXPECT_FALSE(Enabled(dialog, kSeparator));
    Keys({VK_DOWN});  // doomed
    Keys({'E'}, true);
    ASSERT_TRUE(ConfirmDelete(dialog));
    ASSERT_TRUE(WaitFor([&] { return Count(dialog) == 5; }));  // b, --, a, Docs, c
    EXPECT_FALSE(Enabled(dialog, kDelete));                    // nothing selected
    DoubleClickEntry(dialog, 3);                               // Docs unfolds: b, --, a, Docs, x, y, c
    ASSERT_TRUE(WaitFor([&] { return Count(dialog) == 7; }));
    Keys({'I'}, true);
    Keys({VK_DOWN, VK_DOWN});  // y
    ASSERT_EQ(Selection(dialog), 5);
    Press('U');
    EXPECT_EQ(Selection(dialog), 4);
    if (const char* dir = std::getenv("KORVANE_SHOTS")) SaveScreenshot(std::string(dir) + "\\reorder_dialog.bmp");
    Keys({'C'}, true);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(Settled());

    EXPECT_EQ(Read("shortcut.ini"), "b.lnk\r\n/separator/\r\na.lnk\r\nDocs\r\nc.lnk\r\n");
    EXPECT_EQ(Read("Docs\\shortcut.ini"), "y.lnk\r\nx.lnk\r\n");
    EXPECT_TRUE(InRecycleBin(doomed));
    // Nothing else changed: the same files with the same sizes, times and attributes.
    Snapshot(shortcuts, "", after);
    before.erase(doomed);
    for (const char* changed : {"shortcut.ini", "Docs", "Docs\\shortcut.ini"}) {
        EXPECT_TRUE(std::get<3>(after[changed]) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY)) << changed;
        before.erase(changed);
        after.erase(changed);
    }
    EXPECT_EQ(after, before);

    // The panel shows the new order: b, a past the separator, and in Docs y first.
    EXPECT_EQ(Launch({}), "b");
    EXPECT_EQ(Launch({VK_DOWN}), "a");
    EXPECT_EQ(Launch({VK_DOWN, VK_RIGHT, VK_DOWN}), "y");
    EXPECT_EQ(run.Close(), 0);
}

TEST_F(Reorder, WithSortingOnTheFileGetsTheMoveButThePanelStaysSorted) {
    for (const char* name : {"a", "b", "c"}) Shortcut(std::string(name) + ".lnk", name);
    run.Folder().Write("shortcuts\\shortcut.ini", "c.lnk\r\na.lnk\r\nb.lnk\r\n");
    Start({kOptMousePlace, kOptMousePlaceAtCursor, kOptSort, kOptSortByName, kOptFoldersInPanel, kOptFolderArrow,
           kOptHandCursor, kOptAccelerators, kOptIndentMedium});
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);

    // While it is open, calling the panel up brings the dialog forward instead.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 50, 50, 200, 100, nullptr, nullptr,
                                 nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == other; }));
    EXPECT_EQ(run.RunAgain("/h"), 1);
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == dialog; }));
    EXPECT_FALSE(ReadWindow(run.Panel()).visible);
    DestroyWindow(other);

    Keys({VK_HOME, VK_DOWN});  // the list shows a, b, c: b
    Press('D');
    EXPECT_EQ(Selection(dialog), 2);
    Keys({'C'}, true);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(Settled());
    EXPECT_EQ(Read("shortcut.ini"), "a.lnk\r\nc.lnk\r\nb.lnk\r\n");
    EXPECT_EQ(Launch({VK_DOWN}), "b");
    EXPECT_EQ(run.Close(), 0);
}

}  // namespace
