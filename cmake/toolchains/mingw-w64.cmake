# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build-windows --toolchain cmake/toolchains/mingw-w64.cmake -DPRG715_BUILD_UI=OFF
# The -posix thread model gives std::thread and std::mutex. The C++ runtime, libgcc and
# winpthread are linked in statically, so the programs need no DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PRG715_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PRG715_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PRG715_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${PRG715_MINGW}-windres)

# Headers and libraries only from the cross tree (and from folders named by the build), never
# from the build machine's /usr/include.
set(CMAKE_FIND_ROOT_PATH /usr/${PRG715_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Windows 10 and later: CancelIoEx, high-resolution waitable timers. MinGW's own printf family,
# which knows %zu and %lld (the system's msvcrt printf does not).
add_compile_definitions(_WIN32_WINNT=0x0A00 WINVER=0x0A00 UNICODE _UNICODE
                        __USE_MINGW_ANSI_STDIO=1)

# Test programs run under wine (ctest starts them through it).
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
