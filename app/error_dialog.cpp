#include "app/error_dialog.hpp"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace zaptrail {

QString ApplicationTitle(const QString& executablePath) {
  QString name = QFileInfo(executablePath).fileName();
  name.truncate(name.indexOf(QLatin1Char('.')) < 0 ? name.size() : name.indexOf(QLatin1Char('.')));
  if (name.isEmpty()) return name;
  return name.left(1).toUpper() + name.mid(1).toLower();
}

namespace {

void FrameAsError(QMessageBox& box, const QString& message) {
  box.setIcon(QMessageBox::Critical);
  box.setWindowTitle(ApplicationTitle(QCoreApplication::applicationFilePath()));
  box.setText(message + QLatin1Char('.'));
  box.setStandardButtons(QMessageBox::Ok);
}

}  // namespace

void ShowErrorDialog(const QString& message) {
  QMessageBox box;
  FrameAsError(box, message);
  box.exec();
}

bool AskQuitWithoutSaving(const QString& message) {
  QMessageBox box;
  FrameAsError(box, message);
  QPushButton* quit =
      box.addButton(QStringLiteral("ｾｰﾌﾞせずに終了(&Q)"), QMessageBox::DestructiveRole);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
  return box.clickedButton() == quit;
}

}  // namespace zaptrail
