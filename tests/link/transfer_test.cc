#include "link/transfer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "codec/tables.h"
#include "codec/text.h"
#include "link/scripted_port.h"
#include "link/transfer_pages.h"
#include "radio/receiver.h"
#include "radio/sim_port.h"
#include "store/bank_rules.h"

namespace vrq5 {
namespace {

using radio::Faults;
using radio::SimulatedPort;
using radio::SimulatedReceiver;
using Lines = std::vector<std::string>;

// A channel slot with the texts the decoder gives its values.
Slot MakeChannel(double mhz, int mode, int step, int option, int tone,
                 int secret, int carrier, int shift, double offset, int skip,
                 std::string name) {
  Slot s;
  s.value[kFreq] = mhz;
  s.value[kMode] = mode;
  s.value[kStep] = step;
  s.value[kOption] = option;
  s.value[kTone] = tone;
  s.value[kSecret] = secret;
  s.value[kCarrier] = carrier;
  s.value[kShiftDir] = shift;
  s.value[kOffset] = offset;
  s.value[kSkip] = skip;
  s.text[kName] = name;
  // Encoded for a model that admits the option.
  Slot canonical;
  DecodeChannel("\r\n" + EncodeChannel(s, option == 4 ? 1 : 0), canonical);
  return canonical;
}

void SetBanks(Document& doc, std::initializer_list<int> sizes) {
  for (int b = 0; b < kBankCount; ++b) doc.BankSizeText[b] = "0";
  int b = 0;
  for (int n : sizes) doc.BankSizeText[b++] = std::to_string(n);
  doc.ShowBankSizes();
  doc.LayoutMemoryRows();
}

const std::vector<int> kUsedSlots = {0,    1,    249,  250,  399,  400,
                                     777,  999,  1000, 1005, 1099, 1100,
                                     1199, 1200, 1279, 1280, 1299};

// A document with channels in every kind of slot, unusual bank sizes,
// groups, settings and VFO bands; slot 500 holds a disabled channel and
// slot 600 is enabled but empty.
Document SampleDocument() {
  Document doc;
  SetBanks(doc, {0, 250, 150, 0, 600});
  for (int s : kUsedSlots) {
    doc.Mem[s] = MakeChannel(100 + s * 0.0125, s % 3, s % 18, s % 4, s % 39,
                             s % 29, s % 29, s % 3, 0.6 + s / 1000.0, s % 2,
                             "CH" + std::to_string(1000 + s % 1000));
    doc.MemFlag[s] = -1;
  }
  doc.Mem[500] = MakeChannel(440, 0, 1, 0, 0, 0, 0, 0, 0, 0, "HIDDEN");
  doc.MemFlag[500] = 0;
  doc.MemFlag[600] = -1;
  doc.chkGrp[50 * 1 + 1] = 1;
  doc.chkGrp[50 * 3 + 4] = 1;
  doc.chkGrp[50 * 10 + 49] = 1;
  doc.settings.chkATT = 1;
  doc.settings.Slider1 = 17;
  doc.settings.cbbScan = 2;
  doc.Vfo[3].value[kFreq] = 52.5;
  doc.Vfo[3].text[kFreq] = "52.500000";
  return doc;
}

class TransferTest : public ::testing::Test {
 protected:
  explicit TransferTest(Faults faults = {}) : rx(0, faults) {}

  TransferSinks Sinks() {
    return {[this](const Message& m) { messages.push_back(m.text); },
            [this](int value, int maximum) {
              last_progress = {value, maximum};
              if (on_progress) on_progress(value, maximum);
            },
            [this] { memory_parts.push_back(rx.lines().size()); }};
  }

  Lines Texts() const { return messages; }

  SimulatedReceiver rx;
  SimulatedPort port{rx};
  Link link{port};
  Document doc;
  Lines messages;
  std::pair<int, int> last_progress{-1, -1};
  std::function<void(int, int)> on_progress;
  // The lines sent when each memory part started.
  std::vector<size_t> memory_parts;
  Transfer transfer{link, doc, Sinks()};
};

// The lines of the link check on an unidentified receiver.
Lines IdentifyLines(const std::string& identity = "QV~VR-Q5J") {
  return {"QV~F00022R", "QV~F00022R",   "QV~F00022R",
          identity,     "QV~F0FD01W00", "QV~F00022R"};
}

std::string Hex5(int address) {
  static const char* d = "0123456789ABCDEF";
  std::string s(5, '0');
  for (int i = 4; i >= 0; --i, address >>= 4) s[i] = d[address & 15];
  return s;
}

TEST_F(TransferTest, ReadAllSendsTheDescribedLinesInOrder) {
  EXPECT_EQ(transfer.RunReadAll(), CommandResult::kSuccess);
  Lines want = IdentifyLines();
  want.push_back("QV~F00000R");
  want.push_back("QV~F00020R");
  for (int k = 0; k < 14; ++k)
    want.push_back("QV~F" + Hex5(0x300 + 32 * k) + "R");
  want.push_back("QV~F00022R");  // memory read: link check
  for (int a = 0x200; a <= 0x280; a += 32)
    want.push_back("QV~F" + Hex5(a) + "R");
  want.push_back("QV~F00022R");  // bank read: link check
  for (std::string a :
       {"00100", "00120", "00140", "00160", "00080", "000A0", "000C0"}) {
    want.push_back("QV~F" + a + "R");
  }
  for (int s = 0; s < 1300; ++s)
    want.push_back("QV~F" + Hex5(0xA00 + 32 * s) + "R");
  EXPECT_EQ(rx.lines(), want);
  EXPECT_EQ(want.back(), "QV~F0AC60R");
  // The memory part starts once, after the last VFO band.
  EXPECT_EQ(memory_parts, std::vector<size_t>{6 + 2 + 14});
  EXPECT_EQ(Texts(), Lines{"Successed!!"});
  EXPECT_EQ(last_progress, std::make_pair(1299, 1299));
  EXPECT_EQ(doc.LinkBank, "00");
  EXPECT_EQ(doc.DataChanged, -1);
}

TEST_F(TransferTest, WriteAllSendsTheDescribedLinesAndData) {
  doc = SampleDocument();
  doc.LinkBank = "07";  // replaced by the identification
  rx.Poke(0x22, "05");
  ASSERT_EQ(transfer.RunWriteAll(), CommandResult::kSuccess)
      << ::testing::PrintToString(Texts());
  EXPECT_EQ(doc.LinkBank, "05");

  Lines want = IdentifyLines();
  Document expect = SampleDocument();
  expect.EncodeSettings();
  want.push_back("QV~F00000W" + expect.SettingsHex1);
  want.push_back("QV~F00020W" + expect.SettingsHex2);
  for (int k = 0; k < 14; ++k) {
    want.push_back("QV~F" + Hex5(0x300 + 32 * k) + "W" +
                   EncodeVfoBand(expect.Vfo[k], 0));
  }
  want.push_back("QV~F00022R");  // memory write: link check
  want.push_back("QV~F00022R");  // bank table: link check
  // Banks 0..49 as little-endian words, then the words 100, 100, 100, 20.
  std::string sizes =
      "0000"
      "FA00"
      "9600"
      "0000"
      "5802";
  sizes += std::string(4 * 45, '0') + "6400640064001400";
  want.push_back("QV~F00100W" + sizes.substr(0, 64));
  want.push_back("QV~F00120W" + sizes.substr(64, 64));
  want.push_back("QV~F00140W" + sizes.substr(128, 64));
  want.push_back("QV~F00160W" + sizes.substr(192));
  want.push_back("QV~IM");
  // Group rows of 8 bytes: row 1 bank 1 (40), row 3 bank 4 (08), row 10
  // bank 49 (byte 6, 40) with the fixed marker bit (byte 6, 04).
  std::string groups(176, '0');
  groups.replace(16, 2, "40");
  groups.replace(48, 2, "08");
  groups.replace(160 + 12, 2, "44");
  want.push_back("QV~F00080W" + groups.substr(0, 64));
  want.push_back("QV~F000A0W" + groups.substr(64, 64));
  want.push_back("QV~F000C0W" + groups.substr(128, 48));
  // Enabled channels from the last slot down; memory slots by their
  // bank and channel: banks 1 (250), 2 (150), 4 (600).
  auto where = [](int s) -> std::string {
    if (s >= 1200)
      return "52" + std::string(s - 1200 < 10 ? "00" : "0") +
             std::to_string(s - 1200);
    if (s >= 1100)
      return "51" + std::string(s - 1100 < 10 ? "00" : "0") +
             std::to_string(s - 1100);
    if (s >= 1000)
      return "50" + std::string(s - 1000 < 10 ? "00" : "0") +
             std::to_string(s - 1000);
    int bank = s < 250 ? 1 : s < 400 ? 2 : 4;
    int ch = s - (bank == 1 ? 0 : bank == 2 ? 250 : 400);
    std::string c = std::to_string(ch);
    return "0" + std::to_string(bank) + std::string(3 - c.size(), '0') + c;
  };
  EXPECT_EQ(where(1005), "50005");
  EXPECT_EQ(where(1299), "52099");
  EXPECT_EQ(where(0), "01000");
  for (auto it = kUsedSlots.rbegin(); it != kUsedSlots.rend(); ++it) {
    want.push_back("QV~BC" + where(*it) + "W" +
                   EncodeChannel(expect.Mem[*it], 0));
  }
  for (std::string a : {"00180", "001A0", "001C0", "001E0"}) {
    want.push_back("QV~F" + a + "W" + std::string(64, '0'));
  }
  want.push_back("QV~BC05000R");
  want.push_back("QV~FINISH");
  EXPECT_EQ(rx.lines(), want);
  EXPECT_EQ(memory_parts, std::vector<size_t>{6 + 16});  // after the bands
  EXPECT_EQ(Texts(), Lines{"Successed!!"});
  EXPECT_FALSE(rx.identified());
  // The disabled channel was purged before the write.
  EXPECT_TRUE(doc.Mem[500].IsEmpty());
}

// Everything a read brings back equals what was written, apart from notes,
// padded names and the slots that hold no enabled channel.
void ExpectSameData(const Document& sent, const Document& got) {
  EXPECT_EQ(got.settings, sent.settings);
  for (int k = 0; k < kVfoBands; ++k) {
    for (int f = 0; f <= kOffset; ++f) {
      EXPECT_EQ(got.Vfo[k].value[f], sent.Vfo[k].value[f]) << k << "/" << f;
      EXPECT_EQ(got.Vfo[k].text[f], sent.Vfo[k].text[f]) << k << "/" << f;
    }
  }
  for (int b = 0; b < kBankCount; ++b)
    EXPECT_EQ(got.BankSize[b], sent.BankSize[b]);
  for (int g = 1; g <= 10; ++g)
    EXPECT_EQ(got.GroupTable[g], sent.GroupTable[g]);
  for (int s = 0; s < kSlotCount; ++s) {
    bool channel = !sent.Mem[s].IsEmpty() && sent.MemFlag[s] == -1;
    EXPECT_EQ(got.MemFlag[s], channel ? -1 : 0) << s;
    if (!channel) {
      EXPECT_TRUE(got.Mem[s].IsEmpty()) << s;
      continue;
    }
    Slot want = sent.Mem[s];
    want.text[kNote] = got.Mem[s].text[kNote];
    want.value[kNote] = got.Mem[s].value[kNote];
    EXPECT_EQ(got.Mem[s], want) << s;
  }
  EXPECT_EQ(got.SlotLabel(0), sent.SlotLabel(0));
}

// The channel writes among the lines, up to the W.
Lines ChannelWrites(const Lines& lines) {
  Lines writes;
  for (const std::string& line : lines) {
    if (line.rfind("QV~BC", 0) == 0 && line.find('W') != std::string::npos) {
      writes.push_back(line.substr(0, 11));
    }
  }
  return writes;
}

TEST_F(TransferTest, MemoryWriteSendsNoRecordForAnEmptySlot) {
  doc.Mem[0] = MakeChannel(145.5, 0, 6, 0, 8, 11, 28, 0, 0.6, 0, "ONE");
  doc.MemFlag[0] = -1;
  doc.MemFlag[1299] = -1;  // enabled, but it holds no channel
  ASSERT_EQ(transfer.RunWrite(), CommandResult::kSuccess)
      << ::testing::PrintToString(Texts());
  EXPECT_EQ(ChannelWrites(rx.lines()), Lines{"QV~BC00000W"});
}

TEST_F(TransferTest, MemoryWriteAddressesChannelsByTheBankBoxesJustChanged) {
  doc.Mem[150] = MakeChannel(145.5, 0, 6, 0, 8, 11, 28, 0, 0.6, 0, "ONE");
  doc.MemFlag[150] = -1;
  // The Bank page takes new sizes; the rows are laid out by the write.
  doc.txtBank[0] = "50";
  ASSERT_FALSE(LeaveBankBox(doc, 0));
  doc.txtBank[1] = "150";
  ASSERT_FALSE(LeaveBankBox(doc, 1));
  ASSERT_EQ(transfer.RunWrite(), CommandResult::kSuccess)
      << ::testing::PrintToString(Texts());
  EXPECT_EQ(ChannelWrites(rx.lines()), Lines{"QV~BC01100W"});
}

TEST_F(TransferTest, WriteAllThenReadAllGivesTheSameDocument) {
  doc = SampleDocument();
  doc.Mem[1].text[kNote] = "a note the receiver never sees";
  ASSERT_EQ(transfer.RunWriteAll(), CommandResult::kSuccess);
  Document back;
  Transfer reader(link, back, Sinks());
  ASSERT_EQ(reader.RunReadAll(), CommandResult::kSuccess);
  ExpectSameData(doc, back);
  EXPECT_EQ(back.ChannelsInUse(), static_cast<int>(kUsedSlots.size()));
}

TEST_F(TransferTest, OptionsTheModelLacksAreWrittenAsOff) {
  SimulatedReceiver q70e(1);
  SimulatedPort q70e_port(q70e);
  Link q70e_link(q70e_port);
  Transfer transfer_to_q70e(q70e_link, doc, Sinks());
  doc.SelectModel(1);
  doc.Mem[1000] = MakeChannel(150, 0, 0, 1, 0, 0, 0, 0, 0, 0, "TRAIN ");
  doc.Mem[1001] = MakeChannel(151, 0, 0, 4, 0, 3, 0, 0, 0, 0, "SECRET");
  doc.MemFlag[1000] = doc.MemFlag[1001] = -1;
  ASSERT_EQ(transfer_to_q70e.RunWriteAll(), CommandResult::kSuccess);
  Document back;
  back.SelectModel(1);
  Transfer reader(q70e_link, back, Sinks());
  ASSERT_EQ(reader.RunReadAll(), CommandResult::kSuccess);
  EXPECT_EQ(back.Mem[1000].value[kOption], 0);  // train: VR-Q5J only
  EXPECT_EQ(back.Mem[1001].value[kOption], 4);  // secret: VR-Q70E
  ASSERT_GE(q70e.lines().size(), 4u);
  EXPECT_EQ(q70e.lines()[3], "QV~VR-Q70E");
}

class DroppedRepliesTest : public TransferTest {
 protected:
  DroppedRepliesTest() : TransferTest(Faults{.drop_reply = 0.2, .seed = 11}) {}
};

TEST_F(DroppedRepliesTest, BothTransfersCompleteWithTheSameData) {
  doc = SampleDocument();
  ASSERT_EQ(transfer.RunWriteAll(), CommandResult::kSuccess)
      << ::testing::PrintToString(Texts());
  Document back;
  Transfer reader(link, back, Sinks());
  ASSERT_EQ(reader.RunReadAll(), CommandResult::kSuccess)
      << ::testing::PrintToString(Texts());
  ExpectSameData(doc, back);
  EXPECT_EQ(Texts(), (Lines{"Successed!!", "Successed!!"}));
  EXPECT_GT(rx.commands(), 1400 + 200);  // retries happened
}

TEST_F(TransferTest, RepliesInPiecesOnATimedWire) {
  doc = SampleDocument();
  ASSERT_TRUE(rx.LoadDocument(doc));
  rx.set_faults(Faults{.split_pieces = 7,
                       .split_gap = std::chrono::microseconds(900),
                       .timing = true});
  Document back;
  Transfer reader(link, back, Sinks());
  ASSERT_EQ(reader.RunReadAll(), CommandResult::kSuccess);
  // What the write did to its copy of the document.
  doc.RefillMemory();
  doc.ReadGroupChecks();
  ExpectSameData(doc, back);
  // Every exchange ended with its reply: no retries.
  EXPECT_EQ(rx.commands(), 6 + 16 + 1 + 5 + 1 + 4 + 3 + 1300);
}

TEST_F(TransferTest, SilenceFromTheFiveHundredthCommandFailsTheRead) {
  rx.set_faults(Faults{.silent_from = 500});
  EXPECT_EQ(transfer.RunReadAll(), CommandResult::kFailure);
  EXPECT_EQ(Texts(), (Lines{"Communication Error", "Read Failed..."}));
  // The 500th line and its nine retries went unanswered.
  EXPECT_EQ(rx.commands(), 509);
  EXPECT_EQ(doc.DataChanged, 0);
}

TEST_F(TransferTest, ReadStoppedPartWayChangesNothing) {
  doc = SampleDocument();
  Document before = doc;
  // Leave the receiver's enable bits set for every slot so that old slots
  // survive the refill.
  rx.Poke(0x0200, std::string(320, 'F'));
  // Link check (6 lines), enable (5), check, bank (4), group (3), then
  // slots: silence from slot 300 on.
  rx.set_faults(Faults{.silent_from = 6 + 5 + 1 + 4 + 1 + 3 + 301});
  EXPECT_EQ(transfer.RunRead(), CommandResult::kFailure);
  EXPECT_EQ(Texts(), (Lines{"Communication Error", "Read Failed..."}));
  EXPECT_EQ(doc.Mem, before.Mem);
  EXPECT_EQ(doc.MemFlag, before.MemFlag);
  EXPECT_EQ(doc.EnableBitsHex, before.EnableBitsHex);
}

TEST_F(TransferTest, ProbeAnsweredAtTheThirdAttemptNeedsNoIdentity) {
  testing::ScriptedPort script;
  Link scripted_link(script);
  Transfer t(scripted_link, doc, Sinks());
  const std::string probe = "QV~F00022R\r";
  script.Answer({});
  script.Answer({});
  script.Answer({{std::chrono::milliseconds(1),
                  probe + "\r\n" + std::string(64, '1') + "\r\n"}});
  EXPECT_EQ(t.CheckLink(), 0);
  EXPECT_EQ(script.written, Lines(3, probe));
  EXPECT_EQ(doc.LinkBank, "");
}

TEST_F(TransferTest, LinkBankIsTheDecimalValueOfByte22) {
  rx.Poke(0x22, "1A");
  EXPECT_EQ(transfer.CheckLink(), 0);
  EXPECT_EQ(doc.LinkBank, "26");
  // Identified: the next check is the probe alone.
  rx.ClearLines();
  EXPECT_EQ(transfer.CheckLink(), 0);
  EXPECT_EQ(rx.lines(), Lines{"QV~F00022R"});
  // A value of 100 and more does not fit two digits: the check fails
  // without a message.
  rx.Poke(0x22, "64");
  rx.Receive("QV~FINISH\r");
  EXPECT_EQ(transfer.CheckLink(), 1);
  EXPECT_EQ(doc.LinkBank, "26");
  EXPECT_TRUE(Texts().empty());
}

TEST_F(TransferTest, IdentityFollowsTheModelOption) {
  doc.opbModel = 2;
  EXPECT_EQ(transfer.CheckLink(), 4);  // a VR-Q5J receiver refuses it
  EXPECT_EQ(doc.ModelIndex, 2);
  ASSERT_EQ(rx.lines().size(), 4u);
  EXPECT_EQ(rx.lines()[3], "QV~VR-Q70T");
  // Options 4 and 5 select no identity of their own: the model stays.
  doc.opbModel = 5;
  rx.ClearLines();
  transfer.CheckLink();
  ASSERT_GE(rx.lines().size(), 4u);
  EXPECT_EQ(rx.lines()[3], "QV~VR-Q70T");
  EXPECT_EQ(IdentityLine(7), "QV~VR-Q70K\r");
}

TEST_F(TransferTest, RefusedIdentityIsARegionError) {
  rx.set_faults(Faults{.refuse_identity = true});
  doc = SampleDocument();
  Document before = doc;
  EXPECT_EQ(transfer.RunReadAll(), CommandResult::kFailure);
  // The identity of every other model is tried: none is taken.
  const Lines refused = {"Region Error", "The receiver refuses every model."};
  EXPECT_EQ(Texts(), refused);
  EXPECT_EQ(transfer.accepted_model(), kNoModelAccepted);
  EXPECT_EQ(doc.Mem[0], before.Mem[0]);  // memory untouched
  messages.clear();
  EXPECT_EQ(transfer.RunWrite(), CommandResult::kFailure);
  EXPECT_EQ(Texts(), refused);
  messages.clear();
  EXPECT_EQ(transfer.RunWriteAll(), CommandResult::kFailure);
  EXPECT_EQ(Texts(), refused);
  EXPECT_TRUE(memory_parts.empty());  // no settings part succeeded
}

TEST_F(TransferTest, RefusedOneByteWriteIsAFailureNotARegionError) {
  testing::ScriptedPort script;
  Link scripted_link(script);
  Transfer t(scripted_link, doc, Sinks());
  for (int i = 0; i < 3; ++i) script.Answer({});
  script.Answer({{std::chrono::milliseconds(1), "QV~VR-Q5J\r\r\nOK\r\n"}});
  script.Answer({{std::chrono::milliseconds(1), "QV~F0FD01W00\r\r\nRE\r\n"}});
  EXPECT_EQ(t.CheckLink(), 1);
}

// A port that breaks when the identity is sent: a port failure, not the
// refusal of a region.
TEST_F(TransferTest, PortBreakingAtTheIdentityIsNoRegionError) {
  struct BreaksAtIdentity : testing::ScriptedPort {
    bool Write(std::string_view data) override {
      if (data.rfind("QV~VR-", 0) == 0) return false;
      return ScriptedPort::Write(data);
    }
  } script;
  Link scripted_link(script);
  Transfer t(scripted_link, doc, Sinks());
  for (int i = 0; i < 3; ++i) script.Answer({});
  EXPECT_EQ(t.CheckLink(), kResultFailed);
  for (int i = 0; i < 3; ++i) script.Answer({});
  EXPECT_EQ(t.RunRead(), CommandResult::kFailure);
  EXPECT_EQ(Texts(), Lines{"Read Failed..."});
}

TEST_F(TransferTest, UnreadableLinkBankShowsErrorThenReadFailed) {
  rx.set_faults(Faults{.silent_from = 6});
  EXPECT_EQ(transfer.RunRead(), CommandResult::kFailure);
  EXPECT_EQ(Texts(), (Lines{"ERROR", "Read Failed..."}));
  EXPECT_EQ(rx.commands(), 15);
}

TEST_F(TransferTest, SettingsReadStoppedAtBandFive) {
  rx.Poke(0x0300 + 32 * 5 - 32, "40420F00");  // band 4 at 1 MHz
  Document before = doc;
  rx.set_faults(Faults{.silent_from = 6 + 2 + 5 + 1});
  EXPECT_EQ(transfer.RunReadSettings(), CommandResult::kFailure);
  EXPECT_EQ(Texts(), (Lines{"Communication Error", "Read Failed..."}));
  EXPECT_EQ(doc.Vfo, before.Vfo);
  EXPECT_EQ(doc.SettingsHex1, before.SettingsHex1);
  EXPECT_EQ(doc.DataChanged, 0);
}

TEST_F(TransferTest, SettingsBlockFailureIsAComPortError) {
  rx.set_faults(Faults{.silent_from = 8});
  EXPECT_EQ(transfer.RunReadSettings(), CommandResult::kFailure);
  EXPECT_EQ(Texts(), (Lines{"COM Port Error", "Read Failed..."}));
  EXPECT_EQ(doc.DataChanged, 0);  // nothing decoded
}

TEST_F(TransferTest, SlotWithoutAChannelComesBackEmptyAndDisabled) {
  doc.Mem[5] = MakeChannel(145, 0, 0, 0, 0, 0, 0, 0, 0, 0, "OLD   ");
  doc.MemFlag[5] = -1;
  rx.Poke(0x0200, "04");  // enable bit of slot 5, record still FF
  ASSERT_EQ(transfer.RunRead(), CommandResult::kSuccess);
  EXPECT_TRUE(doc.Mem[5].IsEmpty());
  EXPECT_EQ(doc.MemFlag[5], 0);
}

TEST_F(TransferTest, LastSlotsAreEnabledExactlyWhenTheyHoldAChannel) {
  // The receiver's bitmap has no bits for slots 1280..1299.
  rx.Receive("QV~VR-Q5J\r");
  rx.Receive(
      "QV~BC52085W" +
      EncodeChannel(MakeChannel(430, 0, 0, 0, 0, 0, 0, 0, 0, 0, "P85"), 0) +
      "\r");
  rx.Receive("QV~FINISH\r");
  doc.Mem[1290] = MakeChannel(431, 0, 0, 0, 0, 0, 0, 0, 0, 0, "GONE  ");
  doc.MemFlag[1290] = -1;
  doc.EnableBitsHex[5] = "00000";  // stale: says disabled
  ASSERT_EQ(transfer.RunRead(), CommandResult::kSuccess);
  EXPECT_EQ(doc.MemFlag[1285], -1);
  EXPECT_EQ(doc.Mem[1285].value[kFreq], 430);
  EXPECT_EQ(doc.MemFlag[1290], 0);
  EXPECT_TRUE(doc.Mem[1290].IsEmpty());
  EXPECT_EQ(doc.EnableBitsHex[5], "04000");
}

TEST_F(TransferTest, MemoryWriteIsRefusedWhileTheBanksDoNotAddUpTo1000) {
  doc = SampleDocument();
  SetBanks(doc, {100, 200, 300});
  EXPECT_FALSE(Transfer::BankSizesFitMemory(doc));
  EXPECT_EQ(transfer.RunWrite(), CommandResult::kFailure);
  EXPECT_EQ(transfer.RunWriteAll(), CommandResult::kFailure);
  EXPECT_EQ(transfer.WriteMemory(), 1);
  EXPECT_EQ(Texts(), Lines(3, "Total CH must be 1000"));
  EXPECT_TRUE(rx.lines().empty());
  // A total above 1000 is clipped by the bank-table writer and accepted.
  SetBanks(doc, {600, 600});
  EXPECT_TRUE(Transfer::BankSizesFitMemory(doc));
  messages.clear();
  EXPECT_EQ(transfer.RunWrite(), CommandResult::kSuccess);
  EXPECT_EQ(doc.BankSize[1], 400);
}

TEST_F(TransferTest, SecondTransferWhileOneRunsIsRefused) {
  Document other;
  Transfer second(link, other, {});
  std::vector<CommandResult> refused;
  on_progress = [&](int value, int) {
    if (value == 10 && refused.empty()) {
      refused.push_back(second.RunReadAll());
      refused.push_back(transfer.RunWrite());
      refused.push_back(second.ReadBank() == kResultBusy
                            ? CommandResult::kBusy
                            : CommandResult::kFailure);
    }
  };
  EXPECT_EQ(transfer.RunRead(), CommandResult::kSuccess);
  EXPECT_EQ(refused, std::vector<CommandResult>(3, CommandResult::kBusy));
  on_progress = nullptr;
  EXPECT_EQ(second.RunReadGroup(), CommandResult::kSuccess);
}

// Progress starts at 0 before the first data line is sent and never goes
// back.
TEST_F(TransferTest, ProgressStartsAtZeroAndNeverGoesBack) {
  doc = SampleDocument();
  struct Case {
    const char* name;
    CommandResult (Transfer::*run)();
    std::pair<int, int> first;
  };
  // A receiver still linked by the command before is unlinked first.
  const Lines link_check = {"QV~F00022R", "QV~FINISH", "QV~VR-Q5J",
                            "QV~F0FD01W00"};
  for (const Case& c :
       {Case{"Read Settings", &Transfer::RunReadSettings, {0, 16}},
        Case{"Write Settings", &Transfer::RunWriteSettings, {0, 16}},
        Case{"Read", &Transfer::RunRead, {0, 1299}},
        Case{"Write", &Transfer::RunWrite, {0, 1299}}}) {
    std::vector<std::pair<int, int>> seen;
    Lines sent_before;
    const size_t earlier = rx.lines().size();
    on_progress = [&](int value, int maximum) {
      if (seen.empty()) {
        Lines all = rx.lines();
        sent_before.assign(all.begin() + static_cast<long>(earlier), all.end());
      }
      seen.emplace_back(value, maximum);
    };
    ASSERT_EQ((transfer.*c.run)(), CommandResult::kSuccess) << c.name;
    ASSERT_FALSE(seen.empty()) << c.name;
    EXPECT_EQ(seen.front(), c.first) << c.name;
    for (const std::string& line : sent_before) {
      EXPECT_TRUE(std::count(link_check.begin(), link_check.end(), line))
          << c.name << ": " << line << " was sent before the first progress";
    }
    for (size_t i = 1; i < seen.size(); ++i) {
      EXPECT_GE(seen[i].first, seen[i - 1].first) << c.name << " step " << i;
      EXPECT_EQ(seen[i].second, c.first.second) << c.name << " step " << i;
    }
  }
  on_progress = nullptr;
}

TEST_F(TransferTest, CancelledReadSaysSoAndNothingElse) {
  std::atomic<bool> cancel{false};
  link.set_cancel_flag(&cancel);
  on_progress = [&](int value, int maximum) {
    if (maximum == 1299 && value == 100) cancel = true;
  };
  EXPECT_EQ(transfer.RunRead(), CommandResult::kFailure);
  EXPECT_EQ(Texts(), Lines{"The read was cancelled. Nothing was changed."});
  ASSERT_GE(rx.lines().size(), 1u);
  EXPECT_EQ(rx.lines().back(), "QV~F" + Hex5(0xA00 + 32 * 99) + "R");
}

TEST_F(TransferTest, PortErrors) {
  port.set_open_fails(true);
  EXPECT_EQ(transfer.RunRead(), CommandResult::kFailure);
  EXPECT_EQ(Texts(), Lines{"Read Failed..."});
  port.set_open_fails(false);
  messages.clear();
  on_progress = [&](int value, int maximum) {
    if (maximum == 1299 && value == 3) port.set_io_fails(true);
  };
  EXPECT_EQ(transfer.RunRead(), CommandResult::kFailure);
  EXPECT_EQ(Texts(), (Lines{"COM Port Error", "Read Failed..."}));
}

TEST_F(TransferTest, WriteFailureMessages) {
  doc = SampleDocument();
  // Settings write: the command's message only.
  rx.set_faults(Faults{.silent_from = 8});
  EXPECT_EQ(transfer.RunWriteSettings(), CommandResult::kFailure);
  EXPECT_EQ(Texts(), Lines{"Write Failed..."});
  // Memory write stopped among the channels: loop message first.
  rx.Reset();
  rx.set_faults(Faults{.silent_from = 6 + 2 + 4 + 1 + 3 + 5});
  messages.clear();
  EXPECT_EQ(transfer.RunWrite(), CommandResult::kFailure);
  // Five of the eighteen channels were written after the erase.
  EXPECT_EQ(Texts(), (Lines{"Communication Error", "Write Failed...",
                            "The receiver's channels were erased and 5 of 18 "
                            "written: write again before you use the "
                            "receiver."}));
  // The receiver got the new bank table and the last slots first.
  EXPECT_EQ(rx.HexAt(0x0100, 4), "0000FA00");
  ASSERT_GE(rx.lines().size(), 16u);
  EXPECT_EQ(rx.lines()[15].substr(0, 11), "QV~BC52099W");
}

TEST_F(TransferTest, FailedFinishIsReportedPerCommand) {
  doc = SampleDocument();
  // Lines of a complete memory write on an unidentified receiver: link
  // checks, bank table, QV~IM, groups, 18 channels ("Write" does not refill
  // the grid first, so the disabled slot 500 goes too), clearing, closing
  // read.
  const long memory_write = 6 + 1 + 4 + 1 + 3 + 18 + 4 + 1;
  rx.set_faults(Faults{.silent_from = memory_write + 1});
  EXPECT_EQ(transfer.RunWrite(), CommandResult::kFailure);
  EXPECT_EQ(Texts(), Lines{"Write Failed..."});
  ASSERT_GT(rx.lines().size(), static_cast<size_t>(memory_write));
  EXPECT_EQ(rx.lines()[memory_write], "QV~FINISH");
  // Write > ALL: settings (16 lines) and a refill first (17 channels).
  rx.Reset();
  const long write_all = 6 + 16 + 1 + 1 + 4 + 1 + 3 + 17 + 4 + 1;
  rx.set_faults(Faults{.silent_from = write_all + 1});
  messages.clear();
  EXPECT_EQ(transfer.RunWriteAll(), CommandResult::kFailure);
  EXPECT_EQ(Texts(), Lines{"Communication Error"});
  ASSERT_GT(rx.lines().size(), static_cast<size_t>(write_all));
  EXPECT_EQ(rx.lines()[write_all], "QV~FINISH");
}

// A receiver left linked by an earlier command, of another model: every
// command identifies it again, so a VR-Q5J document is never written into
// a receiver of another model; the model it takes is found (the others'
// identities in turn) and it is left unlinked.
TEST_F(TransferTest, AReceiverLeftLinkedIsIdentifiedAgain) {
  for (int model = 1; model < kModelCount; ++model) {
    SCOPED_TRACE(model);
    SimulatedReceiver other(model);
    SimulatedPort other_port(other);
    Link other_link(other_port);
    Document other_doc;
    other_doc.SelectModel(model);
    ASSERT_EQ(Transfer(other_link, other_doc).RunReadSettings(),
              CommandResult::kSuccess);
    const std::string memory = other.HexAt(0x0000, 0x1000);
    other.ClearLines();
    messages.clear();
    doc = SampleDocument();
    Transfer t(other_link, doc, Sinks());
    EXPECT_EQ(t.RunWriteAll(), CommandResult::kFailure);
    EXPECT_EQ(Texts(), Lines{"Region Error"});
    EXPECT_EQ(t.accepted_model(), model);
    Lines sent = {"QV~F00022R", "QV~FINISH", "QV~VR-Q5J"};
    for (int m = 1; m <= model; ++m) sent.push_back(IdentityLine(m));
    for (std::string& line : sent) {
      if (line.back() == '\r') line.pop_back();
    }
    sent.push_back("QV~FINISH");
    EXPECT_EQ(other.lines(), sent);
    EXPECT_EQ(other.HexAt(0x0000, 0x1000), memory);
  }
  // Of the same model: unlinked, identified, LinkBank read again.
  rx.Receive("QV~VR-Q5J\r");
  rx.ClearLines();
  EXPECT_EQ(transfer.RunWrite(), CommandResult::kSuccess);
  Lines lines = rx.lines();
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 5),
            (Lines{"QV~F00022R", "QV~FINISH", "QV~VR-Q5J", "QV~F0FD01W00",
                   "QV~F00022R"}));
  EXPECT_EQ(lines[lines.size() - 2], "QV~BC00000R");
}

TEST_F(TransferTest, BankAndGroupCommands) {
  rx.Poke(0x0100, "0A00");  // bank 0: 10 channels
  rx.Poke(0x0088, "80");    // group 1: bank 0
  EXPECT_EQ(transfer.RunReadBank(), CommandResult::kSuccess);
  EXPECT_EQ(doc.BankSize[0], 10);
  EXPECT_EQ(doc.txtBank[0], "10");
  EXPECT_EQ(doc.lblAll, "910");
  EXPECT_EQ(doc.chkGrp[50], 1);

  doc.chkGrp[50 * 2 + 7] = 1;
  rx.ClearLines();
  EXPECT_EQ(transfer.RunWriteGroup(), CommandResult::kSuccess);
  // Still linked by the read: unlinked and identified again first.
  Lines lines = rx.lines();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[1], "QV~FINISH");
  EXPECT_EQ(lines[5].size(), 10u + 64);
  EXPECT_EQ(lines[7].size(), 10u + 48);
  EXPECT_EQ(rx.HexAt(0x0090, 2), "0100");
  EXPECT_EQ(rx.HexAt(0x00D6, 4),
            "0400"
            "0000");  // D8..DF never written

  SetBanks(doc, {1000});
  rx.ClearLines();
  EXPECT_EQ(transfer.RunWriteBank(), CommandResult::kSuccess);
  lines = rx.lines();
  // Link check (5 lines), 4 bank blocks, 4 clearing writes.
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[8], "QV~F00160W" + std::string(8, '0') + "6400640064001400");
  EXPECT_EQ(lines[12], "QV~F001E0W" + std::string(64, '0'));
  EXPECT_EQ(doc.SlotLabel(999), "00-999");

  // Link check (5 lines), 4 bank blocks, then the group read goes silent.
  rx.set_faults(Faults{.silent_from = rx.commands() + 10});
  messages.clear();
  EXPECT_EQ(transfer.RunReadBank(), CommandResult::kFailure);
  EXPECT_EQ(Texts(), Lines{"Communication Error"});  // group read
  messages.clear();
  EXPECT_EQ(transfer.RunReadGroup(), CommandResult::kFailure);
  EXPECT_EQ(Texts(), Lines{"Read Failed..."});
}

TEST_F(TransferTest, BankChannelOfSlot) {
  SetBanks(doc, {0, 100, 900});
  EXPECT_EQ(BankChannelOfSlot(doc, 0), "01000");
  EXPECT_EQ(BankChannelOfSlot(doc, 100), "02000");
  EXPECT_EQ(BankChannelOfSlot(doc, 999), "02899");
  EXPECT_EQ(BankChannelOfSlot(doc, 1001), "50001");
  EXPECT_EQ(BankChannelOfSlot(doc, 1100), "51000");
  EXPECT_EQ(BankChannelOfSlot(doc, 1299), "52099");
  EXPECT_EQ(BankChannelOfSlot(doc, 1300), "");
  SetBanks(doc, {10});
  EXPECT_EQ(BankChannelOfSlot(doc, 10), "");  // no bank covers it
}

// The page each command shows before it starts and when its memory part
// starts, from each page.
TEST(TransferPagesTest, BeforeAndWhenTheMemoryPartStarts) {
  using C = UserCommand;
  const int S1 = kTabSettings1, S2 = kTabSettings2, M = kTabMemory,
            B = kTabBank;
  struct Row {
    C command;
    int from[4];    // the page shown from Settings 1, Settings 2, Memory, Bank
    int memory[4];  // then, from there, when the memory part starts
  };
  const Row rows[] = {
      {C::kRead, {M, M, M, M}, {S1, S2, M, B}},
      {C::kWrite, {M, M, M, M}, {S1, S2, M, B}},
      {C::kReadSettings, {S1, S2, S1, B}, {S1, S2, M, B}},
      {C::kWriteSettings, {S1, S2, S1, S1}, {S1, S2, M, B}},
      {C::kWriteAll, {S1, S2, S1, S1}, {M, M, M, M}},
      {C::kReadAll, {S1, S2, S1, S1}, {M, M, M, M}},
      {C::kReadQuick, {S1, S2, S1, S1}, {M, M, M, M}},
      {C::kReadBank, {S1, S2, M, B}, {S1, S2, M, B}},
      {C::kWriteGroup, {S1, S2, M, B}, {S1, S2, M, B}},
  };
  Document doc;
  ASSERT_TRUE(BankTotalComplete(doc));
  for (const Row& row : rows) {
    for (int page = S1; page <= B; ++page) {
      EXPECT_EQ(PageBeforeTransfer(row.command, page), row.from[page - 1])
          << static_cast<int>(row.command) << " from " << page;
      EXPECT_EQ(PageWhenMemoryStarts(doc, row.command, page),
                row.memory[page - 1])
          << static_cast<int>(row.command) << " from " << page;
    }
  }
  // The tab guard keeps the Memory page shut while the total is not 1000.
  SetBanks(doc, {999});
  ASSERT_FALSE(BankTotalComplete(doc));
  EXPECT_EQ(PageWhenMemoryStarts(doc, C::kReadAll, S2), S2);
}

}  // namespace
}  // namespace vrq5
