#include "web/dialog_face.hpp"

#include <emscripten/emscripten.h>

#include <string>

#include "session/window_descriptions.hpp"

// Text in the face stays hidden for the short time the font may still be on its way, rather than
// showing in another face first and changing under the player's eyes.
EM_JS(void, zt_add_dialog_face, (const char* family, const char* file), {
  const face =
      new FontFace(UTF8ToString(family), `url("${UTF8ToString(file)}")`, {display : "block"});
  document.fonts.add(face);
  // A font that cannot be had leaves the text in the browser's own face, which is all it can do.
  face.load().catch(function(){});
});

namespace zaptrail::page {

void AddDialogFace() {
  zt_add_dialog_face(std::string(kDialogFace.family).c_str(), ZAPTRAIL_DIALOG_FACE_FILE);
}

}  // namespace zaptrail::page
