// Outcome of a file operation and the message the user sees for it.
#ifndef VRQ5_FILES_FILE_STATUS_H_
#define VRQ5_FILES_FILE_STATUS_H_

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
// target. Returns false (and leaves no temporary file) on any failure.
bool WriteFileAtomically(const std::string& path, std::string_view content);

// Reads a file, at most its first `limit` bytes; `truncated` tells whether
// more followed. Returns false, without opening it, for anything that is not
// a regular file (a folder, a FIFO, a device, a socket), and when the file
// cannot be opened or read.
bool ReadFileHead(const std::string& path, size_t limit, std::string& out,
                  bool& truncated);

}  // namespace vrq5

#endif  // VRQ5_FILES_FILE_STATUS_H_
