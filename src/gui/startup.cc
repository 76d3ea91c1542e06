#include "gui/startup.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QSplashScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "codec/tables.h"
#include "files/clone_file.h"
#include "files/file_status.h"
#include "gui/controls.h"
#include "gui/language.h"
#include "gui/main_window.h"
#include "gui/note_text.h"
#include "license_notice.h"
#include "link/port_file.h"

namespace vrq5::gui {

namespace {

constexpr const char* kUsage =
    "usage: vrq5-clone [--lang ja|en] [FILE.VQ5]\n"
    "\n"
    "The window of the VR-Q5/Q70 clone utility: reads, edits and writes the\n"
    "memory of the receiver and keeps it in clone files (.VQ5) and CSV.\n"
    "FILE.VQ5 is opened at start. For scripts and headless use see\n"
    "`vrq5 --help`.\n";

// The splash in the desktop's highlight colour and font: the title half as
// large again as the application font, the picture as large as its texts.
QPixmap SplashPicture() {
  const QPalette colours = QApplication::palette();
  QFont title_font = QApplication::font();
  title_font.setPointSizeF(title_font.pointSizeF() * 1.6);
  title_font.setBold(true);
  const QFont text_font = QApplication::font();
  const QFontMetrics title_metrics(title_font);
  const QFontMetrics text_metrics(text_font);
  const QString title = AsciiText(AppTitle);
  const QString models = QStringLiteral("VR-Q5J  VR-Q70E  VR-Q70T  VR-Q70K");
  const QString version = Text("Version %1").arg(QStringLiteral(VRQ5_VERSION));
  const int margin = 4 * text_metrics.averageCharWidth();
  const int width = std::max({title_metrics.horizontalAdvance(title),
                              text_metrics.horizontalAdvance(models),
                              text_metrics.horizontalAdvance(version),
                              70 * text_metrics.averageCharWidth()}) +
                    2 * margin;
  const int line = text_metrics.lineSpacing();
  const int title_top = 2 * line;
  const int models_top = title_top + title_metrics.lineSpacing() + line;
  const int version_top = models_top + 2 * line;
  QPixmap picture(width, version_top + 3 * line);
  picture.fill(colours.color(QPalette::Highlight));
  QPainter painter(&picture);
  painter.setPen(colours.color(QPalette::HighlightedText));
  painter.setFont(title_font);
  painter.drawText(QRect(0, title_top, width, title_metrics.lineSpacing()),
                   Qt::AlignCenter, title);
  painter.setFont(text_font);
  painter.drawText(QRect(0, models_top, width, line), Qt::AlignCenter, models);
  painter.drawText(QRect(0, version_top, width, line), Qt::AlignCenter,
                   version);
  return picture;
}

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

}  // namespace

int StartUp(int argc, char** argv) {
  // --lang ja|en chooses the menus' language; the first other argument is
  // the clone file.
  QString language;
  std::string command_line_file;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc) {
      language = QString::fromLocal8Bit(argv[++i]);
    } else if (command_line_file.empty()) {
      command_line_file = argv[i];
    }
  }
  if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 ||
                   std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("vrq5-clone %s\n%s", VRQ5_VERSION, VRQ5_LICENSE_NOTICE);
    return 0;
  }
#if !defined(_WIN32) && !defined(__APPLE__)
  if (!HasDisplay()) {
    std::fputs(
        "vrq5-clone: no display to open the window on (try xvfb-run, or "
        "vrq5 --help for the command line)\n",
        stderr);
    return 1;
  }
#endif
  QApplication app(argc, argv);
  // Ctrl+C, SIGTERM or SIGHUP during a save leaves no temporary file.
  RemoveUnfinishedSavesOnSignals();
  QApplication::setApplicationName(QStringLiteral("vrq5-clone"));
  QApplication::setOrganizationName(QStringLiteral("vrq5"));
  QApplication::setApplicationVersion(QStringLiteral(VRQ5_VERSION));

  if (!InstallLanguage(language)) {
    std::fprintf(stderr, "vrq5-clone: no string table for --lang %s\n",
                 qPrintable(language));
  }
  QSplashScreen splash(SplashPicture());
  splash.show();
  splash.repaint();
  QApplication::processEvents();

  command_line_file = CommandLinePath(command_line_file);
  QtPrompts prompts;
  MainWindow::Options options;
  options.port_folder = DefaultPortFolder(argv[0]);
  MainWindow window(prompts, options);
  // A message about the named file must not hide behind the splash.
  if (!command_line_file.empty()) splash.close();
  window.StartUp(command_line_file);
  window.show();
  splash.finish(&window);
  // For measuring the start-up: end once the window has been shown and
  // drawn.
  if (const char* once = std::getenv("VRQ5_EXIT_WHEN_SHOWN"); once && *once) {
    QTimer::singleShot(0, &app, [] { QApplication::quit(); });
  }
  return app.exec();
}

}  // namespace vrq5::gui
