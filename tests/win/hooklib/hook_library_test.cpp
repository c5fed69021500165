// Loading the real hook libraries from a program folder, as the panel does
// at start-up and when the options change.
#include "activation/hook_binding.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/core/text.h"
#include "base/panel_ids.h"
#include "base/settings_store.h"
#include "resources/resource.h"
#include "shell/panel_window.h"
#include "skin/skin_info.h"
#include "support/temp_folder.h"
#include "win/activation/standin_windows.h"

namespace {

std::string LoadText(UINT id) {
    char text[256] = "";
    LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return text;
}

// A copy of the file whose fixed version info says major.minor.third.fourth.
void WriteWithVersion(const std::string& from, const std::string& to, WORD major, WORD minor, WORD third,
                      WORD fourth = 0) {
    ASSERT_TRUE(CopyFileA(from.c_str(), to.c_str(), FALSE));
    HANDLE f = CreateFileA(to.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    const DWORD size = GetFileSize(f, nullptr);
    std::string bytes(size, '\0');
    DWORD n = 0;
    ReadFile(f, &bytes[0], size, &n, nullptr);
    const char signature[4] = {'\xBD', '\x04', '\xEF', '\xFE'};  // VS_FIXEDFILEINFO
    const size_t at = bytes.find(std::string(signature, 4));
    ASSERT_NE(at, std::string::npos);
    VS_FIXEDFILEINFO info;
    std::memcpy(&info, &bytes[at], sizeof info);
    info.dwFileVersionMS = MAKELONG(minor, major);
    info.dwFileVersionLS = MAKELONG(fourth, third);
    std::memcpy(&bytes[at], &info, sizeof info);
    SetFilePointer(f, 0, nullptr, FILE_BEGIN);
    WriteFile(f, bytes.data(), size, &n, nullptr);
    CloseHandle(f);
}

class HookLibrary : public testing::Test {
protected:
    void SetUp() override {
        saved_ = gSettings;
        std::memset(gSettings.optionFlags, 0, sizeof gSettings.optionFlags);
        SetOption(gSettings.optionFlags, kOptMouseActivation);
        CopyText(gSettings.programFolder, folder_.Path().c_str());
        panel_ = MakeWindow("KorvaneTestPanel", "panel", nullptr, WS_POPUP, 0, 0, 50, 50);
    }
    void TearDown() override {
        UnloadHookLibrary();
        DestroyWindow(panel_);
        gSettings = saved_;
    }
    void Provide(const char* name, const std::string& as = "") {
        ASSERT_TRUE(
            CopyFileA((ProgramFolder() + "\\" + name).c_str(), folder_.File(as.empty() ? name : as).c_str(), FALSE));
    }

    Settings saved_;
    TempFolder folder_;
    HWND panel_ = nullptr;
};

TEST_F(HookLibrary, TheStandardLibraryLoadsAndForwardsMouseEventsToThePanel) {
    Provide(kStandardHookFile);
    ASSERT_NE(LoadHookLibrary(panel_), 0u);
    EXPECT_NE(gHook.library, nullptr);
    EXPECT_NE(gHook.initialize, nullptr);
    EXPECT_NE(gHook.destroy, nullptr);
    EXPECT_EQ(gHook.setState, nullptr) << "only the compatibility library is told the mode";

    // A pointer move over a window of ours reaches the panel as a request.
    HWND target = MakeWindow("KorvaneTestTop", "target", nullptr, WS_POPUP | WS_VISIBLE, 300, 300, 100, 100);
    PumpMessages(50);
    SetCursorPos(340, 340);
    SetCursorPos(350, 350);
    bool forwarded = false;
    const DWORD start = GetTickCount();
    while (!forwarded && GetTickCount() - start < 3000) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.hwnd == panel_ && msg.message == WM_PANEL_MOUSEREQUEST && msg.wParam == WM_MOUSEMOVE &&
                reinterpret_cast<HWND>(msg.lParam) == target)
                forwarded = true;
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
    EXPECT_TRUE(forwarded);
    DestroyWindow(target);

    UnloadHookLibrary();
    EXPECT_EQ(gHook.library, nullptr);
    EXPECT_EQ(gHook.initialize, nullptr);
    EXPECT_EQ(gHook.destroy, nullptr);
}

TEST_F(HookLibrary, ASecondLoadWhileOneIsLoadedFailsAndChangesNothing) {
    Provide(kStandardHookFile);
    ASSERT_NE(LoadHookLibrary(panel_), 0u);
    const HookBinding before = gHook;
    SetOption(gSettings.optionFlags, kOptCompatHook);  // even asking for the other library
    Provide(kCompatibilityHookFile);
    EXPECT_EQ(LoadHookLibrary(panel_), 0u);
    EXPECT_EQ(gHook.library, before.library);
    EXPECT_EQ(gHook.initialize, before.initialize);
    EXPECT_EQ(gHook.setState, nullptr);
}

TEST_F(HookLibrary, TheCompatibilityLibraryIsToldTheMouseMode) {
    SetOption(gSettings.optionFlags, kOptCompatHook);
    Provide(kCompatibilityHookFile);
    gSettings.mouseMode = 7;
    StartMouseActivation(panel_);
    ASSERT_NE(gHook.setState, nullptr);
    EXPECT_EQ(gHook.setState(3), 7) << "the previous mode comes back";
    EXPECT_EQ(gHook.setState(0), 3);
}

TEST_F(HookLibrary, AMissingFileShowsWhichLibraryAndThatMouseActivationIsOff) {
    MessageBoxWatcher boxes;
    StartMouseActivation(panel_);
    EXPECT_EQ(gHook.library, nullptr);
    PumpMessages(300);
    char expected[256];
    std::snprintf(expected, sizeof expected, LoadText(IDS_LOAD_LIBRARY_FAILED).c_str(), "Korvane.dll");
    EXPECT_EQ(boxes.Texts(), std::string(expected) + "|" + LoadText(IDS_MOUSE_UNAVAILABLE));
}

// The message runs a message loop of its own in the middle of the window's
// creation; a second start asking for the panel then waits until the panel is
// complete instead of showing it half built (off screen, at no size).
TEST_F(HookLibrary, ARequestWhileTheMessageIsShownWaitsForTheCreation) {
    // A settings file that exists: a first start would open the options first.
    folder_.Write("korvane.ini", "");
    CopyText(gSettings.settingsFile, folder_.File("korvane.ini").c_str());
    CopyText(gSettings.shortcutFolder, folder_.Path().c_str());
    gSettings.skinName[0] = '\0';
    auto ownPanel = [] {
        HWND panel = FindWindowA(kPanelClassName, kPanelTitle);
        DWORD pid = 0;
        if (panel) GetWindowThreadProcessId(panel, &pid);
        return pid == GetCurrentProcessId() ? panel : nullptr;
    };
    MessageBoxWatcher boxes([&] {
        if (HWND panel = ownPanel()) SendMessageA(panel, WM_PANEL_ACTIVATE, 0, -1);
    });
    HWND panel = CreatePanelWindow(GetModuleHandleA(nullptr));
    ASSERT_NE(panel, nullptr);
    EXPECT_NE(boxes.Texts(), "");
    EXPECT_FALSE(IsWindowVisible(panel)) << "not while it was being created";
    PumpMessages(300);
    EXPECT_TRUE(IsWindowVisible(panel)) << "the request was held, not lost";
    RECT r{};
    GetWindowRect(panel, &r);
    EXPECT_EQ(r.right - r.left, gSkin.panelWidth);
    EXPECT_EQ(r.bottom - r.top, gSkin.panelHeight);
    SendMessageA(panel, WM_CLOSE, 0, 0);
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    UnregisterClassA(kPanelClassName, GetModuleHandleA(nullptr));
}

TEST_F(HookLibrary, AStandardLibraryOfAnotherVersionIsRefused) {
    WriteWithVersion(ProgramFolder() + "\\" + kStandardHookFile, folder_.File(kStandardHookFile), 9, 1, 0);
    MessageBoxWatcher boxes;
    EXPECT_EQ(LoadHookLibrary(panel_), 0u);
    EXPECT_EQ(gHook.library, nullptr);
    EXPECT_EQ(GetModuleHandleA(folder_.File(kStandardHookFile).c_str()), nullptr) << "freed again";
    PumpMessages(300);
    EXPECT_EQ(boxes.Texts(), LoadText(IDS_HOOK_VERSION_MISMATCH));
}

TEST_F(HookLibrary, AFourthVersionComponentDoesNotMatter) {
    const uint32_t own = GetPackedFileVersion((ProgramFolder() + "\\" + kStandardHookFile).c_str());
    ASSERT_NE(own, 0u);
    const std::string copy = folder_.File("copy.dll");
    WriteWithVersion(ProgramFolder() + "\\" + kStandardHookFile, copy, static_cast<WORD>(own >> 16),
                     static_cast<WORD>((own & 0xFFFF) / 10), static_cast<WORD>((own & 0xFFFF) % 10), 7);
    EXPECT_EQ(GetPackedFileVersion(copy.c_str()), own);
}

TEST_F(HookLibrary, ALibraryWithoutTheExportsIsFreedWithoutAMessageOfItsOwn) {
    SetOption(gSettings.optionFlags, kOptCompatHook);
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    ASSERT_TRUE(CopyFileA((std::string(system) + "\\version.dll").c_str(), folder_.File(kCompatibilityHookFile).c_str(),
                          FALSE));
    MessageBoxWatcher boxes;
    EXPECT_EQ(LoadHookLibrary(panel_), 0u);
    EXPECT_EQ(gHook.library, nullptr);
    PumpMessages(300);
    EXPECT_EQ(boxes.Texts(), "");
}

TEST_F(HookLibrary, FilesWithoutAVersionResourcePackToZero) {
    folder_.Write("plain.txt", "no version here");
    EXPECT_EQ(GetPackedFileVersion(folder_.File("plain.txt").c_str()), 0u);
    EXPECT_EQ(GetPackedFileVersion(folder_.File("missing.dll").c_str()), 0u);
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    EXPECT_EQ(GetPackedFileVersion(exe), GetPackedFileVersion((ProgramFolder() + "\\" + kStandardHookFile).c_str()));
}

TEST_F(HookLibrary, WithoutTheProgramFolderNoLibraryIsLoadedByARelativePath) {
    // A library where "\\Korvane.dll" leads: the root of the current drive.
    char cwd[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof cwd, cwd);
    ASSERT_TRUE(SetCurrentDirectoryA(folder_.Path().c_str()));
    const std::string root = folder_.Path().substr(0, 2) + "\\" + kStandardHookFile;
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "\\" + kStandardHookFile).c_str(), root.c_str(), FALSE));
    gSettings.programFolder[0] = '\0';
    MessageBoxWatcher boxes;
    StartMouseActivation(panel_);
    const bool loaded = gHook.library != nullptr;
    UnloadHookLibrary();
    DeleteFileA(root.c_str());
    SetCurrentDirectoryA(cwd);
    EXPECT_FALSE(loaded);
    PumpMessages(300);
    EXPECT_EQ(boxes.Texts(), LoadText(IDS_MOUSE_UNAVAILABLE));
}

TEST_F(HookLibrary, ApplyingTheOptionsSwitchesLibrariesAndTurnsMouseActivationOff) {
    Provide(kStandardHookFile);
    Provide(kCompatibilityHookFile);
    StartMouseActivation(panel_);
    ASSERT_NE(gHook.library, nullptr);
    EXPECT_EQ(gHook.setState, nullptr);
    SetOption(gSettings.optionFlags, kOptCompatHook);
    RestartMouseActivation(panel_, true);
    EXPECT_NE(gHook.setState, nullptr) << "the compatibility library replaced the standard one";
    ClearOption(gSettings.optionFlags, kOptMouseActivation);
    RestartMouseActivation(panel_, false);
    EXPECT_EQ(gHook.library, nullptr);
}

TEST(HookExports, InitializeRefusesANullWindow) {
    for (const char* name : {kStandardHookFile, kCompatibilityHookFile}) {
        HMODULE lib = LoadLibraryA((ProgramFolder() + "\\" + name).c_str());
        ASSERT_NE(lib, nullptr) << name;
        auto init = reinterpret_cast<HookInitializeFn>(reinterpret_cast<void*>(GetProcAddress(lib, "Hook_Initialize")));
        ASSERT_NE(init, nullptr);
        EXPECT_EQ(init(nullptr), 0u) << name;
        EXPECT_NE(GetProcAddress(lib, "Hook_Destroy"), nullptr);
        EXPECT_NE(GetProcAddress(lib, "Hook_SetState"), nullptr);
        EXPECT_NE(GetProcAddress(lib, "Hook_SetSideButtons"), nullptr);
        FreeLibrary(lib);
    }
}

}  // namespace
