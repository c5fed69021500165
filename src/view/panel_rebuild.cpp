#include "view/panel_rebuild.h"

#include <cstddef>

#include "activation/blocked_apps.h"
#include "activation/desktop_windows.h"
#include "base/dpi.h"
#include "base/program_windows.h"
#include "base/settings_store.h"
#include "items/item_model.h"
#include "skin/skin_info.h"
#include "skin/skin_list.h"
#include "view/panel_draw.h"
#include "view/panel_layout.h"

RebuildState gRebuild;

namespace {

void CreateFonts(HWND window) {
    NONCLIENTMETRICSA ncm{};
    // The size without the padded-border field, which older systems refuse.
    ncm.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
    LOGFONTA menu{};
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0))
        menu = ncm.lfMenuFont;
    else
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof menu, &menu);
    gRebuild.menuFont.Reset(CreateFontIndirectA(&menu));
    LOGFONTA small = menu;
    small.lfHeight = -MulDiv(9, PixelsPerInchY(window), 72);
    gRebuild.smallFont.Reset(CreateFontIndirectA(&small));
    gSkin.baseFont = small;
}

void ReopenFolder() {
    if (!Option(gSettings, kOptFoldersInPanel)) {
        gSettings.openFolder[0] = '\0';
        return;
    }
    const int i = IndexOfFileName(gItems.head, gSettings.openFolder);
    PanelItem* folder = i >= 0 ? ItemAt(gItems.head, i) : nullptr;
    if (folder && IsFolder(folder)) OpenFolderItems(folder);
}

}  // namespace

void BuildItems(HWND window) {
    BeginBuilding();
    if (gRebuild.built) ReleaseItems();
    CreateFonts(window);
    LookUpSystemImageLists();
    CreateArrowImageList();
    EnumerateSkins(gSettings.skinFolder);
    LayoutPanel(window, gSettings.skinName);
    CreatePanelImageList(gSkin.iconSize);
    gItems.head = nullptr;
    ScanFolder(&gItems.head, nullptr, gSettings.shortcutFolder);
    if (gItems.head) gItems.head->headSlot = &gItems.head;
    LoadBlockedList();
    ReopenFolder();
    gRebuild.built = true;
    EndBuilding(window);
}

void ReleaseItems() {
    if (!gRebuild.built) return;
    FreeBlockedList();
    ClearItems();
    FreeSkins();
    ReleasePanelLayout(gWindows.panel);
    DestroyItemImageLists();
    gRebuild.smallFont.Reset();
    gRebuild.menuFont.Reset();
    gRebuild.built = false;
}

void RefreshPanel(HWND window) {
    ReleaseItems();
    BuildItems(window);
    RedrawPanel(window);
    FindDesktopListView();
}
