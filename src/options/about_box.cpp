#include "options/about_box.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "resources/resource.h"
#include "base/window_helpers.h"
#include "base/handles.h"
#include "base/program_windows.h"
#include "base/settings_store.h"

namespace {

constexpr COLORREF kLinkColour = RGB(64, 64, 255);

struct AboutBox {
    OwnedFont nameFont;
};

void SetStringText(HWND dialog, int id, UINT string) {
    char text[256] = "";
    LoadStringA(ResourceModule(), string, text, sizeof text);
    SetDlgItemTextA(dialog, id, text);
}

BOOL OnInitDialog(HWND dialog, AboutBox* box) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(box));
    gMarkers.modalOpen = 1;
    gMarkers.modalDialog = dialog;
    CenterWindow(nullptr, dialog);
    LOGFONTA font{};
    if (GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font)) {
        font.lfWeight = 800;
        box->nameFont.Reset(CreateFontIndirectA(&font));
        SendDlgItemMessageA(dialog, IDC_ABOUT_NAME, WM_SETFONT, reinterpret_cast<WPARAM>(box->nameFont.Get()), FALSE);
    }
    SetStringText(dialog, IDC_ABOUT_VERSION, IDS_VERSION_LINE);
    SetStringText(dialog, IDC_ABOUT_LINK, IDS_WEB_ADDRESS);
    return TRUE;
}

// A web address opens as it is; a bare file name is the guide that lies
// beside the program.
void OpenLink(HWND dialog) {
    char link[kPathSize] = "";
    GetDlgItemTextA(dialog, IDC_ABOUT_LINK, link, sizeof link);
    char target[2 * kPathSize];
    if (std::strchr(link, ':') || std::strchr(link, '\\'))
        std::snprintf(target, sizeof target, "%s", link);
    else
        std::snprintf(target, sizeof target, "%s\\%s", gSettings.programFolder, link);
    ShellExecuteA(dialog, "open", target, nullptr, nullptr, SW_SHOW);
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog(dialog, reinterpret_cast<AboutBox*>(lParam));
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) != GetDlgItem(dialog, IDC_ABOUT_LINK)) return FALSE;
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            SetTextColor(reinterpret_cast<HDC>(wParam), kLinkColour);
            return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) != GetDlgItem(dialog, IDC_ABOUT_LINK)) return FALSE;
            if (HCURSOR hand = HandCursor()) SetCursor(hand);
            SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_ABOUT_LINK:
                    if (HIWORD(wParam) == STN_CLICKED) OpenLink(dialog);
                    return TRUE;
                case IDOK:
                case IDCANCEL:
                    EndDialog(dialog, 1);
                    return TRUE;
                default:
                    return FALSE;
            }
        case WM_DESTROY:
            gMarkers.modalOpen = 0;
            gMarkers.modalDialog = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

INT_PTR RunAboutBox(HWND owner) {
    AboutBox box;
    return DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutProc,
                           reinterpret_cast<LPARAM>(&box));
}
