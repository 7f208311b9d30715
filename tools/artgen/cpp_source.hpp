#pragma once
// Emits the sheet, the icon and the cursor as C++ data so the game needs no image loader for
// its own art.
#include <string>

#include "tools/artgen/art_source.hpp"
#include "tools/artgen/sheet.hpp"

namespace zaptrail::art {

// Source text defining the symbols declared in view/sprite_sheet_data.hpp.
std::string SheetToCpp(const Sheet& sheet);

// Source text defining the symbols declared in qt/program_pictures_data.hpp; throws
// ArtError naming `art_dir` if the icon or the cursor is not drawn.
std::string ProgramPicturesToCpp(const ArtSet& art, const std::string& art_dir);

}  // namespace zaptrail::art
