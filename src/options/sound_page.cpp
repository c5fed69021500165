#include "options/sound_page.h"

#include <mmsystem.h>

#include "controls/button_table_control.h"
#include "controls/icon_button_control.h"
#include "options/page.h"
#include "options/pickers.h"
#include "resources/resource.h"
#include "base/core/text.h"
#include "base/handles.h"
#include "base/program_windows.h"
#include "base/visual_styles.h"

namespace {

// The events as the tree names them, in event order.
const char* const kEventNames[kSoundEventCount] = {
    "パネルのアクティブ化", "パネルの非表示", "アプリケーションの起動", "アイテムのスクロール",
    "選択カーソルの移動",   "フォルダを開く", "フォルダを閉じる",
};

// Icons of the tree's image list.
constexpr int kIconNoSound = 0;  // fully transparent
constexpr int kIconSound = 1;
constexpr int kIconProgram = 2;

// Posted to the page when the tree was folded after all.
constexpr UINT kReopenTree = WM_APP + 1;

constexpr FlagBox kBoxes[] = {{IDC_PLAY_SOUNDS, kOptSounds}};
constexpr int kFileControls[] = {IDC_SOUND_FILE, IDC_SOUND_PLAY, IDC_SOUND_CLEAR, IDC_SOUND_BROWSE};

// An icon whose mask hides every pixel: events without a sound show nothing.
HICON CreateBlankIcon() {
    BYTE mask[16 * 16 / 8];
    BYTE colour[16 * 16 / 8] = {};
    for (BYTE& b : mask) b = 0xFF;
    return CreateIcon(ResourceModule(), 16, 16, 1, 1, mask, colour);
}

void AddIcon(HIMAGELIST list, HICON icon) {
    OwnedIcon owned(icon);
    if (owned) ImageList_AddIcon(list, owned.Get());
}

class SoundPage {
public:
    SoundPage(HWND page, Settings& working) : page_(page), working_(working) {}
    ~SoundPage() { ReleaseButtonThemes(buttons_); }

    BOOL Load() {
        AttachButtonThemes(page_, buttons_, gVisualStyles);
        images_.Reset(ImageList_Create(16, 16, ILC_COLOR4 | ILC_MASK, 3, 0));
        if (images_) {
            AddIcon(images_.Get(), CreateBlankIcon());
            AddIcon(images_.Get(), static_cast<HICON>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDI_SOUNDS),
                                                                 IMAGE_ICON, 16, 16, 0)));
            AddIcon(images_.Get(), static_cast<HICON>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDI_KORVANE),
                                                                 IMAGE_ICON, 16, 16, LR_VGACOLOR)));
            TreeView_SetImageList(Tree(), images_.Get(), TVSIL_NORMAL);
        }
        HTREEITEM root = Insert(TVI_ROOT, "Tovel panel", kIconProgram, nullptr);
        for (int i = 0; i < kSoundEventCount; ++i) {
            char* entry = working_.soundFiles[i];
            Insert(root, kEventNames[i], entry[0] ? kIconSound : kIconNoSound, entry);
        }
        // The list of events stays open: the user may not fold it.
        expandAllowed_ = true;
        TreeView_Expand(Tree(), root, TVE_EXPAND);
        expandAllowed_ = false;

        LoadFlagBoxes(page_, working_, kBoxes);
        EnableTree();
        EnableFileControls(false);
        return TRUE;
    }

    void Store() {
        if (char* entry = EntryOf(Selected())) GetDlgItemTextA(page_, IDC_SOUND_FILE, entry, kPathSize);
        StoreFlagBoxes(page_, working_, kBoxes);
    }

    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_NOTIFY:
                return OnNotify(*reinterpret_cast<NMHDR*>(lParam), lParam);
            case WM_COMMAND:
                return OnCommand(LOWORD(wParam), HIWORD(wParam));
            case WM_DRAWITEM: {
                const bool drawn = DrawIconButton(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), buttons_);
                SetWindowLongPtrA(page_, DWLP_MSGRESULT, drawn);
                return drawn;
            }
            case WM_THEMECHANGED:
                ButtonThemesChanged(page_, buttons_);
                return FALSE;
            case kReopenTree:
                expandAllowed_ = true;
                TreeView_Expand(Tree(), reinterpret_cast<HTREEITEM>(lParam), TVE_EXPAND);
                expandAllowed_ = false;
                return TRUE;
            default:
                return FALSE;
        }
    }

private:
    HWND Tree() const { return GetDlgItem(page_, IDC_SOUND_TREE); }
    HTREEITEM Selected() const { return TreeView_GetSelection(Tree()); }

    HTREEITEM Insert(HTREEITEM parent, const char* text, int icon, char* entry) {
        TVINSERTSTRUCTA insert{};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(text);
        insert.item.iImage = insert.item.iSelectedImage = icon;
        insert.item.lParam = reinterpret_cast<LPARAM>(entry);
        return reinterpret_cast<HTREEITEM>(SendMessageA(Tree(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    }

    // The settings entry an event item edits; null for the root and for no item.
    char* EntryOf(HTREEITEM item) const {
        if (!item) return nullptr;
        TVITEMA tv{};
        tv.mask = TVIF_PARAM;
        tv.hItem = item;
        if (!SendMessageA(Tree(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv))) return nullptr;
        return reinterpret_cast<char*>(tv.lParam);
    }

    void SetIcon(HTREEITEM item, bool hasSound) {
        if (!item) return;
        TVITEMA tv{};
        tv.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        tv.hItem = item;
        tv.iImage = tv.iSelectedImage = hasSound ? kIconSound : kIconNoSound;
        SendMessageA(Tree(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
    }

    bool EditHasText() const { return GetWindowTextLengthA(GetDlgItem(page_, IDC_SOUND_FILE)) > 0; }

    void EnableTree() {
        const bool on = IsChecked(page_, IDC_PLAY_SOUNDS);
        EnableControl(page_, IDC_SOUND_TREE, on);
        EnableControl(page_, IDC_SOUND_FILE_LABEL, on);
    }

    void EnableFileControls(bool on) {
        for (int id : kFileControls) EnableControl(page_, id, on);
    }

    INT_PTR OnNotify(const NMHDR& header, LPARAM lParam) {
        if (header.idFrom != IDC_SOUND_TREE) return FALSE;
        const auto& change = *reinterpret_cast<const NMTREEVIEWA*>(lParam);
        switch (header.code) {
            case TVN_ITEMEXPANDINGA:
            case TVN_ITEMEXPANDINGW:
                SetWindowLongPtrA(page_, DWLP_MSGRESULT, expandAllowed_ ? FALSE : TRUE);
                return TRUE;
            case TVN_ITEMEXPANDEDA:
            case TVN_ITEMEXPANDEDW:
                // Some tree controls (Wine's) fold an item even though the
                // folding was refused; it is opened again.
                if (!expandAllowed_ && (change.action & TVE_COLLAPSE))
                    PostMessageA(page_, kReopenTree, 0, reinterpret_cast<LPARAM>(change.itemNew.hItem));
                return FALSE;
            case TVN_SELCHANGINGA:
            case TVN_SELCHANGINGW:
                // The item being left keeps what was typed for it.
                if (char* entry = EntryOf(change.itemOld.hItem)) {
                    GetDlgItemTextA(page_, IDC_SOUND_FILE, entry, kPathSize);
                    SetIcon(change.itemOld.hItem, entry[0] != '\0');
                }
                return FALSE;
            case TVN_SELCHANGEDA:
            case TVN_SELCHANGEDW: {
                const char* entry = EntryOf(change.itemNew.hItem);
                EnableFileControls(entry != nullptr);
                SetDlgItemTextA(page_, IDC_SOUND_FILE, entry ? entry : "");
                return FALSE;
            }
            default:
                return FALSE;
        }
    }

    INT_PTR OnCommand(int id, int code) {
        if (id == IDC_SOUND_FILE && code == EN_KILLFOCUS) {
            SetIcon(Selected(), EditHasText());
            return TRUE;
        }
        if (code != BN_CLICKED) return FALSE;
        switch (id) {
            case IDC_PLAY_SOUNDS:
                EnableTree();
                EnableFileControls(IsChecked(page_, IDC_PLAY_SOUNDS) && EntryOf(Selected()));
                return TRUE;
            case IDC_SOUND_PLAY: {
                // Played even while sounds are off: the user is trying it out.
                char file[kPathSize] = "";
                GetDlgItemTextA(page_, IDC_SOUND_FILE, file, sizeof file);
                sndPlaySoundA(file, SND_ASYNC);
                return TRUE;
            }
            case IDC_SOUND_CLEAR:
                SetFile("");
                return TRUE;
            case IDC_SOUND_BROWSE: {
                char file[kPathSize];
                if (ChooseSoundFile(page_, file)) SetFile(file);
                return TRUE;
            }
            default:
                return FALSE;
        }
    }

    // The selected event's file, in the edit and in its entry.
    void SetFile(const char* file) {
        SetDlgItemTextA(page_, IDC_SOUND_FILE, file);
        const HTREEITEM item = Selected();
        if (char* entry = EntryOf(item)) CopyText(entry, kPathSize, file);
        SetIcon(item, file[0] != '\0');
    }

    HWND page_;
    Settings& working_;
    OwnedImageList images_;
    bool expandAllowed_ = false;
    ButtonDecoration buttons_[4] = {{IDC_SOUND_PLAY, kButtonIconPlay, nullptr},
                                    {IDC_SOUND_CLEAR, kButtonIconDelete, nullptr},
                                    {IDC_SOUND_BROWSE, kButtonIconBrowse, nullptr},
                                    {0, 0, nullptr}};
};

}  // namespace

INT_PTR CALLBACK SoundPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return PageProc<SoundPage>(page, message, wParam, lParam);
}
