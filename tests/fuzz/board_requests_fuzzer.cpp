// Any bytes as a request to the board: the method, path, query and body are cut from the input;
// the board answers each with a status it documents and, for its API, a JSON body, and never
// crashes or hangs. The store is a real SQLite file in a scratch folder.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <string_view>

#include "board/board.hpp"
#include "board/store.hpp"
#include "tests/fuzz/fuzz_check.hpp"

namespace zaptrail::fuzz {
namespace {

// A private folder for the board's database, removed when the fuzzer ends.
struct ScratchFolder {
  ScratchFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr ? base : "/tmp") + "/zaptrail-fuzz-XXXXXX";
    Require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
    path = pattern;
  }
  ~ScratchFolder() { std::filesystem::remove_all(path); }
  std::string path;
};

// The board lives until the process ends: the fuzzer's exit runs the static destructors, and a
// board joining its verifying threads there would hang it.
struct FuzzBoard {
  explicit FuzzBoard(const std::string& folder) {
    options.perAddress = 1000000;
    options.perName = 1000000;
    options.verifyThreads = 1;
    store = board::OpenStore("sqlite:" + folder + "/board.db");
    server = std::make_unique<board::Board>(*store, options);
  }
  board::Options options;
  std::unique_ptr<board::Store> store;
  std::unique_ptr<board::Board> server;
};

// Cuts the next piece up to a NUL byte, or the rest.
std::string Piece(std::string_view& bytes) {
  const size_t end = std::min(bytes.find('\0'), bytes.size());
  std::string piece(bytes.substr(0, end));
  bytes.remove_prefix(std::min(end + 1, bytes.size()));
  return piece;
}

const std::set<int> kStatuses = {200, 201, 400, 403, 404, 413, 422, 429, 503};

}  // namespace

int CheckBoardRequest(std::string_view bytes) {
  static const ScratchFolder scratch;
  static FuzzBoard& fuzz = *new FuzzBoard(scratch.path);
  if (bytes.empty()) return 0;
  constexpr const char* kPrefixes[] = {"/api/trails", "/api/daily/", "/api/trails/", "/", ""};
  const uint8_t choice = static_cast<uint8_t>(bytes.front());
  bytes.remove_prefix(1);
  board::Request request;
  request.method = (choice & 1) != 0 ? "POST" : "GET";
  request.path = std::string(kPrefixes[(choice >> 1) % 5]) + Piece(bytes);
  const std::string name = Piece(bytes);
  request.query.emplace(name, Piece(bytes));
  request.body = std::string(bytes);
  request.address = "127.0.0.1";

  const board::Reply reply = fuzz.server->Handle(request);
  Require(kStatuses.count(reply.status) == 1, "every status is one the board documents");
  if (reply.type == "application/json") {
    const auto body = nlohmann::json::parse(reply.body, nullptr, false);
    Require(body.is_object(), "a JSON answer is one object");
    Require(reply.status < 300 || body.contains("error"), "a refusal says why");
  }
  return 0;
}

}  // namespace zaptrail::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return zaptrail::fuzz::CheckBoardRequest(
      std::string_view(reinterpret_cast<const char*>(data), size));
}
