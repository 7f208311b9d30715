#include "qt/font_config_preload.hpp"

#include <fontconfig/fontconfig.h>

namespace zaptrail {

FontConfigPreload::FontConfigPreload() : loader_([] { FcInit(); }) {}

FontConfigPreload::~FontConfigPreload() {
  Wait();
}

void FontConfigPreload::Wait() {
  if (loader_.joinable()) loader_.join();
}

}  // namespace zaptrail
