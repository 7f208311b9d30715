#pragma once

#include <functional>

#include "board/board.hpp"
#include "board/options.hpp"

namespace zaptrail::board {

// Answers HTTP on the options' address until Stop; `listening` runs once the port is open
// (with the port, which the system chose when the options asked for port 0).
// Returns false when the address cannot be had.
bool Serve(Board& board, const Options& options, const std::function<void(int port)>& listening);

// Ends Serve from another thread. False when there was no serving loop yet to end: the
// library's stop does nothing before its loop has started.
bool StopServing();

}  // namespace zaptrail::board
