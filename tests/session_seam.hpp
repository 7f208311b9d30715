#pragma once

#include "session/session.hpp"

namespace zaptrail {

// The tests' way into a running session's game, to set up what no player could reach quickly
// (best times, a level, a chick's place). Shells only ever read the game.
struct SessionTestSeam {
  static Game& WritableGame(Session& session) { return session.game_; }
};

inline Game& WritableGame(Session& session) {
  return SessionTestSeam::WritableGame(session);
}

}  // namespace zaptrail
