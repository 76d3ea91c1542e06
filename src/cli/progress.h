// A progress bar on standard error for long transfers, drawn only when
// standard error is a terminal.
#ifndef VRQ5_CLI_PROGRESS_H_
#define VRQ5_CLI_PROGRESS_H_

#include <chrono>
#include <cstdio>
#include <string>

namespace vrq5::cli {

class ProgressBar {
 public:
  // `label` names the transfer ("Read ALL").
  explicit ProgressBar(std::string label, std::FILE* out = stderr);
  ~ProgressBar() { Finish(); }

  // Steps done of `maximum`; redrawn at most ten times a second.
  void Update(int value, int maximum);
  // Ends the bar's line (before a message is printed).
  void Finish();

  // The bar's text for a state, e.g. "Read ALL [#####     ] 650/1300  12s
  // left". Exposed for tests.
  static std::string Render(const std::string& label, int value, int maximum,
                            double elapsed_seconds, int width = 30);

 private:
  std::string label_;
  std::FILE* out_;
  bool enabled_;
  bool drawn_ = false;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point last_draw_{};
  int last_maximum_ = -1;
};

}  // namespace vrq5::cli

#endif  // VRQ5_CLI_PROGRESS_H_
