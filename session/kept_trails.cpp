#include "session/kept_trails.hpp"

#include "files/file_system.hpp"
#include "session/daily.hpp"
#include "session/trail_file.hpp"

namespace zaptrail {
namespace {

std::string LastGamePath(const std::string& folder) {
  return folder + "last" + kTrailExtension;
}

std::string LevelBestPath(const std::string& folder, int32_t level) {
  return folder + "level-" + std::to_string(level) + kTrailExtension;
}

std::string DailyPath(const std::string& folder, const TrailDate& date) {
  return folder + "daily-" + FormatDate(date) + kTrailExtension;
}

// Whether the game beats the date's kept daily trail. A kept file that cannot be read as a
// trail is never written over: it may be something the player wants.
bool BeatsKeptDaily(const std::string& path, const Trail& game) {
  if (files::KindOf(path) == files::FileKind::Missing) return true;
  const Trail kept = LoadTrailFile(path);
  return IsBetter(ScoreOf(game), ScoreOf(kept));
}

}  // namespace

std::string TrailsFolder(const std::string& userFolder) {
  return userFolder.empty() ? std::string() : userFolder + "trails/";
}

Trail LoadTrailFile(const std::string& path) {
  std::string content;
  if (!files::ReadRegularFile(path, kMaxTrailBytes, content)) {
    throw TrailError(path + ": not a readable trail file of at most 4 MiB");
  }
  try {
    return ReadTrail(content);
  } catch (const TrailError& error) {
    throw TrailError(path + ": " + error.what());
  }
}

void SaveTrailFile(const std::string& path, const Trail& trail) {
  const std::string text = WriteTrail(trail);
  const auto refused = [&] { return TrailError(path + ": cannot be written"); };
  switch (files::KindOf(path)) {
    case files::FileKind::Missing:
      break;
    case files::FileKind::Regular:
      if (!files::CanWriteFile(path)) throw refused();
      break;
    case files::FileKind::CharacterDevice:
      // A link to /dev/null is how a player switches a kept trail off.
      if (!files::WriteInPlace(path, text)) throw refused();
      return;
    case files::FileKind::Other:
      throw refused();
  }
  if (!files::ReplaceFile(path, text)) throw refused();
}

std::vector<std::string> KeepGame(const std::string& folder, const FinishedGame& game) {
  if (folder.empty()) return {"there is no folder for the player's data"};
  if (!files::MakeFolders(folder)) return {folder + ": cannot be made"};
  std::vector<std::string> failures;
  const auto keep = [&](const std::string& path, const Trail& trail) {
    try {
      SaveTrailFile(path, trail);
    } catch (const TrailError& error) {
      failures.emplace_back(error.what());
    }
  };
  keep(LastGamePath(folder), game.whole);
  for (const Trail& best : game.levelBests) {
    keep(LevelBestPath(folder, best.claimed.cleared.back().level), best);
  }
  if (game.whole.daily) {
    const std::string path = DailyPath(folder, *game.whole.daily);
    try {
      if (BeatsKeptDaily(path, game.whole)) keep(path, game.whole);
    } catch (const TrailError& error) {
      failures.push_back(std::string(error.what()) + " (kept as it is)");
    }
  }
  return failures;
}

}  // namespace zaptrail
