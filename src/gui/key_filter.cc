#include "gui/key_filter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace vrq5::gui {

namespace {

class KeyFilterObject : public QObject {
 public:
  KeyFilterObject(QLineEdit* box, KeyFilter filter)
      : QObject(box), filter_(filter) {
    QObject::connect(box, &QLineEdit::textEdited, this,
                     [this, box](const QString& text) { Repair(box, text); });
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    QString text = key->text();
    if (text.isEmpty()) return false;  // arrows, Home, End, Delete
    char32_t code = text.at(0).unicode();
    // Enter, Escape, Tab, Delete and the Ctrl shortcuts are not typed
    // characters.
    if ((code < 32 || code == 127) && code != kBackspace) return false;
    if (key->modifiers() & Qt::ControlModifier) return false;
    auto* box = static_cast<QLineEdit*>(watched);
    if (!AcceptKey(filter_, box->text().toStdString(), code)) return true;
    return false;
  }

 private:
  // A paste or a drop: keep what the filter lets through.
  void Repair(QLineEdit* box, const QString& text) {
    std::string typed = text.toStdString();
    std::string kept = FilterText(filter_, typed);
    if (kept != typed) box->setText(QString::fromStdString(kept));
  }

  KeyFilter filter_;
};

}  // namespace

void InstallKeyFilter(QLineEdit* box, KeyFilter filter) {
  box->installEventFilter(new KeyFilterObject(box, filter));
}

bool IsControlFocusLoss(int reason) {
  return reason != Qt::PopupFocusReason &&
         reason != Qt::ActiveWindowFocusReason;
}

}  // namespace vrq5::gui
