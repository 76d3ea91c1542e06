// The quick read against Read > ALL on receivers of every kind of memory:
// the two must leave the same document behind.
#include <gtest/gtest.h>

#include <random>

#include "codec/bits.h"
#include "codec/record.h"
#include "codec/text.h"
#include "link/transfer.h"
#include "radio/receiver.h"
#include "radio/sim_port.h"
#include "support/compare.h"
#include "support/random_document.h"

namespace vrq5 {
namespace {

using radio::Faults;
using radio::SimulatedPort;
using radio::SimulatedReceiver;

constexpr int kChannelArea = 0x0A00;
constexpr int kEnableArea = 0x0200;

std::string RandomHex(std::mt19937& rng, int bytes) {
  std::string hex;
  for (int i = 0; i < bytes; ++i) hex += HexByte(rng() & 0xFF);
  return hex;
}

// A record as a receiver may hold it: a channel, "no channel" (FF), a
// frequency of 0, or bytes of any value.
std::string RandomRecord(std::mt19937& rng) {
  switch (rng() % 4) {
    case 0:
      return std::string(64, 'F');
    case 1:
      return "00000000" + RandomHex(rng, 28);
    default: {
      uint32_t hz = 100000 + rng() % 1299900000u;
      std::string freq;
      for (int i = 0; i < 4; ++i) freq += HexByte((hz >> (8 * i)) & 0xFF);
      return freq + RandomHex(rng, 28);
    }
  }
}

// The receiver's enable bitmap of `flags` (slots 0..1279).
void PokeEnableBits(SimulatedReceiver& rx, const FlagArray& flags) {
  EnablePieces pieces = FlagsToEnableHex(flags);
  for (int i = 0; i < 5; ++i) rx.Poke(kEnableArea + 32 * i, pieces[i]);
}

// The enable flags the receiver's bitmap gives.
FlagArray EnableBitsOf(const SimulatedReceiver& rx) {
  EnablePieces pieces;
  for (int i = 0; i < 5; ++i) pieces[i] = rx.HexAt(kEnableArea + 32 * i, 32);
  FlagArray flags{};
  EnableHexToFlags(pieces, flags);
  return flags;
}

// What a receiver may hold: random settings, VFO bands, bank table (of any
// total), groups and enable bits; records in enabled and disabled slots.
// `in_use` is the share of slots enabled, in percent.
void FillReceiver(SimulatedReceiver& rx, std::mt19937& rng, int in_use) {
  for (int a = 0; a < 0x0A00; a += 32) rx.Poke(a, RandomHex(rng, 32));
  // LinkBank is read from here; it holds two decimal digits.
  rx.Poke(0x0022, HexByte(rng() % 100));
  FlagArray flags{};
  for (auto& flag : flags) {
    flag = static_cast<int>(rng() % 100) < in_use ? -1 : 0;
  }
  PokeEnableBits(rx, flags);
  for (int s = 0; s < kSlotCount; ++s) {
    rx.Poke(kChannelArea + 32 * s, RandomRecord(rng));
  }
}

void CopyMemory(const SimulatedReceiver& from, SimulatedReceiver& to) {
  auto image = from.memory();
  std::string hex;
  for (int a = 0; a < SimulatedReceiver::kMemorySize; a += 32) {
    hex.clear();
    for (int i = 0; i < 32; ++i) hex += HexByte(image[a + i]);
    to.Poke(a, hex);
  }
}

struct ReadRun {
  Document doc;
  std::vector<std::string> messages;
  std::vector<std::pair<int, int>> progress;
  std::vector<std::string> lines;
  CommandResult result = CommandResult::kFailure;
};

ReadRun RunRead(SimulatedReceiver& rx, const Document& before,
                UserCommand command) {
  ReadRun run;
  run.doc = before;
  SimulatedPort port(rx);
  Link link(port);
  TransferSinks sinks{[&](const Message& m) { run.messages.push_back(m.text); },
                      [&](int value, int maximum) {
                        run.progress.push_back({value, maximum});
                      }};
  run.result = Transfer(link, run.doc, sinks).Run(command);
  run.lines = rx.lines();
  return run;
}

::testing::AssertionResult SameRead(const ReadRun& full, const ReadRun& quick) {
  auto same = testing::SameDocument(full.doc, quick.doc);
  if (!same) return same;
  const Document& a = full.doc;
  const Document& b = quick.doc;
  if (a.EnableBitsHex != b.EnableBitsHex) {
    return ::testing::AssertionFailure() << "enable bitmap texts";
  }
  if (a.BankTableHex != b.BankTableHex || a.GroupHex != b.GroupHex ||
      a.GroupTable != b.GroupTable || a.BankSizeText != b.BankSizeText ||
      a.lblAll != b.lblAll) {
    return ::testing::AssertionFailure() << "bank or group tables";
  }
  if (a.SettingsHex1 != b.SettingsHex1 || a.SettingsHex2 != b.SettingsHex2) {
    return ::testing::AssertionFailure() << "settings blocks";
  }
  if (a.LinkBank != b.LinkBank || a.DataChanged != b.DataChanged) {
    return ::testing::AssertionFailure() << "LinkBank or DataChanged";
  }
  for (int row = 0; row <= kSlotCount; ++row) {
    if (a.RowLabel(row) != b.RowLabel(row)) {
      return ::testing::AssertionFailure() << "label of row " << row;
    }
  }
  if (full.messages != quick.messages) {
    return ::testing::AssertionFailure() << "messages differ";
  }
  return ::testing::AssertionSuccess();
}

// The channel records a read asked for, as slot numbers.
std::vector<int> SlotsRead(const std::vector<std::string>& lines) {
  std::vector<int> slots;
  for (const auto& line : lines) {
    if (line.size() != 10 || line.compare(0, 4, "QV~F") != 0) continue;
    int address = static_cast<int>(HexPrefixValue(line.substr(4, 5)));
    if (address >= kChannelArea) slots.push_back((address - kChannelArea) / 32);
  }
  return slots;
}

TEST(QuickReadTest, GivesTheDocumentOfReadAllForRandomReceivers) {
  std::mt19937 rng(20261208);
  const int kShares[] = {0, 1, 23, 50, 90, 100};
  for (int round = 0; round < 36; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    int share = kShares[round % 6];
    int model = static_cast<int>(rng() % 4);
    SimulatedReceiver full_rx(model);
    FillReceiver(full_rx, rng, share);
    SimulatedReceiver quick_rx(model);
    CopyMemory(full_rx, quick_rx);
    // What the document held before matters: the read keeps each enabled
    // slot's note, and the last slots' flags until their records arrive.
    Document before = testing::RandomDocument(rng, 50, model);
    ReadRun full = RunRead(full_rx, before, UserCommand::kReadAll);
    ReadRun quick = RunRead(quick_rx, before, UserCommand::kReadQuick);
    ASSERT_EQ(full.result, CommandResult::kSuccess);
    ASSERT_EQ(quick.result, CommandResult::kSuccess);
    ASSERT_TRUE(SameRead(full, quick));

    // It reads the enabled slots and the slots without an enable bit, in
    // slot order, and the progress counts exactly those.
    std::vector<int> expected;
    FlagArray bits = EnableBitsOf(full_rx);
    for (int s = 0; s < kSlotCount; ++s) {
      if (s >= 1280 || bits[s] == -1) expected.push_back(s);
    }
    EXPECT_EQ(SlotsRead(quick.lines), expected);
    EXPECT_EQ(SlotsRead(full.lines).size(), 1300u);
    ASSERT_FALSE(quick.progress.empty());
    EXPECT_EQ(quick.progress.back(),
              std::make_pair(static_cast<int>(expected.size()),
                             static_cast<int>(expected.size())));
  }
}

TEST(QuickReadTest, StaleRecordsInDisabledSlotsAndThePriorityTail) {
  // Every disabled slot holds a full channel record; slot 700 is enabled
  // but holds none; the priority slots 1280..1299 have no enable bit at all
  // and count by their records alone.
  SimulatedReceiver full_rx(0);
  std::mt19937 rng(5);
  Document before = testing::RandomDocument(rng, 80, 0);
  Slot stale;
  stale.value[kFreq] = 148.2;
  stale.value[kStep] = 1;
  stale.text[kName] = "STALE";
  const std::string record = EncodeChannel(stale, 0);
  for (int s = 0; s < kSlotCount; ++s) {
    full_rx.Poke(kChannelArea + 32 * s, record);
  }
  FlagArray only_700{};
  only_700[700] = -1;
  PokeEnableBits(full_rx, only_700);
  full_rx.Poke(kChannelArea + 32 * 700, std::string(64, 'F'));
  full_rx.Poke(kChannelArea + 32 * 1290, "00000000" + std::string(56, '0'));
  SimulatedReceiver quick_rx(0);
  CopyMemory(full_rx, quick_rx);
  for (int s = 1280; s < 1300; ++s) before.MemFlag[s] = s % 2 ? -1 : 0;
  ReadRun full = RunRead(full_rx, before, UserCommand::kReadAll);
  ReadRun quick = RunRead(quick_rx, before, UserCommand::kReadQuick);
  ASSERT_EQ(quick.result, CommandResult::kSuccess);
  ASSERT_TRUE(SameRead(full, quick));
  EXPECT_EQ(SlotsRead(quick.lines).size(), 21u);
  for (int s = 0; s < 1280; ++s) ASSERT_TRUE(quick.doc.Mem[s].IsEmpty()) << s;
  EXPECT_EQ(quick.doc.MemFlag[1281], -1);
  EXPECT_EQ(quick.doc.Mem[1281].text[kName], "STALE ");
  EXPECT_EQ(quick.doc.MemFlag[1290], 0);
}

TEST(QuickReadTest, EmptyAndFullReceivers) {
  for (bool full_memory : {false, true}) {
    SCOPED_TRACE(full_memory ? "full" : "empty");
    std::mt19937 rng(full_memory ? 7 : 8);
    SimulatedReceiver full_rx(1);
    if (full_memory) {
      ASSERT_TRUE(full_rx.LoadDocument(testing::RandomDocument(rng, 100, 1)));
    }
    SimulatedReceiver quick_rx(1);
    CopyMemory(full_rx, quick_rx);
    Document before = testing::RandomDocument(rng, 30, 1);
    ReadRun full = RunRead(full_rx, before, UserCommand::kReadAll);
    ReadRun quick = RunRead(quick_rx, before, UserCommand::kReadQuick);
    ASSERT_EQ(quick.result, CommandResult::kSuccess);
    ASSERT_TRUE(SameRead(full, quick));
    EXPECT_EQ(SlotsRead(quick.lines).size(), full_memory ? 1300u : 20u);
    EXPECT_EQ(quick.messages, std::vector<std::string>{"Successed!!"});
  }
}

TEST(QuickReadTest, FailuresGiveTheMessagesOfReadAll) {
  struct Case {
    const char* name;
    Faults faults;
    bool open_fails;
  };
  Faults silent;
  silent.silent_from = 1;
  Faults refused;
  refused.refuse_identity = true;
  // Silence in the middle of the enable area.
  Faults pulled;
  pulled.silent_from = 9;
  const Case cases[] = {{"silent", silent, false},
                        {"refused", refused, false},
                        {"cable pulled", pulled, false},
                        {"no port", {}, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> messages[2];
    int i = 0;
    for (UserCommand command :
         {UserCommand::kReadAll, UserCommand::kReadQuick}) {
      SimulatedReceiver rx(0, c.faults);
      SimulatedPort port(rx);
      port.set_open_fails(c.open_fails);
      Link link(port);
      Document doc;
      TransferSinks sinks{
          [&](const Message& m) { messages[i].push_back(m.text); }, {}};
      EXPECT_EQ(Transfer(link, doc, sinks).Run(command),
                CommandResult::kFailure);
      ++i;
    }
    EXPECT_FALSE(messages[0].empty());
    EXPECT_EQ(messages[0], messages[1]);
  }
}

TEST(QuickReadTest, RefusedWhileAnotherTransferHoldsTheLink) {
  SimulatedReceiver rx;
  SimulatedPort port(rx);
  Link link(port);
  Document doc;
  TransferGuard other(link);
  EXPECT_EQ(Transfer(link, doc).Run(UserCommand::kReadQuick),
            CommandResult::kBusy);
  EXPECT_EQ(rx.commands(), 0);
}

TEST(QuickReadTest, CancelStopsBeforeTheNextExchange) {
  SimulatedReceiver rx;
  std::mt19937 rng(3);
  ASSERT_TRUE(rx.LoadDocument(testing::RandomDocument(rng)));
  SimulatedPort port(rx);
  Link link(port);
  std::atomic<bool> cancel{false};
  link.set_cancel_flag(&cancel);
  Document doc;
  std::vector<std::string> messages;
  TransferSinks sinks{[&](const Message& m) { messages.push_back(m.text); },
                      [&](int value, int maximum) {
                        if (maximum > 100 && value == 10) cancel = true;
                      }};
  EXPECT_EQ(Transfer(link, doc, sinks).Run(UserCommand::kReadQuick),
            CommandResult::kFailure);
  EXPECT_EQ(messages, std::vector<std::string>{std::string(kMsgReadCancelled)});
  EXPECT_EQ(SlotsRead(rx.lines()).size(), 10u);
}

}  // namespace
}  // namespace vrq5
