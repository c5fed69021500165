#include "options/folder_page.h"

#include <shellapi.h>

#include "options/page.h"
#include "options/pickers.h"
#include "resources/resource.h"
#include "base/window_helpers.h"

namespace {

constexpr TextBinding kFolders[] = {
    {IDC_SHORTCUT_FOLDER, &Settings::shortcutFolder},
    {IDC_SKIN_FOLDER, &Settings::skinFolder},
};
constexpr FlagBox kBoxes[] = {{IDC_ALL_FILES, kOptAllFiles}};

class FolderPage {
public:
    FolderPage(HWND page, Settings& working) : page_(page), working_(working) {}

    BOOL Load() {
        // The first page to open places the whole sheet.
        CenterWindow(nullptr, GetParent(page_));
        LoadTexts(page_, working_, kFolders);
        LoadFlagBoxes(page_, working_, kBoxes);
        return TRUE;
    }

    void Store() {
        StoreTexts(page_, working_, kFolders);
        StoreFlagBoxes(page_, working_, kBoxes);
    }

    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM) {
        if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
        switch (LOWORD(wParam)) {
            case IDC_BROWSE_SHORTCUT_FOLDER:
                Browse(IDC_SHORTCUT_FOLDER);
                return TRUE;
            case IDC_BROWSE_SKIN_FOLDER:
                Browse(IDC_SKIN_FOLDER);
                return TRUE;
            case IDC_OPEN_SHORTCUT_FOLDER:
                Open(IDC_SHORTCUT_FOLDER);
                return TRUE;
            case IDC_OPEN_SKIN_FOLDER:
                Open(IDC_SKIN_FOLDER);
                return TRUE;
            default:
                return FALSE;
        }
    }

private:
    void Browse(int edit) {
        char current[kPathSize] = "";
        GetDlgItemTextA(page_, edit, current, sizeof current);
        char chosen[kPathSize];
        if (BrowseForFolder(page_, chosen, current)) SetDlgItemTextA(page_, edit, chosen);
    }

    void Open(int edit) {
        char folder[kPathSize] = "";
        GetDlgItemTextA(page_, edit, folder, sizeof folder);
        ShellExecuteA(page_, "open", folder, nullptr, nullptr, SW_SHOW);
    }

    HWND page_;
    Settings& working_;
};

}  // namespace

INT_PTR CALLBACK FolderPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return PageProc<FolderPage>(page, message, wParam, lParam);
}
