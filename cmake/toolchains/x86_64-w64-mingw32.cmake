# Cross-builds the engine, the command line and the engine tests for
# 64-bit Windows with Debian's MinGW-w64 (the -posix compilers):
#   cmake -S . -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/x86_64-w64-mingw32.cmake -DVB_GUI=OFF
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(VB_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
