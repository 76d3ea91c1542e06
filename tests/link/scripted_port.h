// A serial port that answers each write with a scripted list of timed
// pieces, in virtual time, and records what was written.
#ifndef VRQ5_TESTS_LINK_SCRIPTED_PORT_H_
#define VRQ5_TESTS_LINK_SCRIPTED_PORT_H_

#include <chrono>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "link/serial_port.h"

namespace vrq5::testing {

using std::chrono::milliseconds;

struct Piece {
  milliseconds after{0};
  std::string data;
};

class ScriptedPort : public SerialPort {
 public:
  // The pieces sent back for the next write; a write without a script gets
  // no answer.
  void Answer(std::vector<Piece> pieces) { script_.push_back(pieces); }
  // Characters that arrive `after` from now, unasked.
  void Inject(milliseconds after, std::string data) {
    pending_.emplace(now_ + after, std::move(data));
  }

  bool Open() override {
    ++opens;
    if (open_fails) return false;
    open = true;
    return true;
  }
  void Close() override { open = false; }
  bool IsOpen() const override { return open; }
  bool Write(std::string_view data) override {
    if (!open || io_fails) return false;
    written.emplace_back(data);
    if (!script_.empty()) {
      for (auto& p : script_.front()) pending_.emplace(now_ + p.after, p.data);
      script_.pop_front();
    }
    return true;
  }
  bool ReadAvailable(std::string& out) override {
    if (!open || io_fails) return false;
    auto end = pending_.upper_bound(now_);
    for (auto it = pending_.begin(); it != end; ++it) out += it->second;
    pending_.erase(pending_.begin(), end);
    return true;
  }
  bool WaitForData(Clock::duration timeout) override {
    ++waits;
    bool due = !pending_.empty() && pending_.begin()->first <= now_ + timeout;
    now_ = due ? std::max(now_, pending_.begin()->first) : now_ + timeout;
    return due;
  }
  Clock::time_point Now() const override { return now_; }

  Clock::duration elapsed() const { return now_.time_since_epoch(); }

  bool open = false;
  bool open_fails = false;
  bool io_fails = false;
  int opens = 0;
  int waits = 0;
  std::vector<std::string> written;

 private:
  Clock::time_point now_{};
  std::deque<std::vector<Piece>> script_;
  std::multimap<Clock::time_point, std::string> pending_;
};

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_LINK_SCRIPTED_PORT_H_
