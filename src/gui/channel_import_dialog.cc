#include "gui/channel_import_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "gui/button_texts.h"
#include "gui/controls.h"
#include "gui/option_group.h"
#include "gui/prompts.h"

namespace vrq5::gui {

ChannelImportDialog::ChannelImportDialog(const Document& doc, int first_slot,
                                         QWidget* parent)
    : QDialog(parent), first_slot_(first_slot) {
  setObjectName(QStringLiteral("dlgChannelImport"));
  setWindowTitle(Text("Import Channel List"));
  auto* layout = new QVBoxLayout(this);
  auto* from_row =
      new QRadioButton(Text("From %1 on")
                           .arg(QString::fromStdString(
                               RowName(doc.SlotLabel(first_slot), first_slot))),
                       this);
  from_row->setObjectName(QStringLiteral("optFromRow"));
  from_row->setChecked(true);
  into_bank_ = new QRadioButton(Text("Into bank"), this);
  into_bank_->setObjectName(QStringLiteral("optIntoBank"));
  bank_ = new QSpinBox(this);
  bank_->setObjectName(QStringLiteral("spnBank"));
  bank_->setAccessibleName(Text("Bank number"));
  bank_->setRange(0, kBankCount - 1);
  bank_->setValue(std::max(0, doc.BankOfSlot(first_slot)));
  auto* bank_row = new QHBoxLayout;
  bank_row->addWidget(into_bank_);
  bank_row->addWidget(bank_);
  bank_row->addStretch();
  // A list this program exported names each channel's slot.
  by_location_ = new QRadioButton(
      Text("Each channel at the slot its Location names"), this);
  by_location_->setObjectName(QStringLiteral("optByLocation"));
  by_location_->setAccessibleName(by_location_->text());
  layout->addWidget(from_row);
  layout->addLayout(bank_row);
  layout->addWidget(by_location_);
  auto* where = new QButtonGroup(this);
  where->setObjectName(QStringLiteral("opbWhere"));
  for (QRadioButton* option : {from_row, into_bank_, by_location_}) {
    where->addButton(option);
  }
  KeepTabOnChecked(where);
  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  SetButtonTexts(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

ChannelCsvTarget ChannelImportDialog::Target() const {
  ChannelCsvTarget target;
  target.first_row = first_slot_;
  if (into_bank_->isChecked()) target.bank = bank_->value();
  target.by_location = by_location_->isChecked();
  return target;
}

void ChannelImportDialog::ShowReport(Prompts& prompts, QWidget* parent,
                                     const ChannelCsvResult& result) {
  QString counts = CoreText(ChannelCsvCountLine(result));
  if (result.imported == 0) {
    counts = Text("Nothing was imported.") + QStringLiteral(" ") + counts;
  }
  if (result.notes.empty()) {
    prompts.Show(parent, Message{counts.toStdString(),
                                 Text("Import Channel List").toStdString(),
                                 Message::Icon::kInformation});
    return;
  }
  QDialog report(parent);
  report.setObjectName(QStringLiteral("dlgImportReport"));
  report.setWindowTitle(Text("Import Channel List"));
  auto* layout = new QVBoxLayout(&report);
  auto* caption =
      new QLabel(counts + QStringLiteral(". ") +
                     Text("What was changed or left out, row by row:"),
                 &report);
  layout->addWidget(caption);
  auto* list = new QListWidget(&report);
  list->setObjectName(QStringLiteral("lstImportReport"));
  list->setAccessibleName(caption->text());
  for (const ChannelCsvNote& note : result.notes) {
    list->addItem(CoreText(ChannelCsvNoteLine(note)));
  }
  layout->addWidget(list, 1);
  auto* close = new QDialogButtonBox(QDialogButtonBox::Close, &report);
  SetButtonTexts(close);
  QObject::connect(close, &QDialogButtonBox::rejected, &report,
                   &QDialog::reject);
  layout->addWidget(close);
  report.resize(FontSized(&report, 125, 30));
  prompts.RunDialog(&report);
}

}  // namespace vrq5::gui
