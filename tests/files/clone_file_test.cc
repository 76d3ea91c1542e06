#include "files/clone_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string_view>
#include <utility>

#include "codec/tables.h"
#include "files/csv.h"
#include "files/file_stamp.h"
#include "files/utf8_path.h"
#include "support/compare.h"
#include "support/damaged_files.h"
#include "support/random_document.h"
#include "support/temp_dir.h"

namespace vrq5 {
namespace {

using testing::DamagedCloneFiles;
using testing::JoinCrLf;
using testing::RandomDocument;
using testing::ReadFile;
using testing::SameDocument;
using testing::SplitCrLf;
using testing::TempDir;
using testing::WriteFile;

TEST(CloneFileLayoutTest, LinesMarksAndLengths) {
  std::mt19937 rng(1);
  Document doc = RandomDocument(rng);
  std::string text = CloneFileText(doc);
  ASSERT_GE(text.size(), 2u);
  ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
  auto lines = SplitCrLf(text);
  ASSERT_EQ(lines.size(), 2643u);
  EXPECT_EQ(lines[0], "Korvex  VR-Q5  Clone  File Start");
  EXPECT_EQ(lines[2642], "Korvex  VR-Q5  Clone  File   End");
  EXPECT_EQ(lines[1].size(), 64u);
  EXPECT_EQ(lines[2].size(), 46u);
  for (int i = 3; i < 17; ++i) EXPECT_EQ(lines[i].size(), 30u);
  for (int i = 17; i < 1317; ++i) ASSERT_EQ(lines[i].size(), 64u);
  for (int i = 1317; i < 1322; ++i) EXPECT_EQ(lines[i].size(), 64u);
  EXPECT_EQ(lines[1322].size(), 5u);
  EXPECT_EQ(lines[1337], doc.Mem[0].text[kNote]);
  EXPECT_EQ(lines[2636], doc.Mem[1299].text[kNote]);
  EXPECT_EQ(lines[1323], doc.Vfo[0].text[kNote]);
  EXPECT_EQ(lines[2640].size(), 24u);
  EXPECT_EQ(lines[2641].size(), 176u);
}

TEST(CloneFileRoundTripTest, RandomDocumentsComeBackWhole) {
  TempDir dir;
  std::mt19937 rng(20261208);
  for (int trial = 0; trial < 25; ++trial) {
    int model = trial % 4;
    Document doc = RandomDocument(rng, 10 + trial * 3, model);
    // A disabled slot holds nothing once the grid is refilled.
    doc.MemFlag[7] = 0;
    doc.RefillMemory();
    std::string path = dir.File("doc" + std::to_string(trial) + ".VQ5");
    doc.DataChanged = -1;
    ASSERT_EQ(SaveCloneFile(doc, path), FileStatus::kOk);
    EXPECT_EQ(doc.CurrentFileName, path);
    EXPECT_EQ(doc.DataChanged, 0);

    Document back;
    if (model != 0) back.SelectModel(model);
    back.DataChanged = -1;
    ASSERT_EQ(OpenCloneFile(back, path), FileStatus::kOk);
    EXPECT_TRUE(SameDocument(doc, back)) << "trial " << trial;
    EXPECT_EQ(back.CurrentFileName, path);
    EXPECT_EQ(back.DataChanged, 0);
    EXPECT_EQ(back.SettingsHex1, doc.SettingsHex1);
    EXPECT_EQ(back.SettingsHex2, doc.SettingsHex2);
    EXPECT_EQ(WindowTitle(back), std::string(AppTitle) + " - doc" +
                                     std::to_string(trial) + ".VQ5");
    // Saving the loaded document gives the same bytes.
    std::string again = dir.File("again.VQ5");
    ASSERT_EQ(SaveCloneFile(back, again), FileStatus::kOk);
    EXPECT_EQ(ReadFile(again), ReadFile(path));
  }
}

TEST(CloneFileRoundTripTest, NotesWithCommasQuotesAndLineBreaks) {
  TempDir dir;
  Document doc;
  for (int s : {3, 4}) {
    doc.Mem[s].value[kFreq] = 145;
    doc.MemFlag[s] = -1;
  }
  doc.Mem[3].text[kNote] = "a, \"quoted\" note";
  doc.Mem[4].text[kNote] = "two\r\nlines\nhere";
  doc.Vfo[2].text[kNote] = "\xE9t\xE9";  // bytes outside ASCII stay as they are
  std::string path = dir.File("notes.VQ5");
  ASSERT_EQ(SaveCloneFile(doc, path), FileStatus::kOk);
  EXPECT_EQ(SplitCrLf(ReadFile(path)).size(), 2643u);
  Document back;
  ASSERT_EQ(OpenCloneFile(back, path), FileStatus::kOk);
  EXPECT_EQ(back.Mem[3].text[kNote], "a, \"quoted\" note");
  EXPECT_EQ(back.Mem[4].text[kNote], "two  lines here");
  EXPECT_EQ(back.Vfo[2].text[kNote], "\xE9t\xE9");
}

TEST(CloneFileRoundTripTest, SavingClipsTheBankTable) {
  TempDir dir;
  Document doc;
  doc.BankSize[10] = 500;
  doc.BankSizeText[10] = "500";
  std::string path = dir.File("clip.VQ5");
  ASSERT_EQ(SaveCloneFile(doc, path), FileStatus::kOk);
  EXPECT_EQ(doc.BankSize[10], 0);
  Document back;
  ASSERT_EQ(OpenCloneFile(back, path), FileStatus::kOk);
  EXPECT_EQ(back.BankSize[10], 0);
  EXPECT_EQ(back.lblAll, "1000");
}

class CloneFileLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::mt19937 rng(5);
    Document doc = RandomDocument(rng, 90);
    good_ = CloneFileText(doc);
    lines_ = SplitCrLf(good_);
    // The tests change lines of the good file by their numbers.
    ASSERT_EQ(lines_.size(), 2643u);
    std::mt19937 rng2(6);
    current_ = RandomDocument(rng2, 30);
    current_.RefillMemory();
    current_.CurrentFileName = "/previous/file.VQ5";
    current_.DataChanged = -1;
    before_ = current_;
  }

  // Loads `content` from a file and checks the document stayed as it was.
  void ExpectRefused(const std::string& content, FileStatus expected) {
    std::string path = dir_.File("bad.VQ5");
    WriteFile(path, content);
    EXPECT_EQ(OpenCloneFile(current_, path), expected);
    EXPECT_TRUE(SameDocument(current_, before_));
    EXPECT_EQ(current_.CurrentFileName, "/previous/file.VQ5");
    EXPECT_EQ(current_.DataChanged, -1);
  }

  TempDir dir_;
  std::string good_;
  std::vector<std::string> lines_;
  Document current_;
  Document before_;
};

TEST_F(CloneFileLoadTest, DamagedFilesAreRefusedAndChangeNothing) {
  for (const auto& file : DamagedCloneFiles(lines_)) {
    SCOPED_TRACE(file.name);
    ExpectRefused(file.content, file.status);
  }
  EXPECT_EQ(OpenCloneFile(current_, dir_.path()), FileStatus::kFileOpenError);
  EXPECT_EQ(OpenCloneFile(current_, dir_.File("missing.VQ5")),
            FileStatus::kFileOpenError);
  EXPECT_EQ(OpenNamedFile(current_, dir_.File("missing.VQ5")),
            FileStatus::kFileOpenError);
  EXPECT_TRUE(SameDocument(current_, before_));
}

// Only the first 64 MiB of a file are read: a note that pushes the end
// mark past them leaves the file too short.
TEST_F(CloneFileLoadTest, FilesPastTheSizeLimitAreRefused) {
  std::vector<std::string> lines = lines_;
  lines[1337] = std::string(65u << 20, 'n');
  ExpectRefused(JoinCrLf(lines), FileStatus::kFileOpenError);
}

TEST_F(CloneFileLoadTest, ExtraLinesAndOtherLineEndsLoad) {
  std::string path = dir_.File("extra.VQ5");
  WriteFile(path, good_ + "more\r\nlines\r\n");
  Document doc;
  ASSERT_EQ(OpenCloneFile(doc, path), FileStatus::kOk);
  std::string lf = good_;
  for (size_t p = 0; (p = lf.find("\r\n", p)) != std::string::npos;)
    lf.erase(p, 1);
  WriteFile(path, lf);
  Document doc_lf;
  ASSERT_EQ(OpenCloneFile(doc_lf, path), FileStatus::kOk);
  EXPECT_TRUE(SameDocument(doc, doc_lf));
  // The last line needs no line end.
  WriteFile(path, good_.substr(0, good_.size() - 2));
  Document doc_open;
  EXPECT_EQ(OpenCloneFile(doc_open, path), FileStatus::kOk);
}

TEST_F(CloneFileLoadTest, DamagedContentBetweenTheMarksLoadsWithoutFault) {
  std::mt19937 rng(9);
  for (int trial = 0; trial < 30; ++trial) {
    auto lines = lines_;
    for (int k = 0; k < 200; ++k) {
      size_t i = 1 + rng() % 2641;
      switch (rng() % 5) {
        case 0:
          lines[i] = "";
          break;
        case 1:
          lines[i] = std::string(rng() % 5000, 'Z');
          break;
        case 2:
          lines[i] = std::string(64, 'F');
          break;
        case 3:
          for (char& c : lines[i]) c = "0123456789ABCDEFxyz-"[rng() % 20];
          break;
        case 4:
          lines[i] = "FFFF";
          break;
      }
    }
    std::string path = dir_.File("damaged.VQ5");
    WriteFile(path, JoinCrLf(lines));
    Document doc;
    ASSERT_EQ(OpenCloneFile(doc, path), FileStatus::kOk);
    for (int s = 0; s < kMemoryChannels; ++s) {
      const std::string& label = doc.SlotLabel(s);
      if (label.empty()) continue;
      ASSERT_EQ(label.size(), 6u);
      ASSERT_LE(std::stoi(label.substr(0, 2)), 49);
    }
    // Whatever was loaded saves as a well-formed file.
    std::string out = dir_.File("resaved.VQ5");
    ASSERT_EQ(SaveCloneFile(doc, out), FileStatus::kOk);
    EXPECT_EQ(SplitCrLf(ReadFile(out)).size(), 2643u);
  }
}

TEST_F(CloneFileLoadTest, OpenNamedFileLoadsEveryPrioritySlot) {
  std::string path = dir_.File("named.VQ5");
  WriteFile(path, good_);
  Document named, menu;
  ASSERT_EQ(OpenNamedFile(named, path), FileStatus::kOk);
  ASSERT_EQ(OpenCloneFile(menu, path), FileStatus::kOk);
  EXPECT_TRUE(SameDocument(named, menu));
  int used = 0;
  for (int s = 1240; s < 1300; ++s) used += !named.Mem[s].IsEmpty();
  EXPECT_GT(used, 30);
}

TEST(CommandLinePathTest, OnlyAnEnclosingPairOfQuotesIsRemoved) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"/home/u/radio.VQ5", "/home/u/radio.VQ5"},
      {"\"/home/u/my radio.VQ5\"", "/home/u/my radio.VQ5"},
      {"\"/home/u/radio.VQ5", "\"/home/u/radio.VQ5"},
      {"/home/u/radio.VQ5\"", "/home/u/radio.VQ5\""},
      {"a\"b\"c", "a\"b\"c"},
      {"a.VQ5", "a.VQ5"},
      {"radio", "radio"},
      {"x", "x"},
      {"", ""},
      {"\"", "\""},
      {"\"\"", ""},
      {"\"a\"", "a"},
      {"\"\"a\"\"", "\"a\""},
  };
  for (auto [argument, path] : cases) {
    EXPECT_EQ(CommandLinePath(argument), path) << argument;
  }
}

class CloneFileSaveFailureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::mt19937 rng(3);
    doc_ = RandomDocument(rng);
    doc_.CurrentFileName = "before.VQ5";
    doc_.DataChanged = -1;
  }
  TempDir dir_;
  Document doc_;
};

TEST_F(CloneFileSaveFailureTest, ReplacingLeavesNoTemporaryFiles) {
  std::string path = dir_.File("x.VQ5");
  WriteFile(path, "old");
  ASSERT_EQ(SaveCloneFile(doc_, path), FileStatus::kOk);
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(dir_.path())) {
    (void)e;
    ++files;
  }
  EXPECT_EQ(files, 1);
  EXPECT_NE(ReadFile(path), "old");
}

// A user's folder and file named in Japanese: opened, saved over and
// imported like any other (UTF-8 inside the program, UTF-16 on Windows).
TEST_F(CloneFileSaveFailureTest, JapaneseFolderAndFileNames) {
  const std::string folder = dir_.File("\xE7\x94\xB0\xE4\xB8\xAD");
  ASSERT_TRUE(std::filesystem::create_directory(PathFromUtf8(folder)));
  const std::string clone = folder + "/\xE7\x84\xA1\xE7\xB7\x9A.VQ5";
  ASSERT_EQ(SaveCloneFile(doc_, clone), FileStatus::kOk);
  ASSERT_EQ(SaveCloneFile(doc_, clone), FileStatus::kOk);  // over the first
  EXPECT_EQ(WindowTitle(doc_),
            std::string(AppTitle) + " - \xE7\x84\xA1\xE7\xB7\x9A.VQ5");
  Document opened;
  ASSERT_EQ(OpenNamedFile(opened, clone), FileStatus::kOk);
  EXPECT_TRUE(SameDocument(opened, doc_));
  EXPECT_EQ(opened.CurrentFileName, clone);
  const FileStamp stamp = StampOf(clone);
  EXPECT_TRUE(stamp.exists && stamp.regular && stamp.hashed);
  EXPECT_FALSE(ChangedSince(stamp, clone));

  const std::string csv = folder + "/\xE7\x84\xA1\xE7\xB7\x9A.csv";
  ASSERT_EQ(ExportCsv(doc_, csv), FileStatus::kOk);
  Document imported;
  ASSERT_EQ(ImportCsv(imported, csv), FileStatus::kOk);
  EXPECT_GT(imported.ChannelsInUse(), 0);
  EXPECT_EQ(imported.ChannelsInUse(), doc_.ChannelsInUse());
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(PathFromUtf8(folder))) {
    EXPECT_NE(PathToUtf8(e.path().filename())[0], '.') << "temporary file";
    ++files;
  }
  EXPECT_EQ(files, 2);
}

}  // namespace
}  // namespace vrq5
