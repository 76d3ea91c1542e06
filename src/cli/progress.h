// A progress bar on standard error for long transfers, drawn only when
// standard error is a terminal.
#ifndef VRQ5_CLI_PROGRESS_H_
#define VRQ5_CLI_PROGRESS_H_

#include <cstdio>
#include <string>

#include "link/transfer_pace.h"

namespace vrq5::cli {

class ProgressBar {
 public:
  // `label` names the transfer ("Read ALL").
  explicit ProgressBar(std::string label, std::FILE* out = stderr);
  ~ProgressBar() { Finish(); }

  // Steps done of `maximum`; redrawn as often as TransferPace says.
  void Update(int value, int maximum);
  // Ends the bar's line (before a message is printed).
  void Finish();

  // The bar's text for a state, e.g. "Read ALL [#####     ] 650/1300  12s
  // left" (no time left when `seconds_left` is negative). Exposed for tests.
  static std::string Render(const std::string& label, int value, int maximum,
                            int seconds_left, int width = 30);

 private:
  std::string label_;
  std::FILE* out_;
  bool enabled_;
  bool drawn_ = false;
  TransferPace pace_;
};

}  // namespace vrq5::cli

#endif  // VRQ5_CLI_PROGRESS_H_
