#include "dialogs/tform9.hpp"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zaptrail {

TForm9::TForm9(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ表示"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("zap trail"), this));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  connect(ok, &QPushButton::clicked, this, [this] { done(1); });
  layout->addWidget(ok);
}

}  // namespace zaptrail
