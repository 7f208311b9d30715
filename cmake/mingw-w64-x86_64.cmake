# Cross-compiles for 64-bit Windows with Debian's mingw-w64 compilers (posix thread model, so
# std::thread and std::mutex work). The C and C++ runtimes are linked in statically: the game
# then needs no DLL beyond Windows' own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZAPTRAIL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZAPTRAIL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZAPTRAIL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZAPTRAIL_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZAPTRAIL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests and build steps run what this build makes under Wine, in a prefix inside the build.
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh;${CMAKE_BINARY_DIR}/wine-prefix")
