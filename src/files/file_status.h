// Outcome of a file operation and the message the user sees for it.
#ifndef VRQ5_FILES_FILE_STATUS_H_
#define VRQ5_FILES_FILE_STATUS_H_

#include <filesystem>
#include <string>
#include <string_view>

namespace vrq5 {

enum class FileStatus {
  kOk,
  kCancelled,      // nothing to do (no name given); no message
  kFileOpenError,  // "File Open Error"
  kDataError,      // "Data Error"
};

// The message box text of a failure ("" for kOk and kCancelled); the title
// is always "ERROR".
std::string_view FileStatusMessage(FileStatus status);

// Writes `content` to `path` so that the previous file stays intact unless
// the whole new content was written: the text goes to a temporary file in
// the same folder, is flushed to the disk, and only then replaces the
// target. A symbolic link stays a link: the file it leads to is replaced.
// The replaced file keeps its permissions, and its owner and group where
// the system allows. A file the user may not write is not replaced.
// Returns false (and leaves no temporary file) on any failure, with the
// system's reason ("No space left on device") in `reason` when given.
bool WriteFileAtomically(const std::string& path, std::string_view content,
                         std::string* reason = nullptr);

// Why a save to `path` cannot be done, found without writing anything: ""
// when it may go ahead, else the system's reason (a missing folder, a
// folder or other non-file at the path, a file or folder the user may not
// write). WriteFileAtomically refuses exactly these.
std::string SaveTargetProblem(const std::string& path);

// Saves in progress leave a temporary file only until they end. Makes
// SIGINT, SIGTERM and SIGHUP (where they would end the program) remove the
// temporary file of a save they interrupt before the program ends. Does
// nothing on Windows.
void RemoveUnfinishedSavesOnSignals();

// The user's home folder: $HOME, else (unset or empty) the one the password
// database gives the user; empty when none is known. On Windows: empty.
std::filesystem::path UserHomeFolder();

// Reads a file, at most its first `limit` bytes; `truncated` tells whether
// more followed. Returns false, without opening it, for anything that is not
// a regular file (a folder, a FIFO, a device, a socket), and when the file
// cannot be opened or read.
bool ReadFileHead(const std::string& path, size_t limit, std::string& out,
                  bool& truncated);

}  // namespace vrq5

#endif  // VRQ5_FILES_FILE_STATUS_H_
