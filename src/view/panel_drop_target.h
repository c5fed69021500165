#pragma once
// The panel as a place to drop files on (while the option asks for it): the
// OLE drop target that takes files from any program, shows the row they will
// go to, and hands them to the item model once the drag has ended; and the
// panel staying up while a drag may be on its way to it.
#include <windows.h>

// Registers the panel window as a drop target when on (starting OLE on this
// thread the first time), revokes it when off. Nothing happens when the state
// is already as asked or the system refuses.
void EnablePanelDrop(HWND window, bool on);
// Revokes the drop target and ends OLE; before the panel window goes.
void EndPanelDrop(HWND window);

// WM_PANEL_FILESDROPPED: makes the items of the files last dropped, rebuilds
// the panel with the first of them on the row they were dropped on, brings
// the panel forward and tells about any file it could not add.
void OnFilesDropped(HWND window);

// The panel lost the foreground: while it takes drops and a mouse button is
// held (the user may be dragging from the program just clicked), hiding waits
// for the button to be let go. True when it waits.
bool HoldHideWhileDragging(HWND window);
// The hold's timer: hides the panel once no button is held, no drag is over
// it and it has not come to the foreground again.
void OnDropHoldTimer(HWND window);
