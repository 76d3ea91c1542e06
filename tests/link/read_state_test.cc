// What each read command replaces, clears and keeps in a document that
// already holds other work, and that a read that fails or is cancelled
// changes nothing.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "link/transfer.h"
#include "radio/receiver.h"
#include "radio/sim_port.h"
#include "support/busy_document.h"
#include "support/whole_document.h"

namespace vrq5 {
namespace {

using radio::Faults;
using radio::SimulatedPort;
using radio::SimulatedReceiver;
using testing::BusyDocument;
using testing::HandChannel;
using testing::SameWholeDocument;
using testing::SetBankSizes;

// Both documents are of the VR-Q70T.
constexpr int kModel = 2;

// Slots that hold a channel in the receiver. Slot 5 also holds one in the
// busy document (with a note the receiver cannot carry); slot 1285 has no
// enable bit in the receiver and counts by its record.
const std::vector<int> kRadioSlots = {0, 5, 305, 999, 1005, 1150, 1285, 1299};

// What the receiver holds: banks 300, 0, 200, 500; a channel in each of
// kRadioSlots; group 2 holds bank 3 and group 10 bank 49; VFO band 4 at
// 150 MHz; settings changed.
Document RadioDocument() {
  Document radio;
  radio.SelectModel(kModel);
  SetBankSizes(radio, {300, 0, 200, 500});
  int n = 0;
  for (int s : kRadioSlots) {
    double mhz = 140 + n;
    radio.Mem[s] = HandChannel(mhz, std::to_string(140 + n) + ".000000",
                               "RX" + std::to_string(s), n % 2);
    radio.MemFlag[s] = -1;
    ++n;
  }
  radio.chkGrp[50 * 2 + 3] = 1;
  radio.chkGrp[50 * 10 + 49] = 1;
  radio.Vfo[4].value[kFreq] = 150;
  radio.Vfo[4].text[kFreq] = "150.000000";
  radio.settings.chkATT = 1;
  radio.settings.Slider1 = 17;
  radio.settings.Slider2 = 2;
  return radio;
}

// ----- what each part of a read leaves -----

// Settings blocks and VFO bands: fields 0..8 of every band from the
// receiver; notes (and the names no record carries) stay.
void ExpectSettingsRead(Document& want, const Document& radio,
                        const SimulatedReceiver& rx) {
  want.settings = radio.settings;
  want.SettingsHex1 = rx.HexAt(0x0000, 32);
  want.SettingsHex2 = rx.HexAt(0x0020, 32);
  for (int b = 0; b < kVfoBands; ++b) {
    for (int f = 0; f <= kOffset; ++f) {
      want.Vfo[b].value[f] = radio.Vfo[b].value[f];
      want.Vfo[b].text[f] = radio.Vfo[b].text[f];
    }
  }
}

// Bank sizes into the table, the texts, the boxes and the total.
void ExpectBanksRead(Document& want, const SimulatedReceiver& rx) {
  const std::vector<int> sizes = {300, 0, 200, 500};
  for (int b = 0; b < kBankCount; ++b) {
    int size = b < 4 ? sizes[b] : 0;
    want.BankSize[b] = static_cast<int16_t>(size);
    want.BankSizeText[b] = std::to_string(size);
    want.txtBank[b] = std::to_string(size);
  }
  want.lblAll = "1000";
  for (int p = 0; p < 4; ++p)
    want.BankTableHex[p] = rx.HexAt(0x100 + 32 * p, 32);
}

// Groups 1..10 into the table and their boxes; the hidden row 0 stays.
void ExpectGroupsRead(Document& want, const SimulatedReceiver& rx) {
  for (int i = 50; i < 550; ++i) {
    int ticked = i == 50 * 2 + 3 || i == 50 * 10 + 49;
    want.chkGrp[i] = ticked;
    want.GroupTable[i / 50][i % 50] = static_cast<int16_t>(-ticked);
  }
  want.GroupHex = rx.HexAt(0x0080, 96);
}

// Every slot: the receiver's channel (the slot's note and skip text stay)
// and enabled, or empty and disabled; rows laid out by the new sizes.
void ExpectChannelsRead(Document& want, const Document& radio,
                        const SimulatedReceiver& rx) {
  for (int s = 0; s < kSlotCount; ++s) {
    bool channel = radio.MemFlag[s] == -1;
    if (channel) {
      Slot slot = radio.Mem[s];
      slot.text[kNote] = want.Mem[s].text[kNote];
      slot.text[kSkip] = want.Mem[s].text[kSkip];
      want.Mem[s] = slot;
    } else {
      want.Mem[s] = Slot{};
    }
    want.MemFlag[s] = channel ? -1 : 0;
  }
  for (int p = 0; p < 5; ++p) {
    want.EnableBitsHex[p] = rx.HexAt(0x200 + 32 * p, 32);
  }
  // Slots 1280..1299, which have no bit in the receiver: 1285 and 1299
  // hold a channel (bits 5 and 19 of the 20).
  want.EnableBitsHex[5] = "04001";
  want.LayoutMemoryRows();
}

struct ReadCase {
  const char* name;
  UserCommand command;
  bool settings, banks, groups, channels;
  bool marks_changed;  // DataChanged afterwards -1 whatever it was
};

const std::vector<ReadCase>& ReadCases() {
  static const std::vector<ReadCase> cases = {
      {"Read Settings", UserCommand::kReadSettings, true, false, false, false,
       true},
      {"Read", UserCommand::kRead, false, true, true, true, true},
      {"Read Bank", UserCommand::kReadBank, false, true, true, false, false},
      {"Read Group", UserCommand::kReadGroup, false, false, true, false, false},
      {"Read > ALL", UserCommand::kReadAll, true, true, true, true, true},
      {"Read > Channels in use", UserCommand::kReadQuick, true, true, true,
       true, true},
  };
  return cases;
}

TEST(ReadStateTest, EachReadReplacesItsPartAndKeepsTheRest) {
  const Document radio = RadioDocument();
  for (const ReadCase& c : ReadCases()) {
    for (int16_t changed : {0, -1}) {
      SCOPED_TRACE(std::string(c.name) + (changed ? ", changed" : ""));
      SimulatedReceiver rx(kModel);
      ASSERT_TRUE(rx.LoadDocument(radio));
      SimulatedPort port(rx);
      Link link(port);
      Document doc = BusyDocument(kModel);
      doc.DataChanged = changed;
      const Document before = doc;
      std::vector<std::string> messages;
      Transfer transfer(
          link, doc,
          {[&](const Message& m) { messages.push_back(m.text); }, nullptr});
      ASSERT_EQ(transfer.Run(c.command), CommandResult::kSuccess);
      EXPECT_EQ(messages, std::vector<std::string>{"Successed!!"});

      Document want = before;
      if (c.settings) ExpectSettingsRead(want, radio, rx);
      if (c.banks) ExpectBanksRead(want, rx);
      if (c.groups) ExpectGroupsRead(want, rx);
      if (c.channels) ExpectChannelsRead(want, radio, rx);
      if (c.marks_changed) want.DataChanged = -1;
      // The link check takes the receiver's link bank.
      want.LinkBank = "00";
      if (c.banks && !c.channels) {
        // The rows follow the new boxes at the next layout (showing the
        // Memory page).
        doc.LayoutMemoryRows();
        want.LayoutMemoryRows();
      }
      EXPECT_TRUE(SameWholeDocument(doc, want));

      // A few of those values as the user sees them.
      EXPECT_EQ(doc.CurrentFileName, "/old/busy.VQ5");
      EXPECT_EQ(doc.ModelIndex, kModel);
      if (c.settings) {
        EXPECT_EQ(doc.VfoText(2, kFreq), "29.000000");
        EXPECT_EQ(doc.VfoText(4, kFreq), "150.000000");
        EXPECT_EQ(doc.VfoText(2, kNote), "busy band 2");
        EXPECT_EQ(doc.settings.Slider1, 17);
      } else {
        EXPECT_EQ(doc.VfoText(2, kFreq), "3.000000");
        EXPECT_EQ(doc.settings.Slider1, 5);
      }
      if (c.banks) {
        EXPECT_EQ(doc.txtBank[1], "0");
        EXPECT_EQ(doc.txtBank[3], "500");
        EXPECT_EQ(doc.txtBank[4], "0");
        EXPECT_EQ(doc.SlotLabel(300), "02-000");
        EXPECT_EQ(doc.SlotLabel(999), "03-499");
      } else {
        EXPECT_EQ(doc.txtBank[4], "600");
        EXPECT_EQ(doc.SlotLabel(0), "01-000");
      }
      EXPECT_EQ(doc.chkGrp[50 * 3 + 4], c.groups ? 0 : 1);
      EXPECT_EQ(doc.chkGrp[50 * 2 + 3], c.groups ? 1 : 0);
      EXPECT_EQ(doc.chkGrp[7], 1);
      if (c.channels) {
        EXPECT_EQ(doc.MemText(5, kFreq), "141.000000");
        EXPECT_EQ(doc.MemText(5, kName), "RX5   ");
        EXPECT_EQ(doc.MemText(5, kNote), "busy 5");
        EXPECT_EQ(doc.Mem[260], Slot{});
        EXPECT_EQ(doc.Mem[20], Slot{});
        EXPECT_EQ(doc.MemFlag[20], 0);
        EXPECT_EQ(doc.MemFlag[1285], -1);
        EXPECT_EQ(doc.MemFlag[1290], 0);
        EXPECT_EQ(doc.ChannelsInUse(), 8);
      } else {
        EXPECT_EQ(doc.MemText(260, kNote), "busy 260");
        EXPECT_EQ(doc.MemFlag[1290], -1);
        EXPECT_EQ(doc.ChannelsInUse(), 9);
      }
    }
  }
}

// The port raises the cancel flag as it sends its `at`-th line, as the
// user's Cancel does between two exchanges.
class CancellingPort : public SimulatedPort {
 public:
  CancellingPort(SimulatedReceiver& rx, std::atomic<bool>& cancel, int at)
      : SimulatedPort(rx), cancel_(cancel), at_(at) {}
  bool Write(std::string_view data) override {
    if (++sent_ == at_) cancel_ = true;
    return SimulatedPort::Write(data);
  }

 private:
  std::atomic<bool>& cancel_;
  int at_;
  int sent_ = 0;
};

// A read that fails at its link check, part-way through its blocks, or is
// cancelled there leaves every member of the document as it was; the
// messages start as the user is to see them.
TEST(ReadStateTest, AReadThatFailsOrIsCancelledChangesNothing) {
  const Document radio = RadioDocument();
  struct Fault {
    const char* name;
    Faults faults;
    std::vector<std::string> first;  // the first messages
    int cancel_at = 0;               // the line whose sending cancels
  };
  Faults silent;
  silent.not_in_clone_mode = true;
  Faults refusing;
  refusing.refuse_identity = true;
  // The link check takes six lines; the ninth is a data block of every
  // read (the third bank, group or enable block, the first VFO band).
  Faults mid_read;
  mid_read.silent_from = 9;
  for (const Fault& fault :
       {Fault{"not in cloning mode", silent, {"Read Failed..."}},
        Fault{"identity refused",
              refusing,
              {"Region Error", std::string(kMsgRefusesEveryModel)}},
        Fault{"silent part-way", mid_read, {"Communication Error"}},
        Fault{"cancelled part-way", {}, {std::string(kMsgReadCancelled)}, 8}}) {
    for (const ReadCase& c : ReadCases()) {
      SCOPED_TRACE(std::string(fault.name) + ", " + c.name);
      SimulatedReceiver rx(kModel);
      ASSERT_TRUE(rx.LoadDocument(radio));
      rx.set_faults(fault.faults);
      std::atomic<bool> cancel{false};
      CancellingPort port(rx, cancel, fault.cancel_at);
      Link link(port);
      link.set_cancel_flag(&cancel);
      Document doc = BusyDocument(kModel);
      doc.DataChanged = 0;
      const Document before = doc;
      std::vector<std::string> messages;
      Transfer transfer(
          link, doc,
          {[&](const Message& m) { messages.push_back(m.text); }, nullptr});
      EXPECT_EQ(transfer.Run(c.command), CommandResult::kFailure);
      EXPECT_TRUE(SameWholeDocument(doc, before));
      ASSERT_GE(messages.size(), fault.first.size());
      EXPECT_EQ(std::vector<std::string>(
                    messages.begin(),
                    messages.begin() + static_cast<long>(fault.first.size())),
                fault.first);
      if (fault.cancel_at || fault.faults.refuse_identity) {
        EXPECT_EQ(messages.size(), fault.first.size());
      }
    }
  }
}

}  // namespace
}  // namespace vrq5
