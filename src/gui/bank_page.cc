#include "gui/bank_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/controls.h"
#include "gui/key_filter.h"
#include "gui/note_text.h"
#include "store/bank_rules.h"

namespace vrq5::gui {

namespace {

constexpr int kBlocks = 5;
constexpr int kBanksPerBlock = 10;
constexpr int kGroups = 10;

QString Indexed(const char* base, int index) {
  return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index);
}

// A bank's number as the page shows it: 00 .. 49.
QString TwoDigits(int bank) {
  return QStringLiteral("%1").arg(bank, 2, 10, QLatin1Char('0'));
}

QLabel* Label(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

BankPage::BankPage(Document& doc, Prompts& prompts, QWidget* parent)
    : QWidget(parent), doc_(doc), prompts_(prompts) {
  // Sizes: five blocks of ten banks, each bank a row of number, size box
  // and link box.
  auto* sizes = new QGroupBox(Text("Channels per bank"), this);
  sizes->setObjectName(QStringLiteral("fraBankSize"));
  auto* size_layout = new QGridLayout(sizes);
  size_layout->setVerticalSpacing(2);
  int box_width = fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12;
  for (int bank = 0; bank < kBankCount; ++bank) {
    int block = bank / kBanksPerBlock;
    int row = bank % kBanksPerBlock;
    auto* number = new QLabel(TwoDigits(bank), sizes);
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* box = new QLineEdit(sizes);
    box->setObjectName(Indexed("txtBank", bank));
    box->setAccessibleName(Text("Bank %1 size").arg(TwoDigits(bank)));
    box->setMaxLength(4);
    box->setFixedWidth(box_width);
    box->setAlignment(Qt::AlignRight);
    InstallKeyFilter(box, KeyFilter::kBankSize);
    box->installEventFilter(this);
    connect(box, &QLineEdit::textEdited, this,
            [this, bank](const QString& text) {
              doc_.txtBank[bank] = text.toStdString();
            });
    auto* link = new QCheckBox(Text("Link"), sizes);
    link->setObjectName(Indexed("chkLink", bank));
    link->setAccessibleName(Text("Bank %1 link").arg(TwoDigits(bank)));
    connect(link, &QCheckBox::clicked, this, [this, bank](bool ticked) {
      SetLinkBox(doc_, bank, ticked);
      chkLink_[bank]->setChecked(doc_.chkLink[bank] == 1);
      emit changed();
    });
    txtBank_[bank] = box;
    chkLink_[bank] = link;
    size_layout->addWidget(number, row, block * 4);
    size_layout->addWidget(box, row, block * 4 + 1);
    size_layout->addWidget(link, row, block * 4 + 2);
    if (block + 1 < kBlocks)
      size_layout->setColumnMinimumWidth(block * 4 + 3, 18);
  }
  auto* total_row = new QHBoxLayout;
  total_row->addStretch();
  total_row->addWidget(new QLabel(Text("Total CH"), sizes));
  lblAll_ = Label(QStringLiteral("lblAll"), QStringLiteral("1000"), sizes);
  lblAll_->setMinimumWidth(box_width);
  lblAll_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblAll_->setFrameShape(QFrame::StyledPanel);
  total_row->addWidget(lblAll_);
  size_layout->addLayout(total_row, kBanksPerBlock, 0, 1, kBlocks * 4);

  // Groups: a column per bank in five blocks of ten, a row per group.
  auto* groups = new QGroupBox(Text("Bank groups"), this);
  groups->setObjectName(QStringLiteral("fraGroup"));
  auto* grid = new QGridLayout(groups);
  grid->setHorizontalSpacing(0);
  grid->setVerticalSpacing(0);
  grid->addWidget(Label(QStringLiteral("lblGroup_0"), Text("Group"), groups), 1,
                  0);
  auto column_of = [](int bank) {
    return 1 + bank + bank / kBanksPerBlock;  // a gap column between blocks
  };
  for (int b = 0; b < kBlocks; ++b) {
    QString caption = Text("BANK %1 - %2")
                          .arg(b * kBanksPerBlock)
                          .arg(b * kBanksPerBlock + kBanksPerBlock - 1);
    auto* heading = Label(Indexed("lblBank10", b), caption, groups);
    heading->setAlignment(Qt::AlignCenter);
    grid->addWidget(heading, 0, column_of(b * kBanksPerBlock), 1,
                    kBanksPerBlock);
  }
  for (int c = 0; c < kBankCount; ++c) {
    auto* digit = Label(Indexed("lblBank", c), QString::number(c % 10), groups);
    digit->setAlignment(Qt::AlignCenter);
    grid->addWidget(digit, 1, column_of(c));
  }
  for (int b = 0; b + 1 < kBlocks; ++b) {
    grid->setColumnMinimumWidth(column_of(b * kBanksPerBlock) + kBanksPerBlock,
                                10);
  }
  for (int g = 1; g <= kGroups; ++g) {
    grid->addWidget(
        Label(Indexed("lblGroup", g), CoreText(GroupLabel(g)), groups), 1 + g,
        0);
  }
  for (int k = 0; k < 550; ++k) {
    auto* box = new QCheckBox(groups);
    box->setObjectName(Indexed("chkGrp", k));
    chkGrp_[k] = box;
    int group = k / kBankCount;
    int bank = k % kBankCount;
    if (group == 0) {
      box->hide();  // row 0 is never shown
      continue;
    }
    box->setToolTip(
        Text("%1, bank %2").arg(CoreText(GroupLabel(group)), TwoDigits(bank)));
    box->setAccessibleName(box->toolTip());
    grid->addWidget(box, 1 + group, column_of(bank), Qt::AlignCenter);
    connect(box, &QCheckBox::clicked, this, [this, k](bool ticked) {
      SetGroupBox(doc_, k, ticked);
      text4_->setText(QString::number(k));
      emit changed();
    });
  }
  auto* last = new QHBoxLayout;
  last->addStretch();
  // Text4 holds the number of the group box clicked last (group x 50 +
  // bank).
  auto* text4_label =
      new QLabel(Text("Group box clicked last (group x 50 + bank)"), groups);
  last->addWidget(text4_label);
  text4_ = new QLineEdit(groups);
  text4_label->setBuddy(text4_);
  text4_->setObjectName(QStringLiteral("Text4"));
  text4_->setReadOnly(true);
  text4_->setFocusPolicy(Qt::NoFocus);
  text4_->setFixedWidth(box_width);
  last->addWidget(text4_);
  grid->addLayout(last, 2 + kGroups, 0, 1, column_of(kBankCount - 1) + 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(sizes);
  layout->addWidget(groups);
  layout->addStretch();
  ShowDocument();
}

void BankPage::ShowDocument() {
  for (int bank = 0; bank < kBankCount; ++bank) {
    txtBank_[bank]->setText(QString::fromStdString(doc_.txtBank[bank]));
    chkLink_[bank]->setChecked(doc_.chkLink[bank] == 1);
  }
  for (int k = 0; k < 550; ++k) chkGrp_[k]->setChecked(doc_.chkGrp[k] == 1);
  ShowTotal();
}

void BankPage::ShowTotal() {
  lblAll_->setText(QString::fromStdString(doc_.lblAll));
  // Marked in the palette's highlight while the sizes miss 1000.
  const bool off = !BankTotalComplete(doc_);
  lblAll_->setAutoFillBackground(off);
  lblAll_->setBackgroundRole(off ? QPalette::Highlight : QPalette::Window);
  lblAll_->setForegroundRole(off ? QPalette::HighlightedText
                                 : QPalette::WindowText);
  lblAll_->setToolTip(off ? Text(kMsgTotalChannels.data()) : QString());
}

void BankPage::LeaveEditedBox() {
  QWidget* focus = QApplication::focusWidget();
  if (BankOfBox(focus) >= 0) focus->clearFocus();  // FocusOut: LeaveBox
}

int BankPage::BankOfBox(QObject* box) const {
  for (int bank = 0; bank < kBankCount; ++bank) {
    if (txtBank_[bank] == box) return bank;
  }
  return -1;
}

void BankPage::LeaveBox(int bank) {
  std::optional<Message> message = LeaveBankBox(doc_, bank);
  if (message) prompts_.Show(this, *message);
  txtBank_[bank]->setText(QString::fromStdString(doc_.txtBank[bank]));
  chkLink_[bank]->setChecked(doc_.chkLink[bank] == 1);
  ShowTotal();
  emit changed();
}

bool BankPage::eventFilter(QObject* watched, QEvent* event) {
  int bank = BankOfBox(watched);
  if (bank < 0) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn: {
      QLineEdit* box = txtBank_[bank];
      QTimer::singleShot(0, box, [box] { box->selectAll(); });
      break;
    }
    case QEvent::FocusOut:
      if (IsControlFocusLoss(static_cast<QFocusEvent*>(event)->reason())) {
        LeaveBox(bank);
      }
      break;
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      bool plain =
          (key->modifiers() &
           (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
          (plain && key->key() == Qt::Key_Down)) {
        txtBank_[NextBankBox(bank)]->setFocus(Qt::TabFocusReason);
        return true;
      }
      if (plain && key->key() == Qt::Key_Up) {
        txtBank_[PreviousBankBox(bank)]->setFocus(Qt::BacktabFocusReason);
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace vrq5::gui
