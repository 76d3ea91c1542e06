// Clone-file open and save, CSV export and import, for a document with all
// 1300 slots in use. The files live in a memory-backed folder when the
// machine has one (/dev/shm), so the figures are the program's own work;
// set VRQ5_BENCH_DIR to measure another folder (a disk's flush included).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "files/clone_file.h"
#include "files/csv.h"
#include "store/document.h"

namespace vrq5 {
namespace {

std::string BenchFolder() {
  if (const char* dir = std::getenv("VRQ5_BENCH_DIR")) return dir;
  std::error_code ec;
  if (std::filesystem::is_directory("/dev/shm", ec)) return "/dev/shm";
  return std::filesystem::temp_directory_path().string();
}

Document FullDocument() {
  std::mt19937 rng(7);
  Document doc;
  for (int s = 0; s < kSlotCount; ++s) {
    Slot& slot = doc.Mem[s];
    double mhz = (100000 + rng() % 1299000000) / 1e6;
    slot.value[kFreq] = mhz;
    slot.text[kFreq] = "x";
    slot.value[kStep] = rng() % 18;
    slot.value[kTone] = rng() % 39;
    slot.value[kCarrier] = rng() % 29;
    slot.value[kOffset] = (rng() % 10000000) / 1e6;
    slot.text[kName] = "CH" + std::to_string(s % 1000);
    slot.text[kNote] = "note of channel " + std::to_string(s);
    doc.MemFlag[s] = -1;
  }
  // Through a file once so every text is what a load gives.
  std::string text = CloneFileText(doc);
  Document loaded;
  LoadCloneText(loaded, text);
  return loaded;
}

class Files : public benchmark::Fixture {
 public:
  void SetUp(const benchmark::State&) override {
    std::string pattern = BenchFolder() + "/vrq5-bench-XXXXXX";
    folder_ = ::mkdtemp(pattern.data());
    doc_ = FullDocument();
    clone_ = folder_ + "/full.VQ5";
    csv_ = folder_ + "/full.csv";
    SaveCloneFile(doc_, clone_);
    ExportCsv(doc_, csv_);
  }
  void TearDown(const benchmark::State&) override {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }

 protected:
  std::string folder_, clone_, csv_;
  Document doc_;
};

BENCHMARK_DEFINE_F(Files, Open)(benchmark::State& state) {
  Document doc;
  for (auto _ : state) {
    if (OpenCloneFile(doc, clone_) != FileStatus::kOk)
      state.SkipWithError("open");
  }
  if (doc.ChannelsInUse() != kSlotCount) state.SkipWithError("not full");
}

BENCHMARK_DEFINE_F(Files, Save)(benchmark::State& state) {
  for (auto _ : state) {
    if (SaveCloneFile(doc_, clone_) != FileStatus::kOk)
      state.SkipWithError("save");
  }
}

BENCHMARK_DEFINE_F(Files, Export)(benchmark::State& state) {
  for (auto _ : state) {
    if (ExportCsv(doc_, csv_) != FileStatus::kOk) state.SkipWithError("export");
  }
}

BENCHMARK_DEFINE_F(Files, Import)(benchmark::State& state) {
  Document doc;
  for (auto _ : state) {
    if (ImportCsv(doc, csv_) != FileStatus::kOk) state.SkipWithError("import");
  }
  if (doc.ChannelsInUse() != kSlotCount) state.SkipWithError("not full");
}

BENCHMARK_REGISTER_F(Files, Open)->Unit(benchmark::kMicrosecond);
BENCHMARK_REGISTER_F(Files, Save)->Unit(benchmark::kMicrosecond);
BENCHMARK_REGISTER_F(Files, Export)->Unit(benchmark::kMicrosecond);
BENCHMARK_REGISTER_F(Files, Import)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vrq5

BENCHMARK_MAIN();
