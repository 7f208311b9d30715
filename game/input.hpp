#pragma once

namespace zaptrail {

struct Game;

// What the player holds during one tick; nothing carries over to the next tick.
struct InputFlags {
  bool heldUp = false;
  bool heldRight = false;
  bool heldDown = false;
  bool heldLeft = false;
  bool fire = false;
};

// Asks once, at start-up, whether the first joystick exists and cuts its axes into thirds.
void ProbeJoystick(Game& game);
// Probes the joystick if set-up left that for later; the shell calls it once its first frame
// is on the screen, a tick whose input counts before then (Timer1Timer).
void ProbePendingJoystick(Game& game);
// Polls joystick and keyboard. Escape asks the main window to close; the tick goes on.
InputFlags SampleInput(Game& game);

}  // namespace zaptrail
