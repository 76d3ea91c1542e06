// The window's settings file: placement, recent files, the hidden
// warnings of the check before writing and the model selected last. Every
// QSettings use of the window is here.
#ifndef VRQ5_GUI_WINDOW_SETTINGS_H_
#define VRQ5_GUI_WINDOW_SETTINGS_H_

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <memory>

class QSettings;
class QWidget;

namespace vrq5::gui {

class WindowSettings {
 public:
  // `file` is an INI file. Anything but a regular file there is neither
  // read nor written: the settings then live in memory for this run.
  explicit WindowSettings(QString file);
  ~WindowSettings();

  // The last eight clone files opened or saved, newest first.
  QStringList RecentFiles() const;
  // `path` (made absolute) at the front of the recent files.
  void RememberFile(const QString& path);
  // `path` out of the recent files.
  void ForgetFile(const QString& path);

  bool WriteWarningsHidden() const;
  void SetWriteWarningsHidden(bool hidden);

  // The steps of a safe write, all on until the user turns them off:
  // the snapshot before it, the list of changes to confirm (which needs
  // the snapshot's read), the read-back after it.
  struct WriteSteps {
    bool snapshot = true;
    bool show_changes = true;
    bool verify = true;
  };
  WriteSteps SafeWriteSteps() const;
  void SetSafeWriteSteps(const WriteSteps& steps);

  // The model option selected last (0 when none was kept).
  int Model() const;
  void SetModel(int model);

  // The window's size and place as kept, fitted onto a screen that is
  // there; 1000 x 720 when none was kept or it fits no screen.
  void RestorePlacement(QWidget* window) const;
  // Keeps the window's size and place, unless it is minimized.
  void StorePlacement(const QWidget* window) const;

 private:
  // The settings file, or null when something other than a regular file
  // is in its place (said once on standard error).
  std::unique_ptr<QSettings> Open() const;
  QVariant Value(const QString& key, const QVariant& fallback = {}) const;
  void Keep(const QVariantMap& values) const;

  QString file_;
  mutable bool refused_ = false;
  mutable QVariantMap session_;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_WINDOW_SETTINGS_H_
