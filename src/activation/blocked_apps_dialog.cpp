#include "activation/blocked_apps_dialog.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "activation/blocked_apps.h"
#include "activation/core/blocked_entries.h"
#include "activation/desktop_windows.h"
#include "base/core/text.h"
#include "base/files.h"
#include "base/handles.h"
#include "base/panel_ids.h"
#include "base/program_windows.h"
#include "base/visual_styles.h"
#include "base/window_helpers.h"
#include "controls/button_table_control.h"
#include "controls/icon_button_control.h"
#include "resources/resource.h"

namespace {

struct BlockedAppsDialog {
    const char* folder;
    std::vector<std::string> entries;  // whole lines, in the list's order
    ButtonDecoration buttons[4];
};

bool BlockedFilePath(const char* folder, char (&out)[MAX_PATH]) {
    const int n = std::snprintf(out, sizeof out, "%s\\%s", folder, kBlockedFileName);
    return n > 0 && n < static_cast<int>(sizeof out);
}

// False when the file is there but cannot be read (held by another program,
// too large); a missing file is an empty list.
bool ReadEntries(const char* folder, std::vector<std::string>& entries) {
    char path[MAX_PATH];
    if (!BlockedFilePath(folder, path)) return false;
    DWORD size = 0;
    OwnedText text(ReadWholeFile(path, &size));
    if (!text) {
        if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) return false;
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    entries = SplitBlockedEntries(text.Get(), size - 1);
    return true;
}

bool WriteAll(HANDLE file, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(text.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, text.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

// The list goes to a new file in the same folder, which replaces the old
// one only once it has been written whole: a full disk or a list held open
// by another program leaves the old file as it was.
bool SaveEntries(const char* folder, const std::vector<std::string>& entries) {
    char target[MAX_PATH], temp[MAX_PATH];
    if (!BlockedFilePath(folder, target)) return false;
    std::string text;
    try {
        text = JoinBlockedEntries(entries);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!GetTempFileNameA(folder, "kvb", 0, temp)) return false;
    bool written = false;
    {
        OwnedFile file(CreateFileA(temp, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        written = file && WriteAll(file.Get(), text) && FlushFileBuffers(file.Get());
    }
    if (written && MoveFileExA(temp, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    DeleteFileA(temp);
    return false;
}

// The system's small icon of the program, or of programs in general for one
// that is gone or a line longer than any path.
int SmallIconOf(const std::string& entry) {
    SHFILEINFOA info{};
    constexpr UINT kIndex = SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    if (entry.size() < MAX_PATH && SHGetFileInfoA(entry.c_str(), 0, &info, sizeof info, kIndex)) return info.iIcon;
    if (SHGetFileInfoA("program.exe", FILE_ATTRIBUTE_NORMAL, &info, sizeof info, kIndex | SHGFI_USEFILEATTRIBUTES))
        return info.iIcon;
    return I_IMAGENONE;
}

// Rows take their text and icon from the entries when they are drawn, so a
// list of thousands of lines opens at once.
bool InsertRow(HWND list, int index) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.iImage = I_IMAGECALLBACK;
    return SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)) >= 0;
}

int SelectedRow(HWND list) {
    return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void UpdateDeleteButton(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_BLOCKED_LIST);
    const bool any = SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0) > 0;
    HWND button = GetDlgItem(dialog, IDC_BLOCKED_DELETE);
    if (!any && GetFocus() == button) SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
    EnableWindow(button, any);
}

std::wstring Wide(const char* text, int length) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, length, &out[0], n);
    return out;
}

// The open-file dialog of the wide functions: the ANSI one hands back a name
// the code page cannot hold with "?" in place of its characters, which names
// no file, where the wide name can still give its short form.
bool AskForProgram(HWND dialog, wchar_t (&file)[MAX_PATH]) {
    static const char kTitle[] = "プログラムファイルを指定してください";
    static const char kFilter[] = "プログラムファイル\0*.exe\0すべてのファイル\0*.*\0";
    const std::wstring title = Wide(kTitle, -1);
    const std::wstring filter = Wide(kFilter, sizeof kFilter);  // ends in two NULs
    file[0] = L'\0';
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = dialog;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    return GetOpenFileNameW(&ofn) != 0;
}

INT_PTR OnInitDialog(HWND dialog, BlockedAppsDialog* state) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    AttachButtonThemes(dialog, state->buttons, gVisualStyles);
    CenterWindow(GetParent(dialog), dialog);
    HWND list = GetDlgItem(dialog, IDC_BLOCKED_LIST);
    SHFILEINFOA info{};
    const DWORD_PTR images = SHGetFileInfoA(state->folder, 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, static_cast<LPARAM>(images));
    RECT client{};
    GetClientRect(list, &client);
    SendMessageA(list, LVM_SETCOLUMNWIDTH, 0, client.right - client.left);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_SETITEMCOUNT, state->entries.size(), 0);
    for (size_t i = 0; i < state->entries.size(); ++i)
        if (!InsertRow(list, static_cast<int>(i))) break;
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    return TRUE;
}

void OnAdd(HWND dialog, BlockedAppsDialog* state) {
    wchar_t file[MAX_PATH];
    if (!AskForProgram(dialog, file)) return;
    char path[MAX_PATH];
    if (!CodePagePath(file, path, sizeof path)) {
        ShowErrorString(dialog, IDS_BLOCKED_NAME_UNUSABLE);
        return;
    }
    state->entries.emplace_back(path);
    HWND list = GetDlgItem(dialog, IDC_BLOCKED_LIST);
    const int index = static_cast<int>(state->entries.size()) - 1;
    if (!InsertRow(list, index)) {
        state->entries.pop_back();
        return;
    }
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

void OnDelete(HWND dialog, BlockedAppsDialog* state) {
    HWND list = GetDlgItem(dialog, IDC_BLOCKED_LIST);
    const int index = SelectedRow(list);
    if (index < 0 || index >= static_cast<int>(state->entries.size())) return;
    state->entries.erase(state->entries.begin() + index);
    SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
    UpdateDeleteButton(dialog);
}

void OnDisplayInfo(const BlockedAppsDialog* state, NMLVDISPINFOA* display) {
    LVITEMA& item = display->item;
    if (item.iItem < 0 || item.iItem >= static_cast<int>(state->entries.size())) return;
    const std::string& entry = state->entries[static_cast<size_t>(item.iItem)];
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
        CopyText(item.pszText, static_cast<size_t>(item.cchTextMax), entry.c_str());
    if (item.mask & LVIF_IMAGE) {
        item.iImage = SmallIconOf(entry);
        item.mask |= LVIF_DI_SETITEM;  // asked once a row
    }
}

bool AskToRetrySave(HWND dialog) {
    char text[512] = "";
    LoadStringA(ResourceModule(), IDS_BLOCKED_SAVE_FAILED, text, sizeof text);
    return MessageBoxA(dialog, text, kPanelTitle, MB_RETRYCANCEL | MB_ICONERROR) == IDRETRY;
}

// Every way out saves. When the save fails the user may try again (after
// closing the program that holds the file) or give the edits up; the old
// file stays as it was either way.
void OnClose(HWND dialog, BlockedAppsDialog* state) {
    while (!SaveEntries(state->folder, state->entries) && AskToRetrySave(dialog)) {
    }
    ReleaseButtonThemes(state->buttons);
    EndDialog(dialog, 1);
}

INT_PTR OnNotify(HWND dialog, BlockedAppsDialog* state, NMHDR* header) {
    if (header->idFrom != IDC_BLOCKED_LIST) return FALSE;
    switch (header->code) {
        case LVN_ITEMCHANGED:
            UpdateDeleteButton(dialog);
            return TRUE;
        case LVN_GETDISPINFOA:
            OnDisplayInfo(state, reinterpret_cast<NMLVDISPINFOA*>(header));
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR HandleMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<BlockedAppsDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (message == WM_INITDIALOG) return OnInitDialog(dialog, reinterpret_cast<BlockedAppsDialog*>(lParam));
    if (!state) return FALSE;
    switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_BLOCKED_ADD:
                    OnAdd(dialog, state);
                    return TRUE;
                case IDC_BLOCKED_DELETE:
                    OnDelete(dialog, state);
                    return TRUE;
                case IDOK:
                    OnClose(dialog, state);
                    return TRUE;
                case IDCANCEL:  // Escape: the dialog has no cancel
                    return TRUE;
                default:
                    return FALSE;
            }
        case WM_CLOSE:
            OnClose(dialog, state);
            return TRUE;
        case WM_NOTIFY:
            return OnNotify(dialog, state, reinterpret_cast<NMHDR*>(lParam));
        case WM_DRAWITEM:
            SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
            return DrawIconButton(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), state->buttons);
        case WM_THEMECHANGED:
            ButtonThemesChanged(dialog, state->buttons);
            return FALSE;
        case WM_DESTROY:
            ReleaseButtonThemes(state->buttons);
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK BlockedAppsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return HandleMessage(dialog, message, wParam, lParam);
    } catch (...) {  // out of memory adding a row: the row is not added
        return FALSE;
    }
}

}  // namespace

INT_PTR RunBlockedAppsDialog(HWND owner, const char* folder) {
    BlockedAppsDialog state{folder,
                            {},
                            {{IDC_BLOCKED_ADD, kButtonIconAdd, nullptr},
                             {IDC_BLOCKED_DELETE, kButtonIconDelete, nullptr},
                             {IDOK, kButtonIconClose, nullptr},
                             {0, 0, nullptr}}};
    bool read = false;
    try {
        read = ReadEntries(folder, state.entries);
    } catch (const std::bad_alloc&) {
    }
    if (!read) {
        ShowErrorString(owner, IDS_BLOCKED_READ_FAILED);
        return 1;
    }
    const bool holdsImages = HoldButtonImages();
    const INT_PTR result = DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_BLOCKED_APPS), owner, BlockedAppsProc,
                                           reinterpret_cast<LPARAM>(&state));
    if (holdsImages) ReleaseButtonImages();
    return result;
}
