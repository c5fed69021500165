#include "base/system_functions.h"

#include <utility>

#include "base/system_library.h"

SystemFunctions gSystem;

namespace {

template <typename Fn>
Fn Bind(HMODULE library, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

void BindSystemFunctions() {
    OwnedLibrary user32(LoadSystemLibrary("user32.dll"));
    if (!user32) return;
    gSystem.setLayeredWindowAttributes = Bind<SetLayeredWindowAttributesFn>(user32.Get(), "SetLayeredWindowAttributes");
    gSystem.sendInput = Bind<SendInputFn>(user32.Get(), "SendInput");
    if (gSystem.setLayeredWindowAttributes || gSystem.sendInput) gSystem.user32 = std::move(user32);
}

void UnbindSystemFunctions() { gSystem = SystemFunctions{}; }
