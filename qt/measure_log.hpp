#pragma once

#include <cstdint>

class QWidget;

namespace zaptrail::measure {

// Timing marks for `make measure`. Only a build made for measuring (ZAPTRAIL_MEASURE) keeps
// them, and writes them to the standard error when the program ends; the shipped game compiles
// them to nothing and logs nothing.
#ifdef ZAPTRAIL_MEASURE
// Marks the moment the widget has first been painted and handed to the display.
void WatchFirstFrame(QWidget& widget);
// Marks the start of a tick and the phase it starts in.
void Tick(int8_t phase);
#else
inline void WatchFirstFrame(QWidget&) {}
inline void Tick(int8_t) {}
#endif

}  // namespace zaptrail::measure
