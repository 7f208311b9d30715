#pragma once

namespace zaptrail {

struct Game;

// Looks at the chick's cell at the start of a playing tick: takes an item, or finishes the
// level on the goal. True when the tick ends there.
bool CheckCell(Game& game);
// The level is cleared: record texts, the next, larger maze, back to the title phase. A stored
// line that is not an integer is replaced, and raises its conversion error once all is done.
void FinishLevel(Game& game);
// Time advances one unit every fourth tick; power drains every second tick.
void AdvanceClock(Game& game);
// Power zero: the fallen chick, the death texts and the death cue.
void CheckDeath(Game& game);

}  // namespace zaptrail
