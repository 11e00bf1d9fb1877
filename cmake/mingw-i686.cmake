# 32-bit Windows: the product.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZELBRANT_WINELOADER /usr/lib/wine/wine CACHE STRING "Wine's loader for this build")
set(ZELBRANT_WINEARCH win32 CACHE STRING "The WINEARCH of its prefix")
set(ZELBRANT_MANIFEST_ARCH X86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
