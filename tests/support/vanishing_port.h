// A port that fails every exchange from the (n+1)-th write on, as a port
// that has gone away (a cable pulled, an adapter unplugged) does.
#ifndef VRQ5_TESTS_SUPPORT_VANISHING_PORT_H_
#define VRQ5_TESTS_SUPPORT_VANISHING_PORT_H_

#include <string>
#include <string_view>

#include "link/serial_port.h"

namespace vrq5::testing {

class VanishingPort : public SerialPort {
 public:
  VanishingPort(SerialPort& inner, long n) : inner_(inner), left_(n) {}
  bool Open() override { return inner_.Open(); }
  void Close() override { inner_.Close(); }
  bool IsOpen() const override { return inner_.IsOpen(); }
  bool Write(std::string_view data) override {
    if (left_-- <= 0) gone_ = true;
    return !gone_ && inner_.Write(data);
  }
  bool ReadAvailable(std::string& out) override {
    return !gone_ && inner_.ReadAvailable(out);
  }
  bool WaitForData(Clock::duration t) override {
    return gone_ || inner_.WaitForData(t);
  }
  Clock::time_point Now() const override { return inner_.Now(); }

 private:
  SerialPort& inner_;
  long left_;
  bool gone_ = false;
};

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_SUPPORT_VANISHING_PORT_H_
