#include "radio/sim_port.h"

#include <thread>

namespace vrq5::radio {

SimulatedPort::SimulatedPort(SimulatedReceiver& receiver, TimeMode mode)
    : receiver_(receiver), mode_(mode) {}

bool SimulatedPort::Open() {
  if (open_fails_) {
    open_error_ = open_fails_why_;
    return false;
  }
  open_error_ = OpenError::kNone;
  open_ = true;
  return true;
}

void SimulatedPort::Close() {
  open_ = false;
  pending_.clear();
}

SerialPort::Clock::time_point SimulatedPort::Now() const {
  return mode_ == TimeMode::kVirtual ? virtual_now_ : Clock::now();
}

bool SimulatedPort::Write(std::string_view data) {
  if (!open_ || io_fails_) return false;
  auto now = Now();
  for (auto& d : receiver_.Receive(data)) {
    pending_.emplace(now + std::chrono::duration_cast<Clock::duration>(d.after),
                     std::move(d.data));
  }
  return true;
}

bool SimulatedPort::ReadAvailable(std::string& out) {
  if (!open_ || io_fails_) return false;
  auto now = Now();
  auto end = pending_.upper_bound(now);
  for (auto it = pending_.begin(); it != end; ++it) out += it->second;
  pending_.erase(pending_.begin(), end);
  return true;
}

bool SimulatedPort::WaitForData(Clock::duration timeout) {
  auto now = Now();
  bool due = !pending_.empty() && pending_.begin()->first <= now + timeout;
  auto until = due ? std::max(pending_.begin()->first, now) : now + timeout;
  if (mode_ == TimeMode::kVirtual) {
    virtual_now_ = until;
  } else {
    std::this_thread::sleep_until(until);
  }
  return due;
}

}  // namespace vrq5::radio
