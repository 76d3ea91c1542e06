// The rules of the settings pages: which controls mark the document
// changed when the user changes them, the controls no settings block
// stores, and the groups that only the VR-Q5J shows.
#ifndef VRQ5_STORE_SETTINGS_RULES_H_
#define VRQ5_STORE_SETTINGS_RULES_H_

#include <string>
#include <string_view>
#include <vector>

namespace vrq5 {

// A control's object name: the settings field's control name with a
// member index written "_N" ("cbbRemocon(2)" is "cbbRemocon_2").
std::string ControlObjectName(std::string_view control);

// Whether a user change of the control (object name; an option member's
// name without its index) sets DataChanged.
bool MarksDocumentChanged(std::string_view control);

// Controls of the pages that no block, clone file or transfer carries; a
// user change only marks the document changed.
struct UnstoredControl {
  std::string_view control;  // object name
  std::string_view caption;  // check-box caption, or option-group caption
  std::vector<std::string_view> members;  // option members; empty: check box
};
const std::vector<UnstoredControl>& UnstoredControls();

// The groups "Rec. Rate", "Bug Type", "Lock BUG" and "Bug Sensitive Level"
// exist on the VR-Q5J only.
bool ShownForModel(std::string_view control, int model_index);

}  // namespace vrq5

#endif  // VRQ5_STORE_SETTINGS_RULES_H_
