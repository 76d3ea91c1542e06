#include "files/file_status.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vrq5 {

std::string_view FileStatusMessage(FileStatus status) {
  switch (status) {
    case FileStatus::kFileOpenError:
      return "File Open Error";
    case FileStatus::kDataError:
      return "Data Error";
    default:
      return "";
  }
}

#ifndef _WIN32

namespace {

bool WriteAll(int fd, std::string_view content) {
  const char* p = content.data();
  size_t left = content.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view content) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path target(path);
  if (target.filename().empty()) return false;
  // A folder (or anything but a plain file) is never replaced.
  fs::file_status existing = fs::status(target, ec);
  bool exists = !ec && fs::exists(existing);
  if (exists && !fs::is_regular_file(existing)) return false;

  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string temp =
      (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;

  // Keep the permissions of the file being replaced; a new file gets the
  // usual ones (0666 less the umask).
  mode_t mode = 0;
  struct stat st;
  if (exists && ::stat(path.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  bool ok =
      ::fchmod(fd, mode) == 0 && WriteAll(fd, content) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

#else

bool WriteFileAtomically(const std::string& path, std::string_view content) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path target(path);
  fs::file_status existing = fs::status(target, ec);
  if (!ec && fs::exists(existing) && !fs::is_regular_file(existing)) {
    return false;
  }
  fs::path temp = target;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temp, ec);
      return false;
    }
  }
  fs::rename(temp, target, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

#endif

bool ReadFileHead(const std::string& path, size_t limit, std::string& out,
                  bool& truncated) {
  // Only a regular file is read: a FIFO would block the reader until a
  // writer came, a device (/dev/zero) never ends, a socket cannot be read
  // as a file.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.clear();
  truncated = false;
  char buffer[65536];
  while (in) {
    in.read(buffer, sizeof buffer);
    auto n = static_cast<size_t>(in.gcount());
    if (n == 0) break;
    if (out.size() + n > limit) {
      out.append(buffer, limit - out.size());
      truncated = true;
      break;
    }
    out.append(buffer, n);
  }
  return !in.bad();
}

}  // namespace vrq5
