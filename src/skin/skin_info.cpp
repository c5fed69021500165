#include "skin/skin_info.h"

SkinInfo gSkin;
