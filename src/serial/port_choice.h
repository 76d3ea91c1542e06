// The port a transfer goes through, by the name the user chose: "sim" is
// the built-in simulated receiver, any other name a serial port or device
// path opened through QSerialPort.
#ifndef VRQ5_SERIAL_PORT_CHOICE_H_
#define VRQ5_SERIAL_PORT_CHOICE_H_

#include <memory>
#include <string>
#include <string_view>

#include "link/port_file.h"
#include "link/serial_port.h"
#include "radio/receiver.h"

namespace vrq5 {

// The port of `name`. For "sim" the port talks to `receiver`, which must
// outlive it, in virtual time (no waiting) unless the receiver has wire
// timing, which it then keeps in real time. The port is opened by the first
// exchange.
std::unique_ptr<SerialPort> MakePort(const std::string& name,
                                     radio::SimulatedReceiver& receiver);

}  // namespace vrq5

#endif  // VRQ5_SERIAL_PORT_CHOICE_H_
