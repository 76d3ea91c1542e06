// An option group (radio buttons in one exclusive QButtonGroup) that Tab
// reaches once, on its checked button, so that Space never selects another
// member; the arrow keys move within the group and select as they go (Qt's
// own handling of grouped radio buttons). While no member is checked, or
// the checked one is disabled, the first enabled member takes the tab stop,
// so that the group stays reachable.
//
// Qt alone gives the tab stop to whichever member had the focus last, and
// to every member of a group the focus never entered: Tab would stop on
// unchecked members.
#ifndef VRQ5_GUI_OPTION_GROUP_H_
#define VRQ5_GUI_OPTION_GROUP_H_

class QButtonGroup;
class QString;

namespace vrq5::gui {

// Call once the group holds all its buttons.
void KeepTabOnChecked(QButtonGroup* group);

// Each member is read by a screen reader with the caption of its group
// ("Mscan speed: 3"): several groups have members of the same caption.
void NameByGroup(QButtonGroup* group, const QString& caption);

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_OPTION_GROUP_H_
