#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <string_view>

#include "session/window_descriptions.hpp"

class QWidget;

namespace zaptrail {

// The window descriptions' UTF-8 texts, places and colours in Qt's terms.
QString QtText(std::string_view text);
QRect QtRect(const ControlPlace& place);
QColor QtColour(const Colour& colour);

// Names the control as the description does and puts it at its place.
template <typename Control>
Control* Place(Control* control, const ControlDescription& description) {
  control->setObjectName(QtText(description.name));
  control->setGeometry(QtRect(description.place));
  return control;
}

}  // namespace zaptrail
