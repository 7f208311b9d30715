#include "qt/centre_on_screen.hpp"

#include <QScreen>
#include <QStyle>
#include <QWidget>

#include "session/window_descriptions.hpp"

namespace zaptrail {

void CentreOnScreen(QWidget& dialog) {
  const QWidget* owner = dialog.parentWidget() != nullptr ? dialog.parentWidget() : &dialog;
  dialog.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, dialog.size(),
                                         owner->screen()->availableGeometry()));
}

void PlaceInsideScreen(QWidget& window, const QPoint& wanted) {
  const QRect area = window.screen()->availableGeometry();
  const QSize frame = window.frameGeometry().size();
  window.move(InsideArea(wanted.x(), frame.width(), area.x(), area.width()),
              InsideArea(wanted.y(), frame.height(), area.y(), area.height()));
}

}  // namespace zaptrail
