// vrq5 sim: the simulated receiver on a pseudo-terminal, for trying the
// program (window included) without a receiver.
#include <signal.h>

#include <iostream>

#include "cli/commands.h"
#include "cli/common.h"
#include "codec/tables.h"
#include "codec/text.h"
#include "radio/pty_host.h"
#include "radio/receiver.h"

namespace vrq5::cli {

namespace {

constexpr char kHelp[] =
    "Usage: vrq5 sim [--model M] [--load FILE.VQ5] [--timing] [--fault F]...\n"
    "Serves a simulated receiver on a pseudo-terminal until stopped (Ctrl+C).\n"
    "The first line printed is the device path to give as --port.\n"
    "\n"
    "  --model M      VR-Q5J (default), VR-Q70E, VR-Q70T or VR-Q70K\n"
    "  --load FILE    fill the memory from a clone file, as Write > ALL does\n"
    "  --timing       wire timing: 10 bits a character at 38400 bit/s and a\n"
    "                 2 ms turnaround before each answer\n"
    "  --seed N       seed of the random faults\n"
    "  --fault F      drop:P        drop a reply with probability P (0..1)\n"
    "                 corrupt:P     change a character of a reply\n"
    "                 pieces:N      send every reply in N pieces\n"
    "                 late:P        send a reply 700 ms late\n"
    "                 no-echo       do not echo the command\n"
    "                 silent-from:N say nothing from the N-th command on\n"
    "                 refuse-identity  answer every identity with RE\n"
    "                 corrupt-write answer OK to the first write of a channel\n"
    "                               but store it with its mode changed\n"
    "                 ignore-write  answer OK to the first write of a channel\n"
    "                               but keep the memory as it was\n"
    "                 no-clone-mode echo every line and answer none, as a\n"
    "                               receiver outside its cloning mode\n";

// Applies one --fault value; false when it is not one.
bool ApplyFault(const std::string& text, radio::Faults& faults) {
  std::string name = text.substr(0, text.find(':'));
  std::string value = text.find(':') == std::string::npos
                          ? ""
                          : text.substr(text.find(':') + 1);
  double number = Val(value);
  bool has_number = !value.empty();
  if (name == "drop" && has_number && number >= 0 && number <= 1) {
    faults.drop_reply = number;
  } else if (name == "corrupt" && has_number && number >= 0 && number <= 1) {
    faults.corrupt_reply = number;
  } else if (name == "pieces" && has_number && number >= 1 && number <= 64) {
    faults.split_pieces = static_cast<int>(number);
  } else if (name == "late" && has_number && number >= 0 && number <= 1) {
    faults.late_reply = number;
  } else if (name == "no-echo" && !has_number) {
    faults.no_echo = true;
  } else if (name == "silent-from" && has_number && number >= 1) {
    faults.silent_from = static_cast<long>(number);
  } else if (name == "refuse-identity" && !has_number) {
    faults.refuse_identity = true;
  } else if (name == "corrupt-write" && !has_number) {
    faults.corrupt_write = true;
  } else if (name == "ignore-write" && !has_number) {
    faults.ignore_write = true;
  } else if (name == "no-clone-mode" && !has_number) {
    faults.not_in_clone_mode = true;
  } else {
    return false;
  }
  return true;
}

}  // namespace

int RunSim(const Args& args) {
  int code = kExitOk;
  auto parsed = ParseCommand(
      "sim", args, {{"--model", "--load", "--seed"}, {"--timing"}, {"--fault"}},
      kHelp, code);
  if (!parsed) return code;
  if (!parsed->positional.empty()) {
    return UsageError("sim", "unexpected argument " + parsed->positional[0],
                      kHelp);
  }
  Document doc;
  if (!ApplyModel("sim", *parsed, doc)) return kExitUsage;

  radio::Faults faults;
  faults.timing = parsed->Has("--timing");
  if (auto seed = parsed->Value("--seed")) {
    faults.seed = static_cast<uint32_t>(Val(*seed));
  }
  auto fault_values = parsed->values.find("--fault");
  if (fault_values != parsed->values.end()) {
    for (const auto& f : fault_values->second) {
      if (!ApplyFault(f, faults))
        return UsageError("sim", "unknown fault " + f, kHelp);
    }
  }

  radio::SimulatedReceiver receiver(doc.ModelIndex);
  if (auto load = parsed->Value("--load")) {
    if (int rc = OpenDocument(doc, *load)) return rc;
    if (!receiver.LoadDocument(doc)) {
      std::cerr
          << "vrq5 sim: " << *load
          << " cannot be written into the receiver (Total CH must be 1000)\n";
      return kExitFailure;
    }
  }
  receiver.set_faults(faults);

  // Block the stop signals before the host's thread starts, so that only
  // the wait below takes them.
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGINT);
  sigaddset(&stop, SIGTERM);
  sigaddset(&stop, SIGHUP);
  pthread_sigmask(SIG_BLOCK, &stop, nullptr);

  radio::PtyHost host(receiver);
  std::string error;
  if (!host.Start(&error)) {
    std::cerr << "vrq5 sim: cannot make a pseudo-terminal: " << error << "\n";
    return kExitFailure;
  }
  std::cout << host.device_path() << std::endl;
  std::cerr << "Simulated " << ModelName[doc.ModelIndex] << " on "
            << host.device_path() << (faults.timing ? " (wire timing)" : "")
            << "; Ctrl+C stops it.\n";
  int signal_number = 0;
  sigwait(&stop, &signal_number);
  host.Stop();
  std::cerr << "Stopped after " << receiver.commands() << " commands.\n";
  return kExitOk;
}

}  // namespace vrq5::cli
