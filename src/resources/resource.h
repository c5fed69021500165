#pragma once
// Resource numbers of the panel program. Dialogs, menus and bitmaps that later
// subsystems add keep the numbers the rest of the program refers to them by.

#define IDI_KORVANE 105

// Popup menu, dialogs and image strips.
#define IDR_POPUP_MENU 108
#define IDB_MENU_IMAGES 109
#define IDB_MOUSE_IMAGES 163
#define IDB_BUTTON_IMAGES 164
#define IDD_KEYS 168
#define IDB_HEADING_IMAGES 174
#define IDB_ARROWS 194

// Key dialog.
#define IDC_KEY_RESET 1046
#define IDC_KEY_UP 1047
#define IDC_KEY_PAGE_UP 1048
#define IDC_KEY_DOWN 1049
#define IDC_KEY_EXPAND 1050
#define IDC_KEY_COLLAPSE 1051
#define IDC_KEY_CLOSE 1052
#define IDC_KEY_EXECUTE 1053
#define IDC_KEY_PAGE_DOWN 1054

// String table.
#define IDS_VERSION_LINE 1
#define IDS_WEB_ADDRESS 2
#define IDS_CREATE_WINDOW_FAILED 3
#define IDS_LOAD_LIBRARY_FAILED 4
#define IDS_SKIN_LOAD_FAILED 29
#define IDS_HOOK_VERSION_MISMATCH 53
#define IDS_MOUSE_UNAVAILABLE 54
#define IDS_ASK_COMPAT_LIBRARY 65

// Commands of the panel window.
#define IDM_OPTIONS 40001
#define IDM_ABOUT 40002
#define IDM_EXIT 40003
#define IDM_SHOW_PANEL 40004
#define IDM_REFRESH 40005
#define IDM_SKIN_NONE 40006
#define IDM_REORDER 40008
#define IDM_SKIN_FIRST 550
#define IDM_SKIN_LAST 599
#define IDC_CLOSE_BUTTON 1001
