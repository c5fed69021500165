#include "activation/hook_binding.h"

#include <cstdio>
#include <memory>
#include <new>

#include "activation/blocked_apps.h"
#include "activation/core/activation_key.h"
#include "activation/core/mouse_gesture.h"
#include "activation/core/side_buttons.h"
#include "activation/desktop_windows.h"
#include "base/handles.h"
#include "base/program_windows.h"
#include "base/settings_store.h"
#include "base/window_helpers.h"
#include "resources/resource.h"

HookBinding gHook;

namespace {

template <typename Fn>
Fn Bind(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

void ShowLoadFailure(HWND owner, const char* fileName) {
    char format[256] = "";
    LoadStringA(ResourceModule(), IDS_LOAD_LIBRARY_FAILED, format, sizeof format);
    char text[512];
    std::snprintf(text, sizeof text, format, fileName);
    ShowErrorText(owner, text);
}

bool SameVersionAsProgram(const char* libraryPath) {
    char program[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, program, sizeof program);
    if (n == 0 || n >= sizeof program) return false;
    return GetPackedFileVersion(program) == GetPackedFileVersion(libraryPath);
}

// A folder on a drive ("C:", "C:\tools") or on a network share ("\\server\share").
bool IsFullFolder(const char* folder) {
    const char c = folder[0];
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (letter && folder[1] == ':') return folder[2] == '\0' || folder[2] == '\\';
    return folder[0] == '\\' && folder[1] == '\\';
}

}  // namespace

UINT LoadHookLibrary(HWND panel) {
    if (gHook.library) return 0;
    // A library goes into every process on the desktop: it is loaded from the
    // program's own folder or not at all, never by a path relative to the
    // current drive or folder, where anything may lie.
    if (!IsFullFolder(gSettings.programFolder)) return 0;
    const bool compatibility = Option(gSettings, kOptCompatHook);
    const char* fileName = compatibility ? kCompatibilityHookFile : kStandardHookFile;
    char path[MAX_PATH];
    if (std::snprintf(path, sizeof path, "%s\\%s", gSettings.programFolder, fileName) >=
        static_cast<int>(sizeof path)) {
        ShowLoadFailure(panel, fileName);
        return 0;
    }
    OwnedLibrary library(LoadLibraryA(path));
    if (!library) {
        ShowLoadFailure(panel, fileName);
        return 0;
    }
    if (!compatibility && !SameVersionAsProgram(path)) {
        ShowErrorString(panel, IDS_HOOK_VERSION_MISMATCH);
        return 0;
    }
    auto initialize = Bind<HookInitializeFn>(library.Get(), "Hook_Initialize");
    auto destroy = Bind<HookDestroyFn>(library.Get(), "Hook_Destroy");
    HookSetStateFn setState = nullptr;
    if (compatibility) setState = Bind<HookSetStateFn>(library.Get(), "Hook_SetState");
    if (!initialize || !destroy || (compatibility && !setState)) return 0;

    gHook.library = library.Release();
    gHook.initialize = initialize;
    gHook.destroy = destroy;
    gHook.setState = setState;
    gHook.setSideButtons = Bind<HookSetSideButtonsFn>(gHook.library, "Hook_SetSideButtons");
    gHook.taskbar = FindTaskbarWindow();
    gHook.tracker = ClickTracker{};
    // A failing initialisation keeps the library bound, so that applying the
    // options again does not load it a second time.
    return initialize(panel);
}

void UnloadHookLibrary() {
    if (!gHook.library) return;
    if (gHook.destroy) gHook.destroy();
    FreeLibrary(gHook.library);
    gHook = HookBinding{};
}

void StartMouseActivation(HWND panel) {
    if (Option(gSettings, kOptMouseActivation) && !LoadHookLibrary(panel))
        ShowErrorString(nullptr, IDS_MOUSE_UNAVAILABLE);
    if (gHook.setState) gHook.setState(gSettings.mouseMode);
    PassSideButtons();
}

void RestartMouseActivation(HWND panel, bool libraryChoiceChanged) {
    if (Option(gSettings, kOptMouseActivation)) {
        if (libraryChoiceChanged) UnloadHookLibrary();
        if (!gHook.library && !LoadHookLibrary(panel)) ShowErrorString(nullptr, IDS_MOUSE_UNAVAILABLE);
    } else {
        UnloadHookLibrary();
    }
    if (gHook.setState) gHook.setState(gSettings.mouseMode);
    PassSideButtons();
}

void PassSideButtons() {
    if (!gHook.setSideButtons) return;
    // The compatibility library takes its gestures without modifier keys.
    const unsigned modifiers = gHook.setState ? 0 : RequiredModifiers(gSettings.optionFlags);
    std::unique_ptr<char[]> list(new (std::nothrow) char[kPackedBlockedBytes]);
    size_t used = 0;
    bool complete = list != nullptr;
    // The hook compares the path its process reports with every form of an
    // entry: as written, long and short.
    auto add = [&](const char* path) {
        if (complete && path[0] && !PackedPathsHold(list.get(), used, path))
            complete = AppendPackedPath(list.get(), kPackedBlockedBytes, used, path);
    };
    if (complete && Option(gSettings, kOptBlockedApps) && gBlocked.text) {
        for (const char* entry : gBlocked.entries) {
            add(entry);
            char shortPath[MAX_PATH];
            const DWORD n = GetShortPathNameA(entry, shortPath, sizeof shortPath);
            if (n > 0 && n < sizeof shortPath) {
                CharLowerA(shortPath);
                add(shortPath);
            }
        }
        for (const std::string& entry : gBlocked.longForms) add(entry.c_str());
    }
    // Too many to hand over: the hook then cannot tell a blocked program
    // from another and lets the button act everywhere.
    gHook.setSideButtons(gSettings.mouseMode, modifiers, complete ? list.get() : nullptr,
                         complete ? static_cast<UINT>(used) : 0);
}

uint32_t GetPackedFileVersion(const char* path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) return 0;
    std::unique_ptr<char[]> block(new (std::nothrow) char[size]());
    if (!block || !GetFileVersionInfoA(path, 0, size, block.get())) return 0;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.get(), "\\", &value, &length) || !value || length < sizeof(VS_FIXEDFILEINFO)) return 0;
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(value);
    return PackFileVersion(info->dwFileVersionMS, info->dwFileVersionLS);
}
