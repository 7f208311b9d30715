#include "board/board.hpp"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "board/board_page.hpp"
#include "board/key_hash.hpp"
#include "board/player_name.hpp"
#include "board/proof.hpp"
#include "board/refusal.hpp"
#include "board/store_error.hpp"

namespace zaptrail::board {
namespace {

using nlohmann::json;

// The tick period a ranking shows unless asked for another: the game's own.
constexpr int kUsualPeriod = 32;
constexpr int kDefaultLimit = 50;
constexpr int kLargestLimit = 500;
// A key is any printable ASCII text of this length: the page makes 32 random bytes of it.
constexpr size_t kShortestKey = 16;
constexpr size_t kLongestKey = 256;

Reply Json(int status, const json& value) {
  return {status, "application/json",
          value.dump(-1, ' ', false, json::error_handler_t::replace) + "\n"};
}

Reply Error(int status, const std::string& reason) {
  return Json(status, {{"error", reason}});
}

std::optional<int64_t> WholeNumber(std::string_view text, int64_t lowest, int64_t highest) {
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < lowest ||
      value > highest) {
    return std::nullopt;
  }
  return value;
}

// A query parameter as a whole number, its default when absent.
int64_t QueryNumber(const Request& request, const std::string& name, int64_t absent, int64_t lowest,
                    int64_t highest) {
  const auto found = request.query.find(name);
  if (found == request.query.end()) return absent;
  const std::optional<int64_t> value = WholeNumber(found->second, lowest, highest);
  if (!value) {
    throw Refusal(Reason::BadRequest, "?" + name + "= takes a whole number from " +
                                          std::to_string(lowest) + " to " +
                                          std::to_string(highest));
  }
  return *value;
}

// A real calendar date written YYYY-MM-DD.
bool IsDate(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  const auto year = WholeNumber(std::string_view(text).substr(0, 4), 2000, 9999);
  const auto month = WholeNumber(std::string_view(text).substr(5, 2), 1, 12);
  const auto day = WholeNumber(std::string_view(text).substr(8, 2), 1, 31);
  if (!year || !month || !day) return false;
  return std::chrono::year_month_day(std::chrono::year(static_cast<int>(*year)),
                                     std::chrono::month(static_cast<unsigned>(*month)),
                                     std::chrono::day(static_cast<unsigned>(*day)))
      .ok();
}

std::string CheckedDate(const std::string& text) {
  if (!IsDate(text)) throw Refusal(Reason::BadRequest, "not a date written YYYY-MM-DD: " + text);
  return text;
}

// A moment as UTC date and time, ISO 8601.
std::string TimeText(int64_t ms) {
  const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

std::string StringField(const json& body, const char* field) {
  const auto found = body.find(field);
  if (found == body.end() || !found->is_string()) {
    throw Refusal(Reason::BadRequest, std::string("the submission has no \"") + field +
                                          "\" text; send {\"name\", \"key\", \"trail\"}");
  }
  return found->get<std::string>();
}

void CheckKey(const std::string& key) {
  const bool printable =
      std::all_of(key.begin(), key.end(), [](char c) { return c > ' ' && c < 127; });
  if (key.size() < kShortestKey || key.size() > kLongestKey || !printable) {
    throw Refusal(Reason::BadKey, "the key must be 16 to 256 printable ASCII characters");
  }
}

// The submission's JSON read flat: nothing nested deeper than its fields is even built.
json ParseBody(const std::string& body) {
  json parsed = json::parse(
      body, [](int depth, json::parse_event_t, json&) { return depth <= 1; }, false);
  if (!parsed.is_object()) {
    throw Refusal(Reason::BadRequest,
                  "the submission is not a JSON object {\"name\", \"key\", \"trail\"}");
  }
  return parsed;
}

std::vector<std::string> PathParts(const std::string& path) {
  std::vector<std::string> parts;
  size_t at = 0;
  while (at < path.size()) {
    const size_t slash = path.find('/', at);
    const size_t end = slash == std::string::npos ? path.size() : slash;
    if (end > at) parts.push_back(path.substr(at, end - at));
    at = end + 1;
  }
  return parts;
}

}  // namespace

Board::Board(Store& store, const Options& options)
    : store_(store),
      options_(options),
      perAddress_(options.perAddress),
      perName_(options.perName),
      pool_(options.verifyThreads > 0
                ? options.verifyThreads
                : static_cast<int>(std::max(1u, std::thread::hardware_concurrency())),
            options.verifyQueue) {}

Reply Board::Handle(const Request& request) {
  try {
    return Route(request);
  } catch (const Refusal& refusal) {
    metrics_.CountRefusal(refusal.reason);
    return Error(StatusOf(refusal.reason), refusal.what());
  } catch (const StoreError& error) {
    std::fprintf(stderr, "zaptrail-board: %s\n", error.what());
    return Error(503, "the board's database cannot answer now; try again shortly");
  }
}

Reply Board::Route(const Request& request) {
  const std::vector<std::string> parts = PathParts(request.path);
  const bool get = request.method == "GET" || request.method == "HEAD";
  const bool api = !parts.empty() && parts[0] == "api";
  if (api && parts.size() == 2 && parts[1] == "trails" && request.method == "POST") {
    metrics_.CountRequest(Route::Submit);
    return Submit(request);
  }
  if (get && api && parts.size() == 3 && parts[1] == "daily") {
    metrics_.CountRequest(Route::Ranking);
    return Cached(request, parts[2], [&] { return Ranking(parts[2], request); });
  }
  if (get && api && parts.size() == 5 && parts[1] == "daily" && parts[3] == "levels") {
    metrics_.CountRequest(Route::Level);
    return Cached(request, parts[2], [&] { return Fastest(parts[2], parts[4], request); });
  }
  if (get && api && parts.size() == 3 && parts[1] == "trails") {
    metrics_.CountRequest(Route::Trail);
    return TrailFile(parts[2]);
  }
  if (get && parts.size() == 1 && parts[0] == "healthz") {
    metrics_.CountRequest(Route::Health);
    return Health();
  }
  if (get && parts.size() == 1 && parts[0] == "metrics") {
    metrics_.CountRequest(Route::Metrics);
    return {200, "text/plain; version=0.0.4; charset=utf-8", metrics_.Text()};
  }
  if (get && parts.size() <= 1) {
    if (const PageFile* page = FindPageFile(parts.empty() ? "board" : parts[0])) {
      metrics_.CountRequest(Route::Page);
      return {200, page->type, std::string(page->text)};
    }
  }
  metrics_.CountRequest(Route::Other);
  return Error(404, "nothing here: " + request.method + " " + request.path);
}

template <typename Ask>
Reply Board::Cached(const Request& request, const std::string& date, Ask&& ask) {
  std::string question = request.path;
  for (const auto& [name, value] : request.query) question += "\n" + name + "=" + value;
  if (std::optional<Reply> kept = readAnswers_.Find(question, date)) return *kept;
  Reply answer = ask();
  readAnswers_.Keep(question, answer);
  return answer;
}

Reply Board::Submit(const Request& request) {
  if (static_cast<int64_t>(request.body.size()) > options_.maxBody) {
    throw Refusal(Reason::TooBig,
                  "the request is larger than " + std::to_string(options_.maxBody) + " bytes");
  }
  if (!perAddress_.Allow(request.address)) {
    throw Refusal(Reason::TooMany, "too many submissions from this address; wait a minute");
  }
  const json body = ParseBody(request.body);
  const std::string name = CheckPlayerName(StringField(body, "name"));
  const std::string key = StringField(body, "key");
  CheckKey(key);
  if (!perName_.Allow(name)) {
    throw Refusal(Reason::TooMany, "too many submissions under this name; wait a minute");
  }

  // The job owns what it reads, so a verdict that comes too late harms nobody.
  auto trail = std::make_shared<const std::string>(StringField(body, "trail"));
  auto proven = std::make_shared<ProvenGame>();
  const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  std::future<void> verdict = pool_.TrySubmit([this, trail, proven, today] {
    const auto started = std::chrono::steady_clock::now();
    try {
      *proven = ProveDailyTrail(*trail, today);
    } catch (...) {
      metrics_.CountVerification(std::chrono::steady_clock::now() - started);
      throw;
    }
    metrics_.CountVerification(std::chrono::steady_clock::now() - started);
  });
  if (!verdict.valid()) {
    throw Refusal(Reason::Busy, "the board is busy verifying other trails; try again shortly");
  }
  if (verdict.wait_for(std::chrono::milliseconds(options_.verifyTimeoutMs)) !=
      std::future_status::ready) {
    throw Refusal(Reason::Busy, "the trail took too long to verify; try again shortly");
  }
  verdict.get();

  NewGame game{proven->date,
               name,
               Sha256Hex(key),
               Sha256Hex(*trail),
               proven->levels,
               proven->total,
               proven->period,
               std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::system_clock::now().time_since_epoch())
                   .count(),
               proven->times,
               *trail};
  const AddResult added = store_.Add(game);
  if (added.outcome == AddOutcome::NameTaken) {
    throw Refusal(Reason::NameTaken, "the name " + name + " belongs to another key");
  }
  const bool stored = added.outcome == AddOutcome::Stored;
  if (stored) readAnswers_.Forget(game.date);
  json answer = {{"id", added.id}, {"rank", store_.RankOf(added.id)}};
  if (!stored) answer["duplicate"] = true;
  return Json(stored ? 201 : 200, answer);
}

Reply Board::Ranking(const std::string& date, const Request& request) {
  const std::string day = CheckedDate(date);
  const int period = static_cast<int>(QueryNumber(request, "period", kUsualPeriod, 1, 1000000));
  const int limit =
      static_cast<int>(QueryNumber(request, "limit", kDefaultLimit, 1, kLargestLimit));
  const int64_t after = QueryNumber(request, "after", 0, 0, INT64_MAX);
  json games = json::array();
  for (const RankedGame& game : store_.Ranking(day, period, after, limit)) {
    games.push_back({{"rank", game.rank},
                     {"name", game.name},
                     {"levels", game.levels},
                     {"total", game.total},
                     {"id", game.id},
                     {"period", game.period},
                     {"submitted", TimeText(game.submittedMs)}});
  }
  return Json(
      200, {{"date", day}, {"period", period}, {"periods", store_.Periods(day)}, {"games", games}});
}

Reply Board::Fastest(const std::string& date, const std::string& level, const Request& request) {
  const std::string day = CheckedDate(date);
  const std::optional<int64_t> number = WholeNumber(level, 0, 1000000);
  if (!number) throw Refusal(Reason::BadRequest, "not a level number: " + level);
  const int period = static_cast<int>(QueryNumber(request, "period", kUsualPeriod, 1, 1000000));
  const int limit =
      static_cast<int>(QueryNumber(request, "limit", kDefaultLimit, 1, kLargestLimit));
  json times = json::array();
  int64_t rank = 0;
  for (const LevelEntry& entry :
       store_.FastestTimes(day, static_cast<int>(*number), period, limit)) {
    times.push_back({{"rank", ++rank},
                     {"name", entry.name},
                     {"time", entry.time},
                     {"id", entry.id},
                     {"period", entry.period}});
  }
  return Json(200, {{"date", day}, {"level", *number}, {"period", period}, {"times", times}});
}

Reply Board::TrailFile(const std::string& id) {
  const std::optional<int64_t> number = WholeNumber(id, 1, INT64_MAX);
  const std::optional<std::string> trail = number ? store_.Trail(*number) : std::nullopt;
  if (!trail) return Error(404, "no trail numbered " + id);
  return {200, "text/plain; charset=us-ascii", *trail};
}

Reply Board::Health() {
  store_.Ping();
  return {200, "text/plain; charset=utf-8", "ok\n"};
}

}  // namespace zaptrail::board
