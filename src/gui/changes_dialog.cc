#include "gui/changes_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/button_texts.h"
#include "gui/controls.h"

namespace vrq5::gui {

ChangesDialog::ChangesDialog(const std::vector<std::string>& changes,
                             QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("dlgChanges"));
  setWindowTitle(Text("Changes to the receiver"));
  auto* layout = new QVBoxLayout(this);
  auto* summary =
      new QLabel(Text("The write will make these changes to the receiver:") +
                     QStringLiteral(" ") + QString::number(changes.size()),
                 this);
  summary->setObjectName(QStringLiteral("lblChanges"));
  summary->setWordWrap(true);
  layout->addWidget(summary);
  auto* list = new QListWidget(this);
  list->setObjectName(QStringLiteral("lstChanges"));
  list->setAccessibleName(summary->text());
  for (const std::string& line : changes) {
    list->addItem(CoreText(line));
  }
  summary->setBuddy(list);
  layout->addWidget(list);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* write =
      buttons->addButton(Text("&Write"), QDialogButtonBox::AcceptRole);
  write->setObjectName(QStringLiteral("cmdWrite"));
  QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  cancel->setDefault(true);
  SetButtonTexts(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(FontSized(this, 118, 30));
}

}  // namespace vrq5::gui
