// The File and View menus, the toolbar, printing, and closing the window.
#include <QAbstractButton>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <filesystem>
#include <set>

#include "files/clone_file.h"
#include "gui/controls.h"
#include "link/port_file.h"
#include "print/printout.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

constexpr const char* kTitle = "Korvex VR-Q5/Q70 Clone Utility";

const Message kSaveChanges{"Save changes to settings?", "Save Changes",
                           Message::Icon::kInformation};

std::string Titled(const char* file) {
  return std::string(kTitle) + " - " + file;
}

// The document of a clone file, loaded by the core alone.
Document LoadedFrom(const std::string& path) {
  Document doc;
  EXPECT_EQ(OpenCloneFile(doc, path), FileStatus::kOk) << path;
  return doc;
}

// The pages of a PDF file as Qt writes it: a "/Type /Page" object each.
int PdfPages(const std::string& path) {
  const std::string pdf = ReadFile(path);
  EXPECT_TRUE(pdf.starts_with("%PDF")) << path;
  int pages = 0;
  for (size_t at = pdf.find("/Type /Page"); at != std::string::npos;
       at = pdf.find("/Type /Page", at + 1)) {
    if (pdf.compare(at, 12, "/Type /Pages") != 0) ++pages;
  }
  return pages;
}

class FileMenuTest : public WindowTest {
 protected:
  // A copy of a sample in the test's folder, which saving may replace.
  std::string CopyOfSample(const char* name) {
    std::string copy = dir.File(name);
    std::filesystem::copy_file(SamplePath(name), copy);
    return copy;
  }
  // A path in a folder that does not exist.
  std::string Unwritable() { return dir.File("no such folder/x.VQ5"); }
  bool PortFileWritten() {
    return std::filesystem::exists(dir.File("config/VR-Q5.ini"));
  }
  // DlgPrint answered: these controls clicked, then OK.
  void PrintChoice(std::vector<const char*> clicks) {
    prompts.dialog_handler = [clicks](QDialog* dialog) {
      for (const char* name : clicks) {
        dialog->findChild<QAbstractButton*>(QLatin1String(name))->click();
      }
      return int(QDialog::Accepted);
    };
  }
  // The window placement is kept when the window closes.
  bool PlacementWritten() {
    QSettings settings(PlacementFile(), QSettings::IniFormat);
    return settings.contains(QStringLiteral("Settings/MainLeft"));
  }
};

TEST_F(FileMenuTest, NewAsksAboutUnsavedChanges) {
  std::string demo = CopyOfSample("demo.VQ5");
  const std::string original = ReadFile(demo);
  window->StartUp(CommandLinePath(demo));
  EditRow(1, "118.1");
  ASSERT_EQ(doc().DataChanged, -1);

  prompts.answers = {gui::Answer::kCancel};
  Trigger("mnuFileNew");
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0], kSaveChanges);
  EXPECT_EQ(prompts.question_buttons[0], gui::Buttons::kYesNoCancel);
  EXPECT_EQ(doc().Mem[0].text[kFreq], "118.100000");
  EXPECT_EQ(doc().ChannelsInUse(), 62);
  EXPECT_EQ(Title(), Titled("demo.VQ5"));
  EXPECT_EQ(doc().DataChanged, -1);

  prompts.answers = {gui::Answer::kNo};
  Trigger("mnuFileNew");
  EXPECT_EQ(doc().ChannelsInUse(), 0);
  EXPECT_EQ(Title(), kTitle);
  EXPECT_TRUE(doc().CurrentFileName.empty());
  EXPECT_EQ(doc().DataChanged, 0);
  EXPECT_EQ(Box("txtBank_0")->text(), "100");
  EXPECT_EQ(Cell(1, 1), "");
  EXPECT_EQ(ReadFile(demo), original);

  // Nothing unsaved: no question.
  Trigger("mnuFileNew");
  EXPECT_EQ(prompts.questions.size(), 2u);

  // Yes saves to the file in use first.
  ASSERT_TRUE(window->OpenNamedFile(QString::fromStdString(demo)));
  EditRow(1, "118.1");
  prompts.answers = {gui::Answer::kYes};
  Trigger("mnuFileNew");
  EXPECT_EQ(doc().ChannelsInUse(), 0);
  EXPECT_EQ(Title(), kTitle);
  EXPECT_EQ(LoadedFrom(demo).Mem[0].text[kFreq], "118.100000");

  // A document without a name asks for one.
  EditRow(1, "121.5");
  std::string named = dir.File("new.VQ5");
  prompts.answers = {gui::Answer::kYes};
  prompts.file_names = {QString::fromStdString(named)};
  Trigger("tbNew");
  ASSERT_GE(prompts.log.size(), 1u);
  EXPECT_EQ(prompts.log.back(), "save: Save As");
  EXPECT_EQ(LoadedFrom(named).Mem[0].text[kFreq], "121.500000");
  EXPECT_EQ(doc().ChannelsInUse(), 0);
  EXPECT_EQ(doc().DataChanged, 0);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FileMenuTest, YesWithoutACompletedSaveStopsTheCommand) {
  window->StartUp("");
  ShowWindow();
  EditRow(1, "118.1");
  auto unchanged = [this] {
    EXPECT_EQ(doc().Mem[0].text[kFreq], "118.100000");
    EXPECT_EQ(Cell(1, 1), "118.100000");
    EXPECT_EQ(doc().DataChanged, -1);
    EXPECT_EQ(Title(), std::string(kTitle) + "*");  // still unsaved
  };
  const std::vector<std::string> cancelled_save = {
      "question: Save changes to settings?", "save: Save As"};
  const std::vector<std::string> failed_save = {
      "question: Save changes to settings?", "save: Save As",
      "message: File Open Error"};
  struct Case {
    const char* command;
    QString file_name;
    const std::vector<std::string>* log;
  };
  const QString unwritable = QString::fromStdString(Unwritable());
  for (const Case& c : {Case{"mnuFileNew", "", &cancelled_save},
                        Case{"mnuFileNew", unwritable, &failed_save},
                        Case{"mnuFileOpen", "", &cancelled_save},
                        Case{"tbOpen", unwritable, &failed_save}}) {
    SCOPED_TRACE(std::string(c.command) + " " + c.file_name.toStdString());
    prompts.log.clear();
    prompts.answers = {gui::Answer::kYes};
    prompts.file_names = {c.file_name};
    Trigger(c.command);
    EXPECT_EQ(prompts.log, *c.log);  // no Open dialog either
    unchanged();
  }
  EXPECT_FALSE(std::filesystem::exists(Unwritable()));

  // Closing: the window stays open and writes nothing.
  for (const QString& name : {QString(), unwritable}) {
    prompts.answers = {gui::Answer::kYes};
    prompts.file_names = {name};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    unchanged();
  }
  prompts.answers = {gui::Answer::kCancel};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(PortFileWritten());
  EXPECT_FALSE(PlacementWritten());

  // Answered No, the window closes without saving.
  prompts.log.clear();
  prompts.answers = {gui::Answer::kNo};
  EXPECT_TRUE(window->close());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(prompts.log,
            std::vector<std::string>{"question: Save changes to settings?"});
  EXPECT_TRUE(PlacementWritten());
  EXPECT_FALSE(PortFileWritten());  // this window chose no port
}

TEST_F(FileMenuTest, OpenLoadsTheChosenFile) {
  window->StartUp("");
  prompts.file_names = {""};
  Trigger("mnuFileOpen");
  ASSERT_EQ(prompts.dialogs.size(), 1u);
  EXPECT_EQ(prompts.dialogs[0].caption, "Open");
  EXPECT_EQ(prompts.dialogs[0].filters,
            (QStringList{"Korvex VR-Q5 Clone Files (*.VQ5)", "All Files (*)"}));
  EXPECT_EQ(Title(), kTitle);

  prompts.file_names = {QString::fromStdString(SamplePath("full.VQ5"))};
  Trigger("tbOpen");
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(Title(), Titled("full.VQ5"));
  EXPECT_EQ(doc().DataChanged, 0);
  EXPECT_EQ(doc().ChannelsInUse(), 1300);
  EXPECT_FALSE(Cell(1300, 1).isEmpty());
  EXPECT_EQ(window->CurrentRow(), 1);
  EXPECT_EQ(Box("txtBank_0")->text(), "26");
  EXPECT_EQ(Box("txtBank_1")->text(), "67");
  EXPECT_EQ(Find<QLabel>("lblAll")->text(), "1000");
  EXPECT_EQ(Cell(26, 0), "00-025");
  EXPECT_EQ(Cell(27, 0), "01-000");

  // A damaged file leaves every page as it was.
  std::string damaged = dir.File("damaged.VQ5");
  std::string text = ReadFile(SamplePath("demo.VQ5"));
  size_t end = text.rfind("File   End");
  ASSERT_NE(end, std::string::npos);
  text.insert(end, " ");
  WriteFile(damaged, text);
  EditRow(5, "440.0");
  doc().DataChanged = 0;
  window->ShowDocument();
  const auto mem = doc().Mem;
  const auto grp = doc().chkGrp;
  const QString row5 = Cell(5, 1);
  prompts.file_names = {QString::fromStdString(damaged)};
  Trigger("mnuFileOpen");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0],
            (Message{"Data Error", "ERROR", Message::Icon::kCritical}));
  EXPECT_EQ(doc().Mem, mem);
  EXPECT_EQ(doc().chkGrp, grp);
  EXPECT_EQ(Cell(5, 1), row5);
  EXPECT_EQ(Cell(5, 1), "440.000000");
  EXPECT_EQ(Box("txtBank_0")->text(), "26");
  EXPECT_EQ(Title(), Titled("full.VQ5"));
  EXPECT_EQ(doc().DataChanged, 0);

  // Unsaved changes: Cancel stops before the Open dialog, No opens
  // without saving, Yes saves to the file in use and then opens.
  EditRow(5, "441.0");
  prompts.log.clear();
  prompts.answers = {gui::Answer::kCancel};
  Trigger("mnuFileOpen");
  EXPECT_EQ(prompts.log,
            std::vector<std::string>{"question: Save changes to settings?"});
  EXPECT_EQ(Cell(5, 1), "441.000000");
  EXPECT_EQ(doc().DataChanged, -1);

  prompts.answers = {gui::Answer::kNo};
  prompts.file_names = {QString::fromStdString(SamplePath("demo.VQ5"))};
  Trigger("mnuFileOpen");
  EXPECT_EQ(prompts.questions.size(), 2u);
  EXPECT_EQ(Title(), Titled("demo.VQ5"));
  EXPECT_EQ(doc().ChannelsInUse(), 62);
  EXPECT_EQ(Box("txtBank_0")->text(), "100");
  EXPECT_EQ(doc().DataChanged, 0);

  std::string mine = dir.File("mine.VQ5");
  prompts.file_names = {QString::fromStdString(mine)};
  Trigger("mnuFileSaveAs");
  EditRow(5, "442.0");
  prompts.answers = {gui::Answer::kYes};
  prompts.file_names = {QString::fromStdString(SamplePath("full.VQ5"))};
  Trigger("mnuFileOpen");
  EXPECT_EQ(LoadedFrom(mine).Mem[4].text[kFreq], "442.000000");
  EXPECT_EQ(Title(), Titled("full.VQ5"));
  EXPECT_EQ(doc().ChannelsInUse(), 1300);
  EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST_F(FileMenuTest, SaveAndSaveAsWriteTheDocument) {
  std::string demo = CopyOfSample("demo.VQ5");
  window->StartUp(CommandLinePath(demo));
  EditRow(2, "446.00625");
  Trigger("mnuFileSave");
  EXPECT_TRUE(prompts.dialogs.empty());
  EXPECT_EQ(doc().DataChanged, 0);
  EXPECT_EQ(Title(), Titled("demo.VQ5"));
  Document saved = LoadedFrom(demo);
  EXPECT_EQ(saved.Mem[1].text[kFreq], "446.006250");
  EXPECT_EQ(saved.ChannelsInUse(), 62);

  EditRow(3, "156.8");
  Trigger("tbSave");
  EXPECT_EQ(LoadedFrom(demo).Mem[2].text[kFreq], "156.800000");

  // Save As: a new name; the old file stays as it was.
  const std::string demo_slot3 = LoadedFrom(demo).Mem[3].text[kFreq];
  ASSERT_NE(demo_slot3, "27.185000");
  std::string copy = dir.File("copy.VQ5");
  EditRow(4, "27.185");
  prompts.file_names = {QString::fromStdString(copy)};
  Trigger("mnuFileSaveAs");
  ASSERT_EQ(prompts.dialogs.size(), 1u);
  EXPECT_EQ(prompts.dialogs[0].caption, "Save As");
  EXPECT_EQ(prompts.dialogs[0].default_suffix, "VQ5");
  EXPECT_EQ(Title(), Titled("copy.VQ5"));
  EXPECT_EQ(doc().CurrentFileName, copy);
  EXPECT_EQ(doc().DataChanged, 0);
  std::vector<std::string> lines = SplitCrLf(ReadFile(copy));
  ASSERT_EQ(lines.size(), 2643u);
  EXPECT_EQ(lines.front(), "Korvex  VR-Q5  Clone  File Start");
  EXPECT_EQ(lines.back(), "Korvex  VR-Q5  Clone  File   End");
  EXPECT_EQ(LoadedFrom(copy).Mem[3].text[kFreq], "27.185000");
  EXPECT_EQ(LoadedFrom(demo).Mem[3].text[kFreq], demo_slot3);

  // Cancelled and failed: nothing written, nothing renamed.
  EditRow(5, "145.5");
  const std::string before = ReadFile(copy);
  prompts.file_names = {""};
  Trigger("mnuFileSaveAs");
  EXPECT_EQ(doc().DataChanged, -1);
  prompts.file_names = {QString::fromStdString(Unwritable())};
  Trigger("mnuFileSaveAs");
  ASSERT_EQ(MessageTexts(), std::vector<std::string>{"File Open Error"});
  EXPECT_EQ(prompts.messages[0].title, "ERROR");
  EXPECT_EQ(prompts.messages[0].informative, "No such file or directory");
  EXPECT_EQ(Title(), Titled("copy.VQ5") + "*");
  EXPECT_EQ(doc().CurrentFileName, copy);
  EXPECT_EQ(doc().DataChanged, -1);
  EXPECT_EQ(ReadFile(copy), before);

  // Save of an unnamed document asks for a name.
  prompts.answers = {gui::Answer::kNo};
  Trigger("mnuFileNew");
  EditRow(1, "7.05");
  std::string fresh = dir.File("fresh.VQ5");
  prompts.file_names = {QString::fromStdString(fresh)};
  Trigger("mnuFileSave");
  ASSERT_GE(prompts.log.size(), 1u);
  EXPECT_EQ(prompts.log.back(), "save: Save As");
  EXPECT_EQ(Title(), Titled("fresh.VQ5"));
  EXPECT_EQ(LoadedFrom(fresh).Mem[0].text[kFreq], "7.050000");
}

TEST_F(FileMenuTest, ImportAndExportCsv) {
  std::string demo = SamplePath("demo.VQ5");
  window->StartUp(CommandLinePath(demo));

  std::string out = dir.File("out.csv");
  prompts.file_names = {QString::fromStdString(out)};
  Trigger("mnuExport");
  ASSERT_EQ(prompts.dialogs.size(), 1u);
  EXPECT_EQ(prompts.dialogs[0].caption, "Export");
  EXPECT_EQ(prompts.dialogs[0].filters,
            (QStringList{"CSV Files (*.csv)", "All Files (*)"}));
  std::vector<std::string> records = SplitCrLf(ReadFile(out));
  ASSERT_EQ(records.size(), 1915u);
  EXPECT_TRUE(records[15].starts_with(
      "\"VR-Q5\",\"MEMORY\",\"0\",\"118.100000\",\"AM\","))
      << records[15];
  // The document keeps its name and state.
  EXPECT_EQ(Title(), Titled("demo.VQ5"));
  EXPECT_EQ(doc().CurrentFileName, demo);
  EXPECT_EQ(doc().DataChanged, 0);
  EditRow(1, "118.1");
  prompts.file_names = {QString::fromStdString(dir.File("changed.csv"))};
  Trigger("mnuExport");
  EXPECT_EQ(doc().DataChanged, -1);
  prompts.file_names = {QString::fromStdString(dir.File("none/out.csv"))};
  Trigger("mnuExport");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"File Open Error"});
  EXPECT_EQ(prompts.messages.back().informative, "No such file or directory");

  // Import into a new document.
  prompts.messages.clear();
  prompts.answers = {gui::Answer::kNo};
  Trigger("mnuFileNew");
  prompts.file_names = {QString::fromStdString(SamplePath("demo.csv"))};
  Trigger("mnuImport");
  ASSERT_GE(prompts.dialogs.size(), 1u);
  EXPECT_EQ(prompts.dialogs.back().caption, "Import");
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(Title(), kTitle);
  EXPECT_TRUE(doc().CurrentFileName.empty());
  EXPECT_EQ(doc().DataChanged, 0);
  Document clone = LoadedFrom(demo);
  EXPECT_EQ(doc().ChannelsInUse(), 62);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    ASSERT_EQ(CellText(slot + 1, 1), clone.Mem[slot].text[kFreq]) << slot;
  }
  EXPECT_EQ(window->CurrentRow(), 1);

  // A file that ends inside a record, and a folder: nothing changes.
  std::string csv = ReadFile(SamplePath("demo.csv"));
  std::string cut = dir.File("cut.csv");
  WriteFile(cut, csv.substr(0, csv.size() / 2));
  EditRow(2, "440.0");
  doc().DataChanged = 0;
  window->ShowDocument();
  const auto mem = doc().Mem;
  const auto banks = doc().txtBank;
  for (const std::string& bad : {cut, dir.path()}) {
    prompts.messages.clear();
    prompts.file_names = {QString::fromStdString(bad)};
    Trigger("mnuImport");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"File Open Error"})
        << bad;
    EXPECT_EQ(doc().Mem, mem);
    EXPECT_EQ(doc().txtBank, banks);
    EXPECT_EQ(Cell(2, 1), "440.000000");
    EXPECT_EQ(doc().DataChanged, 0);
    EXPECT_EQ(Title(), kTitle);
  }
}

// Another program wrote the open file (a read from the receiver into it,
// a new file): a save asks before it overwrites that file.
TEST_F(FileMenuTest, SaveAsksWhenTheFileChangedOnDisk) {
  const std::string demo = CopyOfSample("demo.VQ5");
  window->StartUp(CommandLinePath(demo));
  ShowWindow();
  EditRow(2, "446.00625");
  Trigger("mnuFileSave");  // unchanged on disk: no question
  EXPECT_TRUE(prompts.questions.empty());
  EXPECT_EQ(LoadedFrom(demo).Mem[1].text[kFreq], "446.006250");

  auto replace = [&] {
    Document other;  // as `vrq5 new -o` writes it
    EXPECT_EQ(SaveCloneFile(other, demo), FileStatus::kOk);
    return ReadFile(demo);
  };
  const Message changed{
      "demo.VQ5 has changed on disk since it was opened. Overwrite it?", "Save",
      Message::Icon::kWarning};
  std::string theirs = replace();
  EditRow(3, "156.8");
  prompts.answers = {gui::Answer::kNo};
  Trigger("mnuFileSave");
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0], changed);
  EXPECT_EQ(prompts.question_buttons[0], gui::Buttons::kYesNoDefaultNo);
  EXPECT_EQ(ReadFile(demo), theirs);
  EXPECT_EQ(doc().DataChanged, -1);
  // "Save changes?" Yes, then No here: the window stays open.
  prompts.answers = {gui::Answer::kYes, gui::Answer::kNo};
  EXPECT_FALSE(window->close());
  EXPECT_EQ(ReadFile(demo), theirs);
  // Save As onto the same file asks too.
  prompts.file_names = {QString::fromStdString(demo)};
  prompts.answers = {gui::Answer::kNo};
  Trigger("mnuFileSaveAs");
  EXPECT_EQ(prompts.questions.size(), 4u);
  EXPECT_EQ(ReadFile(demo), theirs);

  prompts.answers = {gui::Answer::kYes};
  Trigger("mnuFileSave");
  EXPECT_EQ(LoadedFrom(demo).Mem[2].text[kFreq], "156.800000");
  EXPECT_EQ(doc().DataChanged, 0);
  // The file saved is this window's again; one opened anew is too.
  EditRow(4, "27.185");
  Trigger("mnuFileSave");
  replace();
  prompts.file_names = {QString::fromStdString(demo)};
  Trigger("mnuFileOpen");
  EXPECT_EQ(doc().ChannelsInUse(), 0);
  EditRow(1, "145.5");
  Trigger("mnuFileSave");
  EXPECT_EQ(prompts.questions.size(), 5u);
  EXPECT_EQ(LoadedFrom(demo).Mem[0].text[kFreq], "145.500000");
}

// DlgPrint: what it offers, OK only with a part ticked, Escape. What it
// chooses is what ExportPdfWritesThePagesChosen prints.
TEST_F(FileMenuTest, PrintDialogOffersTheRowsOfTheMemoryPage) {
  window->StartUp(CommandLinePath(SamplePath("demo.VQ5")));
  ShowWindow();
  // The current row is the first selected: bank 00's last.
  window->SelectRows({100, 101, 102});
  auto button = [](QDialog* d, const char* name) {
    return d->findChild<QAbstractButton*>(QLatin1String(name));
  };
  prompts.dialog_handler = [&](QDialog* d) {
    QAbstractButton* ok = button(d, "cmdOK");
    for (const char* on :
         {"chkMemory", "optInUse", "optAllBanks", "optA4", "optPortrait"}) {
      EXPECT_TRUE(button(d, on)->isChecked()) << on;
    }
    EXPECT_EQ(button(d, "optCurrentBank")->text(),
              "The current &bank: Bank 00");
    EXPECT_EQ(button(d, "optSelectedRows")->text(), "The &selected rows: 3");
    for (QAbstractButton* b : d->findChildren<QAbstractButton*>()) {
      EXPECT_FALSE(b->objectName().isEmpty() || b->accessibleName().isEmpty())
          << b->text().toStdString();
    }
    EXPECT_TRUE(ok->isEnabled());
    button(d, "chkMemory")->click();
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(button(d, "optEveryRow")->isEnabled());
    for (const char* part : {"chkSettings", "chkVfoData", "chkBank"}) {
      button(d, part)->click();
      EXPECT_TRUE(ok->isEnabled()) << part;
      button(d, part)->click();
      EXPECT_FALSE(ok->isEnabled()) << part;
    }
    d->show();
    QTest::keyClick(d, Qt::Key_Escape);  // as Cancel
    EXPECT_FALSE(d->isVisible());
    return d->result();
  };
  Trigger("mnuFileExportPdf");
  EXPECT_EQ(prompts.log, std::vector<std::string>{"dialog: DlgPrint"});

  // A row of no bank offers no current bank.
  window->SelectRow(1001);
  prompts.dialog_handler = [&](QDialog* d) {
    EXPECT_FALSE(button(d, "optCurrentBank")->isEnabled());
    EXPECT_EQ(button(d, "optSelectedRows")->text(), "The &selected rows: 1");
    return int(QDialog::Rejected);
  };
  QTest::keySequence(window.get(), QKeySequence::Print);
  EXPECT_EQ(prompts.log.size(), 2u);
}

TEST_F(FileMenuTest, ExportPdfWritesThePagesChosen) {
  window->StartUp(CommandLinePath(SamplePath("demo.VQ5")));
  ShowWindow();
  window->SelectRows({100, 101, 102});
  struct Case {
    std::vector<const char*> clicks;
    PrintOptions options;
    bool letter = false;
    bool landscape = false;
  };
  PrintOptions parts, bank, rows;
  parts.memory = false;
  parts.settings = parts.vfo = parts.bank = true;
  bank.all_rows = rows.all_rows = true;
  bank.bank_only = 0;
  rows.rows = {100, 101, 102};
  // Each choice starts from the one before, its rows of all banks.
  const Case cases[] = {
      {{}, {}},
      {{"optEveryRow", "optCurrentBank", "optLetter", "optLandscape"},
       bank,
       true,
       true},
      {{"optSelectedRows"}, rows, true, true},
      {{"chkMemory", "chkSettings", "chkVfoData", "chkBank", "optA4"},
       parts,
       false,
       true},
  };
  std::set<int> counts;
  for (const Case& c : cases) {
    SCOPED_TRACE(counts.size());
    int pages = 0;
    const std::string expected = dir.File("expected.pdf");
    ASSERT_TRUE(print::WritePdf(QString::fromStdString(expected), doc(),
                                c.options, "2026-01-01", c.letter, c.landscape,
                                gui::CoreText, &pages));
    const std::string path = dir.File("printout.pdf");
    PrintChoice(c.clicks);
    prompts.file_names = {QString::fromStdString(path)};
    Trigger("mnuFileExportPdf");
    EXPECT_EQ(PdfPages(path), pages);
    counts.insert(pages);
  }
  EXPECT_EQ(counts.size(), std::size(cases));  // each choice counts
  ASSERT_EQ(prompts.dialogs.size(), std::size(cases));
  EXPECT_EQ(prompts.dialogs[0].caption, "Export PDF");
  EXPECT_EQ(prompts.dialogs[0].filters, QStringList{"PDF files (*.pdf)"});
  EXPECT_EQ(prompts.dialogs[0].default_suffix, "pdf");
  EXPECT_TRUE(prompts.messages.empty());

  // Not written: the system's reason, and whatever was there stays.
  std::filesystem::create_directories(dir.File("folder.pdf/inside"));
  for (const auto& [name, reason] :
       {std::pair{"none/out.pdf", "No such file or directory"},
        std::pair{"folder.pdf", "Filename refers to a directory"}}) {
    prompts.messages.clear();
    PrintChoice({});
    prompts.file_names = {QString::fromStdString(dir.File(name))};
    Trigger("mnuFileExportPdf");
    ASSERT_EQ(MessageTexts(), std::vector<std::string>{"File Open Error"});
    EXPECT_EQ(prompts.messages[0].informative, reason);
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.pdf/inside")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("none")));
}

TEST_F(FileMenuTest, PrintAndPreviewDrawThePages) {
  window->StartUp(CommandLinePath(SamplePath("demo.VQ5")));
  ShowWindow();
  PrintChoice({});
  for (const char* command : {"mnuFilePrint", "mnuFilePrintPreview"}) {
    SCOPED_TRACE(command);
    prompts.printer_file = QString::fromStdString(dir.File("printer.pdf"));
    std::filesystem::remove(prompts.printer_file.toStdString());
    Trigger(command);
    EXPECT_GT(PdfPages(prompts.printer_file.toStdString()), 0);
  }
  EXPECT_EQ(prompts.log,
            (std::vector<std::string>{"dialog: DlgPrint", "print",
                                      "dialog: DlgPrint", "preview"}));
  // The print dialog cancelled: nothing more.
  prompts.printer_file.clear();
  Trigger("mnuFilePrint");
  EXPECT_TRUE(prompts.messages.empty());
  // A printer that takes no pages.
  prompts.printer_file = QString::fromStdString(dir.File("none/printer.pdf"));
  Trigger("mnuFilePrint");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{
                                "The pages could not be sent to the printer."});
  // Nothing in use where asked: no printer dialog.
  prompts.log.clear();
  Trigger("mnuFileNew");
  Trigger("mnuFilePrintPreview");
  EXPECT_EQ(prompts.log,
            (std::vector<std::string>{
                "dialog: DlgPrint",
                "message: There is nothing to print: no channel is in use in "
                "the rows chosen."}));
}

// A hand-edited placement (an overflowing size, a window larger than the
// screen, one beside it) comes up inside the screen's available area.
TEST_F(FileMenuTest, RestoredPlacementFitsTheScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  struct Case {
    const char* left;
    const char* top;
    const char* width;
    const char* height;
  };
  const std::string right = std::to_string(area.right() - 50);
  for (const Case& c :
       {Case{"10", "20", "2147483647", "2147483647"},
        Case{"100", "50", "3000", "2000"},
        Case{right.c_str(), "0", "400", "300"},
        Case{"-500", "-300", "1000", "700"}, Case{"30", "40", "600", "450"}}) {
    SCOPED_TRACE(std::string(c.left) + "," + c.top + " " + c.width + "x" +
                 c.height);
    {
      QSettings ini(PlacementFile(), QSettings::IniFormat);
      ini.setValue("Settings/MainLeft", c.left);
      ini.setValue("Settings/MainTop", c.top);
      ini.setValue("Settings/MainWidth", c.width);
      ini.setValue("Settings/MainHeight", c.height);
    }
    MakeWindow();
    const QRect placed = window->geometry();
    EXPECT_TRUE(area.contains(placed))
        << placed.x() << "," << placed.y() << " " << placed.width() << "x"
        << placed.height();
    EXPECT_GE(window->width(), 400);
  }
  // One that fits is kept as it is.
  EXPECT_EQ(window->geometry(), QRect(30, 40, 600, 450));
}

TEST_F(FileMenuTest, ClosingKeepsTheNewestPortAndWritesThePlacement) {
  std::filesystem::create_directory(dir.File("config"));
  WriteFile(dir.File("config/VR-Q5.ini"), "/dev/ttyUSB3\n");
  MakeWindow();
  EXPECT_EQ(window->port_name(), "/dev/ttyUSB3");
  // This window chooses a port, then vrq5 --port (or another window)
  // chooses another: closing keeps the newer choice.
  prompts.dialog_handler = [](QDialog* dialog) {
    dialog->findChild<QLineEdit*>("txtPort")->setText("/dev/ttyUSB5");
    return int(QDialog::Accepted);
  };
  Trigger("mnuToolsOptions");
  EXPECT_EQ(LoadPortName(dir.File("config")), "/dev/ttyUSB5");
  WriteFile(dir.File("config/VR-Q5.ini"), "/dev/ttyACM1\n");
  window->StartUp("");
  ShowWindow();
  window->setGeometry(20, 30, 1100, 800);
  QApplication::processEvents();
  const QRect placed = window->geometry();
  ASSERT_NE(placed.size(), QSize(1000, 720));

  Trigger("mnuFileExit");  // nothing unsaved: no question
  EXPECT_TRUE(prompts.questions.empty());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(LoadPortName(dir.File("config")), "/dev/ttyACM1");
  QSettings ini(QString::fromStdString(dir.File("config/placement.ini")),
                QSettings::IniFormat);
  EXPECT_EQ(ini.value("Settings/MainLeft").toString(),
            QString::number(placed.x()));
  EXPECT_EQ(ini.value("Settings/MainTop").toString(),
            QString::number(placed.y()));
  EXPECT_EQ(ini.value("Settings/MainWidth").toString(),
            QString::number(placed.width()));
  EXPECT_EQ(ini.value("Settings/MainHeight").toString(),
            QString::number(placed.height()));

  // The next window comes up where this one was, as far as the screen
  // holds it (the offscreen one is smaller than this window).
  MakeWindow();
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(window->geometry().size(), placed.size().boundedTo(area.size()));
  EXPECT_TRUE(area.contains(window->geometry()));

  // A minimised window keeps the placement it had.
  ShowWindow();
  window->setGeometry(60, 70, 1200, 820);
  window->showMinimized();
  ASSERT_TRUE(window->isMinimized());
  EXPECT_TRUE(window->close());
  QSettings after(QString::fromStdString(dir.File("config/placement.ini")),
                  QSettings::IniFormat);
  EXPECT_EQ(after.value("Settings/MainLeft").toString(),
            QString::number(placed.x()));
  EXPECT_EQ(after.value("Settings/MainWidth").toString(),
            QString::number(placed.width()));
  MakeWindow();

  // Unsaved changes saved on the way out.
  window->StartUp("");
  ShowWindow();
  EditRow(1, "145.525");
  std::string path = dir.File("last.VQ5");
  prompts.answers = {gui::Answer::kYes};
  prompts.file_names = {QString::fromStdString(path)};
  EXPECT_TRUE(window->close());
  EXPECT_EQ(LoadedFrom(path).Mem[0].text[kFreq], "145.525000");
}

TEST_F(FileMenuTest, ViewMenuToolbarAndHelp) {
  window->StartUp("");
  ShowWindow();
  auto* toolbar = Find<QToolBar>("tbToolBar");
  auto* status = Find<QStatusBar>("sbStatusBar");
  QAction* show_toolbar = Find<QAction>("mnuViewToolbar");
  QAction* show_status = Find<QAction>("mnuStatusBar");
  ASSERT_TRUE(toolbar->isVisible());
  ASSERT_TRUE(status->isVisible());

  show_toolbar->trigger();
  EXPECT_FALSE(show_toolbar->isChecked());
  EXPECT_FALSE(toolbar->isVisible());
  EXPECT_TRUE(status->isVisible());
  show_toolbar->trigger();
  EXPECT_TRUE(show_toolbar->isChecked());
  EXPECT_TRUE(toolbar->isVisible());

  show_status->trigger();
  EXPECT_FALSE(show_status->isChecked());
  EXPECT_FALSE(status->isVisible());
  show_status->trigger();
  EXPECT_TRUE(status->isVisible());
  // The toolbar has no right-click menu that could hide it behind the View
  // menu's back.
  EXPECT_EQ(window->createPopupMenu(), nullptr);

  Trigger("tbHelp");
  auto* about = Find<QDialog>("frmAbout");
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  about->close();

  Trigger("mnuFilePageSetup");
  EXPECT_EQ(prompts.log, std::vector<std::string>{"page setup"});
}

}  // namespace
}  // namespace vrq5::testing
