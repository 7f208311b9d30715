#pragma once

#include <cstdint>

#include "game/game_record.hpp"

namespace zaptrail {

// What a modal dialog ends with: OK, or Cancel for every other way of closing it.
enum class DialogResult : int8_t { Ok = 1, Cancel = 2 };

// Shows a dialog modally with the game halted. Ticks keep arriving in the dialog's own message
// loop and, halted, only sample the input; Phase comes back on every path out, an error included.
template <typename ShowModal>
DialogResult ShowHalted(GameRecord& record, ShowModal&& showModal) {
  struct RestorePhase {
    GameRecord& record;
    PlayPhase remembered;
    ~RestorePhase() { record.Phase = remembered; }
  } restore{record, record.Phase};
  record.Phase = PhaseHalted;
  return showModal() == static_cast<int>(DialogResult::Ok) ? DialogResult::Ok
                                                           : DialogResult::Cancel;
}

}  // namespace zaptrail
