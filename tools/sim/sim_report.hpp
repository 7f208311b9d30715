#pragma once

#include <cstdint>
#include <ostream>

namespace zaptrail {

struct Game;
struct GameRecord;

// FNV-1a over every byte of the grid as allocated.
uint32_t CellsHash(const GameRecord& record);
// The built level: header lines, the movers, the random state, then the grid row by row.
void PrintLevel(std::ostream& out, const Game& game);
// The state line printed after every replayed tick.
void PrintTickState(std::ostream& out, int64_t tick, const Game& game, int32_t windowLeft,
                    int32_t windowTop);

}  // namespace zaptrail
