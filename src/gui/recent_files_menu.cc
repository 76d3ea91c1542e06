#include "gui/recent_files_menu.h"

#include <QAction>
#include <QFileInfo>

#include "gui/controls.h"
#include "gui/window_settings.h"

namespace vrq5::gui {

RecentFilesMenu::RecentFilesMenu(WindowSettings& settings, QWidget* parent)
    : QMenu(Text("Recent Files(&R)"), parent), settings_(settings) {
  setObjectName(QStringLiteral("mnuRecent"));
  Fill();
}

void RecentFilesMenu::Remember(const QString& path) {
  settings_.RememberFile(path);
  Fill();
}

void RecentFilesMenu::Forget(const QString& path) {
  settings_.ForgetFile(path);
  Fill();
}

void RecentFilesMenu::Fill() {
  // The entry that asked for this may still be running its signal.
  for (QAction* a : actions()) {
    removeAction(a);
    a->deleteLater();
  }
  const QStringList files = settings_.RecentFiles();
  for (int i = 0; i < files.size(); ++i) {
    QAction* a = addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
        QFileInfo(files[i]).fileName()));
    a->setObjectName(QStringLiteral("mnuRecent_%1").arg(i));
    a->setToolTip(files[i]);
    connect(a, &QAction::triggered, this,
            [this, path = files[i]] { emit openRequested(path); });
  }
  setEnabled(!files.isEmpty());
}

}  // namespace vrq5::gui
