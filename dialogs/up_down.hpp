#pragma once

#include <QWidget>
#include <cstdint>

class QLineEdit;

namespace zaptrail {

struct UpDownRange {
  int32_t minimum = 0;
  int32_t maximum = 100;
  int32_t increment = 1;
  int32_t position = 0;
};

// A pair of spin arrows attached to a text box. Each click, or Up and Down while the text box
// has the focus, steps the number shown there and writes it back as plain digits, stopping at the
// limits. The text box itself still takes any text.
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
