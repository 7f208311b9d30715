#include "tests/engine/child_process.hpp"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zaptrail::testing {

std::string InChild(const std::function<std::string()>& body) {
  int report[2];
  if (::pipe(report) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(report[0]);
    const std::string problems = body();
    const ssize_t written = ::write(report[1], problems.data(), problems.size());
    ::_exit(written == static_cast<ssize_t>(problems.size()) ? 0 : 1);
  }
  ::close(report[1]);
  std::string problems;
  char buffer[512];
  for (ssize_t n; (n = ::read(report[0], buffer, sizeof buffer)) > 0;) problems.append(buffer, n);
  ::close(report[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? problems : "the child did not finish";
}

std::string AsNobody(const std::function<std::string()>& body) {
  return InChild([&] {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
      return std::string("cannot become nobody");
    }
    return body();
  });
}

}  // namespace zaptrail::testing
