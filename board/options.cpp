#include "board/options.hpp"

#include <charconv>
#include <stdexcept>
#include <string>

namespace zaptrail::board {
namespace {

[[noreturn]] void Wrong(const std::string& why) {
  throw std::invalid_argument(why);
}

int64_t Number(const std::string& option, const std::string& text, int64_t lowest,
               int64_t highest) {
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < lowest ||
      value > highest) {
    Wrong(option + " takes a whole number from " + std::to_string(lowest) + " to " +
          std::to_string(highest) + ", not \"" + text + "\"");
  }
  return value;
}

void Listen(Options& options, const std::string& text) {
  const size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0)
    Wrong("--listen takes HOST:PORT, not \"" + text + "\"");
  options.host = text.substr(0, colon);
  // An IPv6 address comes in brackets, as in a URL.
  if (options.host.size() > 2 && options.host.front() == '[' && options.host.back() == ']') {
    options.host = options.host.substr(1, options.host.size() - 2);
  }
  options.port = static_cast<int>(Number("--listen's port", text.substr(colon + 1), 0, 65535));
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& arguments) {
  Options options;
  for (size_t at = 0; at < arguments.size(); ++at) {
    const std::string& option = arguments[at];
    if (option == "--help" || option == "-h") {
      options.help = true;
      continue;
    }
    if (at + 1 >= arguments.size()) Wrong("unknown option or missing value: " + option);
    const std::string& value = arguments[++at];
    if (option == "--listen")
      Listen(options, value);
    else if (option == "--db")
      options.db = value;
    else if (option == "--web")
      options.web = value;
    else if (option == "--cors-origin")
      options.corsOrigin = value;
    else if (option == "--per-address")
      options.perAddress = static_cast<int>(Number(option, value, 1, 1000000));
    else if (option == "--per-name")
      options.perName = static_cast<int>(Number(option, value, 1, 1000000));
    else if (option == "--max-body")
      options.maxBody = Number(option, value, 1024, 64 << 20);
    else if (option == "--max-headers")
      options.maxHeaders = Number(option, value, 512, 1 << 20);
    else if (option == "--verify-threads")
      options.verifyThreads = static_cast<int>(Number(option, value, 0, 256));
    else if (option == "--verify-queue")
      options.verifyQueue = static_cast<int>(Number(option, value, 0, 4096));
    else if (option == "--verify-timeout")
      options.verifyTimeoutMs = static_cast<int>(Number(option, value, 10, 600000));
    else if (option == "--threads")
      options.threads = static_cast<int>(Number(option, value, 2, 4096));
    else
      Wrong("unknown option: " + option);
  }
  return options;
}

std::string UsageText() {
  return R"(usage: zaptrail-board [OPTION VALUE]...
The trail board: re-simulates every submitted daily trail and ranks only what the rules produced.

  --listen HOST:PORT      where to answer (default 127.0.0.1:8322)
  --db URL                sqlite:PATH or postgresql://USER@HOST/DB
                          (default sqlite:zaptrail-board.db)
  --web DIR               the browser game's folder, served at / (default: none)
  --cors-origin ORIGIN    the one other origin whose pages may call the API (default: none)
  --per-address N         submissions a minute from one address (default 30)
  --per-name N            submissions a minute under one name (default 10)
  --max-body BYTES        largest request body (default 4198400: a 4 MiB trail and its JSON)
  --max-headers BYTES     largest size of all request headers together (default 8192)
  --verify-threads N      threads re-simulating trails; 0 for one per core (default 0)
  --verify-queue N        submissions that may wait for one of them (default 16)
  --verify-timeout MS     longest a submission waits for its verdict (default 10000)
  --threads N             threads answering requests, one per open connection (default 128)
  --help                  this text

A trail holds at most 2,000,000 ticks and 4 MiB; only the daily trails of today and yesterday
(UTC) are taken. The board page is at /board.
)";
}

}  // namespace zaptrail::board
