#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

#include "tools/soundgen/cues.hpp"

namespace zaptrail::soundgen {

// Writes each cue as a WAV file into `dir`, creating it if needed. Throws on I/O failure.
void WriteCueFiles(const std::filesystem::path& dir, const std::vector<Cue>& cues);

// Compares the files in `dir` with what WriteCueFiles would produce. Reports one line per
// file that is missing or differs; returns true when all match.
bool CheckCueFiles(const std::filesystem::path& dir, const std::vector<Cue>& cues,
                   std::ostream& report);

}  // namespace zaptrail::soundgen
