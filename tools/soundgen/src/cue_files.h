#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

#include "cues.h"

namespace soundgen {

// Writes each cue as a WAV file into `dir`, creating it if needed. Throws on I/O failure.
void write_cue_files(const std::filesystem::path& dir, const std::vector<Cue>& cues);

// Compares the files in `dir` with what write_cue_files would produce. Reports one line per
// file that is missing or differs; returns true when all match.
bool check_cue_files(const std::filesystem::path& dir, const std::vector<Cue>& cues,
                     std::ostream& report);

}  // namespace soundgen
