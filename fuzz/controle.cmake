# The control's targets: session scripts as arbitrary bytes (fuzz_roteiro) and as generated
# well-formed scripts checked after every step (fuzz_roteiro_gerado), both through the runner
# of "campovivo roteiro" in-process on the headless stage; and the JSON form file of the Qt
# widget (fuzz_formulario). Scripts here never open database files. Each keystroke formats
# the whole text again, so the cost of a script grows with the square of its longest text:
# keep inputs to a few kilobytes, e.g.
#
#   build/fuzz/fuzz/fuzz_roteiro -max_len=16384 -timeout=10 CORPUS fuzz/corpus/roteiro
#   build/fuzz/fuzz/fuzz_roteiro_gerado -max_len=2048 -timeout=10 CORPUS fuzz/corpus/roteiro_gerado
#   build/fuzz/fuzz/fuzz_formulario -max_len=16384 -timeout=10 CORPUS fuzz/corpus/formulario
#
# CAMPOVIVO_MOSTRAR_ROTEIRO=1 makes fuzz_roteiro_gerado print each generated line before it
# runs (a script for `campovivo roteiro`); CAMPOVIVO_MOSTRAR_ERRO=1 makes fuzz_formulario
# say why a file did not load.
if(TARGET pjtcampovivo_roteiro)
  campovivo_fuzz(roteiro SOURCES fuzz_roteiro.cpp LIBS pjtcampovivo_roteiro)
  # The script generator is shared with the test that replays its scripts on both stages.
  campovivo_fuzz(roteiro_gerado
    SOURCES fuzz_roteiro_gerado.cpp ${PROJECT_SOURCE_DIR}/tests/support/gerador_roteiro.cpp
    LIBS pjtcampovivo_roteiro)
  target_include_directories(fuzz_roteiro_gerado PRIVATE ${PROJECT_SOURCE_DIR}/tests)
endif()
if(TARGET pjtcampovivo_widgets)
  campovivo_fuzz(formulario SOURCES fuzz_formulario.cpp LIBS pjtCampoVivo::widgets)
endif()
