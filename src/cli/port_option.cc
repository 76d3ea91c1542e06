#include "cli/port_option.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>
#include <utility>
#include <vector>

#include "link/port_file.h"
#include "notes/note_text.h"
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

bool IsOwnTerminal(const std::string& path) {
#ifdef _WIN32
  (void)path;
  return false;  // COM ports are never the console
#else
  struct stat port {};
  if (path == kSimulatedPortName || ::stat(path.c_str(), &port) != 0 ||
      !S_ISCHR(port.st_mode)) {
    return false;
  }
  std::vector<dev_t> own;
  struct stat tty {};
  if (::stat("/dev/tty", &tty) == 0 && S_ISCHR(tty.st_mode)) {
    own.push_back(tty.st_rdev);
  }
  for (int fd = 0; fd <= 2; ++fd) {
    struct stat standard {};
    if (::isatty(fd) && ::fstat(fd, &standard) == 0) {
      own.push_back(standard.st_rdev);
    }
  }
#ifdef __linux__
  // The controlling terminal, also when no standard stream is on it.
  std::ifstream stat_file("/proc/self/stat");
  std::string line;
  std::getline(stat_file, line);
  auto name_end = line.rfind(')');
  if (name_end != std::string::npos) {
    std::istringstream fields(line.substr(name_end + 1));
    std::string state;
    long parent = 0, group = 0, session = 0, tty_nr = 0;
    if (fields >> state >> parent >> group >> session >> tty_nr &&
        tty_nr != 0) {
      auto number = static_cast<unsigned long>(tty_nr);
      own.push_back(makedev((number >> 8) & 0xFFF,
                            (number & 0xFF) | ((number >> 12) & 0xFFF00)));
    }
  }
#endif
  return std::find(own.begin(), own.end(), port.st_rdev) != own.end();
#endif
}

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
  // A port name is shown without the control characters it may hold.
  choice.shown = NoteForTerminal(name);
  if (IsOwnTerminal(name)) {
    std::cerr << "vrq5 " << command << ": "
              << (given ? "--port " : "the remembered port ") << choice.shown
              << " is this program's own terminal"
              << (given ? "" : ": give --port") << "\n";
    return std::nullopt;
  }
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
