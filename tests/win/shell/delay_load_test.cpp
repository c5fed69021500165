// Functions bound on first use (delay-loaded libraries): the real function on
// the first call, and, for a library or function the system lacks, a failure
// of the kind the caller tests for instead of an exception.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

extern "C" {
// Bound from korvane-absent.dll, which no system has (absent_library.def).
HRESULT WINAPI KorvaneAbsentCoInitialize(void*);
int WINAPI KorvaneAbsentImageListReplaceIcon(void*, int, HICON);
BOOL WINAPI KorvaneAbsentShellNotifyIcon(DWORD, void*);
// Bound from winmm.dll, which does not export it (missing_function.def).
BOOL WINAPI KorvaneMissingSoundFunction(const char*, UINT);
}

namespace {

std::string ModulePath(HMODULE module) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(module, path, sizeof path);
    return path;
}

std::string Lower(std::string s) {
    CharLowerA(s.data());
    return s;
}

}  // namespace

TEST(DelayLoad, FunctionsOfAMissingLibraryFailAsTheirCallersExpect) {
    // A COM function must not answer 0, which reads as success.
    EXPECT_TRUE(FAILED(KorvaneAbsentCoInitialize(nullptr)));
    // An image-list index of -1 means "no icon"; 0 would be the first icon.
    EXPECT_EQ(KorvaneAbsentImageListReplaceIcon(nullptr, -1, nullptr), -1);
    EXPECT_FALSE(KorvaneAbsentShellNotifyIcon(NIM_ADD, nullptr));
    // The second call goes to the same stand-in.
    EXPECT_FALSE(KorvaneAbsentShellNotifyIcon(NIM_ADD, nullptr));
}

TEST(DelayLoad, AFunctionTheLibraryDoesNotExportFails) { EXPECT_FALSE(KorvaneMissingSoundFunction("x", 0)); }

TEST(DelayLoad, ARealFunctionWorksOnItsFirstCallFromTheSystemFolder) {
    const std::string self = ModulePath(nullptr);
    DWORD handle = 0;
    EXPECT_GT(GetFileVersionInfoSizeA(self.c_str(), &handle), 0u);

    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, sizeof system);
    const std::string version = Lower(ModulePath(GetModuleHandleA("version.dll")));
    EXPECT_EQ(version.rfind(Lower(system) + "\\", 0), 0u) << version;
}
