// The page's module: the page's script starts it once loaded and reaches it through these calls.

#include <emscripten/emscripten.h>

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <string_view>

#include "game/level.hpp"
#include "session/daily.hpp"
#include "session/records_import.hpp"
#include "session/trail_file.hpp"
#include "web/dialog_face.hpp"
#include "web/records_transfer.hpp"
#include "web/tform1.hpp"

namespace {

std::unique_ptr<zaptrail::TForm1> form1;
// The hook goes as far as the strong shakes of levels 10 and 20, and no further.
constexpr int kLastHookLevel = 20;

}  // namespace

extern "C" {

// `hasSeed` fixes the seed of every run of the page (the address's ?seed=), `daily` plays
// today's trail instead (?daily), `watch` names a trail to watch first, empty for none (?watch=);
// `manualTicks` leaves the ticks to zt_step.
EMSCRIPTEN_KEEPALIVE void zt_start(int hasSeed, uint32_t seed, int manualTicks, int daily,
                                   const char* watch) {
  zaptrail::SessionOptions options;
  if (hasSeed != 0) options.seed = seed;
  if (daily != 0) options.daily = zaptrail::UtcDate(std::time(nullptr));
  options.watchFile = watch;
  form1 = std::make_unique<zaptrail::TForm1>(options, manualTicks != 0);
  form1->FormCreate();
  zaptrail::page::AddDialogFace();
}

EMSCRIPTEN_KEEPALIVE void zt_step(int ticks) {
  form1->StepTicks(ticks);
}

// A touch control holds (`down`) or lets go of a key, by its number in the game's Key, at `at`
// on the page's clock.
EMSCRIPTEN_KEEPALIVE void zt_touch_hold(int key, int down, double at) {
  if (key < 0 || key >= static_cast<int>(zaptrail::kKeyCount)) return;
  form1->TouchHold(static_cast<zaptrail::Key>(key), down != 0, at);
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

// A menu item chosen in the page's menu bar, by its command number.
EMSCRIPTEN_KEEPALIVE void zt_menu_command(int command) {
  form1->MenuCommand(static_cast<zaptrail::MenuCommand>(command));
}

// The about box's events: the pointer over a label (by its index, x pixels from its left) or
// over the bare client area, the link clicked, and the box closed by OK (1) or its close box (2).
EMSCRIPTEN_KEEPALIVE void zt_about_label_move(int label, int x) {
  form1->AboutBox().LabelMouseMove(label, x);
}

EMSCRIPTEN_KEEPALIVE void zt_about_form_move() {
  form1->AboutBox().FormMouseMove();
}

EMSCRIPTEN_KEEPALIVE void zt_about_link_click() {
  form1->AboutBox().Label3Click();
}

EMSCRIPTEN_KEEPALIVE void zt_about_closed(int result) {
  if (result == 1) {
    form1->AboutBox().Button1Click();
  } else {
    form1->AboutBox().CloseBoxClick();
  }
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

EMSCRIPTEN_KEEPALIVE void zt_records_download() {
  zaptrail::OfferRecordsDownload(*form1);
}

// The most of a picked file worth reading: one byte more than a records file may hold.
EMSCRIPTEN_KEEPALIVE double zt_records_load_limit() {
  return static_cast<double>(zaptrail::kImportedRecordsMaxBytes + 1);
}

// `size` is -1 when the browser could not read the file.
EMSCRIPTEN_KEEPALIVE void zt_records_load(const char* fileName, const char* bytes, int size) {
  zaptrail::LoadPickedRecords(*form1, fileName,
                              std::string_view(bytes, static_cast<size_t>(size < 0 ? 0 : size)),
                              size >= 0);
}

// Watches a kept trail, or a file the page has handed the module under this path.
EMSCRIPTEN_KEEPALIVE void zt_watch(const char* path) {
  form1->Watch(path);
}

// The most of a trail file worth reading: one byte more than a trail may hold.
EMSCRIPTEN_KEEPALIVE double zt_trail_load_limit() {
  return static_cast<double>(zaptrail::kMaxTrailBytes + 1);
}

// The tests' hooks: the ticks run so far, and the level the title screen starts, as the sim's
// LEVEL sets it.
EMSCRIPTEN_KEEPALIVE double zt_ticks_run() {
  return static_cast<double>(form1->TicksRun());
}

EMSCRIPTEN_KEEPALIVE void zt_set_level(int level) {
  zaptrail::GameRecord& record = form1->GameState().record;
  if (record.Phase == zaptrail::PhaseTitle && level >= 0 && level <= kLastHookLevel) {
    zaptrail::SetLevel(record, level);
  }
}

}  // extern "C"
