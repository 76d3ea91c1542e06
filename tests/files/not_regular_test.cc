// Files that are not regular files, the stamp that tells a file replaced
// behind the program's back, and bank sizes that an import must clip.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "files/channel_csv.h"
#include "files/clone_file.h"
#include "files/csv.h"
#include "files/file_stamp.h"
#include "support/compare.h"
#include "support/temp_dir.h"

namespace vrq5 {
namespace {

using testing::TempDir;

// A FIFO with no writer, a device that never ends and a socket: each is
// refused at once, with "File Open Error", the document as it was.
TEST(NotRegularFileTest, RefusedAtOnceOnOpenAndImport) {
#ifdef _WIN32
  GTEST_SKIP() << "FIFOs, sockets and /dev/zero are POSIX";
#else
  TempDir dir;
  std::string fifo = dir.File("fifo.VQ5");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string socket_path = dir.File("sock.csv");
  int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socket_path.size(), sizeof address.sun_path);
  std::memcpy(address.sun_path, socket_path.c_str(), socket_path.size() + 1);
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

  Document doc;
  doc.Mem[7].text[kNote] = "kept";
  const Document before = doc;
  auto started = std::chrono::steady_clock::now();
  for (const std::string& path :
       {fifo, std::string("/dev/zero"), socket_path}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(OpenCloneFile(doc, path), FileStatus::kFileOpenError);
    EXPECT_EQ(ImportCsv(doc, path), FileStatus::kFileOpenError);
    EXPECT_EQ(ImportChannelCsv(doc, path).status, FileStatus::kFileOpenError);
    EXPECT_TRUE(testing::SameDocument(doc, before));
  }
  // At once: a blocked open would never come back at all.
  EXPECT_LT(std::chrono::steady_clock::now() - started,
            std::chrono::seconds(30));
  close(fd);
#endif
}

// What another program may do to a file after it was opened or saved, and
// whether a save must ask before it overwrites it.
TEST(FileStampTest, ChangedOnlyWhenTheFileIsAnotherOne) {
  namespace fs = std::filesystem;
  TempDir dir;
  const std::string path = dir.File("radio.VQ5");
  const std::string other = dir.File("other.VQ5");
  const std::string mine = "Korvex clone file\r\n0123456789\r\n";
  std::string theirs = mine;
  theirs[20] = '9';  // the same size
  FileStamp stamp;
  auto fresh = [&] {
    testing::WriteFile(path, mine);
    stamp = StampOf(path);
    EXPECT_TRUE(stamp.exists && stamp.regular && stamp.hashed);
    return fs::last_write_time(path);
  };
  // Untouched, only its time touched, a copy of the same bytes put in its
  // place: the same file.
  fresh();
  EXPECT_FALSE(ChangedSince(stamp, path));
  fs::last_write_time(path, fs::last_write_time(path) + std::chrono::hours(1));
  EXPECT_FALSE(ChangedSince(stamp, path));
  testing::WriteFile(other, mine);
  fs::rename(other, path);
  EXPECT_FALSE(ChangedSince(stamp, path));
  // Other bytes of the same size and time, rewritten in place or put in its
  // place (two saves within one tick of the clock), and a longer file.
  auto time = fresh();
  testing::WriteFile(path, theirs);
  fs::last_write_time(path, time);
  EXPECT_TRUE(ChangedSince(stamp, path));
  time = fresh();
  testing::WriteFile(other, theirs);
  fs::last_write_time(other, time);
  fs::rename(other, path);
  EXPECT_TRUE(ChangedSince(stamp, path));
  fresh();
  testing::WriteFile(path, mine + "x");
  EXPECT_TRUE(ChangedSince(stamp, path));
  // Gone: written again without a question. A FIFO in its place is not
  // the file (and is not read).
  fresh();
  fs::remove(path);
  EXPECT_FALSE(ChangedSince(stamp, path));
#ifdef _WIN32
  fs::create_directory(path);  // no FIFOs here: a folder is not the file
#else
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
#endif
  EXPECT_TRUE(ChangedSince(stamp, path));
  // Nothing there when stamped, a file now.
  const FileStamp none = StampOf(other);
  EXPECT_FALSE(ChangedSince(none, other));
  testing::WriteFile(other, mine);
  EXPECT_TRUE(ChangedSince(none, other));

  // Only a regular file or nothing may be opened as a settings file.
  EXPECT_TRUE(RegularOrAbsent(other));
  EXPECT_TRUE(RegularOrAbsent(dir.File("absent.conf")));
  EXPECT_FALSE(RegularOrAbsent(path));
  EXPECT_FALSE(RegularOrAbsent(dir.path()));
#ifndef _WIN32
  EXPECT_FALSE(RegularOrAbsent("/dev/null"));
#endif
}

std::string BankCsv(std::initializer_list<int> sizes) {
  std::string csv;
  int bank = 0;
  for (int size : sizes) {
    csv += "\"VR-Q5\",\"BANK AMOUNT\",\"" + std::to_string(bank++) + "\",\"" +
           std::to_string(size) + "\"\r\n";
  }
  return csv;
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// An import's bank sizes are clipped as the boxes and an open clip them:
// the running total stops at 1000, a negative size is 0, and save, open,
// save gives the same file.
TEST(ImportedBankSizesTest, ClippedSoThatSavesAreStable) {
  struct Case {
    const char* name;
    std::initializer_list<int> sizes;
    std::vector<int> expected;  // banks 0.. after the import
  };
  const Case cases[] = {
      {"above",
       {600, 600, 100, 100, 100, 100, 100, 100, 100, 100},
       {600, 400, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"at", {1000, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {1000, 0, 0}},
      {"below", {300, 200}, {300, 200, 100, 100}},
      {"negative", {-5, 500, 600}, {0, 500, 500, 0}},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Document doc;
    ASSERT_EQ(ImportCsvText(doc, BankCsv(c.sizes)), FileStatus::kOk);
    int total = 0;
    for (int b = 0; b < kBankCount; ++b) {
      if (b < static_cast<int>(c.expected.size())) {
        EXPECT_EQ(doc.BankSize[b], c.expected[b]) << b;
        EXPECT_EQ(doc.txtBank[b], std::to_string(c.expected[b])) << b;
      }
      total += doc.BankSize[b];
    }
    EXPECT_LE(total, 1000);
    EXPECT_EQ(doc.lblAll, std::to_string(total));

    std::string first = dir.File(std::string(c.name) + "1.VQ5");
    std::string second = dir.File(std::string(c.name) + "2.VQ5");
    ASSERT_EQ(SaveCloneFile(doc, first), FileStatus::kOk);
    Document opened;
    ASSERT_EQ(OpenCloneFile(opened, first), FileStatus::kOk);
    EXPECT_EQ(opened.BankSize, doc.BankSize);
    ASSERT_EQ(SaveCloneFile(opened, second), FileStatus::kOk);
    EXPECT_EQ(Slurp(first), Slurp(second));
  }
}

}  // namespace
}  // namespace vrq5
