#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

namespace zaptrail::testing {

inline constexpr uid_t kNobody = 65534;

// Runs `body` in a child process, so that what it does to the process (resource limits, its
// user) ends with it, and returns what it reports: empty when all went as it should.
std::string InChild(const std::function<std::string()>& body);

// The same as user and group "nobody": permission bits then hold for a test run as root.
std::string AsNobody(const std::function<std::string()>& body);

}  // namespace zaptrail::testing
