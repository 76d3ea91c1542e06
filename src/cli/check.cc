// vrq5 check: the connection check, with its verdict in plain words.
#include <QCoreApplication>
#include <csignal>
#include <iostream>

#include "cli/commands.h"
#include "cli/common.h"
#include "cli/port_option.h"
#include "cli/stop_signals.h"
#include "link/connection_check.h"
#include "notes/note_text.h"
#include "serial/qt_serial_port.h"

namespace vrq5::cli {

namespace {

constexpr char kHelp[] =
    "Usage: vrq5 check [--port P] [--model M]\n"
    "Checks the cable and the receiver: sends what every read sends before\n"
    "its first data block, then QV~FINISH; nothing is read or written. Says\n"
    "what is wrong (the port, the cable or the power, the cloning mode, the\n"
    "model) and what to do. Exits 0 when all is well, 1 otherwise.\n"
    "\n"
    "  --port P    a device path, a port name as 'vrq5 ports' lists it, or\n"
    "              'sim'; without it the port remembered from the last --port\n"
    "  --model M   VR-Q5J (default), VR-Q70E, VR-Q70T or VR-Q70K\n";

}  // namespace

int RunCheck(const Args& args) {
  int code = kExitOk;
  auto parsed =
      ParseCommand("check", args, {{"--port", "--model"}, {}, {}}, kHelp, code);
  if (!parsed) return code;
  if (!parsed->positional.empty()) {
    return UsageError("check", "unexpected argument " + parsed->positional[0],
                      kHelp);
  }
  Document doc;
  if (!ApplyModel("check", *parsed, doc)) return kExitUsage;

  int argc = 1;
  char program_name[] = "vrq5";
  char* argv[] = {program_name, nullptr};
  QCoreApplication app(argc, argv);
  auto choice = ChoosePort(
      "check", *parsed, QCoreApplication::applicationFilePath().toStdString(),
      doc.ModelIndex);
  if (!choice) return kExitUsage;

  Link link(*choice->port);
  ConnectionReport report;
  {
    StopSignals stop({SIGINT});
    link.set_cancel_flag(stop.stopped());
    std::cerr << "Checking " << choice->shown << " ...\n";
    report = CheckConnection(link, doc.ModelIndex);
    choice->port->Close();
  }

  std::vector<std::string> ports;
  for (const auto& p : ListSerialPorts()) {
    ports.push_back(NoteForTerminal(p.name));
  }
  std::cout << VerdictText(report, choice->shown, ports) << "\n";
  return report.ok() ? kExitOk : kExitFailure;
}

}  // namespace vrq5::cli
