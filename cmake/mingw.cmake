# Cross build of the Windows program with Debian's mingw-w64 compilers.
# QUORVANE_MINGW_ARCH chooses the target: i686 for the shipped 32-bit program,
# x86_64 for the build that runs under wine64 in the tests.
set(QUORVANE_MINGW_ARCH "i686" CACHE STRING "mingw-w64 target: i686 or x86_64")
set(triple ${QUORVANE_MINGW_ARCH}-w64-mingw32)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QUORVANE_MINGW_ARCH})
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
