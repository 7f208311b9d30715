#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zaptrail::board {

// Everything `zaptrail-board --help` lists, with its default.
struct Options {
  std::string host = "127.0.0.1";
  int port = 8322;
  std::string db = "sqlite:zaptrail-board.db";
  std::string web;         // the browser game's folder, served at /; none when empty
  std::string corsOrigin;  // the one other origin allowed to call the API; none when empty
  int perAddress = 30;     // submissions a minute from one address
  int perName = 10;        // submissions a minute under one name
  int64_t maxBody = 4 * 1024 * 1024 + 4096;  // a trail at its largest, and its JSON around it
  int64_t maxHeaders = 8192;                 // all request headers together
  int verifyThreads = 0;                     // 0: one per core
  int verifyQueue = 16;                      // submissions waiting for a verifying thread
  int verifyTimeoutMs = 10000;               // the longest a submission waits for its verification
  int threads = 128;                         // request threads
  bool help = false;
};

// The options from the command line, or an OptionsError naming the one that is wrong.
Options ParseOptions(const std::vector<std::string>& arguments);

std::string UsageText();

}  // namespace zaptrail::board
