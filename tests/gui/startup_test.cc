// Start-up: the defaults, and the clone file named on the command line.
#include <sys/stat.h>

#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QTabBar>
#include <filesystem>

#include "files/clone_file.h"
#include "gui/controls.h"
#include "gui/language.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

constexpr const char* kTitle = "Korvex VR-Q5/Q70 Clone Utility";

TEST_F(WindowTest, StartsWithTheDefaultsWithoutAFile) {
  window->StartUp(CommandLinePath(""));
  EXPECT_EQ(Title(), kTitle);
  EXPECT_EQ(doc().DataChanged, 0);
  EXPECT_TRUE(doc().CurrentFileName.empty());
  EXPECT_TRUE(prompts.log.empty());
  EXPECT_EQ(doc().ChannelsInUse(), 0);
  EXPECT_EQ(doc().ModelIndex, 0);

  // The first tab is shown; only its frame takes input.
  EXPECT_EQ(Find<QTabBar>("TabStrip1")->currentIndex(), 0);
  EXPECT_TRUE(Find<QWidget>("Frame1_0")->isEnabled());
  for (const char* frame : {"Frame1_1", "Frame1_2", "Frame1_3"}) {
    EXPECT_FALSE(Find<QWidget>(frame)->isEnabled()) << frame;
  }

  // Ten banks of 100.
  for (int bank = 0; bank < 50; ++bank) {
    std::string name = "txtBank_" + std::to_string(bank);
    EXPECT_EQ(Box(name.c_str())->text(), bank < 10 ? "100" : "0") << name;
  }
  EXPECT_EQ(Find<QLabel>("lblAll")->text(), "1000");
  EXPECT_EQ(Cell(1, 0), "00-000");
  EXPECT_EQ(Cell(1, 1), "");

  // Toolbar and status bar shown, their menu items ticked.
  EXPECT_TRUE(Find<QAction>("mnuViewToolbar")->isChecked());
  EXPECT_TRUE(Find<QAction>("mnuStatusBar")->isChecked());
}

TEST_F(WindowTest, OpensTheCloneFileNamedOnTheCommandLine) {
  std::string demo = SamplePath("demo.VQ5");
  window->StartUp(CommandLinePath(demo));
  EXPECT_TRUE(prompts.log.empty());
  EXPECT_EQ(Title(), std::string(kTitle) + " - demo.VQ5");
  EXPECT_EQ(doc().DataChanged, 0);
  EXPECT_EQ(doc().CurrentFileName, demo);
  EXPECT_EQ(doc().ChannelsInUse(), 62);
  EXPECT_EQ(window->CurrentRow(), 1);
  EXPECT_FALSE(Cell(1, 1).isEmpty());

  // The same file in double quotes, from a folder with blanks.
  std::filesystem::create_directory(dir.File("my files"));
  std::string spaced = dir.File("my files/demo copy.VQ5");
  std::filesystem::copy_file(demo, spaced);
  MakeWindow();
  window->StartUp(CommandLinePath("\"" + spaced + "\""));
  EXPECT_TRUE(prompts.log.empty());
  EXPECT_EQ(Title(), std::string(kTitle) + " - demo copy.VQ5");
  EXPECT_EQ(doc().CurrentFileName, spaced);
  EXPECT_EQ(doc().DataChanged, 0);
  EXPECT_EQ(doc().ChannelsInUse(), 62);
}

TEST_F(WindowTest, ACommandLineFileThatCannotBeOpenedLeavesTheDefaults) {
  // A missing file.
  window->StartUp(CommandLinePath(dir.File("missing.VQ5")));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0],
            (Message{"File Open Error", "ERROR", Message::Icon::kCritical}));
  EXPECT_EQ(Title(), kTitle);
  EXPECT_EQ(doc().DataChanged, 0);
  EXPECT_EQ(doc().ChannelsInUse(), 0);
  EXPECT_EQ(Box("txtBank_0")->text(), "100");

  // Only one of the two quotes: the quote stays part of the name.
  prompts.messages.clear();
  MakeWindow();
  window->StartUp(CommandLinePath("\"" + SamplePath("demo.VQ5")));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"File Open Error"});
  EXPECT_EQ(doc().ChannelsInUse(), 0);

  // Not a clone file.
  std::string other = dir.File("notes.VQ5");
  WriteFile(other, "just some text\r\n");
  prompts.messages.clear();
  MakeWindow();
  window->StartUp(CommandLinePath(other));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"File Open Error"});
  EXPECT_EQ(Title(), kTitle);
  EXPECT_EQ(doc().DataChanged, 0);
}

TEST_F(WindowTest, OpensAllSlotsOfAFullFile) {
  window->StartUp(CommandLinePath(SamplePath("full.VQ5")));
  EXPECT_TRUE(prompts.log.empty());
  EXPECT_EQ(doc().ChannelsInUse(), 1300);
  // The last 60 slots come from the file too.
  for (int slot : {1239, 1240, 1299}) {
    EXPECT_FALSE(doc().Mem[slot].IsEmpty()) << slot;
    EXPECT_EQ(Cell(slot + 1, 1).toStdString(), doc().Mem[slot].text[kFreq]);
  }
  EXPECT_EQ(Cell(1300, 0), "Pr99");
}

}  // namespace
}  // namespace vrq5::testing

namespace vrq5::testing {
namespace {

TEST(LanguageTest, JapaneseMenusFromTheStringTable) {
  ScriptedPrompts prompts;
  TempDir dir;
  gui::MainWindow::Options options;
  options.port_folder = dir.File("config");
  options.placement_file =
      QString::fromStdString(dir.File("config/placement.ini"));
  ASSERT_TRUE(gui::InstallLanguage(QStringLiteral("ja")));
  {
    gui::MainWindow window(prompts, options);
    std::vector<std::string> titles;
    for (QAction* menu : window.menuBar()->actions()) {
      titles.push_back(menu->text().toStdString());
    }
    EXPECT_EQ(titles,
              (std::vector<std::string>{"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)",
                                        "ﾂｰﾙ(&T)", "ﾍﾙﾌﾟ(&H)"}));
    EXPECT_EQ(window.findChild<QAction*>("mnuReAll")->text().toStdString(),
              "すべて(&A)");
    EXPECT_EQ(window.findChild<QAction*>("tbSave")->toolTip().toStdString(),
              "上書き保存");
    EXPECT_EQ(window.findChild<QTabBar*>()->tabText(0).toStdString(),
              "設定1(&1)");
  }
  // The core's lines: whole, by the pattern they were filled from (the
  // values translated where they are texts of the table, data kept), and a
  // message of two lines.
  const std::pair<std::string, std::string> lines[] = {
      {"Total CH must be 1000", "総CH数は1000にしてください"},
      {"Channel 01-005: Name: A -> B; Frequency: 1 -> 2",
       "ﾁｬﾝﾈﾙ 01-005: 名前: A -> B; 周波数: 1 -> 2"},
      {"line 7 Row: left out: no row left in bank 05",
       "7 行目 行: 除外: ﾊﾞﾝｸ 05 に空き行がありません"},
      {"  Successed!!\nnot in the table", "  成功しました!!\nnot in the table"},
      {"It is a frequency of the cellular phone.\r\nIt is not possible to set "
       "it.",
       "携帯電話の周波数です。\r\n設定できません。"},
  };
  for (const auto& [english, japanese] : lines) {
    EXPECT_EQ(gui::CoreText(english).toStdString(), japanese) << english;
  }
  ASSERT_TRUE(gui::InstallLanguage(QStringLiteral("en")));
  gui::MainWindow window(prompts, options);
  ASSERT_GE(window.menuBar()->actions().size(), 1);
  EXPECT_EQ(window.menuBar()->actions().front()->text().toStdString(),
            "File(&F)");
  EXPECT_EQ(gui::CoreText("Total CH must be 1000").toStdString(),
            "Total CH must be 1000");
}

// A FIFO in place of the window's settings file (in the configuration
// folder) would block the window at its splash screen for ever: it starts
// with its defaults, writes nothing there, and says so once.
TEST(SettingsFileTest, AFifoIsNeitherReadNorWritten) {
  ScriptedPrompts prompts;
  TempDir dir;
  std::filesystem::create_directories(dir.File("home/vrq5"));
  const std::string fifo = dir.File("home/vrq5/vrq5-clone.conf");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const char* old = std::getenv("XDG_CONFIG_HOME");
  const std::string kept = old ? old : "";
  setenv("XDG_CONFIG_HOME", dir.File("home").c_str(), 1);
  gui::MainWindow::Options options;
  options.port_folder = dir.File("config");
  ::testing::internal::CaptureStderr();
  {
    gui::MainWindow window(prompts, options);
    window.StartUp("");
    window.show();
    // Recent files are still kept for this run.
    prompts.file_names = {QString::fromStdString(SamplePath("demo.VQ5"))};
    window.mnuFileOpen_Click();
    QAction* recent = window.findChild<QAction*>("mnuRecent_0");
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->text(), "&1 demo.VQ5");
    EXPECT_TRUE(window.close());
  }
  const std::string err = ::testing::internal::GetCapturedStderr();
  old ? setenv("XDG_CONFIG_HOME", kept.c_str(), 1)
      : unsetenv("XDG_CONFIG_HOME");
  const std::string line = "vrq5-clone: " + fifo +
                           " is not a regular file; the window's settings "
                           "are not read or kept\n";
  const size_t at = err.find(line);
  EXPECT_NE(at, std::string::npos) << err;
  EXPECT_EQ(err.find(line, at + 1), std::string::npos) << "said twice";
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

}  // namespace
}  // namespace vrq5::testing
