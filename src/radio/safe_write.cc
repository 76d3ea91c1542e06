#include "radio/safe_write.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "files/file_status.h"
#include "files/snapshots.h"
#include "files/utf8_path.h"
#include "radio/write_preview.h"
#include "store/changes.h"

namespace vrq5::radio {

namespace {

// Each step counts as this many units of the one progress count.
constexpr int kStepUnits = 1000;
// A failed verify lists at most this many differences.
constexpr size_t kShownDifferences = 20;

bool Cancelled(const Message& m) { return m.text == kMsgReadCancelled; }
bool Success(const Message& m) { return m.text == kMsgSuccess; }

Message Box(std::string_view text, Message::Icon icon,
            std::string informative = {}) {
  return Message{std::string(text),
                 std::string(icon == Message::Icon::kCritical ? kTitleError
                                                              : kTitleSuccess),
                 icon, std::move(informative)};
}

// A new document of the model `doc` identifies itself as, for a read.
std::unique_ptr<Document> ReadTarget(const Document& doc) {
  auto target = std::make_unique<Document>();
  target->SelectModel(doc.opbModel);
  return target;
}

}  // namespace

UserCommand ReadBackCommand(UserCommand write) {
  switch (write) {
    case UserCommand::kWriteSettings:
      return UserCommand::kReadSettings;
    case UserCommand::kWriteBank:
      return UserCommand::kReadBank;
    case UserCommand::kWriteGroup:
      return UserCommand::kReadGroup;
    default:
      return UserCommand::kReadQuick;
  }
}

std::string SnapshotNote(const std::filesystem::path& snapshot) {
  return Fill(UiText("What the receiver held before this write is kept in "
                     "%1: write it back to restore it."),
              {PathToUtf8(snapshot)});
}

SafeWrite::SafeWrite(const Document& doc, UserCommand write,
                     SafeWriteOptions options)
    : doc_(std::make_unique<const Document>(doc)),
      write_(write),
      options_(std::move(options)),
      steps_((options_.snapshot ? 1 : 0) + 1 + (options_.verify ? 1 : 0)),
      snapshot_(std::make_unique<Document>()),
      after_(std::make_unique<Document>()) {
  if (options_.snapshot_folder.empty()) {
    options_.snapshot_folder = SnapshotFolder();
  }
}

TransferSinks SafeWrite::StepSinks(
    const TransferSinks& sinks, int step, UserCommand command,
    std::function<void(const Message&)> message) const {
  TransferSinks out;
  out.message = std::move(message);
  if (!sinks.progress) return out;
  // Read > ALL, the quick read and Write > ALL count the settings and VFO
  // blocks first, then the channels: a small share of the step, then the
  // rest. Every other command is one count.
  const bool two_counts = command == UserCommand::kReadAll ||
                          command == UserCommand::kReadQuick ||
                          command == UserCommand::kWriteAll;
  struct Count {
    int index = 0;
    int value = -1;
    int maximum = -1;
  };
  auto count = std::make_shared<Count>();
  const int total = steps_ * kStepUnits;
  out.progress = [progress = sinks.progress, step, total, two_counts, count](
                     int value, int maximum) {
    if (count->maximum >= 0 &&
        (maximum != count->maximum || value < count->value)) {
      ++count->index;
    }
    count->value = value;
    count->maximum = maximum;
    // The share of the step this count takes: [from, to) in units.
    int from = 0, to = kStepUnits;
    if (two_counts) {
      constexpr int kFirstShare = kStepUnits / 20;
      from = count->index == 0 ? 0 : kFirstShare;
      to = count->index == 0 ? kFirstShare : kStepUnits;
    }
    const int done = maximum > 0
                         ? static_cast<int>(static_cast<long long>(value) *
                                            (to - from) / maximum)
                         : 0;
    progress(step * kStepUnits + std::min(from + done, to), total);
  };
  return out;
}

PlanResult SafeWrite::Plan(Link& link, const TransferSinks& sinks,
                           std::time_t now) {
  if (!options_.snapshot) return PlanResult::kWrite;
  auto say = [&sinks](const Message& m) {
    if (sinks.message) sinks.message(m);
  };

  // 1. The snapshot: the read's own messages, but no "Successed!!", and a
  // cancel that says nothing was written.
  bool cancelled = false;
  snapshot_ = ReadTarget(*doc_);
  Transfer read(
      link, *snapshot_,
      StepSinks(sinks, 0, UserCommand::kReadQuick, [&](const Message& m) {
        if (Cancelled(m)) {
          cancelled = true;
        } else if (!Success(m)) {
          say(m);
        }
      }));
  CommandResult result = read.Run(UserCommand::kReadQuick);
  accepted_model_ = read.accepted_model();
  if (result == CommandResult::kBusy) return PlanResult::kBusy;
  if (cancelled) {
    say(Box(kMsgWriteCancelled, Message::Icon::kInformation));
    return PlanResult::kFailure;
  }
  if (result != CommandResult::kSuccess) {
    say(Box(kMsgSnapshotFailed, Message::Icon::kCritical));
    return PlanResult::kFailure;
  }
  std::string reason;
  snapshot_path_ =
      SaveSnapshot(*snapshot_, options_.snapshot_folder, now, &reason);
  if (snapshot_path_.empty()) {
    say(Box(FileStatusMessage(FileStatus::kFileOpenError),
            Message::Icon::kCritical,
            PathToUtf8(options_.snapshot_folder) + " (" + reason + ")"));
    say(Box(kMsgSnapshotFailed, Message::Icon::kCritical));
    return PlanResult::kFailure;
  }

  // 2. The preview. A write that would fail before it reached the memory
  // has none; the write itself then says why.
  previewed_ = ReceiverAfterWrite(*snapshot_, *doc_, write_, *after_);
  if (!previewed_) return PlanResult::kWrite;
  changes_ = DocumentChanges(*snapshot_, *after_);
  if (changes_.empty()) {
    say(Box(kMsgNothingToWrite, Message::Icon::kInformation));
    return PlanResult::kNothingToWrite;
  }
  return PlanResult::kWrite;
}

CommandResult SafeWrite::WriteAndVerify(Link& link, Document& doc,
                                        const TransferSinks& sinks) {
  auto say = [&sinks](const Message& m) {
    if (sinks.message) sinks.message(m);
  };
  // 3. The write. Its failures name the snapshot; its "Successed!!" waits
  // for the read-back.
  const int step = options_.snapshot ? 1 : 0;
  Message success;
  TransferSinks write_sinks =
      StepSinks(sinks, step, write_, [&](const Message& m) {
        if (Success(m) && options_.verify) {
          success = m;
          return;
        }
        Message shown = m;
        if (m.icon != Message::Icon::kInformation && !snapshot_path_.empty()) {
          shown.informative += (shown.informative.empty() ? "" : "\n") +
                               SnapshotNote(snapshot_path_);
        }
        say(shown);
      });
  // Only the write's own memory part is the caller's: the snapshot and the
  // read-back are reads of their own.
  write_sinks.memory_part = sinks.memory_part;
  Transfer write(link, doc, std::move(write_sinks));
  CommandResult result = write.Run(write_);
  accepted_model_ = write.accepted_model();
  if (result != CommandResult::kSuccess || !options_.verify) return result;

  // 4. The read-back.
  if (!Verify(link, doc, sinks)) return CommandResult::kFailure;
  success.informative +=
      (success.informative.empty() ? "" : "\n") + std::string(kMsgVerified);
  say(success);
  return CommandResult::kSuccess;
}

bool SafeWrite::Verify(Link& link, const Document& doc,
                       const TransferSinks& sinks) {
  auto say = [&sinks](const Message& m) {
    if (sinks.message) sinks.message(m);
  };
  // With a preview, the part the write sent is read over what the receiver
  // should hold. Without one, the whole receiver is read, and what it
  // should hold is what the same write makes of what it holds now: a write
  // sent again changes nothing in a receiver that kept the first.
  std::unique_ptr<Document> expected;
  std::unique_ptr<Document> back;
  UserCommand read_back = ReadBackCommand(write_);
  if (previewed_) {
    expected = std::make_unique<Document>(*after_);
    back = std::make_unique<Document>(*after_);
  } else {
    back = ReadTarget(doc);
    read_back = UserCommand::kReadQuick;
  }
  bool cancelled = false;
  Transfer read(link, *back,
                StepSinks(sinks, steps_ - 1, read_back, [&](const Message& m) {
                  if (Cancelled(m)) {
                    cancelled = true;
                  } else if (!Success(m)) {
                    say(m);
                  }
                }));
  if (read.Run(read_back) != CommandResult::kSuccess) {
    say(Box(
        kMsgVerifyFailed, Message::Icon::kCritical,
        std::string(cancelled
                        ? UiText("The read-back was cancelled.")
                        : UiText("The receiver could not be read back.")) +
            (snapshot_path_.empty() ? ""
                                    : "\n" + SnapshotNote(snapshot_path_))));
    return false;
  }
  if (!previewed_) {
    expected = std::make_unique<Document>();
    if (!ReceiverAfterWrite(*back, doc, write_, *expected)) *expected = *back;
  }
  differences_ = DocumentChanges(*expected, *back);
  if (differences_.empty()) return true;
  std::string details;
  for (size_t i = 0; i < differences_.size() && i < kShownDifferences; ++i) {
    details += differences_[i] + "\n";
  }
  if (differences_.size() > kShownDifferences) {
    details += std::to_string(differences_.size() - kShownDifferences) +
               " more differences\n";
  }
  if (!snapshot_path_.empty()) details += SnapshotNote(snapshot_path_);
  while (!details.empty() && details.back() == '\n') details.pop_back();
  say(Box(kMsgVerifyFailed, Message::Icon::kCritical, std::move(details)));
  return false;
}

}  // namespace vrq5::radio
