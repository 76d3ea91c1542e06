// File > Recent Files: the last clone files opened or saved, newest
// first, kept with the window's settings.
#ifndef VRQ5_GUI_RECENT_FILES_MENU_H_
#define VRQ5_GUI_RECENT_FILES_MENU_H_

#include <QMenu>
#include <QString>

namespace vrq5::gui {

class WindowSettings;

class RecentFilesMenu : public QMenu {
  Q_OBJECT

 public:
  RecentFilesMenu(WindowSettings& settings, QWidget* parent);

  // `path` becomes the newest entry.
  void Remember(const QString& path);
  // `path` leaves the list (a file that is gone or no clone file).
  void Forget(const QString& path);

 signals:
  // An entry was chosen.
  void openRequested(const QString& path);

 private:
  void Fill();

  WindowSettings& settings_;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_RECENT_FILES_MENU_H_
