# Clang for 32-bit Windows with Debian's mingw-w64 headers and libstdc++: the
# second compiler that checks the program's sources (scripts/clang-check.sh).
# This tree is only configured and its sources only parsed, so nothing links.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_C_COMPILER_TARGET i686-w64-windows-gnu)
set(CMAKE_CXX_COMPILER_TARGET i686-w64-windows-gnu)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

# Clang finds the mingw-w64 headers by itself but not Debian's libstdc++ for
# them, whose folder is named after the threads model ("12-posix"): take it from g++.
execute_process(COMMAND i686-w64-mingw32-g++-posix -print-file-name=include/c++
                OUTPUT_VARIABLE libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
set(CMAKE_CXX_FLAGS_INIT
    "-isystem ${libstdcxx} -isystem ${libstdcxx}/i686-w64-mingw32 -isystem ${libstdcxx}/backward")

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
