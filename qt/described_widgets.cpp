#include "qt/described_widgets.hpp"

namespace zaptrail {

QString QtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect QtRect(const ControlPlace& place) {
  return {place.left, place.top, place.width, place.height};
}

QColor QtColour(const Colour& colour) {
  return {colour.red, colour.green, colour.blue};
}

}  // namespace zaptrail
