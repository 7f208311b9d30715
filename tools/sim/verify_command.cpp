#include "tools/sim/verify_command.hpp"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "session/daily.hpp"
#include "session/kept_trails.hpp"
#include "session/trail_file.hpp"
#include "session/trail_verify.hpp"

namespace zaptrail {
namespace {

std::string Hex(uint32_t value) {
  char text[9];
  std::snprintf(text, sizeof text, "%08x", value);
  return text;
}

const char* EndingName(TrailEnding ending) {
  return ending == TrailEnding::Died ? "died" : "stopped";
}

nlohmann::ordered_json AsJson(const Trail& trail, const Verification& proof) {
  nlohmann::ordered_json levels = nlohmann::ordered_json::array();
  for (const ClearedLevel& cleared : proof.reached.cleared) {
    levels.push_back({{"level", cleared.level}, {"time", cleared.time}});
  }
  nlohmann::ordered_json marks = nlohmann::ordered_json::array();
  if (PlayedAtOtherPeriod(trail)) marks.push_back("period");
  if (TookLabelDraws(trail)) marks.push_back("labels");
  return {{"start", {{"random", trail.startRandom}, {"level", trail.firstLevel}}},
          {"levels", levels},
          {"ended", EndingName(proof.reached.ending)},
          {"hash", Hex(proof.reached.stateHash)},
          {"endLevel", proof.reached.endLevel},
          {"ticks", proof.ticks},
          {"format", trail.formatVersion},
          {"game", trail.gameVersion},
          {"daily", trail.daily ? nlohmann::ordered_json(FormatDate(*trail.daily))
                                : nlohmann::ordered_json()},
          {"marks", marks},
          {"matches", proof.matches},
          {"difference",
           proof.matches ? nlohmann::ordered_json() : nlohmann::ordered_json(proof.difference)}};
}

}  // namespace

int RunVerify(const SimArguments& arguments, std::ostream& out, std::ostream& err) {
  Trail trail;
  Verification proof;
  try {
    trail = LoadTrailFile(arguments.trailPath);
    proof = VerifyTrail(trail);
  } catch (const TrailError& error) {
    err << "zaptrail-sim: " << error.what() << '\n';
    return 2;
  }
  if (arguments.json) {
    out << AsJson(trail, proof).dump() << '\n';
  } else {
    for (const ClearedLevel& cleared : proof.reached.cleared) {
      out << "level " << cleared.level << " time " << cleared.time << '\n';
    }
    out << "ended " << EndingName(proof.reached.ending) << " on level " << proof.reached.endLevel
        << '\n';
    out << "hash " << Hex(proof.reached.stateHash) << '\n';
  }
  if (proof.matches) return 0;
  err << "zaptrail-sim: the trail does not hold up: " << proof.difference << '\n';
  return 1;
}

}  // namespace zaptrail
