#include "options/options_sheet.h"

#include <commctrl.h>

#include "controls/button_table_control.h"
#include "options/design_page.h"
#include "options/design_preview.h"
#include "options/effects_page.h"
#include "options/folder_page.h"
#include "options/other_page.h"
#include "options/page.h"
#include "options/panel_page.h"
#include "options/sound_page.h"
#include "resources/resource.h"
#include "base/handles.h"
#include "base/program_windows.h"

namespace {

struct PageEntry {
    const char* title;
    int dialog;
    int icon;
    DLGPROC proc;
};

// The pages in the order the sheet shows them.
const PageEntry kPages[] = {
    {"フォルダ", IDD_FOLDER_PAGE, IDI_FOLDERS, FolderPageProc},
    {"パネル", IDD_PANEL_PAGE, IDI_KORVANE, PanelPageProc},
    {"デザイン", IDD_DESIGN_PAGE, IDI_DESIGN, DesignPageProc},
    {"エフェクト", IDD_EFFECTS_PAGE, IDI_SCROLLING, EffectsPageProc},
    {"サウンド", IDD_SOUND_PAGE, IDI_SOUNDS, SoundPageProc},
    {"その他", IDD_OTHER_PAGE, IDI_OTHER_PAGE, OtherPageProc},
};
constexpr size_t kPageCount = sizeof kPages / sizeof kPages[0];

constexpr char kSheetCaption[] = "Tovel panel の設定";

int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM) {
    if (message != PSCB_INITIALIZED) return 0;
    // Activation requests now bring the sheet forward.
    gMarkers.modalDialog = sheet;
    // No "?" in the caption: the pages have no context help.
    SetWindowLongPtrA(sheet, GWL_EXSTYLE, GetWindowLongPtrA(sheet, GWL_EXSTYLE) & ~WS_EX_CONTEXTHELP);
    SetWindowPos(sheet, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return 0;
}

}  // namespace

OptionsSheetHold::OptionsSheetHold() {
    previewRegistered_ = RegisterDesignPreviewClass(ResourceModule());
    holdsImages_ = HoldButtonImages();
    gMarkers.modalOpen = 1;
    gMarkers.skinLent = 1;
}

OptionsSheetHold::~OptionsSheetHold() {
    gMarkers.modalOpen = 0;
    gMarkers.modalDialog = nullptr;
    gMarkers.skinLent = 0;
    if (holdsImages_) ReleaseButtonImages();
    if (previewRegistered_) UnregisterDesignPreviewClass(ResourceModule());
}

bool ShowOptionsSheet(HWND owner, Settings& working, const SkinInfo& look) {
    OptionsSession session{&working, &look};
    OwnedIcon icons[kPageCount];
    PROPSHEETPAGEA pages[kPageCount] = {};
    for (size_t i = 0; i < kPageCount; ++i) {
        icons[i].Reset(static_cast<HICON>(
            LoadImageA(ResourceModule(), MAKEINTRESOURCEA(kPages[i].icon), IMAGE_ICON, 16, 16, LR_VGACOLOR)));
        PROPSHEETPAGEA& p = pages[i];
        p.dwSize = sizeof p;
        p.dwFlags = PSP_USETITLE | PSP_USEHICON;
        p.hInstance = ResourceModule();
        p.pszTemplate = MAKEINTRESOURCEA(kPages[i].dialog);
        p.hIcon = icons[i].Get();
        p.pszTitle = kPages[i].title;
        p.pfnDlgProc = kPages[i].proc;
        p.lParam = reinterpret_cast<LPARAM>(&session);
    }
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK;
    header.hwndParent = owner;
    header.hInstance = ResourceModule();
    header.pszCaption = kSheetCaption;
    header.nPages = kPageCount;
    header.nStartPage = 0;
    header.ppsp = pages;
    header.pfnCallback = SheetCallback;
    // Confirmed means every opened page heard OK; the sheet's own result does
    // not say so on every version of the common controls.
    PropertySheetA(&header);
    return session.confirmed;
}
