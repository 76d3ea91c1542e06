// The connection check: what every read sends before its first data block
// (the probe of address 0x0022, the identity with its one-byte write at
// 0x0FD01, the read of LinkBank), then "QV~FINISH". No data block is read
// or written and the document is not touched. The outcome names what is
// wrong in plain words: the port, the cable or the power, the cloning
// mode, or the model.
#ifndef VRQ5_LINK_CONNECTION_CHECK_H_
#define VRQ5_LINK_CONNECTION_CHECK_H_

#include <string>
#include <vector>

#include "link/exchange.h"

namespace vrq5 {

enum class Verdict {
  kLinked,            // the receiver took the identity; LinkBank read
  kPortMissing,       // the port does not exist
  kPortInUse,         // another program holds the port
  kPortNoPermission,  // this user may not open the port
  kPortUnusable,      // the port opened but cannot be used, or broke
  kSilent,            // nothing at all came back
  kNotInCloneMode,    // the echo came back, no answer
  kUnexpectedAnswer,  // something answers, but not as the receiver does
  kOtherModel,        // refused the selected identity, took another one
  kRefusedByAll,      // refused the identity of every model
  kLinkIncomplete,    // took the identity, then stopped answering
  kCancelled,         // the cancel flag was raised
  kBusy,              // another transfer holds the link
};

struct ConnectionReport {
  Verdict verdict = Verdict::kSilent;
  int model_index = 0;          // the model whose identity was sent first
  int answered_model = -1;      // the model the receiver took, when it took one
  std::string link_bank;        // kLinked: byte 0x0022 as two decimal digits
  bool already_linked = false;  // the probe was answered before the identity
  bool simulated = false;       // the port is the built-in receiver
  bool ok() const { return verdict == Verdict::kLinked; }
};

// Runs the check on the link's port for the model `model_index` (0..3).
ConnectionReport CheckConnection(Link& link, int model_index);

// After the receiver refused the identity of `refused_model`: the identity
// of every other model in turn until one is taken. `model` is the model
// taken (the receiver is then identified as it), -1 when none was;
// `cancelled` when the cancel flag stopped the search.
struct ModelSearch {
  int model = -1;
  bool cancelled = false;
};
ModelSearch FindAcceptedModel(Link& link, int refused_model);

// The verdict in one line ("The receiver answers.", "Nothing comes back.");
// on the built-in receiver a linked one is "The simulated receiver
// answers.".
std::string VerdictHeadline(Verdict verdict, bool simulated = false);

// What the verdict means and what to do, the lines under the headline.
// `port` is the port checked; `ports` the serial ports of the machine,
// listed where the port could not be opened.
std::string VerdictDetails(const ConnectionReport& report,
                           const std::string& port,
                           const std::vector<std::string>& ports);

// The whole verdict for the user: the headline, a line end, the details.
std::string VerdictText(const ConnectionReport& report, const std::string& port,
                        const std::vector<std::string>& ports);

}  // namespace vrq5

#endif  // VRQ5_LINK_CONNECTION_CHECK_H_
