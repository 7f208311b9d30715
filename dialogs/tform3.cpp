#include "dialogs/tform3.hpp"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/centre_on_screen.hpp"
#include "dialogs/dialog_font.hpp"
#include "dialogs/up_down.hpp"

namespace zaptrail {
namespace {

template <typename Control>
Control* Place(Control* control, const char* name, const QRect& geometry) {
  control->setObjectName(QLatin1String(name));
  control->setGeometry(geometry);
  return control;
}

QPushButton* Button(const QString& caption, const char* name, const QRect& geometry,
                    QWidget* parent) {
  auto* button = Place(new QPushButton(caption, parent), name, geometry);
  // Not even for the look: no button is the default, Enter only presses a focused one.
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("ﾌﾟﾛﾊﾟﾃｨ"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFont(DialogFont());
  setFixedSize(201, 86);

  Label1 = Place(new QLabel(QStringLiteral("ｳｪｲﾄ"), this), "Label1", {8, 8, 27, 12});
  Edit1 = Place(new QLineEdit(QStringLiteral("32"), this), "Edit1", {39, 4, 66, 20});
  Label2 = Place(new QLabel(QStringLiteral("ﾐﾘｾｺﾝﾄﾞ"), this), "Label2", {128, 8, 41, 12});
  UpDown1 = Place(new UpDown(*Edit1, {16, 30000, 16, 32}, this), "UpDown1", {105, 4, 15, 20});
  CheckBox1 =
      Place(new QCheckBox(QStringLiteral("ｻｳﾝﾄﾞ出力"), this), "CheckBox1", {16, 32, 97, 17});
  CheckBox1->setChecked(true);
  Button1 = Button(QStringLiteral("OK"), "Button1", {56, 56, 65, 25}, this);
  Button2 = Button(QStringLiteral("ｷｬﾝｾﾙ"), "Button2", {128, 56, 65, 25}, this);
  connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);

  // The spin arrows take no focus, so Tab goes from the text box straight to the check box.
  setTabOrder(Edit1, UpDown1);
  setTabOrder(UpDown1, CheckBox1);
  setTabOrder(CheckBox1, Button1);
  setTabOrder(Button1, Button2);
}

QString TForm3::PeriodText() const {
  return Edit1->text();
}

bool TForm3::SoundOutputOn() const {
  return CheckBox1->isChecked();
}

void TForm3::Button1Click() {
  done(1);
}

void TForm3::Button2Click() {
  done(2);
}

void TForm3::reject() {
  // The close box: like Cancel.
  done(2);
}

void TForm3::keyPressEvent(QKeyEvent* event) {
  // No default and no cancel button: Enter reaches only a focused button, Escape does nothing.
  auto* focused = qobject_cast<QPushButton*>(focusWidget());
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && focused != nullptr) {
    focused->click();
    return;
  }
  event->ignore();
}

void TForm3::setVisible(bool visible) {
  // Centred at every showing, wherever the main window stands.
  if (visible && !isVisible()) CentreOnScreen(*this);
  QDialog::setVisible(visible);
}

}  // namespace zaptrail
