#pragma once

#include <QDialog>

namespace zaptrail {

// The about box.
class TForm9 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm9(QWidget* parent = nullptr);
};

}  // namespace zaptrail
