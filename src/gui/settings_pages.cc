#include "gui/settings_pages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "codec/settings.h"
#include "codec/tables.h"
#include "gui/controls.h"
#include "gui/note_text.h"
#include "gui/option_group.h"
#include "store/settings_rules.h"

namespace vrq5::gui {

namespace {

// The groups of "Settings2" stand this many to a column.
constexpr int kGroupRows = 7;

QString Qs(std::string_view text) { return AsciiText(text); }

QString Member(std::string_view base, int index) {
  return QStringLiteral("%1_%2").arg(Qs(base)).arg(index);
}

// Option members side by side in a captioned group: up to four in a row,
// longer groups three a row.
QGroupBox* OptionGroup(QWidget* parent, std::string_view name,
                       std::string_view caption,
                       const std::vector<std::string_view>& members,
                       QButtonGroup*& group) {
  auto* box = new QGroupBox(CoreText(caption), parent);
  box->setObjectName(QStringLiteral("fra") + Qs(name));
  auto* layout = new QGridLayout(box);
  group = new QButtonGroup(box);
  int count = static_cast<int>(members.size());
  int columns = count <= 4 ? 4 : 3;
  for (int i = 0; i < count; ++i) {
    auto* button = new QRadioButton(CoreText(members[i]), box);
    button->setObjectName(Member(name, i));
    group->addButton(button, i);
    layout->addWidget(button, i / columns, i % columns);
  }
  KeepTabOnChecked(group);
  NameByGroup(group, box->title());
  return box;
}

}  // namespace

SettingsPages::SettingsPages(Document& doc, QWidget* settings1,
                             QWidget* settings2, QLayout* band_plan)
    : QObject(settings1), doc_(doc) {
  // ----- Settings 1: model, volume, squelch, then the band plan -----
  auto* top = new QHBoxLayout;
  std::vector<std::string_view> models(ModelName.begin(), ModelName.end());
  QGroupBox* model_box =
      OptionGroup(settings1, "opbModel", "Model", models, opbModel_);
  for (int i = 4; i < kModelOptionCount; ++i) {
    opbModel_->button(i)->setEnabled(false);
  }
  connect(opbModel_, &QButtonGroup::idClicked, this,
          [this](int member) { emit modelClicked(member); });
  top->addWidget(model_box);

  // ----- Settings2: every other control, in columns of groups -----
  grid_ = new QGridLayout(settings2);
  auto place = [&](QWidget* w) { groups_.push_back(w); };
  auto* checks_box = new QGroupBox(QString(), settings2);
  checks_box->setObjectName(QStringLiteral("fraChecks"));
  auto* checks = new QGridLayout(checks_box);
  int check_count = 0;
  auto add_check = [&](QCheckBox* box) {
    checks->addWidget(box, check_count % 7, check_count / 7);
    ++check_count;
  };

  for (const SettingField& f : SettingFields()) {
    switch (f.kind) {
      case SettingKind::kSlider:
        top->addWidget(SliderGroup(f, settings1));
        break;
      case SettingKind::kCheck:
      case SettingKind::kCheckInverted:
        add_check(CheckSetting(f, checks_box));
        break;
      case SettingKind::kOption:
        place(OptionSetting(f, settings2));
        break;
      case SettingKind::kList:
        place(ListSetting(f, settings2));
        break;
    }
  }
  for (const UnstoredControl& u : UnstoredControls()) {
    std::string control(u.control);
    if (u.members.empty()) {
      auto* box = new QCheckBox(CoreText(u.caption), checks_box);
      box->setObjectName(Qs(control));
      connect(box, &QCheckBox::clicked, this,
              [this, control] { Mark(control); });
      add_check(box);
    } else {
      QButtonGroup* group = nullptr;
      place(OptionGroup(settings2, control, u.caption, u.members, group));
      group->button(0)->setChecked(true);
      connect(group, &QButtonGroup::idClicked, this,
              [this, control] { Mark(control); });
    }
  }
  place(checks_box);
  grid_->setRowStretch(kGroupRows, 1);

  auto* page1 = new QVBoxLayout(settings1);
  top->addStretch();
  page1->addLayout(top);
  page1->addLayout(band_plan);
  page1->addStretch();
  ShowDocument();
}

void SettingsPages::Mark(std::string_view control) {
  if (MarksDocumentChanged(control)) doc_.DataChanged = -1;
  emit changed();
}

// A slider with the label of its value; the volume's group also holds
// "Lo Volume".
QGroupBox* SettingsPages::SliderGroup(const SettingField& f, QWidget* page) {
  std::string control = ControlObjectName(f.control);
  const bool volume = control == "Slider1";
  auto* box = new QGroupBox(CoreText(f.caption), page);
  auto* layout = new QHBoxLayout(box);
  auto* slider = new QSlider(Qt::Horizontal, box);
  slider->setObjectName(Qs(control));
  slider->setRange(0, f.maximum);
  slider->setMinimumWidth(FontSized(slider, 26, 0).width());
  auto* label = new QLabel(QStringLiteral("0"), box);
  label->setObjectName(volume ? QStringLiteral("lblVol")
                              : QStringLiteral("lblSql"));
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance("000"));
  layout->addWidget(slider, 1);
  layout->addWidget(label);
  if (volume) {
    auto* lo = new QCheckBox(Text("Lo Volume"), page);
    lo->setObjectName(QStringLiteral("chkLoVolume"));
    connect(lo, &QCheckBox::clicked, this, [this] { Mark("chkLoVolume"); });
    layout->addWidget(lo);
  }
  connect(slider, &QSlider::valueChanged, label,
          [label](int v) { label->setText(QString::number(v)); });
  connect(slider, &QSlider::valueChanged, this,
          [this, f, control, slider](int v) {
            if (slider->signalsBlocked()) return;
            f.member(doc_.settings) = v;
            Mark(control);
          });
  show_.push_back([this, f, slider, label] {
    QSignalBlocker block(slider);
    slider->setValue(f.Get(doc_.settings));
    label->setText(QString::number(slider->value()));
  });
  return box;
}

QCheckBox* SettingsPages::CheckSetting(const SettingField& f, QWidget* parent) {
  std::string control = ControlObjectName(f.control);
  auto* box = new QCheckBox(CoreText(f.caption), parent);
  box->setObjectName(Qs(control));
  connect(box, &QCheckBox::clicked, this, [this, f, control](bool ticked) {
    f.member(doc_.settings) = ticked ? 1 : 0;
    Mark(control);
  });
  show_.push_back(
      [this, f, box] { box->setChecked(f.Get(doc_.settings) == 1); });
  return box;
}

QGroupBox* SettingsPages::OptionSetting(const SettingField& f,
                                        QWidget* parent) {
  std::string control = ControlObjectName(f.control);
  QButtonGroup* group = nullptr;
  QGroupBox* box = OptionGroup(parent, control, f.caption, f.items, group);
  connect(group, &QButtonGroup::idClicked, this,
          [this, f, control](int member) {
            f.member(doc_.settings) = member;
            Mark(control);
          });
  show_.push_back([this, f, group] {
    if (QAbstractButton* b = group->button(f.Get(doc_.settings))) {
      b->setChecked(true);
    }
  });
  if (!ShownForModel(control, 1)) model_groups_.push_back({box, control});
  return box;
}

QGroupBox* SettingsPages::ListSetting(const SettingField& f, QWidget* parent) {
  std::string control = ControlObjectName(f.control);
  auto* box = new QGroupBox(CoreText(f.caption), parent);
  box->setObjectName(QStringLiteral("fra") + Qs(control));
  auto* layout = new QVBoxLayout(box);
  auto* list = new QComboBox(box);
  list->setObjectName(Qs(control));
  list->setAccessibleName(box->title());
  for (std::string_view item : f.items) list->addItem(CoreText(item));
  layout->addWidget(list);
  connect(list, &QComboBox::activated, this, [this, f, control](int position) {
    f.member(doc_.settings) = position;
    Mark(control);
  });
  show_.push_back(
      [this, f, list] { list->setCurrentIndex(f.Get(doc_.settings)); });
  return box;
}

void SettingsPages::ShowDocument() {
  for (auto& show : show_) show();
  for (auto& [box, control] : model_groups_) {
    box->setVisible(ShownForModel(control, doc_.ModelIndex));
  }
  Reflow();
  SelectModel(doc_.opbModel);
}

void SettingsPages::Reflow() {
  std::vector<QWidget*> shown;
  for (QWidget* group : groups_) {
    grid_->removeWidget(group);
    if (!group->isHidden()) shown.push_back(group);
  }
  for (int cell = 0; cell < static_cast<int>(shown.size()); ++cell) {
    const int row = cell % kGroupRows;
    // The last group (the tall one of the check boxes) takes the rest of
    // its column, so that it stretches no row of the others.
    const int rows =
        cell + 1 == static_cast<int>(shown.size()) ? kGroupRows - row : 1;
    grid_->addWidget(shown[cell], row, cell / kGroupRows, rows, 1);
  }
}

void SettingsPages::SelectModel(int member) {
  if (QAbstractButton* b = opbModel_->button(member)) b->setChecked(true);
}

}  // namespace vrq5::gui
