#include "qt/tform9.hpp"

#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

#include "qt/centre_on_screen.hpp"
#include "qt/described_widgets.hpp"
#include "qt/dialog_font.hpp"
#include "qt/program_resources.hpp"
#include "session/halted_dialog.hpp"
#include "session/label_game.hpp"
#include "session/session.hpp"

namespace zaptrail {
namespace {

void SetTextColour(QLabel* label, const Colour& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QtColour(colour));
  label->setPalette(palette);
}

QFont LabelFont(about::LabelFont look) {
  QFont font = DialogFont();
  font.setBold(look == about::LabelFont::Bold);
  font.setUnderline(look == about::LabelFont::Underlined);
  return font;
}

}  // namespace

TForm9::TForm9(RandomSource& random, QWidget* parent)
    : QDialog(parent), labelGame_(random, *this), openLink_(&QDesktopServices::openUrl) {
  setWindowTitle(QtText(kAboutCaption));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(about::kClient.width, about::kClient.height);
  setFont(DialogFont());
  setMouseTracking(true);

  Label1 = AddLabel(about::kLabel1);
  Label2 = AddLabel(about::kLabel2);
  Label3 = AddLabel(about::kLabel3);
  Label3->setCursor(HandCursor());
  Label4 = AddLabel(about::kLabel4);

  Button1 = Place(new QPushButton(QtText(about::kButton1.text), this), about::kButton1);
  connect(Button1, &QPushButton::clicked, this, &TForm9::Button1Click);
}

QLabel* TForm9::AddLabel(const about::LabelDescription& description) {
  auto* label = Place(new QLabel(QtText(description.control.text), this), description.control);
  label->setContentsMargins(0, 0, 0, 0);
  if (description.font != about::LabelFont::Dialog) label->setFont(LabelFont(description.font));
  if (description.ownColour) SetTextColour(label, description.colour);
  // Sized to its text in the face that stands in, not to the size described.
  label->adjustSize();
  label->setMouseTracking(true);
  label->installEventFilter(this);
  return label;
}

void TForm9::setVisible(bool visible) {
  if (visible && !isVisible()) {
    CentreOnScreen(*this);
  }
  QDialog::setVisible(visible);
}

void TForm9::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

QLabel* TForm9::Shown(PlayingLabel label) const {
  return PlayingLabelOf(label, Label1, Label2, Label4);
}

void TForm9::FormShow() {
  labelGame_.Reset();
}

void TForm9::Button1Click() {
  done(ResultCodeOf(DialogResult::Ok));
}

void TForm9::Label3MouseMove() {
  SetTextColour(Label3, about::kLinkHoverColour);
}

void TForm9::FormMouseMove() {
  SetTextColour(Label3, about::kLabel3.colour);
}

void TForm9::Label3Click() {
  // A browser that cannot be started is not worth a message: the box just stays open.
  if (openLink_) openLink_(QUrl(Label3->text()));
}

void TForm9::Label1MouseMove(QLabel* label, int32_t x) {
  for (PlayingLabel playing : kPlayingLabels) {
    if (Shown(playing) == label) labelGame_.PointerMoved(playing, x);
  }
}

int32_t TForm9::MoveLabel(PlayingLabel label, int32_t left) {
  QLabel* shown = Shown(label);
  shown->move(left, shown->y());
  return shown->width();
}

int32_t TForm9::ShowSecondStage(PlayingLabel label) {
  QLabel* shown = Shown(label);
  shown->move(about::kSecondStage.left, shown->y());
  shown->setText(QtText(labelGame_.Caption(label)));
  shown->adjustSize();
  SetTextColour(shown, about::kSecondStage.colour);
  return shown->width();
}

void TForm9::EndTheProgram() {
  session_->EndByLabelGame([this](const std::function<void()>& dismissed) {
    const QString angry = QtText(about::kEndingMessage);
    QMessageBox box(QMessageBox::NoIcon, angry, angry, QMessageBox::Ok, this);
    box.exec();
    dismissed();
    done(ResultCodeOf(DialogResult::Cancel));
  });
}

void TForm9::mouseMoveEvent(QMouseEvent* event) {
  FormMouseMove();
  QDialog::mouseMoveEvent(event);
}

bool TForm9::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    const auto* move = static_cast<QMouseEvent*>(event);
    if (watched == Label3) {
      Label3MouseMove();
    } else {
      Label1MouseMove(static_cast<QLabel*>(watched), move->position().toPoint().x());
    }
    // Taken here: passed on, the move would reach the box and turn the link blue again.
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease && watched == Label3) {
    const auto* release = static_cast<QMouseEvent*>(event);
    if (release->button() == Qt::LeftButton &&
        Label3->rect().contains(release->position().toPoint())) {
      Label3Click();
    }
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace zaptrail
