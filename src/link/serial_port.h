// The serial line to the receiver as the link sees it: open and close, write
// a command, take whatever has arrived without blocking, and block until
// more arrives or a time limit passes.
#ifndef VRQ5_LINK_SERIAL_PORT_H_
#define VRQ5_LINK_SERIAL_PORT_H_

#include <chrono>
#include <string>
#include <string_view>

namespace vrq5 {

// 38400 bit/s, 8 data bits, no parity, 1 stop bit, no flow control.
inline constexpr int kBaudRate = 38400;

// Why a port could not be opened.
enum class OpenError {
  kNone,          // it opened
  kMissing,       // no such port or device
  kInUse,         // another program holds it
  kNoPermission,  // this user may not open it
  kOther,         // anything else (not a serial device, ...)
};

class SerialPort {
 public:
  using Clock = std::chrono::steady_clock;

  virtual ~SerialPort() = default;

  // Opens the port; false when it does not exist or is in use.
  virtual bool Open() = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // Why the last Open failed; kNone after one that succeeded.
  virtual OpenError open_error() const { return OpenError::kOther; }

  // Sends `data`; false on an error of the port.
  virtual bool Write(std::string_view data) = 0;

  // Appends everything received so far to `out` and returns at once;
  // false on an error of the port.
  virtual bool ReadAvailable(std::string& out) = 0;

  // Blocks until something has arrived or `timeout` has passed. True when
  // data may be read (or an error waits to be found by ReadAvailable).
  virtual bool WaitForData(Clock::duration timeout) = 0;

  // The time base of WaitForData. A port that simulates time (the
  // in-process receiver) gives its own clock; others the steady clock.
  virtual Clock::time_point Now() const { return Clock::now(); }
  // True for the receiver built into the program, when the user chose it
  // as the port: what goes through it reaches no real receiver.
  virtual bool IsSimulated() const { return false; }
};

}  // namespace vrq5

#endif  // VRQ5_LINK_SERIAL_PORT_H_
