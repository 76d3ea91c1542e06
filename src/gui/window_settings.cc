#include "gui/window_settings.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "files/file_stamp.h"
#include "gui/controls.h"

namespace vrq5::gui {

namespace {

constexpr int kRecentFiles = 8;
const QString kRecentKey = QStringLiteral("Files/Recent");
const QString kHideWarningsKey = QStringLiteral("WriteCheck/HideWarnings");
// The steps of a safe write.
const QString kSnapshotKey = QStringLiteral("SafeWrite/Snapshot");
const QString kShowChangesKey = QStringLiteral("SafeWrite/ShowChanges");
const QString kVerifyKey = QStringLiteral("SafeWrite/Verify");
// The model selected last, beside the window placement.
const QString kModelKey = QStringLiteral("Settings/Model");

// A placement of `width` x `height` at `left`, `top` on the first screen
// whose available area it reaches, made to fit that area: no larger than
// it and moved inside it. False when it reaches no screen (one that is no
// longer there). Wide numbers: a hand-edited size may be INT_MAX.
bool FitOnScreen(std::int64_t left, std::int64_t top, std::int64_t width,
                 std::int64_t height, QRect& placed) {
  for (QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->availableGeometry();
    const std::int64_t right = std::int64_t{area.x()} + area.width();
    const std::int64_t bottom = std::int64_t{area.y()} + area.height();
    if (left >= right || left + width <= area.x() || top >= bottom ||
        top + height <= area.y()) {
      continue;
    }
    const int w = static_cast<int>(std::min<std::int64_t>(width, area.width()));
    const int h =
        static_cast<int>(std::min<std::int64_t>(height, area.height()));
    const std::int64_t x = std::clamp<std::int64_t>(left, area.x(), right - w);
    const std::int64_t y = std::clamp<std::int64_t>(top, area.y(), bottom - h);
    placed = QRect(static_cast<int>(x), static_cast<int>(y), w, h);
    return true;
  }
  return false;
}

}  // namespace

WindowSettings::WindowSettings(QString file) : file_(std::move(file)) {}

WindowSettings::~WindowSettings() = default;

QStringList WindowSettings::RecentFiles() const {
  return Value(kRecentKey).toStringList();
}

void WindowSettings::RememberFile(const QString& path) {
  QString full = QFileInfo(path).absoluteFilePath();
  QStringList files = RecentFiles();
  files.removeAll(full);
  files.prepend(full);
  while (files.size() > kRecentFiles) files.removeLast();
  Keep({{kRecentKey, files}});
}

void WindowSettings::ForgetFile(const QString& path) {
  QStringList files = RecentFiles();
  files.removeAll(path);
  Keep({{kRecentKey, files}});
}

bool WindowSettings::WriteWarningsHidden() const {
  return Value(kHideWarningsKey, false).toBool();
}

void WindowSettings::SetWriteWarningsHidden(bool hidden) {
  Keep({{kHideWarningsKey, hidden}});
}

WindowSettings::WriteSteps WindowSettings::SafeWriteSteps() const {
  WriteSteps steps;
  steps.snapshot = Value(kSnapshotKey, true).toBool();
  steps.show_changes = Value(kShowChangesKey, true).toBool();
  steps.verify = Value(kVerifyKey, true).toBool();
  return steps;
}

void WindowSettings::SetSafeWriteSteps(const WriteSteps& steps) {
  Keep({{kSnapshotKey, steps.snapshot},
        {kShowChangesKey, steps.show_changes},
        {kVerifyKey, steps.verify}});
}

int WindowSettings::Model() const { return Value(kModelKey, 0).toInt(); }

void WindowSettings::SetModel(int model) { Keep({{kModelKey, model}}); }

void WindowSettings::RestorePlacement(QWidget* window) const {
  window->resize(FontSized(window, 164.5, 51.5));
  bool ok[4] = {};
  int left = Value(QStringLiteral("Settings/MainLeft")).toInt(&ok[0]);
  int top = Value(QStringLiteral("Settings/MainTop")).toInt(&ok[1]);
  int width = Value(QStringLiteral("Settings/MainWidth")).toInt(&ok[2]);
  int height = Value(QStringLiteral("Settings/MainHeight")).toInt(&ok[3]);
  if (!(ok[0] && ok[1] && ok[2] && ok[3])) return;
  if (width < 200 || height < 150) return;
  QRect placed;
  if (FitOnScreen(left, top, width, height, placed)) {
    window->setGeometry(placed);
  }
}

void WindowSettings::StorePlacement(const QWidget* window) const {
  if (window->isMinimized()) return;
  QRect r = window->geometry();
  Keep({{QStringLiteral("Settings/MainLeft"), QString::number(r.x())},
        {QStringLiteral("Settings/MainTop"), QString::number(r.y())},
        {QStringLiteral("Settings/MainWidth"), QString::number(r.width())},
        {QStringLiteral("Settings/MainHeight"), QString::number(r.height())}});
}

std::unique_ptr<QSettings> WindowSettings::Open() const {
  // A FIFO would block QSettings for ever, a device could be written to.
  if (RegularOrAbsent(file_.toStdString())) {
    return std::make_unique<QSettings>(file_, QSettings::IniFormat);
  }
  if (!refused_) {
    refused_ = true;
    std::fprintf(stderr,
                 "vrq5-clone: %s is not a regular file; the window's "
                 "settings are not read or kept\n",
                 qPrintable(file_));
  }
  return nullptr;
}

QVariant WindowSettings::Value(const QString& key,
                               const QVariant& fallback) const {
  if (auto settings = Open()) return settings->value(key, fallback);
  return session_.value(key, fallback);
}

void WindowSettings::Keep(const QVariantMap& values) const {
  auto settings = Open();
  for (auto it = values.begin(); it != values.end(); ++it) {
    if (settings) {
      settings->setValue(it.key(), it.value());
    } else {
      session_.insert(it.key(), it.value());
    }
  }
  if (settings) settings->sync();
}

}  // namespace vrq5::gui
