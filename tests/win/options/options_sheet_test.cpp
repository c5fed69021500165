// The options sheet and its pages run modally from their real resources over a
// working copy, driven from inside their message loops.
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/core/text.h"
#include "base/handles.h"
#include "controls/button_table_control.h"
#include "options/options_sheet.h"
#include "options/pickers.h"
#include "resources/resource.h"
#include "shell/apply_settings.h"
#include "base/program_windows.h"
#include "base/settings_store.h"
#include "base/system_functions.h"
#include "base/visual_styles.h"
#include "sheet_driver.h"
#include "temp_folder.h"
#include "menu_capture.h"

namespace {

using Steps = std::vector<DialogDriver::Step>;
const int kPageIds[] = {IDD_FOLDER_PAGE,  IDD_PANEL_PAGE, IDD_DESIGN_PAGE,
                        IDD_EFFECTS_PAGE, IDD_SOUND_PAGE, IDD_OTHER_PAGE};

Settings Working() {
    Settings s;
    std::memset(&s, 0, sizeof s);
    CopyText(s.shortcutFolder, "C:\\links");
    CopyText(s.skinFolder, "C:\\skins");
    CopyText(s.soundFiles[kSoundExecute], "C:\\go.wav");
    SetDefaultOptions(s.optionFlags);
    // The other placement as the other-options page writes it: the mouse's
    // placement with flag 59 (the page opens the defaults' 62 alone on the
    // same row and writes 59 with it).
    for (OptionFlag f : {kOptHotkey, kOptTransparency, kOptSounds, kOptAnimateScroll, kOptOtherPlace})
        SetOption(s.optionFlags, f);
    ClearOption(s.optionFlags, kOptFadeIn);
    s.hotkey = 0x0651;
    s.mouseMode = 4;
    s.scrollSpeed = 3;
    s.fadeSpeed = 7;
    s.transparencyActive = 95;  // above what the slider offers
    s.transparencyInactive = 40;
    return s;
}

BOOL WINAPI FakeLayered(HWND, COLORREF, BYTE, DWORD) { return TRUE; }

class SheetTest : public testing::Test {
protected:
    void SetUp() override {
        LoadVisualStyles();
        gSystem.setLayeredWindowAttributes = FakeLayered;
    }
    void TearDown() override { gSystem.setLayeredWindowAttributes = nullptr; }
    static bool Run(Settings& s, Steps steps) {
        DialogDriver driver(std::move(steps));
        OptionsSheetHold hold;
        const bool confirmed = ShowOptionsSheet(nullptr, s, gSkin);
        EXPECT_TRUE(driver.Finished());
        return confirmed;
    }
};

DialogDriver::Step Press(int button) {
    return [button] {
        HWND sheet = FindSheet();
        if (sheet) PostMessageA(sheet, PSM_PRESSBUTTON, button, 0);
        return sheet != nullptr;
    };
}

// Runs check on the page of dialog id once the sheet is up.
DialogDriver::Step OnPage(int id, std::function<void(HWND page)> check) {
    return [id, check] {
        HWND sheet = FindSheet();
        if (!sheet) return false;
        HWND page = ShowPage(sheet, id);
        EXPECT_NE(page, nullptr) << id;
        if (page) check(page);
        return true;
    };
}

LRESULT Send(HWND page, int id, UINT message, WPARAM w = 0, LPARAM l = 0) {
    return SendDlgItemMessageA(page, id, message, w, l);
}

void Shoot(HWND page, const std::string& name) {
    RedrawWindow(GetParent(page), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT sheet;
    GetWindowRect(GetParent(page), &sheet);
    CaptureScreen(ShotPath(name.c_str()), sheet);
}

// Classic: no visual style for the program or for its own controls; back to
// what the process had afterwards.
void UseLook(bool classic) {
    using GetFn = DWORD(WINAPI*)();
    using SetFn = void(WINAPI*)(DWORD);
    HMODULE uxtheme = GetModuleHandleA("uxtheme.dll");
    auto get = reinterpret_cast<GetFn>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "GetThemeAppProperties")));
    auto set = reinterpret_cast<SetFn>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "SetThemeAppProperties")));
    static DWORD themed = get ? get() : 0;
    if (set) set(classic ? 0 : themed);
    if (classic)
        FreeVisualStyles();
    else
        LoadVisualStyles();
}

// In both looks: the sheet holds its resources only while it is open, and
// pages opened and confirmed untouched leave the copy as it was.
TEST_F(SheetTest, PagesOpenedUntouchedLeaveTheCopyAndTheSheetLetsGoOfAll) {
    for (const std::string look : {"themed", "classic"}) {
        UseLook(look == "classic");
        Settings s = Working();
        s.transparencyActive = 20;
        const Settings before = s;
        HINSTANCE module = GetModuleHandleA(nullptr);
        WNDCLASSA wc;
        Steps steps{[&] {
            HWND sheet = FindSheet();
            if (!sheet) return false;
            // The folder page first, the sheet in the middle of the work area.
            EXPECT_TRUE(GetDlgItem(reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)),
                                   IDC_SHORTCUT_FOLDER));
            RECT work, r;
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
            GetWindowRect(sheet, &r);
            EXPECT_NEAR(r.left + r.right, work.left + work.right, 4);
            EXPECT_NEAR(r.top + r.bottom, work.top + work.bottom, 4);
            // Activation requests go to the sheet; no "?" in its caption.
            EXPECT_EQ(gMarkers.modalDialog, sheet);
            EXPECT_FALSE(GetWindowLongA(sheet, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
            EXPECT_TRUE(GetClassInfoA(module, "DesginPreview", &wc));
            EXPECT_TRUE(gButtonImages.images);
            // Only the pages that exist, no placeholders.
            EXPECT_EQ(TabCtrl_GetItemCount(reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0))),
                      static_cast<int>(std::size(kPageIds)));
            return true;
        }};
        for (int id : kPageIds)
            steps.push_back(OnPage(id, [=](HWND page) {
                EXPECT_TRUE(GetWindow(page, GW_CHILD));
                Shoot(page, "options_" + look + "_" + std::to_string(id) + ".bmp");
            }));
        steps.push_back(Press(PSBTN_OK));
        EXPECT_TRUE(Run(s, std::move(steps)));
        EXPECT_EQ(std::memcmp(&s, &before, sizeof s), 0) << look;
        EXPECT_FALSE(GetClassInfoA(module, "DesginPreview", &wc));
        EXPECT_EQ(gMarkers.modalOpen, 0);
        EXPECT_EQ(gMarkers.modalDialog, nullptr);
        EXPECT_FALSE(gButtonImages.images);
    }
    UseLook(false);
    Settings s = Working();
    EXPECT_FALSE(Run(s, {Press(PSBTN_CANCEL)}));
}

TEST_F(SheetTest, ConfirmedPagesStoreWhatWasChanged) {
    Settings s = Working();
    ClearOption(s.optionFlags, kOptHotkey);
    ClearOption(s.optionFlags, kOptMouseActivation);
    Run(s, {OnPage(IDD_FOLDER_PAGE,
                   [](HWND page) {
                       EXPECT_EQ(ItemText(page, IDC_SKIN_FOLDER), "C:\\skins");
                       SetDlgItemTextA(page, IDC_SHORTCUT_FOLDER, std::string(300, 'x').c_str());
                       SetDlgItemTextA(page, IDC_SKIN_FOLDER, "D:\\Skins");
                       Click(page, IDC_ALL_FILES);
                   }),
            OnPage(IDD_PANEL_PAGE,
                   [](HWND page) {
                       EXPECT_FALSE(Enabled(page, IDC_HOTKEY));  // until its box is ticked
                       Click(page, IDC_USE_HOTKEY);
                       EXPECT_TRUE(Enabled(page, IDC_HOTKEY));
                       // Every mode listed; disabled, the list keeps its selection.
                       EXPECT_EQ(Send(page, IDC_MOUSE_MODE, CB_GETCOUNT), 13);
                       EXPECT_FALSE(Enabled(page, IDC_MOUSE_MODE));
                       EXPECT_NE(Send(page, IDC_MOUSE_MODE, CB_GETCURSEL), CB_ERR);
                       Send(page, IDC_MOUSE_MODE, CB_SETCURSEL, 2);
                       // 0-90 %: a stored 95 shows as 90.
                       EXPECT_EQ(Send(page, IDC_TRANSPARENCY_ACTIVE, TBM_GETRANGEMAX), 90);
                       EXPECT_EQ(Send(page, IDC_TRANSPARENCY_ACTIVE, TBM_GETPOS), 90);
                       Click(page, IDC_USE_TRANSPARENCY);
                       EXPECT_FALSE(Enabled(page, IDC_TRANSPARENCY_INACTIVE));
                       EXPECT_FALSE(Enabled(page, IDC_OPAQUE_LABEL));
                       Click(page, IDC_MOUSE_ALT);
                   }),
            OnPage(IDD_EFFECTS_PAGE,
                   [](HWND page) {
                       EXPECT_EQ(Send(page, IDC_FADE_SPEED, TBM_GETRANGEMIN), 1);
                       EXPECT_EQ(Send(page, IDC_SCROLL_SPEED, TBM_GETRANGEMAX), 20);
                       EXPECT_TRUE(Enabled(page, IDC_SCROLL_SLOW_LABEL));
                       EXPECT_FALSE(Enabled(page, IDC_FADE_FAST_LABEL));
                       Click(page, IDC_FADE_IN);
                       Click(page, IDC_ANIMATE_SCROLL);
                       EXPECT_TRUE(Enabled(page, IDC_FADE_SPEED));
                       EXPECT_FALSE(Enabled(page, IDC_SCROLL_SPEED));
                       Send(page, IDC_FADE_SPEED, TBM_SETPOS, TRUE, 12);
                   }),
            Press(PSBTN_OK)});
    EXPECT_EQ(std::string(s.shortcutFolder), std::string(259, 'x'));
    EXPECT_STREQ(s.skinFolder, "D:\\Skins");
    EXPECT_TRUE(Option(s, kOptAllFiles) && Option(s, kOptHotkey) && Option(s, kOptMouseNeedsAlt));
    EXPECT_FALSE(Option(s, kOptTransparency) || Option(s, kOptMouseActivation));
    EXPECT_EQ(s.mouseMode, 9);  // the third row: right-button double-click
    EXPECT_EQ(s.transparencyActive, 90);
    EXPECT_TRUE(Option(s, kOptFadeIn) && !Option(s, kOptAnimateScroll));
    EXPECT_EQ(s.scrollSpeed, 3);
    EXPECT_EQ(s.fadeSpeed, 12);
}

TEST_F(SheetTest, ValuesThePageCannotShowStayOrBecomeZero) {
    gSystem.setLayeredWindowAttributes = nullptr;  // a system without layered windows
    Settings s = Working();
    s.mouseMode = 200;
    Run(s, {OnPage(IDD_PANEL_PAGE,
                   [](HWND page) {
                       EXPECT_EQ(Send(page, IDC_MOUSE_MODE, CB_GETCURSEL), CB_ERR);
                       EXPECT_TRUE(Checked(page, IDC_USE_TRANSPARENCY));
                       for (int id : {IDC_USE_TRANSPARENCY, IDC_TRANSPARENCY_ACTIVE, IDC_TRANSPARENT_LABEL})
                           EXPECT_FALSE(Enabled(page, id)) << id;
                   }),
            Press(PSBTN_CANCEL)});
    EXPECT_EQ(s.mouseMode, 0);
    EXPECT_TRUE(Option(s, kOptTransparency));
    EXPECT_EQ(s.transparencyInactive, 40);
}

// The sound page's tree: the root and the seven events under it.
struct SoundTree {
    explicit SoundTree(HWND page) : tree(GetDlgItem(page, IDC_SOUND_TREE)), root(TreeView_GetRoot(tree)) {}
    HTREEITEM Event(int n) const {
        HTREEITEM item = TreeView_GetChild(tree, root);
        while (item && n-- > 0) item = TreeView_GetNextSibling(tree, item);
        return item;
    }
    int Icon(int n) const {
        TVITEMA tv{};
        tv.mask = TVIF_IMAGE;
        tv.hItem = Event(n);
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
        return tv.iImage;
    }
    HWND tree;
    HTREEITEM root;
};

TEST_F(SheetTest, SoundPageEditsEachEventsFile) {
    Settings s = Working();
    Run(s, {OnPage(IDD_SOUND_PAGE,
                   [](HWND page) {
                       SoundTree t(page);
                       EXPECT_EQ(TreeView_GetCount(t.tree), 8u);
                       EXPECT_EQ(t.Icon(kSoundExecute), 1);  // has a file
                       EXPECT_EQ(t.Icon(kSoundOpen), 0);
                       EXPECT_FALSE(Enabled(page, IDC_SOUND_FILE));
                       TreeView_SelectItem(t.tree, t.root);
                       EXPECT_FALSE(Enabled(page, IDC_SOUND_BROWSE));  // the root has no file
                       SendMessageA(t.tree, WM_KEYDOWN, VK_LEFT, 0);   // the user folds it
                   }),
            OnPage(IDD_SOUND_PAGE,
                   [](HWND page) {
                       SoundTree t(page);
                       EXPECT_TRUE(TreeView_GetItemState(t.tree, t.root, TVIS_EXPANDED) & TVIS_EXPANDED);
                       TreeView_SelectItem(t.tree, t.Event(kSoundExecute));
                       EXPECT_EQ(ItemText(page, IDC_SOUND_FILE), "C:\\go.wav");
                       Click(page, IDC_SOUND_CLEAR);
                       EXPECT_EQ(t.Icon(kSoundExecute), 0);
                       // Leaving an item keeps what was typed for it...
                       TreeView_SelectItem(t.tree, t.Event(kSoundOpen));
                       SetDlgItemTextA(page, IDC_SOUND_FILE, "C:\\open.wav");
                       TreeView_SelectItem(t.tree, t.Event(kSoundClose));
                       EXPECT_EQ(t.Icon(kSoundOpen), 1);
                       // ...and so does OK without leaving it.
                       SetDlgItemTextA(page, IDC_SOUND_FILE, "C:\\close.wav");
                       // Sounds off: the tree and the file controls are locked.
                       Click(page, IDC_PLAY_SOUNDS);
                       for (int id : {IDC_SOUND_TREE, IDC_SOUND_FILE_LABEL, IDC_SOUND_PLAY})
                           EXPECT_FALSE(Enabled(page, id));
                       Click(page, IDC_PLAY_SOUNDS);
                       EXPECT_TRUE(Enabled(page, IDC_SOUND_PLAY));
                   }),
            Press(PSBTN_OK)});
    EXPECT_STREQ(s.soundFiles[kSoundExecute], "");
    EXPECT_STREQ(s.soundFiles[kSoundOpen], "C:\\open.wav");
    EXPECT_STREQ(s.soundFiles[kSoundClose], "C:\\close.wav");
}

TEST_F(SheetTest, CancelLeavesTheLiveSettingsAloneEvenAfterTheKeyDialog) {
    const Settings live = gSettings;
    gSettings = Working();
    const Settings before = gSettings;
    HWND keys = nullptr;
    DialogDriver driver(
        {OnPage(IDD_FOLDER_PAGE, [](HWND page) { SetDlgItemTextA(page, IDC_SHORTCUT_FOLDER, "C:\\elsewhere"); }),
         OnPage(IDD_SOUND_PAGE, [](HWND page) { Click(page, IDC_PLAY_SOUNDS); }),
         OnPage(IDD_PANEL_PAGE, [](HWND page) { PostMessageA(GetDlgItem(page, IDC_KEY_SETTINGS), BM_CLICK, 0, 0); }),
         [&] {
             keys = FindDialog("キーの設定");
             if (!keys) return false;
             EXPECT_EQ(GetWindow(keys, GW_OWNER), FindSheet());
             Send(keys, IDC_KEY_CLOSE, CB_SETCURSEL, 0);
             PostMessageA(keys, WM_COMMAND, IDOK, 0);
             return true;
         },
         [&] { return !IsWindow(keys); }, Press(PSBTN_CANCEL)});
    EXPECT_EQ(RunOptionsSheet(nullptr), 0);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(std::memcmp(&gSettings, &before, sizeof gSettings), 0);
    gSettings = live;
}

// The name of the folder selected in the picker's tree, once the picker is up.
bool PickerSelection(HWND* picker, std::string* name) {
    *picker = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM l) -> BOOL {
            if (!IsWindowVisible(w) || !FindWindowExA(w, nullptr, WC_TREEVIEWA, nullptr)) return TRUE;
            *reinterpret_cast<HWND*>(l) = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(picker));
    if (!*picker) return false;
    HWND tree = FindWindowExA(*picker, nullptr, WC_TREEVIEWA, nullptr);
    char text[MAX_PATH] = "";
    TVITEMA tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = TreeView_GetSelection(tree);
    tv.pszText = text;
    tv.cchTextMax = sizeof text;
    if (tv.hItem) SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
    *name = text;
    return true;
}

TEST(FolderPicker, OpensAtTheFolderTypedAndWithoutSelectionAtAMissingOne) {
    TempFolder folder;
    const std::string chosen = folder.MakeFolder("picked");
    HWND picker;
    std::string name;
    char path[kPathSize] = "";
    {
        DialogDriver driver({[&] {
            if (!PickerSelection(&picker, &name) || name != "picked") return false;
            PostMessageA(picker, WM_COMMAND, IDOK, 0);
            return true;
        }});
        EXPECT_EQ(BrowseForFolder(nullptr, path, chosen.c_str()), 1);
        EXPECT_TRUE(driver.Finished());
        EXPECT_EQ(lstrcmpiA(path, chosen.c_str()), 0) << path;
    }
    int ticks = 0;
    DialogDriver driver({[&] {
        if (!PickerSelection(&picker, &name) || ++ticks < 5) return false;
        EXPECT_EQ(name.find("nowhere"), std::string::npos);
        PostMessageA(picker, WM_COMMAND, IDCANCEL, 0);
        return true;
    }});
    EXPECT_EQ(BrowseForFolder(nullptr, path, folder.File("missing\\nowhere").c_str()), 0);
    EXPECT_TRUE(driver.Finished());
}

}  // namespace
