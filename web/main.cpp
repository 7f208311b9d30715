// The page's module: the page's script starts it once loaded and reaches it through these calls.

#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <string>

#include "web/dialog_face.hpp"
#include "web/tform1.hpp"

namespace {

std::unique_ptr<zaptrail::TForm1> form1;

}  // namespace

extern "C" {

// `hasSeed` fixes the seed of every run of the page (the address's ?seed=); `manualTicks` leaves
// the ticks to zt_step.
EMSCRIPTEN_KEEPALIVE void zt_start(int hasSeed, uint32_t seed, int manualTicks) {
  zaptrail::SessionOptions options;
  if (hasSeed != 0) options.seed = seed;
  form1 = std::make_unique<zaptrail::TForm1>(options, manualTicks != 0);
  form1->FormCreate();
  zaptrail::page::AddDialogFace();
}

EMSCRIPTEN_KEEPALIVE void zt_step(int ticks) {
  form1->StepTicks(ticks);
}

EMSCRIPTEN_KEEPALIVE void zt_dialog_closed(int quit) {
  form1->DialogClosed(quit != 0);
}

// The settings dialog has closed with this result.
EMSCRIPTEN_KEEPALIVE void zt_settings_closed(int result) {
  form1->SettingsClosed(result);
}

// One step of the settings dialog's spin arrows, +1 up and -1 down.
EMSCRIPTEN_KEEPALIVE void zt_settings_step(int direction) {
  form1->Form3().Step(direction);
}

// The tick period in force in milliseconds, 0 while the ticks are stopped.
EMSCRIPTEN_KEEPALIVE int32_t zt_tick_period() {
  return form1->GameSession().TickPeriod();
}

EMSCRIPTEN_KEEPALIVE void zt_play_again() {
  form1->PlayAgain();
}

EMSCRIPTEN_KEEPALIVE void zt_layout() {
  form1->PlaceCompass();
}

// The records text this run holds, valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* zt_best_times() {
  static std::string text;
  text = form1->BestTimesText();
  return text.c_str();
}

}  // extern "C"
