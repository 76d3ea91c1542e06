#include "cli/progress.h"

#include <gtest/gtest.h>

#include "link/transfer_pace.h"

namespace vrq5::cli {
namespace {

TEST(ProgressBarTest, ShowsStepsAndTimeLeft) {
  EXPECT_EQ(ProgressBar::Render("Read ALL", 650, 1300, 10, 10),
            "Read ALL [#####     ] 650/1300  10s left");
  EXPECT_EQ(ProgressBar::Render("Read ALL", 0, 1300, -1, 10),
            "Read ALL [          ] 0/1300");
  EXPECT_EQ(ProgressBar::Render("Write", 1300, 1300, 1, 10),
            "Write [##########] 1300/1300");
}

TEST(ProgressBarTest, OutOfRangeStepsStayInsideTheBar) {
  EXPECT_EQ(ProgressBar::Render("X", 5, 0, 1, 4), "X [####] 1/1");
  EXPECT_EQ(ProgressBar::Render("X", -3, 10, -1, 4), "X [    ] 0/10");
  EXPECT_EQ(ProgressBar::Render("X", 1, 3, 2, 3), "X [#  ] 1/3  2s left");
}

// The one estimate of both programs: the pace since the first step of a
// count, rounded up, never 0 while work remains; redrawn at most ten times
// a second, the first and last steps always.
TEST(TransferPaceTest, EstimatesFromTheFirstStepAndThrottles) {
  using std::chrono::milliseconds;
  const TransferPace::Clock::time_point t0{};
  TransferPace pace;
  EXPECT_EQ(pace.SecondsLeft(), -1);
  // The probes took 30 s before the first step; they do not count.
  EXPECT_TRUE(pace.Step(0, 100, t0 + milliseconds(30000)));
  EXPECT_EQ(pace.SecondsLeft(), -1);
  EXPECT_FALSE(pace.Step(1, 100, t0 + milliseconds(30050)));
  EXPECT_TRUE(pace.Step(10, 100, t0 + milliseconds(31000)));
  EXPECT_EQ(pace.SecondsLeft(), 9);  // 1 s for 10 steps, 90 to go
  EXPECT_FALSE(pace.Step(11, 100, t0 + milliseconds(31050)));
  EXPECT_EQ(pace.SecondsLeft(), 9);  // 1.05 s / 11 * 89 = 8.5 s, rounded up
  EXPECT_TRUE(pace.Step(99, 100, t0 + milliseconds(31200)));
  EXPECT_EQ(pace.SecondsLeft(), 1);  // a few ms to go is still 1 s
  EXPECT_TRUE(pace.Step(100, 100, t0 + milliseconds(31210)));
  EXPECT_EQ(pace.SecondsLeft(), -1);
  // A new maximum is a new count, shown at once.
  EXPECT_TRUE(pace.Step(0, 50, t0 + milliseconds(31220)));
  EXPECT_EQ(pace.SecondsLeft(), -1);
}

}  // namespace
}  // namespace vrq5::cli
