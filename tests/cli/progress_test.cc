#include "cli/progress.h"

#include <gtest/gtest.h>

namespace vrq5::cli {
namespace {

TEST(ProgressBarTest, ShowsStepsAndTimeLeft) {
  EXPECT_EQ(ProgressBar::Render("Read ALL", 650, 1300, 10.0, 10),
            "Read ALL [#####     ] 650/1300  10s left");
  EXPECT_EQ(ProgressBar::Render("Read ALL", 0, 1300, 0.0, 10),
            "Read ALL [          ] 0/1300");
  EXPECT_EQ(ProgressBar::Render("Write", 1300, 1300, 30.0, 10),
            "Write [##########] 1300/1300");
}

TEST(ProgressBarTest, OutOfRangeStepsStayInsideTheBar) {
  EXPECT_EQ(ProgressBar::Render("X", 5, 0, 1.0, 4), "X [####] 1/1");
  EXPECT_EQ(ProgressBar::Render("X", -3, 10, 1.0, 4), "X [    ] 0/10");
  EXPECT_EQ(ProgressBar::Render("X", 1, 3, 1.0, 3), "X [#  ] 1/3  2s left");
}

}  // namespace
}  // namespace vrq5::cli
