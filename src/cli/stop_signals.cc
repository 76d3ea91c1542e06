#include "cli/stop_signals.h"

#include <csignal>

namespace vrq5::cli {

namespace {

std::atomic<bool> g_stopped{false};
std::atomic<bool> g_stopped_again{false};
std::atomic<int> g_signal{0};

extern "C" void OnStopSignal(int signal) {
  if (g_stopped.exchange(true)) g_stopped_again.store(true);
  g_signal.store(signal);
}

}  // namespace

StopSignals::StopSignals(std::initializer_list<int> caught) : signals_(caught) {
  g_stopped = false;
  g_stopped_again = false;
  g_signal = 0;
  for (int signal : signals_) {
    previous_.push_back(std::signal(signal, OnStopSignal));
  }
}

StopSignals::~StopSignals() {
  for (size_t i = 0; i < signals_.size(); ++i) {
    std::signal(signals_[i], previous_[i]);
  }
}

std::atomic<bool>* StopSignals::stopped() { return &g_stopped; }

std::atomic<bool>* StopSignals::stopped_again() { return &g_stopped_again; }

const char* StopSignals::name() const {
  switch (g_signal.load()) {
    case SIGTERM:
      return "SIGTERM";
    case SIGHUP:
      return "SIGHUP";
    default:
      return "Ctrl+C";
  }
}

}  // namespace vrq5::cli
