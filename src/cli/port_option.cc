#include "cli/port_option.h"

#include <iostream>
#include <utility>

#include "link/port_file.h"
#include "serial/port_choice.h"

namespace vrq5::cli {

namespace {

// A port that writes the port file the first time it opens, so that only a
// port that exists (and may be used) is remembered for the next command.
class RememberedPort : public SerialPort {
 public:
  RememberedPort(std::unique_ptr<SerialPort> port, std::filesystem::path folder,
                 std::string name)
      : port_(std::move(port)),
        folder_(std::move(folder)),
        name_(std::move(name)) {}

  bool Open() override {
    bool opened = port_->Open();
    if (opened && !remembered_) {
      remembered_ = true;
      SavePortName(folder_, name_);
    }
    return opened;
  }
  void Close() override { port_->Close(); }
  bool IsOpen() const override { return port_->IsOpen(); }
  OpenError open_error() const override { return port_->open_error(); }
  bool Write(std::string_view data) override { return port_->Write(data); }
  bool ReadAvailable(std::string& out) override {
    return port_->ReadAvailable(out);
  }
  bool WaitForData(Clock::duration timeout) override {
    return port_->WaitForData(timeout);
  }
  Clock::time_point Now() const override { return port_->Now(); }

 private:
  std::unique_ptr<SerialPort> port_;
  std::filesystem::path folder_;
  std::string name_;
  bool remembered_ = false;
};

}  // namespace

std::optional<PortChoice> ChoosePort(const std::string& command,
                                     const ParsedArgs& parsed,
                                     const std::string& program,
                                     int model_index) {
  std::string name;
  auto folder = DefaultPortFolder(program);
  auto given = parsed.Value("--port");
  if (given) {
    name = PortPathFromText(*given);
    if (name.empty()) {
      std::cerr << "vrq5 " << command
                << ": --port needs a port name (see 'vrq5 ports')\n";
      return std::nullopt;
    }
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
  if (name == kSimulatedPortName) {
    std::cerr << "Using the simulated receiver.\n";
  } else if (given) {
    choice.port =
        std::make_unique<RememberedPort>(std::move(choice.port), folder, name);
  }
  return choice;
}

}  // namespace vrq5::cli
