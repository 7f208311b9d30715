#include "qt/centre_on_screen.hpp"

#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace zaptrail {

void CentreOnScreen(QWidget& dialog) {
  const QWidget* owner = dialog.parentWidget() != nullptr ? dialog.parentWidget() : &dialog;
  dialog.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, dialog.size(),
                                         owner->screen()->availableGeometry()));
}

}  // namespace zaptrail
