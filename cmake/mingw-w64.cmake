# Cross-compiling for 64-bit Windows with MinGW-w64 (the POSIX-threads
# flavour, so std::thread and std::mutex work). The programs are linked
# statically: they need no MinGW DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VRQ5_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VRQ5_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VRQ5_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VRQ5_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VRQ5_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Programs built here run under Wine when a build step or ctest runs them.
find_program(VRQ5_WINE NAMES wine wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(NOT VRQ5_WINE)
  find_program(VRQ5_WINE NAMES wine wine64)
endif()
if(VRQ5_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VRQ5_WINE})
endif()
