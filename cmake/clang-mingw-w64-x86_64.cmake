# Cross-compiles the Windows program on Linux with Clang and LLD, over the
# MinGW-w64 headers, import libraries and C++ runtime (the POSIX thread
# model's, as with GCC): a second compiler, so that nothing GCC-specific
# creeps into the Windows code.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_SYSROOT /usr/${triple})

# Clang does not find the C++ runtime of a GCC whose folder is named
# "12-posix" rather than by a bare version: name its folders.
file(GLOB gcc_folders LIST_DIRECTORIES true /usr/lib/gcc/${triple}/*-posix)
list(SORT gcc_folders COMPARE NATURAL ORDER DESCENDING)
list(GET gcc_folders 0 gcc_folder)
set(CMAKE_CXX_FLAGS_INIT
    "-isystem ${gcc_folder}/include/c++ -isystem ${gcc_folder}/include/c++/${triple} -isystem ${gcc_folder}/include/c++/backward")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_folder}")
# The POSIX thread model's runtime needs winpthread, linked in like the rest.
set(CMAKE_CXX_STANDARD_LIBRARIES "-lpthread" CACHE STRING "")

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Programs built here run under Wine when tests run them.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
