// Saving under faults: a full disk, a folder that cannot be written, a
// missing folder, a target that is a folder. Each gives "File Open Error",
// leaves the previous file byte for byte and the document's name and
// changed flag as they were.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "files/clone_file.h"
#include "files/csv.h"
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
  for (bool csv : {false, true}) {
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      ::signal(SIGXFSZ, SIG_IGN);
      struct rlimit limit = {20000, 20000};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      FileStatus status =
          csv ? ExportCsv(doc_, target_) : SaveCloneFile(doc_, target_);
      bool kept =
          doc_.CurrentFileName == "earlier.VQ5" && doc_.DataChanged == -1;
      ::_exit(status == FileStatus::kFileOpenError && kept ? 0 : 1);
    }
    int wstatus = 0;
    ::waitpid(pid, &wstatus, 0);
    ASSERT_TRUE(WIFEXITED(wstatus)) << "killed by signal " << WTERMSIG(wstatus);
    EXPECT_EQ(WEXITSTATUS(wstatus), 0) << (csv ? "export" : "save");
    ExpectUntouched();
  }
}

// A folder nobody may write to. Root writes anywhere the permissions say
// no, so an immutable folder stands in for it where the file system has
// that flag.
TEST_F(SaveFaultsTest, FolderThatCannotBeWritten) {
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
  EXPECT_EQ(doc_.CurrentFileName, "earlier.VQ5");
  EXPECT_EQ(doc_.DataChanged, -1);
}

// A save replaces the file and keeps its permissions; a new file gets the
// usual ones, less the umask.
TEST_F(SaveFaultsTest, PermissionsOfTheReplacedFileAreKept) {
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
}

// Saves and opens leave no file open behind them.
TEST_F(SaveFaultsTest, NoFileIsLeftOpen) {
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
}

}  // namespace
}  // namespace vrq5
