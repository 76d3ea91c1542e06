// The settings pages: "Settings 1" (the model, the volume and squelch
// sliders and, below them, the VFO grid) and "Settings2" (every other
// control of the two settings blocks, and the controls no block stores).
// The controls show the document's Settings and write a user's change
// back into it; which changes mark the document changed is the core's
// rule (store/settings_rules.h).
#ifndef VRQ5_GUI_SETTINGS_PAGES_H_
#define VRQ5_GUI_SETTINGS_PAGES_H_

#include <QObject>
#include <functional>
#include <string_view>
#include <vector>

#include "codec/settings.h"
#include "store/document.h"

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QWidget;

namespace vrq5::gui {

class SettingsPages : public QObject {
  Q_OBJECT

 public:
  // Builds the controls on the two pages; `band_plan` (the VFO grid with
  // its caption) goes below the model and sliders of the first.
  SettingsPages(Document& doc, QWidget* settings1, QWidget* settings2,
                QLayout* band_plan);

  // Shows the document's settings and the model's groups.
  void ShowDocument();
  // Selects model member `member` without running the model change.
  void SelectModel(int member);

 signals:
  void changed();
  // A model member was clicked (the model change is the window's).
  void modelClicked(int member);

 private:
  // Marks the document changed where the control's change counts.
  void Mark(std::string_view control);
  // One setting's control, showing the document and writing into it.
  QGroupBox* SliderGroup(const SettingField& f, QWidget* page);
  QCheckBox* CheckSetting(const SettingField& f, QWidget* parent);
  QGroupBox* OptionSetting(const SettingField& f, QWidget* parent);
  QGroupBox* ListSetting(const SettingField& f, QWidget* parent);
  // Lays the shown groups of "Settings2" out in their order, column by
  // column: the groups the model hides take no cell, so none leaves a gap.
  void Reflow();

  Document& doc_;
  std::vector<std::function<void()>> show_;  // each control's refresh
  std::vector<std::pair<QGroupBox*, std::string>> model_groups_;
  QGridLayout* grid_ = nullptr;   // the groups of "Settings2"
  std::vector<QWidget*> groups_;  // in their order on that page
  QButtonGroup* opbModel_ = nullptr;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_SETTINGS_PAGES_H_
