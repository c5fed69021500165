#pragma once
// The reorder dialog: the user moves items up and down, inserts separators,
// deletes items (to the recycle bin) and unfolds folders to do the same
// inside them. It works on the item records themselves; when it closes, the
// order files of the lists that changed are written.
#include <windows.h>

// Runs the dialog modally over owner (the panel while it is visible, else
// null). While it is open, activation requests bring it forward. True when
// the item lists changed (moves, separators or deletions): the caller then
// rebuilds the panel's content from disk.
bool RunReorderDialog(HWND owner);
