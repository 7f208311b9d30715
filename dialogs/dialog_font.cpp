#include "dialogs/dialog_font.hpp"

#include <QStringList>

namespace zaptrail {

QFont DialogFont() {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
  font.setPixelSize(12);
  return font;
}

}  // namespace zaptrail
