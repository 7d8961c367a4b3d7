# Cross-compiles for 64-bit Windows with MinGW-w64 (Debian:
# g++-mingw-w64-x86-64-posix, the variant with C++ threads). Programs are
# linked statically against the GCC runtime so that they run under Wine, or
# on Windows, with no MinGW DLLs beside them.
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DSW_BUILD_QT=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SW_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SW_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SW_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${SW_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${SW_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Test programs run under Wine when it is there (ctest, gtest discovery).
find_program(SW_WINE64 NAMES wine64 wine)
if(SW_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${SW_WINE64})
endif()
