#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace zaptrail::board {

// Connections a store opens at start: enough for the verifying pool's writes and the few readers
// that ask at once, since the answer cache sends one reader per question to the database.
inline constexpr size_t kConnectionsAtStart = 8;

// Database connections for the request threads: each request borrows one for its statements
// and gives it back; a new one is opened only when every open one is lent.
template <typename Connection>
class ConnectionPool {
 public:
  explicit ConnectionPool(std::function<std::unique_ptr<Connection>()> open)
      : open_(std::move(open)) {}

  // Opens connections until `count` wait idle, so that a burst of requests at start does not
  // wait for new ones.
  void OpenAhead(size_t count) {
    std::lock_guard lock(mutex_);
    while (idle_.size() < count) idle_.push_back(open_());
  }

  class Lease {
   public:
    Lease(ConnectionPool& pool, std::unique_ptr<Connection> connection)
        : pool_(pool), connection_(std::move(connection)) {}
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    ~Lease() { pool_.GiveBack(std::move(connection_)); }
    Connection& operator*() { return *connection_; }
    Connection* operator->() { return connection_.get(); }
    // A connection that failed is closed rather than lent again.
    void Discard() { connection_.reset(); }

   private:
    ConnectionPool& pool_;
    std::unique_ptr<Connection> connection_;
  };

  Lease Borrow() {
    {
      std::lock_guard lock(mutex_);
      if (!idle_.empty()) {
        std::unique_ptr<Connection> connection = std::move(idle_.back());
        idle_.pop_back();
        return Lease(*this, std::move(connection));
      }
    }
    return Lease(*this, open_());
  }

 private:
  void GiveBack(std::unique_ptr<Connection> connection) {
    if (!connection) return;
    std::lock_guard lock(mutex_);
    idle_.push_back(std::move(connection));
  }

  std::function<std::unique_ptr<Connection>()> open_;
  std::mutex mutex_;
  std::vector<std::unique_ptr<Connection>> idle_;
};

}  // namespace zaptrail::board
