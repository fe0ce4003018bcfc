# Install rules, the CMake package pjtCampoVivo, the pkg-config file of the engine and the
# Debian packages. Install components, one Debian package each:
#   runtime      the versioned shared libraries              libpjtcampovivo0
#   dev          headers, namelinks, CMake and pkg-config     libpjtcampovivo-dev
#   designer     the Qt Designer plugin                       pjtcampovivo-designer-plugin
#   ferramentas  the campovivo tool and the demo form         campovivo
include(CMakePackageConfigHelpers)

set(CAMPOVIVO_INSTALL_CMAKEDIR "${CMAKE_INSTALL_LIBDIR}/cmake/pjtCampoVivo"
    CACHE STRING "Where the CMake package files go (relative to the prefix)")
set(CAMPOVIVO_INSTALL_PKGCONFIGDIR "${CMAKE_INSTALL_LIBDIR}/pkgconfig"
    CACHE STRING "Where pjtcampovivo-engine.pc goes (relative to the prefix)")
if(TARGET pjtcampovivo_designer)
  find_package(Qt6 QUIET COMPONENTS Core)
endif()
if(DEFINED QT6_INSTALL_PLUGINS AND NOT IS_ABSOLUTE "${QT6_INSTALL_PLUGINS}")
  set(_plugins "${QT6_INSTALL_PLUGINS}")
else()
  set(_plugins "${CMAKE_INSTALL_LIBDIR}/qt6/plugins")
endif()
set(CAMPOVIVO_INSTALL_PLUGINDIR "${_plugins}/designer"
    CACHE STRING "Where the Qt Designer plugin goes (relative to the prefix, as in Qt's own)")

# Under a system library directory nothing needs an RPATH; under any other prefix every
# installed binary finds the libraries relative to itself, so the tree can be moved.
set(_cheio_libdir "${CMAKE_INSTALL_FULL_LIBDIR}")
set(_cheio_bindir "${CMAKE_INSTALL_FULL_BINDIR}")
cmake_path(ABSOLUTE_PATH CAMPOVIVO_INSTALL_PLUGINDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           OUTPUT_VARIABLE _cheio_plugindir)
if("${_cheio_libdir}" IN_LIST CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES)
  set(_rpath_lib "")
  set(_rpath_bin "")
  set(_rpath_plugin "")
else()
  file(RELATIVE_PATH _rel_bin "${_cheio_bindir}" "${_cheio_libdir}")
  file(RELATIVE_PATH _rel_plugin "${_cheio_plugindir}" "${_cheio_libdir}")
  string(REGEX REPLACE "/$" "" _rel_plugin "${_rel_plugin}")
  set(_rpath_lib "$ORIGIN")
  set(_rpath_bin "$ORIGIN/${_rel_bin}")
  set(_rpath_plugin "$ORIGIN/${_rel_plugin}")
endif()

get_property(_bibliotecas GLOBAL PROPERTY CAMPOVIVO_BIBLIOTECAS)
list(JOIN _bibliotecas " " CAMPOVIVO_COMPONENTES)
if(BUILD_SHARED_LIBS)
  set(CAMPOVIVO_ESTATICO FALSE)
else()
  set(CAMPOVIVO_ESTATICO TRUE)
endif()

foreach(_nome IN LISTS _bibliotecas)
  set(_alvo pjtcampovivo_${_nome})
  set_target_properties(${_alvo} PROPERTIES INSTALL_RPATH "${_rpath_lib}")
  install(TARGETS ${_alvo} EXPORT pjtCampoVivo-${_nome}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
  get_target_property(_cabecalhos ${_alvo} CAMPOVIVO_CABECALHOS)
  foreach(_h IN LISTS _cabecalhos)
    file(RELATIVE_PATH _rel "${PROJECT_SOURCE_DIR}/src" "${_h}")
    get_filename_component(_pasta "${_rel}" DIRECTORY)
    install(FILES "${_h}" DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/${_pasta}" COMPONENT dev)
  endforeach()
  install(FILES "${CAMPOVIVO_INCLUDE_GERADO}/pjtcampovivo/${_nome}_export.hpp"
          DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/pjtcampovivo" COMPONENT dev)
  install(EXPORT pjtCampoVivo-${_nome} NAMESPACE pjtCampoVivo::
          FILE pjtCampoVivo-${_nome}-targets.cmake
          DESTINATION "${CAMPOVIVO_INSTALL_CMAKEDIR}" COMPONENT dev)
  # The same targets for a consumer pointed at this build tree (pjtCampoVivo_DIR).
  export(EXPORT pjtCampoVivo-${_nome} NAMESPACE pjtCampoVivo::
         FILE "${PROJECT_BINARY_DIR}/pjtCampoVivo-${_nome}-targets.cmake")
endforeach()
install(FILES "${CAMPOVIVO_INCLUDE_GERADO}/pjtcampovivo/versao.hpp"
        DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/pjtcampovivo" COMPONENT dev)

# The package files: installed (relocatable: every path is found from the file's own place)
# and in the build tree.
configure_package_config_file(
  "${PROJECT_SOURCE_DIR}/cmake/pjtCampoVivoConfig.cmake.in"
  "${PROJECT_BINARY_DIR}/instalar/pjtCampoVivoConfig.cmake"
  INSTALL_DESTINATION "${CAMPOVIVO_INSTALL_CMAKEDIR}")
configure_package_config_file(
  "${PROJECT_SOURCE_DIR}/cmake/pjtCampoVivoConfig.cmake.in"
  "${PROJECT_BINARY_DIR}/pjtCampoVivoConfig.cmake"
  INSTALL_DESTINATION "${PROJECT_BINARY_DIR}")
# Any release of the same major version will do, as the SONAME (SOVERSION) promises.
write_basic_package_version_file("${PROJECT_BINARY_DIR}/pjtCampoVivoConfigVersion.cmake"
                                 COMPATIBILITY SameMajorVersion)
install(FILES "${PROJECT_BINARY_DIR}/instalar/pjtCampoVivoConfig.cmake"
              "${PROJECT_BINARY_DIR}/pjtCampoVivoConfigVersion.cmake"
        DESTINATION "${CAMPOVIVO_INSTALL_CMAKEDIR}" COMPONENT dev)

# pkg-config, for the engine (the one library with no dependencies of its own).
cmake_path(ABSOLUTE_PATH CAMPOVIVO_INSTALL_PKGCONFIGDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           OUTPUT_VARIABLE _cheio_pc)
file(RELATIVE_PATH CAMPOVIVO_PC_PREFIXO "${_cheio_pc}" "${CMAKE_INSTALL_PREFIX}")
string(REGEX REPLACE "/$" "" CAMPOVIVO_PC_PREFIXO "${CAMPOVIVO_PC_PREFIXO}")
foreach(_d LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${_d}}")
    set(CAMPOVIVO_PC_${_d} "${CMAKE_INSTALL_${_d}}")
  else()
    set(CAMPOVIVO_PC_${_d} "\${prefix}/${CMAKE_INSTALL_${_d}}")
  endif()
endforeach()
set(CAMPOVIVO_PC_CFLAGS "")
if(NOT BUILD_SHARED_LIBS)
  set(CAMPOVIVO_PC_CFLAGS " -DPJTCAMPOVIVO_ENGINE_STATIC_DEFINE")
endif()
configure_file("${PROJECT_SOURCE_DIR}/cmake/pjtcampovivo-engine.pc.in"
               "${PROJECT_BINARY_DIR}/pjtcampovivo-engine.pc" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/pjtcampovivo-engine.pc"
        DESTINATION "${CAMPOVIVO_INSTALL_PKGCONFIGDIR}" COMPONENT dev)

if(TARGET pjtcampovivo_designer)
  set_target_properties(pjtcampovivo_designer PROPERTIES INSTALL_RPATH "${_rpath_plugin}")
  install(TARGETS pjtcampovivo_designer
          LIBRARY DESTINATION "${CAMPOVIVO_INSTALL_PLUGINDIR}" COMPONENT designer)
endif()
if(TARGET campovivo)
  set_target_properties(campovivo PROPERTIES INSTALL_RPATH "${_rpath_bin}")
  install(TARGETS campovivo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ferramentas)
endif()
if(TARGET campovivo-demo)
  set_target_properties(campovivo-demo PROPERTIES INSTALL_RPATH "${_rpath_bin}")
  install(TARGETS campovivo-demo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
          COMPONENT ferramentas)
  install(FILES "$<TARGET_FILE_DIR:campovivo-demo>/municipios.db"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/pjtcampovivo" COMPONENT ferramentas)
endif()

include("${PROJECT_SOURCE_DIR}/cmake/Pacotes.cmake")
