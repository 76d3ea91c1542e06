// The timed wire both transfer benchmarks use (the simulated receiver with
// wire timing on a pseudo-terminal), and the least time a transfer can take
// on it, from the lines the receiver got: the one rule both measure
// against.
#ifndef VRQ5_BENCH_WIRE_BOUND_H_
#define VRQ5_BENCH_WIRE_BOUND_H_

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "radio/pty_host.h"
#include "radio/receiver.h"

namespace vrq5 {

inline radio::Faults WireTiming() {
  radio::Faults faults;
  faults.timing = true;
  return faults;
}

// A receiver of the first model, answering in real time on a
// pseudo-terminal once Start() has succeeded.
struct TimedWire {
  radio::SimulatedReceiver receiver{0, WireTiming()};
  radio::PtyHost host{receiver};

  // False, after a line on standard error, when no pseudo-terminal could
  // be made.
  bool Start() {
    std::string error;
    if (host.Start(&error)) return true;
    std::fprintf(stderr, "cannot make a pseudo-terminal: %s\n", error.c_str());
    return false;
  }
  // The receiver's delay before each answer, in seconds.
  double turnaround() const {
    return std::chrono::duration<double>(receiver.faults().turnaround).count();
  }
};

// One character on the wire: 10 bits at 38400 bit/s.
inline constexpr double kCharSeconds = 10.0 / 38400.0;

// The least time the lines the receiver got can take: each command and its
// answer on the wire plus the turnaround. A receiver that has not been
// identified answers no read or write; the link then waits out its whole
// reply time (the probe of an unidentified receiver does so three times at
// the start of every transfer), which no program can shorten.
inline double WireBound(const std::vector<std::string>& lines,
                        double turnaround, double reply_timeout) {
  double total = 0;
  bool identified = false;
  for (const auto& line : lines) {
    bool identity = line.rfind("QV~VR-", 0) == 0;
    bool finish = line == "QV~FINISH";
    if (!identity && !finish && !identified) {
      total += reply_timeout;
      continue;
    }
    if (identity) identified = true;
    if (finish) identified = false;
    bool read = line.size() > 4 && line.back() == 'R' &&
                (line.rfind("QV~F", 0) == 0 || line.rfind("QV~BC", 0) == 0);
    size_t answer =
        read ? 68 : 6;  // CR LF + 64 digits + CR LF, or CR LF OK CR LF
    total += (line.size() + 1 + answer) * kCharSeconds + turnaround;
  }
  return total;
}

}  // namespace vrq5

#endif  // VRQ5_BENCH_WIRE_BOUND_H_
