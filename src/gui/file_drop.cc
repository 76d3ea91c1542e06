#include "gui/file_drop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace vrq5::gui {

namespace {
// The clone file or CSV file a drag carries, or an empty text.
QString DroppedFile(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls() || mime->urls().size() != 1) {
    return QString();
  }
  const QUrl url = mime->urls().first();
  if (!url.isLocalFile()) return QString();
  const QString path = url.toLocalFile();
  const QString suffix = QFileInfo(path).suffix().toLower();
  return suffix == QStringLiteral("vq5") || suffix == QStringLiteral("csv")
             ? path
             : QString();
}
}  // namespace

FileDrop::FileDrop(QWidget* window) : QObject(window) {
  window->setAcceptDrops(true);
  window->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::DragEnter) {
    auto* enter = static_cast<QDragEnterEvent*>(event);
    if (DroppedFile(enter->mimeData()).isEmpty()) return false;
    enter->acceptProposedAction();
    return true;
  }
  if (event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DroppedFile(drop->mimeData());
    if (path.isEmpty()) return false;
    drop->acceptProposedAction();
    emit dropped(path);
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vrq5::gui
