#pragma once
// Owner-drawn drop-down lists (CBS_OWNERDRAWFIXED without CBS_HASSTRINGS)
// whose rows carry a 16-pixel icon, a text and a data pointer of the caller.
#include <windows.h>
#include <uxtheme.h>

#include "base/handles.h"

struct VisualStyles;

struct ImageCombo {
    HWND combo = nullptr;
    OwnedImageList images;                 // none when created without a bitmap
    const VisualStyles* styles = nullptr;  // what the rows draw with
    HTHEME theme = nullptr;
};

struct ImageComboRow {
    char text[64];
    int image;  // -1: no icon
    void* data;
};

// The combo's record with the image strip of bitmap bitmapId (-1 for none),
// mask being its transparent colour, drawing with styles. Null when memory
// runs out.
ImageCombo* CreateImageCombo(HWND combo, HINSTANCE module, int bitmapId, COLORREF mask, const VisualStyles& styles);
// Appends a row (text cut to 63 bytes); its index, or -1.
int AddImageComboRow(HWND combo, const char* text, int image, void* data);
// The data of row index, or of the selected row; null when there is none.
void* ImageComboRowData(HWND combo, int index);
void* ImageComboSelectionData(HWND combo);

// WM_MEASUREITEM: rows are 16 pixels high.
void MeasureImageComboRow(MEASUREITEMSTRUCT* measure);
// WM_DRAWITEM: draws the row when it belongs to this combo; false otherwise.
bool DrawImageComboRow(const DRAWITEMSTRUCT* draw, const ImageCombo* combo);
void ImageComboThemeChanged(ImageCombo* combo);
// Frees every row record, passing each row's data to freeData when given,
// then the image strip, the theme and the record itself.
void DestroyImageCombo(ImageCombo* combo, void (*freeData)(void*));
