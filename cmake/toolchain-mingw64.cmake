# Cross build for 64-bit Windows with Debian's MinGW-w64, tests run under Wine.
#
#   cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
#         -DEXPORT_KALKULACE_GUI=OFF -DEXPORT_KALKULACE_BENCH=OFF
#
# What this file arranges, and why:
# - The "-posix" compilers: their C++ runtime has std::thread and std::mutex
#   (the "-win32" ones of GCC 12 lack them).
# - Everything linked statically, so that an .exe runs on a bare Windows (and
#   under Wine) without MinGW's DLLs beside it.
# - Test programs run through CMAKE_CROSSCOMPILING_EMULATOR: Wine with its
#   messages off, Mono and Gecko never offered, and a private prefix inside the
#   build folder, so that nothing of the user's ~/.wine is read or changed.
#   ctest and gtest_discover_tests both honour the emulator.
# - Release builds at -O2 (see below).
# - gtest_discover_tests lists the tests when ctest runs (PRE_TEST) instead of
#   right after linking: the build then never starts Wine, and a test program
#   that fails to start shows up as a failing test rather than a failed build.
# - GoogleTest for Windows is not packaged; tests/windows/cross_build.cmake
#   builds it from Debian's sources (/usr/src/googletest) and compiles the
#   test programs unoptimised. It is hooked in after the project()
#   call of the root CMakeLists.txt, the place CMake keeps for such injection.

get_filename_component(EK_TOOLCHAIN_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(EK_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${EK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${EK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${EK_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${EK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# -O2 rather than CMake's -O3: at -O3 GCC 12 reports a false -Wrestrict on
# concatenating std::u16string temporaries (GCC bug 105329), which -Werror
# turns into a failed build.
# (CMake appends its own -O3 to *_INIT, so the cache entries are set here.)
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of Release builds")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of Release builds")

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# No system libraries but those the compiler always adds (kernel32, user32,
# shell32, advapi32): CMake would link ole32, oleaut32, uuid and others into
# every program, and a library that forgot to name one would still link here
# and fail in another build. (A plain variable: it shadows the cache entry
# that CMake makes from its own list.)
set(CMAKE_CXX_STANDARD_LIBRARIES "")

# Wine through tests/windows/run-under-wine, which also keeps Wine's
# background processes off ctest's pipes.
find_program(EK_WINE NAMES wine wine64 PATHS /usr/lib/wine)
if(EK_WINE)
  set(EK_WINEPREFIX ${CMAKE_BINARY_DIR}/wine-prefix CACHE PATH "Private Wine prefix of the tests")
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${EK_TOOLCHAIN_ROOT}/tests/windows/run-under-wine ${EK_WINEPREFIX})
endif()

set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

set(CMAKE_PROJECT_ExportKalkulace_INCLUDE ${EK_TOOLCHAIN_ROOT}/tests/windows/cross_build.cmake)
