#include "qt/pixel_image.hpp"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace zaptrail {

PixelImage::PixelImage(const PixelSurface& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  FollowPictureSize();
}

void PixelImage::FollowPictureSize() {
  setFixedSize(picture_.Width(), picture_.Height());
}

bool PixelImage::ShowsPicture() const {
  const auto count = static_cast<size_t>(picture_.Width()) * static_cast<size_t>(picture_.Height());
  return painted_.size() == count &&
         std::equal(painted_.begin(), painted_.end(), picture_.Pixels());
}

void PixelImage::RepaintIfChanged() {
  if (!ShowsPicture()) repaint();
}

void PixelImage::UpdateIfChanged() {
  if (!ShowsPicture()) update();
}

void PixelImage::paintEvent(QPaintEvent* event) {
  // Only a paint of the whole widget leaves all of the picture on screen.
  painted_.clear();
  if (event->region() == QRegion(rect())) {
    const auto count =
        static_cast<size_t>(picture_.Width()) * static_cast<size_t>(picture_.Height());
    painted_.assign(picture_.Pixels(), picture_.Pixels() + count);
  }
  if (picture_.Width() == 0 || picture_.Height() == 0) return;
  const QImage image(reinterpret_cast<const uchar*>(picture_.Pixels()), picture_.Width(),
                     picture_.Height(), picture_.Width() * 4, QImage::Format_RGB32);
  QPainter painter(this);
  painter.drawImage(QRect(0, 0, picture_.Width(), picture_.Height()), image);
}

}  // namespace zaptrail
