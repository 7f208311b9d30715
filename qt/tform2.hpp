#pragma once

#include <QRect>
#include <QWidget>

#include "view/surface.hpp"

namespace zaptrail {

class PixelImage;

// The compass: a small tool window beside the main window that shows the compass picture.
class TForm2 : public QWidget {
  Q_OBJECT

 public:
  TForm2(const PixelSurface& compass, QWidget* mainWindow);
  // Sets the window against the right side of the main window's frame, tops aligned.
  void PlaceBeside(const QRect& mainFrame);
  void RepaintCompass();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  PixelImage* Image1 = nullptr;
};

}  // namespace zaptrail
