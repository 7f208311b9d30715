#include "session/close_and_save.hpp"

#include "files/file_system.hpp"
#include "game/errors.hpp"
#include "game/records.hpp"
#include "session/records_file.hpp"

namespace zaptrail {
namespace {

// The player's folder is made at its first save; the executable's always exists.
void SaveInto(const BestTimes& bestTimes, const RecordsPlace& place, const std::string& path) {
  if (path == place.userFolder + kRecordsFileName) files::MakeFolders(place.userFolder);
  SaveRecords(bestTimes, path);
}

}  // namespace

CloseSave SaveBeforeClosing(const BestTimes& bestTimes, const RecordsPlace& place,
                            CloseAsker asker) {
  std::vector<std::string> paths{SavePath(place)};
  if (!FallbackPath(place).empty()) paths.push_back(FallbackPath(place));
  CloseSave result;
  for (const std::string& path : paths) {
    try {
      SaveInto(bestTimes, place, path);
      result.next = AfterSave::Close;
      result.savedTo = path;
      result.error.clear();
      return result;
    } catch (const GameError& error) {
      if (!result.error.empty()) result.error += "; ";
      result.error += error.what();
    }
  }
  result.next = asker == CloseAsker::Player ? AfterSave::AskPlayer : AfterSave::ExitFailed;
  return result;
}

}  // namespace zaptrail
