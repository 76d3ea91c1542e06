// The transfers between the document and the receiver: the link check and
// identification, the read and write routines, and the user's read and
// write commands.
//
// Every routine runs synchronously on the caller's thread, one exchange at
// a time. Messages go to the message sink in the order the user is to see
// them; progress goes to the progress sink. A raised cancel flag stops the
// running transfer before its next exchange; it then ends as a failure
// without a loop message of its own. While one transfer runs on a link,
// every other call on that link is refused at once (result kBusy).
#ifndef VRQ5_LINK_TRANSFER_H_
#define VRQ5_LINK_TRANSFER_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "codec/ui_text.h"
#include "link/exchange.h"
#include "link/protocol.h"
#include "store/document.h"
#include "store/message.h"
#include "store/write_check.h"

namespace vrq5 {

// Message texts and titles.
inline constexpr std::string_view kMsgComPortError = UiText("COM Port Error");
inline constexpr std::string_view kMsgCommunicationError =
    UiText("Communication Error");
inline constexpr std::string_view kMsgError = UiText("ERROR");
inline constexpr std::string_view kMsgRegionError = UiText("Region Error");
inline constexpr std::string_view kMsgReadFailed = UiText("Read Failed...");
inline constexpr std::string_view kMsgWriteFailed = UiText("Write Failed...");
inline constexpr std::string_view kMsgSuccess = UiText("Successed!!");
inline constexpr std::string_view kTitleSuccess = UiText("Success");
// A read the user cancelled (information icon): the document is as before.
inline constexpr std::string_view kMsgReadCancelled =
    UiText("The read was cancelled. Nothing was changed.");
inline constexpr std::string_view kTitleCancelled = UiText("Cancelled");
// After "Region Error", when the identity of no model was taken.
inline constexpr std::string_view kMsgRefusesEveryModel =
    UiText("The receiver refuses every model.");
// The informative line under "Successed!!" on the built-in receiver.
inline constexpr std::string_view kMsgSimulatedOnly =
    UiText("(simulated receiver: nothing was sent to a real receiver)");

// A memory write that stopped after the receiver's channels were erased:
// "The receiver's channels were erased and 128 of 318 written: write again
// before you use the receiver."
std::string ErasedChannelsText(int written, int total);
// `vrq5` after "Region Error" when the receiver took the identity of
// `model`: "The receiver is a VR-Q70E: run again with --model VR-Q70E."
std::string RunAgainWithModelText(int model);

struct TransferSinks {
  std::function<void(const Message&)> message;
  // The progress bar: value and maximum.
  std::function<void(int value, int maximum)> progress;
  // Read > ALL, the quick read and Write > ALL: the settings part is done
  // and the memory part starts (the window shows the Memory page now).
  std::function<void()> memory_part = {};
};

// Result of a user command.
enum class CommandResult {
  kSuccess,  // "Successed!!" was shown
  kFailure,  // the messages tell why
  kBusy,     // refused: another transfer runs on the link
};

// The user's transfer commands.
enum class UserCommand {
  kRead,          // "Read" on the Memory page
  kReadSettings,  // "Read Settings"
  kReadBank,      // "Read Bank"
  kReadGroup,     // "Read Group"
  kReadAll,       // Read > ALL
  // Read > Channels in use: Read > ALL that reads only the channel records
  // that can reach the document (slots enabled in the receiver's bitmap,
  // and the slots without a bit).
  kReadQuick,
  kWrite,          // "Write" on the Memory page
  kWriteSettings,  // "Write Settings"
  kWriteBank,      // "Write Bank"
  kWriteGroup,     // "Write Group"
  kWriteAll,       // Write > ALL
};

// `Transfer::accepted_model()` when no identity was refused, and when the
// receiver refused the identity of every model.
inline constexpr int kNoIdentityRefused = -2;
inline constexpr int kNoModelAccepted = -1;

// Routine results: 0 success, 1 failure, 4 identity refused by the
// receiver; kBusy when another transfer holds the link.
inline constexpr int kResultOk = 0;
inline constexpr int kResultFailed = 1;
inline constexpr int kResultRefused = 4;
inline constexpr int kResultBusy = -2;

class Transfer {
 public:
  Transfer(Link& link, Document& doc, TransferSinks sinks = {})
      : link_(link), doc_(&doc), sinks_(std::move(sinks)) {}

  // After a user command that ended in "Region Error": the model whose
  // identity the receiver took instead (it is left unidentified again), or
  // kNoModelAccepted (after the message "The receiver refuses every
  // model."); kNoIdentityRefused after any other outcome.
  int accepted_model() const { return accepted_model_; }

  // ----- routines with callers of their own -----
  // Each takes the link's transfer guard (result kResultBusy when another
  // transfer holds it) and runs its routine below.
  //
  // Probes address 0x0022 (3 attempts); without an answer identifies the
  // receiver and reads LinkBank from 0x0022. 0, 1 or 4.
  int CheckLink();
  // Leaves the receiver unidentified ("QV~FINISH"). 0 or 1.
  int SendQVFINISH();
  // Reads the four blocks of the bank table. 0, 1 or 4.
  int ReadBank();
  // Refuses (message "Total CH must be 1000", result 1) before anything is
  // sent when the bank sizes would not label all 1000 memory rows.
  int WriteMemory();

  // ----- user commands -----
  // A user command. A read changes the document only when the whole
  // command succeeded: a failed or cancelled one leaves it exactly as it
  // was ("The read was cancelled. Nothing was changed." for a cancel). A
  // receiver that answers the first probe (still linked from an earlier
  // command, perhaps of another model) is sent "QV~FINISH" and identified
  // again with the selected model. After "Region Error" the identities of
  // the other models are tried (see accepted_model()); after a memory write
  // that stopped once the channels were erased, a message says how many
  // were written.
  CommandResult Run(UserCommand command);
  CommandResult RunRead();
  CommandResult RunReadSettings();
  CommandResult RunReadBank();
  CommandResult RunReadGroup();
  CommandResult RunReadAll();
  CommandResult RunReadQuick();
  CommandResult RunWrite();
  CommandResult RunWriteSettings();
  CommandResult RunWriteBank();
  CommandResult RunWriteGroup();
  CommandResult RunWriteAll();

  // True when the bank sizes, as a memory write would send them, add up to
  // 1000 and label every memory row. The document is not changed.
  static bool BankSizesFitMemory(const Document& doc);

 private:
  // The routines; the caller holds the link's transfer guard.
  int CheckLinkHeld();
  int SendQVFINISHHeld();
  int ReadBankHeld();
  int WriteMemoryHeld();
  // Identity of the selected model, then the one-byte write at 0x0FD01.
  // The flag (1 reads, 0 writes) is not used further.
  int SendQVVRQ5Main(int flag);
  // Erases the receiver's channels ("QV~IM"). 0 or 1.
  int SendQVIM();
  int ReadSettings();
  // `quick` reads only the slots SlotsInUse names.
  int ReadMemory(bool quick);
  int ReadGroupArea();
  int ReadEnableArea();
  int WriteSettings();
  int WriteBankTable(bool send_im);
  int WriteGroupArea();
  int WriteClearArea();
  CommandResult RunCommand(UserCommand command);
  CommandResult Dispatch(UserCommand command);
  // What the command left to say once it has ended.
  void ReportEnd(UserCommand command, CommandResult result);
  CommandResult ReadCommand(int result);
  CommandResult ReadBankCommand();
  CommandResult ReadGroupCommand();
  CommandResult ReadAllCommand(bool quick);
  CommandResult WriteCommand();
  CommandResult WriteBankCommand();
  CommandResult WriteGroupCommand();
  CommandResult WriteAllCommand();

  // Runs `body` holding the link's transfer guard; `busy` when another
  // transfer holds it.
  template <typename R, typename F>
  R Guarded(R busy, F body);

  // Reads one 32-byte block at `address`; loop messages on failure.
  QueryOutcome ReadBlock(int address);
  // The loop's own message: "COM Port Error" when it stopped at once,
  // "Communication Error" when it gave up, none when cancelled.
  void ReportLoop(LoopEnd end);
  void Error(std::string_view text);
  // "Successed!!"; returns kSuccess.
  CommandResult Succeed();
  // The command's result message for a failed routine: "Region Error" for a
  // refused identity, `failure` otherwise; returns kFailure.
  CommandResult Fail(int result, std::string_view failure);
  void Progress(int value, int maximum);
  // Tells the sink that the memory part of a command starts.
  void StartMemoryPart();
  bool RefuseBankTotal();

  Link& link_;
  // The document the routines work on: a read command points it at a
  // scratch copy for its run.
  Document* doc_;
  TransferSinks sinks_;
  // The first link check of a user command identifies the receiver even
  // when it answers the probe.
  bool relink_ = false;
  bool identity_refused_ = false;
  int identity_model_ = 0;  // the model whose identity was sent last
  int accepted_model_ = kNoIdentityRefused;
  // A memory write: "QV~IM" sent, the channel records sent and to send, and
  // whether the whole memory write completed.
  bool erased_ = false;
  int channels_written_ = 0;
  int channels_to_write_ = 0;
  bool memory_written_ = false;
};

// What a write command sends, for the check before it: the channel records
// (Write, Write > ALL), the bank sizes (those and Write Bank), the VFO bands
// (Write Settings, Write > ALL); nothing of that for the other commands.
WriteScope WriteScopeOf(UserCommand command);
// True for the five write commands.
bool IsWriteCommand(UserCommand command);

// The channel slots a quick read reads, given the enable flags just read
// from the receiver's bitmap: the enabled slots and every slot the bitmap
// has no bit for. A full read empties every other slot whatever its record
// holds (a disabled slot is emptied when the grid is refilled), so reading
// them could not change the document.
std::vector<int> SlotsInUse(const FlagArray& flags);

// Bank and channel digits of a slot for "QV~BC": from the slot's row label
// for memory slots, "50".."52" and the number for the others.
std::string BankChannelOfSlot(const Document& doc, int slot);

}  // namespace vrq5

#endif  // VRQ5_LINK_TRANSFER_H_
