# Windows-only tests, included by tests/CMakeLists.txt in the cross build.
# Each *_test.cpp here is its own GoogleTest program windows_<stem>, linked
# with every library of the project and the helpers in support/.

include(GoogleTest)

set(ek_windows_dir ${CMAKE_CURRENT_LIST_DIR})

# The program the process-start tests start: it writes down its arguments.
add_executable(ek_print_arguments ${ek_windows_dir}/print_arguments.cpp)
target_compile_options(ek_print_arguments PRIVATE -municode)
target_link_options(ek_print_arguments PRIVATE -municode)

file(GLOB ek_windows_support CONFIGURE_DEPENDS ${ek_windows_dir}/support/*.cpp)
add_library(windows_test_support STATIC ${ek_windows_support})
target_include_directories(windows_test_support PUBLIC ${ek_windows_dir} ${PROJECT_SOURCE_DIR})
target_link_libraries(windows_test_support PUBLIC platform)

set(ek_windows_libraries platform calc xls export app app_win32)

# *_desktop_test.cpp open windows: each runs as one test, whole, in a Wine
# virtual desktop on a virtual X display (run-in-wine-desktop), alone, as it
# ends the prefix's Wine server; skipped (77) without Xvfb.
file(GLOB ek_windows_tests CONFIGURE_DEPENDS ${ek_windows_dir}/*_test.cpp)
foreach(source ${ek_windows_tests})
  get_filename_component(stem ${source} NAME_WE)
  set(target windows_${stem})
  add_executable(${target} ${source})
  target_link_libraries(${target} PRIVATE windows_test_support ${ek_windows_libraries}
                        GTest::gtest_main GTest::gmock ole32 uuid shell32)
  target_compile_definitions(${target} PRIVATE
    EK_SOURCE_DIR="${PROJECT_SOURCE_DIR}" EK_BINARY_DIR="${PROJECT_BINARY_DIR}"
    EK_PRINT_ARGUMENTS="$<TARGET_FILE:ek_print_arguments>")
  add_dependencies(${target} ek_print_arguments)
  if(stem MATCHES "_desktop_test$")
    add_test(NAME ${target}
      COMMAND ${ek_windows_dir}/run-in-wine-desktop ${EK_WINEPREFIX} $<TARGET_FILE:${target}>)
    set_tests_properties(${target} PROPERTIES
      LABELS windows TIMEOUT 400 RUN_SERIAL TRUE SKIP_RETURN_CODE 77)
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 120 PROPERTIES LABELS windows)
  endif()
endforeach()

# The same workbook from both builds, for every bundled sample: needs the
# Linux build's program (EK_LINUX_EXPORT_TOOL, set by scripts/windows-test).
set(EK_LINUX_EXPORT_TOOL "" CACHE FILEPATH "export-kalkulace of the Linux build, for the comparison")
if(TARGET export-kalkulace AND EK_LINUX_EXPORT_TOOL)
  add_test(NAME windows_export_matches_linux
    COMMAND ${ek_windows_dir}/compare-exports ${EK_LINUX_EXPORT_TOOL}
      $<TARGET_FILE:export-kalkulace> ${ek_windows_dir}/run-under-wine ${EK_WINEPREFIX}
      ${PROJECT_SOURCE_DIR}/samples/Documents ${PROJECT_BINARY_DIR}/locale)
  # Alone: each Wine program started with another Unix locale rewrites the
  # prefix's regional settings, so a test running beside it could turn the
  # Czech decimal comma of an export into a point halfway.
  set_tests_properties(windows_export_matches_linux PROPERTIES
    LABELS windows TIMEOUT 600 RUN_SERIAL TRUE)
endif()

# The Windows window from the outside: started under Wine on a virtual X
# display, a material list picked and exported by mouse clicks, the workbook
# compared with the Linux build's, the window closed. Skipped (77) without
# Xvfb or xdotool. Alone: it ends the prefix's Wine server when it is done.
if(TARGET export-kalkulace-okno AND EK_LINUX_EXPORT_TOOL)
  add_test(NAME windows_window_black_box
    COMMAND ${ek_windows_dir}/window-black-box $<TARGET_FILE:export-kalkulace-okno>
      ${EK_LINUX_EXPORT_TOOL} ${EK_WINEPREFIX} ${PROJECT_SOURCE_DIR}/samples/Documents)
  set_tests_properties(windows_window_black_box PROPERTIES
    LABELS windows TIMEOUT 300 RUN_SERIAL TRUE SKIP_RETURN_CODE 77)
endif()
