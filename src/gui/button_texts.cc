#include "gui/button_texts.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <functional>

#include "gui/controls.h"

namespace vrq5::gui {

namespace {

struct StandardText {
  QDialogButtonBox::StandardButton button;
  const char* name;
  const char* text;
};

// QMessageBox's standard buttons have the same values.
const StandardText kStandardTexts[] = {
    {QDialogButtonBox::Ok, "cmdOK", Tr("&OK")},
    {QDialogButtonBox::Cancel, "cmdCancel", Tr("&Cancel")},
    {QDialogButtonBox::Yes, "cmdYes", Tr("&Yes")},
    {QDialogButtonBox::No, "cmdNo", Tr("&No")},
    {QDialogButtonBox::Close, "cmdClose", Tr("&Close")},
};

void SetTexts(const std::function<QAbstractButton*(int)>& button_of) {
  for (const StandardText& s : kStandardTexts) {
    QAbstractButton* button = button_of(s.button);
    if (button == nullptr) continue;
    button->setText(Text(s.text));
    if (button->objectName().isEmpty()) {
      button->setObjectName(QString::fromLatin1(s.name));
    }
  }
}

}  // namespace

void SetButtonTexts(QDialogButtonBox* box) {
  SetTexts([box](int which) {
    return box->button(static_cast<QDialogButtonBox::StandardButton>(which));
  });
}

void SetButtonTexts(QMessageBox* box) {
  SetTexts([box](int which) {
    return box->button(static_cast<QMessageBox::StandardButton>(which));
  });
}

}  // namespace vrq5::gui
