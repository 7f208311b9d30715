// The page's module: the page's script starts it once loaded and reaches it through these calls.

#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <string>

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
}

EMSCRIPTEN_KEEPALIVE void zt_step(int ticks) {
  form1->StepTicks(ticks);
}

EMSCRIPTEN_KEEPALIVE void zt_dialog_closed(int quit) {
  form1->DialogClosed(quit != 0);
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

}  // extern "C"
