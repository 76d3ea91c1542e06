// TabStrip1: the window's four page tabs, each caption with its access key
// (Alt+1, Alt+2, Alt+M, Alt+B), and the keys that change the page from
// anywhere in the window: Ctrl+Tab and Ctrl+PageDown the next page,
// Ctrl+Shift+Tab and Ctrl+PageUp the previous one, both ends wrapping
// around. Every key changes the page as a click on its tab does, so the
// strip's handler (and the page change it may refuse) applies alike; while
// the strip is disabled (a transfer runs) the keys do nothing.
#ifndef VRQ5_GUI_TAB_STRIP_H_
#define VRQ5_GUI_TAB_STRIP_H_

class QTabBar;
class QWidget;

namespace vrq5::gui {

// The strip in `parent`, its page keys on `window`.
QTabBar* MakeTabStrip(QWidget* parent, QWidget* window);

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_TAB_STRIP_H_
