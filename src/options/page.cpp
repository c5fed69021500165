#include "options/page.h"

bool IsChecked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

void SetChecked(HWND page, int id, bool on) { CheckDlgButton(page, id, on ? BST_CHECKED : BST_UNCHECKED); }

void EnableControl(HWND page, int id, bool on) {
    if (HWND control = GetDlgItem(page, id)) EnableWindow(control, on ? TRUE : FALSE);
}

void LoadFlagBoxes(HWND page, const Settings& s, const FlagBox* boxes, size_t count) {
    for (size_t i = 0; i < count; ++i) SetChecked(page, boxes[i].id, Option(s, boxes[i].flag));
}

void StoreFlagBoxes(HWND page, Settings& s, const FlagBox* boxes, size_t count) {
    for (size_t i = 0; i < count; ++i) PutOption(s.optionFlags, boxes[i].flag, IsChecked(page, boxes[i].id));
}

void LoadTexts(HWND page, const Settings& s, const TextBinding* texts, size_t count) {
    for (size_t i = 0; i < count; ++i) SetDlgItemTextA(page, texts[i].id, s.*texts[i].field);
}

void StoreTexts(HWND page, Settings& s, const TextBinding* texts, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        char* field = s.*texts[i].field;
        if (!GetDlgItemTextA(page, texts[i].id, field, kPathSize)) field[0] = '\0';
    }
}

void ApplyEnableRule(HWND page, const EnableRule& rule, bool extra) {
    const bool on = extra && IsChecked(page, rule.box);
    for (int id : rule.dependents) {
        if (id == 0) break;
        EnableControl(page, id, on);
    }
}

const EnableRule* FindEnableRule(const EnableRule* rules, size_t count, int box) {
    for (size_t i = 0; i < count; ++i)
        if (rules[i].box == box) return &rules[i];
    return nullptr;
}
