// Small helpers every part of the window uses: a text of the string table
// in the interface's language, and a named action or button.
#ifndef VRQ5_GUI_CONTROLS_H_
#define VRQ5_GUI_CONTROLS_H_

#include <QAction>
#include <QColor>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QSize>
#include <QString>
#include <cmath>
#include <functional>
#include <string_view>
#include <utility>

namespace vrq5::gui {

// A caption or tooltip of the string table, in the interface's language.
inline QString Text(const char* text) {
  return QCoreApplication::translate("vrq5", text);
}

// Marks a text that is looked up later (a caption passed on to `Action`,
// `Button` or a table of commands), so that the string table lists it.
constexpr const char* Tr(const char* text) { return text; }

// A text of the core (a message, a caption, a finding) in the interface's
// language: each line whole, or by the pattern it was filled from, with the
// values translated where they are texts of the table themselves.
QString CoreText(std::string_view text);

inline QAction* Action(QObject* parent, const char* name, const char* text) {
  auto* action = new QAction(Text(text), parent);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

// A named action of `menu` run by `run`, with its shortcut (if any).
inline QAction* AddAction(QWidget* window, QMenu* menu, const char* name,
                          const char* text, const QKeySequence& key,
                          std::function<void()> run) {
  QAction* a = Action(window, name, text);
  if (!key.isEmpty()) a->setShortcut(key);
  menu->addAction(a);
  QObject::connect(a, &QAction::triggered, window, std::move(run));
  return a;
}

inline QPushButton* Button(const char* name, const char* text,
                           QWidget* parent) {
  auto* button = new QPushButton(Text(text), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

// A size in units of the widget's font, `columns` average characters across
// and `lines` lines of text down: windows and dialogs grow with the
// desktop's font size rather than keeping a fixed number of pixels.
inline QSize FontSized(const QWidget* widget, double columns, double lines) {
  QFontMetricsF metrics(widget->font());
  return QSize(
      static_cast<int>(std::lround(columns * metrics.averageCharWidth())),
      static_cast<int>(std::lround(lines * metrics.lineSpacing())));
}

// The red of errors and warnings over `background`: dark on a light
// palette, light on a dark one, so that it stays readable in both.
inline QColor WarningColor(const QColor& background) {
  return background.lightness() < 128 ? QColor(255, 140, 140)
                                      : QColor(Qt::darkRed);
}

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_CONTROLS_H_
