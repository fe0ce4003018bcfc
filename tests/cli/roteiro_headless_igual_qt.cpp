// Session scripts replayed on the headless stage and on real Qt widgets must answer alike, line
// by line, but for what each realisation chooses for itself: the control's height, the hWnd a
// "get" reads, "Font" and "MouseIcon" in a written bag, error descriptions.
//   roteiro_headless_igual_qt [SCRIPT.jsonl...] [ROTEIROS [SEGUNDOS [PRIMEIRA_SEMENTE]]]
// The scripts given are replayed first; then generated script i comes from seed
// PRIMEIRA_SEMENTE + i, until SEGUNDOS have gone by. A generated script that answers
// differently is saved as roteiro_diferente_SEED.jsonl (replay it with `campovivo roteiro
// [--toolkit qt]`); the first differing line of each side is printed.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include "cli/erro_cli.hpp"
#include "cli/json_leitura.hpp"
#include "cli/palco.hpp"
#include "cli/roteiro.hpp"
#include "support/gerador_roteiro.hpp"

namespace {

using namespace pjtCampoVivo;
using namespace pjtCampoVivo::cli;
using Tipo = ValorJson::Tipo;

// A generated script, at most as long as the fuzz target makes them.
std::vector<std::string> gerar(uint64_t semente) {
    teste::EscolhasSemente escolhas(semente);
    teste::GeradorRoteiro gerador(escolhas);
    const auto quantas = escolhas.inteiro(1, 40);
    std::vector<std::string> linhas;
    for (int64_t i = 0; i < quantas; ++i) linhas.push_back(gerador.linha());
    return linhas;
}

std::unique_ptr<Recordset> sem_banco(const std::string&, std::u16string_view) {
    throw ErroCli("database files are not opened by this test");
}

// Each line's output, or what stopped the line from running.
std::vector<std::string> reproduzir(const std::vector<std::string>& roteiro,
                                    const FabricaPalco& fabrica) {
    // A fresh process starts with the flag clear; both stages share this thread's.
    SeparadorInserido = 0;
    std::vector<std::string> saidas;
    try {
        ExecucaoRoteiro execucao(fabrica, sem_banco);
        for (std::size_t i = 0; i < roteiro.size(); ++i) {
            std::string saida;
            execucao.executar(roteiro[i], i + 1, saida);
            saidas.push_back(std::move(saida));
        }
    } catch (const std::exception& e) {
        saidas.push_back(std::string("the line did not run: ") + e.what());
    }
    return saidas;
}

ValorJson* membro(ValorJson* objeto, std::u16string_view chave) {
    return objeto == nullptr ? nullptr : const_cast<ValorJson*>(objeto->membro(chave));
}

void apagar(ValorJson* v) {
    if (v != nullptr) *v = ValorJson{};
}

// The output with what a realisation chooses for itself cleared.
ValorJson mascarado(const std::string& saida, bool hwnd) {
    ValorJson v = ler_json(saida);
    if (ValorJson* erro = membro(&v, u"erro"); erro != nullptr && erro->tipo == Tipo::Objeto)
        apagar(membro(erro, u"descricao"));
    apagar(membro(membro(membro(&v, u"estado"), u"campo"), u"altura"));
    ValorJson* valor = membro(&v, u"valor");
    if (hwnd) apagar(valor);
    if (valor != nullptr && valor->tipo == Tipo::Lista) {
        for (ValorJson& par : valor->lista) {
            const bool propria =
                par.tipo == Tipo::Lista && par.lista.size() == 3 &&
                (par.lista[0].texto == u"Font" || par.lista[0].texto == u"MouseIcon");
            if (!propria) continue;
            apagar(&par.lista[1]);
            apagar(&par.lista[2]);
        }
    }
    return v;
}

// Where two outputs first differ ("estado.foco"), or nothing when they agree.
std::optional<std::string> diferenca(const ValorJson& a, const ValorJson& b,
                                     const std::string& caminho) {
    const std::string aqui = caminho.empty() ? "(the line)" : caminho;
    if (a.tipo != b.tipo || a.booleano != b.booleano || a.literal != b.literal ||
        a.texto != b.texto || a.lista.size() != b.lista.size() ||
        a.objeto.size() != b.objeto.size())
        return aqui;
    for (std::size_t i = 0; i < a.lista.size(); ++i) {
        if (auto d = diferenca(a.lista[i], b.lista[i], aqui + "[" + std::to_string(i) + "]"))
            return d;
    }
    for (std::size_t i = 0; i < a.objeto.size(); ++i) {
        std::string dentro = caminho.empty() ? "" : caminho + ".";
        for (const char16_t u : a.objeto[i].chave) dentro.push_back(u < 0x80 ? char(u) : '?');
        if (a.objeto[i].chave != b.objeto[i].chave) return dentro + " (key)";
        if (auto d = diferenca(a.objeto[i].valor, b.objeto[i].valor, dentro)) return d;
    }
    return std::nullopt;
}

struct Divergencia {
    std::size_t linha;  // 0-based
    std::string onde;
};

std::optional<Divergencia> comparar(const std::vector<std::string>& roteiro,
                                    const std::vector<std::string>& headless,
                                    const std::vector<std::string>& qt) {
    for (std::size_t i = 0; i < headless.size() || i < qt.size(); ++i) {
        if (i >= headless.size() || i >= qt.size()) return Divergencia{i, "one side stopped"};
        if (headless[i] == qt[i]) continue;
        try {
            const ValorJson linha = ler_json(roteiro[i]);
            const ValorJson* get = linha.membro(u"get");
            const bool hwnd = get != nullptr && get->tipo == Tipo::Texto && get->texto == u"hWnd";
            if (auto d = diferenca(mascarado(headless[i], hwnd), mascarado(qt[i], hwnd), ""))
                return Divergencia{i, *d};
        } catch (const std::exception&) {
            return Divergencia{i, "an output that is not JSON"};
        }
    }
    return std::nullopt;
}

// One side's output of a line as the report shows it, long texts cut short.
std::string lado(const std::vector<std::string>& saidas, std::size_t i) {
    if (i >= saidas.size()) return "(nothing)";
    return saidas[i].size() <= 2000 ? saidas[i] : saidas[i].substr(0, 2000) + "...";
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> numeros, arquivos;
    for (int i = 1; i < argc; ++i)
        (std::string_view(argv[i]).ends_with(".jsonl") ? arquivos : numeros).emplace_back(argv[i]);
    const auto numero = [&](std::size_t i, double padrao) {
        return i < numeros.size() ? std::atof(numeros[i].c_str()) : padrao;
    };
    const auto roteiros = static_cast<long>(numero(0, 300));
    const double segundos = numero(1, 600);
    const auto primeira = static_cast<uint64_t>(numero(2, 1));
    const FabricaPalco qt = fabrica_palco_qt();
    if (!qt) {
        std::fprintf(stderr, "this build has no Qt stage\n");
        return 1;
    }
    long comparados = 0, diferentes = 0;
    // Replays one script on both stages; a difference is reported, the script saved as `salvar`.
    const auto conferir = [&](const std::string& nome, const std::vector<std::string>& roteiro,
                              const std::string& salvar) {
        const std::vector<std::string> headless = reproduzir(roteiro, criar_palco_headless);
        const std::vector<std::string> qt_saidas = reproduzir(roteiro, qt);
        ++comparados;
        const auto d = comparar(roteiro, headless, qt_saidas);
        if (!d) return;
        ++diferentes;
        if (!salvar.empty()) {
            std::ofstream arquivo(salvar, std::ios::binary);
            for (const auto& l : roteiro) arquivo << l << '\n';
        }
        std::printf("%s: line %zu differs at %s\nheadless: %s\nqt:       %s\n", nome.c_str(),
                    d->linha + 1, d->onde.c_str(), lado(headless, d->linha).c_str(),
                    lado(qt_saidas, d->linha).c_str());
    };
    // The session scripts given, as they are.
    for (const std::string& arquivo : arquivos) {
        std::ifstream entrada(arquivo, std::ios::binary);
        std::vector<std::string> roteiro;
        for (std::string linha; std::getline(entrada, linha);) roteiro.push_back(linha);
        conferir(arquivo, roteiro, "");
    }
    const auto inicio = std::chrono::steady_clock::now();
    for (long n = 0; n < roteiros; ++n) {
        const std::chrono::duration<double> passado = std::chrono::steady_clock::now() - inicio;
        if (passado.count() > segundos) {
            std::printf("time budget of %.0f s spent: stopping after %ld scripts\n", segundos,
                        comparados);
            break;
        }
        const uint64_t semente = primeira + static_cast<uint64_t>(n);
        const std::string s = std::to_string(semente);
        conferir("seed " + s, gerar(semente), "roteiro_diferente_" + s + ".jsonl");
    }
    const std::chrono::duration<double> total = std::chrono::steady_clock::now() - inicio;
    std::printf("%ld scripts compared in %.1f s, %ld differ\n", comparados, total.count(),
                diferentes);
    return diferentes == 0 && comparados > 0 ? 0 : 1;
}
