#include "qt/error_dialog.hpp"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "qt/described_widgets.hpp"

namespace zaptrail {

QString ApplicationTitle(const QString& executablePath) {
  return QString::fromStdString(
      ApplicationTitle(QFileInfo(executablePath).fileName().toStdString()));
}

namespace {

void FrameAsError(QMessageBox& box, const QString& text) {
  box.setIcon(QMessageBox::Critical);
  box.setWindowTitle(ApplicationTitle(QCoreApplication::applicationFilePath()));
  box.setText(text);
  box.setStandardButtons(QMessageBox::Ok);
}

}  // namespace

void ShowErrorDialog(const QString& text) {
  QMessageBox box;
  FrameAsError(box, text);
  box.exec();
}

bool AskQuitWithoutSaving(const QString& message) {
  QMessageBox box;
  FrameAsError(box, QtText(ErrorDialogText(message.toStdString())));
  QPushButton* quit =
      box.addButton(QtText(kQuitWithoutSavingCaption), QMessageBox::DestructiveRole);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
  return box.clickedButton() == quit;
}

}  // namespace zaptrail
