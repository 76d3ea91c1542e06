// A main window on the offscreen platform with scripted prompts, its port
// file and window placement in a temporary folder.
#ifndef VRQ5_TESTS_GUI_WINDOW_FIXTURE_H_
#define VRQ5_TESTS_GUI_WINDOW_FIXTURE_H_

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>

#include "gui/edit_dialog.h"
#include "gui/main_window.h"
#include "support/temp_dir.h"
#include "tests/gui/scripted_prompts.h"

namespace vrq5::testing {

// The demo and full clone files and the demo CSV (tests/data).
inline std::string SamplePath(const char* name) {
  return (std::filesystem::path(VRQ5_SAMPLES_DIR) / name).string();
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { MakeWindow(); }

  void TearDown() override {
    // Every scripted answer was asked for.
    EXPECT_TRUE(prompts.answers.empty()) << "unused answers";
    EXPECT_TRUE(prompts.file_names.empty()) << "unused file names";
  }

  // A new window answering through `answers` (default: the scripted
  // prompts), which must outlive it.
  void MakeWindow(gui::Prompts* answers = nullptr) {
    gui::MainWindow::Options options;
    options.port_folder = dir.File("config");
    options.placement_file = PlacementFile();
    // The transfer tests write the demo file, whose notes the receiver
    // does not keep: the warnings of the check before writing are turned
    // off here, and on again by the tests of that check.
    ShowWriteWarnings(false);
    // The rows written before the safe write send exactly what they sent:
    // its steps are off unless a test turns them on.
    SetSafeWriteSteps(false, false, false);
    window.reset();
    window = std::make_unique<gui::MainWindow>(answers ? *answers : prompts,
                                               options);
  }

  QString PlacementFile() {
    return QString::fromStdString(dir.File("config/placement.ini"));
  }
  // The window's "Do not show warnings again", as the user leaves it.
  void ShowWriteWarnings(bool show) {
    QSettings settings(PlacementFile(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("WriteCheck/HideWarnings"), !show);
    settings.sync();
  }

  // The steps of a safe write, as Tool > Options leaves them.
  void SetSafeWriteSteps(bool snapshot, bool show_changes, bool verify) {
    QSettings settings(PlacementFile(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("SafeWrite/Snapshot"), snapshot);
    settings.setValue(QStringLiteral("SafeWrite/ShowChanges"), show_changes);
    settings.setValue(QStringLiteral("SafeWrite/Verify"), verify);
    settings.sync();
  }

  Document& doc() { return window->document(); }
  // The window's title as the desktop shows it: "*" where "[*]" stands
  // while the document has unsaved changes.
  std::string Title() {
    QString title = window->windowTitle();
    title.replace(QStringLiteral("[*]"),
                  window->isWindowModified() ? QStringLiteral("*") : QString());
    return title.toStdString();
  }

  // A child of the window (or of its dialogs) by object name.
  template <typename T>
  T* Find(const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
  }
  template <typename T>
  T* Find(const std::string& name) {
    return Find<T>(name.c_str());
  }

  // The window started with an empty document, the built-in simulated
  // receiver as its port, shown: where the transfer tests begin.
  void StartOnSimulatedReceiver() {
    window->StartUp("");
    window->set_port_name("sim");
    ShowWindow();
  }

  // Triggers a transfer action and waits until the window has its outcome.
  void Run(const char* action) {
    Trigger(action);
    window->WaitForTransfer();
  }

  // Shows the window and makes it the active one, so that focus changes
  // deliver their focus events.
  void ShowWindow() {
    window->show();
    Activate(window.get());
  }
  static void Activate(QWidget* w) {
    QApplication::processEvents();
    w->activateWindow();
    QApplication::setActiveWindow(w);
  }

  // A click on tab `tab` (1 Settings 1 .. 4 Bank) of the shown window.
  void ClickTab(int tab) {
    auto* tabs = Find<QTabBar>("TabStrip1");
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier,
                      tabs->tabRect(tab - 1).center());
  }

  void Trigger(const char* action) { Find<QAction>(action)->trigger(); }

  // The text the memory grid shows in grid row `row` (1..1300).
  QString Cell(int row, int column) {
    QAbstractItemModel* model = Find<QTableView>("MSFlexGrid1")->model();
    return model->index(row - 1, column).data(Qt::DisplayRole).toString();
  }
  std::string CellText(int row, int column) {
    return Cell(row, column).toStdString();
  }

  // The channel editor, opened on grid row `row` and made active.
  gui::EditDialog* OpenEditor(int row) {
    window->MSFlexGrid1_DblClick(row);
    auto* dialog = Find<gui::EditDialog>("dlgModify");
    Activate(dialog);
    return dialog;
  }
  QLineEdit* Box(const char* name) { return Find<QLineEdit>(name); }
  void Click(const char* button) { Find<QPushButton>(button)->click(); }

  // Stores a channel at `frequency` in grid row `row` through the editor's
  // OK button, as a user does.
  void EditRow(int row, const char* frequency) {
    OpenEditor(row);
    Box("txtFreq")->setText(QString::fromLatin1(frequency));
    Click("OKButton");
  }

  // Types `text` over the whole text of bank-size box `bank` (an empty
  // text clears it) and leaves the box with Enter. The Bank tab must be
  // shown.
  void EnterBankSize(int bank, const char* text) {
    QLineEdit* box = Box(("txtBank_" + std::to_string(bank)).c_str());
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    if (*text == '\0') {
      QTest::keyClick(box, Qt::Key_Backspace);
    } else {
      QTest::keyClicks(box, QString::fromLatin1(text));
    }
    QTest::keyClick(box, Qt::Key_Return);
  }

  // Message texts in the order shown.
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const Message& m : prompts.messages) texts.push_back(m.text);
    return texts;
  }

  TempDir dir;
  ScriptedPrompts prompts;
  std::unique_ptr<gui::MainWindow> window;
};

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_GUI_WINDOW_FIXTURE_H_
