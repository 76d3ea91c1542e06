#include "gui/write_steps_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/button_texts.h"
#include "gui/controls.h"

namespace vrq5::gui {

WriteStepsDialog::WriteStepsDialog(const WindowSettings::WriteSteps& steps,
                                   QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("dlgWriteSteps"));
  setWindowTitle(Text("Options"));
  auto* layout = new QVBoxLayout(this);
  auto box = [this, layout](const char* name, const char* text, bool on) {
    auto* check = new QCheckBox(Text(text), this);
    check->setObjectName(QString::fromLatin1(name));
    check->setChecked(on);
    layout->addWidget(check);
    return check;
  };
  snapshot_ =
      box("chkSnapshot", Tr("&Keep a snapshot of the receiver before writing"),
          steps.snapshot);
  show_changes_ =
      box("chkShowChanges", Tr("&Show what will change"), steps.show_changes);
  verify_ = box("chkVerify", Tr("&Read back and compare after writing"),
                steps.verify);
  // The list of changes comes from the snapshot's read.
  show_changes_->setEnabled(steps.snapshot);
  connect(snapshot_, &QCheckBox::toggled, show_changes_,
          &QCheckBox::setEnabled);
  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
  buttons->button(QDialogButtonBox::Cancel)
      ->setObjectName(QStringLiteral("cmdCancel"));
  SetButtonTexts(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

WindowSettings::WriteSteps WriteStepsDialog::Steps() const {
  WindowSettings::WriteSteps steps;
  steps.snapshot = snapshot_->isChecked();
  steps.show_changes = show_changes_->isChecked();
  steps.verify = verify_->isChecked();
  return steps;
}

}  // namespace vrq5::gui
