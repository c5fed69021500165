#include "view/core/key_actions.h"

KeyAction DecideKeyAction(const Settings& s, uint32_t key) {
    if (key == s.keys.execute) return KeyAction::kExecute;
    if (key == s.keys.close) return KeyAction::kClose;
    if (key == s.keys.up) return KeyAction::kUp;
    if (key == s.keys.down) return KeyAction::kDown;
    if (key == s.keys.pageUp) return KeyAction::kPageUp;
    if (key == s.keys.pageDown) return KeyAction::kPageDown;
    const bool folders = Option(s, kOptFoldersInPanel);
    if (key == s.keys.collapse) return folders ? KeyAction::kCollapse : KeyAction::kNone;
    if (key == s.keys.expand) return folders ? KeyAction::kExpand : KeyAction::kNone;
    return Option(s, kOptAccelerators) ? KeyAction::kAccelerator : KeyAction::kNone;
}

int MatchAcceleratorRow(uint32_t key, const uint8_t* rowKeys, int rows) {
    if (!rowKeys || key == 0) return -1;
    for (int r = 0; r < rows; ++r)
        if (rowKeys[r] != 0 && rowKeys[r] == key) return r;
    return -1;
}
