// Image combos on a real owner-drawn combo box, through its messages.
#include <gtest/gtest.h>

#include "base/visual_styles.h"
#include "control_host.h"
#include "controls/image_combo_control.h"
#include "resources/resource.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

class ImageComboTest : public testing::Test {
protected:
    void SetUp() override {
        host_.measure = [](MEASUREITEMSTRUCT* m) {
            if (m->CtlType == ODT_COMBOBOX) MeasureImageComboRow(m);
        };
        host_.draw = [this](const DRAWITEMSTRUCT* d) { return DrawImageComboRow(d, record_); };
        combo_ =
            host_.AddChild("COMBOBOX", "", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | WS_VSCROLL, 1030, 10, 10, 200, 200);
        ASSERT_TRUE(combo_);
        record_ = CreateImageCombo(combo_, GetModuleHandleA(nullptr), IDB_MOUSE_IMAGES, kMagenta, gVisualStyles);
        ASSERT_NE(record_, nullptr);
    }
    void TearDown() override {
        if (record_) DestroyImageCombo(record_, nullptr);
    }
    ControlHost host_;
    HWND combo_ = nullptr;
    ImageCombo* record_ = nullptr;
};

int gFreed = 0;
void CountFree(void* data) {
    ++gFreed;
    delete static_cast<int*>(data);
}

TEST_F(ImageComboTest, RowsKeepTheirDataAndTheSelectionGivesIt) {
    int a = 1, b = 2;
    EXPECT_EQ(AddImageComboRow(combo_, "左ダブルクリック", 0, &a), 0);
    EXPECT_EQ(AddImageComboRow(combo_, "ホイールクリック", 6, &b), 1);
    EXPECT_EQ(AddImageComboRow(combo_, "なし", -1, nullptr), 2);
    EXPECT_EQ(SendMessageA(combo_, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(ImageComboRowData(combo_, 1), &b);
    EXPECT_EQ(ImageComboRowData(combo_, 2), nullptr);
    EXPECT_EQ(ImageComboRowData(combo_, 3), nullptr);
    EXPECT_EQ(ImageComboSelectionData(combo_), nullptr);  // nothing selected yet
    SendMessageA(combo_, CB_SETCURSEL, 0, 0);
    EXPECT_EQ(ImageComboSelectionData(combo_), &a);
    // Rows are 16 pixels high.
    EXPECT_EQ(SendMessageA(combo_, CB_GETITEMHEIGHT, 0, 0), 16);
}

TEST_F(ImageComboTest, LongTextsAreCutTo63Bytes) {
    const std::string text(100, 'x');
    ASSERT_EQ(AddImageComboRow(combo_, text.c_str(), -1, nullptr), 0);
    const auto* row = reinterpret_cast<const ImageComboRow*>(SendMessageA(combo_, CB_GETITEMDATA, 0, 0));
    EXPECT_EQ(std::string(row->text), std::string(63, 'x'));
}

TEST_F(ImageComboTest, DestroyFreesTheDataWhenAsked) {
    AddImageComboRow(combo_, "a", 0, new int(1));
    AddImageComboRow(combo_, "b", 1, new int(2));
    AddImageComboRow(combo_, "c", -1, nullptr);
    gFreed = 0;
    DestroyImageCombo(record_, CountFree);
    record_ = nullptr;
    EXPECT_EQ(gFreed, 2);
    EXPECT_EQ(SendMessageA(combo_, CB_GETITEMDATA, 0, 0), 0);
}

DRAWITEMSTRUCT RowDraw(HWND combo, HDC dc, int index, UINT state) {
    DRAWITEMSTRUCT d{};
    d.CtlType = ODT_COMBOBOX;
    d.itemID = static_cast<UINT>(index);
    d.itemAction = ODA_DRAWENTIRE;
    d.itemState = state;
    d.hwndItem = combo;
    d.hDC = dc;
    d.rcItem = RECT{0, 0, 200, 16};
    return d;
}

TEST_F(ImageComboTest, RowWithoutImageShowsOnlyItsTextAt21) {
    AddImageComboRow(combo_, "なし", -1, nullptr);
    AddImageComboRow(combo_, "左ダブルクリック", 0, nullptr);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    Surface32 plain(200, 16, RGB(0, 255, 0));
    DRAWITEMSTRUCT d = RowDraw(combo_, plain.Dc(), 0, 0);
    ASSERT_TRUE(DrawImageComboRow(&d, record_));
    EXPECT_EQ(plain.CountOther(RECT{0, 0, 21, 16}, window), 0);    // no icon
    EXPECT_GT(plain.CountOther(RECT{21, 0, 60, 16}, window), 10);  // the text

    Surface32 icon(200, 16, RGB(0, 255, 0));
    d = RowDraw(combo_, icon.Dc(), 1, 0);
    ASSERT_TRUE(DrawImageComboRow(&d, record_));
    // Cell 0: a mouse with its left button marked red, at (2, 0).
    int red = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 2; x < 18; ++x)
            if (icon.At(x, y) == RGB(208, 0, 0)) ++red;
    EXPECT_GT(red, 5);
}

TEST_F(ImageComboTest, FocusedRowIsHighlightedBehindItsTextOnly) {
    AddImageComboRow(combo_, "マウス", 1, nullptr);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    Surface32 s(200, 16, RGB(0, 255, 0));
    DRAWITEMSTRUCT d = RowDraw(combo_, s.Dc(), 0, ODS_SELECTED | ODS_FOCUS);
    ASSERT_TRUE(DrawImageComboRow(&d, record_));
    EXPECT_EQ(s.At(22, 1), highlight);
    EXPECT_EQ(s.At(19, 8), GetSysColor(COLOR_WINDOW));   // between the icon and the text
    EXPECT_EQ(s.At(190, 8), GetSysColor(COLOR_WINDOW));  // and right of the text
}

TEST_F(ImageComboTest, OtherCombosItemsAreLeftAlone) {
    AddImageComboRow(combo_, "a", -1, nullptr);
    HWND other = host_.AddChild("COMBOBOX", "", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, 1031, 10, 40, 100, 100);
    Surface32 s(200, 16, RGB(0, 255, 0));
    DRAWITEMSTRUCT d = RowDraw(other, s.Dc(), 0, 0);
    EXPECT_FALSE(DrawImageComboRow(&d, record_));
    d = RowDraw(combo_, s.Dc(), 0, 0);
    d.CtlType = ODT_LISTBOX;
    EXPECT_FALSE(DrawImageComboRow(&d, record_));
    d = RowDraw(combo_, s.Dc(), -1, 0);  // an empty combo's edit part
    EXPECT_FALSE(DrawImageComboRow(&d, record_));
    EXPECT_EQ(s.At(5, 5), RGB(0, 255, 0));
}

TEST_F(ImageComboTest, ComboDrawsItsRowsOnTheScreen) {
    AddImageComboRow(combo_, "左ダブルクリック", 0, nullptr);
    SendMessageA(combo_, CB_SETCURSEL, 0, 0);
    host_.drawCalls = 0;
    InvalidateRect(combo_, nullptr, TRUE);
    UpdateWindow(combo_);
    PumpMessages(50);
    EXPECT_GT(host_.drawCalls, 0);
}

}  // namespace
