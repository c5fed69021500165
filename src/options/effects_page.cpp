#include "options/effects_page.h"

#include "options/page.h"
#include "resources/resource.h"

namespace {

constexpr FlagBox kBoxes[] = {{IDC_ANIMATE_SCROLL, kOptAnimateScroll}, {IDC_FADE_IN, kOptFadeIn}};

// Left is fast: the value is the length of a scroll step in 10 ms and of the
// fade-in in 50 ms.
constexpr SliderBinding<int32_t> kSliders[] = {
    {IDC_SCROLL_SPEED, &Settings::scrollSpeed, 1, 20},
    {IDC_FADE_SPEED, &Settings::fadeSpeed, 1, 20},
};

constexpr EnableRule kRules[] = {
    {IDC_ANIMATE_SCROLL, {IDC_SCROLL_SPEED, IDC_SCROLL_FAST_LABEL, IDC_SCROLL_SLOW_LABEL}},
    {IDC_FADE_IN, {IDC_FADE_SPEED, IDC_FADE_FAST_LABEL, IDC_FADE_SLOW_LABEL}},
};

class EffectsPage {
public:
    EffectsPage(HWND page, Settings& working) : page_(page), working_(working) {}

    BOOL Load() {
        LoadSliders(page_, working_, kSliders);
        LoadFlagBoxes(page_, working_, kBoxes);
        for (const EnableRule& rule : kRules) ApplyEnableRule(page_, rule);
        return TRUE;
    }

    void Store() {
        StoreSliders(page_, working_, kSliders);
        StoreFlagBoxes(page_, working_, kBoxes);
    }

    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM) {
        if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
        const EnableRule* rule = FindEnableRule(kRules, sizeof kRules / sizeof kRules[0], LOWORD(wParam));
        if (!rule) return FALSE;
        ApplyEnableRule(page_, *rule);
        return TRUE;
    }

private:
    HWND page_;
    Settings& working_;
};

}  // namespace

INT_PTR CALLBACK EffectsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return PageProc<EffectsPage>(page, message, wParam, lParam);
}
