# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads), for Qt itself and
# for the program. Programs built with it run here under Wine: CMAKE_CROSSCOMPILING_EMULATOR
# lets ctest and gtest_discover_tests start them (scripts/wine-run.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VARODARA_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${VARODARA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARODARA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VARODARA_MINGW}-windres)
set(CMAKE_STRIP ${VARODARA_MINGW}-strip)
set(CMAKE_OBJDUMP ${VARODARA_MINGW}-objdump)

# Headers and libraries for Windows only from the cross toolchain and the prefixes named
# (Qt for Windows); programs such as moc from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${VARODARA_MINGW} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
