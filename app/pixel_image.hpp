#pragma once

#include <QWidget>

#include "view/surface.hpp"

namespace zaptrail {

// Shows one of the engine's pictures at its own size in logical pixels. The picture's memory is
// painted directly; on a scaled desktop its pixels are enlarged without smoothing.
class PixelImage : public QWidget {
  Q_OBJECT

 public:
  PixelImage(const PixelSurface& picture, QWidget* parent);
  // Takes the picture's current size as the widget's fixed size.
  void FollowPictureSize();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const PixelSurface& picture_;
};

}  // namespace zaptrail
