#include "web/tform3.hpp"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>

#include "session/halted_dialog.hpp"

EM_JS(void, zt_settings_build, (const char* caption, int width, int height, int closeResult),
      { zaptrailSettings.build(UTF8ToString(caption), width, height, closeResult); });
EM_JS(void, zt_settings_add,
      (const char* kind, const char* name, int left, int top, int width, int height,
       const char* text, int result),
      {
        zaptrailSettings.add(UTF8ToString(kind), UTF8ToString(name), [ left, top, width, height ],
                             UTF8ToString(text), result);
      });
EM_JS(void, zt_settings_reset, (const char* periodText, int soundOn),
      { zaptrailSettings.reset(UTF8ToString(periodText), soundOn != 0); });
EM_JS(void, zt_settings_show, (), { zaptrailSettings.show(); });
EM_JS(void, zt_settings_close, (), { zaptrailSettings.close(); });
// The text box's text, in memory from malloc that the caller frees.
EM_JS(char*, zt_settings_period_text, (), {
  const text = zaptrailSettings.periodText();
  const size = lengthBytesUTF8(text) + 1;
  const copy = _malloc(size);
  stringToUTF8(text, copy, size);
  return copy;
});
EM_JS(void, zt_settings_set_period_text, (const char* text),
      { zaptrailSettings.setPeriodText(UTF8ToString(text)); });
EM_JS(int, zt_settings_sound_on, (), { return zaptrailSettings.soundOn() ? 1 : 0; });

namespace zaptrail {
namespace {

// `closes` is the result a button ends the showing with.
void Add(const char* kind, const ControlDescription& control, int closes = 0) {
  const std::string name(control.name);
  const std::string text(control.text);
  zt_settings_add(kind, name.c_str(), control.place.left, control.place.top, control.place.width,
                  control.place.height, text.c_str(), closes);
}

}  // namespace

TForm3::TForm3() {
  using namespace settings;
  // The close box ends the showing like Cancel.
  zt_settings_build(std::string(kSettingsCaption).c_str(), kClient.width, kClient.height,
                    ResultCodeOf(DialogResult::Cancel));
  // In the order the dialog declares them, which is also the order Tab follows; the labels and
  // the arrows take no focus.
  Add("label", kLabel1);
  Add("edit", kEdit1);
  Add("label", kLabel2);
  Add("updown", kUpDown1);
  Add("checkbox", kCheckBox1);
  Add("button", kButton1, ResultCodeOf(DialogResult::Ok));
  Add("button", kButton2, ResultCodeOf(DialogResult::Cancel));
}

void TForm3::FormCreate() {
  range_ = kPeriodRange;
  zt_settings_reset(std::string(settings::kEdit1.text).c_str(), settings::kSoundOnAtStart);
}

void TForm3::ShowModal() {
  showing_ = true;
  zt_settings_show();
}

void TForm3::Close() {
  if (!showing_) return;
  showing_ = false;
  zt_settings_close();
}

std::string TForm3::PeriodText() const {
  const std::unique_ptr<char, decltype(&std::free)> text(zt_settings_period_text(), &std::free);
  return text.get();
}

bool TForm3::SoundOutputOn() const {
  return zt_settings_sound_on() != 0;
}

void TForm3::Step(int32_t direction) {
  zt_settings_set_period_text(StepUpDown(range_, PeriodText(), direction).c_str());
}

}  // namespace zaptrail
