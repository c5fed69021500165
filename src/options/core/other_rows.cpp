#include "options/core/other_rows.h"

namespace {

using K = OtherRowKind;

constexpr OtherRow Heading(uint8_t level, int icon, const char* text) {
    return {K::kHeading, level, text, 0, icon, kNoOption, false, -1, true, OtherRowNeed::kNothing, 0};
}
constexpr OtherRow Check(uint8_t level, int text, OptionFlag flag) {
    return {K::kCheck, level, nullptr, text, 0, flag, false, -1, true, OtherRowNeed::kNothing, 0};
}
constexpr OtherRow Radio(uint8_t level, int text, OptionFlag flag = kNoOption) {
    return {K::kRadio, level, nullptr, text, 0, flag, false, -1, true, OtherRowNeed::kNothing, 0};
}
// The radio row that stands for its group's main flag being clear.
constexpr OtherRow RadioClear(uint8_t level, int text, OptionFlag flag) {
    OtherRow r = Radio(level, text, flag);
    r.clearWhenChosen = true;
    return r;
}
constexpr OtherRow When(OtherRow r, int row) {
    r.dependsOn = row;
    r.whileTicked = true;
    return r;
}
constexpr OtherRow Unless(OtherRow r, int row) {
    r.dependsOn = row;
    r.whileTicked = false;
    return r;
}
constexpr OtherRow Needs(OtherRow r, OtherRowNeed need) {
    r.need = need;
    return r;
}
constexpr OtherRow Asks(OtherRow r, int question) {
    r.question = question;
    return r;
}

// The rows that others follow.
enum : int {
    kAlwaysShownRow = 12,
    kFoldersInPanelRow = 23,
    kSortNoneRow = 28,
    kResetListRow = 34,
    kCursorFixedRow = 41,
    kNoIconsRow = 54,
    kNoTextRow = 55,
};

}  // namespace

const OtherRow kOtherRows[] = {
    Heading(0, 0, "パネル"),
    Heading(1, 5, "表示位置"),
    Heading(2, 15, "マウス操作での位置"),
    RadioClear(2, IDS_OPT_PLACE_PREVIOUS, kOptMousePlace),
    Radio(2, IDS_OPT_PLACE_AT_CURSOR, kOptMousePlaceAtCursor),
    Radio(2, IDS_OPT_PLACE_CENTER, kOptMousePlaceCenter),
    Heading(2, 16, "その他の操作での位置"),
    Radio(2, IDS_OPT_PLACE_AS_MOUSE, kOptOtherPlaceAsMouse),
    RadioClear(2, IDS_OPT_PLACE_PREVIOUS, kOptOtherPlace),
    Radio(2, IDS_OPT_PLACE_AT_CURSOR, kOptOtherPlaceAtCursor),
    Radio(2, IDS_OPT_PLACE_CENTER, kOptOtherPlaceCenter),
    Heading(1, 17, "表示オプション"),
    Check(1, IDS_OPT_ALWAYS_SHOWN, kOptAlwaysShown),
    When(Check(1, IDS_OPT_ALWAYS_ON_TOP, kOptAlwaysOnTop), kAlwaysShownRow),
    When(Check(1, IDS_OPT_ACTIVE_CURSOR_ALWAYS, kOptActiveCursorAlways), kAlwaysShownRow),
    When(Check(1, IDS_OPT_HOVER_ACTIVATES, kOptHoverActivates), kAlwaysShownRow),
    Heading(1, 0, "その他"),
    Check(1, IDS_OPT_SINGLE_CLICK_STARTS, kOptSingleClickStarts),
    Check(1, IDS_OPT_HAND_CURSOR, kOptHandCursor),
    Check(1, IDS_OPT_NO_TOOLTIPS, kOptNoTooltips),
    Check(1, IDS_OPT_NO_EDGE_CORRECTION, kOptNoEdgeCorrection),
    Heading(0, 3, "アイテムリスト"),
    Heading(1, 11, "フォルダの展開"),
    Check(1, IDS_OPT_FOLDERS_IN_PANEL, kOptFoldersInPanel),
    When(Check(1, IDS_OPT_FOLDER_ARROW, kOptFolderArrow), kFoldersInPanelRow),
    When(Check(1, IDS_OPT_CLOSE_FOLDERS_ON_SHOW, kOptCloseFoldersOnShow), kFoldersInPanelRow),
    When(Check(1, IDS_OPT_SCAN_FOLDERS_AT_START, kOptScanFoldersAtStart), kFoldersInPanelRow),
    Heading(1, 9, "アイテムのソート"),
    RadioClear(1, IDS_OPT_SORT_NONE, kOptSort),
    Radio(1, IDS_OPT_SORT_BY_NAME, kOptSortByName),
    Radio(1, IDS_OPT_SORT_BY_TYPE, kOptSortByType),
    Radio(1, IDS_OPT_SORT_BY_DATE, kOptSortByDate),
    Unless(Check(2, IDS_OPT_SORT_REVERSE, kOptSortReverse), kSortNoneRow),
    Heading(1, 2, "その他"),
    Check(1, IDS_OPT_RESET_LIST_ON_SHOW, kOptResetListOnShow),
    When(Heading(3, 7, "アイテムリストの先頭位置"), kResetListRow),
    When(Radio(3, IDS_OPT_RESET_LIST_TO_CURSOR), kResetListRow),
    When(Radio(3, IDS_OPT_RESET_LIST_TO_TOP, kOptResetListToTop), kResetListRow),
    Check(1, IDS_OPT_NO_LOOP, kOptNoLoop),
    Check(1, IDS_OPT_ACCELERATORS, kOptAccelerators),
    Heading(0, 12, "選択カーソルの移動方法"),
    Radio(0, IDS_OPT_CURSOR_FIXED),
    Radio(0, IDS_OPT_CURSOR_FOLLOWS_WHEEL, kOptCursorFollowsWheel),
    Radio(0, IDS_OPT_CURSOR_FOLLOWS_MOUSE, kOptCursorFollowsMouse),
    Unless(Heading(2, 6, "パネルの表示時の選択カーソルのリセット位置"), kCursorFixedRow),
    Unless(Radio(2, IDS_OPT_KEEP_CURSOR_ROW, kOptKeepCursorRow), kCursorFixedRow),
    Unless(Radio(2, IDS_OPT_CURSOR_TO_MIDDLE_ROW), kCursorFixedRow),
    Unless(Radio(2, IDS_OPT_CURSOR_TO_TOP_ROW, kOptCursorToTopRow), kCursorFixedRow),
    Heading(0, 4, "パネルのデザイン"),
    Heading(1, 14, "フォルダ内のアイテムのインデント量"),
    Radio(1, IDS_OPT_INDENT_SMALL, kOptIndentSmall),
    Radio(1, IDS_OPT_INDENT_MEDIUM, kOptIndentMedium),
    Radio(1, IDS_OPT_INDENT_LARGE, kOptIndentLarge),
    Check(0, IDS_OPT_GRADIENT, kOptGradient),
    // A panel with neither icons nor text would show nothing.
    Unless(Check(0, IDS_OPT_NO_ICONS, kOptNoIcons), kNoTextRow),
    Unless(Check(0, IDS_OPT_NO_TEXT, kOptNoText), kNoIconsRow),
    Needs(Check(0, IDS_OPT_NO_VISUAL_STYLE, kOptNoVisualStyle), OtherRowNeed::kVisualStyles),
    Heading(0, 13, "Tovel panelの終了"),
    Check(0, IDS_OPT_EXIT_ON_HIDE, kOptExitOnHide),
    Check(0, IDS_OPT_EXIT_AFTER_START, kOptExitAfterStart),
    Heading(0, 1, "その他"),
    Check(0, IDS_OPT_NO_WHEEL_ACCELERATION, kOptNoWheelAcceleration),
    Check(0, IDS_OPT_REVERSE_SCROLL, kOptReverseScroll),
    Check(0, IDS_OPT_PLAIN_MENU, kOptPlainMenu),
    Asks(Check(0, IDS_OPT_COMPAT_HOOK, kOptCompatHook), IDS_ASK_COMPAT_LIBRARY),
    // Only at 24 bits a pixel do 32-bit image lists look different.
    Needs(Check(0, IDS_OPT_IMAGE_LISTS_32BIT, kOptImageLists32Bit), OtherRowNeed::kScreen24Bit),
    Heading(0, 5, "追加の機能"),
    Check(0, IDS_OPT_ON_CURSOR_MONITOR, kOptOnCursorMonitor),
    Check(0, IDS_OPT_DOUBLE_TAP_CTRL, kOptDoubleTapCtrl),
    Check(0, IDS_OPT_DROP_TO_ADD, kOptDropToAdd),
};
static_assert(sizeof kOtherRows / sizeof kOtherRows[0] == kOtherRowCount, "the page shows every row");

const OtherRadioGroup kOtherRadioGroups[] = {
    // Mouse activations: as the show places the panel, the previous place
    // first, then the centre, then the cursor.
    {3, 5, {3, 5, 4, -1}, -1},
    // Other activations: the show uses the mouse's placement whenever that
    // flag is set, so it is tested before the group's own flags; opening and
    // confirming then never moves where the panel appears.
    {7, 10, {7, 8, 10, 9}, -1},
    {28, 31, {28, 29, 30, -1}, 31},
    {36, 37, {37, -1, -1, -1}, 36},
    {41, 43, {43, 42, -1, -1}, 41},
    {45, 47, {45, 47, -1, -1}, 46},
    {50, 52, {52, 51, -1, -1}, 50},
};
const int kOtherRadioGroupCount = sizeof kOtherRadioGroups / sizeof kOtherRadioGroups[0];

const OtherRadioGroup* RadioGroupOf(int row) {
    for (const OtherRadioGroup& g : kOtherRadioGroups)
        if (row >= g.first && row <= g.last) return &g;
    return nullptr;
}

int RowWritingOption(OptionFlag flag) {
    for (int i = 0; i < kOtherRowCount; ++i)
        if (kOtherRows[i].flag == flag) return i;
    return -1;
}

namespace {

// The row's flag says the row is the one shown (check rows: ticked).
bool FlagChooses(const OtherRow& row, const uint8_t* flags) {
    if (row.flag == kNoOption) return false;
    return (IsOptionSet(flags, row.flag) != 0) != row.clearWhenChosen;
}

}  // namespace

OtherRowTicks OpenOtherRows(const uint8_t* flags) {
    OtherRowTicks ticks{};
    for (int i = 0; i < kOtherRowCount; ++i)
        if (kOtherRows[i].kind == OtherRowKind::kCheck) ticks.ticked[i] = FlagChooses(kOtherRows[i], flags);
    for (const OtherRadioGroup& g : kOtherRadioGroups) {
        int chosen = g.fallback;
        for (int row : g.order) {
            if (row < 0) break;
            if (FlagChooses(kOtherRows[row], flags)) {
                chosen = row;
                break;
            }
        }
        if (chosen >= 0) ticks.ticked[chosen] = true;
    }
    return ticks;
}

void CloseOtherRows(const OtherRowTicks& ticks, uint8_t* flags) {
    for (int i = 0; i < kOtherRowCount; ++i) {
        const OtherRow& row = kOtherRows[i];
        if (row.flag != kNoOption) PutOption(flags, row.flag, ticks.ticked[i] != row.clearWhenChosen);
    }
}

void ChooseOtherRadio(OtherRowTicks& ticks, int row) {
    const OtherRadioGroup* g = RadioGroupOf(row);
    if (!g) return;
    for (int i = g->first; i <= g->last; ++i) ticks.ticked[i] = i == row;
}

bool IsOtherRowUsable(const OtherRowTicks& ticks, int row, const OtherRowFacts& facts) {
    if (row < 0 || row >= kOtherRowCount) return false;
    const OtherRow& r = kOtherRows[row];
    if (r.need == OtherRowNeed::kVisualStyles && !facts.visualStylesBound) return false;
    if (r.need == OtherRowNeed::kScreen24Bit && !facts.screen24Bit) return false;
    if (r.dependsOn < 0) return true;
    if (ticks.ticked[r.dependsOn] == r.whileTicked) return true;
    // Two rows that exclude each other, both ticked (a settings file written by
    // hand): both stay usable, or neither could ever be taken off again.
    return !r.whileTicked && ticks.ticked[row] && kOtherRows[r.dependsOn].dependsOn == row;
}
