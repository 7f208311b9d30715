#pragma once

#include <QDialog>
#include <QUrl>
#include <cstdint>
#include <functional>

#include "session/label_game.hpp"
#include "session/window_descriptions.hpp"

class QLabel;
class QPushButton;

namespace zaptrail {

class RandomSource;
class Session;

// The about box: title, credit line and the support page's link, and the label game hidden in
// it. Created once and only shown and hidden, so the labels keep their captions, colours and
// places (all but the lefts that FormShow resets) for the whole run.
class TForm9 : public QDialog, private LabelGameView {
  Q_OBJECT

 public:
  // Opens a URL in the desktop's browser; false when it could not.
  using LinkOpener = std::function<bool(const QUrl&)>;

  explicit TForm9(RandomSource& random, QWidget* parent = nullptr);
  void SetLinkOpener(LinkOpener opener) { openLink_ = std::move(opener); }
  // The run the label game's end belongs to.
  void AttachSession(Session& session) { session_ = &session; }

  void FormShow();
  void Button1Click();
  void Label3MouseMove();
  void FormMouseMove();
  void Label3Click();
  // The label game for Label1, Label2 or Label4, with the pointer at x inside that label.
  void Label1MouseMove(QLabel* label, int32_t x);

 public slots:
  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* AddLabel(const about::LabelDescription& description);
  QLabel* Shown(PlayingLabel label) const;
  int32_t MoveLabel(PlayingLabel label, int32_t left) override;
  int32_t ShowSecondStage(PlayingLabel label) override;
  void EndTheProgram() override;

  LabelGame labelGame_;
  LinkOpener openLink_;
  Session* session_ = nullptr;

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QPushButton* Button1 = nullptr;
};

}  // namespace zaptrail
