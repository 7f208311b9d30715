#include "qt/measure_log.hpp"

#ifdef ZAPTRAIL_MEASURE

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <vector>

namespace zaptrail::measure {
namespace {

int64_t NowNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

struct TickMark {
  int64_t time;
  int8_t phase;
};

// Kept in memory while the game runs, so that measuring adds no writes to the ticks it times.
class Log {
 public:
  Log() { ticks_.reserve(1 << 16); }
  ~Log() {
    if (firstFrame_ != 0) std::fprintf(stderr, "frame %lld\n", static_cast<long long>(firstFrame_));
    for (const TickMark& tick : ticks_) {
      std::fprintf(stderr, "tick %lld %d\n", static_cast<long long>(tick.time), tick.phase);
    }
  }
  void FirstFrame() {
    if (firstFrame_ == 0) firstFrame_ = NowNanoseconds();
  }
  void Tick(int8_t phase) { ticks_.push_back({NowNanoseconds(), phase}); }

 private:
  int64_t firstFrame_ = 0;
  std::vector<TickMark> ticks_;
};

Log& TheLog() {
  static Log log;
  return log;
}

// Sees the first paint event go by; the mark is taken once the paint has been flushed to the
// display, on the event loop's next turn.
class FirstPaintWatcher : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, [] { TheLog().FirstFrame(); });
    }
    return false;
  }
};

}  // namespace

void WatchFirstFrame(QWidget& widget) {
  TheLog();
  widget.installEventFilter(new FirstPaintWatcher(&widget));
}

void Tick(int8_t phase) {
  TheLog().Tick(phase);
}

}  // namespace zaptrail::measure

#endif
