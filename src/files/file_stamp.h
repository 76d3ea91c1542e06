// What a file on disk was when the program last read or wrote it, so that
// a save can tell whether another program has replaced it since.
#ifndef VRQ5_FILES_FILE_STAMP_H_
#define VRQ5_FILES_FILE_STAMP_H_

#include <cstdint>
#include <string>

namespace vrq5 {

struct FileStamp {
  bool exists = false;   // something was at the path
  bool regular = false;  // ... and it was a regular file
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;
  std::int64_t modified_ns = 0;  // modification time, nanoseconds
  // A hash of the content, kept for regular files of at most
  // kStampHashLimit bytes.
  bool hashed = false;
  std::uint64_t content_hash = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

inline constexpr std::uint64_t kStampHashLimit = std::uint64_t{16} << 20;

// The stamp of what is at `path` now. Only a regular file is read.
FileStamp StampOf(const std::string& path);

// Whether the file at `path` is no longer the one `stamp` describes: it was
// replaced, rewritten or created since, or is no regular file now. A file
// of the stamp's size is the same when its content is (a copy of the same
// file, a rewrite of the same bytes, only its time touched); without a
// content hash (a huge file) when its device, inode and modification time
// are. A file that is gone counts as unchanged: writing it again loses
// nothing.
bool ChangedSince(const FileStamp& stamp, const std::string& path);

// True when `path` may be opened without blocking or touching a device: it
// names a regular file or nothing at all (a FIFO, a device, a socket or a
// folder give false).
bool RegularOrAbsent(const std::string& path);

}  // namespace vrq5

#endif  // VRQ5_FILES_FILE_STAMP_H_
