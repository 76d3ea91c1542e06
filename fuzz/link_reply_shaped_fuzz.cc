// One transfer (a read or write of the settings, the bank table, the
// groups, or a quick read) between the program and the simulated receiver,
// over a line whose faults come from the fuzzer's bytes: for each command
// line the answer arrives as it should, late (by up to half again the
// reply time), in pieces, damaged (a top bit flipped, as line noise does),
// cut short, after noise, without its echo, not at all, or the port fails. The
// receiver's memory (channels, enable bits, bank table, groups, settings) comes
// from the bytes as well. The same transfer also runs over a clean line. A
// transfer over the faulty line that reports success must leave exactly what
// the clean one leaves: the same document after a read, the same receiver
// memory after a write. The one exception is an input that made the line lie (a
// digit of a frame changed into another digit, an answer swapped for another
// well-formed one, an answer so late that it arrives during a later exchange),
// which no program speaking this protocol could notice.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_input.h"
#include "link/transfer.h"
#include "radio/receiver.h"

namespace {

using vrq5::fuzz::FuzzInput;
using vrq5::fuzz::Require;
using Clock = vrq5::SerialPort::Clock;
using Receiver = vrq5::radio::SimulatedReceiver;
using std::chrono::milliseconds;

// The receiver on a line in virtual time; `faults` (when given) decides
// for each command line what becomes of the answer.
class LinePort : public vrq5::SerialPort {
 public:
  LinePort(Receiver& receiver, FuzzInput* faults, bool* lied)
      : receiver_(receiver), faults_(faults), lied_(lied) {}

  bool Open() override { return open_ = true; }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  vrq5::OpenError open_error() const override { return vrq5::OpenError::kNone; }

  bool Write(std::string_view data) override {
    if (broken_) return false;
    std::string echo, answer;
    for (const auto& d : receiver_.Receive(data)) {
      // The echo comes first and is as long as what was sent.
      if (echo.size() < data.size()) {
        echo += d.data;
      } else {
        answer += d.data;
      }
    }
    if (echo.size() > data.size()) {
      answer.insert(0, echo.substr(data.size()));
      echo.resize(data.size());
    }
    Clock::time_point now = now_;
    Clock::time_point due = now + milliseconds(2);
    int fault = faults_ == nullptr || faults_->empty() ? 0 : faults_->Below(32);
    switch (fault) {
      case 16:  // the answer never comes
        answer.clear();
        break;
      case 17:  // nothing at all comes back
        echo.clear();
        answer.clear();
        break;
      case 18:
      case 19: {  // late, up to 765 ms (past the 500 ms reply time)
        int late = 3 * faults_->Byte();
        due += milliseconds(late);
        // The probe is given up on without a wait (a receiver not yet
        // identified never answers it, and waiting would cost every
        // transfer a second): its answer past the reply time may come
        // during a later exchange unnoticed.
        if (late > 490 && data == vrq5::ReadCommandLine(0x0022)) {
          *lied_ = true;
        }
        break;
      }
      case 28:  // so late that the link has long given the answer up: it
                // comes during a later exchange and cannot be told from
                // that exchange's answer
        due += milliseconds(1000 + 8 * faults_->Byte());
        *lied_ = true;
        break;
      case 20:  // a character damaged
        if (!answer.empty()) {
          size_t at = faults_->Below(static_cast<int>(answer.size()));
          answer[at] = static_cast<char>(answer[at] ^ 0x80);
        }
        break;
      case 21:  // cut short
        answer.resize(std::min<size_t>(answer.size(), faults_->Below(68)));
        break;
      case 22: {  // in pieces, up to 400 ms apart
        size_t cut = faults_->Below(static_cast<int>(answer.size()) + 1);
        pending_.emplace(due, answer.substr(0, cut));
        due += milliseconds(2 * faults_->Below(200));
        answer.erase(0, cut);
        break;
      }
      case 23:  // noise before the answer
        answer.insert(0,
                      std::string(1 + faults_->Below(3),
                                  static_cast<char>(0x80 | faults_->Byte())));
        break;
      case 24:  // the port breaks
        broken_ = true;
        return false;
      case 25:  // no echo, the answer on time
        echo.clear();
        break;
      case 26: {  // a lie: one digit of a frame changed into another
        size_t at = answer.find_first_of("0123456789ABCDEF", 2);
        if (answer.size() == 68 && at != std::string::npos) {
          size_t pick = 2 + faults_->Below(64);
          char was = answer[pick];
          answer[pick] = "0123456789ABCDEF"[faults_->Below(16)];
          if (answer[pick] != was) *lied_ = true;
        }
        break;
      }
      case 27:  // a lie: another well-formed answer
        if (answer == "\r\nNG\r\n" || answer == "\r\nRE\r\n") {
          answer = "\r\nOK\r\n";
          *lied_ = true;
        }
        break;
      default:
        break;
    }
    if (!echo.empty()) pending_.emplace(now, echo);
    if (!answer.empty()) pending_.emplace(due, answer);
    // VRQ5_FUZZ_TRACE=1 shows the conversation of a finding.
    static const bool trace = std::getenv("VRQ5_FUZZ_TRACE") != nullptr;
    if (trace && faults_ != nullptr) {
      std::fprintf(stderr, "%8lld ms  %s  fault %d  answer %s at %lld ms\n",
                   static_cast<long long>(Ms(now)),
                   vrq5::fuzz::Printable(data).c_str(), fault,
                   vrq5::fuzz::Printable(answer).c_str(),
                   static_cast<long long>(Ms(due)));
    }
    return true;
  }

  bool ReadAvailable(std::string& out) override {
    if (broken_) return false;
    auto end = pending_.upper_bound(now_);
    for (auto it = pending_.begin(); it != end; ++it) out += it->second;
    pending_.erase(pending_.begin(), end);
    return true;
  }

  bool WaitForData(Clock::duration timeout) override {
    if (broken_) return true;
    bool due = !pending_.empty() && pending_.begin()->first <= now_ + timeout;
    now_ = due ? std::max(now_, pending_.begin()->first) : now_ + timeout;
    return due;
  }

  Clock::time_point Now() const override { return now_; }

 private:
  static long long Ms(Clock::time_point t) {
    return std::chrono::duration_cast<milliseconds>(t.time_since_epoch())
        .count();
  }

  Receiver& receiver_;
  FuzzInput* faults_;
  bool* lied_;
  bool open_ = false;
  bool broken_ = false;
  Clock::time_point now_{};
  std::multimap<Clock::time_point, std::string> pending_;
};

constexpr vrq5::UserCommand kCommands[] = {
    vrq5::UserCommand::kReadSettings,  vrq5::UserCommand::kReadBank,
    vrq5::UserCommand::kReadGroup,     vrq5::UserCommand::kReadQuick,
    vrq5::UserCommand::kWriteSettings, vrq5::UserCommand::kWriteBank,
    vrq5::UserCommand::kWriteGroup};

// The receiver's memory from the input: a few pieces written into the
// settings, groups, bank table, enable bitmap and channel records.
std::vector<std::pair<int, std::string>> MemoryPieces(FuzzInput& in) {
  std::vector<std::pair<int, std::string>> pieces;
  int count = in.Below(10);
  for (int i = 0; i < count; ++i) {
    switch (in.Below(7)) {
      case 0:
        pieces.emplace_back(0x0000 + 32 * in.Below(2), in.Hex(64));
        break;
      case 1:
        pieces.emplace_back(0x0080, in.Hex(64, '0'));
        break;
      case 2:  // one bank's size
        pieces.emplace_back(0x0100 + 2 * in.Below(50), in.Hex(4));
        break;
      case 3:
        pieces.emplace_back(0x0200 + in.Below(160), in.Hex(2 * in.Below(8)));
        break;
      default: {  // a channel, enabled
        int slot = in.Below(vrq5::kSlotCount);
        pieces.emplace_back(0x0A00 + 32 * slot, in.Hex(64));
        if (slot < 1280) {
          pieces.emplace_back(0x0200 + slot / 8, "FF");
        }
        break;
      }
    }
  }
  return pieces;
}

// The document a write sends: a few channels and bank sizes changed.
void ShapeDocument(FuzzInput& in, vrq5::Document& doc) {
  int count = in.Below(6);
  for (int i = 0; i < count; ++i) {
    switch (in.Below(4)) {
      case 0: {
        int slot = in.Below(vrq5::kSlotCount);
        vrq5::DecodeChannel("\r\n" + in.Hex(64), doc.Mem[slot]);
        doc.MemFlag[slot] = -1;
        break;
      }
      case 1: {  // one bank bigger, the next one smaller
        int bank = in.Below(vrq5::kBankCount - 1);
        int move = in.Below(101);
        doc.txtBank[bank] =
            std::to_string(vrq5::BankSizeValue(doc.txtBank[bank]) + move);
        doc.txtBank[bank + 1] =
            std::to_string(vrq5::BankSizeValue(doc.txtBank[bank + 1]) - move);
        break;
      }
      case 2:
        doc.chkGrp[50 + in.Below(500)] = 1;
        break;
      default:
        doc.SettingsHex1 = in.Hex(64);
        doc.SettingsHex2 = in.Hex(46);
        doc.DecodeSettings();
        break;
    }
  }
}

struct Run {
  vrq5::CommandResult result;
  std::vector<vrq5::Message> messages;
};

Run RunOver(vrq5::SerialPort& port, vrq5::Document& doc,
            vrq5::UserCommand command) {
  Run run;
  vrq5::Link link(port);
  vrq5::TransferSinks sinks;
  sinks.message = [&](const vrq5::Message& m) { run.messages.push_back(m); };
  vrq5::Transfer transfer(link, doc, sinks);
  run.result = transfer.Run(command);
  return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  uint8_t head = in.Byte();
  int model = head % 4;
  // The document's model: the receiver's, or now and then another.
  int doc_model = (head & 0x70) == 0x70 ? (model + 1) % 4 : model;
  vrq5::UserCommand command = kCommands[in.Below(std::size(kCommands))];
  bool write = vrq5::IsWriteCommand(command);

  static std::array<std::unique_ptr<Receiver>, 4> faulty_receivers,
      clean_receivers;
  static std::array<std::unique_ptr<vrq5::Document>, 4> bases;
  if (!faulty_receivers[model]) {
    faulty_receivers[model] = std::make_unique<Receiver>(model);
    clean_receivers[model] = std::make_unique<Receiver>(model);
  }
  if (!bases[doc_model]) {
    bases[doc_model] = std::make_unique<vrq5::Document>();
    bases[doc_model]->SelectModel(doc_model);
  }
  Receiver& faulty_receiver = *faulty_receivers[model];
  Receiver& clean_receiver = *clean_receivers[model];
  faulty_receiver.Reset();
  clean_receiver.Reset();
  for (const auto& [address, hex] : MemoryPieces(in)) {
    faulty_receiver.Poke(address, hex);
    clean_receiver.Poke(address, hex);
  }
  const vrq5::Document& base = *bases[doc_model];
  static vrq5::Document faulty_doc, clean_doc;
  vrq5::fuzz::ResetTo(faulty_doc, base);
  if (write) {
    ShapeDocument(in, faulty_doc);
    // As the window does once a bank box is left.
    faulty_doc.LayoutMemoryRows();
  }
  vrq5::fuzz::ResetTo(clean_doc, faulty_doc);

  bool lied = false;
  LinePort faulty_port(faulty_receiver, &in, &lied);
  Run faulty = RunOver(faulty_port, faulty_doc, command);
  LinePort clean_port(clean_receiver, nullptr, nullptr);
  Run clean = RunOver(clean_port, clean_doc, command);

  bool said_success = !faulty.messages.empty() &&
                      faulty.messages.back().text == vrq5::kMsgSuccess;
  Require(said_success == (faulty.result == vrq5::CommandResult::kSuccess),
          "success is reported exactly when the transfer succeeded");
  Require(faulty.result != vrq5::CommandResult::kBusy &&
              clean.result != vrq5::CommandResult::kBusy,
          "a lone transfer is never busy");
  if (faulty.result != vrq5::CommandResult::kSuccess || lied) return 0;
  Require(clean.result == vrq5::CommandResult::kSuccess,
          "what succeeds over a faulty line succeeds over a clean one");
  if (write) {
    Require(faulty_receiver.memory() == clean_receiver.memory(),
            "a write that succeeded left what a clean write leaves");
  } else {
    std::string difference = vrq5::fuzz::Difference(faulty_doc, clean_doc);
    if (!difference.empty())
      std::fprintf(stderr, "%s\n", vrq5::fuzz::Printable(difference).c_str());
    Require(difference.empty() && faulty_doc.LinkBank == clean_doc.LinkBank &&
                faulty_doc.DataChanged == clean_doc.DataChanged,
            "a read that succeeded gives what a clean read gives");
  }
  return 0;
}
