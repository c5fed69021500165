#include "view/panel_drop_target.h"

#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "base/panel_ids.h"
#include "base/program_windows.h"
#include "base/settings_store.h"
#include "base/window_helpers.h"
#include "items/core/dropped_items.h"
#include "items/dropped_files.h"
#include "items/item_model.h"
#include "resources/resource.h"
#include "skin/skin_info.h"
#include "view/core/scroll_logic.h"
#include "view/fade.h"
#include "view/panel_draw.h"
#include "view/panel_rebuild.h"
#include "view/panel_visibility.h"
#include "view/view_state.h"

namespace {

// How often a held hide looks at the mouse buttons again.
constexpr UINT kHoldCheckMs = 100;
// Height of the mark drawn where dropped files will go.
constexpr int kMarkHeight = 2;

// The drop target lives as long as the program; COM's references only count.
class PanelDropTarget final : public IDropTarget {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(InterlockedDecrement(&references_)); }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

private:
    LONG references_ = 1;
};

struct DropState {
    PanelDropTarget target;
    HWND window = nullptr;
    bool oleStarted = false;
    bool registered = false;
    bool filesOver = false;  // a drag that carries files is over the panel
    int markedRow = -1;      // the row drawn with the mark; -1 none
    bool holdingHide = false;
    // After a drop the panel could not take the foreground: the window that
    // kept it. The panel stays until another window takes the foreground.
    HWND keptBy = nullptr;
    std::vector<std::string> dropped;  // the last drop, until the panel works on it
    int droppedRow = -1;
};

DropState gDrop;

// Whether the panel takes files now: shown, complete, not fading, no dialog
// of ours working on the items, and a shortcut folder to put them in.
bool TakesDrops() {
    return gDrop.registered && gDrop.window && IsWindowVisible(gDrop.window) && !gMarkers.modalOpen &&
           gMarkers.building == 0 && !IsFading() && IsDirectory(gSettings.shortcutFolder);
}

FORMATETC FileListFormat() { return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool CarriesFiles(IDataObject* data) {
    FORMATETC format = FileListFormat();
    return data && data->QueryGetData(&format) == S_OK;
}

// A link is what the panel makes; a copy where the program offers no link.
// Never a move: the dropping program would delete its file.
DWORD EffectFor(DWORD allowed) {
    if (allowed & DROPEFFECT_LINK) return DROPEFFECT_LINK;
    if (allowed & DROPEFFECT_COPY) return DROPEFFECT_COPY;
    return DROPEFFECT_NONE;
}

// The row under a screen point, -1 outside the rows.
int RowAt(POINTL screen) {
    POINT client{screen.x, screen.y};
    ScreenToClient(gDrop.window, &client);
    const RECT area{gSkin.itemLeft, gSkin.itemTop, gSkin.itemLeft + gSkin.itemWidth,
                    gSkin.itemTop + gSkin.itemCount * gSkin.itemHeight};
    if (!PtInRect(&area, client)) return -1;
    return RowAtPoint(client.y, gSkin.itemTop, gSkin.itemHeight, gSkin.iconSize, gSkin.itemCount);
}

DropSpot SpotAtRow(int row) {
    return DropSpotAtRow(gItems.head, gView.currentIndex, gView.cursorRow, row, Option(gSettings, kOptNoLoop));
}

// Draws the panel with a bar across the top of row, where the first dropped
// item will stand; -1 draws it plain. Inverted, the bar shows on any skin.
void MarkRow(int row) {
    if (row == gDrop.markedRow) return;
    gDrop.markedRow = row;
    ComposePanel(gMarkers.active != 0);
    if (row >= 0 && gView.backBuffer) {
        const int top = gSkin.itemTop + row * gSkin.itemHeight;
        PatBlt(gView.backBuffer, gSkin.itemLeft, top, gSkin.itemWidth, kMarkHeight, DSTINVERT);
    }
    InvalidateRect(gDrop.window, nullptr, FALSE);
    UpdateWindow(gDrop.window);
}

// The mark for a drag at point: the row whose item the drop goes before.
void FollowDrag(POINTL point) {
    const int row = RowAt(point);
    MarkRow(SpotAtRow(row).itemIndex >= 0 ? row : -1);
}

std::vector<std::string> DroppedPaths(IDataObject* data) {
    std::vector<std::string> paths;
    FORMATETC format = FileListFormat();
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&format, &medium))) return paths;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
        const auto files = static_cast<HDROP>(medium.hGlobal);
        const UINT count = DragQueryFileA(files, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            char path[MAX_PATH];
            if (DragQueryFileA(files, i, path, sizeof path)) paths.emplace_back(path);
        }
    }
    ReleaseStgMedium(&medium);
    return paths;
}

void EndHold() {
    gDrop.keptBy = nullptr;
    if (!gDrop.holdingHide) return;
    gDrop.holdingHide = false;
    KillTimer(gDrop.window, kDropHoldTimer);
}

void StartHold(HWND window) {
    gDrop.holdingHide = true;
    SetTimer(window, kDropHoldTimer, kHoldCheckMs, nullptr);
}

bool MouseButtonHeld() {
    return GetAsyncKeyState(VK_LBUTTON) < 0 || GetAsyncKeyState(VK_RBUTTON) < 0 || GetAsyncKeyState(VK_MBUTTON) < 0;
}

// Index of the item whose path is path, ignoring letter case; -1 for none.
int IndexOfPath(const char* path) {
    int index = 0;
    for (const PanelItem* item = gItems.head; item; item = item->next, ++index)
        if (lstrcmpiA(item->path, path) == 0) return index;
    return -1;
}

void TellRefused(HWND window, const std::string& names) {
    char format[512] = "";
    LoadStringA(ResourceModule(), IDS_DROP_REFUSED, format, sizeof format);
    try {
        std::string text(format);
        const size_t at = text.find("%s");
        if (at != std::string::npos) text.replace(at, 2, names);
        ShowErrorText(window, text.c_str());
    } catch (...) {
        ShowErrorText(window, format);  // out of memory: without the names
    }
}

HRESULT PanelDropTarget::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
        *out = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT PanelDropTarget::DragEnter(IDataObject* data, DWORD, POINTL point, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    gDrop.filesOver = TakesDrops() && CarriesFiles(data);
    *effect = gDrop.filesOver ? EffectFor(*effect) : DROPEFFECT_NONE;
    if (gDrop.filesOver) FollowDrag(point);
    return S_OK;
}

HRESULT PanelDropTarget::DragOver(DWORD, POINTL point, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    if (gDrop.filesOver && !TakesDrops()) {
        gDrop.filesOver = false;
        MarkRow(-1);
    }
    *effect = gDrop.filesOver ? EffectFor(*effect) : DROPEFFECT_NONE;
    if (gDrop.filesOver) FollowDrag(point);
    return S_OK;
}

HRESULT PanelDropTarget::DragLeave() {
    gDrop.filesOver = false;
    if (gDrop.markedRow >= 0) MarkRow(-1);
    return S_OK;
}

HRESULT PanelDropTarget::Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    const bool take = gDrop.filesOver && TakesDrops() && CarriesFiles(data);
    gDrop.filesOver = false;
    if (gDrop.markedRow >= 0) MarkRow(-1);
    const DWORD allowed = *effect;
    *effect = DROPEFFECT_NONE;
    if (!take) return S_OK;
    try {
        gDrop.dropped = DroppedPaths(data);
    } catch (...) {
        gDrop.dropped.clear();  // out of memory: nothing is taken
    }
    if (gDrop.dropped.empty()) return S_OK;
    const int row = RowAt(point);
    gDrop.droppedRow = SpotAtRow(row).itemIndex >= 0 ? row : -1;
    *effect = EffectFor(allowed);
    // The files are worked on once the dropping program's drag has ended:
    // a message box now would hold that program's drag loop.
    PostMessageA(gDrop.window, WM_PANEL_FILESDROPPED, 0, 0);
    return S_OK;
}

}  // namespace

void EnablePanelDrop(HWND window, bool on) {
    if (on == gDrop.registered) return;
    if (!on) {
        RevokeDragDrop(window);
        gDrop.registered = false;
        gDrop.filesOver = false;
        EndHold();
        return;
    }
    // Drop targets need OLE, not only COM, on the window's thread.
    if (!gDrop.oleStarted) {
        if (FAILED(OleInitialize(nullptr))) return;
        gDrop.oleStarted = true;
    }
    gDrop.window = window;
    gDrop.registered = SUCCEEDED(RegisterDragDrop(window, &gDrop.target));
}

void EndPanelDrop(HWND window) {
    EnablePanelDrop(window, false);
    if (gDrop.oleStarted) OleUninitialize();
    gDrop.oleStarted = false;
}

void OnFilesDropped(HWND window) {
    std::vector<std::string> paths;
    paths.swap(gDrop.dropped);
    const int row = gDrop.droppedRow;
    if (paths.empty() || gMarkers.modalOpen) return;
    EndHold();

    const DropSpot spot = SpotAtRow(row);
    const DroppedFilesResult result = AddDroppedFiles(paths, spot);
    if (result.added) {
        ReleaseItems();
        BuildItems(window);
        // The first new item on the row it was dropped on (a drop on no row:
        // on the cursor row).
        const int found = IndexOfPath(result.firstPath);
        if (found >= 0)
            gView.currentIndex = CurrentShowingOnRow(found, row >= 0 ? row : gView.cursorRow, gView.cursorRow,
                                                     ItemCount(gItems.head), Option(gSettings, kOptNoLoop));
        RedrawPanel(window);
        // In front, so that it hides again like any shown panel. Windows may
        // refuse a program the foreground that it did not get input for;
        // then the panel stays until the user turns to another window.
        if (IsWindowVisible(window)) {
            ForceForeground(window);
            HWND foreground = GetForegroundWindow();
            if (foreground != window && !Option(gSettings, kOptAlwaysShown)) {
                StartHold(window);
                gDrop.keptBy = foreground;
            }
        }
    }
    if (!result.refused.empty()) TellRefused(window, result.refused);
    if (result.orderFailed) ShowErrorString(window, IDS_DROP_ORDER_FAILED);
}

bool HoldHideWhileDragging(HWND window) {
    if (!gDrop.registered || !MouseButtonHeld()) return false;
    StartHold(window);
    return true;
}

void OnDropHoldTimer(HWND window) {
    HWND foreground = GetForegroundWindow();
    if (gDrop.keptBy) {
        if (foreground == gDrop.keptBy) return;
    } else if (gDrop.filesOver || MouseButtonHeld()) {
        return;
    }
    EndHold();
    if (foreground != window && !gMarkers.active) HidePanel(window, 0);
}
