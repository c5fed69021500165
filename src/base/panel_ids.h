#pragma once
// The names by which the panel program, its second starts and its hook
// libraries find each other: the panel window's class and title, the
// single-instance mutex, and the panel window's private messages.
#include <windows.h>

constexpr UINT WM_PANEL_NOTIFYICON = 0x8064;
constexpr UINT WM_PANEL_ACTIVATE = 0x8066;
constexpr UINT WM_PANEL_MOUSEREQUEST = 0x806E;
// Files were dropped on the panel; the drop target posts it so that the
// dropping program's drag ends before the files are worked on.
constexpr UINT WM_PANEL_FILESDROPPED = 0x8070;

constexpr char kPanelClassName[] = "Tovel panel";
constexpr char kPanelTitle[] = "Tovel panel";
constexpr char kInstanceMutexName[] = "Tovel panel";
