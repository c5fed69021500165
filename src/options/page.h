#pragma once
// What every page of the options sheet is made of. A page is a class with
//   Page(HWND page, Settings& working)  the working copy is the only data it touches
//   BOOL Load()      WM_INITDIALOG: controls from the copy
//   void Store()     WM_DESTROY (sent to every page that was opened, confirmed
//                    or cancelled): controls into the copy
//   INT_PTR Handle(UINT, WPARAM, LPARAM)  every other message
// run by PageProc. Check boxes, sliders and edits that map straight onto a
// field are listed in tables and loaded and stored by the helpers below.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <new>
#include <type_traits>

#include "controls/image_combo_control.h"
#include "base/core/settings.h"

struct SkinInfo;

// Handed to every page through PROPSHEETPAGE::lParam.
struct OptionsSession {
    Settings* working;
    const SkinInfo* look = nullptr;  // the panel's skin, for the design preview; may be null
    bool confirmed = false;          // OK was pressed (the pages heard PSN_APPLY)
};

// A page that needs more than the working copy takes the whole session.
template <class Page>
Page MakePage(HWND dialog, OptionsSession& session) {
    if constexpr (std::is_constructible_v<Page, HWND, OptionsSession&>)
        return Page(dialog, session);
    else
        return Page(dialog, *session.working);
}

// The page with the session it belongs to, in DWLP_USER from WM_INITDIALOG
// to WM_DESTROY.
template <class Page>
struct PageHolder {
    OptionsSession* session;
    Page page;
};

template <class Page>
INT_PTR CALLBACK PageProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* holder = reinterpret_cast<PageHolder<Page>*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            auto* session = reinterpret_cast<OptionsSession*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
            holder = new (std::nothrow) PageHolder<Page>{session, MakePage<Page>(dialog, *session)};
            SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(holder));
            return holder ? holder->page.Load() : TRUE;
        }
        case WM_MEASUREITEM:
            // Owner-drawn combo boxes are measured while the template is
            // created, before WM_INITDIALOG; every combo of the pages has
            // icon rows.
            if (reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->CtlType == ODT_COMBOBOX) {
                MeasureImageComboRow(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
                return TRUE;
            }
            break;
        case WM_NOTIFY:
            if (holder && reinterpret_cast<NMHDR*>(lParam)->code == PSN_APPLY) holder->session->confirmed = true;
            break;
        case WM_DESTROY:
            if (holder) {
                holder->page.Store();
                SetWindowLongPtrA(dialog, DWLP_USER, 0);
                delete holder;
            }
            return FALSE;
        default:
            break;
    }
    return holder ? holder->page.Handle(message, wParam, lParam) : FALSE;
}

// ---- Controls bound to the working copy ----

struct FlagBox {
    int id;
    OptionFlag flag;
};

template <class T>
struct SliderBinding {
    int id;
    T Settings::*field;
    int low, high;
};

struct TextBinding {
    int id;
    char (Settings::*field)[kPathSize];
};

// A check box and the controls that are usable only while it is ticked.
struct EnableRule {
    int box;
    int dependents[6];  // 0 ends the list
};

bool IsChecked(HWND page, int id);
void SetChecked(HWND page, int id, bool on);
void EnableControl(HWND page, int id, bool on);

void LoadFlagBoxes(HWND page, const Settings& s, const FlagBox* boxes, size_t count);
void StoreFlagBoxes(HWND page, Settings& s, const FlagBox* boxes, size_t count);
void LoadTexts(HWND page, const Settings& s, const TextBinding* texts, size_t count);
// Each text up to 259 characters.
void StoreTexts(HWND page, Settings& s, const TextBinding* texts, size_t count);

// The rule's dependents follow its box; extra = false disables them anyway.
void ApplyEnableRule(HWND page, const EnableRule& rule, bool extra = true);
// The rule for box, or null.
const EnableRule* FindEnableRule(const EnableRule* rules, size_t count, int box);

template <size_t N>
void LoadFlagBoxes(HWND page, const Settings& s, const FlagBox (&boxes)[N]) {
    LoadFlagBoxes(page, s, boxes, N);
}
template <size_t N>
void StoreFlagBoxes(HWND page, Settings& s, const FlagBox (&boxes)[N]) {
    StoreFlagBoxes(page, s, boxes, N);
}

template <size_t N>
void LoadTexts(HWND page, const Settings& s, const TextBinding (&texts)[N]) {
    LoadTexts(page, s, texts, N);
}
template <size_t N>
void StoreTexts(HWND page, Settings& s, const TextBinding (&texts)[N]) {
    StoreTexts(page, s, texts, N);
}

template <class T, size_t N>
void LoadSliders(HWND page, const Settings& s, const SliderBinding<T> (&sliders)[N]) {
    for (const SliderBinding<T>& b : sliders) {
        SendDlgItemMessageA(page, b.id, TBM_SETRANGE, FALSE, MAKELPARAM(b.low, b.high));
        // The slider shows a stored value outside its range at the nearer end.
        SendDlgItemMessageA(page, b.id, TBM_SETPOS, TRUE, static_cast<LPARAM>(s.*b.field));
    }
}
template <class T, size_t N>
void StoreSliders(HWND page, Settings& s, const SliderBinding<T> (&sliders)[N]) {
    for (const SliderBinding<T>& b : sliders)
        s.*b.field = static_cast<T>(SendDlgItemMessageA(page, b.id, TBM_GETPOS, 0, 0));
}
