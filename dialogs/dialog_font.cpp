#include "dialogs/dialog_font.hpp"

#include <QString>

namespace zaptrail {

QFont DialogFont() {
  const QString family = QStringLiteral("ＭＳ Ｐゴシック");
  // Left to fontconfig, the name falls back to a Latin face that borrows its kana from the
  // fixed-width IPA Gothic, and the half-width captions come out too wide for their controls.
  QFont::insertSubstitution(family, QStringLiteral("IPAPGothic"));
  QFont font(family);
  font.setPixelSize(12);
  return font;
}

}  // namespace zaptrail
