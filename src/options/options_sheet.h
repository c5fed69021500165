#pragma once
// The options property sheet, "Tovel panel の設定": every page edits one
// working copy of the settings, which replaces the live settings only when the
// sheet is confirmed.
#include <windows.h>

#include "base/core/settings.h"
#include "skin/skin_info.h"

// What the sheet holds while it is open: the design preview's window class,
// the icon strip of the pages' buttons and the modal-dialog marker. Whoever
// runs the sheet holds it from before the sheet opens until its result has
// been applied.
class OptionsSheetHold {
public:
    OptionsSheetHold();
    ~OptionsSheetHold();
    OptionsSheetHold(const OptionsSheetHold&) = delete;
    OptionsSheetHold& operator=(const OptionsSheetHold&) = delete;

private:
    bool previewRegistered_ = false;
    bool holdsImages_ = false;
};

// Runs the sheet modally over working, owned by owner (none when null), while
// a hold is held: true when it was confirmed. working then holds whatever the
// opened pages stored; pages never opened leave their part alone. look is the
// panel's skin, which the design page's preview starts from; it must stay
// applied while the sheet is open.
bool ShowOptionsSheet(HWND owner, Settings& working, const SkinInfo& look);
