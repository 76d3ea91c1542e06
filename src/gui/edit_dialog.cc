#include "gui/edit_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "codec/tables.h"
#include "codec/text.h"
#include "gui/controls.h"
#include "gui/key_filter.h"
#include "gui/note_text.h"
#include "gui/option_group.h"

namespace vrq5::gui {

namespace {

QString Name(const char* base, int index) {
  return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index);
}

QGroupBox* Frame(const char* name, const char* caption, QWidget* parent) {
  auto* frame = new QGroupBox(Text(caption), parent);
  frame->setObjectName(QString::fromLatin1(name));
  return frame;
}

QRadioButton* Option(QButtonGroup* group, const char* base, int index,
                     std::string_view caption, QWidget* parent) {
  auto* button = new QRadioButton(CoreText(caption), parent);
  button->setObjectName(Name(base, index));
  group->addButton(button, index);
  return button;
}

QLabel* Label(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

// What lblReason says of a refusal of the core's checks (empty: none).
QString ReasonText(const Document& doc, const Refusal& refusal) {
  auto mhz = [](double v) {
    return QString::fromStdString(FormatFrequency(v));
  };
  const QString low = mhz(refusal.low), high = mhz(refusal.high);
  switch (refusal.kind) {
    case Refusal::Kind::kNone:
      break;
    case Refusal::Kind::kChannelRange:
      return Text("Frequency refused: a channel takes %1 to %2 MHz.")
          .arg(low, high);
    case Refusal::Kind::kBandLimits:
      return Text("Frequency refused: this band takes %1 to %2 MHz.")
          .arg(low, high);
    case Refusal::Kind::kCellular:
      return Text(
                 "Frequency refused: %1 to %2 MHz is a band of the cellular "
                 "phone, which cannot be set.")
          .arg(low, high);
    case Refusal::Kind::kSearchPassDuplicate:
      if (refusal.slot < 0 || refusal.slot >= kSlotCount) break;
      return Text(
                 "Frequency refused: search-pass channel %1 holds it already, "
                 "and no two search-pass channels may share one.")
          .arg(QString::fromStdString(
              RowName(doc.SlotLabel(refusal.slot), refusal.slot)));
    case Refusal::Kind::kOffsetRange:
      return Text("Offset refused: it must be at least %1 and below %2 MHz.")
          .arg(QString::number(refusal.low), QString::number(refusal.high));
  }
  return QString();
}

QLineEdit* Box(const char* name, int max_length, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setMaxLength(max_length);
  return box;
}

}  // namespace

EditDialog::EditDialog(Document& doc, Prompts& prompts, QWidget* parent)
    : QDialog(parent), doc_(doc), prompts_(prompts) {
  setObjectName(QStringLiteral("dlgModify"));
  setWindowTitle(Text("Modify Memory"));
  setModal(true);

  lblMode_ = Label("lblMode", QString(), this);
  lblCH_ = Label("lblCH_0", QString(), this);
  lblMHz_ = Label("lblMHz", QString(), this);
  QFont strong = lblMode_->font();
  strong.setBold(true);
  lblMode_->setFont(strong);
  lblCH_->setFont(strong);

  txtFreq_ = Box("txtFreq", 11, this);
  txtFreq_->setAlignment(Qt::AlignRight);
  txtFreq_->setMinimumWidth(
      fontMetrics().horizontalAdvance(QStringLiteral("1099.9999999")) + 16);
  InstallKeyFilter(txtFreq_, KeyFilter::kNumber);
  txtFreq_->installEventFilter(this);

  lblReason_ = Label("lblReason", QString(), this);
  // Read by its text (the reason), which is announced as it changes.
  lblReason_->setAccessibleDescription(Text("Why the value typed was refused"));
  lblReason_->setWordWrap(true);
  QPalette warning = lblReason_->palette();
  warning.setColor(QPalette::WindowText,
                   WarningColor(warning.color(QPalette::Window)));
  lblReason_->setPalette(warning);
  lblReason_->hide();

  auto* frame1 = Frame("Frame1", Tr("Modulation Mode"), this);
  opbWave_ = new QButtonGroup(this);
  auto* wave_layout = new QHBoxLayout(frame1);
  for (int i = 0; i < 3; ++i) {
    wave_layout->addWidget(
        Option(opbWave_, "opbWave", i, kWaveCaptions[i], frame1));
  }

  auto* frame2 = Frame("Frame2", Tr("Tuning Step"), this);
  opbStep_ = new QButtonGroup(this);
  auto* step_layout = new QGridLayout(frame2);
  for (int i = 0; i < kStepButtons; ++i) {
    step_buttons_[i] = Option(opbStep_, "opbStep", i, StepName[i], frame2);
    step_layout->addWidget(step_buttons_[i], i % 6, i / 6);
  }

  auto* frame3 = Frame("Frame3", Tr("Option"), this);
  opbTone_ = new QButtonGroup(this);
  auto* option_layout = new QGridLayout(frame3);
  for (int i = 0; i < kOptionButtons; ++i) {
    tone_buttons_[i] =
        Option(opbTone_, "opbTone", i, kOptionCaptions[i], frame3);
    option_layout->addWidget(tone_buttons_[i], i, 0);
  }
  cbbTxTone_ = new QComboBox(frame3);
  cbbTxTone_->setObjectName(QStringLiteral("cbbTxTone"));
  for (std::string_view tone : ToneName) cbbTxTone_->addItem(AsciiText(tone));
  cbbTxTone_->setCurrentIndex(0);
  cbbAir_ = new QComboBox(frame3);
  cbbAir_->setObjectName(QStringLiteral("cbbAir"));
  for (int k = 0; k < kCarrierItems; ++k) {
    cbbAir_->addItem(AsciiText(CarrierText(k)));
  }
  cbbSec_ = new QComboBox(frame3);
  cbbSec_->setObjectName(QStringLiteral("cbbSec"));
  for (int k = 0; k < kSecretItems; ++k) cbbSec_->addItem(QString::number(k));
  auto labelled = [&](const char* caption, QComboBox* box, int row) {
    auto* label = new QLabel(Text(caption), frame3);
    label->setBuddy(box);
    option_layout->addWidget(label, row, 1);
    option_layout->addWidget(box, row, 2);
  };
  labelled(Tr("Tone"), cbbTxTone_, 2);
  labelled(Tr("Carrier"), cbbAir_, 1);
  labelled(Tr("Secret code"), cbbSec_, 4);

  auto* frame4 = Frame("Frame4", Tr("Shift"), this);
  opbSift_ = new QButtonGroup(this);
  auto* shift_layout = new QGridLayout(frame4);
  for (int i = 0; i < 3; ++i) {
    shift_layout->addWidget(
        Option(opbSift_, "opbSift", i, kShiftCaptions[i], frame4), 0, i);
  }
  txtShift_ = Box("txtShift", 9, frame4);
  txtShift_->setAlignment(Qt::AlignRight);
  InstallKeyFilter(txtShift_, KeyFilter::kNumber);
  txtShift_->installEventFilter(this);
  shift_layout->addWidget(Label("Label6", Text("Offset Frequency"), frame4), 1,
                          0, 1, 2);
  shift_layout->addWidget(txtShift_, 1, 2);
  shift_layout->addWidget(Label("Label7", QStringLiteral("MHz"), frame4), 1, 3);

  const std::pair<QButtonGroup*, QGroupBox*> option_groups[] = {
      {opbWave_, frame1},
      {opbStep_, frame2},
      {opbTone_, frame3},
      {opbSift_, frame4}};
  for (auto [group, frame] : option_groups) {
    KeepTabOnChecked(group);
    NameByGroup(group, frame->title());
  }

  chkSkip_ = new QCheckBox(Text("Skip"), this);
  chkSkip_->setObjectName(QStringLiteral("chkSkip"));
  chkEnable_ = new QCheckBox(Text("Enable"), this);
  chkEnable_->setObjectName(QStringLiteral("chkEnable"));
  chkEnable_->hide();
  chkHold_ = new QCheckBox(Text("Hold"), this);
  chkHold_->setObjectName(QStringLiteral("chkHold"));

  txtNote_ = Box("txtNote", 30, this);
  txtName_ = Box("txtName", 6, this);
  InstallKeyFilter(txtName_, KeyFilter::kName);
  label4_ = Label("Label4", Text("NAME"), this);

  auto* ok = new QPushButton(Text("&OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  ok->setAutoDefault(true);
  auto* cancel = new QPushButton(Text("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  cancel->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &EditDialog::OkClicked);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  // What a memory slot's editing left in the controls, for Hold.
  connect(this, &QDialog::finished, this, [this] {
    if (edit_target_ == 1) memory_controls_ = Controls();
  });

  // Layout: where the channel lives and its frequency on top, the groups
  // below, note and name, then the buttons.
  auto* top = new QGridLayout;
  top->addWidget(lblMode_, 0, 0);
  top->addWidget(lblCH_, 0, 1);
  QLabel* frequency = Label("Label1", Text("Frequency"), this);
  frequency->setBuddy(txtFreq_);
  top->addWidget(frequency, 1, 0);
  top->addWidget(txtFreq_, 1, 1);
  top->addWidget(Label("Label2", QStringLiteral("MHz"), this), 1, 2);
  top->addWidget(lblMHz_, 1, 3);
  top->addWidget(lblReason_, 2, 0, 1, 4);
  top->setColumnStretch(3, 1);

  auto* left = new QVBoxLayout;
  left->addWidget(frame1);
  left->addWidget(frame2);
  auto* right = new QVBoxLayout;
  right->addWidget(frame3);
  right->addWidget(frame4);
  auto* checks = new QHBoxLayout;
  checks->addWidget(chkSkip_);
  checks->addWidget(chkHold_);
  checks->addWidget(chkEnable_);
  checks->addStretch();
  right->addLayout(checks);
  right->addStretch();
  auto* groups = new QHBoxLayout;
  groups->addLayout(left);
  groups->addLayout(right);

  auto* texts = new QGridLayout;
  QLabel* note = Label("Label3", Text("Note"), this);
  note->setBuddy(txtNote_);
  label4_->setBuddy(txtName_);
  texts->addWidget(note, 0, 0);
  texts->addWidget(txtNote_, 0, 1);
  texts->addWidget(label4_, 0, 2);
  texts->addWidget(txtName_, 0, 3);
  texts->setColumnStretch(1, 3);
  texts->setColumnStretch(3, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(groups);
  layout->addLayout(texts);
  layout->addLayout(buttons);
}

void EditDialog::SelectMember(QButtonGroup* group, int member) {
  if (QAbstractButton* button = group->button(member)) {
    button->setChecked(true);
    return;
  }
  // No member for this code: none is selected.
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(false);
  group->setExclusive(true);
}

EntryControls EditDialog::Controls() const {
  EntryControls c;
  c.txtFreq = txtFreq_->text().toStdString();
  c.opbWave = opbWave_->checkedId();
  c.opbStep = opbStep_->checkedId();
  c.opbTone = opbTone_->checkedId();
  c.cbbTxTone = cbbTxTone_->currentIndex();
  c.cbbAir = cbbAir_->currentIndex();
  c.cbbSec = cbbSec_->currentIndex();
  c.opbSift = opbSift_->checkedId();
  c.txtShift = txtShift_->text().toStdString();
  c.chkSkip = chkSkip_->isChecked() ? 1 : 0;
  c.chkEnable = chkEnable_->isChecked() ? 1 : 0;
  c.txtNote = NoteFromDisplay(txtNote_->text(), note_bytes_);
  c.txtName = txtName_->text().toStdString();
  c.cbbAirEnabled = cbbAir_->isEnabled();
  c.cbbSecEnabled = cbbSec_->isEnabled();
  for (int i = 0; i < kOptionButtons; ++i) {
    c.opbToneEnabled[i] = tone_buttons_[i]->isEnabled();
  }
  for (int i = 0; i < kStepButtons; ++i) {
    c.opbStepEnabled[i] = step_buttons_[i]->isEnabled();
  }
  return c;
}

void EditDialog::SetControls(const EntryControls& c) {
  txtFreq_->setText(QString::fromStdString(c.txtFreq));
  SelectMember(opbWave_, c.opbWave);
  SelectMember(opbStep_, c.opbStep);
  SelectMember(opbTone_, c.opbTone);
  cbbTxTone_->setCurrentIndex(c.cbbTxTone);
  cbbAir_->setCurrentIndex(c.cbbAir);
  cbbSec_->setCurrentIndex(c.cbbSec);
  SelectMember(opbSift_, c.opbSift);
  txtShift_->setText(QString::fromStdString(c.txtShift));
  chkSkip_->setChecked(c.chkSkip == 1);
  chkEnable_->setChecked(c.chkEnable == 1);
  note_bytes_ = c.txtNote;
  txtNote_->setText(NoteToDisplay(c.txtNote));
  txtName_->setText(AsciiText(c.txtName));
  cbbAir_->setEnabled(c.cbbAirEnabled);
  cbbSec_->setEnabled(c.cbbSecEnabled);
  for (int i = 0; i < kOptionButtons; ++i) {
    tone_buttons_[i]->setEnabled(c.opbToneEnabled[i]);
  }
  for (int i = 0; i < kStepButtons; ++i) {
    step_buttons_[i]->setEnabled(c.opbStepEnabled[i]);
  }
}

void EditDialog::ShowLabels(const EntryLabels& labels) {
  setWindowTitle(CoreText(labels.caption));
  lblMode_->setText(CoreText(labels.lblMode));
  lblCH_->setText(CoreText(labels.lblCH));
  lblMHz_->setText(CoreText(labels.lblMHz));
}

void EditDialog::OpenMemory(int row) {
  if (row < 1 || row > kSlotCount) return;
  edit_target_ = 1;
  edit_index_ = row;
  ShowLabels(MemoryEntryLabels(doc_, row));
  chkEnable_->hide();
  chkSkip_->show();
  chkHold_->show();
  txtName_->show();
  label4_->show();
  for (QAbstractButton* b : opbWave_->buttons()) b->setEnabled(true);
  // Hold keeps what the dialog last showed for a memory slot: the band
  // editor, which shares the controls, may have filled them since.
  EntryControls c = memory_controls_ ? *memory_controls_ : Controls();
  OpenMemoryEntry(doc_, row, chkHold_->isChecked(), c);
  SetControls(c);
  ShowReasons(QString(), QString());
  open();
}

void EditDialog::OpenVfo(int row) {
  if (row < 1 || row > kVfoBands) return;
  int band = row - 1;
  EntryControls c = Controls();
  if (!OpenVfoEntry(doc_, band, c)) return;
  edit_target_ = 0;
  edit_index_ = row;
  ShowLabels(VfoEntryLabels(doc_.ModelIndex, band));
  chkEnable_->hide();
  chkSkip_->hide();
  chkHold_->hide();
  txtName_->hide();
  label4_->hide();
  for (QAbstractButton* b : opbWave_->buttons()) b->setEnabled(true);
  SetControls(c);
  ShowReasons(QString(), QString());
  open();
}

void EditDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  txtFreq_->setFocus(Qt::OtherFocusReason);
  txtFreq_->selectAll();
}

bool EditDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && isVisible() &&
      IsControlFocusLoss(static_cast<QFocusEvent*>(event)->reason())) {
    if (watched == txtFreq_) {
      LeaveFrequency();
    } else if (watched == txtShift_) {
      LeaveOffset();
    }
  }
  return QDialog::eventFilter(watched, event);
}

bool EditDialog::LeaveFrequency() {
  int index = edit_index_ - 1;
  std::string text = txtFreq_->text().toStdString();
  BoxCheck check =
      edit_target_ == 1
          ? CheckMemoryFrequency(doc_, index, doc_.ModelIndex, text)
          : CheckVfoFrequency(doc_, index, doc_.ModelIndex, text);
  if (check.message) prompts_.Show(this, *check.message);
  txtFreq_->setText(QString::fromStdString(check.text));
  ShowReasons(ReasonText(doc_, check.refusal), offset_reason_);
  return !check.message;
}

void EditDialog::LeaveOffset() {
  int index = edit_index_ - 1;
  const Slot& stored = edit_target_ == 1 ? doc_.Mem[index] : doc_.Vfo[index];
  BoxCheck check = CheckMemoryOffset(stored, txtShift_->text().toStdString());
  txtShift_->setText(QString::fromStdString(check.text));
  ShowReasons(frequency_reason_, ReasonText(doc_, check.refusal));
}

void EditDialog::ShowReasons(const QString& frequency, const QString& offset) {
  frequency_reason_ = frequency;
  offset_reason_ = offset;
  QStringList shown;
  for (const QString& reason : {frequency, offset}) {
    if (!reason.isEmpty()) shown << reason;
  }
  lblReason_->setText(shown.join(QLatin1Char('\n')));
  lblReason_->setVisible(!shown.isEmpty());
}

void EditDialog::OkClicked() {
  // Enter reaches OK without leaving the boxes, so their checks run here
  // too; a refused frequency keeps the dialog open.
  if (!LeaveFrequency()) {
    txtFreq_->setFocus(Qt::OtherFocusReason);
    txtFreq_->selectAll();
    return;
  }
  LeaveOffset();
  int index = edit_index_ - 1;
  if (edit_target_ == 1) {
    StoreMemoryEntry(doc_, index, Controls());
    accept();
    emit stored(index);
  } else {
    StoreVfoEntry(doc_, index, Controls());
    accept();
    emit vfoStored(index);
  }
}

}  // namespace vrq5::gui
