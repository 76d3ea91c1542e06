// Files that are not regular files, and bank sizes that an import must clip.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>

#include "files/channel_csv.h"
#include "files/clone_file.h"
#include "files/csv.h"
#include "support/compare.h"
#include "support/temp_dir.h"

namespace vrq5 {
namespace {

using testing::TempDir;

// A FIFO with no writer, a device that never ends and a socket: each is
// refused at once, with "File Open Error", the document as it was.
TEST(NotRegularFileTest, RefusedAtOnceOnOpenAndImport) {
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
