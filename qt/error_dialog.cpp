#include "qt/error_dialog.hpp"

#include <QApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "qt/described_widgets.hpp"

namespace zaptrail {

QString ApplicationTitle(const QString& executablePath) {
  return QString::fromStdString(
      ApplicationTitle(QFileInfo(executablePath).fileName().toStdString()));
}

namespace {

// The box wraps its text between words but never inside one, and grows for a long word only
// to half the screen (500 px at most) with its icon and margins: a word wider than what is left
// (a long entry, a deep path) is cut in its middle, so both of its ends still show.
constexpr int kBoxWidest = 500;
constexpr int kRoomBesideText = 100;

QString FittedToScreen(const QString& text, const QWidget& box) {
  const QFontMetrics metrics(box.font());
  const int widest =
      qMin(box.screen()->availableGeometry().width() / 2, kBoxWidest) - kRoomBesideText;
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines) {
    QStringList words = line.split(QLatin1Char(' '));
    for (QString& word : words) {
      if (metrics.horizontalAdvance(word) > widest) {
        word = metrics.elidedText(word, Qt::ElideMiddle, widest);
      }
    }
    line = words.join(QLatin1Char(' '));
  }
  return lines.join(QLatin1Char('\n'));
}

void FrameAsError(QMessageBox& box, const QString& text) {
  box.setIcon(QMessageBox::Critical);
  box.setWindowTitle(ApplicationTitle(QCoreApplication::applicationFilePath()));
  box.setText(FittedToScreen(text, box));
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
