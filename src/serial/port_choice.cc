#include "serial/port_choice.h"

#include "radio/sim_port.h"
#include "serial/qt_serial_port.h"

namespace vrq5 {

std::unique_ptr<SerialPort> MakePort(const std::string& name,
                                     radio::SimulatedReceiver& receiver) {
  if (name == kSimulatedPortName) {
    // A receiver with wire timing answers in real time, as a cable would.
    auto mode = receiver.faults().timing
                    ? radio::SimulatedPort::TimeMode::kReal
                    : radio::SimulatedPort::TimeMode::kVirtual;
    auto port = std::make_unique<radio::SimulatedPort>(receiver, mode);
    port->set_chosen_by_user(true);
    return port;
  }
  return std::make_unique<QtSerialPort>(name);
}

}  // namespace vrq5
