# Every executable of the build links the runtimes of the address and the
# undefined-behaviour sanitizers: a target that lost the flags would run its
# tests unchecked. cmake -DFOLDER=<bin> -DREADELF=<readelf> -P <this file>
file(GLOB candidates LIST_DIRECTORIES false "${FOLDER}/*")
set(checked 0)
set(unsanitized "")
foreach(file IN LISTS candidates)
  execute_process(COMMAND "${READELF}" -d "${file}"
                  OUTPUT_VARIABLE dynamic RESULT_VARIABLE failed ERROR_QUIET)
  if(failed OR NOT dynamic MATCHES "NEEDED")
    continue()  # not a dynamic ELF executable
  endif()
  math(EXPR checked "${checked} + 1")
  if(NOT dynamic MATCHES "libasan" OR NOT dynamic MATCHES "libubsan")
    get_filename_component(name "${file}" NAME)
    list(APPEND unsanitized "${name}")
  endif()
endforeach()
if(checked EQUAL 0)
  message(FATAL_ERROR "no executables in ${FOLDER}")
endif()
if(unsanitized)
  message(FATAL_ERROR "built without the sanitizers: ${unsanitized}")
endif()
message(STATUS "${checked} executables, each with both sanitizers")
