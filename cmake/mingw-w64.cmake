# Cross-builds the plain core for 64-bit Windows with Debian's MinGW-w64 (the
# posix thread model, which std::thread and friends need) and runs what it
# builds under Wine. Executables link the C and C++ runtimes statically, so
# they need no DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TESSALINE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TESSALINE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESSALINE_MINGW_PREFIX}-g++-posix)

set(CMAKE_FIND_ROOT_PATH /usr/${TESSALINE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/wine)
