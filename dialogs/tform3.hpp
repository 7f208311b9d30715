#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLineEdit;

namespace zaptrail {

// The settings dialog: the tick period and the sound switch. Created once, only shown and hidden,
// so its controls keep their state for the whole run.
class TForm3 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* parent = nullptr);
  QString PeriodText() const;
  bool SoundOutputOn() const;

 private:
  QLineEdit* Edit1 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
};

}  // namespace zaptrail
