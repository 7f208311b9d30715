#include "board/metrics.hpp"

#include <cstdio>

namespace zaptrail::board {
namespace {

constexpr std::array<const char*, kRouteCount> kRouteLabels = {
    "submit", "ranking", "level", "trail", "page", "health", "metrics", "other"};

std::string Seconds(int64_t micros) {
  char text[32];
  std::snprintf(text, sizeof text, "%lld.%06lld", static_cast<long long>(micros / 1000000),
                static_cast<long long>(micros % 1000000));
  return text;
}

}  // namespace

void Metrics::CountVerification(std::chrono::steady_clock::duration took) {
  const int64_t micros = std::chrono::duration_cast<std::chrono::microseconds>(took).count();
  verifications_++;
  verifyMicros_ += static_cast<uint64_t>(micros);
  for (size_t at = 0; at < kBucketMicros.size(); ++at) {
    if (micros <= kBucketMicros[at]) buckets_[at]++;
  }
}

std::string Metrics::Text() const {
  std::string text =
      "# HELP zaptrail_board_requests_total Requests answered, by what they asked for.\n"
      "# TYPE zaptrail_board_requests_total counter\n";
  for (size_t at = 0; at < kRouteLabels.size(); ++at) {
    text += "zaptrail_board_requests_total{route=\"" + std::string(kRouteLabels[at]) + "\"} " +
            std::to_string(requests_[at].load()) + "\n";
  }
  text +=
      "# HELP zaptrail_board_rejections_total Requests refused, by reason.\n"
      "# TYPE zaptrail_board_rejections_total counter\n";
  for (size_t at = 0; at < std::size(kReasons); ++at) {
    text += "zaptrail_board_rejections_total{reason=\"" + std::string(LabelOf(kReasons[at])) +
            "\"} " + std::to_string(refusals_[at].load()) + "\n";
  }
  text +=
      "# HELP zaptrail_board_verification_seconds Time to re-simulate one trail.\n"
      "# TYPE zaptrail_board_verification_seconds histogram\n";
  for (size_t at = 0; at < kBucketMicros.size(); ++at) {
    text += "zaptrail_board_verification_seconds_bucket{le=\"" + Seconds(kBucketMicros[at]) +
            "\"} " + std::to_string(buckets_[at].load()) + "\n";
  }
  const std::string count = std::to_string(verifications_.load());
  text += "zaptrail_board_verification_seconds_bucket{le=\"+Inf\"} " + count + "\n";
  text += "zaptrail_board_verification_seconds_sum " +
          Seconds(static_cast<int64_t>(verifyMicros_.load())) + "\n";
  text += "zaptrail_board_verification_seconds_count " + count + "\n";
  return text;
}

}  // namespace zaptrail::board
