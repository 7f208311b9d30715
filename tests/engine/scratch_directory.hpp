#pragma once

#include <filesystem>
#include <string>

namespace zaptrail::testing {

// A fresh, uniquely named folder for one test's files, removed with its content afterwards.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  // How many entries the folder holds, temporary files included.
  long Entries() const;

 private:
  std::filesystem::path path_;
};

// The file's bytes, or an empty string when it cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace zaptrail::testing
