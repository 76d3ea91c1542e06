#include "link/port_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace vrq5 {
namespace {

TEST(PortFileTest, NumberFormAcceptsOneToSixteen) {
  EXPECT_EQ(PortNumberFromText("14\r\n"), 14);
  // The port dialog offers 16 ports; all of them are kept.
  EXPECT_EQ(PortNumberFromText("15\r\n"), 15);
  EXPECT_EQ(PortNumberFromText(" 16\r\n"), 16);
  for (const char* text :
       {"17\r\n", "0\r\n", "-1\r\n", "", "COM3", "99999999999"}) {
    EXPECT_EQ(PortNumberFromText(text), 1) << text;
  }
  EXPECT_EQ(PortNumberText(7), "7\r\n");
  EXPECT_EQ(PortNumberOfName("COM16"), 16);
  EXPECT_EQ(PortNumberOfName("com3"), 3);
  EXPECT_EQ(PortNumberOfName("COM17"), 0);
  EXPECT_EQ(PortNumberOfName("/dev/ttyUSB0"), 0);
}

class PortFileFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() /
        ("vrq5-port-" +
         std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

#ifndef _WIN32
TEST_F(PortFileFolderTest, DevicePathIsKeptInTheGivenFolder) {
  EXPECT_EQ(LoadPortName(folder_), "");  // nothing stored yet
  ASSERT_TRUE(SavePortName(folder_ / "nested", "/dev/ttyUSB1"));
  EXPECT_EQ(LoadPortName(folder_ / "nested"), "/dev/ttyUSB1");
  ASSERT_TRUE(SavePortName(folder_, " /dev/pts/7 "));
  EXPECT_EQ(LoadPortName(folder_), "/dev/pts/7");
  std::ifstream in(folder_ / "VR-Q5.ini");
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "/dev/pts/7");
}

// Sets an environment variable for the test's length (nullptr: unset).
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { had_ ? ::setenv(name_, old_.c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

TEST_F(PortFileFolderTest, DefaultFolderFollowsTheConfigurationHome) {
  const std::string folder = folder_.string();
  struct Case {
    const char* xdg;
    const char* home;
    std::filesystem::path want;
  };
  for (const Case& c : {Case{folder.c_str(), "/home/u", folder_ / "vrq5"},
                        Case{"", "/home/u", "/home/u/.config/vrq5"},
                        Case{nullptr, "/home/u", "/home/u/.config/vrq5"},
                        Case{nullptr, "", ".config/vrq5"},
                        Case{nullptr, nullptr, ".config/vrq5"}}) {
    ScopedEnv xdg("XDG_CONFIG_HOME", c.xdg);
    ScopedEnv home("HOME", c.home);
    EXPECT_EQ(DefaultPortFolder("/usr/bin/vrq5"), c.want)
        << (c.xdg ? c.xdg : "(unset)") << " " << (c.home ? c.home : "(unset)");
  }
}
#endif

TEST(PortFileTest, PathFormTakesTheFirstLine) {
  EXPECT_EQ(PortPathFromText("  /dev/ttyS0 \r\nsecond\r\n"), "/dev/ttyS0");
  EXPECT_EQ(PortPathFromText(""), "");
}

}  // namespace
}  // namespace vrq5
