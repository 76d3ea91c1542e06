// Files dropped on the window, and File > Recent Files.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "files/clone_file.h"
#include "files/csv.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

class RecentDropTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window->StartUp("");
  }
  std::string Copy(const char* sample, const std::string& name) {
    std::string path = dir.File(name);
    std::filesystem::copy_file(
        SamplePath(sample), path,
        std::filesystem::copy_options::overwrite_existing);
    return path;
  }
  // Sends a drag of `path` over the window; true when the window takes it.
  bool Drop(const std::string& path) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    return true;
  }
  std::vector<std::string> RecentMenu() {
    std::vector<std::string> texts;
    for (QAction* a : Find<QMenu>("mnuRecent")->actions()) {
      texts.push_back(a->text().toStdString());
    }
    return texts;
  }
};

TEST_F(RecentDropTest, DroppedCloneFileOpensAndCsvImports) {
  std::string demo = Copy("demo.VQ5", "dropped.VQ5");
  ASSERT_TRUE(Drop(demo));
  EXPECT_EQ(doc().CurrentFileName, demo);
  EXPECT_GT(doc().ChannelsInUse(), 0);

  // A change asks before another file replaces it; Cancel keeps it.
  EditRow(1, "145.5");
  prompts.answers = {gui::Answer::kCancel};
  ASSERT_TRUE(Drop(Copy("full.VQ5", "other.VQ5")));
  EXPECT_EQ(doc().CurrentFileName, demo);
  EXPECT_EQ(CellText(1, 1), "145.500000");

  // A CSV merges onto the document as File > Import does.
  prompts.answers = {gui::Answer::kNo};
  window->NewData();
  ASSERT_TRUE(Drop(Copy("demo.csv", "dropped.csv")));
  Document imported;
  ASSERT_EQ(ImportCsv(imported, SamplePath("demo.csv")), FileStatus::kOk);
  EXPECT_EQ(doc().Mem, imported.Mem);

  // Anything else is not taken, and a damaged clone file changes nothing.
  std::ofstream(dir.File("notes.txt")) << "hello";
  EXPECT_FALSE(Drop(dir.File("notes.txt")));
  std::ofstream(dir.File("bad.VQ5")) << "not a clone file";
  Document before = doc();
  ASSERT_TRUE(Drop(dir.File("bad.VQ5")));
  EXPECT_EQ(doc().Mem, before.Mem);
  ASSERT_FALSE(prompts.messages.empty());
}

TEST_F(RecentDropTest, RecentFilesKeepTheLastEightNewestFirst) {
  EXPECT_FALSE(Find<QMenu>("mnuRecent")->isEnabled());
  for (int i = 0; i < 10; ++i) {
    std::string path = Copy("demo.VQ5", "f" + std::to_string(i) + ".VQ5");
    ASSERT_TRUE(window->OpenNamedFile(QString::fromStdString(path)));
  }
  std::vector<std::string> menu = RecentMenu();
  ASSERT_EQ(menu.size(), 8u);
  EXPECT_EQ(menu[0], "&1 f9.VQ5");
  EXPECT_EQ(menu[7], "&8 f2.VQ5");
  // Opening one again puts it first; a save names its file too.
  ASSERT_TRUE(
      window->OpenNamedFile(QString::fromStdString(dir.File("f5.VQ5"))));
  menu = RecentMenu();
  ASSERT_GE(menu.size(), 1u);
  EXPECT_EQ(menu[0], "&1 f5.VQ5");
  prompts.file_names = {QString::fromStdString(dir.File("saved.VQ5"))};
  ASSERT_TRUE(window->mnuFileSaveAs_Click());
  menu = RecentMenu();
  ASSERT_GE(menu.size(), 1u);
  EXPECT_EQ(menu[0], "&1 saved.VQ5");

  // The list outlives the window.
  MakeWindow();
  window->StartUp("");
  menu = RecentMenu();
  ASSERT_GE(menu.size(), 1u);
  EXPECT_EQ(menu[0], "&1 saved.VQ5");
  // An entry opens its file; one whose file is gone says so and leaves.
  Find<QAction>("mnuRecent_1")->trigger();
  EXPECT_EQ(doc().CurrentFileName, dir.File("f5.VQ5"));
  std::filesystem::remove(dir.File("f9.VQ5"));
  const size_t before = RecentMenu().size();
  for (QAction* a : Find<QMenu>("mnuRecent")->actions()) {
    if (a->text().endsWith(QStringLiteral("f9.VQ5"))) a->trigger();
  }
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"File Open Error"});
  EXPECT_EQ(RecentMenu().size(), before - 1);
}

}  // namespace
}  // namespace vrq5::testing

namespace vrq5::testing {
namespace {

TEST_F(RecentDropTest, HelpOpensTheUserGuide) {
  Trigger("mnuHelpGuide");
  ASSERT_EQ(prompts.opened_files.size(), 1u);
  EXPECT_TRUE(prompts.opened_files[0].endsWith("user-guide.md"));
  EXPECT_TRUE(QFileInfo::exists(prompts.opened_files[0]));
  EXPECT_TRUE(prompts.messages.empty());
  // Without a viewer: the message names the file.
  prompts.viewer = false;
  Trigger("mnuHelpGuide");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "The user guide cannot be shown.");
  EXPECT_EQ(QString::fromStdString(prompts.messages[0].informative),
            prompts.opened_files[1]);
}

}  // namespace
}  // namespace vrq5::testing
