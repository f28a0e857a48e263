# 64-bit Windows: the test twin of the deliverables, for hosts that run no
# 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VORNE_MINGW_TRIPLE x86_64-w64-mingw32)
set(VORNE_WINE_RUNNER wine64-run)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
