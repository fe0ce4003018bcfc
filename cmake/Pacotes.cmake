# Debian packages from the install components (cpack -G DEB; scripts/pacotes.sh runs it on a
# tree configured for /usr). Dependencies on Debian's libraries come from dpkg-shlibdeps;
# those between our own packages are exact, since they are built together.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pjtcampovivo)
set(CPACK_PACKAGE_VENDOR "pjtCampoVivo")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CAMPOVIVO_MANTENEDOR "pjtCampoVivo developers <devel@pjtcampovivo.invalid>"
    CACHE STRING "The Maintainer field of the Debian packages")
set(CPACK_PACKAGE_CONTACT "${CAMPOVIVO_MANTENEDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "data-entry fields for Brazilian business forms")
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/pacotes")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL runtime dev)
if(TARGET pjtcampovivo_designer)
  list(APPEND CPACK_COMPONENTS_ALL designer)
endif()
if(TARGET campovivo OR TARGET campovivo-demo)
  list(APPEND CPACK_COMPONENTS_ALL ferramentas)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps looks for our own libraries in the build tree, where they are built; the
# dependency on the package holding them is stated below.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${PROJECT_BINARY_DIR}/src/pjtcampovivo")
set(_exata "libpjtcampovivo${PROJECT_VERSION_MAJOR} (= ${PROJECT_VERSION})")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME "libpjtcampovivo${PROJECT_VERSION_MAJOR}")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# ldconfig runs from dpkg's trigger, as Debian's policy asks of library packages; the
# maintainer scripts given stand in for the ones CPack would write to call it again.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA "${PROJECT_SOURCE_DIR}/cmake/deb/triggers"
    "${PROJECT_SOURCE_DIR}/cmake/deb/postinst" "${PROJECT_SOURCE_DIR}/cmake/deb/postrm")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "pjtCampoVivo: data-entry fields for Brazilian business forms (shared libraries)
 Masks and validates money, numbers, dates, times, telephone numbers, CEP, CPF,
 CNPJ (also alphanumeric) and state registrations as they are typed, and a text box
 or lookup combo box control built on it, headless, on SQLite recordsets or on Qt 6.")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME "libpjtcampovivo-dev")
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "${_exata}, qt6-base-dev")
set(CPACK_COMPONENT_DEV_DESCRIPTION
    "pjtCampoVivo: data-entry fields for Brazilian business forms (development files)
 Headers, the CMake package pjtCampoVivo (components engine, control, headless,
 sqlite, widgets) and pkg-config's pjtcampovivo-engine.")

set(CPACK_DEBIAN_DESIGNER_PACKAGE_NAME "pjtcampovivo-designer-plugin")
set(CPACK_DEBIAN_DESIGNER_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_DEPENDS "${_exata}")
set(CPACK_COMPONENT_DESIGNER_DESCRIPTION
    "pjtCampoVivo: data-entry fields for Brazilian business forms (Qt Designer plugin)
 Puts CampoVivoWidget in Qt Designer's widget box, in the group pjtCampoVivo.")

set(CPACK_DEBIAN_FERRAMENTAS_PACKAGE_NAME "campovivo")
set(CPACK_DEBIAN_FERRAMENTAS_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FERRAMENTAS_PACKAGE_DEPENDS "${_exata}")
set(CPACK_COMPONENT_FERRAMENTAS_DESCRIPTION
    "pjtCampoVivo: data-entry fields for Brazilian business forms (tool and demo)
 campovivo formats, checks and cleans values and runs session scripts;
 campovivo-demo is a customer form of pjtCampoVivo fields.")

include(CPack)
