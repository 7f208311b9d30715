#include "session/records_place.hpp"

#include "files/file_system.hpp"
#include "game/records.hpp"
#include "session/records_file.hpp"

namespace zaptrail {
namespace {

bool SavesInUserFolder(const RecordsPlace& place) {
  return !place.userFolder.empty() && !place.appFolderTakesFiles;
}

}  // namespace

RecordsPlace ChooseRecordsPlace(const std::string& appFolder, const std::string& userFolder) {
  RecordsPlace place{appFolder, userFolder};
  // With no second folder there is no choice, and nothing to write to make it (a page's storage).
  if (userFolder.empty()) return place;
  const std::string appFile = appFolder + kRecordsFileName;
  // A file the player made read-only, or one that a save could write but never rename over,
  // is as closed to the game as a folder it cannot write.
  place.appFolderTakesFiles = files::ObstacleToReplacing(appFile) == files::ReplaceObstacle::None;
  return place;
}

BestTimes LoadBestTimes(const RecordsPlace& place) {
  BestTimes bestTimes;
  const std::string own = SavePath(place);
  if (RecordsFileExists(own)) bestTimes = LoadRecords(own);
  const std::string other = FallbackPath(place);
  if (!other.empty() && RecordsFileExists(other)) {
    bestTimes = MergeRecords(bestTimes, LoadRecords(other));
  }
  return bestTimes;
}

std::string SavePath(const RecordsPlace& place) {
  return (SavesInUserFolder(place) ? place.userFolder : place.appFolder) + kRecordsFileName;
}

std::string FallbackPath(const RecordsPlace& place) {
  if (place.userFolder.empty()) return {};
  return (SavesInUserFolder(place) ? place.appFolder : place.userFolder) + kRecordsFileName;
}

}  // namespace zaptrail
