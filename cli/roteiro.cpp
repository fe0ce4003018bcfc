#include "cli/roteiro.hpp"

#include <array>
#include <string_view>
#include <utility>

#include "cli/erro_cli.hpp"
#include "cli/json_leitura.hpp"
#include "cli/json_saida.hpp"
#include "cli/linhas.hpp"
#include "cli/roteiro_operacoes.hpp"
#include "cli/roteiro_sessao.hpp"
#include "cli/utf8.hpp"

namespace pjtCampoVivo::cli {

namespace {

struct EntradaOperacao {
    std::u16string_view nome;
    Operacao executar;
    // An operation on the control: its line reports what the host and the screen heard
    // and the state after it, and a failure of the member it ran is reported, not fatal.
    bool controle;
};

constexpr std::array<EntradaOperacao, 17> operacoes{{
    {u"chamar", operacao_chamar, false},
    {u"novo", operacao_novo, true},
    {u"set", operacao_set, true},
    {u"get", operacao_get, true},
    {u"metodo", operacao_metodo, true},
    {u"modo", operacao_modo, true},
    {u"redimensionar", operacao_redimensionar, true},
    {u"hospede", operacao_hospede, true},
    {u"teclar", operacao_teclar, true},
    {u"tecla", operacao_tecla, true},
    {u"selecionar", operacao_selecionar, true},
    {u"colar", operacao_colar, true},
    {u"focar", operacao_focar, true},
    {u"sair", operacao_sair, true},
    {u"clicar", operacao_clicar, true},
    {u"abrir", operacao_abrir, true},
    {u"duplo", operacao_duplo, true},
}};

// Blank lines and comments produce no output.
bool ignorada(std::string_view linha) {
    const std::size_t primeiro = linha.find_first_not_of(" \t\r\n");
    return primeiro == std::string_view::npos || linha[primeiro] == '#';
}

const EntradaOperacao& operacao_de(const ValorJson& linha) {
    if (linha.tipo != ValorJson::Tipo::Objeto) {
        throw ErroCli("not a JSON object (found " + std::string(nome_tipo_json(linha.tipo)) + ")");
    }
    if (linha.objeto.empty()) throw ErroCli("the object names no operation");
    const std::u16string& nome = linha.objeto.front().chave;
    for (const auto& op : operacoes) {
        if (op.nome == nome) return op;
    }
    throw ErroCli("unknown operation " + citar_json(nome));
}

void escrever_textos(EscritorJson& j, const std::vector<std::u16string>& textos) {
    j.abrir_lista();
    for (const auto& t : textos) j.texto(t);
    j.fechar_lista();
}

void escrever_erro(EscritorJson& j, const std::optional<Erro>& erro) {
    if (!erro) {
        j.nulo();
        return;
    }
    j.abrir_objeto();
    j.chave("numero").numero(erro->numero());
    j.chave("tipo").texto(utf8_para_utf16(nome_tipo_erro(erro->tipo())));
    j.chave("descricao").texto(utf8_para_utf16(erro->descricao()));
    j.fechar_objeto();
}

void escrever_mensagens(EscritorJson& j, const std::vector<MensagemMostrada>& mensagens) {
    j.abrir_lista();
    for (const auto& m : mensagens) {
        j.abrir_objeto();
        j.chave("prompt").texto(m.prompt);
        j.chave("codigo").numero(m.codigo);
        j.chave("titulo").texto(m.titulo);
        j.fechar_objeto();
    }
    j.fechar_lista();
}

void escrever_resultado(std::size_t numero_linha, const ResultadoLinha& r, std::string& saida) {
    EscritorJson j(saida);
    j.abrir_objeto();
    j.chave("linha").numero(static_cast<int64_t>(numero_linha));
    escrever_textos(j.chave("eventos"), r.eventos);
    escrever_textos(j.chave("avisos"), r.avisos);
    escrever_mensagens(j.chave("mensagens"), r.mensagens);
    escrever_textos(j.chave("injetadas"), r.injetadas);
    j.chave("valor").bruto(r.valor);
    escrever_erro(j.chave("erro"), r.erro);
    if (!r.complemento.empty()) {
        saida.push_back(',');
        saida += r.complemento;
    }
    j.fechar_objeto();
}

}  // namespace

ExecucaoRoteiro::ExecucaoRoteiro(FabricaPalco fabrica, AbrirBanco abrir_banco)
    : sessao_(std::move(fabrica), std::move(abrir_banco)) {}

bool ExecucaoRoteiro::executar(std::string_view texto, std::size_t numero, std::string& saida) {
    validar_utf8(texto);
    if (ignorada(texto)) return false;
    const ValorJson linha = ler_json(texto);
    const EntradaOperacao& operacao = operacao_de(linha);
    resultado_ = ResultadoLinha{};
    if (operacao.controle) {
        sessao_.controle->limpar_registros();
        try {
            operacao.executar(linha, sessao_, resultado_);
        } catch (const Erro& e) {
            resultado_.erro = e;
        }
        sessao_.controle->relatar(resultado_);
    } else {
        operacao.executar(linha, sessao_, resultado_);
    }
    saida.clear();
    escrever_resultado(numero, resultado_, saida);
    return true;
}

int executar_roteiro(const std::string& caminho, const FabricaPalco& fabrica) {
    LeitorLinhas entrada(abrir_entrada(caminho));
    ExecucaoRoteiro roteiro(fabrica, abrir_banco_sqlite);
    std::string texto;
    std::string saida;
    while (entrada.proxima(texto)) {
        bool produziu = false;
        try {
            produziu = roteiro.executar(texto, entrada.numero(), saida);
        } catch (const std::exception& e) {
            throw ErroCli("line " + std::to_string(entrada.numero()) + ": " + e.what());
        }
        if (produziu) escrever_linha(saida);
    }
    return status_sucesso;
}

}  // namespace pjtCampoVivo::cli
