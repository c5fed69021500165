#pragma once
// Keeps a side button's own action (Back or Forward in the program under the
// pointer) from happening when its click calls the panel. Both hook libraries
// compile this in and keep one SideButtonShared each in the section that all
// processes share: the panel program writes it through Hook_SetSideButtons,
// the hook procedure reads it and decides without allocating, locking or
// waiting.
#include <windows.h>

#include "activation/core/side_buttons.h"

constexpr UINT kBlockedPathBytes = kPackedBlockedBytes;

struct SideButtonShared {
    LONG button;        // the side button (1 or 2) whose click calls the panel; 0 in the other modes
    LONG modifiers;     // the modifier keys that must be held (kModifierShift, kModifierCtrl, kModifierAlt)
    LONG taken;         // a bit (1 << button) per side button whose press was kept from its program
    LONG generation;    // odd while the panel rewrites the fields below
    LONG blockedKnown;  // 0 when the list could not be handed over: no application can be told apart
    LONG blockedUsed;   // bytes of the packed list
    char blocked[kBlockedPathBytes];
};

// The body of Hook_SetSideButtons: the mode, the modifiers the gesture needs,
// and the packed paths (null: the list is too long to hand over). 1.
UINT StoreSideButtons(volatile SideButtonShared& shared, int mode, UINT modifiers, const char* blocked, UINT size);

enum class SideButtonStep {
    kPassOn,       // no side button of the gesture: the event goes on untouched
    kFireAndPass,  // the gesture, in an application that cannot be told from a blocked one: it goes on
    kFireAndTake,  // the gesture: the press is kept from the program
    kTake,         // the release of a press that was kept from its program
};

// The step for one mouse event the hook sees. The release of a taken press is
// taken wherever it arrives, whatever changed in between; the press of a
// button the gesture does not take, or one on the panel, in a blocked
// application or without the modifiers, forgets any earlier taken press of
// that button, so its release goes on as well.
SideButtonStep JudgeSideButton(volatile SideButtonShared& shared, UINT message, const MOUSEHOOKSTRUCT& event,
                               HWND panel);

// The standard library's mouse request for the event: the message, with the
// side button in the high word for the side buttons' messages.
WPARAM SideButtonRequestCode(UINT message, const MOUSEHOOKSTRUCT& event);

// Forgets the taken presses (tests start from a clean slate).
void ResetSideButtons(volatile SideButtonShared& shared);
