#pragma once

#include <QKeyEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

#include "game/platform.hpp"

namespace zaptrail {

// Which game keys are held right now, in any of the game's windows. The tick polls this; a press
// that begins and ends between two ticks is never seen, as with a real key-state query. Keys are
// let go when the keyboard leaves the game's windows, since their releases go elsewhere. A key
// already held when a game window gains the keyboard counts only once it has really been
// released: the window system's repeats of it are no new presses.
class HeldKeys : public QObject {
  Q_OBJECT

 public:
  explicit HeldKeys(QObject* parent = nullptr);
  bool IsHeld(Key key) const { return held_[static_cast<size_t>(key)]; }
  // One of the game's windows has the keyboard focus and no menu is open.
  bool GameHasTheKeyboard() const;
  void ReleaseAll() { held_.fill(false); }
  // Presses typed into this window (the help viewer) are its own, not the game's; a release
  // there still counts, so a key held down before switching windows does not stick.
  void IgnorePressesIn(QWidget* window) { ignored_.emplace_back(window); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool TypedIntoIgnoredWindow(QObject* watched) const;
  bool IsRepeat(const QKeyEvent& event, Key key) const;
  bool IsIgnored(const QWindow* window) const;

  std::array<bool, kKeyCount> held_{};
  std::array<quint64, kKeyCount> releasedAt_{};  // the window system's time of the last release
  std::vector<QPointer<QWidget>> ignored_;
};

}  // namespace zaptrail
