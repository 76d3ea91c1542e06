// The write in four steps against the simulated receiver: the snapshot is
// what a read gives, the preview what the write changes, the read-back
// catches a receiver that did not keep what it answered "OK" to, nothing is
// written when the first read fails or is cancelled, and the snapshot
// written back restores the receiver.
#include "radio/safe_write.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "files/clone_file.h"
#include "files/snapshots.h"
#include "radio/receiver.h"
#include "radio/sim_port.h"
#include "store/changes.h"
#include "support/busy_document.h"
#include "support/temp_dir.h"

namespace vrq5::radio {
namespace {

using testing::HandChannel;

// A line that changes the receiver's memory (the identity's one-byte write
// does not).
bool WritesMemory(const std::string& line) {
  if (line == "QV~IM") return true;
  if (line.rfind("QV~BC", 0) == 0) return line.find('W') != std::string::npos;
  return line.rfind("QV~F", 0) == 0 && line.size() > 9 && line[9] == 'W' &&
         line.substr(4, 5) != "0FD01";
}

class SafeWriteTest : public ::testing::Test {
 protected:
  SafeWriteTest() : port_(rx_), link_(port_) {
    held_.Mem[3] = HandChannel(145.5, "145.500000", "HOME");
    held_.Mem[10] = HandChannel(430.0, "430.000000", "OLD");
    held_.MemFlag[3] = held_.MemFlag[10] = -1;
    EXPECT_TRUE(rx_.LoadDocument(held_));
    doc_ = held_;
    doc_.Mem[3] = Slot();
    doc_.MemFlag[3] = 0;
    doc_.Mem[4] = HandChannel(118.1, "118.100000", "TOWER");
    doc_.MemFlag[4] = -1;
    doc_.Mem[10].text[kName] = "NEW   ";
    options_.snapshot_folder = folder_.path();
    sinks_.message = [this](const Message& m) { messages_.push_back(m); };
    sinks_.progress = [this](int value, int maximum) {
      steps_.emplace_back(value, maximum);
    };
    sinks_.memory_part = [this] { memory_parts_.push_back(rx_.lines()); };
  }

  // What Read > ALL gives of the receiver now.
  Document ReadAll() {
    Document read;
    EXPECT_EQ(Transfer(link_, read).Run(UserCommand::kReadAll),
              CommandResult::kSuccess);
    return read;
  }

  bool AnyWrite() const {
    for (const std::string& line : rx_.lines()) {
      if (WritesMemory(line)) return true;
    }
    return false;
  }

  // Plan, then write and verify; the result of the last step run.
  CommandResult Run(SafeWrite& write) {
    PlanResult plan = write.Plan(link_, sinks_);
    if (plan != PlanResult::kWrite) return CommandResult::kFailure;
    return write.WriteAndVerify(link_, doc_, sinks_);
  }

  SimulatedReceiver rx_;
  SimulatedPort port_;
  Link link_;
  vrq5::testing::TempDir folder_;
  Document held_;
  Document doc_;
  SafeWriteOptions options_;
  TransferSinks sinks_;
  std::vector<Message> messages_;
  std::vector<std::pair<int, int>> steps_;
  // The lines sent when each memory part the sinks heard of started.
  std::vector<std::vector<std::string>> memory_parts_;
};

TEST_F(SafeWriteTest, SnapshotPreviewWriteVerifyAndRestore) {
  const Document before = ReadAll();
  rx_.ClearLines();
  SafeWrite write(doc_, UserCommand::kWriteAll, options_);
  ASSERT_EQ(write.Plan(link_, sinks_), PlanResult::kWrite);
  EXPECT_FALSE(AnyWrite());
  // The snapshot is the receiver as Read > ALL gives it.
  Document snapshot;
  ASSERT_EQ(OpenCloneFile(snapshot, write.snapshot_path().string()),
            FileStatus::kOk);
  EXPECT_TRUE(DocumentChanges(before, snapshot).empty());
  EXPECT_EQ(write.changes(), (std::vector<std::string>{
                                 "Channel 00-003 removed: 145.500000 AM HOME",
                                 "Channel 00-004 added: 118.100000 AM TOWER",
                                 "Channel 00-010: Name: OLD    -> NEW   "}));

  EXPECT_TRUE(memory_parts_.empty());  // the snapshot is no memory part
  ASSERT_EQ(write.WriteAndVerify(link_, doc_, sinks_), CommandResult::kSuccess);
  // The write's memory part only, after its last VFO band; the read-back
  // is no memory part either.
  ASSERT_EQ(memory_parts_.size(), 1u);
  EXPECT_EQ(memory_parts_[0].back().substr(0, 10), "QV~F004A0W");
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, kMsgSuccess);
  EXPECT_EQ(messages_[0].informative, kMsgVerified);
  // One count across the three steps, ending full.
  ASSERT_FALSE(steps_.empty());
  for (size_t i = 1; i < steps_.size(); ++i) {
    EXPECT_EQ(steps_[i].second, steps_[0].second);
    EXPECT_GE(steps_[i].first, steps_[i - 1].first);
  }
  EXPECT_EQ(steps_.back().first, steps_.back().second);

  // The snapshot written back restores the receiver exactly.
  SafeWrite restore(snapshot, UserCommand::kWriteAll, options_);
  ASSERT_EQ(restore.Plan(link_, sinks_), PlanResult::kWrite);
  ASSERT_EQ(restore.WriteAndVerify(link_, snapshot, sinks_),
            CommandResult::kSuccess);
  EXPECT_TRUE(DocumentChanges(before, ReadAll()).empty());
  EXPECT_EQ(ListSnapshots(folder_.path()).size(), 2u);
}

// A receiver that answers "OK" but keeps something else: the read-back
// names the row, with and without a snapshot.
TEST_F(SafeWriteTest, ReadBackCatchesWhatTheReceiverDidNotKeep) {
  struct Case {
    bool corrupt;
    bool snapshot;
    std::string row;
  };
  for (const Case& c :
       {Case{true, true, "Channel 00-010: Mode: AM -> WFM"},
        Case{false, true, "Channel 00-010 removed: 430.000000 AM NEW"},
        Case{true, false, "Channel 00-010: Mode: AM -> WFM"}}) {
    ASSERT_TRUE(rx_.LoadDocument(held_));
    Faults faults;
    faults.corrupt_write = c.corrupt;
    faults.ignore_write = !c.corrupt;
    rx_.set_faults(faults);
    messages_.clear();
    options_.snapshot = c.snapshot;
    SafeWrite write(doc_, UserCommand::kWriteAll, options_);
    Document sent = doc_;
    EXPECT_EQ(write.Plan(link_, sinks_), PlanResult::kWrite);
    EXPECT_EQ(write.WriteAndVerify(link_, sent, sinks_),
              CommandResult::kFailure);
    ASSERT_FALSE(messages_.empty());
    const Message& last = messages_.back();
    EXPECT_EQ(last.text, kMsgVerifyFailed);
    ASSERT_FALSE(write.differences().empty());
    EXPECT_EQ(write.differences()[0].substr(0, c.row.size()), c.row)
        << write.differences()[0];
    EXPECT_NE(last.informative.find(write.differences()[0]), std::string::npos);
    EXPECT_EQ(last.informative.find("kept in") != std::string::npos,
              c.snapshot);
  }
}

// Nothing is written when the receiver already holds it, when the first
// read fails, or when the user cancels it.
TEST_F(SafeWriteTest, NothingIsWrittenUnlessThePlanSaysWrite) {
  struct Case {
    const char* what;
    PlanResult plan;
    std::string_view last;
  };
  const Document same = ReadAll();
  for (const Case& c :
       {Case{"same", PlanResult::kNothingToWrite, kMsgNothingToWrite},
        Case{"silent", PlanResult::kFailure, kMsgSnapshotFailed},
        Case{"cancel", PlanResult::kFailure, kMsgWriteCancelled}}) {
    const std::string what = c.what;
    ASSERT_TRUE(rx_.LoadDocument(held_));
    Faults faults;
    if (what == "silent") faults.silent_from = 1;
    rx_.set_faults(faults);
    messages_.clear();
    std::atomic<bool> cancel{false};
    link_.set_cancel_flag(&cancel);
    TransferSinks sinks = sinks_;
    if (what == "cancel") sinks.progress = [&](int, int) { cancel = true; };
    SafeWrite write(what == "same" ? same : doc_, UserCommand::kWriteAll,
                    options_);
    EXPECT_EQ(write.Plan(link_, sinks), c.plan) << what;
    EXPECT_FALSE(AnyWrite()) << what;
    ASSERT_FALSE(messages_.empty()) << what;
    EXPECT_EQ(messages_.back().text, c.last) << what;
  }
  link_.set_cancel_flag(nullptr);
}

// Cancel during the write, or during the read-back, ends the command with
// the snapshot named, to be written back.
TEST_F(SafeWriteTest, CancelAfterThePlanNamesTheSnapshot) {
  for (int step : {1, 2}) {
    ASSERT_TRUE(rx_.LoadDocument(held_));
    messages_.clear();
    std::atomic<bool> cancel{false};
    link_.set_cancel_flag(&cancel);
    TransferSinks sinks = sinks_;
    sinks.progress = [&](int value, int maximum) {
      if (value > step * maximum / 3) cancel = true;
    };
    SafeWrite write(doc_, UserCommand::kWriteAll, options_);
    ASSERT_EQ(write.Plan(link_, sinks), PlanResult::kWrite) << step;
    Document sent = doc_;
    EXPECT_EQ(write.WriteAndVerify(link_, sent, sinks), CommandResult::kFailure)
        << step;
    ASSERT_FALSE(messages_.empty()) << step;
    const Message& last = messages_.back();
    EXPECT_NE(last.informative.find(SnapshotNote(write.snapshot_path())),
              std::string::npos)
        << step << ": " << last.text;
    if (step == 2) {
      EXPECT_EQ(last.text, kMsgVerifyFailed);
    }
  }
  link_.set_cancel_flag(nullptr);
}

}  // namespace
}  // namespace vrq5::radio
