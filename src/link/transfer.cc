#include "link/transfer.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "codec/tables.h"
#include "codec/text.h"
#include "link/connection_check.h"

namespace vrq5 {

namespace {

constexpr int kProgressMaximum = kSlotCount - 1;
// Slots from here on have no bit in the receiver's enable bitmap, which
// covers five 32-byte blocks.
constexpr int kFirstSlotWithoutEnableBit = 5 * kBlockBytes * 8;

// The 64 data digits of a reply frame (characters 3 to 66).
std::string FrameData(const std::string& frame) {
  return std::string(Mid(frame, 3, 64));
}

std::vector<int> AllSlots() {
  std::vector<int> slots(kSlotCount);
  for (int s = 0; s < kSlotCount; ++s) slots[s] = s;
  return slots;
}

}  // namespace

bool IsWriteCommand(UserCommand command) {
  switch (command) {
    case UserCommand::kWrite:
    case UserCommand::kWriteSettings:
    case UserCommand::kWriteBank:
    case UserCommand::kWriteGroup:
    case UserCommand::kWriteAll:
      return true;
    default:
      return false;
  }
}

WriteScope WriteScopeOf(UserCommand command) {
  WriteScope scope;
  scope.channels =
      command == UserCommand::kWrite || command == UserCommand::kWriteAll;
  scope.bank_sizes = scope.channels || command == UserCommand::kWriteBank;
  scope.vfo = command == UserCommand::kWriteSettings ||
              command == UserCommand::kWriteAll;
  return scope;
}

std::vector<int> SlotsInUse(const FlagArray& flags) {
  std::vector<int> slots;
  for (int s = 0; s < kSlotCount; ++s) {
    if (s >= kFirstSlotWithoutEnableBit || flags[s] == -1) slots.push_back(s);
  }
  return slots;
}

std::string BankChannelOfSlot(const Document& doc, int slot) {
  if (slot < 0 || slot >= kSlotCount) return "";
  if (slot < kMemoryChannels) {
    const std::string& label = doc.SlotLabel(slot);
    if (label.size() != 6) return "";
    return label.substr(0, 2) + label.substr(3, 3);
  }
  std::string bank = slot < kSearchPassFirst ? "50"
                     : slot < kPriorityFirst ? "51"
                                             : "52";
  int channel = (slot - kProgramScanFirst) % 100;
  std::string digits = std::to_string(channel);
  digits.insert(0, 3 - digits.size(), '0');
  return bank + digits;
}

std::string ErasedChannelsText(int written, int total) {
  return Fill(UiText("The receiver's channels were erased and %1 of %2 "
                     "written: write again before you use the receiver."),
              {std::to_string(written), std::to_string(total)});
}

std::string RunAgainWithModelText(int model) {
  const std::string name(ModelName[std::clamp(model, 0, 3)]);
  return "The receiver is a " + name + ": run again with --model " + name + ".";
}

bool Transfer::BankSizesFitMemory(const Document& doc) {
  return vrq5::BankSizesFitMemory(doc);
}

// ----- sinks -----

void Transfer::Error(std::string_view text) {
  if (sinks_.message) {
    sinks_.message(ErrorMessage(text));
  }
}

CommandResult Transfer::Succeed() {
  if (sinks_.message) {
    Message m{std::string(kMsgSuccess), std::string(kTitleSuccess),
              Message::Icon::kInformation};
    if (link_.port().IsSimulated()) m.informative = kMsgSimulatedOnly;
    sinks_.message(m);
  }
  return CommandResult::kSuccess;
}

CommandResult Transfer::Fail(int result, std::string_view failure) {
  if (result == kResultRefused) {
    identity_refused_ = true;
    Error(kMsgRegionError);
  } else if (!(failure == kMsgReadFailed && link_.cancelled())) {
    // A cancelled read is said once, when the command has ended.
    Error(failure);
  }
  return CommandResult::kFailure;
}

void Transfer::Progress(int value, int maximum) {
  if (sinks_.progress) sinks_.progress(value, maximum);
}

void Transfer::StartMemoryPart() {
  if (sinks_.memory_part) sinks_.memory_part();
}

void Transfer::ReportLoop(LoopEnd end) {
  if (end == LoopEnd::kStopped) Error(kMsgComPortError);
  if (end == LoopEnd::kGaveUp) Error(kMsgCommunicationError);
}

QueryOutcome Transfer::ReadBlock(int address) {
  QueryOutcome q = link_.QueryLoop(ReadCommandLine(address));
  if (!q.ok()) ReportLoop(q.end);
  return q;
}

bool Transfer::RefuseBankTotal() {
  if (BankSizesFitMemory(*doc_)) return false;
  Error(kMsgTotalChannels);
  return true;
}

template <typename R, typename F>
R Transfer::Guarded(R busy, F body) {
  TransferGuard guard(link_);
  if (!guard.held()) return busy;
  return body();
}

int Transfer::CheckLink() {
  return Guarded(kResultBusy, [this] { return CheckLinkHeld(); });
}
int Transfer::SendQVFINISH() {
  return Guarded(kResultBusy, [this] { return SendQVFINISHHeld(); });
}
int Transfer::ReadBank() {
  return Guarded(kResultBusy, [this] { return ReadBankHeld(); });
}
int Transfer::WriteMemory() {
  return Guarded(kResultBusy, [this] { return WriteMemoryHeld(); });
}

// ----- identification and link commands -----

int Transfer::CheckLinkHeld() {
  if (!link_.EnsureOpen()) return kResultFailed;
  const std::string probe = ReadCommandLine(kProbeAddress);
  const bool relink = std::exchange(relink_, false);
  if (link_.QueryLoop(probe, kProbeAttempts).ok()) {
    if (!relink) return kResultOk;
    // Still linked from an earlier command, perhaps as another model: the
    // selected model's identity must be taken before anything is sent.
    if (!link_.CommandLoop(kFinishLine).ok()) return kResultFailed;
  }
  if (link_.cancelled()) return kResultFailed;
  int identified = SendQVVRQ5Main(1);
  if (identified != kResultOk) return identified;
  QueryOutcome q = link_.QueryLoop(probe);
  if (!q.ok()) {
    if (q.end != LoopEnd::kCancelled) Error(kMsgError);
    return kResultFailed;
  }
  int value = HexByteAt(q.reply, 3);
  // LinkBank holds two decimal digits; a larger byte ends the check.
  if (value >= 100) return kResultFailed;
  doc_->LinkBank = Pad2(value);
  return kResultOk;
}

int Transfer::SendQVVRQ5Main(int /*flag*/) {
  doc_->FollowModelOption();
  if (!link_.EnsureOpen()) return kResultFailed;
  identity_model_ = doc_->ModelIndex;
  CommandOutcome id = link_.CommandLoop(IdentityLine(identity_model_));
  if (!id.ok()) {
    return id.end == LoopEnd::kStopped && id.status == kRefused ? kResultRefused
                                                                : kResultFailed;
  }
  CommandOutcome w =
      link_.CommandLoop(WriteCommandLine(kLinkWriteAddress, "00"));
  return w.ok() ? kResultOk : kResultFailed;
}

int Transfer::SendQVFINISHHeld() {
  link_.EnsureOpen();
  return link_.CommandLoop(kFinishLine).ok() ? kResultOk : kResultFailed;
}

int Transfer::SendQVIM() {
  link_.EnsureOpen();
  return link_.CommandLoop(kEraseLine).ok() ? kResultOk : kResultFailed;
}

// ----- read routines -----

int Transfer::ReadSettings() {
  link_.EnsureOpen();
  int linked = CheckLinkHeld();
  if (linked != kResultOk) return linked;
  const int steps = 2 + kVfoBands;
  Progress(0, steps);
  QueryOutcome q = link_.QueryLoop(ReadCommandLine(kSettings1Address));
  if (!q.ok()) {
    if (q.end != LoopEnd::kCancelled) Error(kMsgComPortError);
    return kResultFailed;
  }
  doc_->SettingsHex1 = FrameData(q.reply);
  Progress(1, steps);
  q = link_.QueryLoop(ReadCommandLine(kSettings2Address));
  if (!q.ok()) {
    if (q.end != LoopEnd::kCancelled) Error(kMsgComPortError);
    return kResultFailed;
  }
  doc_->SettingsHex2 = FrameData(q.reply);
  Progress(2, steps);
  doc_->DecodeSettings();
  doc_->DataChanged = -1;
  bool complete = true;
  for (int k = 0; k < kVfoBands; ++k) {
    q = ReadBlock(kVfoAddress + kBlockBytes * k);
    if (!q.ok()) {
      complete = false;
      break;
    }
    DecodeVfoBand(q.reply, doc_->Vfo[k]);
    Progress(3 + k, steps);
  }
  doc_->DataChanged = -1;
  return complete ? kResultOk : kResultFailed;
}

int Transfer::ReadMemory(bool quick) {
  link_.EnsureOpen();
  int linked = CheckLinkHeld();
  if (linked != kResultOk) return linked;
  // The quick read knows its number of slots once the bitmap is in.
  if (!quick) Progress(0, kProgressMaximum);
  // The bitmap has no bits for the last slots; they keep their flags until
  // their records arrive.
  std::array<int16_t, kSlotCount - kFirstSlotWithoutEnableBit> tail_flags;
  std::copy(doc_->MemFlag.begin() + kFirstSlotWithoutEnableBit,
            doc_->MemFlag.end(), tail_flags.begin());
  if (ReadEnableArea() != kResultOk) return kResultFailed;
  std::copy(tail_flags.begin(), tail_flags.end(),
            doc_->MemFlag.begin() + kFirstSlotWithoutEnableBit);
  if (ReadBankHeld() != kResultOk) return kResultFailed;
  doc_->HexToBankSizes();
  doc_->ShowBankSizes();
  doc_->LayoutMemoryRows();
  if (ReadGroupArea() != kResultOk) return kResultFailed;
  doc_->ShowGroupTable();
  std::vector<int> slots = quick ? SlotsInUse(doc_->MemFlag) : AllSlots();
  const int maximum = quick ? static_cast<int>(slots.size()) : kProgressMaximum;
  bool complete = true;
  int counter = 0;
  for (int s : slots) {
    Progress(counter, maximum);
    QueryOutcome q = ReadBlock(kChannelAddress + kBlockBytes * s);
    if (!q.ok()) {
      complete = false;
      break;
    }
    Slot& slot = doc_->Mem[s];
    bool channel = DecodeChannel(q.reply, slot) == -1;
    if (!channel) {
      slot.value[kFreq] = 0;
      slot.text[kFreq].clear();
      doc_->MemFlag[s] = 0;
    } else if (s >= kFirstSlotWithoutEnableBit) {
      doc_->MemFlag[s] = -1;
    }
    ++counter;
  }
  if (quick && complete) Progress(maximum, maximum);
  // A disabled slot is emptied here whatever its record held, so the slots
  // that a quick read skips end as a full read leaves them.
  doc_->RefillMemory();
  doc_->EnableBitsHex[5] = FlagsToEnableHex(doc_->MemFlag)[5];
  doc_->DataChanged = -1;
  return complete ? kResultOk : kResultFailed;
}

int Transfer::ReadBankHeld() {
  int linked = CheckLinkHeld();
  if (linked != kResultOk) return linked;
  link_.EnsureOpen();
  for (int i = 0; i < 4; ++i) {
    QueryOutcome q = ReadBlock(kBankTableAddress + kBlockBytes * i);
    if (!q.ok()) return kResultFailed;
    doc_->BankTableHex[i] = FrameData(q.reply);
  }
  return kResultOk;
}

int Transfer::ReadGroupArea() {
  doc_->GroupHex.clear();
  for (int i = 0; i < 3; ++i) {
    QueryOutcome q = ReadBlock(kGroupAddress + kBlockBytes * i);
    if (!q.ok()) return kResultFailed;
    doc_->GroupHex += FrameData(q.reply);
  }
  doc_->GroupHexToTable();
  return kResultOk;
}

int Transfer::ReadEnableArea() {
  for (int i = 0; i < 5; ++i) {
    QueryOutcome q = ReadBlock(kEnableAddress + kBlockBytes * i);
    if (!q.ok()) return kResultFailed;
    doc_->EnableBitsHex[i] = FrameData(q.reply);
  }
  doc_->EnableHexToFlags();
  return kResultOk;
}

// ----- write routines -----

int Transfer::WriteSettings() {
  link_.EnsureOpen();
  int linked = CheckLinkHeld();
  if (linked != kResultOk) return linked;
  doc_->EncodeSettings();
  const int steps = 2 + kVfoBands;
  Progress(0, steps);
  if (!link_
           .CommandLoop(WriteCommandLine(kSettings1Address, doc_->SettingsHex1))
           .ok()) {
    return kResultFailed;
  }
  Progress(1, steps);
  if (!link_
           .CommandLoop(WriteCommandLine(kSettings2Address, doc_->SettingsHex2))
           .ok()) {
    return kResultFailed;
  }
  Progress(2, steps);
  for (int k = 0; k < kVfoBands; ++k) {
    std::string record = EncodeVfoBand(doc_->Vfo[k], doc_->opbModel);
    if (!link_
             .CommandLoop(
                 WriteCommandLine(kVfoAddress + kBlockBytes * k, record))
             .ok()) {
      return kResultFailed;
    }
    Progress(3 + k, steps);
  }
  return kResultOk;
}

int Transfer::WriteClearArea() {
  const std::string zeros(64, '0');
  for (int i = 0; i < 4; ++i) {
    CommandOutcome c = link_.CommandLoop(
        WriteCommandLine(kClearAreaAddress + kBlockBytes * i, zeros));
    if (!c.ok()) {
      ReportLoop(c.end);
      return kResultFailed;
    }
  }
  return kResultOk;
}

int Transfer::WriteMemoryHeld() {
  // Channels are addressed by their row labels, which need bank sizes
  // that cover all 1000 memory rows.
  if (RefuseBankTotal()) return kResultFailed;
  link_.EnsureOpen();
  int linked = CheckLinkHeld();
  if (linked != kResultOk) return linked;
  Progress(0, kProgressMaximum);
  int banks = WriteBankTable(true);
  if (banks != kResultOk) return banks;
  doc_->LayoutMemoryRows();
  doc_->ReadGroupChecks();
  int groups = WriteGroupArea();
  if (groups != kResultOk) return groups;
  // Slots whose record holds no frequency are not sent: the erase left
  // them empty.
  std::vector<std::string> records(kSlotCount);
  for (int s = 0; s < kSlotCount; ++s) {
    records[s] = EncodeChannel(doc_->Mem[s], doc_->opbModel);
    if (records[s].compare(0, 8, "00000000") == 0) {
      records[s].clear();
    } else {
      ++channels_to_write_;
    }
  }
  int counter = 0;
  for (int s = kSlotCount - 1; s >= 0; --s) {
    Progress(counter, kProgressMaximum);
    if (!records[s].empty()) {
      std::string where = BankChannelOfSlot(*doc_, s);
      if (where.empty()) return kResultFailed;
      CommandOutcome c = link_.CommandLoop(ChannelWriteLine(where, records[s]));
      if (!c.ok()) {
        ReportLoop(c.end);
        return kResultFailed;
      }
      ++channels_written_;
    }
    ++counter;
  }
  if (WriteClearArea() != kResultOk) return kResultFailed;
  QueryOutcome q = link_.QueryLoop(ChannelReadLine(doc_->LinkBank + "000"));
  if (!q.ok()) {
    if (q.end != LoopEnd::kCancelled) Error(kMsgComPortError);
    return kResultFailed;
  }
  memory_written_ = true;
  return kResultOk;
}

int Transfer::WriteBankTable(bool send_im) {
  int linked = CheckLinkHeld();
  if (linked != kResultOk) return linked;
  doc_->BankSizesToHex();
  for (int i = 0; i < 4; ++i) {
    CommandOutcome c = link_.CommandLoop(WriteCommandLine(
        kBankTableAddress + kBlockBytes * i, doc_->BankTableHex[i]));
    if (!c.ok()) {
      ReportLoop(c.end);
      return kResultFailed;
    }
  }
  if (!send_im) return kResultOk;
  erased_ = true;
  return SendQVIM();
}

int Transfer::WriteGroupArea() {
  doc_->GroupTableToHex();
  static constexpr std::array<int, 3> kLengths = {64, 64, 48};
  size_t pos = 1;
  for (int i = 0; i < 3; ++i) {
    std::string_view piece = Mid(doc_->GroupHex, pos, kLengths[i]);
    pos += kLengths[i];
    CommandOutcome c = link_.CommandLoop(
        WriteCommandLine(kGroupAddress + kBlockBytes * i, piece));
    if (!c.ok()) {
      ReportLoop(c.end);
      return kResultFailed;
    }
  }
  return kResultOk;
}

// ----- user commands -----

CommandResult Transfer::Run(UserCommand command) {
  return Guarded(CommandResult::kBusy, [&] { return RunCommand(command); });
}

#define VRQ5_USER_COMMAND(Name, command) \
  CommandResult Transfer::Name() { return Run(UserCommand::command); }
VRQ5_USER_COMMAND(RunRead, kRead)
VRQ5_USER_COMMAND(RunReadSettings, kReadSettings)
VRQ5_USER_COMMAND(RunReadBank, kReadBank)
VRQ5_USER_COMMAND(RunReadGroup, kReadGroup)
VRQ5_USER_COMMAND(RunReadAll, kReadAll)
VRQ5_USER_COMMAND(RunReadQuick, kReadQuick)
VRQ5_USER_COMMAND(RunWrite, kWrite)
VRQ5_USER_COMMAND(RunWriteSettings, kWriteSettings)
VRQ5_USER_COMMAND(RunWriteBank, kWriteBank)
VRQ5_USER_COMMAND(RunWriteGroup, kWriteGroup)
VRQ5_USER_COMMAND(RunWriteAll, kWriteAll)
#undef VRQ5_USER_COMMAND

CommandResult Transfer::RunCommand(UserCommand command) {
  relink_ = true;
  identity_refused_ = false;
  accepted_model_ = kNoIdentityRefused;
  erased_ = false;
  channels_written_ = 0;
  channels_to_write_ = 0;
  memory_written_ = false;
  CommandResult result;
  if (IsWriteCommand(command)) {
    result = Dispatch(command);
  } else {
    // A read fills a scratch copy, which becomes the document only when
    // every block of the command arrived.
    Document scratch = *doc_;
    Document* document = std::exchange(doc_, &scratch);
    result = Dispatch(command);
    doc_ = document;
    if (result == CommandResult::kSuccess) *doc_ = std::move(scratch);
  }
  relink_ = false;
  ReportEnd(command, result);
  return result;
}

void Transfer::ReportEnd(UserCommand command, CommandResult result) {
  if (result == CommandResult::kSuccess) return;
  if (!IsWriteCommand(command) && link_.cancelled() && sinks_.message) {
    sinks_.message(Message{std::string(kMsgReadCancelled),
                           std::string(kTitleCancelled),
                           Message::Icon::kInformation});
  }
  if (erased_ && !memory_written_ && sinks_.message) {
    sinks_.message(
        Message{ErasedChannelsText(channels_written_, channels_to_write_),
                std::string(kTitleError), Message::Icon::kWarning});
  }
  if (identity_refused_ && !link_.cancelled()) {
    ModelSearch search = FindAcceptedModel(link_, identity_model_);
    if (search.cancelled) return;
    accepted_model_ = search.model;
    if (search.model >= 0) {
      // Left unidentified, as it was before the command.
      link_.CommandLoop(kFinishLine);
    } else {
      Error(kMsgRefusesEveryModel);
    }
  }
}

CommandResult Transfer::Dispatch(UserCommand command) {
  switch (command) {
    case UserCommand::kRead:
      return ReadCommand(ReadMemory(false));
    case UserCommand::kReadSettings:
      return ReadCommand(ReadSettings());
    case UserCommand::kReadBank:
      return ReadBankCommand();
    case UserCommand::kReadGroup:
      return ReadGroupCommand();
    case UserCommand::kReadAll:
      return ReadAllCommand(false);
    case UserCommand::kReadQuick:
      return ReadAllCommand(true);
    case UserCommand::kWrite:
      return WriteCommand();
    case UserCommand::kWriteSettings: {
      int result = WriteSettings();
      return result == kResultOk ? Succeed() : Fail(result, kMsgWriteFailed);
    }
    case UserCommand::kWriteBank:
      return WriteBankCommand();
    case UserCommand::kWriteGroup:
      return WriteGroupCommand();
    case UserCommand::kWriteAll:
      return WriteAllCommand();
  }
  return CommandResult::kFailure;
}

CommandResult Transfer::ReadCommand(int result) {
  return result == kResultOk ? Succeed() : Fail(result, kMsgReadFailed);
}

CommandResult Transfer::ReadBankCommand() {
  int result = ReadBankHeld();
  if (result != kResultOk) return Fail(result, kMsgReadFailed);
  doc_->HexToBankSizes();
  doc_->ShowBankSizes();
  if (ReadGroupArea() != kResultOk) return CommandResult::kFailure;
  doc_->ShowGroupTable();
  return Succeed();
}

CommandResult Transfer::ReadGroupCommand() {
  link_.EnsureOpen();
  int linked = CheckLinkHeld();
  if (linked != kResultOk) return Fail(linked, kMsgReadFailed);
  if (ReadGroupArea() != kResultOk) return CommandResult::kFailure;
  doc_->ShowGroupTable();
  return Succeed();
}

CommandResult Transfer::ReadAllCommand(bool quick) {
  int settings = ReadSettings();
  if (settings != kResultOk) return Fail(settings, kMsgReadFailed);
  doc_->LayoutMemoryRows();
  doc_->RefillMemory();
  StartMemoryPart();
  // A refused identity here still reads as "Read Failed...".
  if (ReadMemory(quick) != kResultOk) {
    return Fail(kResultFailed, kMsgReadFailed);
  }
  return Succeed();
}

CommandResult Transfer::WriteCommand() {
  if (RefuseBankTotal()) return CommandResult::kFailure;
  int result = WriteMemoryHeld();
  if (result != kResultOk) return Fail(result, kMsgWriteFailed);
  if (SendQVFINISHHeld() != kResultOk) {
    return Fail(kResultFailed, kMsgWriteFailed);
  }
  return Succeed();
}

CommandResult Transfer::WriteBankCommand() {
  int result = WriteBankTable(false);
  if (result != kResultOk) return Fail(result, kMsgWriteFailed);
  doc_->LayoutMemoryRows();
  doc_->RefillMemory();
  if (WriteClearArea() != kResultOk) return CommandResult::kFailure;
  return Succeed();
}

CommandResult Transfer::WriteGroupCommand() {
  link_.EnsureOpen();
  int linked = CheckLinkHeld();
  if (linked != kResultOk) return Fail(linked, kMsgWriteFailed);
  doc_->ReadGroupChecks();
  if (WriteGroupArea() != kResultOk) {
    return Fail(kResultFailed, kMsgWriteFailed);
  }
  return Succeed();
}

CommandResult Transfer::WriteAllCommand() {
  if (RefuseBankTotal()) return CommandResult::kFailure;
  int settings = WriteSettings();
  if (settings != kResultOk) return Fail(settings, kMsgWriteFailed);
  doc_->LayoutMemoryRows();
  doc_->RefillMemory();
  StartMemoryPart();
  // A refused identity here still reads as "Write Failed...".
  if (WriteMemoryHeld() != kResultOk)
    return Fail(kResultFailed, kMsgWriteFailed);
  // A finish that fails after a complete write of everything is reported
  // as a communication failure.
  if (SendQVFINISHHeld() != kResultOk) {
    return Fail(kResultFailed, kMsgCommunicationError);
  }
  return Succeed();
}

}  // namespace vrq5
