#include "serial/qt_serial_port.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "link/connection_check.h"
#include "link/transfer.h"
#include "radio/pty_host.h"

namespace vrq5 {
namespace {

using Lines = std::vector<std::string>;

class QtSerialPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(host.Start(&error)) << error;
  }

  TransferSinks Sinks() {
    return {[this](const Message& m) { messages.push_back(m.text); }, {}};
  }

  radio::SimulatedReceiver rx;
  radio::PtyHost host{rx};
  Lines messages;
};

TEST_F(QtSerialPortTest, ExchangesThroughAPseudoTerminal) {
  QtSerialPort port(host.device_path());
  Link link(port);
  EXPECT_EQ(link.SendCommand("QV~VR-Q5J\r"), kAcknowledged);
  EXPECT_EQ(link.SendCommand("QV~VR-Q70E\r"), kRefused);
  std::string frame = link.SendQuery("QV~F00000R\r");
  EXPECT_EQ(frame, "\r\n" + rx.HexAt(0, 32) + "\r\n");
  EXPECT_TRUE(port.IsOpen());
  port.Close();
  EXPECT_FALSE(port.IsOpen());
  std::string reopened = link.SendQuery("QV~F00020R\r");
  ASSERT_EQ(reopened.size(), 68u);
  EXPECT_EQ(reopened.substr(2, 4), "0B06");
  // Choosing a port closes the open one; the next exchange opens it.
  port.set_name(host.device_path());
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(link.SendQuery("QV~F00020R\r").size(), 68u);
  EXPECT_TRUE(port.IsOpen());
}

TEST_F(QtSerialPortTest, WriteAllThenReadAllEndToEnd) {
  Document doc;
  for (int s : {0, 250, 999, 1000, 1150, 1299}) {
    doc.Mem[s].value[kFreq] = 100.0 + s / 100.0;
    doc.Mem[s].text[kFreq] = "x";
    doc.MemFlag[s] = -1;
  }
  doc.settings.Slider2 = 5;
  QtSerialPort port(host.device_path());
  // A short wait keeps the unanswered probes of the identification quick.
  Link link(port, std::chrono::milliseconds(100));
  Transfer writer(link, doc, Sinks());
  ASSERT_EQ(writer.RunWriteAll(), CommandResult::kSuccess);

  Document back;
  Transfer reader(link, back, Sinks());
  ASSERT_EQ(reader.RunReadAll(), CommandResult::kSuccess);
  EXPECT_EQ(messages, (Lines{"Successed!!", "Successed!!"}));
  EXPECT_EQ(back.ChannelsInUse(), 6);
  EXPECT_EQ(back.Mem[1299].value[kFreq], 112.99);
  EXPECT_EQ(back.Mem[1299].text[kFreq], "112.990000");
  EXPECT_EQ(back.MemFlag[1299], -1);
  EXPECT_EQ(back.settings.Slider2, 5);
  ASSERT_GE(rx.lines().size(), 1u);
  EXPECT_EQ(rx.lines().back(), "QV~F0AC60R");
}

TEST_F(QtSerialPortTest, SilentLineAndMissingPort) {
  rx.set_faults({.silent_from = 1});
  QtSerialPort port(host.device_path());
  Link link(port, std::chrono::milliseconds(30));
  EXPECT_EQ(link.SendQuery("QV~F00000R\r"), kTokenNoReply);

  QtSerialPort missing("/dev/vrq5-no-such-port");
  Link dead(missing);
  EXPECT_EQ(dead.SendCommand("QV~FINISH\r"), kPortFailure);
  Document doc;
  Transfer transfer(dead, doc, Sinks());
  EXPECT_EQ(transfer.RunRead(), CommandResult::kFailure);
  EXPECT_EQ(messages, Lines{"Read Failed..."});
  ListSerialPorts();  // must not fail without ports
  // USB adapters' device nodes are listed even where the system's list
  // lacks them; other nodes are not.
  const auto nodes = std::filesystem::temp_directory_path() /
                     ("vrq5-dev-" + std::to_string(::getpid()));
  std::filesystem::create_directories(nodes);
  for (const char* name : {"ttyUSB0", "ttyACM1", "ttyS9", "null"}) {
    std::ofstream(nodes / name).put('x');
  }
  std::vector<std::string> adapters;
  for (const SerialPortInfo& p : ListSerialPorts(nodes)) {
    if (p.path.rfind(nodes.string(), 0) == 0) adapters.push_back(p.name);
  }
  std::filesystem::remove_all(nodes);
  EXPECT_EQ(adapters, (Lines{"ttyACM1", "ttyUSB0"}));
}

// What the connection check tells the user rests on why a port would not
// open.
TEST_F(QtSerialPortTest, WhyAPortDoesNotOpen) {
  QtSerialPort missing("/dev/vrq5-no-such-port");
  EXPECT_FALSE(missing.Open());
  EXPECT_EQ(missing.open_error(), OpenError::kMissing);

  QtSerialPort first(host.device_path());
  ASSERT_TRUE(first.Open());
  EXPECT_EQ(first.open_error(), OpenError::kNone);
  QtSerialPort second(host.device_path());
  EXPECT_FALSE(second.Open());
  EXPECT_EQ(second.open_error(), OpenError::kInUse);
  first.Close();

  Link link(second);
  EXPECT_EQ(CheckConnection(link, 0).verdict, Verdict::kLinked);

  if (geteuid() != 0) {  // the superuser may open anything
    char path[] = "/tmp/vrq5-locked-XXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    chmod(path, 0);
    QtSerialPort locked(path);
    EXPECT_FALSE(locked.Open());
    EXPECT_EQ(locked.open_error(), OpenError::kNoPermission);
    unlink(path);
  }
}

TEST_F(QtSerialPortTest, CheckOfAPseudoTerminalThatWasClosed) {
  std::string path = host.device_path();
  host.Stop();
  QtSerialPort port(path);
  Link link(port);
  ConnectionReport report = CheckConnection(link, 0);
  EXPECT_EQ(report.verdict, Verdict::kPortMissing);
}

}  // namespace
}  // namespace vrq5

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
