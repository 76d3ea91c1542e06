// One exchange with the receiver (a command line out, one framed reply in)
// and the three retry loops built on it.
//
// A command is one line ending in CR. The receiver echoes it, then answers
// CR LF "OK" CR LF, CR LF "RE" CR LF or CR LF + 64 hex digits + CR LF. The
// wait for the reply ends as soon as it is complete, or after the timeout
// (500 ms).
#ifndef VRQ5_LINK_EXCHANGE_H_
#define VRQ5_LINK_EXCHANGE_H_

#include <atomic>
#include <chrono>
#include <string>
#include <string_view>

#include "link/serial_port.h"

namespace vrq5 {

// Result of SendCommand.
enum LinkStatus : int {
  kAcknowledged = 0,  // the reply ended in CR LF "OK" CR LF
  kOtherReply = 1,    // a complete reply, neither "OK" nor "RE"
  kNoReply = 2,       // nothing, or less than the echo plus six characters
  kPortFailure = 3,   // the port could not be opened, written or read
  kRefused = 4,       // the reply ended in CR LF "RE" CR LF
};

// Tokens SendQuery returns in place of a data frame.
inline constexpr std::string_view kTokenPortError = "ERROR00";
inline constexpr std::string_view kTokenNoReply = "ERROR01";
inline constexpr std::string_view kTokenBadFrame = "ERROR02";

inline constexpr std::chrono::milliseconds kDefaultReplyTimeout{500};

// How a retry loop ended.
enum class LoopEnd {
  kSuccess,
  kStopped,    // stopped at once: port error or refusal
  kGaveUp,     // too many failed attempts
  kCancelled,  // the cancel flag was raised between two exchanges
};

struct QueryOutcome {
  LoopEnd end = LoopEnd::kGaveUp;
  std::string reply;  // the 68-character frame on success
  bool ok() const { return end == LoopEnd::kSuccess; }
};

struct CommandOutcome {
  LoopEnd end = LoopEnd::kGaveUp;
  int status = kNoReply;  // the last link status
  bool ok() const { return end == LoopEnd::kSuccess; }
};

class Link {
 public:
  explicit Link(SerialPort& port,
                SerialPort::Clock::duration timeout = kDefaultReplyTimeout)
      : port_(port), timeout_(timeout) {}
  Link(const Link&) = delete;
  Link& operator=(const Link&) = delete;

  SerialPort& port() { return port_; }
  SerialPort::Clock::duration timeout() const { return timeout_; }
  void set_timeout(SerialPort::Clock::duration t) { timeout_ = t; }

  // Opens the port when it is closed; false when that fails.
  bool EnsureOpen();

  // A command answered by an acknowledgement. `command` is the whole line,
  // CR included. Returns a LinkStatus.
  int SendCommand(std::string_view command);

  // A read answered by data: the last 68 characters received (CR LF, 64
  // digits, CR LF) or one of the three tokens.
  std::string SendQuery(std::string_view command);

  // The query loop: up to `max_failures` attempts that end in "ERROR01" or
  // "ERROR02"; "ERROR00" stops at once. The probe loop is this loop with 3.
  QueryOutcome QueryLoop(std::string_view command, int max_failures = 10);
  // The command loop: status 0 succeeds, 1 and 2 are failed attempts (up to
  // 10), 3 and 4 stop at once.
  CommandOutcome CommandLoop(std::string_view command, int max_failures = 10);

  // Cancelling: a loop checks the flag before every exchange.
  void set_cancel_flag(const std::atomic<bool>* flag) { cancel_ = flag; }
  bool cancelled() const {
    return cancel_ != nullptr && cancel_->load(std::memory_order_relaxed);
  }

  // One transfer at a time: TryBegin fails while another transfer holds
  // the link (from any thread).
  bool TryBegin() { return !busy_.exchange(true); }
  void End() { busy_.store(false); }
  bool busy() const { return busy_.load(); }

  // Number of command lines written since the link was made.
  long exchanges() const { return exchanges_; }
  // Characters received since the link was made (echoes included), so that
  // a caller can tell a silent line from one that echoes but never answers.
  long characters_heard() const { return heard_; }

 private:
  // Writes `command` after throwing away what waits, then collects the
  // reply into `buffer` until `complete` holds or the time is up. False on
  // a port error.
  template <typename Complete>
  bool Exchange(std::string_view command, std::string& buffer,
                Complete complete);
  enum class AttemptResult { kSuccess, kStop, kFailed };
  // Runs `attempt` until it succeeds, stops at once, fails `max_failures`
  // times, or the cancel flag rises (checked before every attempt).
  template <typename Attempt>
  LoopEnd Retry(int max_failures, Attempt attempt);

  // Waits until the line has been quiet for a whole reply time, and at
  // least two reply times have passed since the last command line (at
  // most four reply times), throwing away what arrives. False on a port
  // error.
  //
  // A loop that succeeds after a failed attempt in which the receiver was
  // heard calls it before it returns: the answer to that attempt (or to the
  // last one, when an earlier attempt's late answer was taken for its own)
  // may still be on its way, and arriving during a later exchange it would
  // be taken for that exchange's answer, with every answer after it
  // belonging to the command before. A loop that gives up after such
  // attempts calls it too, once the receiver answered anything beyond the
  // echo. Transfers without such an attempt (and a probe that an
  // unidentified receiver leaves unanswered) never wait for it.
  bool DrainLateAnswer();

  SerialPort& port_;
  SerialPort::Clock::duration timeout_;
  const std::atomic<bool>* cancel_ = nullptr;
  std::atomic<bool> busy_{false};
  long exchanges_ = 0;
  long heard_ = 0;
  // The last exchange heard the receiver but got no complete answer.
  bool answer_may_follow_ = false;
  // The last exchange heard more than the plain echo of its command.
  bool answered_ = false;
  // When the last command line was written.
  SerialPort::Clock::time_point last_write_{};
};

// Holds the link's transfer guard for one scope.
class TransferGuard {
 public:
  explicit TransferGuard(Link& link) : link_(link), held_(link.TryBegin()) {}
  ~TransferGuard() {
    if (held_) link_.End();
  }
  TransferGuard(const TransferGuard&) = delete;
  TransferGuard& operator=(const TransferGuard&) = delete;
  bool held() const { return held_; }

 private:
  Link& link_;
  bool held_;
};

}  // namespace vrq5

#endif  // VRQ5_LINK_EXCHANGE_H_
