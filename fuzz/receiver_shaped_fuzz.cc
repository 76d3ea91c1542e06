// A conversation with the simulated receiver in whole command lines:
// identities of every model, reads and writes of any address and length,
// bank-and-channel reads and writes, FINISH, IM, and lines that are nearly
// right (lower case, a digit too many, odd data, no prefix), handed over in
// pieces of any size, to a receiver showing any of its faults. Alongside
// runs a plain model of the protocol: its own copy of the memory and
// whether the receiver is identified. Every line must come back as its
// echo followed by exactly the answer the model gives (or nothing, or that
// answer with one character damaged, where the receiver was told to drop
// or damage answers), and the receiver's memory must stay the model's.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "codec/text.h"
#include "fuzz_input.h"
#include "link/transfer.h"
#include "radio/receiver.h"

namespace {

using vrq5::fuzz::FuzzInput;
using vrq5::fuzz::Require;
using Receiver = vrq5::radio::SimulatedReceiver;

constexpr std::string_view kOk = "\r\nOK\r\n";
constexpr std::string_view kRefused = "\r\nRE\r\n";
constexpr std::string_view kNotUnderstood = "\r\nNG\r\n";
constexpr std::array<std::string_view, 4> kModels = {"VR-Q5J", "VR-Q70E",
                                                     "VR-Q70T", "VR-Q70K"};

// What the receiver holds and answers, written from the protocol's rules.
class Model {
 public:
  Model(int model, const std::array<uint8_t, Receiver::kMemorySize>& memory,
        bool refuses)
      : model_(model), refuses_(refuses), mem_(memory) {}

  const std::array<uint8_t, Receiver::kMemorySize>& memory() const {
    return mem_;
  }

  bool identified() const { return identified_; }
  int SlotOfBank(int bank, int channel) const { return SlotOf(bank, channel); }

  std::string Answer(std::string_view line) {
    if (line.substr(0, 3) != "QV~") return std::string(kNotUnderstood);
    std::string_view body = line.substr(3);
    for (int m = 0; m < 4; ++m) {
      if (body == kModels[m]) {
        if (m != model_ || refuses_) return std::string(kRefused);
        identified_ = true;
        return std::string(kOk);
      }
    }
    if (body == "FINISH") {
      identified_ = false;
      return std::string(kOk);
    }
    if (!identified_) return "";
    if (body == "IM") {
      for (int a = 0; a < 32 * vrq5::kSlotCount; ++a) mem_[0x0A00 + a] = 0xFF;
      for (int a = 0; a < 160; ++a) mem_[0x0200 + a] = 0;
      return std::string(kOk);
    }
    if (!body.empty() && body[0] == 'F') return Block(body.substr(1));
    if (body.substr(0, 2) == "BC") return BankChannel(body.substr(2));
    return std::string(kNotUnderstood);
  }

 private:
  static bool Hex(std::string_view t) {
    return std::all_of(t.begin(), t.end(), [](char c) {
      return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') ||
             (c >= 'a' && c <= 'f');
    });
  }
  static int Nibble(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return c - 'A' + 10;
  }

  std::string Frame(int address) const {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out = "\r\n";
    for (int i = 0; i < 32; ++i) {
      out += kDigits[mem_[address + i] >> 4];
      out += kDigits[mem_[address + i] & 15];
    }
    return out + "\r\n";
  }

  void Store(int address, std::string_view hex) {
    for (size_t i = 0; 2 * i + 1 < hex.size(); ++i) {
      mem_[address + i] = static_cast<uint8_t>(Nibble(hex[2 * i]) * 16 +
                                               Nibble(hex[2 * i + 1]));
    }
  }

  // "F" + 1..5 hex digits + "R" or "W" + data.
  std::string Block(std::string_view rest) {
    size_t op = rest.find_first_of("RW");
    if (op == std::string_view::npos || op == 0 || op > 5 ||
        !Hex(rest.substr(0, op))) {
      return std::string(kNotUnderstood);
    }
    long address = 0;
    for (char c : rest.substr(0, op)) address = address * 16 + Nibble(c);
    std::string_view data = rest.substr(op + 1);
    if (address >= Receiver::kMemorySize) return std::string(kNotUnderstood);
    if (rest[op] == 'R') {
      if (!data.empty() || address + 32 > Receiver::kMemorySize) {
        return std::string(kNotUnderstood);
      }
      return Frame(static_cast<int>(address));
    }
    if (data.empty() || data.size() % 2 != 0 || data.size() > 64 ||
        !Hex(data) ||
        address + static_cast<long>(data.size() / 2) > Receiver::kMemorySize) {
      return std::string(kNotUnderstood);
    }
    Store(static_cast<int>(address), data);
    return std::string(kOk);
  }

  // The slot of a bank and channel: banks 50..52 are the program-scan,
  // search-pass and priority areas, banks 0..49 follow the bank table.
  int SlotOf(int bank, int channel) const {
    if (bank < 0 || channel < 0) return -1;
    if (bank >= 50 && bank <= 52) {
      return channel < 100 ? 1000 + 100 * (bank - 50) + channel : -1;
    }
    if (bank >= vrq5::kBankCount) return -1;
    auto size = [&](int b) {
      return mem_[0x0100 + 2 * b] | mem_[0x0100 + 2 * b + 1] << 8;
    };
    long first = 0;
    for (int b = 0; b < bank; ++b) first += size(b);
    if (channel >= size(bank) || first + channel >= vrq5::kMemoryChannels) {
      return -1;
    }
    return static_cast<int>(first + channel);
  }

  // "BC" + 3..5 decimal digits (bank, then three of channel) + "R" or "W".
  std::string BankChannel(std::string_view rest) {
    size_t op = rest.find_first_of("RW");
    if (op == std::string_view::npos || op < 3 || op > 5) {
      return std::string(kNotUnderstood);
    }
    std::string_view digits = rest.substr(0, op);
    if (!std::all_of(digits.begin(), digits.end(),
                     [](char c) { return c >= '0' && c <= '9'; })) {
      return std::string(kNotUnderstood);
    }
    int number = 0;
    for (char c : digits) number = number * 10 + (c - '0');
    int slot = SlotOf(number / 1000, number % 1000);
    std::string_view data = rest.substr(op + 1);
    if (rest[op] == 'R') {
      if (!data.empty()) return std::string(kNotUnderstood);
      if (slot < 0) return "\r\n" + std::string(64, 'F') + "\r\n";
      return Frame(0x0A00 + 32 * slot);
    }
    if (slot < 0 || data.size() != 64 || !Hex(data)) {
      return std::string(kNotUnderstood);
    }
    Store(0x0A00 + 32 * slot, data);
    if (slot < 1280)
      mem_[0x0200 + slot / 8] |= static_cast<uint8_t>(0x80 >> (slot % 8));
    return std::string(kOk);
  }

  int model_;
  bool refuses_;  // every identity is refused
  std::array<uint8_t, Receiver::kMemorySize> mem_;
  bool identified_ = false;
};

// An address: inside the areas the program uses mostly, anywhere now and
// then, at the very end sometimes.
int Address(FuzzInput& in) {
  switch (in.Below(4)) {
    case 0:
      return 0x0100 + 32 * in.Below(4);
    case 1:
      return 0x0A00 + 32 * in.Below(vrq5::kSlotCount);
    case 2:
      return 0x10000 - in.Below(40);
    default:
      return in.U16();
  }
}

std::string Line(FuzzInput& in, int model) {
  switch (in.Below(12)) {
    case 0:
      return vrq5::IdentityLine(in.Below(3) ? model : in.Below(4));
    case 1:
      return "QV~FINISH\r";
    case 2:
    case 3:
      return vrq5::ReadCommandLine(Address(in));
    case 4:
    case 5:
      return vrq5::WriteCommandLine(Address(in), in.Hex(2 + 2 * in.Below(32)));
    case 6:
      return "QV~IM\r";
    case 7: {  // a bank and channel read or write
      std::string digits = std::to_string(in.Below(53) * 1000 + in.Below(130));
      if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
      if (in.Bit()) return "QV~BC" + digits + "R\r";
      return "QV~BC" + digits + "W" + in.Hex(in.Below(8) ? 64 : 62) + "\r";
    }
    case 8: {  // a read or write nearly right
      std::string line = in.Bit() ? vrq5::ReadCommandLine(Address(in))
                                  : vrq5::WriteCommandLine(
                                        Address(in), in.Hex(2 * in.Below(34)));
      size_t at = in.Below(static_cast<int>(line.size()) - 1);
      switch (in.Below(4)) {
        case 0:
          line[at] = static_cast<char>(line[at] | 0x20);  // lower case
          break;
        case 1:
          line.insert(at, 1, "0Fz~R"[in.Below(5)]);
          break;
        case 2:
          line.erase(at, 1);
          break;
        default:
          line[at] = static_cast<char>(in.Byte() & 0x7F);
          if (line[at] == '\r') line[at] = ' ';
          break;
      }
      if (line.back() != '\r') line += '\r';
      return line;
    }
    case 9:
      if (in.Bit()) {  // longer than any line the receiver keeps
        return vrq5::WriteCommandLine(Address(in),
                                      std::string(500 + in.Below(100), 'A'));
      }
      return "QV~" + std::string(kModels[in.Below(4)]).substr(0, 5) + "\r";
    default: {  // any text
      std::string line(in.Raw(in.Below(40)));
      std::replace(line.begin(), line.end(), '\r', ' ');
      return line + "\r";
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  uint8_t head = in.Byte();
  int model = head % 4;
  vrq5::radio::Faults faults;
  faults.timing = (head & 4) != 0;
  faults.split_pieces = 1 + (head >> 3) % 4;
  uint8_t shown = in.Byte();  // which faults the receiver shows
  faults.no_echo = (shown & 1) != 0;
  faults.refuse_identity = (shown & 0x1E) == 0x02;
  faults.not_in_clone_mode = (shown & 0x1E) == 0x04;
  faults.silent_from = (shown & 0x1E) == 0x06 ? 1 + in.Below(48) : 0;
  faults.drop_reply = (shown & 0x20) ? 0.3 : 0;
  faults.corrupt_reply = (shown & 0x40) ? 0.3 : 0;
  faults.late_reply = (shown & 0x80) ? 0.3 : 0;
  faults.seed = in.Byte();
  static std::array<std::unique_ptr<Receiver>, 4> receivers;
  if (!receivers[model]) receivers[model] = std::make_unique<Receiver>(model);
  Receiver& receiver = *receivers[model];
  receiver.set_faults(faults);
  receiver.Reset();
  Model expected(model, receiver.memory(), faults.refuse_identity);

  std::vector<std::string> sent;
  for (int lines = 1; !in.empty() && lines <= 48; ++lines) {
    std::string line = Line(in, model);
    sent.push_back(line.substr(0, std::min<size_t>(line.size() - 1, 512)));
    // From `silent_from` on nothing comes back and nothing is done; out of
    // its cloning mode the receiver only echoes.
    bool silent = faults.silent_from > 0 && lines >= faults.silent_from;
    std::string echo = faults.no_echo || silent ? "" : line;
    std::string answer =
        silent || faults.not_in_clone_mode ? "" : expected.Answer(sent.back());
    // The line in pieces of any size.
    std::string got;
    std::string_view rest = line;
    while (!rest.empty()) {
      size_t n = std::min<size_t>(rest.size(), 1 + in.Below(80));
      for (const auto& d : receiver.Receive(rest.substr(0, n))) {
        Require(d.after.count() >= 0, "output never leaves before its input");
        got += d.data;
      }
      rest.remove_prefix(n);
    }
    // The answer as it is, dropped, or with one character's top bit
    // flipped, where the receiver was told to do so.
    std::string_view tail = got;
    bool ok = tail.substr(0, echo.size()) == echo;
    tail.remove_prefix(std::min(echo.size(), tail.size()));
    if (ok && tail != answer) {
      bool dropped = faults.drop_reply > 0 && tail.empty();
      int flipped = 0;
      if (faults.corrupt_reply > 0 && tail.size() == answer.size()) {
        for (size_t i = 0; i < tail.size(); ++i) {
          if (tail[i] == answer[i]) continue;
          flipped += (tail[i] ^ answer[i]) == static_cast<char>(0x80) ? 1 : 2;
        }
      }
      ok = dropped || flipped == 1;
    }
    if (!ok) {
      std::fprintf(stderr, "line %s\nwant %s + %s\ngot  %s\n",
                   vrq5::fuzz::Printable(line).c_str(),
                   vrq5::fuzz::Printable(echo).c_str(),
                   vrq5::fuzz::Printable(answer).c_str(),
                   vrq5::fuzz::Printable(got).c_str());
    }
    Require(ok, "the echo, then the protocol's answer");
  }
  // What the receiver says of itself agrees with the model.
  Require(receiver.commands() == static_cast<long>(sent.size()) &&
              receiver.lines() == sent,
          "the receiver keeps every line it got, cut at 512 characters");
  Require(receiver.identified() == expected.identified(),
          "identified as the model says");
  for (int i = 0; i < 4; ++i) {
    int bank = in.Below(54), channel = in.Below(1100) - 10;
    Require(
        receiver.SlotOf(bank, channel) == expected.SlotOfBank(bank, channel),
        "a bank and channel address the model's slot");
  }
  int address = Address(in);
  int length = in.Below(40);
  std::string hex;
  for (int i = 0; i < length && address + i < Receiver::kMemorySize; ++i) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    hex += kDigits[expected.memory()[address + i] >> 4];
    hex += kDigits[expected.memory()[address + i] & 15];
  }
  Require(receiver.HexAt(address, length) == hex, "memory reads as hex");
  Require(receiver.memory() == expected.memory(),
          "the receiver's memory is what the commands made it");
  return 0;
}
