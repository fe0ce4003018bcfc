#include "cli/roteiro.hpp"

#include <array>
#include <string_view>

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

// Runs one line that is valid UTF-8 and not blank or a comment; a line that cannot run
// throws.
void executar_linha(std::string_view texto, std::size_t numero, Sessao& sessao,
                    std::string& saida) {
    const ValorJson linha = ler_json(texto);
    const EntradaOperacao& operacao = operacao_de(linha);
    ResultadoLinha resultado;
    if (operacao.controle) {
        sessao.controle->limpar_registros();
        try {
            operacao.executar(linha, sessao, resultado);
        } catch (const Erro& e) {
            resultado.erro = e;
        }
        sessao.controle->relatar(resultado);
    } else {
        operacao.executar(linha, sessao, resultado);
    }
    saida.clear();
    escrever_resultado(numero, resultado, saida);
}

}  // namespace

int executar_roteiro(const std::string& caminho, const FabricaPalco& fabrica) {
    LeitorLinhas entrada(abrir_entrada(caminho));
    Sessao sessao(fabrica);
    std::string texto;
    std::string saida;
    while (entrada.proxima(texto)) {
        try {
            validar_utf8(texto);
            if (ignorada(texto)) continue;
            executar_linha(texto, entrada.numero(), sessao, saida);
        } catch (const std::exception& e) {
            throw ErroCli("line " + std::to_string(entrada.numero()) + ": " + e.what());
        }
        escrever_linha(saida);
    }
    return status_sucesso;
}

}  // namespace pjtCampoVivo::cli
