#include "files/file_stamp.h"

#include <chrono>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "files/file_status.h"
#include "files/utf8_path.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace vrq5 {

namespace {

// FNV-1a, 64 bits: the same bytes give the same hash on every run.
std::uint64_t HashOf(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

// The stamp without the content hash.
FileStamp MetadataOf(const std::string& path) {
  FileStamp stamp;
#ifndef _WIN32
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return stamp;
  stamp.exists = true;
  stamp.regular = S_ISREG(st.st_mode);
  stamp.device = static_cast<std::uint64_t>(st.st_dev);
  stamp.inode = static_cast<std::uint64_t>(st.st_ino);
  stamp.size = static_cast<std::uint64_t>(st.st_size);
  stamp.modified_ns =
      static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 +
      st.st_mtim.tv_nsec;
#else
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path file = PathFromUtf8(path);
  fs::file_status status = fs::status(file, ec);
  if (ec || !fs::exists(status)) return stamp;
  stamp.exists = true;
  stamp.regular = fs::is_regular_file(status);
  if (stamp.regular) {
    stamp.size = fs::file_size(file, ec);
    stamp.modified_ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                            fs::last_write_time(file, ec).time_since_epoch())
                            .count();
  }
#endif
  return stamp;
}

// The content hash of a regular file of at most kStampHashLimit bytes.
bool HashFile(const std::string& path, std::uint64_t& hash) {
  std::string content;
  bool truncated = false;
  if (!ReadFileHead(path, kStampHashLimit, content, truncated) || truncated) {
    return false;
  }
  hash = HashOf(content);
  return true;
}

}  // namespace

FileStamp StampOf(const std::string& path) {
  FileStamp stamp = MetadataOf(path);
  if (stamp.regular && stamp.size <= kStampHashLimit) {
    stamp.hashed = HashFile(path, stamp.content_hash);
  }
  return stamp;
}

bool ChangedSince(const FileStamp& stamp, const std::string& path) {
  FileStamp now = MetadataOf(path);
  if (!now.exists) return false;
  if (!stamp.exists) return true;
  if (!now.regular || !stamp.regular || now.size != stamp.size) return true;
  // The content decides: a rewrite within the file system's time step
  // leaves time, size and inode as they were.
  if (stamp.hashed) {
    std::uint64_t hash = 0;
    return !HashFile(path, hash) || hash != stamp.content_hash;
  }
  return now.device != stamp.device || now.inode != stamp.inode ||
         now.modified_ns != stamp.modified_ns;
}

bool RegularOrAbsent(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::file_status status = fs::status(PathFromUtf8(path), ec);
  if (status.type() == fs::file_type::not_found) return true;
  if (ec) return true;  // unreadable: a later open fails, it cannot block
  return fs::is_regular_file(status);
}

}  // namespace vrq5
