// The program icon IDI_PROGRAM as a Qt icon holding both of its images (32x32 and 16x16).
#pragma once

#include <QIcon>

// The platform's standard icon size (SM_CXICON, SM_CYICON).
inline constexpr int kStandardIconSize = 32;

// The icon with resource number `id`; a null icon for any number but IDI_PROGRAM or when
// the compiled-in data cannot be read.
QIcon AfxLoadIcon(int id);
