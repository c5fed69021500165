#pragma once
// The names by which the panel program, its second starts and its hook
// libraries find each other: the panel window's class and title, the
// single-instance mutex, and the panel window's private messages.
#include <windows.h>

constexpr UINT WM_PANEL_NOTIFYICON = 0x8064;
constexpr UINT WM_PANEL_ACTIVATE = 0x8066;
constexpr UINT WM_PANEL_MOUSEREQUEST = 0x806E;

constexpr char kPanelClassName[] = "Tovel panel";
constexpr char kPanelTitle[] = "Tovel panel";
constexpr char kInstanceMutexName[] = "Tovel panel";
