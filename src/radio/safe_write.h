// A write that cannot lose what the receiver held, in four steps:
//   1. snapshot: the receiver is read as the quick read reads it, and what
//      it held is saved as a clone file in the snapshots folder;
//   2. preview: what it will hold after the write is worked out
//      (radio/write_preview.h) and compared with the snapshot;
//   3. the write itself, as the plain write command sends it;
//   4. read-back: what was written is read back and compared with what the
//      receiver should hold.
// Plan() runs steps 1 and 2, WriteAndVerify() steps 3 and 4; between them
// the caller may show the changes and ask. Each runs on the caller's
// thread, one exchange at a time, as every transfer does; the progress of
// all the steps is one count.
#ifndef VRQ5_RADIO_SAFE_WRITE_H_
#define VRQ5_RADIO_SAFE_WRITE_H_

#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "codec/ui_text.h"
#include "link/transfer.h"
#include "store/document.h"

namespace vrq5::radio {

inline constexpr std::string_view kMsgSnapshotFailed =
    UiText("Nothing was written: the receiver could not be read first.");
inline constexpr std::string_view kMsgNothingToWrite =
    UiText("The receiver already holds this. Nothing was written.");
inline constexpr std::string_view kMsgVerified =
    UiText("Verified: the receiver holds what was written.");
inline constexpr std::string_view kMsgVerifyFailed =
    UiText("Verify Failed: the receiver does not hold what was written.");
inline constexpr std::string_view kMsgWriteCancelled =
    UiText("The write was cancelled. Nothing was written.");

struct SafeWriteOptions {
  bool snapshot = true;  // steps 1 and 2
  bool verify = true;    // step 4
  // Where snapshots go; empty: SnapshotFolder().
  std::filesystem::path snapshot_folder;
};

enum class PlanResult {
  kWrite,           // go on with WriteAndVerify (after asking, if wanted)
  kNothingToWrite,  // the receiver holds what the write would give
  kFailure,         // the messages tell why; nothing was written
  kBusy,            // another transfer holds the link
};

// The read that checks a write: the quick read for a memory write and
// Write > ALL, else the read of the same part.
UserCommand ReadBackCommand(UserCommand write);

// "What the receiver held before this write is kept in PATH: write it back
// to restore it."
std::string SnapshotNote(const std::filesystem::path& snapshot);

class SafeWrite {
 public:
  // A safe form of `write` (a write command) of `doc`.
  SafeWrite(const Document& doc, UserCommand write, SafeWriteOptions options);

  // Steps 1 and 2; kWrite at once when the snapshot is off. The snapshot
  // is named for `now`.
  PlanResult Plan(Link& link, const TransferSinks& sinks,
                  std::time_t now = std::time(nullptr));
  // Steps 3 and 4: writes `doc` (which the write's encoders update as the
  // plain write does) and, when verifying, reads back. The write's
  // "Successed!!" comes only when the read-back found what was written,
  // with "Verified: ..." under it. The sinks hear of the write's memory
  // part, never of the snapshot's or the read-back's.
  CommandResult WriteAndVerify(Link& link, Document& doc,
                               const TransferSinks& sinks);

  // What the write will change, in the user's words (after Plan).
  const std::vector<std::string>& changes() const { return changes_; }
  // Whether Plan worked the changes out (false without a snapshot, and
  // when the write would fail before it reached the memory).
  bool previewed() const { return previewed_; }
  // The snapshot's file (after Plan), or empty.
  const std::filesystem::path& snapshot_path() const { return snapshot_path_; }
  // What the read-back found different (after a failed verify).
  const std::vector<std::string>& differences() const { return differences_; }
  // As Transfer::accepted_model after the last step that ran.
  int accepted_model() const { return accepted_model_; }

 private:
  // The sinks of one step: progress as part of the one count, messages
  // through `message`, no memory part.
  TransferSinks StepSinks(const TransferSinks& sinks, int step,
                          UserCommand command,
                          std::function<void(const Message&)> message) const;
  // Step 4: true when the receiver holds what it should; else the
  // messages say what differs.
  bool Verify(Link& link, const Document& doc, const TransferSinks& sinks);

  // The documents are large: kept on the heap, not the caller's stack.
  std::unique_ptr<const Document> doc_;
  UserCommand write_;
  SafeWriteOptions options_;
  int steps_;
  std::unique_ptr<Document> snapshot_;
  std::unique_ptr<Document> after_;
  bool previewed_ = false;
  std::vector<std::string> changes_;
  std::filesystem::path snapshot_path_;
  std::vector<std::string> differences_;
  int accepted_model_ = kNoIdentityRefused;
};

}  // namespace vrq5::radio

#endif  // VRQ5_RADIO_SAFE_WRITE_H_
