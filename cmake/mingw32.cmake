# 32-bit Windows: the deliverables.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VORNE_MINGW_TRIPLE i686-w64-mingw32)
set(VORNE_WINE_RUNNER wine-run)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
