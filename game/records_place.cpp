#include "game/records_place.hpp"

#include "game/file_system.hpp"

namespace zaptrail {
namespace {

bool SavesInUserFolder(const RecordsPlace& place) {
  return !place.userFolder.empty() && (place.userFileFound || !place.appFolderTakesFiles);
}

}  // namespace

RecordsPlace ChooseRecordsPlace(const std::string& appFolder, const std::string& userFolder) {
  RecordsPlace place{appFolder, userFolder};
  place.appFolderTakesFiles = files::CanCreateFileIn(appFolder);
  place.userFileFound = !userFolder.empty() && files::IsRegularFile(userFolder + kRecordsFileName);
  return place;
}

std::string LoadPath(const RecordsPlace& place) {
  return (place.userFileFound ? place.userFolder : place.appFolder) + kRecordsFileName;
}

std::string SavePath(const RecordsPlace& place) {
  return (SavesInUserFolder(place) ? place.userFolder : place.appFolder) + kRecordsFileName;
}

std::string FallbackPath(const RecordsPlace& place) {
  if (place.userFolder.empty()) return {};
  return (SavesInUserFolder(place) ? place.appFolder : place.userFolder) + kRecordsFileName;
}

}  // namespace zaptrail
