#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zaptrail {

class UpDown;

// The settings dialog: the tick period and the sound switch. Created once, only shown and hidden,
// so its controls keep their state for the whole run. Its result is 1 for OK and 2 for Cancel or
// the close box.
class TForm3 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* parent = nullptr);
  QString PeriodText() const;
  bool SoundOutputOn() const;

 public slots:
  void Button1Click();
  void Button2Click();
  void reject() override;
  void setVisible(bool visible) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* Label1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLabel* Label2 = nullptr;
  UpDown* UpDown1 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
};

}  // namespace zaptrail
