// campovivo roteiro: replays a session script (JSON Lines) and prints, for each line run,
// one JSON object with what the engine, or the field on its form, did.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "cli/palco.hpp"
#include "cli/roteiro_operacoes.hpp"

namespace pjtCampoVivo::cli {

// Runs the script in the file at caminho ("-" for standard input) on stages made by
// fabrica. Returns 0 when every line ran; a line that cannot run throws ErroCli naming it,
// after the earlier lines' results were written.
int executar_roteiro(const std::string& caminho, const FabricaPalco& fabrica);

// A script run one line at a time on one session, wherever its lines come from: the tool
// reads them from a file, a test or a fuzz target hands them over from memory.
//
//   ExecucaoRoteiro roteiro(criar_palco_headless, abrir_banco_sqlite);
//   std::string saida;
//   if (roteiro.executar(R"({"teclar": "3112"})", 1, saida)) std::puts(saida.c_str());
class ExecucaoRoteiro {
  public:
    ExecucaoRoteiro(FabricaPalco fabrica, AbrirBanco abrir_banco);

    // Runs one line (valid UTF-8 or not), numero counting every line of the script. False
    // for a blank or comment line, which produces nothing; otherwise saida holds the line's
    // output, one JSON object without a newline. A line that cannot run throws ErroCli,
    // JsonInvalido or Utf8Invalido, without the line number.
    bool executar(std::string_view linha, std::size_t numero, std::string& saida);

    // The session the lines act on, and what the last line that ran produced.
    Sessao& sessao() noexcept { return sessao_; }
    const ResultadoLinha& resultado() const noexcept { return resultado_; }

  private:
    Sessao sessao_;
    ResultadoLinha resultado_;
};

}  // namespace pjtCampoVivo::cli
