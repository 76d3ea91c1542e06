// Random documents for round-trip tests: every value inside the ranges the
// program itself produces.
#ifndef VRQ5_TESTS_SUPPORT_RANDOM_DOCUMENT_H_
#define VRQ5_TESTS_SUPPORT_RANDOM_DOCUMENT_H_

#include <random>
#include <string>

#include "codec/tables.h"
#include "codec/text.h"
#include "store/document.h"

namespace vrq5::testing {

inline std::string RandomText(std::mt19937& rng, int max_length,
                              bool upper = false) {
  static const std::string kChars =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 ,.-+/*#";
  std::string out;
  for (int i = static_cast<int>(rng() % (max_length + 1)); i > 0; --i) {
    out.push_back(kChars[rng() % kChars.size()]);
  }
  return upper ? ToUpperAscii(out) : out;
}

// Fills fields 0..8 (and name, skip) of a slot with valid values and the
// texts the decoder would give them.
inline void RandomChannel(std::mt19937& rng, Slot& s, bool upper_names) {
  auto pick = [&](int n) { return static_cast<int>(rng() % n); };
  uint32_t hz = 100000 + rng() % 1299895001u;
  s.value[kFreq] = HzToMhz(hz);
  s.text[kFreq] = FormatFrequency(s.value[kFreq]);
  int mode = pick(3);
  s.value[kMode] = mode;
  s.text[kMode] = std::string(ModeText(mode));
  int step = pick(18);
  s.value[kStep] = step;
  s.text[kStep] = std::string(StepName[step]);
  int option = pick(5);
  s.value[kOption] = option;
  s.text[kOption] = std::string(OptionName[option]);
  int secret = pick(29);
  s.value[kSecret] = secret;
  s.text[kSecret] = std::to_string(secret);
  int carrier = pick(29);
  s.value[kCarrier] = carrier;
  s.text[kCarrier] = CarrierText(carrier);
  int tone = pick(39);
  s.value[kTone] = tone;
  s.text[kTone] = std::string(ToneName[tone]);
  int dir = pick(3);
  s.value[kShiftDir] = dir;
  s.text[kShiftDir] = std::string(ShiftText(dir));
  s.value[kOffset] = HzToMhz(rng() % 99999999u);
  s.text[kOffset] = FormatOffset(s.value[kOffset]);
  std::string name = RandomText(rng, 6, upper_names);
  name.resize(6, ' ');  // names come back from a record padded
  s.text[kName] = name;
  s.value[kSkip] = pick(2);
}

// A document with `used` percent of the slots enabled and filled, random
// notes, bank sizes adding up to 1000, groups and settings.
inline Document RandomDocument(std::mt19937& rng, int used = 60, int model = 0,
                               bool upper = false) {
  Document doc;
  if (model != 0) doc.SelectModel(model);
  auto pick = [&](int n) { return static_cast<int>(rng() % n); };
  for (int s = 0; s < kSlotCount; ++s) {
    if (pick(100) < used) {
      RandomChannel(rng, doc.Mem[s], upper);
      // The model decides which option codes a record keeps.
      int option = static_cast<int>(doc.Mem[s].value[kOption]);
      if ((option == 1 && model != 0) || (option == 4 && model != 1)) {
        doc.Mem[s].value[kOption] = 0;
        doc.Mem[s].text[kOption] = "OFF";
      }
      doc.Mem[s].text[kNote] = RandomText(rng, 20, upper);
      doc.MemFlag[s] = -1;
    }
  }
  for (int b = 0; b < kVfoBands; ++b) {
    RandomChannel(rng, doc.Vfo[b], upper);
    doc.Vfo[b].text[kName].clear();
    doc.Vfo[b].value[kSkip] = 0;
    int option = static_cast<int>(doc.Vfo[b].value[kOption]);
    if ((option == 1 && model != 0) || (option == 4 && model != 1)) {
      doc.Vfo[b].value[kOption] = 0;
      doc.Vfo[b].text[kOption] = "OFF";
    }
    doc.Vfo[b].text[kNote] = RandomText(rng, 12, upper);
  }
  int left = kMemoryChannels;
  for (int b = 0; b < kBankCount; ++b) {
    int n = b == kBankCount - 1 ? left : pick(left / 3 + 1);
    left -= n;
    doc.BankSize[b] = static_cast<int16_t>(n);
    doc.BankSizeText[b] = std::to_string(n);
    doc.txtBank[b] = doc.BankSizeText[b];
  }
  doc.lblAll = "1000";
  for (int i = 50; i < 550; ++i) doc.chkGrp[i] = pick(4) == 0 ? 1 : 0;
  for (const auto& f : SettingFields()) {
    int n = f.kind == SettingKind::kSlider ? f.maximum + 1
            : f.items.empty()              ? 2
                                           : static_cast<int>(f.items.size());
    f.member(doc.settings) = pick(n);
  }
  doc.LayoutMemoryRows();
  return doc;
}

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_SUPPORT_RANDOM_DOCUMENT_H_
