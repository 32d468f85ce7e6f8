# ek_add_library(NAME [DEPS dep...] [PRIVATE_DEPS dep...])
# A static library made of every .cpp in the calling folder; the folder's
# parent is the include root, so code includes "calc/kalkulace.h" and so on.
function(ek_add_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;PRIVATE_DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    # A folder whose first files are still to come: nothing to compile yet.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources} ${headers})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
endfunction()

# ek_add_tests(FOLDER [SUBFOLDERS sub...] DEPS dep...)
# One GoogleTest executable per *_test.cpp in tests/FOLDER and in the given
# sub-folders of it, FOLDER_<stem> each, so that one broken test file never
# stops the others from building.
function(ek_add_tests folder)
  cmake_parse_arguments(ARG "" "" "SUBFOLDERS;DEPS" ${ARGN})
  set(patterns ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*_test.cpp)
  foreach(subfolder ${ARG_SUBFOLDERS})
    list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/${subfolder}/*_test.cpp)
  endforeach()
  file(GLOB test_sources CONFIGURE_DEPENDS ${patterns})
  foreach(source ${test_sources})
    get_filename_component(stem ${source} NAME_WE)
    set(target ${folder}_${stem})
    add_executable(${target} ${source})
    target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gtest_main GTest::gmock)
    target_compile_definitions(${target} PRIVATE
      EK_SOURCE_DIR="${PROJECT_SOURCE_DIR}" EK_BINARY_DIR="${PROJECT_BINARY_DIR}")
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endforeach()
endfunction()
