#pragma once

#include <QIcon>
#include <QList>
#include <QSize>
#include <QString>

#include <utility>

namespace kelvane {

// One image file of an icon and the size of the image in it.
using IconFile = std::pair<QString, QSize>;

// An icon of image files of known sizes that decodes its files only when it is first
// drawn or asked for a pixmap; until then it answers its sizes from the list. A plain
// QIcon decodes every file as it is added, which would cost the window's start-up the
// decoding of sizes that the desktop may ask for later or never. Once decoded, every
// pixmap is the one a plain QIcon of the same files gives.
QIcon deferredFileIcon(QList<IconFile> files);

} // namespace kelvane
