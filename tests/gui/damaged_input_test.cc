// Damaged clone files and CSV files through the window, from the File menu
// and from the command line: each gives its message ("Data Error", "File
// Open Error"), and every page, the title and the document stay as they
// were, unsaved edits included.
#include <random>

#include "files/clone_file.h"
#include "support/compare.h"
#include "support/damaged_files.h"
#include "support/random_document.h"
#include "tests/gui/page_snapshot.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

class DamagedInputTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window->StartUp("");
    ShowWindow();
    ASSERT_TRUE(
        window->OpenNamedFile(QString::fromStdString(SamplePath("demo.VQ5"))));
    ClickTab(3);
    // An edit not yet saved: a refused file must not lose it.
    EditRow(40, "433.500");
    ASSERT_EQ(doc().DataChanged, -1);
  }

  // The lines of a good clone file the damaged ones are made from.
  static std::vector<std::string> GoodLines() {
    std::mt19937 rng(5);
    Document doc = RandomDocument(rng, 90);
    return SplitCrLf(CloneFileText(doc));
  }

  std::string Write(const DamagedFile& file, const char* suffix) {
    std::string path = dir.File(file.name + suffix);
    WriteFile(path, file.content);
    return path;
  }

  // Runs `command` (which shows one message) and checks that the window
  // and its document are as they were.
  void ExpectRefused(const std::string& name, FileStatus status,
                     const std::function<void()>& command) {
    SCOPED_TRACE(name);
    const Document before = doc();
    const PageSnapshot shown = TakeSnapshot(*window);
    prompts.messages.clear();
    command();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, FileStatusMessage(status));
    EXPECT_EQ(prompts.messages[0].title, "ERROR");
    EXPECT_TRUE(SameDocument(doc(), before));
    EXPECT_EQ(doc().CurrentFileName, before.CurrentFileName);
    EXPECT_EQ(doc().DataChanged, -1);
    EXPECT_EQ(FirstDifference(TakeSnapshot(*window), shown), "");
  }

  void OpenFromMenu(const std::string& path) {
    // The unsaved edit: "No" gives it up only if the file opens.
    prompts.answers = {gui::Answer::kNo};
    prompts.file_names = {QString::fromStdString(path)};
    Trigger("mnuFileOpen");
  }
};

TEST_F(DamagedInputTest, CloneFilesFromTheMenu) {
  for (const DamagedFile& file : DamagedCloneFiles(GoodLines())) {
    std::string path = Write(file, ".VQ5");
    ExpectRefused(file.name, file.status, [&] { OpenFromMenu(path); });
  }
  ExpectRefused("folder", FileStatus::kFileOpenError,
                [&] { OpenFromMenu(dir.path()); });
  ExpectRefused("missing", FileStatus::kFileOpenError,
                [&] { OpenFromMenu(dir.File("missing.VQ5")); });
  EXPECT_EQ(CellText(40, 1), "433.500000");
}

TEST_F(DamagedInputTest, CsvFilesFromTheMenu) {
  for (const DamagedFile& file : DamagedCsvFiles()) {
    std::string path = Write(file, ".csv");
    ExpectRefused(file.name, file.status, [&] {
      prompts.file_names = {QString::fromStdString(path)};
      Trigger("mnuImport");
    });
  }
  ExpectRefused("missing", FileStatus::kFileOpenError, [&] {
    prompts.file_names = {QString::fromStdString(dir.File("missing.csv"))};
    Trigger("mnuImport");
  });
  EXPECT_EQ(CellText(40, 1), "433.500000");
}

// As `vrq5-clone FILE` starts: the window comes up with the message and
// a new document, exactly as without a file.
TEST_F(DamagedInputTest, CloneFilesFromTheCommandLine) {
  MakeWindow();
  window->StartUp("");
  ShowWindow();
  const PageSnapshot fresh = TakeSnapshot(*window);
  std::vector<DamagedFile> files = DamagedCloneFiles(GoodLines());
  files.push_back({"missing", "", FileStatus::kFileOpenError});
  for (const DamagedFile& file : files) {
    SCOPED_TRACE(file.name);
    std::string path =
        file.name == "missing" ? dir.File("missing.VQ5") : Write(file, ".VQ5");
    MakeWindow();
    prompts.messages.clear();
    window->StartUp(path);
    ShowWindow();
    ASSERT_EQ(MessageTexts(), std::vector<std::string>{
                                  std::string(FileStatusMessage(file.status))});
    EXPECT_EQ(doc().CurrentFileName, "");
    EXPECT_EQ(doc().DataChanged, 0);
    EXPECT_EQ(FirstDifference(TakeSnapshot(*window), fresh), "");
  }
}

}  // namespace
}  // namespace vrq5::testing
