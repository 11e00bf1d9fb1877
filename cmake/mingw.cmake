# Cross-compiles for Windows with MinGW-w64 (posix threads, which GoogleTest
# needs) and runs what it builds, tests included, under Wine's loader for that
# machine. Included by the toolchain file of each build, which sets
# CMAKE_SYSTEM_PROCESSOR, ZELBRANT_MANIFEST_ARCH, and in the cache, where the
# scripts read them too, ZELBRANT_WINELOADER and ZELBRANT_WINEARCH.
set(CMAKE_SYSTEM_NAME Windows)
set(triplet ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)

set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Debian's wine command always takes the 32-bit loader when it is installed:
# each build names its own loader.
set(CMAKE_CROSSCOMPILING_EMULATOR ${ZELBRANT_WINELOADER})
