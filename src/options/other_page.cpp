#include "options/other_page.h"

#include "activation/blocked_apps.h"
#include "activation/blocked_apps_dialog.h"
#include "base/handles.h"
#include "base/panel_ids.h"
#include "base/program_windows.h"
#include "base/visual_styles.h"
#include "controls/button_table_control.h"
#include "controls/check_list_control.h"
#include "options/core/other_rows.h"
#include "controls/icon_button_control.h"
#include "options/page.h"
#include "resources/resource.h"

namespace {

constexpr uint32_t kIndent[] = {0, kRowIndent1, kRowIndent2, kRowIndent3};

OtherRowFacts SystemFacts() {
    WindowDc screen(nullptr);
    return OtherRowFacts{static_cast<bool>(gVisualStyles.library), GetDeviceCaps(screen.Get(), BITSPIXEL) == 24};
}

class OtherPage {
public:
    OtherPage(HWND page, Settings& working) : page_(page), working_(working) {}
    ~OtherPage() { ReleaseButtonThemes(buttons_); }

    BOOL Load() {
        AttachButtonThemes(page_, buttons_, gVisualStyles);
        HWND list = List();
        listReady_ = SetUpCheckList(list, IDC_OTHER_LIST, ResourceModule(), IDB_HEADING_IMAGES, gVisualStyles);
        if (listReady_) {
            shown_ = OpenOtherRows(working_.optionFlags);
            for (int i = 0; i < kOtherRowCount; ++i) AddRow(list, i);
            ApplyUsability();
        }
        SetChecked(page_, IDC_USE_BLOCKED_APPS, Option(working_, kOptBlockedApps));
        EnableControl(page_, IDC_BLOCKED_DETAILS, IsChecked(page_, IDC_USE_BLOCKED_APPS));
        return TRUE;
    }

    // A greyed row's tick is stored like any other.
    void Store() {
        if (listReady_) {
            CloseOtherRows(Ticks(), working_.optionFlags);
            TearDownCheckList();
            listReady_ = false;
        }
        PutOption(working_.optionFlags, kOptBlockedApps, IsChecked(page_, IDC_USE_BLOCKED_APPS));
    }

    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_COMMAND:
                return OnCommand(LOWORD(wParam), HIWORD(wParam));
            case WM_DRAWITEM: {
                const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                const bool drawn = DrawCheckListRow(draw) || DrawIconButton(draw, buttons_);
                SetWindowLongPtrA(page_, DWLP_MSGRESULT, drawn);
                return drawn;
            }
            case WM_THEMECHANGED:
                ButtonThemesChanged(page_, buttons_);
                CheckListThemeChanged();
                return FALSE;
            default:
                return FALSE;
        }
    }

private:
    HWND List() const { return GetDlgItem(page_, IDC_OTHER_LIST); }

    void AddRow(HWND list, int index) {
        const OtherRow& row = kOtherRows[index];
        uint32_t flags = kIndent[row.level & 3];
        if (shown_.ticked[index]) flags |= kRowTicked;
        if (row.kind == OtherRowKind::kHeading) {
            AddCheckListRow(list, row.heading, row.icon, flags | kRowHeader);
            return;
        }
        if (row.kind == OtherRowKind::kRadio) flags |= kRowRadio;
        AddCheckListStringRow(list, ResourceModule(), static_cast<UINT>(row.text), 0, flags);
    }

    OtherRowTicks Ticks() const {
        OtherRowTicks ticks{};
        for (int i = 0; i < kOtherRowCount; ++i) ticks.ticked[i] = IsCheckListRowTicked(List(), i);
        return ticks;
    }

    void ApplyUsability() {
        HWND list = List();
        const OtherRowFacts facts = SystemFacts();
        for (int i = 0; i < kOtherRowCount; ++i) {
            const bool usable = IsOtherRowUsable(shown_, i, facts);
            if (usable == ((CheckListRowFlags(list, i) & kRowDisabled) == 0)) continue;
            SetCheckListRowEnabled(list, i, usable);
        }
    }

    // The list has ticked or unticked a check row itself; a radio row is
    // chosen here. A heading changes nothing.
    void OnRow(int index) {
        if (!listReady_ || index < 0 || index >= kOtherRowCount) return;
        HWND list = List();
        const OtherRow& row = kOtherRows[index];
        if (row.kind == OtherRowKind::kRadio && !(CheckListRowFlags(list, index) & kRowDisabled)) {
            OtherRowTicks chosen = Ticks();
            ChooseOtherRadio(chosen, index);
            const OtherRadioGroup* group = RadioGroupOf(index);
            for (int i = group->first; i <= group->last; ++i) SetCheckListRowTicked(list, i, chosen.ticked[i]);
        }
        if (row.question && IsCheckListRowTicked(list, index) && !shown_.ticked[index] && !Confirm(row.question))
            SetCheckListRowTicked(list, index, false);
        shown_ = Ticks();
        ApplyUsability();
    }

    bool Confirm(int question) const {
        char text[512] = "";
        LoadStringA(ResourceModule(), static_cast<UINT>(question), text, sizeof text);
        return MessageBoxA(page_, text, kPanelTitle, MB_ICONQUESTION | MB_YESNO) != IDNO;
    }

    // The editor changes the file at once, so the live list is read again at
    // once too: cancelling the sheet does not undo it.
    void OnDetails() {
        RunBlockedAppsDialog(page_, working_.programFolder);
        LoadBlockedListFrom(working_.programFolder);
    }

    INT_PTR OnCommand(int id, int code) {
        if (id == IDC_OTHER_LIST) {
            OnRow(code);  // the row is in the high word
            return TRUE;
        }
        if (code != BN_CLICKED) return FALSE;
        if (id == IDC_USE_BLOCKED_APPS) {
            EnableControl(page_, IDC_BLOCKED_DETAILS, IsChecked(page_, IDC_USE_BLOCKED_APPS));
            return TRUE;
        }
        if (id == IDC_BLOCKED_DETAILS) {
            OnDetails();
            return TRUE;
        }
        return FALSE;
    }

    HWND page_;
    Settings& working_;
    ButtonDecoration buttons_[2] = {{IDC_BLOCKED_DETAILS, kButtonIconDetails, nullptr}, {0, 0, nullptr}};
    bool listReady_ = false;
    OtherRowTicks shown_{};  // the ticks as the page last saw them
};

}  // namespace

INT_PTR CALLBACK OtherPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    // The check list is measured while the template is created, before the
    // page exists.
    if (message == WM_MEASUREITEM && reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->CtlType == ODT_LISTVIEW) {
        MeasureCheckListRow(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return PageProc<OtherPage>(page, message, wParam, lParam);
}
