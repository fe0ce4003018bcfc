# Strict warnings for the project's own targets; third-party headers stay untouched.
function(campovivo_avisos alvo)
  target_compile_options(${alvo} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
