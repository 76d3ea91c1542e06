#include "radio/receiver.h"

#include <algorithm>
#include <memory>

#include "codec/code_fields.h"
#include "codec/text.h"
#include "link/transfer.h"
#include "radio/sim_port.h"

namespace vrq5::radio {

namespace {

constexpr std::string_view kOk = "\r\nOK\r\n";
constexpr std::string_view kRefusal = "\r\nRE\r\n";
constexpr std::string_view kNotUnderstood = "\r\nNG\r\n";
constexpr int kBlockBytes = 32;
// The bytes of every channel record, from the channel area's start.
constexpr std::ptrdiff_t kChannelBytes =
    std::ptrdiff_t{kBlockBytes} * kSlotCount;
constexpr size_t kLongestLine = 512;
constexpr std::array<std::string_view, 4> kIdentities = {"VR-Q5J", "VR-Q70E",
                                                         "VR-Q70T", "VR-Q70K"};

// One character on the wire: 10 bits at 38400 bit/s.
constexpr std::chrono::nanoseconds kCharTime{1'000'000'000LL * 10 / 38400};

bool AllHex(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsHexDigit);
}

bool AllDecimal(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

// Parses a hex address of 1..5 digits inside the memory; -1 otherwise.
int ParseAddress(std::string_view digits) {
  if (digits.empty() || digits.size() > 5 || !AllHex(digits)) return -1;
  uint64_t value = HexPrefixValue(digits);
  return value < SimulatedReceiver::kMemorySize ? static_cast<int>(value) : -1;
}

}  // namespace

SimulatedReceiver::SimulatedReceiver(int model_index, Faults faults)
    : model_index_(std::clamp(model_index, 0, 3)),
      faults_(faults),
      rng_(faults.seed) {
  ResetLocked();
}

void SimulatedReceiver::Reset() {
  std::lock_guard lock(mu_);
  ResetLocked();
}

namespace {

// The factory memory of each model: the program's new document of that
// model as a receiver holds it. Made once; a reset copies it.
using MemoryImage = std::array<uint8_t, SimulatedReceiver::kMemorySize>;

// Writes hex digits (two a byte) into memory from `address`; bytes past
// the end are left out.
void PokeHex(MemoryImage& mem, int address, std::string_view hex) {
  for (size_t i = 0; 2 * i + 1 < hex.size(); ++i) {
    size_t a = static_cast<size_t>(address) + i;
    if (address < 0 || a >= mem.size()) break;
    mem[a] = static_cast<uint8_t>(HexByteAt(hex, 2 * i + 1));
  }
}

const MemoryImage& FactoryImage(int model_index) {
  static const auto images = [] {
    auto all = std::make_unique<std::array<MemoryImage, 4>>();
    for (int m = 0; m < 4; ++m) {
      MemoryImage& mem = (*all)[m];
      mem.fill(0);
      Document factory;
      factory.SelectModel(m);
      PokeHex(mem, 0x0000, factory.SettingsHex1);
      PokeHex(mem, 0x0020, factory.SettingsHex2);
      factory.BankSizesToHex();
      for (int p = 0; p < 4; ++p) {
        PokeHex(mem, SimulatedReceiver::kBankArea + kBlockBytes * p,
                factory.BankTableHex[p]);
      }
      for (int k = 0; k < kVfoBands; ++k) {
        PokeHex(mem, 0x0300 + kBlockBytes * k,
                EncodeVfoBand(factory.Vfo[k], m));
      }
      std::fill(mem.begin() + SimulatedReceiver::kChannelArea,
                mem.begin() + SimulatedReceiver::kChannelArea + kChannelBytes,
                0xFF);
    }
    return all;
  }();
  return (*images)[model_index];
}

}  // namespace

void SimulatedReceiver::ResetLocked() {
  mem_ = FactoryImage(model_index_);
  identified_ = false;
  line_.clear();
  lines_.clear();
  commands_ = 0;
}

int SimulatedReceiver::model_index() const {
  std::lock_guard lock(mu_);
  return model_index_;
}

void SimulatedReceiver::set_faults(const Faults& faults) {
  std::lock_guard lock(mu_);
  faults_ = faults;
  rng_.seed(faults.seed);
  write_fault_spent_ = false;
}

Faults SimulatedReceiver::faults() const {
  std::lock_guard lock(mu_);
  return faults_;
}

bool SimulatedReceiver::identified() const {
  std::lock_guard lock(mu_);
  return identified_;
}

std::vector<std::string> SimulatedReceiver::lines() const {
  std::lock_guard lock(mu_);
  return lines_;
}

void SimulatedReceiver::ClearLines() {
  std::lock_guard lock(mu_);
  lines_.clear();
}

long SimulatedReceiver::commands() const {
  std::lock_guard lock(mu_);
  return commands_;
}

uint8_t SimulatedReceiver::Byte(int address) const {
  std::lock_guard lock(mu_);
  return address >= 0 && address < kMemorySize ? mem_[address] : 0;
}

std::string SimulatedReceiver::HexAt(int address, int length) const {
  std::lock_guard lock(mu_);
  std::string out;
  for (int a = std::max(address, 0); a < address + length && a < kMemorySize;
       ++a) {
    out += HexByte(mem_[a]);
  }
  return out;
}

void SimulatedReceiver::Poke(int address, std::string_view hex) {
  std::lock_guard lock(mu_);
  PokeLocked(address, hex);
}

void SimulatedReceiver::PokeLocked(int address, std::string_view hex) {
  PokeHex(mem_, address, hex);
}

std::array<uint8_t, SimulatedReceiver::kMemorySize> SimulatedReceiver::memory()
    const {
  std::lock_guard lock(mu_);
  return mem_;
}

int SimulatedReceiver::SlotOf(int bank, int channel) const {
  std::lock_guard lock(mu_);
  return SlotOfLocked(bank, channel);
}

int SimulatedReceiver::SlotOfLocked(int bank, int channel) const {
  if (channel < 0) return -1;
  if (bank >= 50 && bank <= 52) {
    return channel < 100 ? kProgramScanFirst + 100 * (bank - 50) + channel : -1;
  }
  if (bank < 0 || bank >= kBankCount) return -1;
  auto size_of = [this](int b) {
    return mem_[kBankArea + 2 * b] | mem_[kBankArea + 2 * b + 1] << 8;
  };
  long start = 0;
  for (int b = 0; b < bank; ++b) start += size_of(b);
  if (channel >= size_of(bank)) return -1;
  long slot = start + channel;
  return slot < kMemoryChannels ? static_cast<int>(slot) : -1;
}

std::string SimulatedReceiver::Interpret(std::string_view line) {
  if (line.substr(0, 3) != "QV~") return std::string(kNotUnderstood);
  std::string_view body = line.substr(3);
  for (int m = 0; m < 4; ++m) {
    if (body != kIdentities[m]) continue;
    if (m != model_index_ || faults_.refuse_identity) {
      return std::string(kRefusal);
    }
    identified_ = true;
    return std::string(kOk);
  }
  if (body == "FINISH") {
    identified_ = false;
    return std::string(kOk);
  }
  // Reads and writes wait for the identity.
  if (!identified_) return "";
  if (body == "IM") {
    std::fill(mem_.begin() + kChannelArea,
              mem_.begin() + kChannelArea + kChannelBytes, 0xFF);
    std::fill(mem_.begin() + kEnableArea,
              mem_.begin() + kEnableArea + kEnableBits / 8, 0);
    return std::string(kOk);
  }
  if (body.substr(0, 1) == "F") return InterpretBlock(body);
  if (body.substr(0, 2) == "BC") return InterpretChannel(body);
  return std::string(kNotUnderstood);
}

std::string SimulatedReceiver::DataReply(int address) const {
  std::string out = "\r\n";
  for (int i = 0; i < kBlockBytes; ++i) out += HexByte(mem_[address + i]);
  return out + "\r\n";
}

std::string SimulatedReceiver::InterpretBlock(std::string_view body) {
  size_t op = body.find_first_of("RW", 1);
  if (op == std::string_view::npos) return std::string(kNotUnderstood);
  int address = ParseAddress(body.substr(1, op - 1));
  std::string_view data = body.substr(op + 1);
  if (address < 0) return std::string(kNotUnderstood);
  if (body[op] == 'R') {
    if (!data.empty() || address + kBlockBytes > kMemorySize) {
      return std::string(kNotUnderstood);
    }
    return DataReply(address);
  }
  size_t bytes = data.size() / 2;
  if (data.empty() || data.size() % 2 != 0 || bytes > kBlockBytes ||
      !AllHex(data) || address + bytes > kMemorySize) {
    return std::string(kNotUnderstood);
  }
  PokeLocked(address, data);
  return std::string(kOk);
}

std::string SimulatedReceiver::InterpretChannel(std::string_view body) {
  size_t op = body.find_first_of("RW", 2);
  if (op == std::string_view::npos) return std::string(kNotUnderstood);
  std::string_view digits = body.substr(2, op - 2);
  if (digits.size() < 3 || digits.size() > 5 || !AllDecimal(digits)) {
    return std::string(kNotUnderstood);
  }
  int bank = digits.size() > 3
                 ? std::stoi(std::string(digits.substr(0, digits.size() - 3)))
                 : 0;
  int channel = std::stoi(std::string(digits.substr(digits.size() - 3)));
  int slot = SlotOfLocked(bank, channel);
  std::string_view data = body.substr(op + 1);
  if (body[op] == 'R') {
    if (!data.empty()) return std::string(kNotUnderstood);
    if (slot < 0) return "\r\n" + std::string(64, 'F') + "\r\n";
    return DataReply(kChannelArea + kBlockBytes * slot);
  }
  if (slot < 0 || data.size() != 2 * size_t{kBlockBytes} || !AllHex(data)) {
    return std::string(kNotUnderstood);
  }
  std::string stored(data);
  if ((faults_.corrupt_write || faults_.ignore_write) && !write_fault_spent_ &&
      stored.compare(0, 8, "FFFFFFFF") != 0) {
    write_fault_spent_ = true;
    if (faults_.ignore_write) return std::string(kOk);
    // FM, AM and WFM turn into one another.
    size_t mode = 2 * static_cast<size_t>(CodeFieldOf(kMode).byte);
    int code = std::stoi(stored.substr(mode, 2), nullptr, 16);
    stored.replace(mode, 2, HexByte((code + 1) % 3));
  }
  PokeLocked(kChannelArea + kBlockBytes * slot, stored);
  if (slot < kEnableBits) {
    mem_[kEnableArea + slot / 8] |= static_cast<uint8_t>(0x80 >> (slot % 8));
  }
  return std::string(kOk);
}

std::chrono::nanoseconds SimulatedReceiver::Wire(size_t chars) const {
  return faults_.timing ? kCharTime * static_cast<long>(chars)
                        : std::chrono::nanoseconds(0);
}

bool SimulatedReceiver::Chance(double p) {
  return p > 0 && std::uniform_real_distribution<double>(0, 1)(rng_) < p;
}

void SimulatedReceiver::Reply(std::string answer, size_t sent_chars,
                              std::vector<Delivery>& out) {
  if (answer.empty() || Chance(faults_.drop_reply)) return;
  if (Chance(faults_.corrupt_reply)) {
    size_t at =
        std::uniform_int_distribution<size_t>(0, answer.size() - 1)(rng_);
    answer[at] = static_cast<char>(answer[at] ^ 0x80);
  }
  auto start =
      Wire(sent_chars) +
      std::chrono::nanoseconds(faults_.timing ? faults_.turnaround
                                              : std::chrono::microseconds(0));
  if (Chance(faults_.late_reply)) start += faults_.late_delay;
  int pieces =
      std::clamp<int>(faults_.split_pieces, 1, static_cast<int>(answer.size()));
  size_t done = 0;
  for (int p = 0; p < pieces; ++p) {
    size_t end = answer.size() * (p + 1) / pieces;
    std::string piece = answer.substr(done, end - done);
    auto when = start + Wire(end) + faults_.split_gap * p;
    out.push_back({when, std::move(piece)});
    done = end;
  }
}

std::vector<Delivery> SimulatedReceiver::Receive(std::string_view bytes) {
  std::lock_guard lock(mu_);
  std::vector<Delivery> out;
  auto silent = [this](long line_number) {
    return faults_.silent_from > 0 && line_number >= faults_.silent_from;
  };
  std::string echo;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (!faults_.no_echo && !silent(commands_ + 1)) echo += c;
    if (c != '\r') {
      if (line_.size() < kLongestLine) line_ += c;
      continue;
    }
    ++commands_;
    std::string line = std::move(line_);
    line_.clear();
    lines_.push_back(line);
    if (!echo.empty()) {
      out.push_back({Wire(i + 1), std::move(echo)});
      echo.clear();
    }
    if (silent(commands_) || faults_.not_in_clone_mode) continue;
    Reply(Interpret(line), i + 1, out);
  }
  if (!echo.empty()) out.push_back({Wire(bytes.size()), std::move(echo)});
  return out;
}

bool SimulatedReceiver::LoadDocument(const Document& doc) {
  Faults saved = faults();
  set_faults(Faults{});
  Document copy = doc;
  bool ok;
  {
    SimulatedPort port(*this);
    Link link(port);
    Transfer transfer(link, copy);
    ok = transfer.RunWriteAll() == CommandResult::kSuccess;
  }
  set_faults(saved);
  std::lock_guard lock(mu_);
  identified_ = false;
  line_.clear();
  lines_.clear();
  commands_ = 0;
  return ok;
}

}  // namespace vrq5::radio
