#pragma once

#include <QIcon>
#include <QStyle>

namespace triangle {

// A style's standard icon that is read only when it is first drawn. The standard icons come
// from image files, and reading one makes Qt load every image-format plug-in it has: a menu
// bar asks for its extension button's icon when it is made, and shows that button only where
// its menus do not fit.
QIcon DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap which);

} // namespace triangle
