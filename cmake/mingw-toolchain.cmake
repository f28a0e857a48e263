# Cross toolchain for Windows with the POSIX thread model (std::thread,
# std::mutex); included by mingw32.cmake and mingw64.cmake, which name the
# triple. Tests run under Wine through the emulator script of that width.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VORNE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VORNE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VORNE_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VORNE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/${VORNE_WINE_RUNNER})
