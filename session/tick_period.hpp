#pragma once

#include <cstdint>
#include <string_view>

#include "session/window_descriptions.hpp"

namespace zaptrail {

// The shell's periodic timer as the settings rules see it.
class PeriodicTimer {
 public:
  virtual ~PeriodicTimer() = default;
  virtual void Stop() = 0;
  // False when the platform refuses a timer with this period.
  virtual bool Start(int32_t periodMs) = 0;
};

// Starts the tick timer with a period above 0, or raises "ﾀｲﾏｰを取得できません" when the
// platform refuses it.
void StartTicks(PeriodicTimer& timer, int32_t periodMs);

// Applies the settings dialog's period text to the tick timer. The text must be an integer
// ("'%s' は整数ではありません" otherwise, a negative one included); an unchanged period leaves
// the timer alone, 0 stops it, and a refused timer raises "ﾀｲﾏｰを取得できません".
// `period` is the one in force and follows the text once it has been accepted.
void ApplyTimerPeriod(PeriodicTimer& timer, int32_t& period, std::string_view text);

}  // namespace zaptrail
