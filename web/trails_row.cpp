#include "web/trails_row.hpp"

#include <emscripten/emscripten.h>

#include <string>

#include "session/daily.hpp"
#include "session/trail_file.hpp"

EM_JS(void, zt_trails_run_kind, (int watching, const char* dailyDate),
      { zaptrailTrails.runKind(Boolean(watching), UTF8ToString(dailyDate)); });
EM_JS(void, zt_trails_game_kept, (const char* trail, const char* dailyDate, int levels),
      { zaptrailTrails.gameKept(UTF8ToString(trail), UTF8ToString(dailyDate), levels); });

namespace zaptrail {

void ShowRunKind(bool watching, const std::optional<TrailDate>& daily) {
  zt_trails_run_kind(watching ? 1 : 0, daily ? FormatDate(*daily).c_str() : "");
}

void TellGameKept(const Trail& game) {
  std::string text;
  try {
    text = WriteTrail(game);
  } catch (const TrailError&) {
    // Kept it could not be either, as the notice said; there is nothing to offer.
  }
  zt_trails_game_kept(text.c_str(), game.daily ? FormatDate(*game.daily).c_str() : "",
                      static_cast<int>(game.claimed.cleared.size()));
}

}  // namespace zaptrail
