#include "link/protocol.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "codec/text.h"

namespace vrq5 {

std::string ReadCommandLine(int address) {
  return "QV~F" + HexText(static_cast<uint64_t>(address), 5) + "R\r";
}

std::string WriteCommandLine(int address, std::string_view data) {
  std::string line = "QV~F" + HexText(static_cast<uint64_t>(address), 5);
  line += 'W';
  line += data;
  line += '\r';
  return line;
}

std::string IdentityLine(int model_index) {
  static constexpr std::array<std::string_view, kIdentityModels> kIdentities = {
      "QV~VR-Q5J", "QV~VR-Q70E", "QV~VR-Q70T", "QV~VR-Q70K"};
  int i = std::clamp(model_index, 0, kIdentityModels - 1);
  return std::string(kIdentities[i]) + "\r";
}

std::string ChannelReadLine(std::string_view bank_channel) {
  std::string line = "QV~BC";
  line += bank_channel;
  line += "R\r";
  return line;
}

std::string ChannelWriteLine(std::string_view bank_channel,
                             std::string_view record) {
  std::string line = "QV~BC";
  line += bank_channel;
  line += 'W';
  line += record;
  line += '\r';
  return line;
}

}  // namespace vrq5
