#include "gui/tab_strip.h"

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QTabBar>

#include "gui/controls.h"

namespace vrq5::gui {

QTabBar* MakeTabStrip(QWidget* parent, QWidget* window) {
  auto* strip = new QTabBar(parent);
  strip->setObjectName(QStringLiteral("TabStrip1"));
  strip->setFocusPolicy(Qt::StrongFocus);
  strip->setExpanding(false);
  // QTabBar gives each tab's access key to its tab: setCurrentIndex, as a
  // click.
  for (const char* caption :
       {Tr("Settings &1"), Tr("Settings &2"), Tr("&Memory"), Tr("&Bank")}) {
    strip->addTab(Text(caption));
  }
  struct PageKeys {
    const char* name;
    int step;
    QList<QKeySequence> keys;
  };
  // A Ctrl+Shift+Backtab that the keyboard sends finds Ctrl+Shift+Tab.
  const PageKeys page_keys[] = {
      {"actNextPage",
       1,
       {QKeySequence(Qt::CTRL | Qt::Key_Tab),
        QKeySequence(Qt::CTRL | Qt::Key_PageDown)}},
      {"actPreviousPage",
       -1,
       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
        QKeySequence(Qt::CTRL | Qt::Key_PageUp)}},
  };
  for (const PageKeys& k : page_keys) {
    auto* action = new QAction(window);
    action->setObjectName(QString::fromLatin1(k.name));
    action->setShortcuts(k.keys);
    // Wherever the focus is in the window: a grid, a text box, a button.
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    const int step = k.step;
    QObject::connect(action, &QAction::triggered, strip, [strip, step] {
      const int count = strip->count();
      if (!strip->isEnabled() || count == 0) return;
      strip->setCurrentIndex((strip->currentIndex() + step + count) % count);
    });
  }
  return strip;
}

}  // namespace vrq5::gui
