# Cross build for 32-bit Windows. These machines cannot run 32-bit code, so this
# build only proves that everything compiles and links; no emulator is set.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KORVANE_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${KORVANE_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVANE_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KORVANE_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KORVANE_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
