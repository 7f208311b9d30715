#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zaptrail {

class RandomSource;

// The about box's texts and the places its labels start from.
inline constexpr std::string_view kAboutTitle = "zap trail";
inline constexpr std::string_view kCreditLine = "(C) 2026 lumlum works inc.";
inline constexpr std::string_view kSupportCaption = "ｻﾎﾟｰﾄﾍﾟｰｼﾞ";
inline constexpr std::string_view kSupportUrl = "https://lumlum.example/zaptrail/";
inline constexpr std::string_view kAngryCaption = "Get Angry";
inline constexpr std::string_view kAngryMessage = "GET ANGRY";
inline constexpr int32_t kAboutClientWidth = 212;
inline constexpr int32_t kAboutClientHeight = 157;
inline constexpr int32_t kLabelLeft = 8;
inline constexpr int32_t kAngryLeft = 18;

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
                          int32_t clientWidth = kAboutClientWidth);

}  // namespace zaptrail
