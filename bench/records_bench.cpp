#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/measured.hpp"
#include "files/file_system.hpp"
#include "game/records.hpp"
#include "session/records_file.hpp"

// A records file of eight million lines (48 MB), read and saved as the game does at start-up
// and at quit, beside the floor of merely reading and writing the same bytes.
namespace zaptrail::bench {
namespace {

constexpr int32_t kLines = 8'000'000;

// The file, made once for every benchmark of the run and removed at its end.
class HugeRecordsFile {
 public:
  HugeRecordsFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zaptrail-bench-XXXXXX");
    folder_ = ::mkdtemp(pattern.data()) != nullptr ? pattern + "/" : std::string();
    for (int32_t level = 0; level < kLines; ++level) {
      content_ += std::to_string(1000 + level % 9000);
      content_ += "\r\n";
    }
    files::ReplaceFile(Path(), content_);
  }
  ~HugeRecordsFile() {
    if (!folder_.empty()) std::filesystem::remove_all(folder_);
  }
  std::string Path() const { return folder_ + "zaptrail.ini"; }
  std::string CopyPath() const { return folder_ + "copy.ini"; }
  const std::string& Content() const { return content_; }

 private:
  std::string folder_;
  std::string content_;
};

const HugeRecordsFile& File() {
  static const HugeRecordsFile file;
  return file;
}

void RecordsLoad(benchmark::State& state) {
  BestTimes list;
  for (auto _ : state) {
    list = LoadRecords(File().Path());
    benchmark::DoNotOptimize(list.size());
  }
  if (list.size() != kLines) state.SkipWithError("lines lost");
  state.counters["memory/file"] =
      static_cast<double>(list.MemoryBytes()) / static_cast<double>(File().Content().size());
}

void RecordsReadFloor(benchmark::State& state) {
  std::string content;
  for (auto _ : state) {
    files::ReadWholeFile(File().Path(), content);
    benchmark::DoNotOptimize(content.data());
  }
}

// Saving merges with the file as it stands, which here holds the same times.
void RecordsSave(benchmark::State& state) {
  const BestTimes list = LoadRecords(File().Path());
  for (auto _ : state) SaveRecords(list, File().Path());
}

void RecordsWriteFloor(benchmark::State& state) {
  for (auto _ : state) {
    std::string content;
    files::ReadWholeFile(File().Path(), content);
    if (!files::ReplaceFile(File().CopyPath(), content)) state.SkipWithError("cannot write");
  }
}

BENCHMARK(RecordsLoad)->Apply(Measured)->Repetitions(3);
BENCHMARK(RecordsReadFloor)->Apply(Measured)->Repetitions(3);
BENCHMARK(RecordsSave)->Apply(Measured)->Repetitions(3);
BENCHMARK(RecordsWriteFloor)->Apply(Measured)->Repetitions(3);

}  // namespace
}  // namespace zaptrail::bench
