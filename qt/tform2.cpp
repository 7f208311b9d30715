#include "qt/tform2.hpp"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "qt/centre_on_screen.hpp"
#include "qt/described_widgets.hpp"
#include "qt/pixel_image.hpp"
#include "session/window_descriptions.hpp"

namespace zaptrail {

TForm2::TForm2(const PixelSurface& compass, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(QtText(kCompassCaption));
  Image1 = new PixelImage(compass, this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Image1);
  setFixedSize(compass.Width(), compass.Height());
}

void TForm2::PlaceBeside(const QRect& mainFrame) {
  PlaceInsideScreen(*this, QPoint(CompassStartLeft(mainFrame.x(), mainFrame.width()),
                                  CompassStartTop(mainFrame.y())));
}

void TForm2::RepaintCompass() {
  Image1->UpdateIfChanged();
}

void TForm2::closeEvent(QCloseEvent* event) {
  // The compass stays open until the program ends with the main window.
  event->ignore();
}

}  // namespace zaptrail
