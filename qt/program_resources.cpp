#include "qt/program_resources.hpp"

#include <QImage>
#include <QPixmap>

#include "qt/program_pictures_data.hpp"

namespace zaptrail {
namespace {

constexpr int kHandHotSpotX = 6;
constexpr int kHandHotSpotY = 1;

// Built straight from the pixels: decoding an image file would first look through the image
// format plugins, which costs more than all the rest of the icon's work on the way to the first
// frame.
QPixmap PixmapOf(const ProgramPicture& picture) {
  const QImage image(reinterpret_cast<const uchar*>(picture.pixels), picture.size, picture.size,
                     picture.size * 4, QImage::Format_ARGB32);
  return QPixmap::fromImage(image);
}

}  // namespace

QIcon MainIcon() {
  QIcon icon;
  icon.addPixmap(PixmapOf(kLargeIconPicture));
  icon.addPixmap(PixmapOf(kSmallIconPicture));
  return icon;
}

QCursor HandCursor() {
  return QCursor(PixmapOf(kHandCursorPicture), kHandHotSpotX, kHandHotSpotY);
}

}  // namespace zaptrail
