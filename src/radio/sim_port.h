// The simulated receiver as an in-process serial port, for fast tests and
// for the built-in port "sim".
//
// In virtual time (the default) waiting costs no real time: a wait moves
// the port's clock to the next piece of output, or by the whole timeout
// when nothing is due. In real time the port sleeps instead.
#ifndef VRQ5_RADIO_SIM_PORT_H_
#define VRQ5_RADIO_SIM_PORT_H_

#include <map>
#include <string>

#include "link/serial_port.h"
#include "radio/receiver.h"

namespace vrq5::radio {

class SimulatedPort : public SerialPort {
 public:
  enum class TimeMode { kVirtual, kReal };

  explicit SimulatedPort(SimulatedReceiver& receiver,
                         TimeMode mode = TimeMode::kVirtual);

  bool Open() override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  bool Write(std::string_view data) override;
  bool ReadAvailable(std::string& out) override;
  bool WaitForData(Clock::duration timeout) override;
  Clock::time_point Now() const override;

  OpenError open_error() const override { return open_error_; }
  // The port the user chose as "sim" says so; a test's port does not.
  bool IsSimulated() const override { return chosen_by_user_; }
  void set_chosen_by_user(bool chosen) { chosen_by_user_ = chosen; }

  // Port faults: opening fails (for the reason given); writing and reading
  // fail (a port that breaks while open).
  void set_open_fails(bool fails, OpenError why = OpenError::kInUse) {
    open_fails_ = fails;
    open_fails_why_ = why;
  }
  void set_io_fails(bool fails) { io_fails_ = fails; }

  // Characters sent by the receiver and not yet taken.
  size_t pending() const { return pending_.size(); }

 private:
  SimulatedReceiver& receiver_;
  TimeMode mode_;
  bool open_ = false;
  bool open_fails_ = false;
  OpenError open_fails_why_ = OpenError::kInUse;
  OpenError open_error_ = OpenError::kNone;
  bool io_fails_ = false;
  bool chosen_by_user_ = false;
  Clock::time_point virtual_now_{};
  std::multimap<Clock::time_point, std::string> pending_;
};

}  // namespace vrq5::radio

#endif  // VRQ5_RADIO_SIM_PORT_H_
