// campovivo roteiro: replays a session script (JSON Lines) and prints, for each line run,
// one JSON object with what the engine, or the field on its form, did.
#pragma once

#include <string>

#include "cli/palco.hpp"

namespace pjtCampoVivo::cli {

// Runs the script in the file at caminho ("-" for standard input) on stages made by
// fabrica. Returns 0 when every line ran; a line that cannot run throws ErroCli naming it,
// after the earlier lines' results were written.
int executar_roteiro(const std::string& caminho, const FabricaPalco& fabrica);

}  // namespace pjtCampoVivo::cli
