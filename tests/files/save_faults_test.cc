// Saving under faults: a full disk, a folder that cannot be written, a
// missing folder, a target that is a folder. Each gives "File Open Error",
// leaves the previous file byte for byte and the document's name and
// changed flag as they were.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstring>
#include <filesystem>
#include <random>

#include "files/clone_file.h"
#include "files/csv.h"
#include "files/utf8_path.h"
#include "support/random_document.h"
#include "support/temp_dir.h"

namespace vrq5 {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

class SaveFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::mt19937 rng(17);
    doc_ = testing::RandomDocument(rng, 80);
    doc_.CurrentFileName = "earlier.VQ5";
    doc_.DataChanged = -1;
    target_ = dir_.File("mine.VQ5");
    WriteFile(target_, kPrevious);
  }

  void ExpectUntouched() {
    EXPECT_EQ(ReadFile(target_), kPrevious);
    EXPECT_EQ(doc_.CurrentFileName, "earlier.VQ5");
    EXPECT_EQ(doc_.DataChanged, -1);
    int entries = 0;
    for (auto& e : std::filesystem::directory_iterator(dir_.path())) {
      (void)e;
      ++entries;
    }
    EXPECT_EQ(entries, 1) << "a temporary file was left behind";
  }

  static constexpr char kPrevious[] = "the user's previous file";
  TempDir dir_;
  Document doc_;
  std::string target_;
};

// The disk fills up part-way: a file-size limit smaller than a clone file,
// in a child process so the limit does not reach the test runner.
TEST_F(SaveFaultsTest, FullDisk) {
#ifdef _WIN32
  GTEST_SKIP() << "file-size limits and fork are POSIX";
#else
  for (bool csv : {false, true}) {
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      ::signal(SIGXFSZ, SIG_IGN);
      struct rlimit limit = {20000, 20000};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      std::string reason;
      FileStatus status = csv ? ExportCsv(doc_, target_, &reason)
                              : SaveCloneFile(doc_, target_, &reason);
      bool kept =
          doc_.CurrentFileName == "earlier.VQ5" && doc_.DataChanged == -1;
      // The system's reason comes with the message.
      bool said = reason == std::strerror(EFBIG);
      ::_exit(status == FileStatus::kFileOpenError && kept && said ? 0 : 1);
    }
    int wstatus = 0;
    ::waitpid(pid, &wstatus, 0);
    ASSERT_TRUE(WIFEXITED(wstatus)) << "killed by signal " << WTERMSIG(wstatus);
    EXPECT_EQ(WEXITSTATUS(wstatus), 0) << (csv ? "export" : "save");
    ExpectUntouched();
  }
#endif
}

// A folder nobody may write to. Root writes anywhere the permissions say
// no, so an immutable folder stands in for it where the file system has
// that flag.
TEST_F(SaveFaultsTest, FolderThatCannotBeWritten) {
#ifdef _WIN32
  GTEST_SKIP() << "folder permissions are POSIX";
#else
  bool immutable = false;
  if (::geteuid() == 0) {
    int fd = ::open(dir_.path().c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags |= FS_IMMUTABLE_FL;
      immutable = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    if (fd >= 0) ::close(fd);
    if (!immutable)
      GTEST_SKIP() << "no way to make a folder unwritable for root here";
  } else {
    std::filesystem::permissions(dir_.path(),
                                 std::filesystem::perms::owner_read |
                                     std::filesystem::perms::owner_exec);
  }
  EXPECT_EQ(SaveCloneFile(doc_, target_), FileStatus::kFileOpenError);
  EXPECT_EQ(ExportCsv(doc_, target_), FileStatus::kFileOpenError);
  if (immutable) {
    int fd = ::open(dir_.path().c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    ::ioctl(fd, FS_IOC_GETFLAGS, &flags);
    flags &= ~FS_IMMUTABLE_FL;
    ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    ::close(fd);
  } else {
    std::filesystem::permissions(dir_.path(),
                                 std::filesystem::perms::owner_all);
  }
  ExpectUntouched();
#endif
}

TEST_F(SaveFaultsTest, MissingFolderAndFolderTarget) {
  EXPECT_EQ(SaveCloneFile(doc_, dir_.File("gone/mine.VQ5")),
            FileStatus::kFileOpenError);
  EXPECT_EQ(ExportCsv(doc_, dir_.File("gone/mine.csv")),
            FileStatus::kFileOpenError);
  ExpectUntouched();
  std::filesystem::remove(target_);
  std::filesystem::create_directory(target_);
  EXPECT_EQ(SaveCloneFile(doc_, target_), FileStatus::kFileOpenError);
  EXPECT_TRUE(std::filesystem::is_directory(target_));
#ifndef _WIN32
  // A FIFO (or a device) in the file's place is neither written to nor
  // replaced.
  std::filesystem::remove(target_);
  ASSERT_EQ(::mkfifo(target_.c_str(), 0600), 0);
  std::string reason;
  EXPECT_EQ(SaveCloneFile(doc_, target_, &reason), FileStatus::kFileOpenError);
  EXPECT_EQ(reason, "not a regular file");
  EXPECT_TRUE(std::filesystem::is_fifo(target_));
  EXPECT_EQ(doc_.CurrentFileName, "earlier.VQ5");
  EXPECT_EQ(doc_.DataChanged, -1);
#endif
}

// A save replaces the file and keeps its permissions; a new file gets the
// usual ones, less the umask.
TEST_F(SaveFaultsTest, PermissionsOfTheReplacedFileAreKept) {
#ifdef _WIN32
  GTEST_SKIP() << "permission bits and the umask are POSIX";
#else
  namespace fs = std::filesystem;
  fs::permissions(target_, fs::perms(0640));
  ASSERT_EQ(SaveCloneFile(doc_, target_), FileStatus::kOk);
  EXPECT_EQ(fs::status(target_).permissions() & fs::perms::all,
            fs::perms(0640));
  EXPECT_NE(ReadFile(target_), kPrevious);

  mode_t mask = ::umask(027);
  std::string fresh = dir_.File("new.csv");
  FileStatus status = ExportCsv(doc_, fresh);
  ::umask(mask);
  ASSERT_EQ(status, FileStatus::kOk);
  EXPECT_EQ(fs::status(fresh).permissions() & fs::perms::all, fs::perms(0640));
#endif
}

// Symbolic links stay links: the file at the end of the chain is replaced
// (or made, for a dangling link), its temporary file beside it.
TEST_F(SaveFaultsTest, SymbolicLinksLeadToTheFileReplaced) {
#ifdef _WIN32
  GTEST_SKIP() << "symbolic links need privileges here";
#else
  namespace fs = std::filesystem;
  fs::create_directory(dir_.File("sub"));
  WriteFile(dir_.File("sub/real.VQ5"), kPrevious);
  fs::create_symlink("sub/real.VQ5", dir_.File("link.VQ5"));
  fs::create_symlink("link.VQ5", dir_.File("link2.VQ5"));
  ASSERT_EQ(SaveCloneFile(doc_, dir_.File("link2.VQ5")), FileStatus::kOk);
  EXPECT_TRUE(fs::is_symlink(dir_.File("link.VQ5")));
  EXPECT_TRUE(fs::is_symlink(dir_.File("link2.VQ5")));
  EXPECT_EQ(ReadFile(dir_.File("sub/real.VQ5")), CloneFileText(doc_));

  fs::create_symlink("sub/made.csv", dir_.File("dangling.csv"));
  ASSERT_EQ(ExportCsv(doc_, dir_.File("dangling.csv")), FileStatus::kOk);
  EXPECT_TRUE(fs::is_symlink(dir_.File("dangling.csv")));
  EXPECT_EQ(ReadFile(dir_.File("sub/made.csv")), CsvText(doc_));

  fs::create_symlink("loop.VQ5", dir_.File("loop.VQ5"));
  std::string reason;
  EXPECT_EQ(SaveCloneFile(doc_, dir_.File("loop.VQ5"), &reason),
            FileStatus::kFileOpenError);
  EXPECT_EQ(reason, std::strerror(ELOOP));
  EXPECT_TRUE(fs::is_symlink(dir_.File("loop.VQ5")));
  int entries = 0;
  for (auto& e : fs::directory_iterator(dir_.File("sub"))) {
    EXPECT_NE(e.path().filename().string()[0], '.') << "temporary file left";
    ++entries;
  }
  EXPECT_EQ(entries, 2);
#endif
}

// A file the user may not write (mode 0444 in a folder they may write) is
// refused and kept; root stands in an ordinary user in a child process.
TEST_F(SaveFaultsTest, FileTheUserMayNotWriteIsKept) {
#ifdef _WIN32
  // Here a read-only file is one nobody may write.
  namespace fs = std::filesystem;
  const fs::path target = PathFromUtf8(target_);
  fs::permissions(target, fs::perms::owner_write, fs::perm_options::remove);
  std::string reason;
  EXPECT_EQ(SaveCloneFile(doc_, target_, &reason), FileStatus::kFileOpenError);
  EXPECT_EQ(reason, "Permission denied");
  EXPECT_EQ(SaveTargetProblem(target_), reason);
  fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
  ExpectUntouched();
#else
  std::filesystem::permissions(target_, std::filesystem::perms(0444));
  pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    if (::geteuid() == 0 && (::chown(dir_.path().c_str(), 65534, 65534) != 0 ||
                             ::chown(target_.c_str(), 65534, 65534) != 0 ||
                             ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
      ::_exit(2);
    }
    std::string reason;
    FileStatus status = SaveCloneFile(doc_, target_, &reason);
    bool said =
        reason == std::strerror(EACCES) && SaveTargetProblem(target_) == reason;
    ::_exit(status == FileStatus::kFileOpenError && said ? 0 : 1);
  }
  int wstatus = 0;
  ::waitpid(pid, &wstatus, 0);
  ASSERT_TRUE(WIFEXITED(wstatus));
  EXPECT_EQ(WEXITSTATUS(wstatus), 0);
  ExpectUntouched();
#endif
}

// Another program holds the file open without letting it be replaced (as
// an editor or a virus scanner may): the save fails with the reason the
// C library gives, and the file and its folder stay as they were.
TEST_F(SaveFaultsTest, FileHeldOpenByAnotherProgramIsKept) {
#ifndef _WIN32
  GTEST_SKIP() << "an open file never stops a rename on POSIX";
#else
  HANDLE held = ::CreateFileW(PathFromUtf8(target_).c_str(), GENERIC_READ,
                              FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  for (bool csv : {false, true}) {
    std::string reason;
    EXPECT_EQ(csv ? ExportCsv(doc_, target_, &reason)
                  : SaveCloneFile(doc_, target_, &reason),
              FileStatus::kFileOpenError);
    EXPECT_EQ(reason, "Permission denied");
  }
  ::CloseHandle(held);
  ExpectUntouched();
#endif
}

// Saving as root over another user's file leaves it theirs.
TEST_F(SaveFaultsTest, OwnerAndGroupOfTheReplacedFileAreKept) {
#ifdef _WIN32
  GTEST_SKIP() << "owners and groups are POSIX";
#else
  if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file away";
  ASSERT_EQ(::chown(target_.c_str(), 65534, 65534), 0);
  ASSERT_EQ(SaveCloneFile(doc_, target_), FileStatus::kOk);
  struct stat st;
  ASSERT_EQ(::stat(target_.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 65534u);
  EXPECT_EQ(st.st_gid, 65534u);
#endif
}

// Names up to the longest the file system takes are saved, whatever the
// temporary name would have been; multi-byte names too.
TEST_F(SaveFaultsTest, LongestNamesAreSaved) {
  for (size_t length = 248; length <= 255; ++length) {
    std::string ascii = std::string(length - 4, 'a') + ".VQ5";
    EXPECT_EQ(SaveCloneFile(doc_, dir_.File(ascii)), FileStatus::kOk) << length;
    std::string kana;
    while (kana.size() + 3 + 4 <= length) kana += "\xE3\x81\x82";
    kana += std::string(length - 4 - kana.size(), 'b') + ".VQ5";
    EXPECT_EQ(ExportCsv(doc_, dir_.File(kana)), FileStatus::kOk) << length;
  }
  for (auto& e : std::filesystem::directory_iterator(dir_.path())) {
    EXPECT_NE(e.path().filename().string()[0], '.') << "temporary file left";
  }
}

// SIGINT, SIGTERM and SIGHUP in the middle of saves: the file is whole
// (the old one or a new one) and no temporary file is left.
TEST_F(SaveFaultsTest, StopSignalsDuringSavesLeaveNoTemporaryFile) {
#ifdef _WIN32
  GTEST_SKIP() << "signals and fork are POSIX";
#else
  const std::string whole = CloneFileText(doc_);
  std::mt19937 rng(5);
  const int signals[] = {SIGINT, SIGTERM, SIGHUP};
  for (int kill = 0; kill < 36; ++kill) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      // The child never outlives the test. A background job or a run under
      // nohup inherits signals ignored, which the handler keeps: the child
      // takes the defaults first, and says when its handler is in place.
      ::prctl(PR_SET_PDEATHSIG, SIGKILL);
      for (int sig : signals) ::signal(sig, SIG_DFL);
      RemoveUnfinishedSavesOnSignals();
      char byte = 1;
      if (::write(ready[1], &byte, 1) != 1) ::_exit(3);
      for (;;) SaveCloneFile(doc_, target_);
    }
    char byte = 0;
    ::close(ready[1]);
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    ::usleep(std::uniform_int_distribution<useconds_t>(500, 20000)(rng));
    ::kill(pid, signals[kill % 3]);
    // A save the signal does not end is a failure, not a test that hangs.
    int wstatus = 0;
    for (int waited = 0; ::waitpid(pid, &wstatus, WNOHANG) == 0; ++waited) {
      if (waited == 1000) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &wstatus, 0);
        FAIL() << "the signal did not end the save (kill " << kill << ")";
      }
      ::usleep(10000);
    }
    ASSERT_TRUE(WIFSIGNALED(wstatus));
    EXPECT_EQ(WTERMSIG(wstatus), signals[kill % 3]);
    std::string now = ReadFile(target_);
    EXPECT_TRUE(now == kPrevious || now == whole) << "kill " << kill;
    for (auto& e : std::filesystem::directory_iterator(dir_.path())) {
      ASSERT_EQ(e.path().filename(), "mine.VQ5") << "kill " << kill;
    }
  }
#endif
}

// Saves and opens leave no file open behind them.
TEST_F(SaveFaultsTest, NoFileIsLeftOpen) {
#ifdef _WIN32
  GTEST_SKIP() << "/proc/self/fd is Linux";
#else
  auto open_files = [] {
    int n = 0;
    for (auto& e : std::filesystem::directory_iterator("/proc/self/fd")) {
      (void)e;
      ++n;
    }
    return n;
  };
  const int before = open_files();
  for (int i = 0; i < 5; ++i) {
    ASSERT_EQ(SaveCloneFile(doc_, target_), FileStatus::kOk);
    ASSERT_EQ(ExportCsv(doc_, dir_.File("mine.csv")), FileStatus::kOk);
    Document again;
    ASSERT_EQ(OpenCloneFile(again, target_), FileStatus::kOk);
  }
  EXPECT_EQ(open_files(), before);
#endif
}

}  // namespace
}  // namespace vrq5
