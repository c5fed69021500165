#include "hooklib/side_button_filter.h"

#include "activation/core/mouse_gesture.h"
#include "activation/core/side_buttons.h"
#include "activation/desktop_windows.h"

namespace {

enum class Blocked { kNo, kYes, kUnknown };

// This process's executable as the panel's list holds it, lower-cased; looked
// up on the first side-button press judged here (0 not yet, 1 known, 2 not
// to be had).
char gOwnPath[MAX_PATH];
volatile LONG gOwnPathState;

const char* OwnPath() {
    if (gOwnPathState == 0) {
        wchar_t wide[MAX_PATH];
        const DWORD n = GetModuleFileNameW(nullptr, wide, MAX_PATH);
        const bool known = n > 0 && n < MAX_PATH && CodePagePath(wide, gOwnPath, sizeof gOwnPath);
        if (known) CharLowerA(gOwnPath);
        gOwnPathState = known ? 1 : 2;
    }
    return gOwnPathState == 1 ? gOwnPath : nullptr;
}

Blocked IsBlocked(volatile SideButtonShared& shared, HWND window) {
    const LONG generation = __atomic_load_n(&shared.generation, __ATOMIC_ACQUIRE);
    if (generation & 1) return Blocked::kUnknown;
    if (!shared.blockedKnown) return Blocked::kUnknown;
    const LONG used = shared.blockedUsed;
    if (used <= 0) return Blocked::kNo;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char other[MAX_PATH];
    const char* path = nullptr;
    if (process == GetCurrentProcessId()) {
        path = OwnPath();
    } else if (GetWindowProcessPath(window, other, sizeof other)) {
        // A hook of the other bitness: on 64-bit Windows the system runs it
        // on the panel's own thread for the events of those processes, so
        // the window's process is asked for its path (Wine, which runs one
        // bitness here, never comes this way).
        CharLowerA(other);
        path = other;
    }
    if (!path) return Blocked::kUnknown;
    const UINT size = used < static_cast<LONG>(kBlockedPathBytes) ? static_cast<UINT>(used) : kBlockedPathBytes;
    const bool listed = PackedPathsHold(const_cast<const char*>(shared.blocked), size, path);
    // A list rewritten while it was read may have matched anything.
    if (__atomic_load_n(&shared.generation, __ATOMIC_ACQUIRE) != generation) return Blocked::kUnknown;
    return listed ? Blocked::kYes : Blocked::kNo;
}

unsigned SideButtonOf(const MOUSEHOOKSTRUCT& event) {
    // The side buttons' messages come with the extended record, whose mouse
    // data names the button in its high word (systems without side buttons
    // hand over the plain record and never send these messages).
    return HIWORD(static_cast<const MOUSEHOOKSTRUCTEX&>(event).mouseData);
}

}  // namespace

UINT StoreSideButtons(volatile SideButtonShared& shared, int mode, UINT modifiers, const char* blocked, UINT size) {
    const LONG generation = shared.generation;
    __atomic_store_n(&shared.generation, generation | 1, __ATOMIC_RELEASE);
    __atomic_thread_fence(__ATOMIC_SEQ_CST);
    shared.button = static_cast<LONG>(SideButtonOfMode(mode));
    shared.modifiers = static_cast<LONG>(modifiers);
    const bool fits = blocked && size <= kBlockedPathBytes;
    for (UINT i = 0; fits && i < size; ++i) shared.blocked[i] = blocked[i];
    shared.blockedUsed = fits ? static_cast<LONG>(size) : 0;
    shared.blockedKnown = fits ? 1 : 0;
    __atomic_store_n(&shared.generation, (generation | 1) + 1, __ATOMIC_RELEASE);
    return 1;
}

SideButtonStep JudgeSideButton(volatile SideButtonShared& shared, UINT message, const MOUSEHOOKSTRUCT& event,
                               HWND panel) {
    const SideButtonPhase phase = SideButtonPhaseOf(message);
    if (phase == SideButtonPhase::kNone) return SideButtonStep::kPassOn;
    const unsigned button = SideButtonOf(event);
    if (button != 1 && button != 2) return SideButtonStep::kPassOn;
    const LONG bit = static_cast<LONG>(1u << button);
    // A nonzero answer from the hook keeps the message from its window, on
    // Windows as under Wine. Programs act on the press, on the release, or on
    // the command (WM_APPCOMMAND) that DefWindowProc makes from the release,
    // so the release of a taken press is kept as well. Programs that read
    // the buttons through raw input or a low-level hook of their own still
    // see the click on Windows; Wine's programs here have no such reader.
    if (phase == SideButtonPhase::kRelease)
        return (__atomic_fetch_and(&shared.taken, ~bit, __ATOMIC_ACQ_REL) & bit) ? SideButtonStep::kTake
                                                                                 : SideButtonStep::kPassOn;
    SideButtonStep step = SideButtonStep::kPassOn;
    if (static_cast<LONG>(button) == shared.button && event.hwnd != panel &&
        ModifiersSatisfied(static_cast<unsigned>(shared.modifiers), HeldModifiers())) {
        switch (IsBlocked(shared, event.hwnd)) {
            case Blocked::kNo:
                step = SideButtonStep::kFireAndTake;
                break;
            case Blocked::kUnknown:
                step = SideButtonStep::kFireAndPass;
                break;
            case Blocked::kYes:
                break;
        }
    }
    if (step == SideButtonStep::kFireAndTake)
        __atomic_fetch_or(&shared.taken, bit, __ATOMIC_ACQ_REL);
    else
        __atomic_fetch_and(&shared.taken, ~bit, __ATOMIC_ACQ_REL);
    return step;
}

WPARAM SideButtonRequestCode(UINT message, const MOUSEHOOKSTRUCT& event) {
    if (SideButtonPhaseOf(message) == SideButtonPhase::kNone) return message;
    return MouseRequestCode(message, SideButtonOf(event));
}

void ResetSideButtons(volatile SideButtonShared& shared) { __atomic_store_n(&shared.taken, 0, __ATOMIC_RELEASE); }
