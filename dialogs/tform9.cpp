#include "dialogs/tform9.hpp"

#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

#include "dialogs/centre_on_screen.hpp"
#include "dialogs/dialog_font.hpp"
#include "dialogs/program_resources.hpp"
#include "game/label_game.hpp"
#include "game/session.hpp"

namespace zaptrail {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

LabelSpan SpanOf(const QLabel* label) {
  return {label->x(), label->width()};
}

void SetTextColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

}  // namespace

TForm9::TForm9(RandomSource& random, QWidget* parent)
    : QDialog(parent), random_(random), openLink_(&QDesktopServices::openUrl) {
  setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ表示"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(kAboutClientWidth, kAboutClientHeight);
  setFont(DialogFont());
  setMouseTracking(true);

  Label1 = AddLabel(QStringLiteral("Label1"), Text(kAboutTitle), 8);
  QFont title = DialogFont();
  title.setBold(true);
  Label1->setFont(title);
  SetTextColour(Label1, Qt::black);
  Label1->adjustSize();

  Label2 = AddLabel(QStringLiteral("Label2"), Text(kCreditLine), 32);
  Label3 = AddLabel(QStringLiteral("Label3"), Text(kSupportUrl), 72);
  QFont link = DialogFont();
  link.setUnderline(true);
  Label3->setFont(link);
  SetTextColour(Label3, Qt::blue);
  Label3->setCursor(HandCursor());
  Label3->adjustSize();
  Label4 = AddLabel(QStringLiteral("Label4"), Text(kSupportCaption), 56);

  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(72, 120, 65, 25);
  connect(Button1, &QPushButton::clicked, this, &TForm9::Button1Click);
}

QLabel* TForm9::AddLabel(const QString& name, const QString& caption, int32_t top) {
  auto* label = new QLabel(caption, this);
  label->setObjectName(name);
  label->setContentsMargins(0, 0, 0, 0);
  label->move(kLabelLeft, top);
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

void TForm9::FormShow() {
  for (QLabel* label : {Label1, Label2, Label4}) label->move(kLabelLeft, label->y());
}

void TForm9::Button1Click() {
  done(1);
}

void TForm9::Label3MouseMove() {
  SetTextColour(Label3, Qt::cyan);
}

void TForm9::FormMouseMove() {
  SetTextColour(Label3, Qt::blue);
}

void TForm9::Label3Click() {
  // A browser that cannot be started is not worth a message: the box just stays open.
  if (openLink_) openLink_(QUrl(Label3->text()));
}

void TForm9::Label1MouseMove(QLabel* label, int32_t x) {
  label->move(LabelJump(random_, SpanOf(label), x), label->y());
  const LabelGameStep step = JudgeLabels({SpanOf(Label1), SpanOf(Label2), SpanOf(Label4)},
                                         Label1->text() == Text(kAngryCaption), width());
  if (step == LabelGameStep::SecondStage) BeginSecondStage();
  if (step == LabelGameStep::EndsTheProgram) EndTheProgram();
}

void TForm9::BeginSecondStage() {
  for (QLabel* label : {Label1, Label2, Label4}) {
    label->move(kAngryLeft, label->y());
    label->setText(Text(kAngryCaption));
    label->adjustSize();
    SetTextColour(label, Qt::red);
  }
}

void TForm9::EndTheProgram() {
  session_->EndByLabelGame([this](const std::function<void()>& dismissed) {
    QMessageBox box(QMessageBox::NoIcon, Text(kAngryMessage), Text(kAngryMessage), QMessageBox::Ok,
                    this);
    box.exec();
    dismissed();
    done(2);
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
