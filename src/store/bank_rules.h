// The rules of the Bank page and the Memory page's commands: the bank-size
// boxes (keys, moving between boxes, the check when a box is left), the
// link and group boxes, Clear and Clear All with their confirmations, and
// the tab guard that keeps the pages closed until the banks hold 1000
// channels. The window's pages call these on the document's working copies.
#ifndef VRQ5_STORE_BANK_RULES_H_
#define VRQ5_STORE_BANK_RULES_H_

#include <optional>

#include "codec/ui_text.h"
#include "store/document.h"
#include "store/message.h"

namespace vrq5 {

inline constexpr std::string_view kMsgBankTotalExceeded = UiText(
    "The total of the number of channels exceeds 1000.\r\n"
    "Please set for the total of the channel to become 1000 or less.");

// The box the focus moves to from bank box `bank` with Enter or Down
// (49 wraps to 0), and with Up (0 wraps to 49).
int NextBankBox(int bank);
int PreviousBankBox(int bank);

// Leaving bank-size box `bank` (its text is doc.txtBank[bank]): a size
// above 1000 is replaced by the last accepted one; a size that would lift
// the total above 1000 too, after the message returned. An accepted size
// is stored and shown as its decimal text (an empty box reads 0). A bank
// left at 0 loses its link box. Then the sizes and the total follow the
// boxes, and DataChanged is set.
std::optional<Message> LeaveBankBox(Document& doc, int bank);

// The link box of `bank` set to `ticked`: a bank of size 0 cannot be
// linked (the box is cleared again, nothing changes); otherwise
// DataChanged is set.
void SetLinkBox(Document& doc, int bank, bool ticked);

// Group box `box` (0..549) set to `ticked`; DataChanged is set.
void SetGroupBox(Document& doc, int box, bool ticked);

// The confirmations of Clear (and Delete) for `rows` selected rows, and of
// Clear All (OK / Cancel, Cancel the default). Several rows are counted:
// "Clear 3 rows?".
Message ClearConfirmation(int rows = 1);
Message ClearAllConfirmation();

// Clear (a selected memory-grid row's slot) and Clear All, after the
// confirmation: the slot or every slot emptied and disabled, DataChanged
// set.
void ClearSlot(Document& doc, int slot);
void ClearAllSlots(Document& doc);

// The pages of the tab strip, 1-based as the tabs are numbered.
enum Tab : int { kTabSettings1 = 1, kTabSettings2, kTabMemory, kTabBank };

// Whether the total label reads 1000: the other pages may open, and the
// Bank page shows the total unmarked.
bool BankTotalComplete(const Document& doc);

// A click on tab `clicked`: the tab shown is the clicked one while the
// total label reads 1000, otherwise the Bank tab, after the message.
struct TabChange {
  int tab;
  std::optional<Message> message;
};
TabChange ChangeTab(const Document& doc, int clicked);

// Whether the Edit menu's Modify opens an editor on a tab.
bool ModifyEnabledOn(int tab);

}  // namespace vrq5

#endif  // VRQ5_STORE_BANK_RULES_H_
