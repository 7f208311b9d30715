#pragma once

#include <cstdint>
#include <string>

#include "game/best_times.hpp"
#include "game/errors.hpp"
#include "session/records_place.hpp"

namespace zaptrail {

// Who waits on a close: the player (Escape, the close box, Quit) can be asked what to do when
// the records cannot be saved; nobody answers a close by signal or by a lost display.
enum class CloseAsker : uint8_t { Player, Nobody };

enum class AfterSave : uint8_t {
  Close,       // saved: the program ends
  AskPlayer,   // not saved: show the error, keep the window open unless told to quit anyway
  ExitFailed,  // not saved and nobody to ask: say so on standard error and end with status 1
};

struct CloseSave {
  AfterSave next = AfterSave::Close;
  std::string savedTo;  // the file written, when saved
  std::string error;    // why not, in the error dialog's words
};

// A close the player asked for (Escape in a tick) found the records unsaveable: the shell's tick
// handler asks the player whether to quit all the same.
class RecordsNotSaved : public GameError {
 public:
  using GameError::GameError;
};

// The save that every close runs before the main window goes: the run's own file, or the other
// folder's when that fails, so that the player is asked only when neither takes the times; the
// error then says why each failed.
CloseSave SaveBeforeClosing(const BestTimes& bestTimes, const RecordsPlace& place,
                            CloseAsker asker);

}  // namespace zaptrail
