#include "items/reorder_dialog.h"

#include <commctrl.h>
#include <shellapi.h>

#include "base/core/text.h"
#include "base/files.h"
#include "base/program_windows.h"
#include "base/settings_store.h"
#include "base/visual_styles.h"
#include "base/window_helpers.h"
#include "items/core/order_file.h"
#include "items/core/reorder_list.h"
#include "items/item_model.h"
#include "controls/button_table_control.h"
#include "controls/icon_button_control.h"
#include "resources/resource.h"

namespace {

constexpr int kEntryHeight = 20;
constexpr int kIndentPerLevel = 16;
constexpr int kArrowWidth = 8;
constexpr COLORREF kArrowMask = RGB(255, 0, 255);
constexpr int kArrowClosed = 0;
constexpr int kArrowOpen = 1;
constexpr char kSeparatorText[] = "区切り";

struct ReorderDialog {
    ButtonDecoration buttons[6];
    OwnedImageList arrows;
    HIMAGELIST systemIcons;  // the system's small icons, shared, never destroyed
    bool changed;            // items moved, separated or deleted
};

// The list box is the dialog's entry list; each entry's data is the record.
class ListBoxEntries final : public DialogEntries {
public:
    explicit ListBoxEntries(HWND dialog) : list_(GetDlgItem(dialog, IDC_REORDER_LIST)) {}
    int Count() const override { return static_cast<int>(SendMessageA(list_, LB_GETCOUNT, 0, 0)); }
    PanelItem* At(int index) const override {
        if (index < 0 || index >= Count()) return nullptr;
        const LRESULT data = SendMessageA(list_, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
        return data == LB_ERR ? nullptr : reinterpret_cast<PanelItem*>(data);
    }
    void Insert(int index, PanelItem* item) override {
        const WPARAM at = index < Count() ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1);
        SendMessageA(list_, LB_INSERTSTRING, at, reinterpret_cast<LPARAM>(item));
    }
    void Erase(int index) override { SendMessageA(list_, LB_DELETESTRING, static_cast<WPARAM>(index), 0); }
    int Selection() const { return static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0)); }
    HWND Window() const { return list_; }

private:
    HWND list_;
};

constexpr int kActionButtons[] = {IDC_REORDER_UP, IDC_REORDER_DOWN, IDC_REORDER_SEPARATOR, IDC_REORDER_DELETE};

void EnableButton(HWND dialog, int id, bool on) {
    HWND button = GetDlgItem(dialog, id);
    // A button that goes grey under the keyboard focus would take the
    // keyboard with it: the list gets the focus back.
    if (!on && GetFocus() == button)
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_REORDER_LIST)), TRUE);
    EnableWindow(button, on);
}

void UpdateButtons(HWND dialog) {
    ListBoxEntries entries(dialog);
    const ReorderButtons on = ButtonsFor(entries.At(entries.Selection()));
    EnableButton(dialog, IDC_REORDER_UP, on.up);
    EnableButton(dialog, IDC_REORDER_DOWN, on.down);
    EnableButton(dialog, IDC_REORDER_SEPARATOR, on.separator);
    EnableButton(dialog, IDC_REORDER_DELETE, on.remove);
}

// Selects the entry (-1: none), updates the buttons and repaints the list.
void SelectEntry(HWND dialog, int index) {
    ListBoxEntries entries(dialog);
    SendMessageA(entries.Window(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    UpdateButtons(dialog);
    InvalidateRect(entries.Window(), nullptr, TRUE);
}

void LoadContent(PanelItem* folder) { ScanFolder(&folder->children, folder, folder->path); }

INT_PTR OnInitDialog(HWND dialog, ReorderDialog* state) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    gMarkers.modalOpen = 1;
    gMarkers.modalDialog = dialog;
    CenterWindow(nullptr, dialog);
    AttachButtonThemes(dialog, state->buttons, gVisualStyles);
    HINSTANCE module = ResourceModule();
    state->arrows.Reset(ImageList_LoadImageA(module, MAKEINTRESOURCEA(IDB_ARROWS), kArrowWidth, 0, kArrowMask,
                                             IMAGE_BITMAP, LR_CREATEDIBSECTION));
    SHFILEINFOA info{};
    state->systemIcons =
        reinterpret_cast<HIMAGELIST>(SHGetFileInfoA("", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));

    // The dialog shows the records themselves, so no spliced copies may stand in the list.
    CloseOpenFolder();
    ListBoxEntries entries(dialog);
    LoadDialogEntries(entries, gItems.head);
    for (int id : kActionButtons) EnableWindow(GetDlgItem(dialog, id), FALSE);
    SetFocus(entries.Window());
    return FALSE;  // the focus is set
}

void OnMove(HWND dialog, ReorderDialog* state, int step) {
    ListBoxEntries entries(dialog);
    PanelItem* item = entries.At(entries.Selection());
    if (!item) return;
    const int moved = MoveEntry(entries, entries.Selection(), step);
    if (moved >= 0) state->changed = true;
    // Folding may have moved the selected entry even when nothing moved.
    SelectEntry(dialog, moved >= 0 ? moved : EntryOf(entries, item));
}

void OnSeparator(HWND dialog, ReorderDialog* state) {
    ListBoxEntries entries(dialog);
    PanelItem* item = entries.At(entries.Selection());
    if (!item) return;
    char folder[kPathSize], path[kPathSize];
    DirectoryOf(item->path, folder, sizeof folder);
    if (!folder[0] || !JoinPath(folder, "", path, sizeof path)) return;
    const int selected = InsertSeparatorEntry(entries, entries.Selection(), &gItems.head, path);
    if (selected < 0) return;
    state->changed = true;
    // The item now has a separator before it: a second one must not follow.
    SelectEntry(dialog, selected);
}

// Deletes the item's file or folder through the shell: to the recycle bin,
// or for good while Shift is held. False when the user cancelled.
bool DeleteThroughShell(HWND dialog, const PanelItem& item) {
    char from[kPathSize + 1] = {};  // a list of names, ended by an empty one
    CopyText(from, kPathSize, item.path);
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = dialog;
    operation.wFunc = FO_DELETE;
    operation.pFrom = from;
    operation.fFlags = GetKeyState(VK_SHIFT) < 0 ? 0 : FOF_ALLOWUNDO;
    // A delete that fails without a cancel still takes the item off the list;
    // the next rebuild shows it again if the file is still there.
    SHFileOperationA(&operation);
    return !operation.fAnyOperationsAborted;
}

void OnDelete(HWND dialog, ReorderDialog* state) {
    ListBoxEntries entries(dialog);
    PanelItem* item = entries.At(entries.Selection());
    if (!item) return;
    if (!IsSeparator(item) && !DeleteThroughShell(dialog, *item)) return;
    // The shell's dialogs let messages through: take the selection again.
    if (!RemoveEntry(entries, EntryOf(entries, item), &gItems.head)) return;
    state->changed = true;
    SelectEntry(dialog, -1);
}

void OnDoubleClick(HWND dialog) {
    if (!Option(gSettings, kOptFoldersInPanel)) return;
    ListBoxEntries entries(dialog);
    PanelItem* item = entries.At(entries.Selection());
    if (!ToggleFolderEntry(entries, entries.Selection(), LoadContent)) return;
    SelectEntry(dialog, EntryOf(entries, item));
}

void OnCommand(HWND dialog, ReorderDialog* state, WORD id, WORD code) {
    switch (id) {
        case IDC_REORDER_LIST:
            if (code == LBN_SELCHANGE) UpdateButtons(dialog);
            if (code == LBN_DBLCLK) OnDoubleClick(dialog);
            break;
        case IDC_REORDER_UP:
            OnMove(dialog, state, -1);
            break;
        case IDC_REORDER_DOWN:
            OnMove(dialog, state, +1);
            break;
        case IDC_REORDER_SEPARATOR:
            OnSeparator(dialog, state);
            break;
        case IDC_REORDER_DELETE:
            OnDelete(dialog, state);
            break;
        case IDOK:
            EndDialog(dialog, IDOK);
            break;
        default:  // Escape: changes are made as they happen, so there is nothing to cancel
            break;
    }
}

void OnMeasureItem(MEASUREITEMSTRUCT* measure) {
    if (measure->CtlType == ODT_LISTBOX) measure->itemHeight = kEntryHeight;
}

// One entry: icon and name indented by depth, a folder's arrow at the left,
// the highlight and focus rectangle around the text only.
void DrawEntry(const DRAWITEMSTRUCT& draw, const ReorderDialog& state) {
    const auto* item = reinterpret_cast<const PanelItem*>(draw.itemData);
    if (draw.itemID == static_cast<UINT>(-1) || !item) return;
    HDC dc = draw.hDC;
    const RECT& r = draw.rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));

    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const bool expanded = (item->editFlags & kEditExpanded) != 0;
    const char* text = IsSeparator(item) ? kSeparatorText : item->name;
    const UINT format = DT_SINGLELINE | DT_VCENTER | (Option(gSettings, kOptAccelerators) ? 0 : DT_NOPREFIX);
    RECT extent{0, 0, 0, 0};
    DrawTextA(dc, text, -1, &extent, format | DT_CALCRECT);
    const int depthShift = static_cast<int>(item->depth) * kIndentPerLevel;
    const int x = r.left + depthShift + 40;
    RECT highlight{x - 3, r.top + 1, x + (extent.right - extent.left) + 5, r.bottom - 1};
    if (selected) {
        FillRect(dc, &highlight, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    if (draw.itemState & ODS_FOCUS) DrawFocusRect(dc, &highlight);

    if (!IsSeparator(item)) {
        const int m = (kEntryHeight - 16) / 2;
        if (IsFolder(item) && Option(gSettings, kOptFoldersInPanel) && state.arrows)
            ImageList_Draw(state.arrows.Get(), expanded ? kArrowOpen : kArrowClosed, dc, r.left + 4, r.top + m + 4,
                           ILD_TRANSPARENT);
        const int icon = expanded ? item->systemOpenIconIndex : item->systemIconIndex;
        if (state.systemIcons && icon >= 0)
            ImageList_Draw(state.systemIcons, icon, dc, r.left + m + depthShift + 16, r.top + m,
                           ILD_TRANSPARENT | (selected ? ILD_SELECTED : 0));
    }
    RECT textRect{x, r.top, r.right, r.bottom};
    DrawTextA(dc, text, -1, &textRect, format);
}

INT_PTR CALLBACK ReorderDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<ReorderDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog(dialog, reinterpret_cast<ReorderDialog*>(lParam));
        case WM_MEASUREITEM:  // arrives before WM_INITDIALOG
            OnMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_DRAWITEM: {
            if (!state) return FALSE;
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (draw->CtlType == ODT_LISTBOX)
                DrawEntry(*draw, *state);
            else if (!DrawIconButton(draw, state->buttons))
                return FALSE;
            SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        case WM_COMMAND:
            if (state) OnCommand(dialog, state, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_CLOSE:
            EndDialog(dialog, IDOK);
            return TRUE;
        case WM_THEMECHANGED:
            if (state) ButtonThemesChanged(dialog, state->buttons);
            return FALSE;
        case WM_DESTROY:
            if (state) {
                ReleaseButtonThemes(state->buttons);
                state->arrows.Reset();
            }
            return FALSE;
        default:
            return FALSE;
    }
}

void WriteChangedOrderFiles() {
    if (ListChanged(gItems.head)) WriteOrderFile(gItems.head);
    for (PanelItem* item = gItems.head; item; item = item->next)
        if (ListChanged(item->children)) WriteOrderFile(item->children);
}

}  // namespace

bool RunReorderDialog(HWND owner) {
    ReorderDialog state{{{IDOK, kButtonIconClose, nullptr},
                         {IDC_REORDER_UP, kButtonIconUp, nullptr},
                         {IDC_REORDER_DOWN, kButtonIconDown, nullptr},
                         {IDC_REORDER_DELETE, kButtonIconDelete, nullptr},
                         {IDC_REORDER_SEPARATOR, kButtonIconSeparator, nullptr},
                         {0, 0, nullptr}},
                        OwnedImageList(),
                        nullptr,
                        false};
    const bool holdsImages = HoldButtonImages();
    HINSTANCE module = ResourceModule();
    DialogBoxParamA(module, MAKEINTRESOURCEA(IDD_REORDER), owner, ReorderDialogProc, reinterpret_cast<LPARAM>(&state));
    if (holdsImages) ReleaseButtonImages();
    // A list whose file cannot be written keeps its old file; the rebuild
    // then shows that order again.
    if (state.changed) WriteChangedOrderFiles();
    gMarkers.modalOpen = 0;
    gMarkers.modalDialog = nullptr;
    return state.changed;
}
