// Widget tests run on Qt's offscreen platform inside one QApplication.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // The receiver snapshots of safe writes go to a folder of the run's own.
  QTemporaryDir data;
  setenv("XDG_DATA_HOME", data.path().toLocal8Bit().constData(), 1);
  QApplication app(argc, argv);
  // Closing a test's window must not end the application.
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
