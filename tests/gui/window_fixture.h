// A main window on the offscreen platform with scripted prompts, its port
// file and window placement in a temporary folder.
#ifndef VRQ5_TESTS_GUI_WINDOW_FIXTURE_H_
#define VRQ5_TESTS_GUI_WINDOW_FIXTURE_H_

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "gui/main_window.h"
#include "support/temp_dir.h"
#include "tests/gui/scripted_prompts.h"

namespace vrq5::testing {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { MakeWindow(); }

  void MakeWindow() {
    gui::MainWindow::Options options;
    options.port_folder = dir.File("config");
    options.placement_file =
        QString::fromStdString(dir.File("config/placement.ini"));
    window = std::make_unique<gui::MainWindow>(prompts, options);
  }

  Document& doc() { return window->document(); }

  // A child of the window (or of its dialogs) by object name.
  template <typename T>
  T* Find(const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
  }

  TempDir dir;
  ScriptedPrompts prompts;
  std::unique_ptr<gui::MainWindow> window;
};

}  // namespace vrq5::testing

#endif  // VRQ5_TESTS_GUI_WINDOW_FIXTURE_H_
