# Shared by the MinGW-w64 toolchain files: VB_MINGW_TRIPLE names the target.
# The -posix compilers carry the POSIX thread model that std::thread needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VB_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VB_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VB_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VB_MINGW_TRIPLE})
# Programs (terser, gzip) come from the build machine; headers, libraries and
# packages only from the target's root.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The build runs its own tools (the help pages' writer) under Wine, in a
# prefix of the build folder, when the machine has Wine.
find_program(VB_WINE NAMES wine wine64 NO_CMAKE_FIND_ROOT_PATH)
if(VB_WINE AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all ${VB_WINE})
endif()
