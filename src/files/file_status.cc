#include "files/file_status.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

#ifndef _WIN32
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#endif

#include "codec/ui_text.h"

namespace vrq5 {

std::string_view FileStatusMessage(FileStatus status) {
  switch (status) {
    case FileStatus::kFileOpenError:
      return UiText("File Open Error");
    case FileStatus::kDataError:
      return UiText("Data Error");
    default:
      return "";
  }
}

namespace {

// Sets the reason of a failed save and gives false.
bool Fail(std::string& why, std::string reason) {
  why = std::move(reason);
  return false;
}

}  // namespace

#ifndef _WIN32

namespace {

std::string Reason(int error) { return std::strerror(error); }

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

// The file a save to `path` replaces: `path` itself, or the end of the
// chain of symbolic links starting there (which need not exist yet).
bool ResolveLinks(const std::string& path, std::string& file, int& error) {
  namespace fs = std::filesystem;
  fs::path at(path);
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st;
    if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
      file = at.string();
      return true;
    }
    std::string to(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 1,
                   '\0');
    ssize_t n = ::readlink(at.c_str(), to.data(), to.size());
    if (n < 0) {
      error = errno;
      return false;
    }
    to.resize(static_cast<size_t>(n));
    fs::path next(to);
    at = next.is_absolute() ? next : at.parent_path() / next;
  }
  error = ELOOP;
  return false;
}

// Temporary files of saves in progress, for the signal handler. Each slot
// holds the name mkstemp fills in, so the handler sees the file from the
// moment it exists.
constexpr int kPendingSlots = 4;
constexpr size_t kPendingLength = 4096;
char g_pending[kPendingSlots][kPendingLength];
std::atomic<bool> g_pending_used[kPendingSlots];

int TakePendingSlot(const std::string& pattern) {
  if (pattern.size() >= kPendingLength) return -1;
  for (int i = 0; i < kPendingSlots; ++i) {
    if (!g_pending_used[i].exchange(true)) {
      std::memcpy(g_pending[i], pattern.c_str(), pattern.size() + 1);
      return i;
    }
  }
  return -1;
}

extern "C" void RemoveSavesAndEnd(int signal) {
  for (int i = 0; i < kPendingSlots; ++i) {
    if (g_pending_used[i].load()) ::unlink(g_pending[i]);
  }
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

}  // namespace

std::string SaveTargetProblem(const std::string& path) {
  namespace fs = std::filesystem;
  if (path.empty() || fs::path(path).filename().empty()) {
    return Reason(EISDIR);
  }
  std::string file;
  int error = 0;
  if (!ResolveLinks(path, file, error)) return Reason(error);
  struct stat st;
  if (::stat(file.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return Reason(EISDIR);
    if (!S_ISREG(st.st_mode)) return "not a regular file";
    if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) {
      return Reason(errno);
    }
  } else if (errno != ENOENT) {
    return Reason(errno);
  }
  std::string folder = fs::path(file).parent_path().string();
  if (folder.empty()) folder = ".";
  if (::stat(folder.c_str(), &st) != 0) return Reason(errno);
  if (!S_ISDIR(st.st_mode)) return Reason(ENOTDIR);
  if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
    return Reason(errno);
  }
  return "";
}

namespace {

// Replaces the file at `path` (which SaveTargetProblem found fit) with
// `content` through a temporary file; on failure `why` holds the reason.
bool ReplaceFile(const std::string& path, std::string_view content,
                 std::string& why) {
  namespace fs = std::filesystem;
  std::string file;
  int error = 0;
  if (!ResolveLinks(path, file, error)) return Fail(why, Reason(error));
  fs::path target(file);
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";

  // The hidden temporary name, cut short where the name itself is near the
  // longest the file system takes (without splitting a UTF-8 character).
  std::string name = target.filename().string();
  long longest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  if (longest <= 0) longest = 255;
  const size_t room = static_cast<size_t>(longest) - 8;  // "." and ".XXXXXX"
  if (name.size() > room) {
    size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) {
      --cut;
    }
    name.resize(cut);
  }
  std::string pattern = (folder / ("." + name + ".XXXXXX")).string();
  int slot = TakePendingSlot(pattern);
  char* temp = slot >= 0 ? g_pending[slot] : pattern.data();
  auto release = [&] {
    if (slot >= 0) g_pending_used[slot].store(false);
  };
  int fd = ::mkstemp(temp);
  if (fd < 0) {
    error = errno;
    release();
    return Fail(why, Reason(error));
  }

  // Keep the owner, group and permissions of the file being replaced; a new
  // file gets the usual ones (0666 less the umask).
  mode_t mode = 0;
  struct stat st;
  if (::stat(file.c_str(), &st) == 0) {
    if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
      // An ordinary user may still give the file a group of their own.
      [[maybe_unused]] int ignored =
          ::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
    }
    mode = st.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  bool ok =
      ::fchmod(fd, mode) == 0 && WriteAll(fd, content) && ::fsync(fd) == 0;
  if (!ok) error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temp, file.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) ::unlink(temp);
  release();
  return ok || Fail(why, Reason(error));
}

}  // namespace

void RemoveUnfinishedSavesOnSignals() {
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction now;
    if (::sigaction(signal, nullptr, &now) != 0) continue;
    // A signal the program ignores (nohup) or handles stays as it is.
    if (now.sa_handler != SIG_DFL) continue;
    struct sigaction action = {};
    action.sa_handler = RemoveSavesAndEnd;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
  }
}

#else

std::string SaveTargetProblem(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path target(path);
  if (path.empty() || target.filename().empty()) return "Is a directory";
  fs::file_status existing = fs::status(target, ec);
  if (!ec && fs::exists(existing) && !fs::is_regular_file(existing)) {
    return "not a regular file";
  }
  if (!ec && fs::exists(existing) &&
      (existing.permissions() & fs::perms::owner_write) == fs::perms::none) {
    return "Permission denied";
  }
  fs::path folder = target.parent_path();
  if (!folder.empty() && !fs::is_directory(folder, ec)) {
    return "No such file or directory";
  }
  return "";
}

namespace {

bool ReplaceFile(const std::string& path, std::string_view content,
                 std::string& why) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path target(path);
  fs::path temp = target;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temp, ec);
      return Fail(why, "the file could not be written");
    }
  }
  fs::rename(temp, target, ec);
  if (ec) {
    std::string reason = ec.message();
    fs::remove(temp, ec);
    return Fail(why, reason);
  }
  return true;
}

}  // namespace

void RemoveUnfinishedSavesOnSignals() {}

#endif

bool WriteFileAtomically(const std::string& path, std::string_view content,
                         std::string* reason) {
  std::string why = SaveTargetProblem(path);
  if (why.empty() && ReplaceFile(path, content, why)) return true;
  if (reason) *reason = why;
  return false;
}

std::filesystem::path UserHomeFolder() {
#ifdef _WIN32
  return {};
#else
  if (const char* env = std::getenv("HOME"); env && *env) return env;
  if (const passwd* user = ::getpwuid(::geteuid());
      user && user->pw_dir && *user->pw_dir) {
    return user->pw_dir;
  }
  return {};
#endif
}

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
