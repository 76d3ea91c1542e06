#include "link/connection_check.h"

#include <gtest/gtest.h>

#include "link/scripted_port.h"
#include "radio/receiver.h"
#include "radio/sim_port.h"

namespace vrq5 {
namespace {

using radio::Faults;
using radio::SimulatedPort;
using radio::SimulatedReceiver;
using Lines = std::vector<std::string>;

struct Checked {
  ConnectionReport report;
  Lines lines;
};

Checked CheckReceiver(SimulatedReceiver& rx, int model_index,
                      OpenError open_fails = OpenError::kNone) {
  SimulatedPort port(rx);
  if (open_fails != OpenError::kNone) port.set_open_fails(true, open_fails);
  Link link(port);
  Checked c{CheckConnection(link, model_index), rx.lines()};
  return c;
}

TEST(ConnectionCheckTest, LinkedReceiverSendsOnlyWhatAReadSendsFirst) {
  SimulatedReceiver rx(2);
  rx.Poke(0x0022, "1A");
  Checked c = CheckReceiver(rx, 2);
  EXPECT_EQ(c.report.verdict, Verdict::kLinked);
  EXPECT_EQ(c.report.answered_model, 2);
  EXPECT_EQ(c.report.link_bank, "26");
  EXPECT_FALSE(c.report.already_linked);
  EXPECT_EQ(c.lines,
            (Lines{"QV~F00022R", "QV~F00022R", "QV~F00022R", "QV~VR-Q70T",
                   "QV~F0FD01W00", "QV~F00022R", "QV~FINISH"}));
  EXPECT_FALSE(rx.identified());
  EXPECT_EQ(VerdictText(c.report, "ttyUSB0", {}),
            "The receiver answers.\nModel: VR-Q70T. LinkBank: 26.\n"
            "Everything is ready for a transfer.");
}

TEST(ConnectionCheckTest, ReceiverStillLinkedIsUnlinkedAndIdentifiedAgain) {
  SimulatedReceiver rx(0);
  rx.Poke(0x0022, "05");
  SimulatedPort port(rx);
  Link link(port);
  // An earlier transfer left it identified.
  ASSERT_EQ(link.CommandLoop("QV~VR-Q5J\r").status, kAcknowledged);
  rx.ClearLines();
  ConnectionReport report = CheckConnection(link, 0);
  EXPECT_EQ(report.verdict, Verdict::kLinked);
  EXPECT_TRUE(report.already_linked);
  EXPECT_EQ(report.link_bank, "05");
  EXPECT_EQ(rx.lines(), (Lines{"QV~F00022R", "QV~FINISH", "QV~VR-Q5J",
                               "QV~F0FD01W00", "QV~F00022R", "QV~FINISH"}));
  EXPECT_NE(VerdictText(report, "sim", {}).find("still linked"),
            std::string::npos);
}

TEST(ConnectionCheckTest, PortsThatCannotBeOpened) {
  struct Case {
    OpenError why;
    Verdict verdict;
    const char* words;
  };
  const Case cases[] = {
      {OpenError::kMissing, Verdict::kPortMissing, "There is no port ttyS9"},
      {OpenError::kInUse, Verdict::kPortInUse, "Another program holds ttyS9"},
      {OpenError::kNoPermission, Verdict::kPortNoPermission, "dialout"},
      {OpenError::kOther, Verdict::kPortUnusable, "may not be a serial port"},
  };
  for (const Case& c : cases) {
    SimulatedReceiver rx;
    Checked checked = CheckReceiver(rx, 0, c.why);
    EXPECT_EQ(checked.report.verdict, c.verdict);
    EXPECT_TRUE(checked.lines.empty());
    std::string text =
        VerdictText(checked.report, "ttyS9", {"ttyS0", "ttyUSB0"});
    EXPECT_NE(text.find(c.words), std::string::npos) << text;
  }
  // Where the port is missing the ports that exist are listed.
  ConnectionReport missing;
  missing.verdict = Verdict::kPortMissing;
  EXPECT_EQ(VerdictText(missing, "ttyS9", {"ttyS0", "ttyUSB0"}),
            "The port does not exist.\nThere is no port ttyS9. Choose the "
            "cable's port (COM Port Setup in the window, --port on the "
            "command line).\nSerial ports of this machine: ttyS0, ttyUSB0.");
  EXPECT_NE(VerdictText(missing, "ttyS9", {}).find("No serial port was found"),
            std::string::npos);
}

TEST(ConnectionCheckTest, SilentLineAndReceiverOutsideItsCloningMode) {
  Faults silent;
  silent.silent_from = 1;
  SimulatedReceiver off(0, silent);
  Checked c = CheckReceiver(off, 0);
  EXPECT_EQ(c.report.verdict, Verdict::kSilent);
  EXPECT_EQ(VerdictHeadline(c.report.verdict), "Nothing comes back.");
  // Three probes and ten identities; no finish is sent to a silent line.
  EXPECT_EQ(c.lines.size(), 13u);

  Faults asleep;
  asleep.not_in_clone_mode = true;
  SimulatedReceiver normal_mode(0, asleep);
  c = CheckReceiver(normal_mode, 0);
  EXPECT_EQ(c.report.verdict, Verdict::kNotInCloneMode);
  EXPECT_EQ(VerdictHeadline(c.report.verdict),
            "The receiver is not in its cloning mode.");
}

TEST(ConnectionCheckTest, AnotherModelIsFoundAndNamed) {
  SimulatedReceiver rx(1);  // a VR-Q70E
  Checked c = CheckReceiver(rx, 3);
  EXPECT_EQ(c.report.verdict, Verdict::kOtherModel);
  EXPECT_EQ(c.report.answered_model, 1);
  EXPECT_EQ(c.lines,
            (Lines{"QV~F00022R", "QV~F00022R", "QV~F00022R", "QV~VR-Q70K",
                   "QV~VR-Q5J", "QV~VR-Q70E", "QV~FINISH"}));
  EXPECT_FALSE(rx.identified());
  EXPECT_EQ(VerdictText(c.report, "sim", {}),
            "The receiver is of another model.\nIt refused the identity of "
            "the VR-Q70K and took that of the VR-Q70E. Select the model "
            "VR-Q70E before a transfer.");
}

TEST(ConnectionCheckTest, RefusedByEveryModel) {
  Faults refuse;
  refuse.refuse_identity = true;
  SimulatedReceiver rx(0, refuse);
  Checked c = CheckReceiver(rx, 0);
  EXPECT_EQ(c.report.verdict, Verdict::kRefusedByAll);
  EXPECT_EQ(c.report.answered_model, -1);
  EXPECT_EQ(c.lines,
            (Lines{"QV~F00022R", "QV~F00022R", "QV~F00022R", "QV~VR-Q5J",
                   "QV~VR-Q70E", "QV~VR-Q70T", "QV~VR-Q70K"}));
}

TEST(ConnectionCheckTest, ReceiverThatStopsAfterTheIdentity) {
  Faults pulled;
  pulled.silent_from = 5;  // the one-byte write after the identity
  SimulatedReceiver rx(0, pulled);
  Checked c = CheckReceiver(rx, 0);
  EXPECT_EQ(c.report.verdict, Verdict::kLinkIncomplete);
  EXPECT_NE(VerdictText(c.report, "sim", {})
                .find("took the identity of the "
                      "VR-Q5J, then gave no answer"),
            std::string::npos);
}

TEST(ConnectionCheckTest, AnswersTheReceiverNeverGives) {
  testing::ScriptedPort port;
  // Answers too short for the probe; a complete "NG" to every identity.
  for (int i = 0; i < 3; ++i) {
    port.Answer({{testing::milliseconds(1), "QV~F00022R\r\r\nNG\r\n"}});
  }
  for (int i = 0; i < 10; ++i) {
    port.Answer({{testing::milliseconds(1), "QV~VR-Q5J\r\r\nNG\r\n"}});
  }
  Link link(port);
  ConnectionReport report = CheckConnection(link, 0);
  EXPECT_EQ(report.verdict, Verdict::kUnexpectedAnswer);
}

TEST(ConnectionCheckTest, PortThatBreaksAndBusyLink) {
  SimulatedReceiver rx;
  SimulatedPort port(rx);
  port.set_io_fails(true);
  Link link(port);
  EXPECT_EQ(CheckConnection(link, 0).verdict, Verdict::kPortUnusable);

  SimulatedPort other_port(rx);
  Link busy(other_port);
  TransferGuard transfer(busy);
  EXPECT_EQ(CheckConnection(busy, 0).verdict, Verdict::kBusy);
}

TEST(ConnectionCheckTest, CancelStopsTheCheck) {
  Faults silent;
  silent.silent_from = 1;
  SimulatedReceiver rx(0, silent);
  SimulatedPort port(rx);
  Link link(port);
  std::atomic<bool> cancel{true};
  link.set_cancel_flag(&cancel);
  EXPECT_EQ(CheckConnection(link, 0).verdict, Verdict::kCancelled);
  EXPECT_TRUE(rx.lines().empty());
}

}  // namespace
}  // namespace vrq5
