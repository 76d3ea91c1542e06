#include "cli/port_option.h"

#include <iostream>

#include "link/port_file.h"
#include "serial/port_choice.h"

namespace vrq5::cli {

std::optional<PortChoice> ChoosePort(const std::string& command,
                                     const ParsedArgs& parsed,
                                     const std::string& program,
                                     int model_index) {
  std::string name;
  auto folder = DefaultPortFolder(program);
  if (auto given = parsed.Value("--port")) {
    name = *given;
    if (name != kSimulatedPortName) SavePortName(folder, name);
  } else {
    name = LoadPortName(folder);
  }
  if (name.empty()) {
    std::cerr << "vrq5 " << command
              << ": no port chosen yet: give --port (see 'vrq5 ports')\n";
    return std::nullopt;
  }
  PortChoice choice;
  choice.name = name;
  choice.receiver = std::make_unique<radio::SimulatedReceiver>(model_index);
  choice.port = MakePort(name, *choice.receiver);
  return choice;
}

}  // namespace vrq5::cli
