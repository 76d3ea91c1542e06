// Any bytes on the line into the simulated receiver's command interpreter,
// in any pieces and with any faults: never fails unsafely, and everything it
// sends back is the echo of what it got or a framed answer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "radio/receiver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  vrq5::radio::Faults faults;
  faults.split_pieces = 1 + data[1] % 8;
  faults.corrupt_reply = (data[2] & 1) ? 0.5 : 0;
  faults.drop_reply = (data[2] & 2) ? 0.5 : 0;
  faults.late_reply = (data[2] & 4) ? 0.5 : 0;
  faults.timing = (data[2] & 8) != 0;
  faults.seed = data[2];
  vrq5::radio::SimulatedReceiver receiver(data[0] % 4, faults);
  std::string_view rest(reinterpret_cast<const char*>(data + 3), size - 3);
  // Pieces of up to 97 bytes, so lines are split at every place.
  while (!rest.empty()) {
    size_t n = std::min<size_t>(rest.size(), 1 + rest.size() % 97);
    std::string_view piece = rest.substr(0, n);
    rest.remove_prefix(n);
    size_t sent = 0;
    for (const auto& d : receiver.Receive(piece)) {
      if (d.after.count() < 0) std::abort();
      sent += d.data.size();
    }
    // At most the echo and, for each line, one answer of 68 characters.
    size_t lines =
        static_cast<size_t>(std::count(piece.begin(), piece.end(), '\r'));
    if (sent > piece.size() + 68 * lines) std::abort();
  }
  (void)receiver.HexAt(0, 32);
  return 0;
}
