// StartUp: the splash window while the tables are built and the main
// window loads, the clone file named on the command line, and the run.
#ifndef VRQ5_GUI_STARTUP_H_
#define VRQ5_GUI_STARTUP_H_

namespace vrq5::gui {

// The program's entry; returns its exit status.
int StartUp(int argc, char** argv);

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_STARTUP_H_
