// One full decode + encode of the memory image: 1300 channel records, 14
// VFO band records, both settings blocks and the bank, group and enable
// areas.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "store/document.h"

namespace vrq5 {
namespace {

struct Image {
  std::vector<std::string> channels;  // framed as a read delivers them
  std::vector<std::string> bands;
  std::string hex1, hex2;
};

Image MakeImage() {
  std::mt19937 rng(42);
  Document doc;
  for (int s = 0; s < kSlotCount; ++s) {
    Slot& slot = doc.Mem[s];
    slot.value[kFreq] = (100000 + rng() % 1299000000) / 1e6;
    slot.value[kMode] = rng() % 3;
    slot.value[kStep] = rng() % 19;
    slot.value[kTone] = rng() % 39;
    slot.value[kCarrier] = rng() % 29;
    slot.value[kOffset] = (rng() % 10000000) / 1e6;
    slot.text[kName] = "CH" + std::to_string(s);
  }
  Image image;
  for (const auto& slot : doc.Mem) {
    image.channels.push_back("\r\n" + EncodeChannel(slot, 0));
  }
  for (const auto& band : doc.Vfo) {
    image.bands.push_back("\r\n" + EncodeVfoBand(band, 0) +
                          std::string(34, '0'));
  }
  image.hex1 = doc.SettingsHex1;
  image.hex2 = doc.SettingsHex2;
  return image;
}

void BM_FullImageDecodeEncode(benchmark::State& state) {
  const Image image = MakeImage();
  Document doc;
  doc.MemFlag.fill(-1);
  for (auto _ : state) {
    // Decode everything into the document.
    for (int s = 0; s < kSlotCount; ++s) {
      DecodeChannel(image.channels[s], doc.Mem[s]);
    }
    for (int b = 0; b < kVfoBands; ++b)
      DecodeVfoBand(image.bands[b], doc.Vfo[b]);
    doc.SettingsHex1 = image.hex1;
    doc.SettingsHex2 = image.hex2;
    doc.DecodeSettings();
    doc.EnableHexToFlags();
    doc.GroupHexToTable();
    doc.HexToBankSizes();
    // Encode everything back.
    size_t bytes = 0;
    for (int s = 0; s < kSlotCount; ++s) {
      bytes += EncodeChannel(doc.Mem[s], doc.opbModel).size();
    }
    for (int b = 0; b < kVfoBands; ++b) {
      bytes += EncodeVfoBand(doc.Vfo[b], doc.opbModel).size();
    }
    doc.EncodeSettings();
    doc.FlagsToEnableHex();
    doc.ReadGroupChecks();
    doc.GroupTableToHex();
    doc.BankSizesToHex();
    benchmark::DoNotOptimize(bytes);
    benchmark::DoNotOptimize(doc.SettingsHex1.data());
  }
}
BENCHMARK(BM_FullImageDecodeEncode)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vrq5

BENCHMARK_MAIN();
