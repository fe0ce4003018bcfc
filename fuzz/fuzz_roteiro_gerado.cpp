// Structure-aware fuzzing of the control: the fuzzer's bytes choose a well-formed session
// script (every operation a script has, with values in and out of range), which runs line
// by line on the headless stage through the script runner. After every line, and inside
// every KeyPress, Change and FimItensLista the control raises, the control's state must
// hold together:
//
//   - the item-data store has one string per list entry;
//   - each inner box's caret and selection lie inside its text, and the combo box's own
//     list position is -1 or an entry;
//   - at run time, ClipText and ClipTextPonto read any text the control shows, unless a
//     setting is outside what the control documents (then they may fail, with a published
//     error);
//   - a member fails only with a pjtCampoVivo::Erro of a published number and kind.
//
// A violation aborts and prints the script, which `campovivo roteiro` replays.
#include <fuzzer/FuzzedDataProvider.h>

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
#include "cli/palco.hpp"
#include "cli/roteiro.hpp"
#include "cli/roteiro_sessao.hpp"
#include "fuzz/apoio_fuzz.hpp"
#include "support/gerador_roteiro.hpp"

namespace {

using namespace pjtCampoVivo;
using namespace pjtCampoVivo::cli;

// ---- The script as it is generated ----------------------------------------------------------

std::string roteiro_gerado;  // every line so far, for the report of a violation

[[noreturn]] void violacao(const std::string& oque) {
    std::fprintf(stderr, "fuzz_roteiro_gerado: %s\nThe script (campovivo roteiro replays it):\n%s",
                 oque.c_str(), roteiro_gerado.c_str());
    std::abort();
}

// The fuzzer's bytes as the generator's choices, consumed as FuzzedDataProvider consumes
// them for a number in a range, so a corpus file keeps choosing the same script.
class EscolhasFuzzer final : public teste::FonteEscolhas {
  public:
    explicit EscolhasFuzzer(FuzzedDataProvider& d) : d_(d) {}
    int64_t inteiro(int64_t minimo, int64_t maximo) override {
        return d_.ConsumeIntegralInRange<int64_t>(minimo, maximo);
    }
    bool acabou() const override { return d_.remaining_bytes() == 0; }

  private:
    FuzzedDataProvider& d_;
};

// ---- Invariants ------------------------------------------------------------------------------

void verificar_caixa(const EstadoCaixa& caixa, const char* nome, const char* onde) {
    const auto tamanho = static_cast<int64_t>(caixa.texto.size());
    const int64_t inicio = caixa.sel_inicio;
    const int64_t fim = inicio + caixa.sel_tamanho;
    if (inicio < 0 || inicio > tamanho || caixa.sel_tamanho < 0 || fim > tamanho) {
        violacao(std::string(onde) + ": " + nome + " selection [" + std::to_string(inicio) + ", +" +
                 std::to_string(caixa.sel_tamanho) + "] outside a text of " +
                 std::to_string(tamanho) + " units");
    }
}

// What must hold whenever the control hands control back: after a line, and inside each
// event it raises to the host.
void verificar_estrutura(const Palco& palco, const char* onde) {
    const EstadoCaixas caixas = palco.caixas();
    const CampoVivo::Estado estado = palco.campo().estado();
    if (estado.itemData.size() != caixas.lista.size()) {
        violacao(std::string(onde) + ": " + std::to_string(estado.itemData.size()) +
                 " item-data strings for " + std::to_string(caixas.lista.size()) + " list entries");
    }
    verificar_caixa(caixas.texto, "txtCombo", onde);
    verificar_caixa(caixas.combo, "cboCombo", onde);
    if (caixas.indice < -1 || caixas.indice >= static_cast<int64_t>(caixas.lista.size())) {
        violacao(std::string(onde) + ": cboCombo's list position " + std::to_string(caixas.indice) +
                 " in a list of " + std::to_string(caixas.lista.size()));
    }
}

// The settings the control documents: a mask 0 to 15 and 0 to 9 decimal places. Within them
// the plain value of whatever the control shows must be readable, unless the text is longer
// than any 16-bit length: a box keeps such a text when formatting it failed (a value moved in
// or pasted whole), and reading it fails with the overflow error as every such text does.
bool recusa_documentada(const CampoVivo& campo, const Erro& e) {
    const bool configuracao = campo.Mascara() >= 0 && campo.Mascara() <= 15 &&
                              campo.QuantidadeCasasDecimais() >= 0 &&
                              campo.QuantidadeCasasDecimais() <= 9;
    if (!configuracao) return fuzz::erro_publicado(e);
    return e.numero() == numero_erro::Estouro && campo.Text().size() > 32767;
}

void verificar_valor(CampoVivo& campo) {
    // Reading the value must not disturb the per-thread flag the next keystroke looks at.
    const int32_t flag = SeparadorInserido;
    for (const bool ponto : {false, true}) {
        try {
            if (ponto) {
                campo.ClipTextPonto();
            } else {
                campo.ClipText();
            }
        } catch (const Erro& e) {
            if (!recusa_documentada(campo, e)) {
                const std::u16string texto = campo.Text();
                std::string inicio;  // the first units, non-ASCII as '?'
                for (std::size_t i = 0; i < texto.size() && i < 60; ++i)
                    inicio += texto[i] < 0x80 ? static_cast<char>(texto[i]) : '?';
                violacao(std::string(ponto ? "ClipTextPonto" : "ClipText") + " failed (" +
                         std::to_string(e.numero()) + ": " + e.what() + ") on a text of " +
                         std::to_string(texto.size()) + " units, \"" + inicio + "\"..., mask " +
                         std::to_string(campo.Mascara()) + ", " +
                         std::to_string(campo.QuantidadeCasasDecimais()) + " places");
            }
        }
    }
    if (SeparadorInserido != flag) violacao("ClipText changed SeparadorInserido");
}

// Puts the structural check inside the events the control raises to the host, around the
// handlers the runner's session arms.
void vigiar(SessaoControle& s) {
    Palco& palco = *s.palco;
    auto& t = palco.tratadores;
    t.KeyPress = [&palco, anterior = t.KeyPress](int16_t& KeyAscii) {
        verificar_estrutura(palco, "in KeyPress");
        anterior(KeyAscii);
    };
    t.Change = [&palco, anterior = t.Change] {
        verificar_estrutura(palco, "in Change");
        anterior();
    };
    t.FimItensLista = [&palco, anterior = t.FimItensLista](std::u16string& TextoProcurado) {
        verificar_estrutura(palco, "in FimItensLista");
        anterior(TextoProcurado);
    };
}

std::unique_ptr<Recordset> sem_banco(const std::string&, std::u16string_view) {
    throw ErroCli("database files are not opened by this runner");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    SeparadorInserido = 0;  // each input starts as a fresh process does
    FuzzedDataProvider d(dados, tamanho);
    EscolhasFuzzer escolhas(d);
    teste::GeradorRoteiro gerador(escolhas);
    ExecucaoRoteiro roteiro(criar_palco_headless, sem_banco);
    roteiro_gerado.clear();
    static const bool mostrar = std::getenv("CAMPOVIVO_MOSTRAR_ROTEIRO") != nullptr;
    SessaoControle* vigiada = roteiro.sessao().controle.get();
    vigiar(*vigiada);
    bool execucao = true;
    std::string saida;
    for (std::size_t numero = 1; numero <= 40 && !gerador.acabou(); ++numero) {
        const std::string linha = gerador.linha();
        roteiro_gerado += linha + "\n";
        // With CAMPOVIVO_MOSTRAR_ROTEIRO set, each line goes to the standard error before it
        // runs: the script of a corpus file or of a crash, for `campovivo roteiro`.
        if (mostrar) std::fprintf(stderr, "%s\n", linha.c_str());
        if (linha.rfind("{\"modo\"", 0) == 0)
            execucao = linha.find("execucao") != std::string::npos;
        try {
            roteiro.executar(linha, numero, saida);
        } catch (const ErroCli& e) {
            violacao(std::string("the runner refused a generated line: ") + e.what());
        } catch (const Erro& e) {
            violacao(std::string("an Erro escaped the runner: ") + e.what());
        } catch (const std::exception& e) {
            violacao(std::string("unexpected exception: ") + e.what());
        }
        if (const auto& erro = roteiro.resultado().erro; erro && !fuzz::erro_publicado(*erro)) {
            violacao("unpublished error " + std::to_string(erro->numero()) + ": " + erro->what());
        }
        SessaoControle& s = *roteiro.sessao().controle;
        if (&s != vigiada) {  // "novo": a fresh form, at run time
            vigiada = &s;
            vigiar(s);
            execucao = true;
        }
        verificar_estrutura(*s.palco, "after the line");
        if (execucao) verificar_valor(s.campo);
    }
    return 0;
}
