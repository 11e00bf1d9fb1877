# 32-bit Windows: the product.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZELBRANT_WINELOADER /usr/lib/wine/wine)
set(ZELBRANT_WINEARCH win32)
set(ZELBRANT_MANIFEST_ARCH X86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
