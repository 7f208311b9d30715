#pragma once

#include <map>
#include <string>

#include "board/answer_cache.hpp"
#include "board/metrics.hpp"
#include "board/options.hpp"
#include "board/rate_limit.hpp"
#include "board/store.hpp"
#include "board/verify_pool.hpp"

namespace zaptrail::board {

// A request as the board reads it, whichever server took it in.
struct Request {
  std::string method;
  std::string path;
  std::map<std::string, std::string> query;
  std::string body;
  std::string address;  // the client's
};

struct Reply {
  int status = 200;
  std::string type = "application/json";
  std::string body;
};

// The board's answers: parse, check, call the store or the verifier, and say the result.
class Board {
 public:
  Board(Store& store, const Options& options);
  Reply Handle(const Request& request);
  Metrics& Counters() { return metrics_; }

 private:
  Reply Route(const Request& request);
  // A read's answer about a date from the cache, or asked of the store and kept.
  template <typename Ask>
  Reply Cached(const Request& request, const std::string& date, Ask&& ask);
  Reply Submit(const Request& request);
  Reply Ranking(const std::string& date, const Request& request);
  Reply Fastest(const std::string& date, const std::string& level, const Request& request);
  Reply TrailFile(const std::string& id);
  Reply Health();

  Store& store_;
  const Options& options_;
  Metrics metrics_;
  RateLimit perAddress_;
  RateLimit perName_;
  AnswerCache<Reply> readAnswers_;
  VerifyPool pool_;
};

}  // namespace zaptrail::board
