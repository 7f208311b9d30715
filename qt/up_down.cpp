#include "qt/up_down.hpp"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace zaptrail {

UpDown::UpDown(QLineEdit& associate, const UpDownRange& range, QWidget* parent)
    : QWidget(parent), associate_(associate), range_(range) {
  setFocusPolicy(Qt::NoFocus);
  auto* arrows = new QVBoxLayout(this);
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  for (const int32_t direction : {1, -1}) {
    auto* arrow = new QToolButton(this);
    arrow->setObjectName(direction > 0 ? QStringLiteral("Up") : QStringLiteral("Down"));
    arrow->setArrowType(direction > 0 ? Qt::UpArrow : Qt::DownArrow);
    // The text box keeps the focus while the arrows are clicked, and held arrows repeat.
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setAutoRepeat(true);
    arrow->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    arrows->addWidget(arrow);
    connect(arrow, &QToolButton::clicked, this, [this, direction] { Step(direction); });
  }
  associate_.installEventFilter(this);
}

void UpDown::Step(int32_t direction) {
  associate_.setText(
      QString::fromStdString(StepUpDown(range_, associate_.text().toStdString(), direction)));
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &associate_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Step(key == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace zaptrail
