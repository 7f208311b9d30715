#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "session/window_descriptions.hpp"

namespace zaptrail {

class RandomSource;

// A label's horizontal extent in the box's client area.
struct LabelSpan {
  int32_t left = 0;
  int32_t width = 0;
};

// Where a hovered label jumps with the pointer at x inside it: 0 to 4 pixels away from a pointer
// on its right half, else towards the right. Takes one draw whichever way it goes.
int32_t LabelJump(RandomSource& random, LabelSpan label, int32_t x);

// At most 4 pixels of the label remain inside the box.
bool IsLabelOut(LabelSpan label, int32_t clientWidth);

enum class LabelGameStep : uint8_t { GoesOn, SecondStage, EndsTheProgram };

// What follows a jump: nothing until Label1, Label2 and Label4 are all out; then the first
// stage turns them into "Get Angry", and the second one ends the program.
LabelGameStep JudgeLabels(const std::array<LabelSpan, 3>& labels, bool secondStage,
                          int32_t clientWidth = about::kClient.width);

// Only Label1's caption tells the second stage from the first.
bool InSecondStage(std::string_view label1Caption);

}  // namespace zaptrail
