#include "gui/option_group.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QString>

#include "gui/controls.h"

namespace vrq5::gui {

namespace {

class TabStop : public QObject {
 public:
  explicit TabStop(QButtonGroup* group) : QObject(group), group_(group) {
    setObjectName(QStringLiteral("tabStop"));
    for (QAbstractButton* b : group_->buttons()) b->installEventFilter(this);
    connect(group_, &QButtonGroup::buttonToggled, this, &TabStop::Place);
    Place();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    // Qt moves the tab stop to a member the focus enters (a mouse press
    // that did not become a click too): it comes back when the focus
    // leaves. A member disabled or enabled may move it as well.
    if (event->type() == QEvent::FocusOut ||
        event->type() == QEvent::EnabledChange) {
      Place();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void Place() {
    QAbstractButton* stop = group_->checkedButton();
    if (stop == nullptr || !stop->isEnabled()) {
      stop = nullptr;
      for (QAbstractButton* b : group_->buttons()) {
        if (b->isEnabled()) {
          stop = b;
          break;
        }
      }
    }
    for (QAbstractButton* b : group_->buttons()) {
      b->setFocusPolicy(b == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
  }

  QButtonGroup* group_;
};

}  // namespace

void NameByGroup(QButtonGroup* group, const QString& caption) {
  for (QAbstractButton* button : group->buttons()) {
    button->setAccessibleName(Text("%1: %2").arg(QString(caption).remove(u'&'),
                                                 button->text().remove(u'&')));
  }
}

void KeepTabOnChecked(QButtonGroup* group) {
  group->setExclusive(true);
  new TabStop(group);
}

}  // namespace vrq5::gui
