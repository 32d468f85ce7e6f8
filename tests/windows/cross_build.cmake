# Included right after the root project() call by cmake/toolchain-mingw64.cmake.
# Adds what the Windows cross build needs before the rest of the project is
# configured: GoogleTest built from Debian's sources, and (once every target
# exists) the test programs compiled unoptimised.

set(EK_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")
if(NOT EXISTS ${EK_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${EK_GOOGLETEST_SOURCE} (Debian package googletest)")
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${EK_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# The names an installed GoogleTest gives its targets.
foreach(library gtest gtest_main gmock gmock_main)
  if(NOT TARGET GTest::${library})
    add_library(GTest::${library} ALIAS ${library})
  endif()
endforeach()

# find_package(GTest) of tests/CMakeLists.txt then finds the targets above.
set(GTest_DIR ${CMAKE_CURRENT_LIST_DIR}/googletest CACHE PATH "" FORCE)

# The targets of `directory` and of every directory below it, into `out`.
function(ek_targets_below directory out)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory ${subdirectories})
    ek_targets_below(${subdirectory} below)
    list(APPEND targets ${below})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Everything but what ships (the libraries and export-kalkulace.exe) and
# GoogleTest at -O0: the tests, whose compilation is most of the Windows
# step, compile in about half the time, and the workbooks are still written
# by the optimised code. (GoogleTest unoptimised would make every test's link
# several times slower.)
set(EK_OPTIMISED_TARGETS platform calc xls export app export-kalkulace
    app_win32 export-kalkulace-okno gtest gtest_main gmock gmock_main)

# The test programs also share one precompiled GoogleTest header (with the
# standard headers most of them include), which each would parse again.
function(ek_compile_tests_unoptimised)
  ek_targets_below(${CMAKE_SOURCE_DIR} targets)
  if(TARGET test_support)
    target_precompile_headers(test_support PRIVATE
      <gtest/gtest.h> <filesystem> <fstream> <string> <vector>)
  endif()
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY)$" AND NOT target IN_LIST EK_OPTIMISED_TARGETS)
      target_compile_options(${target} PRIVATE -O0)
      get_target_property(libraries ${target} LINK_LIBRARIES)
      if(type STREQUAL "EXECUTABLE" AND TARGET test_support AND
         "GTest::gtest_main" IN_LIST libraries)
        target_precompile_headers(${target} REUSE_FROM test_support)
      endif()
    endif()
  endforeach()
endfunction()

# When the root CMakeLists.txt is done, so that every target exists.
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL ek_compile_tests_unoptimised)
