#include "dialogs/tform3.hpp"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zaptrail {

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("ﾌﾟﾛﾊﾟﾃｨ"));
  Edit1 = new QLineEdit(QStringLiteral("32"), this);
  CheckBox1 = new QCheckBox(QStringLiteral("ｻｳﾝﾄﾞ出力"), this);
  CheckBox1->setChecked(true);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  connect(ok, &QPushButton::clicked, this, [this] { done(1); });
  connect(cancel, &QPushButton::clicked, this, [this] { done(2); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Edit1);
  layout->addWidget(CheckBox1);
  layout->addLayout(buttons);
}

QString TForm3::PeriodText() const {
  return Edit1->text();
}

bool TForm3::SoundOutputOn() const {
  return CheckBox1->isChecked();
}

}  // namespace zaptrail
