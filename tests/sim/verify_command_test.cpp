#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "session/trail_file.hpp"
#include "session/trail_verify.hpp"
#include "tests/engine/scratch_directory.hpp"
#include "tools/sim/verify_command.hpp"

namespace zaptrail::testing {
namespace {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

Outcome Verify(const std::string& path, bool json) {
  SimArguments arguments;
  arguments.command = SimArguments::Command::Verify;
  arguments.trailPath = path;
  arguments.json = json;
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunVerify(arguments, out, err);
  return {status, out.str(), err.str()};
}

// The exit status tells a proved trail (0) from a false claim (1) and from no trail at all (2).
TEST(SimVerify, ExitStatusAndOutputFollowTheProof) {
  ScratchDirectory directory;
  Trail trail;
  trail.formatVersion = kTrailFormatVersion;
  trail.gameVersion = kGameVersion;
  trail.startRandom = 99;
  trail.keys = {{TrailFire, 9}, {TrailDown, 1200}};  // walks into a wall until power runs out
  trail.periods = {{0, 32}};
  trail.claimed = VerifyTrail(trail).reached;
  ASSERT_EQ(trail.claimed.ending, TrailEnding::Died);
  const std::string path = directory.File("game.zaptrail");
  std::ofstream(path, std::ios::binary) << WriteTrail(trail);

  const Outcome proved = Verify(path, false);
  EXPECT_EQ(proved.status, 0) << proved.err;
  char hash[9];
  std::snprintf(hash, sizeof hash, "%08x", trail.claimed.stateHash);
  EXPECT_EQ(proved.out, "ended died on level 0\nhash " + std::string(hash) + "\n");

  const Outcome json = Verify(path, true);
  EXPECT_EQ(json.status, 0);
  const nlohmann::json object = nlohmann::json::parse(json.out);
  EXPECT_EQ(object["start"]["random"], 99);
  EXPECT_EQ(object["levels"], nlohmann::json::array());
  EXPECT_EQ(object["ended"], "died");
  EXPECT_EQ(object["hash"], hash);
  EXPECT_EQ(json.out.rfind("{\"start\":", 0), 0U);

  trail.claimed.endLevel = 1;
  std::ofstream(path, std::ios::binary) << WriteTrail(trail);
  const Outcome claimed = Verify(path, false);
  EXPECT_EQ(claimed.status, 1);
  EXPECT_EQ(claimed.err,
            "zaptrail-sim: the trail does not hold up: claimed the game died on level 1, by the "
            "rules it died on level 0\n");

  std::ofstream(path, std::ios::binary) << "zaptrail-trail 1\ngame\n";
  const Outcome broken = Verify(path, true);
  EXPECT_EQ(broken.status, 2);
  EXPECT_EQ(broken.out, "");
  EXPECT_EQ(broken.err, "zaptrail-sim: " + path + ": line 2: the game's version is missing\n");
}

}  // namespace
}  // namespace zaptrail::testing
