#include "game/text.hpp"

#include "game/game.hpp"
#include "view/glyphs.hpp"

namespace zaptrail {

void PutText(Game& game, int32_t column, int32_t row, std::string_view text) {
  if (game.trace != nullptr) game.trace->Text(column, row, text);
  if (game.drawsPixels) PutGlyphs(game.playField, game.sheet, column, row, text);
}

}  // namespace zaptrail
