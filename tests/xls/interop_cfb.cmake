# Compound files checked by olefile: sizes in the mini stream, at the cutoff,
# at 109 and 110 FAT sectors (the first DIFAT sector) and at 237 FAT sectors
# (a second DIFAT sector). Sector counts: see compound_file_test.cpp.
add_executable(xls_cfb_sample ${CMAKE_CURRENT_LIST_DIR}/oracles/cfb_sample.cpp)
target_link_libraries(xls_cfb_sample PRIVATE xls)

set(xls_cfb_sample_dir ${CMAKE_CURRENT_BINARY_DIR}/cfb_samples)
set(xls_cfb_samples
  mini:3072
  cutoff:4096
  fat109:7087104
  fat110:7087616
  difat2:15345152)

add_test(NAME xls_interop_cfb_samples
  COMMAND xls_cfb_sample ${xls_cfb_sample_dir} ${xls_cfb_samples})
set_tests_properties(xls_interop_cfb_samples PROPERTIES
  FIXTURES_SETUP xls_cfb_samples LABELS interop)

foreach(sample ${xls_cfb_samples})
  string(REGEX REPLACE ":.*" "" name ${sample})
  add_test(NAME xls_interop_olefile_${name}
    COMMAND ${EK_SYSTEM_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/oracles/olefile_check.py
      ${xls_cfb_sample_dir}/${name}.xls ${xls_cfb_sample_dir}/${name}.stream)
  set_tests_properties(xls_interop_olefile_${name} PROPERTIES
    FIXTURES_REQUIRED xls_cfb_samples LABELS interop)
endforeach()
