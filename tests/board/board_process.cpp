#include "tests/board/board_process.hpp"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <pqxx/pqxx>
#include <stdexcept>
#include <string>

extern char** environ;

namespace zaptrail::board_test {
namespace {

std::string ReadLine(int fd) {
  std::string line;
  char c = 0;
  while (::read(fd, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

}  // namespace

BoardProcess::BoardProcess(const std::string& db, const std::vector<std::string>& options) {
  std::vector<std::string> arguments = {ZAPTRAIL_BOARD_PROGRAM, "--listen", "127.0.0.1:0", "--db",
                                        db};
  arguments.insert(arguments.end(), options.begin(), options.end());
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  int out[2];
  if (::pipe(out) != 0) throw std::runtime_error("no pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  const int spawned = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  if (spawned != 0) throw std::runtime_error("cannot start " + arguments[0]);
  // "zaptrail-board: listening on 127.0.0.1:PORT" once the port is open.
  const std::string line = ReadLine(out[0]);
  ::close(out[0]);
  const size_t colon = line.rfind(':');
  if (line.find("listening") == std::string::npos || colon == std::string::npos) {
    Stop(SIGKILL);
    throw std::runtime_error("the board did not start: " + line);
  }
  port_ = std::stoi(line.substr(colon + 1));
  client_ = std::make_unique<httplib::Client>("127.0.0.1", port_);
  client_->set_read_timeout(60, 0);
}

BoardProcess::~BoardProcess() {
  if (pid_ > 0) Stop(SIGTERM);
}

int BoardProcess::Stop(int signal) {
  if (pid_ <= 0) return -1;
  ::kill(pid_, signal);
  int status = 0;
  ::waitpid(pid_, &status, 0);
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string FreshDatabase() {
  static std::atomic<int> made{0};
  const int number = ++made;
  if (const char* server = std::getenv("ZAPTRAIL_BOARD_POSTGRES")) {
    const std::string name = "board_" + std::to_string(::getpid()) + "_" + std::to_string(number);
    pqxx::connection admin(std::string(server) + "/postgres");
    pqxx::nontransaction work(admin);
    work.exec("CREATE DATABASE " + work.quote_name(name));
    return std::string(server) + "/" + name;
  }
  // The scratch folders go when the tests end.
  static struct Scratch {
    std::vector<std::string> folders;
    ~Scratch() {
      for (const std::string& folder : folders) std::filesystem::remove_all(folder);
    }
  } scratch;
  const char* base = std::getenv("TMPDIR");
  std::string folder = std::string(base != nullptr ? base : "/tmp") + "/zaptrail-board-XXXXXX";
  if (::mkdtemp(folder.data()) == nullptr) throw std::runtime_error("no scratch folder");
  scratch.folders.push_back(folder);
  return "sqlite:" + folder + "/board.db";
}

}  // namespace zaptrail::board_test
