// Arbitrary bytes as a session script, run in-process on the headless stage line by line,
// as `campovivo roteiro` runs a file. Every line either runs, its member's failure reported
// as a pjtCampoVivo::Erro of a published number, or is refused by the runner (ErroCli,
// malformed JSON, malformed UTF-8), which ends the script as the tool would. Anything else
// escaping the runner aborts, and so does a line whose output is not one JSON object.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/validation/erro.hpp>
#include "cli/erro_cli.hpp"
#include "cli/json_leitura.hpp"
#include "cli/linhas.hpp"
#include "cli/palco.hpp"
#include "cli/roteiro.hpp"
#include "cli/utf8.hpp"
#include "fuzz/apoio_fuzz.hpp"

namespace {

using namespace pjtCampoVivo;
using namespace pjtCampoVivo::cli;

[[noreturn]] void violacao(std::size_t linha, const std::string& oque) {
    std::fprintf(stderr, "fuzz_roteiro: line %zu: %s\n", linha, oque.c_str());
    std::abort();
}

// Scripts run here never open database files: a "sqlite" Carregar is refused like any line
// the runner cannot run, so a script cannot read the file system or start a query that
// never ends.
std::unique_ptr<Recordset> sem_banco(const std::string&, std::u16string_view) {
    throw ErroCli("database files are not opened by this runner");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    // The flag is per thread and outlives a session (as in a program); each input starts
    // from a fresh process's value so that a crash replays from its input alone.
    SeparadorInserido = 0;
    LeitorLinhas entrada(std::string_view(reinterpret_cast<const char*>(dados), tamanho));
    ExecucaoRoteiro roteiro(criar_palco_headless, sem_banco);
    std::string texto;
    std::string saida;
    while (entrada.proxima(texto)) {
        const std::size_t numero = entrada.numero();
        try {
            if (!roteiro.executar(texto, numero, saida)) continue;
        } catch (const ErroCli&) {
            return 0;  // the line cannot run: the script ends here
        } catch (const JsonInvalido&) {
            return 0;
        } catch (const Utf8Invalido&) {
            return 0;
        } catch (const Erro& e) {
            violacao(numero, std::string("an Erro escaped the runner: ") + e.what());
        } catch (const std::exception& e) {
            violacao(numero, std::string("unexpected exception: ") + e.what());
        }
        if (const auto& erro = roteiro.resultado().erro; erro && !fuzz::erro_publicado(*erro)) {
            violacao(numero,
                     "unpublished error " + std::to_string(erro->numero()) + ": " + erro->what());
        }
        // What the tool would print must read back as one JSON object.
        try {
            if (ler_json(saida).tipo != ValorJson::Tipo::Objeto)
                violacao(numero, "output " + saida);
        } catch (const JsonInvalido& e) {
            violacao(numero, std::string("output is not JSON (") + e.what() + "): " + saida);
        }
    }
    return 0;
}
