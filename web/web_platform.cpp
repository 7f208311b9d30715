#include "web/web_platform.hpp"

#include <emscripten/emscripten.h>

#include "web/page.hpp"
#include "web/tform1.hpp"

EM_JS(void, zt_play_cue, (const char* path), { zaptrailPage.playCue(UTF8ToString(path)); });

namespace zaptrail {

void WebPlatform::ShowChangedCompass() {
  if (!compassChanged_) return;
  compassChanged_ = false;
  page::ShowPicture("compass", form1_.GameState().compass);
}

void WebPlatform::PlaceMainPanelAtStart() {
  left_ = kMainWindowStartLeft;
  top_ = kMainWindowStartTop;
  page::ShiftMainPanel(0, 0);
}

void WebPlatform::PlaySound(const std::string& path) {
  zt_play_cue(path.c_str());
}

void WebPlatform::SetWindowLeft(int32_t left) {
  left_ = left;
  page::ShiftMainPanel(left_ - kMainWindowStartLeft, top_ - kMainWindowStartTop);
}

void WebPlatform::SetWindowTop(int32_t top) {
  top_ = top;
  page::ShiftMainPanel(left_ - kMainWindowStartLeft, top_ - kMainWindowStartTop);
}

void WebPlatform::RepaintPlayField() {
  page::ShowPicture("play-field", form1_.GameState().playField);
}

void WebPlatform::CloseMainWindow() {
  form1_.GameSession().CloseFromTick();
}

}  // namespace zaptrail
