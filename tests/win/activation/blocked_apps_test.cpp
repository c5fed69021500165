// The blocked-applications list read from a real "forbiden.ini" and matched
// against real processes.
#include "activation/blocked_apps.h"

#include <gtest/gtest.h>

#include <string>

#include "base/core/text.h"
#include "base/settings_store.h"
#include "support/temp_folder.h"
#include "win/activation/standin_windows.h"

namespace {

std::string OwnPath() {
    char own[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, own, sizeof own);
    return own;
}

std::string MixedCase(std::string s) {
    for (size_t i = 0; i < s.size(); ++i)
        if (i % 2) s[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[i])));
    return s;
}

class BlockedApps : public testing::Test {
protected:
    void SetUp() override {
        saved_ = gSettings;
        CopyText(gSettings.programFolder, folder_.Path().c_str());
        SetOption(gSettings.optionFlags, kOptBlockedApps);
        window_ = MakeWindow("KorvaneTestTop", "blocked", nullptr, WS_POPUP, 0, 0, 5, 5);
    }
    void TearDown() override {
        FreeBlockedList();
        DestroyWindow(window_);
        gSettings = saved_;
    }
    void Load(const std::string& text) {
        folder_.Write(kBlockedFileName, text);
        LoadBlockedList();
    }

    TempFolder folder_;
    Settings saved_;
    HWND window_ = nullptr;
};

TEST_F(BlockedApps, AnEntryInMixedCaseBlocksTheProgram) {
    Load("C:\\elsewhere\\a.exe\r\n" + MixedCase(OwnPath()) + "\r\n");
    EXPECT_TRUE(IsBlockedApplication(window_));
}

TEST_F(BlockedApps, FlagElevenClearBlocksNothing) {
    Load(OwnPath() + "\r\n");
    ClearOption(gSettings.optionFlags, kOptBlockedApps);
    EXPECT_FALSE(IsBlockedApplication(window_));
}

TEST_F(BlockedApps, TheActivationKeysWindowIsNeverBlocked) {
    Load(OwnPath() + "\r\n");
    EXPECT_FALSE(IsBlockedApplication(reinterpret_cast<HWND>(-1)));
}

TEST_F(BlockedApps, NoFileAndAnEmptyFileBlockNothing) {
    LoadBlockedList();
    EXPECT_EQ(gBlocked.text, nullptr);
    EXPECT_FALSE(IsBlockedApplication(window_));
    Load("");
    EXPECT_NE(gBlocked.text, nullptr);
    EXPECT_FALSE(IsBlockedApplication(window_));
}

TEST_F(BlockedApps, BareLineFeedsAndAFinalLineWithoutABreakAreEntries) {
    Load("C:\\x.exe\n" + OwnPath());
    EXPECT_TRUE(IsBlockedApplication(window_));
    Load("C:\\x.exe\n\nC:\\y.exe\n" + OwnPath() + "\n");
    EXPECT_TRUE(IsBlockedApplication(window_));
}

TEST_F(BlockedApps, ANulByteOrAUtf16FileKeepsTheListWhole) {
    Load("C:\\x.exe\r\nC:\\y" + std::string(1, '\0') + ".exe\r\n" + OwnPath() + "\r\n");
    EXPECT_TRUE(IsBlockedApplication(window_));
    std::string utf16 = "\xFF\xFE";
    for (char c : "C:\\x.exe\r\n" + OwnPath() + "\r\n") {
        utf16 += c;  // the path is ASCII
        utf16 += '\0';
    }
    Load(utf16);
    EXPECT_TRUE(IsBlockedApplication(window_));
}

TEST_F(BlockedApps, MatchingIsByWholePathNotByFileName) {
    const std::string own = OwnPath();
    Load("C:\\other folder" + own.substr(own.find_last_of('\\')) + "\r\n");
    EXPECT_FALSE(IsBlockedApplication(window_));
}

TEST_F(BlockedApps, AnEmptyLineDoesNotBlockAProcessWhosePathIsUnknown) {
    Load("C:\\x.exe\r\n\r\nC:\\y.exe\r\n");
    EXPECT_FALSE(IsBlockedApplication(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF0))));
}

struct FindByProcess {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindVisibleWindowOf(HWND w, LPARAM p) {
    auto* f = reinterpret_cast<FindByProcess*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != f->pid || !IsWindowVisible(w)) return TRUE;
    f->found = w;
    return FALSE;
}

TEST_F(BlockedApps, AnEntryInLongFormBlocksAProgramStartedByItsShortName) {
    const std::string folder = folder_.MakeFolder("A rather long folder name");
    const std::string longPath = folder + "\\Long program name.exe";
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    ASSERT_TRUE(CopyFileA((std::string(system) + "\\notepad.exe").c_str(), longPath.c_str(), FALSE));
    char shortPath[MAX_PATH] = "";
    ASSERT_GT(GetShortPathNameA(longPath.c_str(), shortPath, sizeof shortPath), 0u);

    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessA(shortPath, nullptr, nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi));
    WaitForInputIdle(pi.hProcess, 5000);
    FindByProcess f{pi.dwProcessId, nullptr};
    for (int i = 0; i < 100 && !f.found; ++i) {
        EnumWindows(FindVisibleWindowOf, reinterpret_cast<LPARAM>(&f));
        if (!f.found) Sleep(50);
    }
    ASSERT_NE(f.found, nullptr);

    Load(longPath + "\r\n");
    EXPECT_TRUE(IsBlockedApplication(f.found));
    Load("C:\\x.exe\r\n");
    EXPECT_FALSE(IsBlockedApplication(f.found));

    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

TEST_F(BlockedApps, LoadingAgainReplacesTheList) {
    Load(OwnPath() + "\r\n");
    EXPECT_TRUE(IsBlockedApplication(window_));
    Load("C:\\x.exe\r\n");
    EXPECT_FALSE(IsBlockedApplication(window_));
}

}  // namespace
