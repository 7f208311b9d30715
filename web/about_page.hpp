#pragma once

#include <cstdint>
#include <string_view>

#include "session/window_descriptions.hpp"

// The about box as the page shows it (about_box.js): a modal dialog whose client area keeps the
// design's pixels. Labels are known by their index in the box's declaration order; the page
// reports their events through the zt_about_* calls.
namespace zaptrail::page {

// Empties the box and gives it its caption and client size.
void BuildAboutBox(std::string_view caption, ClientSize client);
void AddAboutLabel(int32_t index, const about::LabelDescription& label, bool link);
void AddAboutButton(const ControlDescription& button);
// A new left and caption; returns the width the caption gives the label, which only a box
// that is showing can measure.
int32_t SetAboutLabel(int32_t index, int32_t left, std::string_view caption);
void SetAboutLabelColour(int32_t index, const Colour& colour);
void ShowAboutBox();
void HideAboutBox();

}  // namespace zaptrail::page
