// Serves a simulated receiver on a pseudo-terminal, so that a program can
// open it like a serial device (the slave's path).
#ifndef VRQ5_RADIO_PTY_HOST_H_
#define VRQ5_RADIO_PTY_HOST_H_

#include <atomic>
#include <string>
#include <thread>

#include "radio/receiver.h"

namespace vrq5::radio {

class PtyHost {
 public:
  explicit PtyHost(SimulatedReceiver& receiver) : receiver_(receiver) {}
  ~PtyHost() { Stop(); }
  PtyHost(const PtyHost&) = delete;
  PtyHost& operator=(const PtyHost&) = delete;

  // Opens the pseudo-terminal (raw mode) and starts serving on a thread.
  // False with a reason in `error` when the terminal cannot be made.
  bool Start(std::string* error = nullptr);
  // Stops serving and closes the terminal; safe to call more than once.
  void Stop();

  // Path of the slave device ("/dev/pts/N"); empty before Start.
  const std::string& device_path() const { return device_path_; }
  bool running() const { return thread_.joinable(); }

 private:
  void Serve();

  SimulatedReceiver& receiver_;
  std::string device_path_;
  int master_ = -1;
  int slave_ = -1;  // kept open so the line stays up between clients
  int wake_[2] = {-1, -1};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace vrq5::radio

#endif  // VRQ5_RADIO_PTY_HOST_H_
