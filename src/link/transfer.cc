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

constexpr int kProbeAddress = 0x0022;
constexpr int kSettings1Address = 0x0000;
constexpr int kSettings2Address = 0x0020;
constexpr int kGroupAddress = 0x0080;
constexpr int kBankTableAddress = 0x0100;
constexpr int kClearAreaAddress = 0x0180;
constexpr int kEnableAddress = 0x0200;
constexpr int kVfoAddress = 0x0300;
constexpr int kChannelAddress = 0x0A00;
constexpr int kBlockBytes = 32;
constexpr int kProbeAttempts = 3;
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

std::string ReadCommandLine(int address) {
  return "QV~F" + HexText(static_cast<uint64_t>(address), 5) + "R\r";
}

std::string WriteCommandLine(int address, std::string_view data) {
  std::string line = "QV~F" + HexText(static_cast<uint64_t>(address), 5);
  line += 'W';
  line += data;
  line += '\r';
  return line;
}

std::string IdentityLine(int model_index) {
  static constexpr std::array<std::string_view, 4> kIdentities = {
      "QV~VR-Q5J", "QV~VR-Q70E", "QV~VR-Q70T", "QV~VR-Q70K"};
  int i = std::clamp(model_index, 0, 3);
  return std::string(kIdentities[i]) + "\r";
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
  return "The receiver's channels were erased and " + std::to_string(written) +
         " of " + std::to_string(total) +
         " written: write again before you use the receiver.";
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

// ----- identification and link commands -----

int Transfer::CheckLink() {
  return Guarded(kResultBusy, [this] { return CheckLinkImpl(); });
}

int Transfer::SendQVVRQ5(int /*flag*/) { return CheckLink(); }

int Transfer::SendQVVRQ5Main(int flag) {
  return Guarded(kResultBusy, [&] { return SendQVVRQ5MainImpl(flag); });
}

int Transfer::SendQVFINISH() {
  return Guarded(kResultBusy, [this] { return FinishImpl("QV~FINISH\r"); });
}

int Transfer::SendQVIM() {
  return Guarded(kResultBusy, [this] { return FinishImpl("QV~IM\r"); });
}

int Transfer::CheckLinkImpl() {
  if (!link_.EnsureOpen()) return kResultFailed;
  const std::string probe = ReadCommandLine(kProbeAddress);
  const bool relink = std::exchange(relink_, false);
  if (link_.QueryLoop(probe, kProbeAttempts).ok()) {
    if (!relink) return kResultOk;
    // Still linked from an earlier command, perhaps as another model: the
    // selected model's identity must be taken before anything is sent.
    if (!link_.CommandLoop("QV~FINISH\r").ok()) return kResultFailed;
  }
  if (link_.cancelled()) return kResultFailed;
  int identified = SendQVVRQ5MainImpl(1);
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

int Transfer::SendQVVRQ5MainImpl(int /*flag*/) {
  if (doc_->opbModel >= 0 && doc_->opbModel <= 3) {
    doc_->ModelIndex = static_cast<int16_t>(doc_->opbModel);
  }
  if (!link_.EnsureOpen()) return kResultFailed;
  identity_model_ = doc_->ModelIndex;
  CommandOutcome id = link_.CommandLoop(IdentityLine(identity_model_));
  if (!id.ok()) {
    return id.end == LoopEnd::kStopped && id.status == kRefused ? kResultRefused
                                                                : kResultFailed;
  }
  CommandOutcome w = link_.CommandLoop(WriteCommandLine(0x0FD01, "00"));
  return w.ok() ? kResultOk : kResultFailed;
}

int Transfer::FinishImpl(std::string_view command) {
  link_.EnsureOpen();
  return link_.CommandLoop(command).ok() ? kResultOk : kResultFailed;
}

// ----- read routines -----

int Transfer::ReadSettings() {
  return Guarded(kResultBusy, [this] { return ReadSettingsImpl(); });
}
int Transfer::ReadMemory() {
  return Guarded(kResultBusy, [this] { return ReadMemoryImpl(false); });
}
int Transfer::ReadBank() {
  return Guarded(kResultBusy, [this] { return ReadBankImpl(); });
}
int Transfer::ReadGroupArea() {
  return Guarded(kResultBusy, [this] { return ReadGroupAreaImpl(); });
}
int Transfer::ReadEnableArea() {
  return Guarded(kResultBusy, [this] { return ReadEnableAreaImpl(); });
}

int Transfer::ReadSettingsImpl() {
  link_.EnsureOpen();
  int linked = CheckLinkImpl();
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

int Transfer::ReadMemoryImpl(bool quick) {
  link_.EnsureOpen();
  int linked = CheckLinkImpl();
  if (linked != kResultOk) return linked;
  // The quick read knows its number of slots once the bitmap is in.
  if (!quick) Progress(0, kProgressMaximum);
  // The bitmap has no bits for the last slots; they keep their flags until
  // their records arrive.
  std::array<int16_t, kSlotCount - kFirstSlotWithoutEnableBit> tail_flags;
  std::copy(doc_->MemFlag.begin() + kFirstSlotWithoutEnableBit,
            doc_->MemFlag.end(), tail_flags.begin());
  if (ReadEnableAreaImpl() != -1) return kResultFailed;
  std::copy(tail_flags.begin(), tail_flags.end(),
            doc_->MemFlag.begin() + kFirstSlotWithoutEnableBit);
  if (ReadBankImpl() != kResultOk) return kResultFailed;
  doc_->HexToBankSizes();
  doc_->ShowBankSizes();
  doc_->LayoutMemoryRows();
  if (ReadGroupAreaImpl() != kResultOk) return kResultFailed;
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

int Transfer::ReadBankImpl() {
  int linked = CheckLinkImpl();
  if (linked != kResultOk) return linked;
  link_.EnsureOpen();
  for (int i = 0; i < 4; ++i) {
    QueryOutcome q = ReadBlock(kBankTableAddress + kBlockBytes * i);
    if (!q.ok()) return kResultFailed;
    doc_->BankTableHex[i] = FrameData(q.reply);
  }
  return kResultOk;
}

int Transfer::ReadGroupAreaImpl() {
  doc_->GroupHex.clear();
  for (int i = 0; i < 3; ++i) {
    QueryOutcome q = ReadBlock(kGroupAddress + kBlockBytes * i);
    if (!q.ok()) return kResultFailed;
    doc_->GroupHex += FrameData(q.reply);
  }
  doc_->GroupHexToTable();
  return kResultOk;
}

int Transfer::ReadEnableAreaImpl() {
  for (int i = 0; i < 5; ++i) {
    QueryOutcome q = ReadBlock(kEnableAddress + kBlockBytes * i);
    if (!q.ok()) return 0;
    doc_->EnableBitsHex[i] = FrameData(q.reply);
  }
  doc_->EnableHexToFlags();
  return -1;
}

// ----- write routines -----

int Transfer::WriteSettings() {
  return Guarded(kResultBusy, [this] { return WriteSettingsImpl(); });
}
int Transfer::WriteMemory() {
  return Guarded(kResultBusy, [this] { return WriteMemoryImpl(); });
}
int Transfer::WriteBankTable(bool send_im) {
  return Guarded(kResultBusy, [&] { return WriteBankTableImpl(send_im); });
}
int Transfer::WriteGroupArea() {
  return Guarded(kResultBusy, [this] { return WriteGroupAreaImpl(); });
}

int Transfer::WriteSettingsImpl() {
  link_.EnsureOpen();
  int linked = CheckLinkImpl();
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

int Transfer::WriteMemoryImpl() {
  // Channels are addressed by their row labels, which need bank sizes
  // that cover all 1000 memory rows.
  if (RefuseBankTotal()) return kResultFailed;
  link_.EnsureOpen();
  int linked = CheckLinkImpl();
  if (linked != kResultOk) return linked;
  Progress(0, kProgressMaximum);
  int banks = WriteBankTableImpl(true);
  if (banks != kResultOk) return banks;
  doc_->LayoutMemoryRows();
  doc_->ReadGroupChecks();
  int groups = WriteGroupAreaImpl();
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
      CommandOutcome c =
          link_.CommandLoop("QV~BC" + where + "W" + records[s] + "\r");
      if (!c.ok()) {
        ReportLoop(c.end);
        return kResultFailed;
      }
      ++channels_written_;
    }
    ++counter;
  }
  if (WriteClearArea() != kResultOk) return kResultFailed;
  QueryOutcome q = link_.QueryLoop("QV~BC" + doc_->LinkBank + "000R\r");
  if (!q.ok()) {
    if (q.end != LoopEnd::kCancelled) Error(kMsgComPortError);
    return kResultFailed;
  }
  memory_written_ = true;
  return kResultOk;
}

int Transfer::WriteBankTableImpl(bool send_im) {
  int linked = CheckLinkImpl();
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
  return FinishImpl("QV~IM\r");
}

int Transfer::WriteGroupAreaImpl() {
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
      link_.CommandLoop("QV~FINISH\r");
    } else {
      Error(kMsgRefusesEveryModel);
    }
  }
}

CommandResult Transfer::Dispatch(UserCommand command) {
  switch (command) {
    case UserCommand::kRead:
      return RunReadImpl();
    case UserCommand::kReadSettings:
      return RunReadSettingsImpl();
    case UserCommand::kReadBank:
      return RunReadBankImpl();
    case UserCommand::kReadGroup:
      return RunReadGroupImpl();
    case UserCommand::kReadAll:
      return RunReadAllImpl(false);
    case UserCommand::kReadQuick:
      return RunReadQuickImpl();
    case UserCommand::kWrite:
      return RunWriteImpl();
    case UserCommand::kWriteSettings:
      return RunWriteSettingsImpl();
    case UserCommand::kWriteBank:
      return RunWriteBankImpl();
    case UserCommand::kWriteGroup:
      return RunWriteGroupImpl();
    case UserCommand::kWriteAll:
      return RunWriteAllImpl();
  }
  return CommandResult::kFailure;
}

CommandResult Transfer::RunReadImpl() {
  int result = ReadMemoryImpl(false);
  return result == kResultOk ? Succeed() : Fail(result, kMsgReadFailed);
}

CommandResult Transfer::RunReadSettingsImpl() {
  int result = ReadSettingsImpl();
  return result == kResultOk ? Succeed() : Fail(result, kMsgReadFailed);
}

CommandResult Transfer::RunReadBankImpl() {
  int result = ReadBankImpl();
  if (result != kResultOk) return Fail(result, kMsgReadFailed);
  doc_->HexToBankSizes();
  doc_->ShowBankSizes();
  if (ReadGroupAreaImpl() != kResultOk) return CommandResult::kFailure;
  doc_->ShowGroupTable();
  return Succeed();
}

CommandResult Transfer::RunReadGroupImpl() {
  link_.EnsureOpen();
  int linked = CheckLinkImpl();
  if (linked != kResultOk) return Fail(linked, kMsgReadFailed);
  if (ReadGroupAreaImpl() != kResultOk) return CommandResult::kFailure;
  doc_->ShowGroupTable();
  return Succeed();
}

CommandResult Transfer::RunReadAllImpl(bool quick) {
  int settings = ReadSettingsImpl();
  if (settings != kResultOk) return Fail(settings, kMsgReadFailed);
  doc_->LayoutMemoryRows();
  doc_->RefillMemory();
  // A refused identity here still reads as "Read Failed...".
  if (ReadMemoryImpl(quick) != kResultOk) {
    return Fail(kResultFailed, kMsgReadFailed);
  }
  return Succeed();
}

CommandResult Transfer::RunReadQuickImpl() { return RunReadAllImpl(true); }

CommandResult Transfer::RunWriteImpl() {
  if (RefuseBankTotal()) return CommandResult::kFailure;
  int result = WriteMemoryImpl();
  if (result != kResultOk) return Fail(result, kMsgWriteFailed);
  if (FinishImpl("QV~FINISH\r") != kResultOk) {
    return Fail(kResultFailed, kMsgWriteFailed);
  }
  return Succeed();
}

CommandResult Transfer::RunWriteSettingsImpl() {
  int result = WriteSettingsImpl();
  return result == kResultOk ? Succeed() : Fail(result, kMsgWriteFailed);
}

CommandResult Transfer::RunWriteBankImpl() {
  int result = WriteBankTableImpl(false);
  if (result != kResultOk) return Fail(result, kMsgWriteFailed);
  doc_->LayoutMemoryRows();
  doc_->RefillMemory();
  if (WriteClearArea() != kResultOk) return CommandResult::kFailure;
  return Succeed();
}

CommandResult Transfer::RunWriteGroupImpl() {
  link_.EnsureOpen();
  int linked = CheckLinkImpl();
  if (linked != kResultOk) return Fail(linked, kMsgWriteFailed);
  doc_->ReadGroupChecks();
  if (WriteGroupAreaImpl() != kResultOk) {
    return Fail(kResultFailed, kMsgWriteFailed);
  }
  return Succeed();
}

CommandResult Transfer::RunWriteAllImpl() {
  if (RefuseBankTotal()) return CommandResult::kFailure;
  int settings = WriteSettingsImpl();
  if (settings != kResultOk) return Fail(settings, kMsgWriteFailed);
  doc_->LayoutMemoryRows();
  doc_->RefillMemory();
  // A refused identity here still reads as "Write Failed...".
  if (WriteMemoryImpl() != kResultOk)
    return Fail(kResultFailed, kMsgWriteFailed);
  // A finish that fails after a complete write of everything is reported
  // as a communication failure.
  if (FinishImpl("QV~FINISH\r") != kResultOk) {
    return Fail(kResultFailed, kMsgCommunicationError);
  }
  return Succeed();
}

}  // namespace vrq5
