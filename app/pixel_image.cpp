#include "app/pixel_image.hpp"

#include <QImage>
#include <QPainter>

namespace zaptrail {

PixelImage::PixelImage(const PixelSurface& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  FollowPictureSize();
}

void PixelImage::FollowPictureSize() {
  setFixedSize(picture_.Width(), picture_.Height());
}

void PixelImage::paintEvent(QPaintEvent*) {
  if (picture_.Width() == 0 || picture_.Height() == 0) return;
  const QImage image(reinterpret_cast<const uchar*>(picture_.Pixels()), picture_.Width(),
                     picture_.Height(), picture_.Width() * 4, QImage::Format_RGB32);
  QPainter painter(this);
  painter.drawImage(QRect(0, 0, picture_.Width(), picture_.Height()), image);
}

}  // namespace zaptrail
