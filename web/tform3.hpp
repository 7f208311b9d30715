#pragma once

#include <cstdint>
#include <string>

#include "session/window_descriptions.hpp"

namespace zaptrail {

// The settings dialog in the page: the tick period's text with its spin arrows, and the sound
// switch. It is built once and only shown and hidden, so the page keeps its controls' state
// between showings; the page tells the module through zt_settings_closed how it was left.
class TForm3 {
 public:
  TForm3();
  TForm3(const TForm3&) = delete;
  TForm3& operator=(const TForm3&) = delete;

  // Every run starts with the design values, before the first showing: the period text, its
  // arrows' position, sound on.
  void FormCreate();
  // Modal and centred, the text box focused. The page does not wait for the answer.
  void ShowModal();
  void Hidden() { showing_ = false; }
  // Hides it with no answer, when the run ends under it.
  void Close();
  bool Showing() const { return showing_; }

  std::string PeriodText() const;
  bool SoundOutputOn() const;
  // One click of UpDown1's arrows, or Up (+1) and Down (-1) in the text box.
  void Step(int32_t direction);

 private:
  UpDownRange range_ = kPeriodRange;
  bool showing_ = false;
};

}  // namespace zaptrail
