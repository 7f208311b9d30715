#pragma once

#include <QWidget>
#include <cstdint>

#include "session/window_descriptions.hpp"

class QLineEdit;

namespace zaptrail {

// A pair of spin arrows attached to a text box. Each click, or Up and Down while the text box
// has the focus, steps the number shown there (see StepUpDown). The text box itself still takes
// any text.
class UpDown : public QWidget {
  Q_OBJECT

 public:
  UpDown(QLineEdit& associate, const UpDownRange& range, QWidget* parent);
  void Step(int32_t direction);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit& associate_;
  UpDownRange range_;
};

}  // namespace zaptrail
