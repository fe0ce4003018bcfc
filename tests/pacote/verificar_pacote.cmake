# The installed CMake and pkg-config packages as a consumer meets them. Installs the build
# tree ARVORE (components runtime and dev only) into PASTA/instalado, moves it to
# PASTA/movido (the package must not remember where it was installed), then configures,
# builds and runs tests/pacote/consumidor against it under each row of the table below.
#   cmake -DARVORE=<build tree> -DPASTA=<scratch dir> -DFONTE=<this folder> -P verificar_pacote.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${PASTA}")
foreach(componente runtime dev)
  execute_process(COMMAND ${CMAKE_COMMAND} --install "${ARVORE}" --prefix "${PASTA}/instalado"
                          --component ${componente}
                  RESULT_VARIABLE status OUTPUT_QUIET)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "installing the component ${componente} failed")
  endif()
endforeach()
file(RENAME "${PASTA}/instalado" "${PASTA}/movido")
set(prefixo "${PASTA}/movido")

set(falhas 0)
# caso(<name> <expect: ok | a text the failure must show> <cmake arguments...>)
function(caso nome espera)
  set(b "${PASTA}/b-${nome}")
  execute_process(COMMAND ${CMAKE_COMMAND} -S "${FONTE}/consumidor" -B "${b}" -G Ninja ${ARGN}
                  RESULT_VARIABLE status OUTPUT_VARIABLE saida ERROR_VARIABLE saida)
  if(status EQUAL 0 AND espera STREQUAL "ok")
    execute_process(COMMAND ${CMAKE_COMMAND} --build "${b}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE saida ERROR_VARIABLE saida)
    if(status EQUAL 0)
      execute_process(COMMAND "${b}/consumidor" RESULT_VARIABLE status
                      OUTPUT_VARIABLE saida ERROR_VARIABLE saida)
    endif()
    if(status EQUAL 0)
      set(CASO_SAIDA "${saida}" PARENT_SCOPE)
      message(STATUS "${nome}: ok")
      return()
    endif()
  elseif(NOT status EQUAL 0 AND NOT espera STREQUAL "ok")
    string(REGEX REPLACE "[ \n]+" " " plano "${saida}")
    string(FIND "${plano}" "${espera}" onde)
    if(onde GREATER -1)
      message(STATUS "${nome}: refused as it must be")
      return()
    endif()
  endif()
  message(SEND_ERROR "${nome}: expected ${espera}; status ${status}:\n${saida}")
endfunction()

set(achar -DCMAKE_PREFIX_PATH=${prefixo})
caso(motor ok ${achar} -DCOMPONENTES=engine -DVERSAO=0.2)
if(NOT CASO_SAIDA MATCHES "^0\\.2\\.0 123\\.456\\.789-09")
  message(SEND_ERROR "motor: the program printed '${CASO_SAIDA}'")
endif()
file(READ "${PASTA}/b-motor/CMakeCache.txt" cache)
if(cache MATCHES "Qt6_DIR:PATH=/")
  message(SEND_ERROR "motor: the engine alone made the consumer look for Qt")
endif()

if(EXISTS "${ARVORE}/pjtCampoVivo-widgets-targets.cmake")
  caso(widgets ok ${achar} -DCOMPONENTES=widgets -DVERSAO=0.2.0)
  if(NOT CASO_SAIDA MATCHES "pjtCampoVivo::qt::CampoVivoWidget")
    message(SEND_ERROR "widgets: the program printed '${CASO_SAIDA}'")
  endif()
  caso(sem_qt "component \"widgets\" needs the package Qt6"
       ${achar} -DCOMPONENTES=widgets -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON)
  # An installation made without the widgets: the same package with the component left out.
  file(COPY "${prefixo}/" DESTINATION "${PASTA}/sem_widgets")
  file(GLOB_RECURSE config "${PASTA}/sem_widgets/*/pjtCampoVivoConfig.cmake")
  file(READ "${config}" texto)
  string(REGEX REPLACE "(_pjtCampoVivo_construidos[^)]*) widgets\\)" "\\1)" texto "${texto}")
  file(WRITE "${config}" "${texto}")
  caso(nao_construido "component \"widgets\" was not built"
       -DCMAKE_PREFIX_PATH=${PASTA}/sem_widgets -DCOMPONENTES=engine,widgets)
endif()
caso(desconhecido "has no component \"nada\"" ${achar} -DCOMPONENTES=engine,nada)
caso(versao_maior "compatible with requested version \"1.0\"" ${achar} -DCOMPONENTES=engine -DVERSAO=1.0)
# The build tree itself, as a package.
caso(arvore ok -DpjtCampoVivo_DIR=${ARVORE} -DCOMPONENTES=sqlite -DVERSAO=0.2)

# pkg-config, where it is installed: the paths follow the moved tree.
find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
  file(GLOB_RECURSE pc "${prefixo}/*/pjtcampovivo-engine.pc")
  get_filename_component(pasta_pc "${pc}" DIRECTORY)
  set(ENV{PKG_CONFIG_PATH} "${pasta_pc}")
  execute_process(COMMAND ${PKG_CONFIG} --cflags --libs pjtcampovivo-engine
                  OUTPUT_VARIABLE bandeiras RESULT_VARIABLE status OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REGEX MATCH "-I([^ ]+)" _ "${bandeiras}")
  if(NOT status EQUAL 0 OR NOT bandeiras MATCHES "-lpjtcampovivo-engine"
     OR NOT EXISTS "${CMAKE_MATCH_1}/pjtcampovivo/formatting/formatar.hpp")
    message(SEND_ERROR "pkg-config gave '${bandeiras}' (status ${status})")
  else()
    message(STATUS "pkg-config: ok")
  endif()
endif()
