# The packages of the program. Their version is the project's, and only that:
# - every build writes packaging/version.nsh, which the Windows installer
#   includes and scripts/windows-package reads;
# - on Linux `cpack -G DEB` in a build folder makes the Debian package of what
#   install() lays out (scripts/linux-package).

# NSIS wants a four-part version for the installer's file properties.
set(ek_version_parts ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR})
foreach(part PATCH TWEAK)
  if("${PROJECT_VERSION_${part}}" STREQUAL "")
    list(APPEND ek_version_parts 0)
  else()
    list(APPEND ek_version_parts ${PROJECT_VERSION_${part}})
  endif()
endforeach()
list(JOIN ek_version_parts "." EK_VERSION_FOUR_PARTS)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/packaging/version.nsh CONTENT
  "!define VERSION \"@PROJECT_VERSION@\"\n!define VERSION_FOUR_PARTS \"@EK_VERSION_FOUR_PARTS@\"\n"
  @ONLY)

if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME export-kalkulace)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "cost calculations of garden projects exported as XLS workbooks")
set(CPACK_PACKAGE_DESCRIPTION
  "Export kalkulace pro VDG2016 reads the material lists that the landscape-design
program Verdigo 2016 writes for each garden project, sorts their items into
eight categories, shows each as a priced table with subtotals and the project
total, and exports the calculation as an Excel 97-2003 workbook (.xls), one
formatted worksheet per category. The user interface is Czech.
.
The package holds the window (export-kalkulace, with its desktop entry) and
the command-line export (export-kalkulace --export FILE).")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(EK_PACKAGE_MAINTAINER "Export kalkulace <export-kalkulace@example.org>"
  CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${EK_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps (package dpkg-dev). Qt loads its
# display plugins at run time, which no library names: the window needs
# them declared.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# "Otevřít v MS Excel" opens the workbook in the desktop's spreadsheet program.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libreoffice-calc")

include(CPack)
