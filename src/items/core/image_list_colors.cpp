#include "items/core/image_list_colors.h"

uint32_t ImageListColorFlags(int bitsPerPixel, bool wants32Bit) {
    uint32_t color;
    switch (bitsPerPixel) {
        case 4:
            color = kImageListColor4;
            break;
        case 8:
            color = kImageListColor8;
            break;
        case 16:
            color = kImageListColor16;
            break;
        case 24:
            color = wants32Bit ? kImageListColor32 : kImageListColor24;
            break;
        case 32:
            color = kImageListColor32;
            break;
        default:
            color = kImageListDefault;
            break;
    }
    return color | kImageListMask;
}
