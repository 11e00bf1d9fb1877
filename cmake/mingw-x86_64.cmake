# 64-bit Windows: the same program, for machines that run no 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZELBRANT_WINELOADER /usr/lib/wine/wine64 CACHE STRING "Wine's loader for this build")
set(ZELBRANT_WINEARCH win64 CACHE STRING "The WINEARCH of its prefix")
# A 64-bit process that asks for the x86 common controls gets none.
set(ZELBRANT_MANIFEST_ARCH amd64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
