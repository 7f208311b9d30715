#pragma once

#include <QLabel>

#include "qt/tform9.hpp"

namespace zaptrail::testing {

QLabel* FindLabel(TForm9& box, const char* name);

// Hovers Label1, Label2 and Label4 in turn at their left edges, so each jumps right, until it
// is out or the stage changes; pushing the last one out is what ends a stage.
void PushLabelsOut(TForm9& box);

}  // namespace zaptrail::testing
