// The --port option of the commands that talk to the receiver.
#ifndef VRQ5_CLI_PORT_OPTION_H_
#define VRQ5_CLI_PORT_OPTION_H_

#include <memory>
#include <optional>
#include <string>

#include "cli/args.h"
#include "link/serial_port.h"
#include "radio/receiver.h"

namespace vrq5::cli {

// The port a transfer goes through, with what it needs kept alive.
struct PortChoice {
  std::string name;
  std::string shown;  // the name as the terminal shows it
  std::unique_ptr<radio::SimulatedReceiver> receiver;
  std::unique_ptr<SerialPort> port;
};

// The port named by --port, or the remembered one. A port given (not
// "sim") is remembered for the next command once it has opened, so a
// mistyped or unplugged port never replaces a good one. On the simulated
// receiver "Using the simulated receiver." goes to standard error first.
// Empty on a usage error (message printed), --port "" among them, and a
// port that is the program's own terminal.
std::optional<PortChoice> ChoosePort(const std::string& command,
                                     const ParsedArgs& parsed,
                                     const std::string& program,
                                     int model_index);

// True when `path` is the terminal the program runs in: /dev/tty, its
// controlling terminal, or the terminal of its standard input, output or
// error. Talking to it as a receiver would send command lines to the user
// and take the user's keys as the receiver's answers.
bool IsOwnTerminal(const std::string& path);

}  // namespace vrq5::cli

#endif  // VRQ5_CLI_PORT_OPTION_H_
