#include "web/page.hpp"

#include <emscripten/emscripten.h>

#include <vector>

EM_JS(void, zt_show_picture, (const char* canvasId, const uint8_t* rgba, int width, int height), {
  zaptrailPage.showPicture(UTF8ToString(canvasId),
                           new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4), width,
                           height);
});
EM_JS(void, zt_shift_main_panel, (int dx, int dy), { zaptrailPage.shiftMainPanel(dx, dy); });
EM_JS(int, zt_main_panel_edge, (int which), { return zaptrailPage.mainPanelEdge(which); });
EM_JS(void, zt_place_compass_panel, (int left, int top),
      { zaptrailPage.placeCompassPanel(left, top); });
EM_JS(void, zt_show_error, (const char* caption, const char* text, const char* quitButton), {
  zaptrailPage.showError(UTF8ToString(caption), UTF8ToString(text), UTF8ToString(quitButton));
});
EM_JS(void, zt_set_caption, (const char* panelId, const char* caption),
      { zaptrailPage.setCaption(UTF8ToString(panelId), UTF8ToString(caption)); });
EM_JS(void, zt_set_dialog_face, (const char* family, int pixels),
      { zaptrailPage.setDialogFace(UTF8ToString(family), pixels); });
EM_JS(void, zt_show_ended, (int shown), { zaptrailPage.showEnded(Boolean(shown)); });
EM_JS(void, zt_show_notice, (const char* text), { showNotice(UTF8ToString(text)); });
EM_JS(void, zt_show_start_hint, (int onTitle), { zaptrailPage.showStartHint(Boolean(onTitle)); });
// The new tab gets no hold on this page.
EM_JS(int, zt_open_in_new_tab, (const char* url), {
  const opened = window.open(UTF8ToString(url), "_blank");
  if (opened) opened.opener = null;
  return opened ? 1 : 0;
});

namespace zaptrail::page {

void ShowPicture(const char* canvasId, const PixelSurface& picture) {
  // A start-up that failed leaves no picture, and the canvas keeps what it had.
  if (picture.Width() == 0 || picture.Height() == 0) return;
  // 0xFFRRGGBB pixels become the canvas's R, G, B, A bytes.
  static std::vector<uint8_t> rgba;
  rgba.resize(static_cast<size_t>(picture.Width()) * static_cast<size_t>(picture.Height()) * 4);
  const uint32_t* pixel = picture.Pixels();
  for (size_t at = 0; at < rgba.size(); at += 4, ++pixel) {
    rgba[at] = static_cast<uint8_t>(*pixel >> 16);
    rgba[at + 1] = static_cast<uint8_t>(*pixel >> 8);
    rgba[at + 2] = static_cast<uint8_t>(*pixel);
    rgba[at + 3] = 0xFF;
  }
  zt_show_picture(canvasId, rgba.data(), picture.Width(), picture.Height());
}

void ShiftMainPanel(int32_t dx, int32_t dy) {
  zt_shift_main_panel(dx, dy);
}

Frame MainPanelFrame() {
  return {zt_main_panel_edge(0), zt_main_panel_edge(1), zt_main_panel_edge(2)};
}

void PlaceCompassPanel(int32_t left, int32_t top) {
  zt_place_compass_panel(left, top);
}

void SetCaption(const char* panelId, std::string_view caption) {
  zt_set_caption(panelId, std::string(caption).c_str());
}

void SetDialogFace(const DialogFace& face) {
  zt_set_dialog_face(std::string(face.family).c_str(), face.pixels);
}

void ShowErrorDialog(const std::string& caption, const std::string& text,
                     const std::string& quitButton) {
  zt_show_error(caption.c_str(), text.c_str(), quitButton.c_str());
}

void ShowEnded(bool shown) {
  zt_show_ended(shown ? 1 : 0);
}

void ShowNotice(const std::string& text) {
  zt_show_notice(text.c_str());
}

void ShowStartHint(bool onTitle) {
  zt_show_start_hint(onTitle ? 1 : 0);
}

bool OpenInNewTab(const std::string& url) {
  return zt_open_in_new_tab(url.c_str()) != 0;
}

}  // namespace zaptrail::page
