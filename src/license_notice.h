#ifndef VRQ5_LICENSE_NOTICE_H_
#define VRQ5_LICENSE_NOTICE_H_

// What both programs print under their name and version for --version.
#define VRQ5_LICENSE_NOTICE                                         \
  "License GPL-3.0-or-later: GNU GPL version 3 or later "           \
  "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"                  \
  "This is free software: you are free to change and redistribute " \
  "it.\n"                                                           \
  "There is NO WARRANTY, to the extent permitted by law.\n"

#endif  // VRQ5_LICENSE_NOTICE_H_
