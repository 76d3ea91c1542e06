#include "cli/progress.h"

#include <unistd.h>

#include <algorithm>

namespace vrq5::cli {

ProgressBar::ProgressBar(std::string label, std::FILE* out)
    : label_(std::move(label)),
      out_(out),
      enabled_(::isatty(::fileno(out)) != 0) {}

std::string ProgressBar::Render(const std::string& label, int value,
                                int maximum, int seconds_left, int width) {
  maximum = std::max(maximum, 1);
  value = std::clamp(value, 0, maximum);
  int filled = static_cast<int>(static_cast<long>(value) * width / maximum);
  std::string out = label + " [" + std::string(filled, '#') +
                    std::string(width - filled, ' ') + "] " +
                    std::to_string(value) + "/" + std::to_string(maximum);
  if (value < maximum && seconds_left > 0) {
    out += "  " + std::to_string(seconds_left) + "s left";
  }
  return out;
}

void ProgressBar::Update(int value, int maximum) {
  if (!enabled_) return;
  if (!pace_.Step(value, maximum)) return;
  std::string line = Render(label_, value, maximum, pace_.SecondsLeft());
  std::fprintf(out_, "\r%-70s", line.c_str());
  std::fflush(out_);
  drawn_ = true;
}

void ProgressBar::Finish() {
  if (drawn_) {
    std::fputc('\n', out_);
    std::fflush(out_);
    drawn_ = false;
  }
}

}  // namespace vrq5::cli
