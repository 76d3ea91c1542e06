// A document that already holds work of its own in every table, and
// channels written out by hand, for checks of what an open, an import, new
// data or a read replaces, clears and keeps.
#ifndef VRQ5_TESTS_SUPPORT_BUSY_DOCUMENT_H_
#define VRQ5_TESTS_SUPPORT_BUSY_DOCUMENT_H_

#include <string>
#include <vector>

#include "codec/text.h"
#include "store/document.h"

namespace vrq5::testing {

// A channel as the record decoder gives it back: `mhz` with its text, AM,
// step 12.5KHz, option Tone, secret code 17, carrier 2700Hz, tone 88.5Hz,
// Shift+ by 0.6 MHz, the name padded to six characters.
inline Slot HandChannel(double mhz, const std::string& mhz_text,
                        const std::string& name, int skip = 0) {
  Slot s;
  s.value = {mhz, 1, 4, 2, 17, 24, 8, 1, 0.6, 0, 0, double(skip)};
  s.text = {mhz_text, "AM",     "12.5KHz",  "Tone", "17", "2700Hz",
            "88.5Hz", "Shift+", "0.600000", "",     name, ""};
  s.text[kName].resize(6, ' ');
  return s;
}

// Sets the bank-size texts (the rest 0) and shows them in the boxes.
inline void SetBankSizes(Document& doc, const std::vector<int>& sizes) {
  for (int b = 0; b < kBankCount; ++b) {
    doc.BankSizeText[b] = b < static_cast<int>(sizes.size())
                              ? std::to_string(sizes[b])
                              : std::string("0");
  }
  doc.ShowBankSizes();
  doc.LayoutMemoryRows();
}

// Slots that hold a channel in the busy document: in several banks, the
// last memory slot, and one of each other kind, the last slots without an
// enable bit in the receiver among them.
inline const std::vector<int>& BusySlots() {
  static const std::vector<int> busy = {5,    260,  400,  700, 999,
                                        1001, 1150, 1250, 1290};
  return busy;
}

// The document of a user who has worked on model option `model_option`:
// banks 0, 250, 150, 0, 600; a channel with a note in each of BusySlots()
// (skip set on every other one); slot 20 enabled with a note but no
// channel; group 3 holds bank 4 and the hidden row 0 bank 7; bank 1 linked;
// VFO band 2 moved to 3 MHz, bands 2 and 3 with notes; settings changed;
// the radio areas' hex texts made from all that; LinkBank "07"; a file
// name; changed.
inline Document BusyDocument(int model_option) {
  Document doc;
  doc.SelectModel(model_option);
  SetBankSizes(doc, {0, 250, 150, 0, 600});
  int n = 0;
  for (int s : BusySlots()) {
    double mhz = 300 + s / 100.0;
    doc.Mem[s] = HandChannel(mhz, FormatFrequency(mhz), "BUSY", n++ % 2);
    doc.Mem[s].text[kNote] = "busy " + std::to_string(s);
    doc.MemFlag[s] = -1;
  }
  doc.Mem[20].text[kNote] = "busy note only";
  doc.MemFlag[20] = -1;
  doc.chkGrp[50 * 3 + 4] = 1;
  doc.chkGrp[7] = 1;
  doc.ReadGroupChecks();
  doc.chkLink[1] = 1;
  doc.Vfo[2].value[kFreq] = 3.0;
  doc.Vfo[2].text[kFreq] = "3.000000";
  doc.Vfo[2].text[kNote] = "busy band 2";
  doc.Vfo[3].text[kNote] = "busy band 3";
  doc.settings.chkATT = 0;
  doc.settings.Slider1 = 5;
  doc.settings.Slider2 = 7;
  doc.EncodeSettings();
  doc.BankSizesToHex();
  doc.GroupTableToHex();
  doc.FlagsToEnableHex();
  doc.LinkBank = "07";
  doc.CurrentFileName = "/old/busy.VQ5";
  doc.DataChanged = -1;
  return doc;
}

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_SUPPORT_BUSY_DOCUMENT_H_
