#include "app/error_dialog.hpp"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace zaptrail {

QString ApplicationTitle(const QString& executablePath) {
  return QString::fromStdString(
      ApplicationTitle(QFileInfo(executablePath).fileName().toStdString()));
}

void ShowErrorDialog(const QString& text) {
  QMessageBox box(QMessageBox::Critical, ApplicationTitle(QCoreApplication::applicationFilePath()),
                  text, QMessageBox::Ok);
  box.exec();
}

}  // namespace zaptrail
