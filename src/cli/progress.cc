#include "cli/progress.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>

namespace vrq5::cli {

ProgressBar::ProgressBar(std::string label, std::FILE* out)
    : label_(std::move(label)),
      out_(out),
      enabled_(::isatty(::fileno(out)) != 0),
      start_(std::chrono::steady_clock::now()) {}

std::string ProgressBar::Render(const std::string& label, int value,
                                int maximum, double elapsed_seconds,
                                int width) {
  maximum = std::max(maximum, 1);
  value = std::clamp(value, 0, maximum);
  int filled = static_cast<int>(static_cast<long>(value) * width / maximum);
  std::string out = label + " [" + std::string(filled, '#') +
                    std::string(width - filled, ' ') + "] " +
                    std::to_string(value) + "/" + std::to_string(maximum);
  if (value > 0 && value < maximum && elapsed_seconds > 0) {
    double left = elapsed_seconds * (maximum - value) / value;
    out += "  " + std::to_string(static_cast<long>(std::ceil(left))) + "s left";
  }
  return out;
}

void ProgressBar::Update(int value, int maximum) {
  if (!enabled_) return;
  auto now = std::chrono::steady_clock::now();
  bool final_step = value >= maximum;
  if (!final_step && maximum == last_maximum_ &&
      now - last_draw_ < std::chrono::milliseconds(100)) {
    return;
  }
  last_draw_ = now;
  last_maximum_ = maximum;
  double elapsed = std::chrono::duration<double>(now - start_).count();
  std::string line = Render(label_, value, maximum, elapsed);
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
