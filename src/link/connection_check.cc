#include "link/connection_check.h"

#include <algorithm>
#include <exception>

#include "codec/tables.h"
#include "codec/text.h"
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
  switch (verdict) {
    case Verdict::kLinked:
      return simulated ? "The simulated receiver answers."
                       : "The receiver answers.";
    case Verdict::kPortMissing:
      return "The port does not exist.";
    case Verdict::kPortInUse:
      return "The port is in use.";
    case Verdict::kPortNoPermission:
      return "You may not open the port.";
    case Verdict::kPortUnusable:
      return "The port cannot be used.";
    case Verdict::kSilent:
      return "Nothing comes back.";
    case Verdict::kNotInCloneMode:
      return "The receiver is not in its cloning mode.";
    case Verdict::kUnexpectedAnswer:
      return "Something answers, but not as the receiver does.";
    case Verdict::kOtherModel:
      return "The receiver is of another model.";
    case Verdict::kRefusedByAll:
      return "The receiver refuses every model.";
    case Verdict::kLinkIncomplete:
      return "The receiver stopped answering.";
    case Verdict::kCancelled:
      return "The check was stopped.";
    case Verdict::kBusy:
      return "A transfer with the receiver is running.";
  }
  return "";
}

std::string VerdictDetails(const ConnectionReport& report,
                           const std::string& port,
                           const std::vector<std::string>& ports) {
  std::string text;
  auto known_ports = [&] {
    if (ports.empty()) {
      return std::string(
          "No serial port was found on this machine: plug the cable in (a USB "
          "cable shows its port once it is plugged in).");
    }
    std::string list = "Serial ports of this machine:";
    for (size_t i = 0; i < ports.size(); ++i) {
      list += (i == 0 ? " " : ", ") + ports[i];
    }
    return list + ".";
  };
  const std::string selected = Model(report.model_index);
  switch (report.verdict) {
    case Verdict::kLinked:
      text += "Model: " + Model(report.answered_model) +
              ". LinkBank: " + report.link_bank + ".\n";
      if (report.already_linked) {
        text += "It was still linked from an earlier transfer.\n";
      }
      text += "Everything is ready for a transfer.";
      break;
    case Verdict::kPortMissing:
      text += "There is no port " + port +
              ". Choose the cable's port (COM Port Setup in the window, "
              "--port on the command line).\n" +
              known_ports();
      break;
    case Verdict::kPortInUse:
      text += "Another program holds " + port +
              ". Close that program (or the other window of this one) and "
              "check again.";
      break;
    case Verdict::kPortNoPermission:
      text += "This user may not open " + port +
              ". On Linux, add the user to the group that owns serial ports "
              "(usually dialout: sudo adduser $USER dialout), then log out "
              "and in again.";
      break;
    case Verdict::kPortUnusable:
      text += port +
              " opened but failed when written or read: it may not be a "
              "serial port, or the cable was pulled out. Plug the cable in "
              "again or choose another port.\n" +
              known_ports();
      break;
    case Verdict::kSilent:
      text += "Not even the echo of what was sent comes back on " + port +
              ". Check that the cable is plugged in at both ends and that "
              "the receiver is switched on.";
      break;
    case Verdict::kNotInCloneMode:
      text +=
          "What was sent comes back as the echo, but the receiver gives no "
          "answer. Switch it off, switch it on again in its cloning mode and "
          "check again.";
      break;
    case Verdict::kUnexpectedAnswer:
      text += "The device on " + port +
              " answers in a way the receiver never does. It may be another "
              "device, or the line is noisy; check the port and the cable.";
      break;
    case Verdict::kOtherModel:
      text += "It refused the identity of the " + selected +
              " and took that of the " + Model(report.answered_model) +
              ". Select the model " + Model(report.answered_model) +
              " before a transfer.";
      break;
    case Verdict::kRefusedByAll:
      text +=
          "It refused the identity of each model (VR-Q5J, VR-Q70E, VR-Q70T, "
          "VR-Q70K). It may be of a model or region this program does not "
          "know.";
      break;
    case Verdict::kLinkIncomplete:
      text += (report.answered_model >= 0
                   ? "It took the identity of the " +
                         Model(report.answered_model) + ", then"
                   : std::string("It answered at first, then")) +
              " gave no answer. Check the cable and check again.";
      break;
    case Verdict::kCancelled:
      text += "Nothing more was sent.";
      break;
    case Verdict::kBusy:
      text += "Check again when it has ended.";
      break;
  }
  return text;
}

std::string VerdictText(const ConnectionReport& report, const std::string& port,
                        const std::vector<std::string>& ports) {
  return VerdictHeadline(report.verdict, report.simulated) + "\n" +
         VerdictDetails(report, port, ports);
}

}  // namespace vrq5
