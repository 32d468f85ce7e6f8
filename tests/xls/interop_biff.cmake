# Independent readers of the workbooks the BIFF8 writer saves: xlrd (with the
# formatting records) and LibreOffice's import, through a sample writer that
# records, next to each file, what was put into it.
add_executable(xls_biff_samples ${CMAKE_CURRENT_SOURCE_DIR}/tools/biff_samples.cpp)
target_link_libraries(xls_biff_samples PRIVATE xls)

set(EK_BIFF_SAMPLES ${CMAKE_CURRENT_BINARY_DIR}/biff_samples)
add_test(NAME xls_interop_biff_samples COMMAND xls_biff_samples ${EK_BIFF_SAMPLES})
set_tests_properties(xls_interop_biff_samples PROPERTIES
  LABELS interop FIXTURES_SETUP xls_biff_samples)

add_test(NAME xls_interop_biff_xlrd
  COMMAND ${EK_SYSTEM_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/oracles/xlrd_check.py ${EK_BIFF_SAMPLES})
set_tests_properties(xls_interop_biff_xlrd PROPERTIES
  LABELS interop FIXTURES_REQUIRED xls_biff_samples)

# Exit code 77: LibreOffice is not installed; the test is reported as skipped.
add_test(NAME xls_interop_biff_libreoffice
  COMMAND ${EK_SYSTEM_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/oracles/soffice_check.py
          ${EK_BIFF_SAMPLES} ${CMAKE_CURRENT_BINARY_DIR}/biff_soffice)
set_tests_properties(xls_interop_biff_libreoffice PROPERTIES
  LABELS interop FIXTURES_REQUIRED xls_biff_samples SKIP_RETURN_CODE 77 TIMEOUT 600)
