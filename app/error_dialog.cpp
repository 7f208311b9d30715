#include "app/error_dialog.hpp"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace zaptrail {

QString ApplicationTitle(const QString& executablePath) {
  QString name = QFileInfo(executablePath).fileName();
  name.truncate(name.indexOf(QLatin1Char('.')) < 0 ? name.size() : name.indexOf(QLatin1Char('.')));
  if (name.isEmpty()) return name;
  return name.left(1).toUpper() + name.mid(1).toLower();
}

void ShowErrorDialog(const QString& message) {
  QMessageBox box(QMessageBox::Critical, ApplicationTitle(QCoreApplication::applicationFilePath()),
                  message + QLatin1Char('.'), QMessageBox::Ok);
  box.exec();
}

}  // namespace zaptrail
