#pragma once

#include <optional>

#include "session/trail.hpp"

// What the shell tells the page's trails row (trails_row.js) about the runs and their games.
namespace zaptrail {

// A run has started: one that watches a trail, or one on the daily seed of `daily`.
void ShowRunKind(bool watching, const std::optional<TrailDate>& daily);
// A game has ended and its trails are kept: the row lists them anew, and a daily game is
// offered to the board that serves the page.
void TellGameKept(const Trail& game);

}  // namespace zaptrail
