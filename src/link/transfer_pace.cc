#include "link/transfer_pace.h"

#include <algorithm>

namespace vrq5 {

namespace {
constexpr auto kRedrawEvery = std::chrono::milliseconds(100);
}  // namespace

bool TransferPace::Step(int value, int maximum, Clock::time_point now) {
  maximum = std::max(maximum, 1);
  value = std::clamp(value, 0, maximum);
  if (maximum != maximum_) {
    maximum_ = maximum;
    first_value_ = value;
    value_ = value;
    first_ = last_step_ = last_shown_ = now;
    return true;
  }
  value_ = value;
  last_step_ = now;
  if (value < maximum && now - last_shown_ < kRedrawEvery) return false;
  last_shown_ = now;
  return true;
}

int TransferPace::SecondsLeft() const {
  const int done = value_ - first_value_;
  if (maximum_ < 0 || done <= 0 || value_ >= maximum_) return -1;
  using Ms = std::chrono::milliseconds;
  const auto spent =
      std::chrono::duration_cast<Ms>(last_step_ - first_).count();
  const auto left_ms = spent * static_cast<long long>(maximum_ - value_) / done;
  return static_cast<int>(std::max<long long>(1, (left_ms + 999) / 1000));
}

}  // namespace vrq5
