// The cable-fault matrix: Read > ALL and Write > ALL through a
// pseudo-terminal and the serial adapter against the simulated receiver,
// under every fault the receiver can show. Each transfer either succeeds
// with exactly the data of a clean transfer, or fails with the messages,
// document and receiver memory of the same transfer stopped at the same
// command (found by running it in-process, in virtual time); and the next
// transfer, once the fault is gone, succeeds.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>
#include <random>
#include <thread>

#include "link/transfer.h"
#include "radio/pty_host.h"
#include "radio/receiver.h"
#include "radio/sim_port.h"
#include "serial/qt_serial_port.h"
#include "support/compare.h"
#include "support/random_document.h"
#include "support/vanishing_port.h"

namespace vrq5 {
namespace {

using std::chrono::milliseconds;
using Lines = std::vector<std::string>;

// Answers come within a millisecond on a pseudo-terminal, so a short wait
// keeps every retry quick; a late answer comes after the wait.
constexpr milliseconds kWait{40};
// While the link waits out the unanswered command, the pseudo-terminal is
// closed by another thread; a longer wait gives that thread time enough on
// a busy machine, and costs nothing once the port has failed.
constexpr milliseconds kVanishWait{250};
constexpr milliseconds kLateDelay{60};

enum class Fault {
  kDrop10,
  kDrop30,
  kCorrupt,
  kPieces,
  kLate,
  kNoEcho,
  kRefusedIdentity,
  kSilence,  // from the command `at` on
  kVanish,   // the pseudo-terminal closes at the command `at`
};

struct Row {
  std::string name;
  bool write;
  Fault fault;
  // For silence and a vanishing port: the command (1-based) where the
  // stage begins whose first line starts with `stage`, plus `offset`.
  std::string stage;
  int offset = 0;
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
  return out << row.name;
}

// The document every row writes, or that the receiver holds for reads.
const Document& Source() {
  static const Document doc = [] {
    std::mt19937 rng(2026);
    Document d = testing::RandomDocument(rng, 25);
    d.RefillMemory();
    return d;
  }();
  return doc;
}

using testing::VanishingPort;

// What one transfer left behind.
struct Outcome {
  CommandResult result;
  Lines messages;
  Document doc;
  std::array<uint8_t, radio::SimulatedReceiver::kMemorySize> memory;
};

// The receiver each run starts with: for reads, it holds the source
// document; for writes, it is in its factory state.
void Prepare(radio::SimulatedReceiver& rx, bool write) {
  rx.Reset();
  if (!write) {
    ASSERT_TRUE(rx.LoadDocument(Source()));
  }
}

Outcome RunTransfer(SerialPort& port, radio::SimulatedReceiver& rx, bool write,
                    milliseconds wait) {
  Outcome out{CommandResult::kFailure, {}, write ? Source() : Document(), {}};
  Link link(port, wait);
  Transfer transfer(
      link, out.doc,
      {[&](const Message& m) { out.messages.push_back(m.text); }, {}});
  out.result = write ? transfer.RunWriteAll() : transfer.RunReadAll();
  port.Close();
  out.memory = rx.memory();
  return out;
}

// The same transfer in-process, in virtual time.
Outcome Oracle(bool write, const radio::Faults& faults,
               long vanish_after = -1) {
  radio::SimulatedReceiver rx;
  Prepare(rx, write);
  rx.set_faults(faults);
  radio::SimulatedPort sim(rx);
  if (vanish_after >= 0) {
    VanishingPort port(sim, vanish_after);
    return RunTransfer(port, rx, write, kDefaultReplyTimeout);
  }
  return RunTransfer(sim, rx, write, kDefaultReplyTimeout);
}

// The 1-based number of the first command of a clean transfer that starts
// with `prefix`.
long StageStart(bool write, const std::string& prefix) {
  radio::SimulatedReceiver rx;
  Prepare(rx, write);
  radio::SimulatedPort sim(rx);
  RunTransfer(sim, rx, write, kDefaultReplyTimeout);
  Lines lines = rx.lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind(prefix, 0) == 0) return static_cast<long>(i) + 1;
  }
  ADD_FAILURE() << "no command starts with " << prefix;
  return 1;
}

void ExpectSame(const Outcome& got, const Outcome& want) {
  EXPECT_EQ(got.result, want.result);
  EXPECT_EQ(got.messages, want.messages);
  EXPECT_TRUE(testing::SameDocument(got.doc, want.doc));
  EXPECT_EQ(got.doc.LinkBank, want.doc.LinkBank);
  EXPECT_TRUE(got.memory == want.memory) << "receiver memory differs";
}

class FaultMatrixTest : public ::testing::TestWithParam<Row> {};

TEST_P(FaultMatrixTest, SucceedsWithTheSameDataOrStopsAsDescribed) {
  const Row& row = GetParam();
  const Outcome clean = Oracle(row.write, {});
  ASSERT_EQ(clean.result, CommandResult::kSuccess);

  radio::SimulatedReceiver rx;
  Prepare(rx, row.write);
  radio::Faults faults;
  faults.seed = 7;
  faults.late_delay = kLateDelay;
  long at =
      row.stage.empty() ? 0 : StageStart(row.write, row.stage) + row.offset;
  switch (row.fault) {
    case Fault::kDrop10:
      faults.drop_reply = 0.10;
      break;
    case Fault::kDrop30:
      faults.drop_reply = 0.30;
      break;
    case Fault::kCorrupt:
      faults.corrupt_reply = 0.10;
      break;
    case Fault::kPieces:
      faults.split_pieces = 7;
      break;
    case Fault::kLate:
      faults.late_reply = 0.05;
      break;
    case Fault::kNoEcho:
      faults.no_echo = true;
      break;
    case Fault::kRefusedIdentity:
      faults.refuse_identity = true;
      break;
    case Fault::kSilence:
      faults.silent_from = at;
      break;
    case Fault::kVanish:
      // The command `at` goes unanswered, and while the link waits for it
      // the pseudo-terminal closes: the port fails in that exchange.
      faults.silent_from = at;
      break;
  }
  rx.set_faults(faults);

  auto host = std::make_unique<radio::PtyHost>(rx);
  std::string error;
  ASSERT_TRUE(host->Start(&error)) << error;
  std::atomic<bool> done{false};
  std::thread pull;
  if (row.fault == Fault::kVanish) {
    pull = std::thread([&] {
      while (!done && rx.commands() < at)
        std::this_thread::sleep_for(milliseconds(1));
      host->Stop();
    });
  }
  Outcome got;
  {
    QtSerialPort port(host->device_path());
    got = RunTransfer(port, rx, row.write,
                      row.fault == Fault::kVanish ? kVanishWait : kWait);
  }
  done = true;
  if (pull.joinable()) pull.join();

  switch (row.fault) {
    case Fault::kDrop10:
    case Fault::kDrop30:
    case Fault::kCorrupt:
    case Fault::kPieces:
    case Fault::kLate:
      ExpectSame(got, clean);
      break;
    case Fault::kNoEcho:
    case Fault::kRefusedIdentity:
    case Fault::kSilence:
      EXPECT_EQ(got.result, CommandResult::kFailure);
      ExpectSame(got, Oracle(row.write, faults));
      break;
    case Fault::kVanish:
      // As a port that fails from the exchange `at` on.
      EXPECT_EQ(got.result, CommandResult::kFailure);
      ExpectSame(got, Oracle(row.write, {}, at - 1));
      break;
  }

  // The fault is gone: the next transfer on a working line succeeds.
  rx.set_faults({});
  if (!host->running()) {
    host = std::make_unique<radio::PtyHost>(rx);
    ASSERT_TRUE(host->Start(&error)) << error;
  }
  Prepare(rx, row.write);
  QtSerialPort port(host->device_path());
  Outcome again = RunTransfer(port, rx, row.write, kWait);
  ExpectSame(again, clean);
}

std::vector<Row> Rows() {
  std::vector<Row> rows;
  for (bool write : {false, true}) {
    std::string t = write ? "write_" : "read_";
    rows.push_back({t + "drop10", write, Fault::kDrop10, "", 0});
    rows.push_back({t + "drop30", write, Fault::kDrop30, "", 0});
    rows.push_back({t + "corrupt", write, Fault::kCorrupt, "", 0});
    rows.push_back({t + "pieces", write, Fault::kPieces, "", 0});
    rows.push_back({t + "late", write, Fault::kLate, "", 0});
    rows.push_back({t + "no_echo", write, Fault::kNoEcho, "", 0});
    rows.push_back(
        {t + "refused_identity", write, Fault::kRefusedIdentity, "", 0});
  }
  // Silence and a vanishing port inside every stage of each transfer.
  const std::vector<std::pair<std::string, std::string>> read_stages = {
      {"probe", "QV~F00022R"},    {"identity", "QV~VR-"},
      {"settings", "QV~F00000R"}, {"vfo", "QV~F00300R"},
      {"enable", "QV~F00200R"},   {"bank", "QV~F00100R"},
      {"groups", "QV~F00080R"},   {"channels", "QV~F00A00R"}};
  const std::vector<std::pair<std::string, std::string>> write_stages = {
      {"settings", "QV~F00000W"}, {"vfo", "QV~F00300W"},
      {"bank", "QV~F00100W"},     {"im", "QV~IM"},
      {"groups", "QV~F00080W"},   {"channels", "QV~BC"},
      {"clear", "QV~F00180W"},    {"finish", "QV~FINISH"}};
  for (bool write : {false, true}) {
    for (const auto& [name, prefix] : write ? write_stages : read_stages) {
      std::string t = std::string(write ? "write_" : "read_");
      rows.push_back(
          {t + "silent_at_" + name, write, Fault::kSilence, prefix, 0});
      rows.push_back(
          {t + "vanish_in_" + name, write, Fault::kVanish, prefix, 0});
    }
    std::string t = std::string(write ? "write_" : "read_");
    rows.push_back({t + "silent_inside_channels", write, Fault::kSilence,
                    write ? "QV~BC" : "QV~F00A00R", 150});
    rows.push_back({t + "vanish_inside_channels", write, Fault::kVanish,
                    write ? "QV~BC" : "QV~F00A00R", 150});
  }
  return rows;
}

INSTANTIATE_TEST_SUITE_P(Cable, FaultMatrixTest, ::testing::ValuesIn(Rows()),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace vrq5

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
