# Cross-builds the Windows program on Linux with MinGW-w64. The posix thread model is required:
# the win32 one has no std::thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VB_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VB_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VB_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VB_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VB_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained executable: no MinGW runtime DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# GCC 12 reports impossible overlaps inside std::string concatenation once optimising
# (GCC bug 105651); the warning says nothing about this program's code.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
