#include "session/tick_period.hpp"

#include <string>

#include "game/errors.hpp"
#include "game/integer_text.hpp"

namespace zaptrail {

void StartTicks(PeriodicTimer& timer, int32_t periodMs) {
  if (!timer.Start(periodMs)) throw GameError("ﾀｲﾏｰを取得できません");
}

void ApplyTimerPeriod(PeriodicTimer& timer, int32_t& period, std::string_view text) {
  const int32_t typed = TextToInteger(text);
  // The period is unsigned on the desktop: a negative one is refused like any other non-number.
  if (typed < 0) throw GameError(NotAnIntegerMessage(text));
  if (typed == period) return;
  timer.Stop();
  period = typed;
  // The timer runs only with a period; 0 leaves the game without ticks until another is applied.
  if (typed == 0) return;
  StartTicks(timer, typed);
}

}  // namespace zaptrail
