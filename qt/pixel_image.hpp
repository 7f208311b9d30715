#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

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
  // Paint at once, or at the next turn of the event loop, unless the picture is exactly what was
  // last painted. A repaint is most of what a tick costs, and a playing tick asks for two of the
  // play field (the view's own, then the tick's) and one of an often unchanged compass.
  void RepaintIfChanged();
  void UpdateIfChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool ShowsPicture() const;

  const PixelSurface& picture_;
  std::vector<uint32_t> painted_;  // the pixels last painted
};

}  // namespace zaptrail
