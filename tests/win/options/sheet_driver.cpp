#include "sheet_driver.h"

#include <commctrl.h>

namespace {

DialogDriver* gDriver = nullptr;

}  // namespace

DialogDriver::DialogDriver(std::vector<Step> steps) : steps_(std::move(steps)) {
    gDriver = this;
    started_ = GetTickCount();
    timer_ = SetTimer(nullptr, 0, 60, Tick);
}

DialogDriver::~DialogDriver() {
    KillTimer(nullptr, timer_);
    gDriver = nullptr;
}

void CALLBACK DialogDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
    static bool busy = false;
    DialogDriver* d = gDriver;
    if (!d || busy || d->next_ >= d->steps_.size()) return;
    busy = true;
    if (d->steps_[d->next_]()) ++d->next_;
    // A test stuck on a step still ends: whatever is in front is closed.
    if (!d->Finished() && GetTickCount() - d->started_ > 60000) {
        d->next_ = d->steps_.size() + 1;
        if (HWND top = GetForegroundWindow()) PostMessageA(top, WM_CLOSE, 0, 0);
        if (HWND sheet = FindSheet()) PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    }
    busy = false;
}

HWND FindDialog(const char* title) {
    struct Search {
        const char* title;
        HWND found;
    } search{title, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM l) -> BOOL {
            auto* s = reinterpret_cast<Search*>(l);
            char text[128] = "";
            GetWindowTextA(w, text, sizeof text);
            if (!IsWindowVisible(w) || lstrcmpA(text, s->title) != 0) return TRUE;
            s->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindSheet() { return FindDialog("Tovel panel の設定"); }

HWND ShowPage(HWND sheet, int id) {
    // What PSM_SETCURSELID returns differs between versions; the page shown says it all.
    SendMessageA(sheet, PSM_SETCURSELID, 0, id);
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    const LRESULT wanted = SendMessageA(sheet, PSM_IDTOINDEX, 0, id);
    return wanted >= 0 && SendMessageA(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0) == wanted ? page
                                                                                                            : nullptr;
}

std::string ItemText(HWND dialog, int id) {
    char text[512] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }
