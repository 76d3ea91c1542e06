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

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <atomic>
#endif

#include "codec/ui_text.h"
#include "files/utf8_path.h"

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

namespace {

// The C library's texts (as on Linux) for the system errors a save meets.
std::string Reason(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_BAD_PATHNAME:
      return "No such file or directory";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
    case ERROR_CURRENT_DIRECTORY:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
      return "Permission denied";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return "No space left on device";
    case ERROR_FILENAME_EXCED_RANGE:
      return "File name too long";
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return "File exists";
    case ERROR_DIRECTORY:
      return "Not a directory";
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return "Cannot allocate memory";
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_PARAMETER:
      return "Invalid argument";
    case ERROR_CANT_RESOLVE_FILENAME:
      return "Too many levels of symbolic links";
    default:
      return "Input/output error";
  }
}

// The file a save to `path` replaces: `path` itself, or where the symbolic
// link (or junction) there leads when the target exists.
bool ResolveLinks(const std::filesystem::path& path,
                  std::filesystem::path& file, DWORD& error) {
  file = path;
  DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    return true;
  }
  HANDLE h = ::CreateFileW(
      path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    error = ::GetLastError();
    // A link that leads nowhere yet: the file is made in its place.
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  }
  std::wstring final(MAX_PATH, L'\0');
  DWORD n = ::GetFinalPathNameByHandleW(h, final.data(),
                                        static_cast<DWORD>(final.size()), 0);
  if (n >= final.size()) {
    final.resize(n);
    n = ::GetFinalPathNameByHandleW(h, final.data(),
                                    static_cast<DWORD>(final.size()), 0);
  }
  if (n == 0 || n >= final.size()) error = ::GetLastError();
  ::CloseHandle(h);
  if (n == 0 || n >= final.size()) return false;
  final.resize(n);
  file = std::filesystem::path(std::move(final));
  return true;
}

}  // namespace

std::string SaveTargetProblem(const std::string& path) {
  namespace fs = std::filesystem;
  fs::path given = PathFromUtf8(path);
  if (path.empty() || given.filename().empty()) return "Is a directory";
  if (!IsUtf8(path)) return "Invalid or incomplete multibyte or wide character";
  fs::path file;
  DWORD error = 0;
  if (!ResolveLinks(given, file, error)) return Reason(error);
  DWORD attributes = ::GetFileAttributesW(file.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return "Is a directory";
    if (attributes & FILE_ATTRIBUTE_DEVICE) return "not a regular file";
    if (attributes & FILE_ATTRIBUTE_READONLY) return "Permission denied";
  } else if (error = ::GetLastError(); error != ERROR_FILE_NOT_FOUND) {
    return Reason(error);
  }
  fs::path folder = file.parent_path();
  if (folder.empty()) folder = L".";
  attributes = ::GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return Reason(::GetLastError());
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return "Not a directory";
  return "";
}

namespace {

bool WriteAll(HANDLE h, std::string_view content) {
  const char* p = content.data();
  size_t left = content.size();
  while (left > 0) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(left, 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(h, p, chunk, &written, nullptr) || written == 0) {
      return false;
    }
    p += written;
    left -= written;
  }
  return true;
}

// Replaces the file at `path` (which SaveTargetProblem found fit) with
// `content` through a temporary file; on failure `why` holds the reason.
bool ReplaceFile(const std::string& path, std::string_view content,
                 std::string& why) {
  namespace fs = std::filesystem;
  fs::path file;
  DWORD error = 0;
  if (!ResolveLinks(PathFromUtf8(path), file, error)) {
    return Fail(why, Reason(error));
  }
  fs::path folder = file.parent_path();

  // A file another program holds open without letting it be replaced (an
  // editor, a virus scanner) is refused before anything is written.
  HANDLE old =
      ::CreateFileW(file.c_str(), GENERIC_READ | DELETE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (old != INVALID_HANDLE_VALUE) {
    ::CloseHandle(old);
  } else if (error = ::GetLastError(); error != ERROR_FILE_NOT_FOUND) {
    return Fail(why, Reason(error));
  }

  // The temporary name: a dot, the start of the file's name and a random
  // ending. The name is cut short so that the temporary one is never
  // longer than the longest name a file system takes (255 UTF-16 units on
  // NTFS, 255 bytes where Wine keeps files), without splitting a pair.
  std::wstring name = file.filename().native();
  const size_t room = 32;
  if (name.size() > room) {
    size_t cut = room;
    if (name[cut] >= 0xDC00 && name[cut] <= 0xDFFF) --cut;
    name.resize(cut);
  }
  static std::atomic<unsigned> counter{0};
  HANDLE h = INVALID_HANDLE_VALUE;
  fs::path temp;
  for (int attempt = 0; attempt < 100 && h == INVALID_HANDLE_VALUE; ++attempt) {
    unsigned salt = (::GetCurrentProcessId() * 2654435761u) ^
                    (::GetTickCount() * 40503u) ^ (counter++ * 97u);
    wchar_t suffix[8];
    for (int i = 0; i < 6; ++i) {
      suffix[i] = L"abcdefghijklmnopqrstuvwxyz0123456789"[salt % 36];
      salt /= 36;
    }
    suffix[6] = L'\0';
    temp = folder / (L"." + name + L"." + suffix);
    h = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                      FILE_ATTRIBUTE_NORMAL, nullptr);
    error = ::GetLastError();
    if (h == INVALID_HANDLE_VALUE && error != ERROR_FILE_EXISTS &&
        error != ERROR_ALREADY_EXISTS) {
      break;
    }
  }
  if (h == INVALID_HANDLE_VALUE) return Fail(why, Reason(error));

  bool ok = WriteAll(h, content) && ::FlushFileBuffers(h);
  if (!ok) error = ::GetLastError();
  if (!::CloseHandle(h) && ok) {
    ok = false;
    error = ::GetLastError();
  }
  if (ok) {
    // Over an existing file ReplaceFileW keeps its attributes and access
    // rights; a new file is moved into place.
    bool replaced =
        ::ReplaceFileW(file.c_str(), temp.c_str(), nullptr,
                       REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    if (!replaced) {
      error = ::GetLastError();
      // No file to replace, or (after the second) the old one removed but
      // the new one not put in its place: the new content goes there now.
      const bool gone =
          error == ERROR_FILE_NOT_FOUND ||
          (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT &&
           ::GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES);
      if (gone) {
        replaced =
            ::MoveFileExW(temp.c_str(), file.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (!replaced && error == ERROR_UNABLE_TO_MOVE_REPLACEMENT) {
          // The temporary file now holds the only copy of the content: it
          // is left where it is.
          return Fail(why, Reason(::GetLastError()));
        }
        if (!replaced) error = ::GetLastError();
      }
    }
    ok = replaced;
  }
  if (!ok) ::DeleteFileW(temp.c_str());
  return ok || Fail(why, Reason(error));
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
  const std::filesystem::path file = PathFromUtf8(path);
  if (!std::filesystem::is_regular_file(file, ec)) return false;
  std::ifstream in(file, std::ios::binary);
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
