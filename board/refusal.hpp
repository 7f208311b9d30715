#pragma once

#include <stdexcept>
#include <string>

namespace zaptrail::board {

// Why the board turns a request down; each has its HTTP status and a label for /metrics.
enum class Reason {
  BadRequest,
  BadName,
  BadKey,
  NotATrail,
  TooBig,
  TooLong,
  OtherVersion,
  NoMatch,
  NotDaily,
  NameTaken,
  TooMany,
  Busy,
};

int StatusOf(Reason reason);
const char* LabelOf(Reason reason);
// Every reason, for the metrics that count each.
inline constexpr Reason kReasons[] = {Reason::BadRequest,   Reason::BadName, Reason::BadKey,
                                      Reason::NotATrail,    Reason::TooBig,  Reason::TooLong,
                                      Reason::OtherVersion, Reason::NoMatch, Reason::NotDaily,
                                      Reason::NameTaken,    Reason::TooMany, Reason::Busy};

// A request refused, with words a person can read.
class Refusal : public std::runtime_error {
 public:
  Refusal(Reason why, const std::string& message) : std::runtime_error(message), reason(why) {}
  Reason reason;
};

}  // namespace zaptrail::board
