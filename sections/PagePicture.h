// The picture at the top left of every section page, which the About dialog
// shows too: bitmap kPagePictureId of kPagePictureWidth x kPagePictureHeight
// pixels at 96 DPI, drawn again for 150 %, 200 % and 300 %
// (framework/DpiPictures.h).
#pragma once

#include <string>

#include "framework/DialogHelpers.h"
#include "framework/DpiPictures.h"
#include "resources/ResourceIds.h"
#include "sections/SectionCatalogue.h"

namespace sections {

static_assert(kPagePictureId == IDB_GP_PAGE_PICTURE, "the templates load the 96-DPI drawing");

constexpr PictureDescription kPagePicture = {
    .width = kPagePictureWidth,
    .height = kPagePictureHeight,
    .drawings = {{96, IDB_GP_PAGE_PICTURE},
                 {144, IDB_GP_PAGE_PICTURE_150},
                 {192, IDB_GP_PAGE_PICTURE_200},
                 {288, IDB_GP_PAGE_PICTURE_300}},
};

// What a screen reader calls the picture, a graphic: the program's name.
inline std::wstring PagePictureName()
{
    return LoadResourceString(IDS_APP_TITLE);
}

} // namespace sections
