// The libraries the program needs only once it runs as the first instance
// (common controls, COM, the shell, common dialogs, version information,
// sound) are delay-loaded: a second start that hands its request over and ends
// loads none of them. These two hooks make every such binding behave like the
// optional functions bound by name: the library comes from the system folder,
// and a library or function the system lacks turns into a function that
// reports failure, as its callers already expect, instead of raising.
// (Other toolchains import these libraries at load time: cmake/delayload.cmake.)
#if defined(__MINGW32__)
#include <windows.h>
#include <delayimp.h>

#include <cstring>
#include <utility>

#include "base/core/text.h"
#include "base/system_library.h"
#include "shell/core/delayed_import.h"

namespace {

// Stands for a library that could not be loaded; nothing is looked up in it.
HMODULE MissingLibrary() { return GetModuleHandleA(nullptr); }

HMODULE LoadDelayedLibrary(const char* name) {
    char lower[MAX_PATH];
    CopyText(lower, name);
    LowerAscii(lower);
    // Common controls by bare name, so that the manifest's version 6 is the
    // one bound; every other library from the system folder only.
    HMODULE library = std::strcmp(lower, "comctl32.dll") == 0 ? LoadLibraryA(name) : LoadSystemLibrary(name);
    return library ? library : MissingLibrary();
}

// Stand-ins for missing functions. A 32-bit __stdcall function removes its
// arguments from the stack, so each argument size has its own stand-in; the
// argument bytes come from the import name's decoration.
template <int Words>
struct StackArguments {
    DWORD_PTR words[Words];
};
template <LONG_PTR Result, int Words>
LONG_PTR WINAPI MissingFunction(StackArguments<Words>) {
    return Result;
}
template <LONG_PTR Result>
LONG_PTR WINAPI MissingFunctionWithoutArguments() {
    return Result;
}

constexpr int kMaxArgumentWords = 32;

template <typename Function>
FARPROC AsFarProc(Function* function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(function));
}

template <LONG_PTR Result, int... Words>
FARPROC MissingFunctionFor(int words, std::integer_sequence<int, Words...>) {
    static const FARPROC table[] = {AsFarProc(&MissingFunctionWithoutArguments<Result>),
                                    AsFarProc(&MissingFunction<Result, Words + 1>)...};
    return words >= 0 && words <= kMaxArgumentWords ? table[words] : nullptr;
}

FARPROC StandIn(MissingResult result, int argumentBytes) {
    if (argumentBytes % static_cast<int>(sizeof(DWORD_PTR)) != 0) return nullptr;
    const int words = argumentBytes / static_cast<int>(sizeof(DWORD_PTR));
    const auto sequence = std::make_integer_sequence<int, kMaxArgumentWords>();
    switch (result) {
        case MissingResult::MinusOne:
            return MissingFunctionFor<-1>(words, sequence);
        case MissingResult::ComError:
            return MissingFunctionFor<static_cast<LONG>(0x8007007F)>(words, sequence);  // ERROR_PROC_NOT_FOUND
        case MissingResult::Zero:
            break;
    }
    return MissingFunctionFor<0>(words, sequence);
}

// The import name of a 32-bit function keeps its "@N" decoration (the stand-in
// needs N); the system exports it without.
FARPROC BindFunction(const DelayLoadInfo& info) {
    if (info.hmodCur == MissingLibrary()) return nullptr;
    if (!info.dlp.fImportByName) return GetProcAddress(info.hmodCur, MAKEINTRESOURCEA(info.dlp.dwOrdinal));
    char name[256];
    int bytes = 0;
    if (!SplitImportName(info.dlp.szProcName, name, sizeof name, &bytes)) return nullptr;
    return GetProcAddress(info.hmodCur, name);
}

FARPROC StandInFor(const DelayLoadInfo& info) {
    if (!info.dlp.fImportByName) return StandIn(MissingResult::Zero, 0);
    char name[256];
    int bytes = 0;
    if (!SplitImportName(info.dlp.szProcName, name, sizeof name, &bytes)) return nullptr;
    return StandIn(MissingResultOf(name), bytes);
}

FARPROC WINAPI OnDelayLoad(unsigned notification, PDelayLoadInfo info) {
    switch (notification) {
        case dliNotePreLoadLibrary:
            return reinterpret_cast<FARPROC>(LoadDelayedLibrary(info->szDll));
        case dliNotePreGetProcAddress:
            return BindFunction(*info);
        default:
            return nullptr;
    }
}

FARPROC WINAPI OnDelayLoadFailure(unsigned notification, PDelayLoadInfo info) {
    switch (notification) {
        case dliFailLoadLib:
            return reinterpret_cast<FARPROC>(MissingLibrary());
        case dliFailGetProc:
            return StandInFor(*info);
        default:
            return nullptr;
    }
}

}  // namespace

// The run-time's delay-load helper calls these; the link forces this
// definition ahead of the run-time's empty one.
extern "C" {
PfnDliHook __pfnDliNotifyHook2 = OnDelayLoad;
PfnDliHook __pfnDliFailureHook2 = OnDelayLoadFailure;
}
#endif
