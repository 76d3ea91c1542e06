// Any two texts as settings blocks: decoding never fails, every control
// ends inside its range, and encode after decode gives texts that decode to
// the same controls.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "codec/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  int model = data[0] % 6;
  std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  size_t cut = rest.find('|');
  std::string hex1 = rest.substr(0, cut);
  std::string hex2 = cut == std::string::npos ? "" : rest.substr(cut + 1);
  vrq5::Settings s;
  vrq5::DecodeSettings(hex1, hex2, model, s);
  for (const auto& f : vrq5::SettingFields()) {
    int v = f.Get(s);
    int high = f.kind == vrq5::SettingKind::kSlider ? f.maximum
               : f.items.empty()                    ? 1
                                                    : int(f.items.size()) - 1;
    if (v < 0 || v > high) std::abort();
  }
  std::string out1, out2;
  vrq5::EncodeSettings(s, out1, out2);
  if (out1.size() != 64 || out2.size() != 46) std::abort();
  vrq5::Settings again;
  vrq5::DecodeSettings(out1, out2, model, again);
  if (!(again == s)) std::abort();
  return 0;
}
