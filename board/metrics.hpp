#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

#include "board/refusal.hpp"

namespace zaptrail::board {

// What a request asked for, as /metrics counts it.
enum class Route { Submit, Ranking, Level, Trail, Page, Health, Metrics, Other };
inline constexpr int kRouteCount = 8;

// The board's counters, read by Prometheus from /metrics.
class Metrics {
 public:
  void CountRequest(Route route) { requests_[static_cast<size_t>(route)]++; }
  void CountRefusal(Reason reason) { refusals_[static_cast<size_t>(reason)]++; }
  // One re-simulation and how long it took, whatever it found.
  void CountVerification(std::chrono::steady_clock::duration took);

  // The text format Prometheus reads.
  std::string Text() const;

 private:
  static constexpr std::array<int64_t, 8> kBucketMicros = {1000,  5000,   10000,  25000,
                                                           50000, 100000, 250000, 1000000};
  std::array<std::atomic<uint64_t>, kRouteCount> requests_{};
  std::array<std::atomic<uint64_t>, std::size(kReasons)> refusals_{};
  std::array<std::atomic<uint64_t>, kBucketMicros.size()> buckets_{};
  std::atomic<uint64_t> verifications_{0};
  std::atomic<uint64_t> verifyMicros_{0};
};

}  // namespace zaptrail::board
