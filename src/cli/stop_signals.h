// Ctrl+C (and the other signals a command names) while a command talks to
// the receiver: the signal only raises a flag, which the link reads as its
// cancel flag between two exchanges.
#ifndef VRQ5_CLI_STOP_SIGNALS_H_
#define VRQ5_CLI_STOP_SIGNALS_H_

#include <atomic>
#include <initializer_list>
#include <vector>

namespace vrq5::cli {

// Catches `signals` for its lifetime and puts back the handlers it found.
// One at a time: the flags are the program's own.
class StopSignals {
 public:
  explicit StopSignals(std::initializer_list<int> caught);
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // Raised by the first signal.
  std::atomic<bool>* stopped();
  // Raised by a second signal.
  std::atomic<bool>* stopped_again();
  // The last signal caught: "Ctrl+C", "SIGTERM" or "SIGHUP".
  const char* name() const;

 private:
  std::vector<int> signals_;
  std::vector<void (*)(int)> previous_;
};

}  // namespace vrq5::cli

#endif  // VRQ5_CLI_STOP_SIGNALS_H_
