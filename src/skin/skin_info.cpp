#include "skin/skin_info.h"

#include <utility>

SkinInfo gSkin;
SkinResources gSkinResources;

void HoldPicture(SkinImage& slot, OwnedBitmapDc& holder, OwnedBitmapDc picture, int32_t width, int32_t height) {
    holder = std::move(picture);
    slot.dc = holder.Get();
    slot.bitmap = holder.traits().bitmap;
    slot.oldBitmap = static_cast<HBITMAP>(holder.traits().previous);
    slot.width = width;
    slot.height = height;
}
