#include "radio/receiver.h"

#include <gtest/gtest.h>

#include <random>

#include "link/transfer.h"
#include "radio/sim_port.h"
#include "radio/write_preview.h"
#include "store/changes.h"
#include "support/busy_document.h"

namespace vrq5::radio {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;
using std::chrono::nanoseconds;

// Everything the receiver sends back for `bytes`, joined.
std::string Answer(SimulatedReceiver& rx, std::string_view bytes) {
  std::string out;
  for (const auto& d : rx.Receive(bytes)) out += d.data;
  return out;
}

// The reply after the echo.
std::string Reply(SimulatedReceiver& rx, const std::string& line) {
  std::string out = Answer(rx, line + "\r");
  EXPECT_EQ(out.substr(0, line.size() + 1), line + "\r");
  return out.substr(std::min(out.size(), line.size() + 1));
}

const std::string kOk = "\r\nOK\r\n";

TEST(ReceiverTest, NeedsItsOwnIdentityBeforeReadsAndWrites) {
  SimulatedReceiver rx(1);
  EXPECT_EQ(Reply(rx, "QV~F00000R"), "");  // echo only
  EXPECT_EQ(Reply(rx, "QV~F00000W00"), "");
  EXPECT_EQ(Reply(rx, "QV~VR-Q5J"), "\r\nRE\r\n");
  EXPECT_FALSE(rx.identified());
  EXPECT_EQ(Reply(rx, "QV~VR-Q70E"), kOk);
  EXPECT_TRUE(rx.identified());
  std::string frame = Reply(rx, "QV~F00000R");
  EXPECT_EQ(frame, "\r\n" + rx.HexAt(0, 32) + "\r\n");
  ASSERT_GE(frame.size(), 4u);
  EXPECT_EQ(frame.substr(2, 2), "A5");
  EXPECT_EQ(Reply(rx, "QV~FINISH"), kOk);
  EXPECT_FALSE(rx.identified());
  EXPECT_EQ(Reply(rx, "QV~F00000R"), "");
  EXPECT_EQ(rx.commands(), 7);
  ASSERT_GE(rx.lines().size(), 1u);
  EXPECT_EQ(rx.lines().front(), "QV~F00000R");
}

TEST(ReceiverTest, ReadsAndWritesByAddress) {
  SimulatedReceiver rx;
  Reply(rx, "QV~VR-Q5J");
  EXPECT_EQ(Reply(rx, "QV~F0FD01W00"), kOk);
  EXPECT_EQ(Reply(rx, "QV~F00300W0123456789ABCDEF"), kOk);
  EXPECT_EQ(rx.HexAt(0x300, 8), "0123456789ABCDEF");
  std::string short_address = Reply(rx, "QV~F0300R");
  ASSERT_GE(short_address.size(), 18u);
  EXPECT_EQ(short_address.substr(2, 16), "0123456789ABCDEF");
  for (const char* bad :
       {"QV~F00300W012", "QV~F00300WXY", "QV~F00300W", "QV~FFFFF0R",
        "QV~F100000R", "QV~FR", "QV~F00000R00", "QV~NOPE", "XYZ", "QV~F"}) {
    EXPECT_EQ(Reply(rx, bad), "\r\nNG\r\n") << bad;
  }
  // More than 32 bytes at once.
  EXPECT_EQ(Reply(rx, "QV~F00300W" + std::string(66, '1')), "\r\nNG\r\n");
}

TEST(ReceiverTest, ChannelsByBankAndChannelThroughTheBankTable) {
  SimulatedReceiver rx;
  Reply(rx, "QV~VR-Q5J");
  // Bank 0 empty, bank 1 of 100, bank 2 of 900.
  Reply(rx, "QV~F00100W00006400840300");
  const std::string record = "00E1F505" + std::string(56, '0');
  EXPECT_EQ(rx.SlotOf(1, 0), 0);
  EXPECT_EQ(rx.SlotOf(2, 899), 999);
  EXPECT_EQ(rx.SlotOf(0, 0), -1);
  EXPECT_EQ(rx.SlotOf(1, 100), -1);
  EXPECT_EQ(rx.SlotOf(50, 5), 1005);
  EXPECT_EQ(rx.SlotOf(52, 99), 1299);
  EXPECT_EQ(rx.SlotOf(52, 100), -1);

  EXPECT_EQ(Reply(rx, "QV~BC02005W" + record), kOk);
  EXPECT_EQ(rx.HexAt(0x0A00 + 32 * 105, 32), record);
  EXPECT_EQ(rx.Byte(0x0200 + 105 / 8), 0x80 >> (105 % 8));
  EXPECT_EQ(Reply(rx, "QV~BC02005R"), "\r\n" + record + "\r\n");
  // Slots past the bitmap get no enable bit.
  EXPECT_EQ(Reply(rx, "QV~BC52090W" + record), kOk);
  EXPECT_EQ(rx.HexAt(0x0200, 160).find_first_not_of('0'), 26u);
  EXPECT_EQ(rx.HexAt(0x02A0, 4), "00000000");
  // A channel no bank holds: writes refused, reads give an empty record.
  EXPECT_EQ(Reply(rx, "QV~BC00000W" + record), "\r\nNG\r\n");
  EXPECT_EQ(Reply(rx, "QV~BC00000R"), "\r\n" + std::string(64, 'F') + "\r\n");
  EXPECT_EQ(Reply(rx, "QV~BC01000W" + record.substr(2)), "\r\nNG\r\n");
  // Without bank digits the channel digits alone address bank 0.
  EXPECT_EQ(Reply(rx, "QV~BC000R").size(), 68u);

  EXPECT_EQ(Reply(rx, "QV~IM"), kOk);
  EXPECT_EQ(rx.HexAt(0x0A00 + 32 * 105, 32), std::string(64, 'F'));
  EXPECT_EQ(rx.HexAt(0x0200, 160), std::string(320, '0'));
}

TEST(ReceiverTest, FactoryState) {
  SimulatedReceiver rx(2);
  EXPECT_EQ(rx.HexAt(0x0100, 4), "64006400");
  EXPECT_EQ(rx.HexAt(0x0100 + 100, 8), "6400640064001400");
  EXPECT_EQ(rx.HexAt(0x0A00, 4), "FFFFFFFF");
  EXPECT_EQ(rx.HexAt(0xAC60, 32), std::string(64, 'F'));
  EXPECT_EQ(rx.HexAt(0xAC80, 1), "00");
  EXPECT_EQ(rx.Byte(0x22), 0);
  EXPECT_EQ(rx.model_index(), 2);
}

TEST(ReceiverTest, LinesMayArriveInPieces) {
  SimulatedReceiver rx;
  EXPECT_EQ(Answer(rx, "QV~VR"), "QV~VR");
  EXPECT_EQ(Answer(rx, "-Q5J\rQV~F00"), "-Q5J\r" + kOk + "QV~F00");
  EXPECT_EQ(Answer(rx, "000R\r").size(), 5u + 68);
  EXPECT_EQ(rx.commands(), 2);
}

TEST(ReceiverTest, FaultsShapeTheOutput) {
  SimulatedReceiver rx;
  rx.set_faults({.no_echo = true});
  EXPECT_EQ(Answer(rx, "QV~VR-Q5J\r"), kOk);

  rx.set_faults({.split_pieces = 4});
  auto pieces = rx.Receive("QV~F00000R\r");
  ASSERT_EQ(pieces.size(), 5u);  // echo, then the reply in four
  std::string joined;
  for (size_t i = 1; i < pieces.size(); ++i) {
    joined += pieces[i].data;
    if (i > 1) {
      EXPECT_GT(pieces[i].after, pieces[i - 1].after);
    }
  }
  EXPECT_EQ(joined, "\r\n" + rx.HexAt(0, 32) + "\r\n");

  rx.set_faults({.drop_reply = 1.0});
  EXPECT_EQ(Answer(rx, "QV~F00000R\r"), "QV~F00000R\r");

  rx.set_faults({.corrupt_reply = 1.0});
  std::string bad = Reply(rx, "QV~F00000R");
  std::string good = "\r\n" + rx.HexAt(0, 32) + "\r\n";
  ASSERT_EQ(bad.size(), good.size());
  int differ = 0;
  for (size_t i = 0; i < bad.size(); ++i) differ += bad[i] != good[i];
  EXPECT_EQ(differ, 1);

  rx.set_faults({.late_reply = 1.0, .late_delay = milliseconds(800)});
  pieces = rx.Receive("QV~F00000R\r");
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[1].after, milliseconds(800));

  rx.set_faults({.refuse_identity = true});
  EXPECT_EQ(Reply(rx, "QV~VR-Q5J"), "\r\nRE\r\n");
}

TEST(ReceiverTest, SilenceFromTheNthLineOn) {
  SimulatedReceiver rx(0, {.silent_from = 3});
  EXPECT_EQ(Reply(rx, "QV~VR-Q5J"), kOk);
  EXPECT_EQ(Reply(rx, "QV~F00000R").size(), 68u);
  EXPECT_EQ(Answer(rx, "QV~F00000R\r"), "");  // not even the echo
  EXPECT_EQ(Answer(rx, "QV~FINISH\r"), "");
  EXPECT_EQ(rx.commands(), 4);
}

TEST(ReceiverTest, WireTiming) {
  SimulatedReceiver rx(0, {.timing = true, .turnaround = microseconds(2000)});
  Reply(rx, "QV~VR-Q5J");
  auto pieces = rx.Receive("QV~F00000R\r");
  ASSERT_EQ(pieces.size(), 2u);
  // 10 bits at 38400 bit/s a character.
  const nanoseconds kChar(260416);
  EXPECT_EQ(pieces[0].after, 11 * kChar);
  EXPECT_EQ(pieces[1].after, 11 * kChar + microseconds(2000) + 68 * kChar);
}

TEST(ReceiverTest, GarbageNeverBreaksIt) {
  SimulatedReceiver rx;
  std::mt19937 gen(5);
  std::string noise;
  for (int i = 0; i < 20000; ++i) {
    noise += static_cast<char>(gen() % 4 == 0 ? '\r' : gen() % 256);
  }
  noise += std::string(5000, 'Q');  // a very long line
  noise += "\r";
  for (size_t at = 0; at < noise.size(); at += 97) {
    rx.Receive(std::string_view(noise).substr(at, 97));
  }
  EXPECT_GT(rx.commands(), 1000);
  for (const auto& line : rx.lines()) EXPECT_LE(line.size(), 512u);
  Reply(rx, "QV~VR-Q5J");
  EXPECT_EQ(Reply(rx, "QV~F00000R").size(), 68u);
}

TEST(ReceiverTest, LoadDocumentFillsTheMemoryAsWriteAllDoes) {
  Document doc;
  doc.Mem[7].value[kFreq] = 145.5;
  doc.Mem[7].text[kFreq] = "145.500000";
  doc.MemFlag[7] = -1;
  doc.settings.chkBeep = 1;

  SimulatedReceiver loaded;
  loaded.Reset();
  ASSERT_TRUE(loaded.LoadDocument(doc));
  EXPECT_FALSE(loaded.identified());
  EXPECT_EQ(loaded.commands(), 0);
  EXPECT_TRUE(loaded.lines().empty());

  SimulatedReceiver written;
  SimulatedPort port(written);
  Link link(port);
  Document copy = doc;
  Transfer transfer(link, copy);
  ASSERT_EQ(transfer.RunWriteAll(), CommandResult::kSuccess);
  EXPECT_EQ(loaded.memory(), written.memory());
  EXPECT_EQ(loaded.HexAt(0x0A00 + 7 * 32, 4), "6027AC08");

  doc.txtBank[0] = doc.BankSizeText[0] = "50";
  EXPECT_FALSE(loaded.LoadDocument(doc));
  SimulatedReceiver other_model(3);
  doc.txtBank[0] = doc.BankSizeText[0] = "100";
  EXPECT_FALSE(other_model.LoadDocument(doc));
}

TEST(SimulatedPortTest, VirtualTimeRunsOnlyWhenWaiting) {
  SimulatedReceiver rx(0, {.timing = true});
  SimulatedPort port(rx);
  ASSERT_TRUE(port.Open());
  auto start = port.Now();
  ASSERT_TRUE(port.Write("QV~VR-Q5J\r"));
  std::string got;
  port.ReadAvailable(got);
  EXPECT_EQ(got, "");  // nothing has crossed the wire yet
  EXPECT_TRUE(port.WaitForData(milliseconds(500)));
  port.ReadAvailable(got);
  EXPECT_EQ(got, "QV~VR-Q5J\r");
  EXPECT_TRUE(port.WaitForData(milliseconds(500)));
  port.ReadAvailable(got);
  EXPECT_EQ(got, "QV~VR-Q5J\r" + kOk);
  EXPECT_LT(port.Now() - start, milliseconds(10));
  EXPECT_FALSE(port.WaitForData(milliseconds(500)));
  EXPECT_GE(port.Now() - start, milliseconds(500));
  port.Close();
  EXPECT_FALSE(port.Write("x"));
  port.set_open_fails(true);
  EXPECT_FALSE(port.Open());
}

TEST(SimulatedPortTest, RealTimeMode) {
  SimulatedReceiver rx;
  SimulatedPort port(rx, SimulatedPort::TimeMode::kReal);
  Link link(port, milliseconds(200));
  EXPECT_EQ(link.SendCommand("QV~VR-Q5J\r"), kAcknowledged);
  EXPECT_EQ(link.SendQuery("QV~F00022R\r").size(), 68u);
}

// The preview of a write is what a read of the receiver gives once the
// write is done: only the parts the write sends change, names as the record
// keeps them, notes not at all; and the corrupt-write and ignore-write
// faults make the receiver hold something else than it answered for.
TEST(WritePreviewTest, GivesWhatAReadGivesAfterTheWrite) {
  using testing::HandChannel;
  Document held;
  held.Mem[3] = HandChannel(145.5, "145.500000", "HOME");
  held.MemFlag[3] = -1;
  SimulatedReceiver rx;
  ASSERT_TRUE(rx.LoadDocument(held));
  SimulatedPort port(rx);
  Link link(port);
  Document before;
  ASSERT_EQ(Transfer(link, before).Run(UserCommand::kReadQuick),
            CommandResult::kSuccess);

  Document doc = before;
  doc.Mem[4] = HandChannel(430.0, "430.000000", "AB");
  doc.Mem[4].text[kName] = "AB";
  doc.MemFlag[4] = -1;
  doc.Mem[3].text[kNote] = "a note";
  doc.settings.chkBeep = 1 - doc.settings.chkBeep;
  Document after;
  ASSERT_TRUE(ReceiverAfterWrite(before, doc, UserCommand::kWrite, after));
  EXPECT_EQ(DocumentChanges(before, after),
            std::vector<std::string>{"Channel 00-004 added: 430.000000 AM AB"});
  ASSERT_TRUE(ReceiverAfterWrite(before, doc, UserCommand::kWriteAll, after));
  std::vector<std::string> changes = DocumentChanges(before, after);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].substr(0, 6), "Beep: ");
  ASSERT_TRUE(
      ReceiverAfterWrite(before, before, UserCommand::kWriteAll, after));
  EXPECT_TRUE(DocumentChanges(before, after).empty());

  // The real write, then a read: the same as the preview; with a fault,
  // the row the receiver did not keep (the first written: the last slot,
  // as channels are written backwards).
  ASSERT_TRUE(ReceiverAfterWrite(before, doc, UserCommand::kWriteAll, after));
  for (int round = 0; round < 3; ++round) {
    Faults faults;
    faults.corrupt_write = round == 1;
    faults.ignore_write = round == 2;
    ASSERT_TRUE(rx.LoadDocument(before));
    rx.set_faults(faults);
    Document sent = doc;
    ASSERT_EQ(Transfer(link, sent).Run(UserCommand::kWriteAll),
              CommandResult::kSuccess);
    Document back = before;
    ASSERT_EQ(Transfer(link, back).Run(UserCommand::kReadQuick),
              CommandResult::kSuccess);
    changes = DocumentChanges(after, back);
    if (faults.corrupt_write) {
      EXPECT_EQ(changes,
                std::vector<std::string>{"Channel 00-004: Mode: AM -> WFM"});
    } else if (faults.ignore_write) {
      EXPECT_EQ(changes, std::vector<std::string>{
                             "Channel 00-004 removed: 430.000000 AM AB"});
    } else {
      EXPECT_TRUE(changes.empty());
    }
  }
}

}  // namespace
}  // namespace vrq5::radio
