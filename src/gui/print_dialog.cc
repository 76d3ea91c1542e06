#include "gui/print_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

#include "gui/button_texts.h"
#include "gui/controls.h"
#include "gui/option_group.h"
#include "store/channel_map.h"

namespace vrq5::gui {

namespace {

// A caption without its access key, as a screen reader names the control.
QString Spoken(const QString& caption) {
  QString spoken = caption;
  return spoken.remove(QLatin1Char('&'));
}

template <typename T>
T* Named(T* control, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  control->setAccessibleName(Spoken(control->text()));
  return control;
}

QGroupBox* Group(const char* name, const char* title, QWidget* parent) {
  auto* group = new QGroupBox(Text(title), parent);
  group->setObjectName(QString::fromLatin1(name));
  group->setAccessibleName(group->title());
  return group;
}

// An exclusive option group of `options`, the first checked unless `second`.
void Options(QWidget* parent, const char* name,
             std::initializer_list<QRadioButton*> options, bool second) {
  auto* group = new QButtonGroup(parent);
  group->setObjectName(QString::fromLatin1(name));
  for (QRadioButton* option : options) group->addButton(option);
  (second ? *(options.begin() + 1) : *options.begin())->setChecked(true);
  KeepTabOnChecked(group);
}

}  // namespace

PrintDialog::PrintDialog(const Choice& initial, int current_bank,
                         std::vector<int> selected_rows, QWidget* parent)
    : QDialog(parent),
      current_bank_(current_bank),
      selected_rows_(std::move(selected_rows)) {
  setObjectName(QStringLiteral("DlgPrint"));
  setWindowTitle(Text("Print"));
  setAccessibleName(windowTitle());
  auto* layout = new QVBoxLayout(this);

  QGroupBox* parts = Group("fraParts", Tr("What to print"), this);
  auto* parts_layout = new QHBoxLayout(parts);
  auto part = [parts, parts_layout](const char* name, const char* text,
                                    bool on) {
    auto* box = Named(new QCheckBox(Text(text), parts), name);
    box->setChecked(on);
    parts_layout->addWidget(box);
    return box;
  };
  settings_ = part("chkSettings", Tr("Settings"), initial.options.settings);
  vfo_ = part("chkVfoData", Tr("VFO Data"), initial.options.vfo);
  memory_ = part("chkMemory", Tr("Memory"), initial.options.memory);
  bank_ = part("chkBank", Tr("Bank"), initial.options.bank);
  layout->addWidget(parts);

  rows_ = Group("fraMemoryRows", Tr("Memory rows"), this);
  auto* rows_layout = new QGridLayout(rows_);
  auto* in_use =
      Named(new QRadioButton(Text("Channels in &use only"), rows_), "optInUse");
  every_row_ =
      Named(new QRadioButton(Text("E&very row"), rows_), "optEveryRow");
  Options(this, "opbRows", {in_use, every_row_}, initial.options.all_rows);
  auto* all_banks =
      Named(new QRadioButton(Text("&All banks"), rows_), "optAllBanks");
  const QString bank_name = current_bank_ >= 0
                                ? CoreText(LaneName(current_bank_))
                                : QStringLiteral("-");
  current_bank_only_ = Named(
      new QRadioButton(Text("The current &bank: %1").arg(bank_name), rows_),
      "optCurrentBank");
  current_bank_only_->setEnabled(current_bank_ >= 0);
  selected_only_ =
      Named(new QRadioButton(Text("The &selected rows: %1")
                                 .arg(static_cast<int>(selected_rows_.size())),
                             rows_),
            "optSelectedRows");
  selected_only_->setEnabled(!selected_rows_.empty());
  Options(this, "opbScope", {all_banks, current_bank_only_, selected_only_},
          false);
  rows_layout->addWidget(in_use, 0, 0);
  rows_layout->addWidget(every_row_, 1, 0);
  rows_layout->addWidget(all_banks, 0, 1);
  rows_layout->addWidget(current_bank_only_, 1, 1);
  rows_layout->addWidget(selected_only_, 2, 1);
  layout->addWidget(rows_);

  QGroupBox* page = Group("fraPage", Tr("Paper"), this);
  auto* page_layout = new QGridLayout(page);
  auto* a4 = Named(new QRadioButton(Text("A&4"), page), "optA4");
  letter_ = Named(new QRadioButton(Text("&Letter"), page), "optLetter");
  Options(this, "opbPageSize", {a4, letter_}, initial.letter);
  auto* portrait =
      Named(new QRadioButton(Text("&Portrait"), page), "optPortrait");
  landscape_ =
      Named(new QRadioButton(Text("La&ndscape"), page), "optLandscape");
  Options(this, "opbOrientation", {portrait, landscape_}, initial.landscape);
  page_layout->addWidget(a4, 0, 0);
  page_layout->addWidget(letter_, 1, 0);
  page_layout->addWidget(portrait, 0, 1);
  page_layout->addWidget(landscape_, 1, 1);
  layout->addWidget(page);

  // Escape is the Cancel button's, as in every QDialog.
  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  SetButtonTexts(buttons);
  for (QAbstractButton* b : buttons->buttons()) {
    b->setAccessibleName(Spoken(b->text()));
  }
  ok_ = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  for (QCheckBox* box : {settings_, vfo_, memory_, bank_}) {
    connect(box, &QCheckBox::toggled, this, &PrintDialog::Update);
  }
  Update();
}

void PrintDialog::Update() {
  ok_->setEnabled(settings_->isChecked() || vfo_->isChecked() ||
                  memory_->isChecked() || bank_->isChecked());
  rows_->setEnabled(memory_->isChecked());
}

PrintDialog::Choice PrintDialog::Chosen() const {
  Choice choice;
  PrintOptions& options = choice.options;
  options.settings = settings_->isChecked();
  options.vfo = vfo_->isChecked();
  options.memory = memory_->isChecked();
  options.bank = bank_->isChecked();
  options.all_rows = every_row_->isChecked();
  if (current_bank_only_->isChecked()) options.bank_only = current_bank_;
  if (selected_only_->isChecked()) options.rows = selected_rows_;
  choice.letter = letter_->isChecked();
  choice.landscape = landscape_->isChecked();
  return choice;
}

}  // namespace vrq5::gui
