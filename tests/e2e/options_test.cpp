// The options sheet of the real Korvane.exe, opened and worked from outside as
// a user does: from the tray menu, with keys where keys reach it, and its
// effects seen on the panel, on started items and in korvane.ini.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <colordlg.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "callup_support.h"
#include "driver.h"
#include "input.h"
#include "controls/core/control_layout.h"
#include "options/core/other_rows.h"
#include "resources/resource.h"
#include "standins/standin_process.h"

namespace {

constexpr UINT kNotifyIcon = 0x8064;
constexpr UINT kTrayId = 501;

// No mouse hook, no fade and no scroll animation.
const std::initializer_list<OptionFlag> kBase = {kOptMousePlace,  kOptMousePlaceAtCursor, kOptFoldersInPanel,
                                                 kOptFolderArrow, kOptHandCursor,         kOptAccelerators,
                                                 kOptIndentMedium};

// A top-level window of the program with this title, visible.
HWND ProgramWindow(const KorvaneRun& run, const char* title) {
    HWND w = FindWindowA("#32770", title);
    DWORD pid = 0;
    if (w) GetWindowThreadProcessId(w, &pid);
    return w && pid == run.ProcessId() && IsWindowVisible(w) ? w : nullptr;
}

HWND WaitSheet(const KorvaneRun& run) {
    HWND sheet = nullptr;
    WaitFor([&] { return (sheet = ProgramWindow(run, "Tovel panel の設定")) != nullptr; });
    Sleep(200);  // let its pages settle before keys arrive
    return sheet;
}

HWND ShowPage(HWND sheet, int id) {
    SendMessageA(sheet, PSM_SETCURSELID, 0, id);
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

bool Visible(const KorvaneRun& run) { return ReadWindow(run.Panel()).visible; }

void Keys(std::initializer_list<std::vector<WORD>> presses) {
    for (const auto& keys : presses) {
        PressCombination(keys);
        Sleep(150);
    }
}

void ClickAt(int x, int y) {
    PlacePointer(x, y);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
    Sleep(150);
}

class Options : public testing::Test {
protected:
    void SetUp() override {
        shortcuts = run.Folder().MakeFolder("shortcuts");
        others = run.Folder().MakeFolder("others");
        markers = run.Folder().MakeFolder("markers");
    }
    // A shortcut that leaves markers\ran_<marker>.txt when started.
    void Shortcut(const std::string& folder, const std::string& file, const std::string& marker) const {
        ASSERT_TRUE(MakeShortcut(folder + "\\" + file, "C:\\windows\\system32\\cmd.exe",
                                 "/c echo ran> " + markers + "\\ran_" + marker + ".txt"));
    }
    std::string Ini(const std::string& flags) const {
        return "[Window]\r\nLeft=200\r\nTop=100\r\n[General]\r\nShortcut=" + shortcuts + "\r\nNFlags=" + flags + "\r\n";
    }
    // The settings file holds text (it is written key by key after OK).
    bool Saved(const std::string& text) const { return run.ReadIni().find(text) != std::string::npos; }
    bool Ran(const std::string& marker) const { return run.Folder().Exists("markers\\ran_" + marker + ".txt"); }
    // Shows the panel and starts its first item.
    void StartFirstItem() {
        ASSERT_EQ(run.RunAgain("/h"), 1);
        ASSERT_TRUE(WaitFor([&] { return Visible(run); }));
        Sleep(500);  // past the fade-in, which ignores keys
        PressKey(VK_RETURN);
    }
    // Types the entry's mnemonic into the open popup menu itself.
    static void TypeIntoMenu(char mnemonic) {
        HWND menuWindow = FindWindowA("#32768", nullptr);
        if (menuWindow && IsWindowVisible(menuWindow))
            PostMessageA(menuWindow, WM_CHAR, static_cast<WPARAM>(mnemonic), 0);
    }
    // The sheet, opened from the tray menu as a user does (which lets the
    // program bring it to the front), once it takes the keys typed next.
    HWND OpenSheet() {
        PostMessageA(run.Panel(), kNotifyIcon, kTrayId, WM_RBUTTONUP);
        if (!WaitFor([&] { return FindWindowA("#32768", nullptr) != nullptr; })) return nullptr;
        Sleep(150);
        Keys({{'O'}});  // "オプション(&O)..."
        HWND sheet = nullptr;
        // The key reaches the menu only when the program really got the
        // front, which a busy machine sometimes lets another window keep;
        // the entry's letter then goes to the menu window itself.
        if (!WaitFor([&] { return (sheet = ProgramWindow(run, "Tovel panel の設定")) != nullptr; }, 3000))
            TypeIntoMenu('o');
        sheet = WaitSheet(run);
        if (!sheet) return nullptr;
        // A program started from the panel just before may still hold the
        // front; the user then clicks the sheet's caption, again if a busy
        // machine let the first click go by.
        for (int click = 0; click < 4; ++click) {
            if (WaitFor([&] { return GetForegroundWindow() == sheet; }, 2000)) return sheet;
            RECT r;
            GetWindowRect(sheet, &r);
            ClickAt(r.left + 60, r.top + 8);
        }
        return WaitFor([&] { return GetForegroundWindow() == sheet; }) ? sheet : nullptr;
    }

    KorvaneRun run;
    std::string shortcuts, others, markers;
};

TEST_F(Options, TrayMenuOpensTheSheetAndCancellingAfterEveryPageWritesNothing) {
    run.WriteIni(Ini(FlagText({kOptMousePlace, kOptSecondStartActivates, kOptMousePlaceAtCursor, kOptFoldersInPanel})));
    const std::string before = run.ReadIni();
    ASSERT_TRUE(StartAndSettle(run));

    PostMessageA(run.Panel(), kNotifyIcon, kTrayId, WM_RBUTTONUP);
    ASSERT_TRUE(WaitFor([&] { return FindWindowA("#32768", nullptr) != nullptr; }));
    Sleep(150);
    Keys({{'O'}});  // "オプション(&O)..."
    HWND sheet = WaitSheet(run);
    ASSERT_NE(sheet, nullptr);
    if (const char* dir = std::getenv("KORVANE_SHOTS")) SaveScreenshot(std::string(dir) + "\\options_sheet.bmp");

    // While it is open, a second start, the tray icon and the menu command
    // bring the sheet forward instead of acting.
    EXPECT_EQ(run.RunAgain(""), 1);
    PostMessageA(run.Panel(), kNotifyIcon, kTrayId, WM_LBUTTONDBLCLK);
    PostMessageA(run.Panel(), WM_COMMAND, IDM_OPTIONS, 0);
    Sleep(400);
    EXPECT_FALSE(Visible(run));
    EXPECT_EQ(GetForegroundWindow(), sheet);

    // Every page in turn: a click on a tab, back to the first one and on
    // with the arrow keys. (The tabs take two rows, and the row of the page
    // shown moves next to it, so the first tab has no fixed place.)
    HWND tabControl = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    RECT tabs;
    GetWindowRect(tabControl, &tabs);
    ClickAt(tabs.left + 12, tabs.top + 8);
    const int pageCount = static_cast<int>(SendMessageA(tabControl, TCM_GETITEMCOUNT, 0, 0));
    ASSERT_GE(pageCount, 5);
    for (int i = 0; i < pageCount; ++i) Keys({{VK_LEFT}});
    EXPECT_EQ(SendMessageA(sheet, PSM_HWNDTOINDEX, SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0), 0), 0);
    std::vector<HWND> seen(static_cast<size_t>(pageCount));
    for (HWND& page : seen) {
        page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        Keys({{VK_RIGHT}});
    }
    for (size_t i = 1; i < seen.size(); ++i) EXPECT_NE(seen[i], seen[i - 1]) << i;
    Keys({{VK_ESCAPE}});
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(sheet); }));
    Sleep(300);
    EXPECT_EQ(run.ReadIni(), before);
    EXPECT_EQ(run.Close(), 0);
}

TEST_F(Options, ConfirmingReloadsTheItemsOnlyWhenTheListChanged) {
    Shortcut(shortcuts, "a.lnk", "a");
    Shortcut(others, "c.lnk", "c");
    run.WriteIni(Ini(FlagText(kBase)));
    ASSERT_TRUE(StartAndSettle(run));
    // Added behind the program's back: shown only after a reload.
    Shortcut(shortcuts, "b.lnk", "b");
    run.Folder().Write("shortcuts\\shortcut.ini", "b.lnk\r\na.lnk\r\n");

    // The scroll speed alone: saved, but the list is not read again.
    HWND sheet = OpenSheet();
    ASSERT_NE(sheet, nullptr);
    SendDlgItemMessageA(ShowPage(sheet, IDD_EFFECTS_PAGE), IDC_SCROLL_SPEED, TBM_SETPOS, TRUE, 9);
    Keys({{VK_RETURN}});
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(sheet); }));
    EXPECT_TRUE(WaitFor([&] { return Saved("ScrollSpeed=9\r\n"); }));
    StartFirstItem();
    EXPECT_TRUE(WaitFor([&] { return Ran("a"); }));
    EXPECT_FALSE(Ran("b"));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !Visible(run); }));

    // Another shortcut folder: its items are there at once.
    sheet = OpenSheet();
    ASSERT_NE(sheet, nullptr);
    SetDlgItemTextA(ShowPage(sheet, IDD_FOLDER_PAGE), IDC_SHORTCUT_FOLDER, others.c_str());
    Keys({{VK_RETURN}});
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(sheet); }));
    StartFirstItem();
    EXPECT_TRUE(WaitFor([&] { return Ran("c"); }));
    EXPECT_EQ(run.Close(), 0);
    EXPECT_NE(run.ReadIni().find("Shortcut=" + others + "\r\n"), std::string::npos);
}

TEST_F(Options, AHotkeyChangedInTheSheetWorksAtOnceAndARefusedOneIsNamed) {
    // Another program holds Ctrl+Alt+K.
    HWND holder = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(holder, 1, MOD_CONTROL | MOD_ALT, 'K'));
    run.WriteIni(Ini(FlagText(kBase)));
    ASSERT_TRUE(StartAndSettle(run));

    // The taken combination cannot be typed (the other program's hotkey eats
    // it), so it is put into the control directly.
    HWND sheet = OpenSheet();
    ASSERT_NE(sheet, nullptr);
    HWND page = ShowPage(sheet, IDD_PANEL_PAGE);
    SendDlgItemMessageA(page, IDC_USE_HOTKEY, BM_CLICK, 0, 0);
    SendDlgItemMessageA(page, IDC_HOTKEY, HKM_SETHOTKEY, 0x064B, 0);
    Keys({{VK_RETURN}});
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = ProgramWindow(run, "Tovel panel")) != nullptr; }));
    char text[512] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_NE(std::string(text).find("Ctrl+Alt+K"), std::string::npos) << text;
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == box; }));
    Keys({{VK_RETURN}});
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(sheet) && !IsWindow(box); }));
    // Confirmed all the same.
    EXPECT_TRUE(WaitFor([&] { return Saved("Hotkey=1611\r\n"); })) << run.ReadIni();

    // A free one, typed into the control as a user does.
    sheet = OpenSheet();
    ASSERT_NE(sheet, nullptr);
    page = ShowPage(sheet, IDD_PANEL_PAGE);
    HWND control = GetDlgItem(page, IDC_HOTKEY);
    RECT r;
    GetWindowRect(control, &r);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    GUITHREADINFO focus{};
    focus.cbSize = sizeof focus;
    ASSERT_TRUE(WaitFor([&] {
        return GetGUIThreadInfo(GetWindowThreadProcessId(control, nullptr), &focus) && focus.hwndFocus == control;
    }));
    Keys({{VK_CONTROL, VK_MENU, 'W'}});
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(control, HKM_GETHOTKEY, 0, 0) == 0x0657; }));
    Keys({{VK_RETURN}});
    // Saved once everything is applied, the hotkey first.
    ASSERT_TRUE(WaitFor([&] { return Saved("Hotkey=1623\r\n"); }));
    EXPECT_EQ(ProgramWindow(run, "Tovel panel"), nullptr);  // no complaint this time
    PressCombination({VK_CONTROL, VK_MENU, 'W'});
    EXPECT_TRUE(WaitFor([&] { return Visible(run); }));
    EXPECT_EQ(run.Close(), 0);
    UnregisterHotKey(holder, 1);
    DestroyWindow(holder);
}

TEST_F(Options, FirstStartShowsTheSheetBeforeThePanel) {
    Shortcut(shortcuts, "a.lnk", "a");
    ASSERT_TRUE(run.Start());  // no korvane.ini
    HWND sheet = WaitSheet(run);
    ASSERT_NE(sheet, nullptr);
    EXPECT_FALSE(Visible(run));
    EXPECT_FALSE(run.Folder().Exists("korvane.ini"));
    SetDlgItemTextA(ShowPage(sheet, IDD_FOLDER_PAGE), IDC_SHORTCUT_FOLDER, shortcuts.c_str());
    Keys({{VK_RETURN}});
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(sheet); }));
    // Confirmed: saved at once, and the chosen folder is listed.
    EXPECT_TRUE(WaitFor([&] { return Saved("Shortcut=" + shortcuts + "\r\n"); }));
    StartFirstItem();
    EXPECT_TRUE(WaitFor([&] { return Ran("a"); }));
    EXPECT_EQ(run.Close(), 0);
}

// ---- The other-options page and the blocked-applications editor ----

constexpr char kEditorTitle[] = "禁止アプリケーションの設定";

std::wstring Wide(const std::string& s) {
    std::wstring out(s.size() + 1, L'\0');
    out.resize(
        static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, &out[0], static_cast<int>(out.size())) - 1));
    return out;
}

void Shot(const char* name) {
    if (const char* dir = std::getenv("KORVANE_SHOTS")) SaveScreenshot(std::string(dir) + "\\" + name);
}

// A click on a row of the check list, scrolled into view first. The rows
// are 18 pixels high from the top of the list (it has no header).
void ClickRow(HWND page, int row) {
    HWND list = GetDlgItem(page, IDC_OTHER_LIST);
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    const int top = static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
    POINT p{80, (row - top) * kCheckListRowHeight + kCheckListRowHeight / 2};
    ClientToScreen(list, &p);
    ClickAt(p.x, p.y);
}

HWND OpenEditor(const KorvaneRun& run, HWND page) {
    PostMessageA(GetDlgItem(page, IDC_BLOCKED_DETAILS), BM_CLICK, 0, 0);
    HWND editor = nullptr;
    WaitFor([&] { return (editor = ProgramWindow(run, kEditorTitle)) != nullptr; });
    Sleep(200);
    return editor;
}

int EditorRows(HWND editor) {
    return static_cast<int>(SendDlgItemMessageA(editor, IDC_BLOCKED_LIST, LVM_GETITEMCOUNT, 0, 0));
}

TEST_F(Options, OtherOptionsSortTheListAndBlockAProgramAddedInTheEditor) {
    Shortcut(shortcuts, "b.lnk", "b");
    Shortcut(shortcuts, "a.lnk", "a");
    run.Folder().Write("shortcuts\\shortcut.ini", "b.lnk\r\na.lnk\r\n");
    // A program whose name the code page cannot hold.
    const std::wstring program = Wide(run.Folder().Path()) + L"\\\xD55C\xAE00 app.exe";
    ASSERT_TRUE(CopyFileW(Wide(StandinPath("standin_app")).c_str(), program.c_str(), FALSE));
    run.WriteIni(Ini(FlagText(kBase)));
    ASSERT_TRUE(StartAndSettle(run));

    HWND sheet = OpenSheet();
    ASSERT_NE(sheet, nullptr);
    HWND page = ShowPage(sheet, IDD_OTHER_PAGE);
    ASSERT_NE(page, nullptr);
    ClickRow(page, RowWritingOption(kOptSortByName));
    Shot("other_page.bmp");
    SendDlgItemMessageA(page, IDC_USE_BLOCKED_APPS, BM_CLICK, 0, 0);

    HWND editor = OpenEditor(run, page);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(EditorRows(editor), 0);
    PostMessageA(GetDlgItem(editor, IDC_BLOCKED_ADD), BM_CLICK, 0, 0);
    HWND open = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (open = ProgramWindow(run, "プログラムファイルを指定してください")) != nullptr; }));
    SetDlgItemTextW(open, 0x47C, program.c_str());  // the file name box
    PostMessageA(open, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return EditorRows(editor) == 1; }));
    Shot("blocked_apps_editor.bmp");
    PostMessageA(GetDlgItem(editor, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(editor); }));
    // Stored by its short name, which names the program in plain letters.
    const std::string stored = run.Folder().Read("forbiden.ini");
    ASSERT_GT(stored.size(), 2u);
    EXPECT_EQ(stored.find('?'), std::string::npos) << stored;
    wchar_t longForm[MAX_PATH] = L"";
    GetLongPathNameW(Wide(stored.substr(0, stored.size() - 2)).c_str(), longForm, MAX_PATH);
    EXPECT_EQ(lstrcmpiW(longForm, program.c_str()), 0);

    Keys({{VK_RETURN}});
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(sheet); }));
    // Sorted by name: "a" comes first now.
    StartFirstItem();
    EXPECT_TRUE(WaitFor([&] { return Ran("a"); }));
    EXPECT_FALSE(Ran("b"));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !Visible(run); }));

    // Over the program, running, the panel stays away; over another it comes.
    StandinProcess app("window", 40, 560, 200, 120, program);
    ASSERT_NE(app.Window(), nullptr);
    const RECT appRect = ReadWindow(app.Window()).rect;
    ClickAt((appRect.left + appRect.right) / 2, (appRect.top + appRect.bottom) / 2);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == app.Window(); }, 3000));
    EXPECT_EQ(run.RunAgain("/h"), 1);
    Sleep(800);
    EXPECT_FALSE(Visible(run));
    StandinProcess other("window", 300, 560, 200, 120);
    const RECT otherRect = ReadWindow(other.Window()).rect;
    ClickAt((otherRect.left + otherRect.right) / 2, (otherRect.top + otherRect.bottom) / 2);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == other.Window(); }, 3000));
    EXPECT_EQ(run.RunAgain("/h"), 1);
    EXPECT_TRUE(WaitFor([&] { return Visible(run); }));
    EXPECT_EQ(run.Close(), 0);
    // Nothing else changed: the page wrote back what it was shown.
    EXPECT_TRUE(Saved("NFlags=" + FlagText({kOptMousePlace, kOptMousePlaceAtCursor, kOptFoldersInPanel, kOptFolderArrow,
                                            kOptHandCursor, kOptAccelerators, kOptIndentMedium, kOptBlockedApps,
                                            kOptSort, kOptSortByName})))
        << run.ReadIni();
}

TEST_F(Options, ABlockedListThatCannotBeSavedKeepsTheOldFile) {
    run.WriteBlockedList("C:\\old.exe\r\n");
    run.WriteIni(Ini(FlagText(kBase)));
    ASSERT_TRUE(StartAndSettle(run));
    HWND sheet = OpenSheet();
    ASSERT_NE(sheet, nullptr);
    HWND page = ShowPage(sheet, IDD_OTHER_PAGE);
    SendDlgItemMessageA(page, IDC_USE_BLOCKED_APPS, BM_CLICK, 0, 0);
    HWND editor = OpenEditor(run, page);
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(EditorRows(editor), 1);

    // The entry deleted by the user, then another program holds the file.
    RECT list;
    GetWindowRect(GetDlgItem(editor, IDC_BLOCKED_LIST), &list);
    ClickAt(list.left + 40, list.top + 9);
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(GetDlgItem(editor, IDC_BLOCKED_DELETE)) != FALSE; }, 3000));
    PostMessageA(GetDlgItem(editor, IDC_BLOCKED_DELETE), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return EditorRows(editor) == 0; }));
    HANDLE held =
        CreateFileA(run.Folder().File("forbiden.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    PostMessageA(GetDlgItem(editor, IDOK), BM_CLICK, 0, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = ProgramWindow(run, "Tovel panel")) != nullptr; }));
    Sleep(200);
    Shot("blocked_apps_save_failed.bmp");
    char text[512] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_NE(std::string(text).find("保存できませんでした"), std::string::npos) << text;
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);  // give the edit up
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(editor); }));
    CloseHandle(held);
    EXPECT_EQ(run.Folder().Read("forbiden.ini"), "C:\\old.exe\r\n");
    Keys({{VK_ESCAPE}});
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(sheet); }));
    EXPECT_EQ(run.Close(), 0);
}

// ---- The design page ----

// Where a colour shows inside a rectangle of the screen: how many pixels and
// the rows from the first to the last.
struct ColourOnScreen {
    int count = 0;
    int top = INT_MAX, bottom = -1;
    int Height() const { return bottom - top + 1; }
};

ColourOnScreen FindColour(const RECT& area, COLORREF colour) {
    const int w = area.right - area.left, h = area.bottom - area.top;
    ColourOnScreen found;
    if (w <= 0 || h <= 0) return found;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, w, h, screen, area.left, area.top, SRCCOPY);
    SelectObject(dc, old);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    GetDIBits(dc, bitmap, 0, h, pixels.data(), &bi, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    const uint32_t wanted = GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((pixels[static_cast<size_t>(y) * w + x] & 0xFFFFFF) == wanted) {
                ++found.count;
                found.top = std::min(found.top, y);
                found.bottom = std::max(found.bottom, y);
            }
    return found;
}

class DesignOptions : public Options {
protected:
    // The panel shown for a moment: what it shows in colour.
    ColourOnScreen OnPanel(COLORREF colour) {
        EXPECT_EQ(run.RunAgain("/h"), 1);
        EXPECT_TRUE(WaitFor([&] { return Visible(run); }));
        Sleep(400);
        const ColourOnScreen found = FindColour(ReadWindow(run.Panel()).rect, colour);
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(WaitFor([&] { return !Visible(run); }));
        return found;
    }
    ColourOnScreen OnPreview(HWND page, COLORREF colour) {
        Sleep(300);
        RECT r;
        GetWindowRect(GetDlgItem(page, IDC_DESIGN_PREVIEW), &r);
        return FindColour(r, colour);
    }
    // Colour 1 through the system's colour chooser, as a user picks one.
    void PickColour(HWND sheet, HWND page, COLORREF colour) {
        PostMessageA(GetDlgItem(page, IDC_DESIGN_COLOUR1), BM_CLICK, 0, 0);
        HWND chooser = nullptr;
        ASSERT_TRUE(WaitFor([&] {
            HWND w = GetForegroundWindow();
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            char cls[16] = "";
            GetClassNameA(w, cls, sizeof cls);
            chooser = pid == run.ProcessId() && w != sheet && std::string(cls) == "#32770" ? w : nullptr;
            return chooser != nullptr;
        }));
        // Typed into its red, green and blue boxes.
        SetDlgItemInt(chooser, COLOR_RED, GetRValue(colour), FALSE);
        SetDlgItemInt(chooser, COLOR_GREEN, GetGValue(colour), FALSE);
        SetDlgItemInt(chooser, COLOR_BLUE, GetBValue(colour), FALSE);
        PostMessageA(chooser, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(chooser); }));
    }
};

// The page opens with the panel's look in its preview; a colour and a size
// changed on it show there at once and on the panel after OK; cancelling
// leaves the panel as it was.
TEST_F(DesignOptions, ThePreviewShowsEditsAtOnceAndThePanelAfterOk) {
    constexpr COLORREF kGold = RGB(255, 200, 40), kMint = RGB(90, 255, 170), kPink = RGB(255, 60, 200);
    Shortcut(shortcuts, "Calendar and notes.lnk", "a");
    Shortcut(shortcuts, "Music library.lnk", "b");
    Shortcut(shortcuts, "Photographs of the trip.lnk", "c");
    CopyFolder(RepositorySkin("Aurora"), run.Folder().MakeFolder("skins") + "\\Aurora");
    run.WriteIni(Ini(FlagText({kOptMousePlace, kOptMousePlaceAtCursor, kOptFoldersInPanel, kOptCustomDesign})) +
                 "SkinFolder=" + run.Folder().File("skins") + "\r\nSkin=Aurora\r\n[Design]\r\nSelectColor=" +
                 std::to_string(kGold) + "\r\nSelectSize=9\r\nSelectStyle=16\r\n");
    ASSERT_TRUE(StartAndSettle(run));
    const ColourOnScreen live = OnPanel(kGold);
    ASSERT_GT(live.count, 10);

    HWND sheet = OpenSheet();
    ASSERT_NE(sheet, nullptr);
    HWND page = ShowPage(sheet, IDD_DESIGN_PAGE);
    ASSERT_NE(page, nullptr);
    const ColourOnScreen opened = OnPreview(page, kGold);
    EXPECT_GT(opened.count, 10);
    EXPECT_EQ(OnPreview(page, kMint).count, 0);
    PickColour(sheet, page, kMint);
    const ColourOnScreen picked = OnPreview(page, kMint);
    EXPECT_GT(picked.count, 10);
    EXPECT_EQ(OnPreview(page, kGold).count, 0);
    Shot("design_page.bmp");
    SetDlgItemTextA(page, IDC_DESIGN_SIZE, "14");
    const ColourOnScreen larger = OnPreview(page, kMint);
    EXPECT_GT(larger.Height(), picked.Height() + 3);
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(sheet); }));
    EXPECT_TRUE(WaitFor([&] { return Saved("SelectColor=" + std::to_string(kMint) + "\r\n"); })) << run.ReadIni();
    EXPECT_TRUE(Saved("SelectSize=14\r\n"));
    const ColourOnScreen rebuilt = OnPanel(kMint);
    EXPECT_GT(rebuilt.count, live.count);
    EXPECT_GT(rebuilt.Height(), live.Height() + 3);
    EXPECT_EQ(OnPanel(kGold).count, 0);

    const std::string saved = run.ReadIni();
    sheet = OpenSheet();
    ASSERT_NE(sheet, nullptr);
    page = ShowPage(sheet, IDD_DESIGN_PAGE);
    PickColour(sheet, page, kPink);
    EXPECT_GT(OnPreview(page, kPink).count, 10);
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(sheet); }));
    EXPECT_EQ(OnPanel(kPink).count, 0);
    EXPECT_EQ(OnPanel(kMint).count, rebuilt.count);
    EXPECT_EQ(run.ReadIni(), saved);
    EXPECT_EQ(run.Close(), 0);
}

}  // namespace
