// Any byte stream from the port as the receiver's answers: the exchanges and
// a whole Read > ALL never fail unsafely, a query answer is always a token
// or a well-formed frame, and the document keeps its shape.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "link/transfer.h"

namespace {

using Clock = vrq5::SerialPort::Clock;

// Answers every write with the next piece of the input, in virtual time:
// a byte for the delay (in 4 ms steps), a byte for the length, the bytes.
class StreamPort : public vrq5::SerialPort {
 public:
  StreamPort(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Open() override { return open_ = true; }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  bool Write(std::string_view) override {
    if (pos_ + 2 > size_) return true;
    auto delay = std::chrono::milliseconds(4 * data_[pos_]);
    size_t length = std::min<size_t>(data_[pos_ + 1], size_ - pos_ - 2);
    pending_.emplace(
        now_ + delay,
        std::string(reinterpret_cast<const char*>(data_ + pos_ + 2), length));
    pos_ += 2 + length;
    return true;
  }
  bool ReadAvailable(std::string& out) override {
    auto end = pending_.upper_bound(now_);
    for (auto it = pending_.begin(); it != end; ++it) out += it->second;
    pending_.erase(pending_.begin(), end);
    return true;
  }
  bool WaitForData(Clock::duration timeout) override {
    bool due = !pending_.empty() && pending_.begin()->first <= now_ + timeout;
    now_ = due ? std::max(now_, pending_.begin()->first) : now_ + timeout;
    return due;
  }
  Clock::time_point Now() const override { return now_; }
  bool exhausted() const { return pos_ + 2 > size_ && pending_.empty(); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  bool open_ = false;
  Clock::time_point now_{};
  std::multimap<Clock::time_point, std::string> pending_;
};

bool WellFormedFrame(const std::string& reply) {
  if (reply == vrq5::kTokenPortError || reply == vrq5::kTokenNoReply ||
      reply == vrq5::kTokenBadFrame) {
    return true;
  }
  if (reply.size() != 68 || reply.compare(0, 2, "\r\n") != 0 ||
      reply.compare(66, 2, "\r\n") != 0) {
    return false;
  }
  for (size_t i = 2; i < 66; ++i) {
    char c = reply[i];
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StreamPort port(data, size);
  vrq5::Link link(port);
  for (int i = 0; i < 4; ++i) {
    int status = link.SendCommand("QV~VR-Q5J\r");
    if (status < 0 || status > 4) std::abort();
    if (!WellFormedFrame(link.SendQuery("QV~F00A00R\r"))) std::abort();
  }
  vrq5::Document doc;
  vrq5::Transfer transfer(link, doc);
  transfer.RunReadAll();
  for (int s = 0; s < vrq5::kMemoryChannels; ++s) {
    const std::string& label = doc.SlotLabel(s);
    if (!label.empty() && (label.size() != 6 || label.substr(0, 2) > "49")) {
      std::abort();
    }
  }
  for (int s = 0; s < vrq5::kSlotCount; ++s) {
    if (vrq5::EncodeChannel(doc.Mem[s], doc.opbModel).size() != 64)
      std::abort();
  }
  return 0;
}
