#include "link/port_file.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "support/scoped_env.h"

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

using testing::ScopedEnv;

TEST_F(PortFileFolderTest, DefaultFolderFollowsTheConfigurationHome) {
  const std::string folder = folder_.string();
  struct Case {
    const char* xdg;
    const char* home;
    std::filesystem::path want;
  };
  // Without HOME: the home the password database gives the user, never a
  // folder relative to wherever the program was started.
  const passwd* user = ::getpwuid(::geteuid());
  ASSERT_TRUE(user != nullptr && user->pw_dir != nullptr);
  const std::filesystem::path user_home =
      std::filesystem::path(user->pw_dir) / ".config" / "vrq5";
  ASSERT_TRUE(user_home.is_absolute());
  for (const Case& c :
       {Case{folder.c_str(), "/home/u", folder_ / "vrq5"},
        Case{"", "/home/u", "/home/u/.config/vrq5"},
        Case{nullptr, "/home/u", "/home/u/.config/vrq5"},
        Case{nullptr, "", user_home}, Case{"", nullptr, user_home}}) {
    ScopedEnv xdg("XDG_CONFIG_HOME", c.xdg);
    ScopedEnv home("HOME", c.home);
    EXPECT_EQ(DefaultPortFolder("/usr/bin/vrq5"), c.want)
        << (c.xdg ? c.xdg : "(unset)") << " " << (c.home ? c.home : "(unset)");
    EXPECT_EQ(ConfigFolder(), c.want);
  }
}
#else
// Beside the program, a COM port number and CR LF; anything else reads as
// COM1 and is stored as 1.
TEST_F(PortFileFolderTest, ComNumberIsKeptBesideTheProgram) {
  EXPECT_EQ(LoadPortName(folder_), "COM1");  // nothing stored yet
  const std::filesystem::path nested = folder_ / u8"\u7530\u4e2d";
  ASSERT_TRUE(SavePortName(nested, "com12"));
  EXPECT_EQ(LoadPortName(nested), "COM12");
  std::ifstream in(nested / "VR-Q5.ini", std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(text, "12\r\n");
  for (const char* name : {"COM17", "/dev/ttyUSB0", ""}) {
    ASSERT_TRUE(SavePortName(folder_, name));
    EXPECT_EQ(LoadPortName(folder_), "COM1") << name;
  }
  std::ofstream(folder_ / "VR-Q5.ini", std::ios::binary) << " 16 \r\n";
  EXPECT_EQ(LoadPortName(folder_), "COM16");

  // The program's path is UTF-8 text.
  EXPECT_EQ(DefaultPortFolder("C:\\\xE7\x94\xB0\xE4\xB8\xAD\\vrq5.exe"),
            std::filesystem::path(u8"C:\\\u7530\u4e2d"));
  testing::ScopedEnv appdata("APPDATA", "C:\\Roaming");
  EXPECT_EQ(ConfigFolder(), std::filesystem::path("C:\\Roaming\\vrq5"));
}
#endif

// The dialog's list: the machine's ports, the saved port first when they
// lack it, the simulated receiver last and current only when saved.
TEST(PortFileTest, DialogRowsOpenOnTheSavedPortOnly) {
  using K = PortRow::Kind;
  const std::vector<PortDevice> devices = {{"/dev/ttyS0", "16550A"},
                                           {"/dev/ttyACM0", "USB"}};
  struct Case {
    const char* saved;
    bool present;
    std::vector<std::pair<std::string, K>> rows;
    int current;
  };
  const std::pair<std::string, K> s0{"/dev/ttyS0", K::kDevice},
      acm{"/dev/ttyACM0", K::kDevice}, sim{"sim", K::kSimulated};
  for (const Case& c : {
           Case{"", false, {s0, acm, sim}, -1},
           Case{"/dev/ttyACM0", true, {s0, acm, sim}, 1},
           Case{"sim", true, {s0, acm, sim}, 2},
           // An unplugged adapter stays the choice, marked missing.
           Case{"/dev/ttyUSB0",
                false,
                {{"/dev/ttyUSB0", K::kMissing}, s0, acm, sim},
                0},
           // A pseudo-terminal is not listed by the system, but is there.
           Case{"/dev/pts/3",
                true,
                {{"/dev/pts/3", K::kSaved}, s0, acm, sim},
                0},
       }) {
    PortRows got = PortDialogRows(devices, c.saved, c.present);
    std::vector<std::pair<std::string, K>> rows;
    for (const PortRow& r : got.rows) rows.emplace_back(r.name, r.kind);
    EXPECT_EQ(rows, c.rows) << c.saved;
    EXPECT_EQ(got.current, c.current) << c.saved;
  }
  EXPECT_EQ(PortDialogRows({}, "", false).rows.size(), 1u);
}

// Closing writes the chosen port again only when it is not in the file and
// nobody has chosen another one since.
TEST(PortFileTest, ClosingKeepsTheNewestChoice) {
  EXPECT_FALSE(PortFileNeedsRewrite("", "", ""));  // nothing chosen
  EXPECT_FALSE(PortFileNeedsRewrite("", "/dev/a", "/dev/b"));
  EXPECT_FALSE(PortFileNeedsRewrite("/dev/a", "/dev/a", "/dev/a"));
  // vrq5 --port or another window chose since: theirs stays.
  EXPECT_FALSE(PortFileNeedsRewrite("/dev/a", "/dev/a", "/dev/b"));
  EXPECT_FALSE(PortFileNeedsRewrite("/dev/a", "/dev/a", ""));
  // The write at the choice failed: closing tries again.
  EXPECT_TRUE(PortFileNeedsRewrite("/dev/a", "/dev/old", "/dev/old"));
  EXPECT_TRUE(PortFileNeedsRewrite("/dev/a", "", ""));
}

TEST(PortFileTest, PathFormTakesTheFirstLine) {
  EXPECT_EQ(PortPathFromText("  /dev/ttyS0 \r\nsecond\r\n"), "/dev/ttyS0");
  EXPECT_EQ(PortPathFromText(""), "");
}

}  // namespace
}  // namespace vrq5
