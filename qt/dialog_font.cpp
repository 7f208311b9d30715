#include "qt/dialog_font.hpp"

#include <QStringList>

#include "qt/described_widgets.hpp"

namespace zaptrail {

QFont DialogFont() {
  QFont font;
  font.setFamilies({QtText(kDialogFace.family), QStringLiteral("IPAPGothic")});
  font.setPixelSize(kDialogFace.pixels);
  return font;
}

}  // namespace zaptrail
