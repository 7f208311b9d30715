#pragma once

#include <QObject>
#include <array>

#include "game/platform.hpp"

namespace zaptrail {

// Which game keys are held right now, in any of the game's windows. The tick polls this; a press
// that begins and ends between two ticks is never seen, as with a real key-state query.
class HeldKeys : public QObject {
  Q_OBJECT

 public:
  explicit HeldKeys(QObject* parent = nullptr);
  bool IsHeld(Key key) const { return held_[static_cast<size_t>(key)]; }
  void ReleaseAll() { held_.fill(false); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<bool, 6> held_{};
};

}  // namespace zaptrail
