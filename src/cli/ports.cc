#include <QCoreApplication>
#include <iostream>

#include "cli/commands.h"
#include "cli/common.h"
#include "notes/note_text.h"
#include "serial/qt_serial_port.h"

namespace vrq5::cli {

namespace {
constexpr char kHelp[] =
    "Usage: vrq5 ports\n"
    "Lists the serial ports of this machine: name, device path, description.\n"
    "Any of the names or paths can be given as --port; so can 'sim'.\n";
}  // namespace

int RunPorts(const Args& args) {
  int code = kExitOk;
  auto parsed = ParseCommand("ports", args, {{}, {}, {}}, kHelp, code);
  if (!parsed) return code;
  if (!parsed->positional.empty()) {
    return UsageError("ports", "unexpected argument " + parsed->positional[0],
                      kHelp);
  }
  int argc = 1;
  char program_name[] = "vrq5";
  char* argv[] = {program_name, nullptr};
  QCoreApplication app(argc, argv);
  auto ports = ListSerialPorts();
  if (ports.empty()) std::cout << "No serial ports found.\n";
  for (const auto& p : ports) {
    // Names come from the system; none may steer the terminal.
    std::cout << NoteForTerminal(p.name) << "\t" << NoteForTerminal(p.path)
              << "\t" << NoteForTerminal(p.description) << "\n";
  }
  return kExitOk;
}

}  // namespace vrq5::cli
