#include "board/refusal.hpp"

namespace zaptrail::board {

int StatusOf(Reason reason) {
  switch (reason) {
    case Reason::BadRequest:
    case Reason::BadName:
    case Reason::BadKey:
    case Reason::NotATrail:
      return 400;
    case Reason::NameTaken:
      return 403;
    case Reason::TooBig:
      return 413;
    case Reason::TooLong:
    case Reason::OtherVersion:
    case Reason::NoMatch:
    case Reason::NotDaily:
      return 422;
    case Reason::TooMany:
      return 429;
    case Reason::Busy:
      return 503;
  }
  return 400;
}

const char* LabelOf(Reason reason) {
  switch (reason) {
    case Reason::BadRequest:
      return "bad_request";
    case Reason::BadName:
      return "bad_name";
    case Reason::BadKey:
      return "bad_key";
    case Reason::NotATrail:
      return "not_a_trail";
    case Reason::TooBig:
      return "too_big";
    case Reason::TooLong:
      return "too_long";
    case Reason::OtherVersion:
      return "other_version";
    case Reason::NoMatch:
      return "results_differ";
    case Reason::NotDaily:
      return "not_daily";
    case Reason::NameTaken:
      return "name_taken";
    case Reason::TooMany:
      return "too_many";
    case Reason::Busy:
      return "busy";
  }
  return "unknown";
}

}  // namespace zaptrail::board
