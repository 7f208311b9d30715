#include "web/about_page.hpp"

#include <emscripten/emscripten.h>

#include <string>

EM_JS(void, zt_build_about, (const char* caption, int width, int height),
      { zaptrailAbout.build(UTF8ToString(caption), width, height); });
EM_JS(void, zt_add_about_label,
      (int index, const char* text, int left, int top, int look, const char* colour, int link), {
        zaptrailAbout.addLabel(index, UTF8ToString(text), left, top, look, UTF8ToString(colour),
                               link);
      });
EM_JS(void, zt_add_about_button, (const char* text, int left, int top, int width, int height),
      { zaptrailAbout.addButton(UTF8ToString(text), left, top, width, height); });
EM_JS(int, zt_set_about_label, (int index, int left, const char* text),
      { return zaptrailAbout.setLabel(index, left, UTF8ToString(text)); });
EM_JS(void, zt_set_about_label_colour, (int index, const char* colour),
      { zaptrailAbout.setLabelColour(index, UTF8ToString(colour)); });
EM_JS(void, zt_show_about, (), { zaptrailAbout.show(); });
EM_JS(void, zt_hide_about, (), { zaptrailAbout.hide(); });

namespace zaptrail::page {
namespace {

std::string Css(const Colour& colour) {
  return "rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", " +
         std::to_string(colour.blue) + ")";
}

}  // namespace

void BuildAboutBox(std::string_view caption, ClientSize client) {
  zt_build_about(std::string(caption).c_str(), client.width, client.height);
}

void AddAboutLabel(int32_t index, const about::LabelDescription& label, bool link) {
  const ControlDescription& control = label.control;
  // An empty colour leaves the dialog's window-text colour.
  const std::string colour = label.ownColour ? Css(label.colour) : "";
  zt_add_about_label(index, std::string(control.text).c_str(), control.place.left,
                     control.place.top, static_cast<int>(label.font), colour.c_str(), link ? 1 : 0);
}

void AddAboutButton(const ControlDescription& button) {
  zt_add_about_button(std::string(button.text).c_str(), button.place.left, button.place.top,
                      button.place.width, button.place.height);
}

int32_t SetAboutLabel(int32_t index, int32_t left, std::string_view caption) {
  return zt_set_about_label(index, left, std::string(caption).c_str());
}

void SetAboutLabelColour(int32_t index, const Colour& colour) {
  zt_set_about_label_colour(index, Css(colour).c_str());
}

void ShowAboutBox() {
  zt_show_about();
}

void HideAboutBox() {
  zt_hide_about();
}

}  // namespace zaptrail::page
