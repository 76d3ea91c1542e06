// The link's serial port on a real device, through QSerialPort: 38400 bit/s,
// 8 data bits, no parity, 1 stop bit, no flow control. The port is made on
// the thread that opens it and is to be used from that thread only; that
// thread needs no event loop, but the process needs a QCoreApplication
// (or QApplication).
#ifndef VRQ5_SERIAL_QT_SERIAL_PORT_H_
#define VRQ5_SERIAL_QT_SERIAL_PORT_H_

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "link/serial_port.h"

class QSerialPort;

namespace vrq5 {

class QtSerialPort : public SerialPort {
 public:
  // `name` is a port name as ListSerialPorts gives it ("ttyUSB0", "COM3")
  // or a device path ("/dev/pts/4").
  explicit QtSerialPort(std::string name);
  ~QtSerialPort() override;
  QtSerialPort(const QtSerialPort&) = delete;
  QtSerialPort& operator=(const QtSerialPort&) = delete;

  bool Open() override;
  void Close() override;
  bool IsOpen() const override;
  OpenError open_error() const override { return open_error_; }
  bool Write(std::string_view data) override;
  bool ReadAvailable(std::string& out) override;
  bool WaitForData(Clock::duration timeout) override;

  // Another port: the open one is closed; the next Open opens the new one.
  void set_name(std::string name);
  const std::string& name() const { return name_; }
  // Text of the last error of the port, for diagnostics.
  std::string error_text() const;

 private:
  // False when the port holds an error other than a wait's timeout.
  bool Healthy();
  OpenError ClassifyOpenError() const;

  std::string name_;
  std::unique_ptr<QSerialPort> port_;
  OpenError open_error_ = OpenError::kNone;
};

struct SerialPortInfo {
  std::string name;         // "ttyUSB0", "COM3"
  std::string path;         // "/dev/ttyUSB0", "\\.\COM3"
  std::string description;  // as the system describes the device
};

// The serial ports of this machine. Elsewhere than on Windows, the USB
// adapters' device nodes in `device_folder` (ttyUSB*, ttyACM*) are listed
// too when the system's list lacks them (no udev or sysfs in a container).
std::vector<SerialPortInfo> ListSerialPorts(
    const std::filesystem::path& device_folder = "/dev");

}  // namespace vrq5

#endif  // VRQ5_SERIAL_QT_SERIAL_PORT_H_
