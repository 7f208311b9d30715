#include "qt/tform3.hpp"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/centre_on_screen.hpp"
#include "qt/described_widgets.hpp"
#include "qt/dialog_font.hpp"
#include "qt/up_down.hpp"
#include "session/halted_dialog.hpp"

namespace zaptrail {
namespace {

QPushButton* Button(const ControlDescription& description, QWidget* parent) {
  auto* button = Place(new QPushButton(QtText(description.text), parent), description);
  // Not even for the look: no button is the default, Enter only presses a focused one.
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QtText(kSettingsCaption));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFont(DialogFont());
  setFixedSize(settings::kClient.width, settings::kClient.height);

  using namespace settings;
  Label1 = Place(new QLabel(QtText(kLabel1.text), this), kLabel1);
  Edit1 = Place(new QLineEdit(QtText(kEdit1.text), this), kEdit1);
  Label2 = Place(new QLabel(QtText(kLabel2.text), this), kLabel2);
  UpDown1 = Place(new UpDown(*Edit1, kPeriodRange, this), kUpDown1);
  CheckBox1 = Place(new QCheckBox(QtText(kCheckBox1.text), this), kCheckBox1);
  CheckBox1->setChecked(kSoundOnAtStart);
  Button1 = Button(kButton1, this);
  Button2 = Button(kButton2, this);
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
  done(ResultCodeOf(DialogResult::Ok));
}

void TForm3::Button2Click() {
  done(ResultCodeOf(DialogResult::Cancel));
}

void TForm3::reject() {
  // The close box: like Cancel.
  done(ResultCodeOf(DialogResult::Cancel));
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
