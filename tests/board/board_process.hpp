#pragma once

#include <sys/types.h>

#include <httplib.h>

#include <memory>
#include <string>
#include <vector>

namespace zaptrail::board_test {

// A real zaptrail-board process on a free port of 127.0.0.1, and a client for it.
class BoardProcess {
 public:
  // Starts the board on the database URL with the extra options, and waits until it listens.
  BoardProcess(const std::string& db, const std::vector<std::string>& options = {});
  BoardProcess(const BoardProcess&) = delete;
  BoardProcess& operator=(const BoardProcess&) = delete;
  // Ends it with SIGTERM if it still runs.
  ~BoardProcess();

  httplib::Client& Client() { return *client_; }
  int Port() const { return port_; }
  // Ends it with the signal and waits; the exit status, or 128 + the signal that ended it.
  int Stop(int signal);

 private:
  pid_t pid_ = -1;
  int port_ = 0;
  std::unique_ptr<httplib::Client> client_;
};

// The board's address for the tests' database: a fresh SQLite file in a scratch folder, or a
// fresh database on the PostgreSQL server ZAPTRAIL_BOARD_POSTGRES names.
std::string FreshDatabase();

}  // namespace zaptrail::board_test
