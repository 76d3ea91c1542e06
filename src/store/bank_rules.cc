#include "store/bank_rules.h"

#include <string>
#include <utility>

#include "codec/text.h"
#include "codec/ui_text.h"

namespace vrq5 {

namespace {

constexpr std::string_view kTitleClear = UiText("CLEAR OK");

// Edit > Undo takes a clear back, so the questions no longer say it
// cannot be undone.
Message Confirmation(std::string question) {
  return Message{std::move(question), std::string(kTitleClear),
                 Message::Icon::kWarning};
}

}  // namespace

int NextBankBox(int bank) { return (bank + 1) % kBankCount; }

int PreviousBankBox(int bank) { return (bank + kBankCount - 1) % kBankCount; }

std::optional<Message> LeaveBankBox(Document& doc, int bank) {
  std::optional<Message> message;
  int v = BankSizeValue(doc.txtBank[bank]);
  if (v > kMemoryChannels || v < 0) {
    doc.txtBank[bank] = doc.BankSizeText[bank];
  } else if (doc.BankBoxTotal() <= kMemoryChannels) {
    doc.BankSize[bank] = static_cast<int16_t>(v);
    doc.BankSizeText[bank] = std::to_string(v);
    doc.txtBank[bank] = doc.BankSizeText[bank];
  } else {
    message = ErrorMessage(kMsgBankTotalExceeded);
    doc.txtBank[bank] = doc.BankSizeText[bank];
  }
  if (BankSizeValue(doc.txtBank[bank]) == 0) doc.chkLink[bank] = 0;
  doc.ReadBankSizeBoxes();
  doc.DataChanged = -1;
  return message;
}

void SetLinkBox(Document& doc, int bank, bool ticked) {
  if (BankSizeValue(doc.txtBank[bank]) != 0) {
    doc.chkLink[bank] = ticked ? 1 : 0;
    doc.DataChanged = -1;
  } else {
    doc.chkLink[bank] = 0;
  }
}

void SetGroupBox(Document& doc, int box, bool ticked) {
  doc.chkGrp[box] = ticked ? 1 : 0;
  doc.DataChanged = -1;
}

Message ClearConfirmation(int rows) {
  if (rows > 1) {
    return Confirmation(Fill(UiText("Clear %1 rows?"), {std::to_string(rows)}));
  }
  return Confirmation(
      std::string(UiText("Are you sure that you want to do the clear?")));
}

Message ClearAllConfirmation() {
  return Confirmation(
      std::string(UiText("Are you sure that you want to clear all memory?")));
}

void ClearSlot(Document& doc, int slot) {
  doc.DataChanged = -1;
  doc.MemFlag[slot] = 0;
  doc.Mem[slot].Clear();
}

void ClearAllSlots(Document& doc) {
  doc.DataChanged = -1;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    doc.MemFlag[slot] = 0;
    doc.Mem[slot].Clear();
  }
}

bool BankTotalComplete(const Document& doc) {
  return Val(doc.lblAll) == kMemoryChannels;
}

TabChange ChangeTab(const Document& doc, int clicked) {
  if (BankTotalComplete(doc)) return {clicked, std::nullopt};
  return {kTabBank, ErrorMessage(kMsgTotalChannels)};
}

bool ModifyEnabledOn(int tab) {
  return tab == kTabMemory || tab == kTabSettings1;
}

}  // namespace vrq5
