#include "link/connection_check.h"

#include <algorithm>
#include <exception>

#include "codec/tables.h"
#include "codec/text.h"
#include "codec/ui_text.h"
#include "link/protocol.h"
#include "link/transfer.h"

namespace vrq5 {

namespace {

std::string Model(int index) {
  return std::string(ModelName[std::clamp(index, 0, kIdentityModels - 1)]);
}

Verdict PortVerdict(OpenError why) {
  switch (why) {
    case OpenError::kMissing:
      return Verdict::kPortMissing;
    case OpenError::kInUse:
      return Verdict::kPortInUse;
    case OpenError::kNoPermission:
      return Verdict::kPortNoPermission;
    default:
      return Verdict::kPortUnusable;
  }
}

// After the identity was taken: the one-byte write and the read of
// LinkBank, as every read sends them.
Verdict CompleteLink(Link& link, ConnectionReport& report) {
  if (!link.CommandLoop(WriteCommandLine(kLinkWriteAddress, "00")).ok()) {
    return link.cancelled() ? Verdict::kCancelled : Verdict::kLinkIncomplete;
  }
  QueryOutcome q = link.QueryLoop(ReadCommandLine(kProbeAddress));
  if (!q.ok()) {
    return link.cancelled() ? Verdict::kCancelled : Verdict::kLinkIncomplete;
  }
  int value = HexByteAt(q.reply, 3);
  report.link_bank = value < 100 ? Pad2(value) : std::to_string(value);
  return Verdict::kLinked;
}

// Leaves the receiver unidentified, as after a write.
Verdict Finish(Link& link, Verdict verdict) {
  if (link.CommandLoop(kFinishLine).ok()) return verdict;
  if (link.cancelled()) return Verdict::kCancelled;
  return verdict == Verdict::kLinked ? Verdict::kLinkIncomplete : verdict;
}

Verdict Check(Link& link, ConnectionReport& report) {
  if (!link.EnsureOpen()) return PortVerdict(link.port().open_error());
  const long heard_before = link.characters_heard();
  const std::string probe = ReadCommandLine(kProbeAddress);
  QueryOutcome p = link.QueryLoop(probe, kProbeAttempts);
  if (p.end == LoopEnd::kCancelled) return Verdict::kCancelled;
  if (p.end == LoopEnd::kStopped) return Verdict::kPortUnusable;
  if (p.ok()) {
    // Still linked from an earlier run: its model is not known until it is
    // unlinked and identified once more.
    report.already_linked = true;
    if (!link.CommandLoop(kFinishLine).ok()) {
      return link.cancelled() ? Verdict::kCancelled : Verdict::kLinkIncomplete;
    }
  }
  CommandOutcome id = link.CommandLoop(IdentityLine(report.model_index));
  if (id.ok()) {
    report.answered_model = report.model_index;
    Verdict linked = CompleteLink(link, report);
    return linked == Verdict::kLinked ? Finish(link, linked) : linked;
  }
  if (id.end == LoopEnd::kCancelled) return Verdict::kCancelled;
  if (id.end == LoopEnd::kStopped) {
    if (id.status != kRefused) return Verdict::kPortUnusable;
    ModelSearch other = FindAcceptedModel(link, report.model_index);
    if (other.cancelled) return Verdict::kCancelled;
    if (other.model < 0) return Verdict::kRefusedByAll;
    report.answered_model = other.model;
    return Finish(link, Verdict::kOtherModel);
  }
  if (id.status == kOtherReply) return Verdict::kUnexpectedAnswer;
  return link.characters_heard() == heard_before ? Verdict::kSilent
                                                 : Verdict::kNotInCloneMode;
}

}  // namespace

ModelSearch FindAcceptedModel(Link& link, int refused_model) {
  ModelSearch search;
  for (int m = 0; m < kIdentityModels; ++m) {
    if (m == refused_model) continue;
    CommandOutcome other = link.CommandLoop(IdentityLine(m));
    if (other.end == LoopEnd::kCancelled) {
      search.cancelled = true;
      return search;
    }
    if (other.ok()) {
      search.model = m;
      return search;
    }
  }
  return search;
}

ConnectionReport CheckConnection(Link& link, int model_index) {
  ConnectionReport report;
  report.model_index = std::clamp(model_index, 0, kIdentityModels - 1);
  TransferGuard guard(link);
  if (!guard.held()) {
    report.verdict = Verdict::kBusy;
    return report;
  }
  report.simulated = link.port().IsSimulated();
  try {
    report.verdict = Check(link, report);
  } catch (const std::exception&) {
    report.verdict = Verdict::kPortUnusable;
  }
  return report;
}

std::string VerdictHeadline(Verdict verdict, bool simulated) {
  std::string_view text;
  switch (verdict) {
    case Verdict::kLinked:
      text = simulated ? UiText("The simulated receiver answers.")
                       : UiText("The receiver answers.");
      break;
    case Verdict::kPortMissing:
      text = UiText("The port does not exist.");
      break;
    case Verdict::kPortInUse:
      text = UiText("The port is in use.");
      break;
    case Verdict::kPortNoPermission:
      text = UiText("You may not open the port.");
      break;
    case Verdict::kPortUnusable:
      text = UiText("The port cannot be used.");
      break;
    case Verdict::kSilent:
      text = UiText("Nothing comes back.");
      break;
    case Verdict::kNotInCloneMode:
      text = UiText("The receiver is not in its cloning mode.");
      break;
    case Verdict::kUnexpectedAnswer:
      text = UiText("Something answers, but not as the receiver does.");
      break;
    case Verdict::kOtherModel:
      text = UiText("The receiver is of another model.");
      break;
    case Verdict::kRefusedByAll:
      text = UiText("The receiver refuses every model.");
      break;
    case Verdict::kLinkIncomplete:
      text = UiText("The receiver stopped answering.");
      break;
    case Verdict::kCancelled:
      text = UiText("The check was stopped.");
      break;
    case Verdict::kBusy:
      text = UiText("A transfer with the receiver is running.");
      break;
  }
  return std::string(text);
}

std::string VerdictDetails(const ConnectionReport& report,
                           const std::string& port,
                           const std::vector<std::string>& ports) {
  auto known_ports = [&] {
    if (ports.empty()) {
      return std::string(
          UiText("No serial port was found on this machine: plug the cable in "
                 "(a USB cable shows its port once it is plugged in)."));
    }
    std::string list;
    for (size_t i = 0; i < ports.size(); ++i) {
      list += (i == 0 ? "" : ", ") + ports[i];
    }
    return Fill(UiText("Serial ports of this machine: %1."), {list});
  };
  const std::string selected = Model(report.model_index);
  const std::string answered = Model(report.answered_model);
  switch (report.verdict) {
    case Verdict::kLinked:
      return Fill(UiText("Model: %1. LinkBank: %2."),
                  {answered, report.link_bank}) +
             "\n" +
             (report.already_linked
                  ? std::string(UiText(
                        "It was still linked from an earlier transfer.")) +
                        "\n"
                  : "") +
             std::string(UiText("Everything is ready for a transfer."));
    case Verdict::kPortMissing:
      return Fill(UiText("There is no port %1. Choose the cable's port (COM "
                         "Port Setup in the window, --port on the command "
                         "line)."),
                  {port}) +
             "\n" + known_ports();
    case Verdict::kPortInUse:
      return Fill(UiText("Another program holds %1. Close that program (or "
                         "the other window of this one) and check again."),
                  {port});
    case Verdict::kPortNoPermission:
      return Fill(UiText("This user may not open %1. On Linux, add the user "
                         "to the group that owns serial ports (usually "
                         "dialout: sudo adduser $USER dialout), then log out "
                         "and in again."),
                  {port});
    case Verdict::kPortUnusable:
      return Fill(UiText("%1 opened but failed when written or read: it may "
                         "not be a serial port, or the cable was pulled out. "
                         "Plug the cable in again or choose another port."),
                  {port}) +
             "\n" + known_ports();
    case Verdict::kSilent:
      return Fill(UiText("Not even the echo of what was sent comes back on "
                         "%1. Check that the cable is plugged in at both ends "
                         "and that the receiver is switched on."),
                  {port});
    case Verdict::kNotInCloneMode:
      return std::string(
          UiText("What was sent comes back as the echo, but the receiver "
                 "gives no answer. Switch it off, switch it on again in its "
                 "cloning mode and check again."));
    case Verdict::kUnexpectedAnswer:
      return Fill(UiText("The device on %1 answers in a way the receiver "
                         "never does. It may be another device, or the line "
                         "is noisy; check the port and the cable."),
                  {port});
    case Verdict::kOtherModel:
      return Fill(UiText("It refused the identity of the %1 and took that of "
                         "the %2. Select the model %2 before a transfer."),
                  {selected, answered});
    case Verdict::kRefusedByAll:
      return std::string(
          UiText("It refused the identity of each model (VR-Q5J, VR-Q70E, "
                 "VR-Q70T, VR-Q70K). It may be of a model or region this "
                 "program does not know."));
    case Verdict::kLinkIncomplete:
      return report.answered_model >= 0
                 ? Fill(UiText("It took the identity of the %1, then gave no "
                               "answer. Check the cable and check again."),
                        {answered})
                 : std::string(UiText("It answered at first, then gave no "
                                      "answer. Check the cable and check "
                                      "again."));
    case Verdict::kCancelled:
      return std::string(UiText("Nothing more was sent."));
    case Verdict::kBusy:
      return std::string(UiText("Check again when it has ended."));
  }
  return "";
}

std::string VerdictText(const ConnectionReport& report, const std::string& port,
                        const std::vector<std::string>& ports) {
  return VerdictHeadline(report.verdict, report.simulated) + "\n" +
         VerdictDetails(report, port, ports);
}

}  // namespace vrq5
