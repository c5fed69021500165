// Files dragged from another program onto the real Korvane.exe's panel with
// OLE drag and drop, as a user drags them from a file manager: the panel
// stays up while the drag comes from the program just clicked, and each file
// becomes a shortcut at the row it was dropped on, in the order file of the
// shortcut folder or of the open folder whose rows it landed on.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "driver.h"
#include "input.h"

namespace {

// The Aurora skin's rows: 9 of 24 pixels from 40, the cursor on the middle one.
constexpr int kRowTop = 40, kRowHeight = 24;
constexpr int kPanelLeft = 200, kPanelTop = 100;
// Where the dragging program's window stands.
constexpr int kSourceX = 600, kSourceY = 300;

// The file a shell link points to; empty when it cannot be read.
std::string LinkTarget(const std::string& lnkPath) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return "";
    std::string target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, lnkPath.c_str(), -1, wide, MAX_PATH);
        char path[MAX_PATH] = "";
        if (SUCCEEDED(file->Load(wide, STGM_READ)) && SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0)))
            target = path;
        file->Release();
    }
    link->Release();
    return target;
}

void SendMouse(DWORD flags, int x = 0, int y = 0) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        in.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        in.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    SendInput(1, &in, sizeof in);
}

// The dragging program, running before the panel is called up as a file
// manager would be; each press on its window drags the file listed then.
class DragSource {
public:
    explicit DragSource(const TempFolder& folder)
        : list_(folder.File("drag_list.txt")), results_(folder.File("drag_results.txt")) {
        std::string cmd = "\"" + StandinPath("drag_source") + "\" " + std::to_string(kSourceX) + " " +
                          std::to_string(kSourceY) + " 120 80 \"" + results_ + "\" \"" + list_ + "\"";
        STARTUPINFOA si{};
        si.cb = sizeof si;
        if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) return;
        WaitForInputIdle(pi_.hProcess, 5000);
        WaitFor([&] { return (window_ = FindWindowA("KorvaneDragSource", nullptr)) != nullptr; });
    }
    ~DragSource() {
        if (!pi_.hProcess) return;
        PostMessageA(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
    DragSource(const DragSource&) = delete;
    DragSource& operator=(const DragSource&) = delete;
    bool Running() const { return window_ != nullptr; }

    // Presses the button on the window (which takes the foreground from the
    // panel), moves the pointer onto row of the panel and lets go there.
    // The drag's outcome as the dragging program saw it: DoDragDrop's result
    // and the effect.
    std::string DragOntoRow(const TempFolder& folder, const std::string& file, int row, const char* shot, HWND panel) {
        folder.Write("drag_list.txt", file + "\r\n");
        DeleteFileA(results_.c_str());
        PlacePointer(kSourceX + 60, kSourceY + 40);
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        // The drag has begun once the program's drag loop holds the mouse.
        EXPECT_TRUE(WaitFor([&] {
            GUITHREADINFO thread{};
            thread.cbSize = sizeof thread;
            return GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &thread) && thread.hwndCapture;
        }));
        // The panel has lost the foreground to the dragging program, but a
        // button is held: it stays.
        EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() != panel; }));
        EXPECT_TRUE(ReadWindow(panel).visible);
        // Across to the row in steps, as a hand moves.
        const int x = kPanelLeft + 100, y = kPanelTop + kRowTop + row * kRowHeight + kRowHeight / 2;
        for (int i = 1; i <= 8; ++i) {
            SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, kSourceX + 60 + (x - kSourceX - 60) * i / 8,
                      kSourceY + 40 + (y - kSourceY - 40) * i / 8);
            Sleep(60);
        }
        Sleep(400);
        if (const char* dir = std::getenv("KORVANE_SHOTS")) SaveScreenshot(std::string(dir) + "\\" + shot);
        SendMouse(MOUSEEVENTF_LEFTUP);
        WaitFor([&] { return GetFileAttributesA(results_.c_str()) != INVALID_FILE_ATTRIBUTES; });
        Sleep(100);
        return folder.Read("drag_results.txt");
    }

private:
    std::string list_, results_;
    PROCESS_INFORMATION pi_{};
    HWND window_ = nullptr;
};

class DropToAdd : public testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        const TempFolder& f = run.Folder();
        shortcuts = f.MakeFolder("shortcuts");
        f.MakeFolder("shortcuts\\Docs");
        f.MakeFolder("files");
        for (const char* name : {"a", "b", "c", "d", "Docs\\x", "Docs\\y"})
            f.Write(std::string("shortcuts\\") + name + ".url", "[InternetShortcut]\r\nURL=http://localhost/\r\n");
        f.Write("shortcuts\\shortcut.ini", "a.url\r\nb.url\r\nDocs\r\nc.url\r\nd.url\r\n");
        f.Write("shortcuts\\Docs\\shortcut.ini", "x.url\r\ny.url\r\n");
        f.Write("files\\report.txt", "the report");
        f.Write("files\\x.url", "[InternetShortcut]\r\nURL=http://localhost/other\r\n");
        f.MakeFolder("skins");
        CopyFolder(RepositorySkin("Aurora"), f.File("skins\\Aurora"));
        // Shown where it was last, the Docs folder open, no looping: item 0
        // (a) on the cursor row 4, then b, Docs, x, y on rows 5 to 8.
        run.WriteIni("[Window]\r\nLeft=" + std::to_string(kPanelLeft) + "\r\nTop=" + std::to_string(kPanelTop) +
                     "\r\nLeft2=" + std::to_string(kPanelLeft) + "\r\nTop2=" + std::to_string(kPanelTop) +
                     "\r\n[General]\r\nShortcut=" + shortcuts + "\r\nSkinFolder=" + f.File("skins") +
                     "\r\nSkin=Aurora\r\nIconIndex=0\r\nOpenFolder=Docs\r\nNFlags=" +
                     FlagText({kOptFoldersInPanel, kOptFolderArrow, kOptNoLoop, kOptDropToAdd}) + "\r\n");
        source = std::make_unique<DragSource>(f);
        ASSERT_TRUE(source->Running());
        ASSERT_TRUE(run.Start());
        ASSERT_EQ(run.RunAgain("/h"), 1);
        ASSERT_TRUE(WaitFor([&] { return ReadWindow(run.Panel()).visible; }));
        Sleep(300);
    }
    void TearDown() override {
        source.reset();
        if (run.Running()) run.Close();
        CoUninitialize();
    }
    std::string Drag(const std::string& file, int row, const char* shot) {
        return source->DragOntoRow(run.Folder(), file, row, shot, run.Panel());
    }
    std::string Read(const std::string& name) const { return run.Folder().Read("shortcuts\\" + name); }

    KorvaneRun run;
    std::unique_ptr<DragSource> source;
    std::string shortcuts;
};

TEST_F(DropToAdd, FilesDraggedFromAnotherProgramBecomeShortcutsAtTheRowTheyLandOn) {
    // A plain file onto b's row: a link before b in the shortcut folder's order.
    const std::string report = run.Folder().File("files\\report.txt");
    EXPECT_EQ(Drag(report, 5, "drop_row.bmp"), "00040100 4\n");  // dropped, as a link
    ASSERT_TRUE(WaitFor([&] { return Read("shortcut.ini").find("report") != std::string::npos; }));
    EXPECT_EQ(Read("shortcut.ini"), "a.url\r\nreport.lnk\r\nb.url\r\nDocs\r\nc.url\r\nd.url\r\n");
    EXPECT_EQ(LinkTarget(shortcuts + "\\report.lnk"), report);
    // The rebuilt panel is up and in front, the open folder open again.
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == run.Panel(); }));
    EXPECT_TRUE(ReadWindow(run.Panel()).visible);

    // A shortcut onto x's row, now row 8, inside the open folder, where a
    // file of its name exists: copied as it is under the next free name.
    EXPECT_EQ(Drag(run.Folder().File("files\\x.url"), 8, "drop_folder_row.bmp"), "00040100 4\n");
    ASSERT_TRUE(WaitFor([&] { return run.Folder().Exists("shortcuts\\Docs\\x (2).url"); }));
    EXPECT_EQ(Read("Docs\\x (2).url"), run.Folder().Read("files\\x.url"));
    EXPECT_EQ(Read("Docs\\x.url"), "[InternetShortcut]\r\nURL=http://localhost/\r\n");
    ASSERT_TRUE(WaitFor([&] { return Read("Docs\\shortcut.ini").find("(2)") != std::string::npos; }));
    EXPECT_EQ(Read("Docs\\shortcut.ini"), "x (2).url\r\nx.url\r\ny.url\r\n");

    // A file whose name the shortcut folder's longer path cannot hold is
    // named in a message box, and nothing changes.
    const std::string full = run.Folder().File("files\\");
    const std::string longName = std::string(MAX_PATH - 1 - full.size() - 4, 'n') + ".txt";
    run.Folder().Write("files\\" + longName, "long");
    EXPECT_EQ(Drag(full + longName, 4, "drop_refused.bmp"), "00040100 4\n");
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        box = FindWindowA("#32770", "Tovel panel");
        return box && IsWindowVisible(box);
    }));
    Sleep(200);
    if (const char* dir = std::getenv("KORVANE_SHOTS")) SaveScreenshot(std::string(dir) + "\\drop_message.bmp");
    char text[1024] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_EQ(std::string(text).find("次のファイルはパネルに追加できませんでした。"), 0u) << text;
    EXPECT_NE(std::string(text).find(longName.substr(0, 64) + "..."), std::string::npos) << text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Read("shortcut.ini"), "a.url\r\nreport.lnk\r\nb.url\r\nDocs\r\nc.url\r\nd.url\r\n");
    EXPECT_EQ(run.Close(), 0);
}

}  // namespace
