#include "gui/startup.h"

int main(int argc, char** argv) { return vrq5::gui::StartUp(argc, argv); }
