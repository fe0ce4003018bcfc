#include "cli/comandos.hpp"

#include <unistd.h>

#include <cstdio>
#include <string_view>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/formatting/formatacao.hpp>
#include <pjtcampovivo/formatting/mascaras.hpp>
#include <pjtcampovivo/validation/checagem_saida.hpp>
#include <pjtcampovivo/validation/erro.hpp>
#include <pjtcampovivo/validation/inscricao_estadual.hpp>
#include "cli/erro_cli.hpp"
#include "cli/json_saida.hpp"
#include "cli/linhas.hpp"
#include "cli/utf8.hpp"

namespace pjtCampoVivo::cli {

namespace {

// Runs tratar on each value as UTF-16: the arguments when there are any, otherwise each
// line of standard input, read as it comes. A failure names the value it came from.
template <typename Tratar>
void para_cada_valor(const std::vector<std::string>& textos, Tratar&& tratar) {
    std::u16string texto;
    auto tratar_em = [&](std::string_view utf8, const char* origem, std::size_t numero) {
        try {
            utf8_para_utf16(utf8, texto);
            tratar(std::u16string_view(texto));
        } catch (const Utf8Invalido& e) {
            throw ErroCli(origem + std::to_string(numero) + ": " + e.what());
        } catch (const Erro& e) {
            throw ErroCli(origem + std::to_string(numero) + ": " + std::string(e.descricao()) +
                          " (error " + std::to_string(e.numero()) + ")");
        }
    };
    if (!textos.empty()) {
        for (std::size_t i = 0; i < textos.size(); ++i) tratar_em(textos[i], "value ", i + 1);
        return;
    }
    LeitorLinhas entrada(STDIN_FILENO);
    std::string linha;
    while (entrada.proxima(linha)) tratar_em(linha, "line ", entrada.numero());
}

// The command-line option of each variant, by the field setting that switches it on.
const char* opcao_da_variante(std::u16string_view ajuste) {
    static constexpr struct {
        std::u16string_view ajuste;
        const char* opcao;
    } opcoes[] = {{u"CNPJAlfanumerico", "--alfanumerico"}, {u"TelefoneDDD", "--ddd"}};
    for (const auto& o : opcoes) {
        if (o.ajuste == ajuste) return o.opcao;
    }
    return "";
}

}  // namespace

int comando_formatar(const OpcoesFormatar& o, const std::vector<std::string>& textos) {
    std::u16string exibido;
    std::string linha;
    para_cada_valor(textos, [&](std::u16string_view texto) {
        AjustesCampo campo = o.campo;
        const SinaisFormatacao sinais = formatar_campo_entrada_em(
            campo, texto, o.movido ? eEntradaDe::eeMove : eEntradaDe::eeteclado, exibido);
        linha.clear();
        if (o.json) {
            EscritorJson j(linha);
            j.abrir_objeto();
            j.chave("entrada").texto(texto);
            j.chave("texto").texto(exibido);
            j.chave("negativo").booleano(sinais.negativo);
            j.chave("separadorInserido").booleano(sinais.separador_inserido);
            j.fechar_objeto();
        } else {
            anexar_utf16_como_utf8(exibido, linha);
        }
        escrever_linha(linha);
    });
    return status_sucesso;
}

int comando_saida(const OpcoesSaida& o, const std::vector<std::string>& textos) {
    std::string linha;
    para_cada_valor(textos, [&](std::u16string_view texto) {
        std::u16string valor = formatar_campo_saida(o.campo, texto);
        if (o.ponto) valor = com_ponto_decimal(std::move(valor));
        linha.clear();
        if (o.json) {
            EscritorJson j(linha);
            j.abrir_objeto();
            j.chave("entrada").texto(texto);
            j.chave("valor").texto(valor);
            j.fechar_objeto();
        } else {
            anexar_utf16_como_utf8(valor, linha);
        }
        escrever_linha(linha);
    });
    return status_sucesso;
}

int comando_validar(const OpcoesValidar& o, const std::vector<std::string>& textos) {
    const ChecagemSaida* verificacao = checagem_saida_campo(o.campo);
    if (!verificacao) {
        throw ErroCli("mask " + std::to_string(o.campo.mascara) +
                      " is not checked on leaving a field (only 3, 6, 7, 8, 9, 10, 13 and 14 are, "
                      "11 with --ddd and 15 with --uf)");
    }
    bool todos_validos = true;
    std::string linha;
    para_cada_valor(textos, [&](std::u16string_view texto) {
        // An empty field is always accepted.
        const bool valido = texto.empty() || verificacao->valido(texto);
        todos_validos = todos_validos && valido;
        linha.clear();
        if (o.json) {
            EscritorJson j(linha);
            j.abrir_objeto().chave("entrada").texto(texto).chave("valido").booleano(valido);
            j.chave("mensagem");
            valido ? j.nulo() : j.texto(verificacao->prompt);
            j.chave("titulo");
            valido ? j.nulo() : j.texto(verificacao->titulo);
            // What the unit's rules found, so a caller can tell a prefix from a check digit.
            if (o.campo.moldagem() == Moldagem::InscricaoUF) {
                j.chave("encontrado");
                texto.empty() ? j.nulo()
                              : j.texto(Comuns::NomeResultado(
                                    Comuns::VerificarInscricaoEstadual(texto, o.campo.uf)));
            }
            j.fechar_objeto();
        } else {
            if (valido) {
                linha = "ok";
            } else {
                anexar_utf16_como_utf8(verificacao->prompt, linha);
            }
        }
        escrever_linha(linha);
    });
    return todos_validos ? status_sucesso : status_invalido;
}

int comando_mascaras() {
    const EnumeracaoPublicada& mascaras = *enumeracao_publicada("eMascara");
    std::printf("%-4s  %-28s  %-9s  %s\n", "MASK", "NAME", "MAXLENGTH", "EXAMPLE");
    for (const auto& membro : mascaras.membros) {
        const auto config = configuracao_mascara(membro.valor);
        const std::string nome(membro.nome);
        std::printf("%4d  %-28s  %9d  %s\n", membro.valor, nome.c_str(),
                    config ? config->max_length : 0,
                    config ? utf16_para_utf8(config->exemplo).c_str() : "");
    }
    // The variants after a blank line, each named by its mask and the option of the commands.
    std::printf("\n%-4s  %-28s  %-9s  %s\n", "MASK", "VARIANT", "MAXLENGTH", "EXAMPLE");
    for (const VarianteMascara& v : variantes_mascara()) {
        const std::string_view publicado = *mascaras.nome_de(v.mascara);
        const std::string nome = std::string(publicado.substr(0, publicado.find(' '))) + " " +
                                 opcao_da_variante(v.ajuste);
        std::printf("%4d  %-28s  %9d  %s\n", v.mascara, nome.c_str(), v.max_length,
                    utf16_para_utf8(v.exemplo).c_str());
    }
    // The registration numbers of a unit, shown for SP; any of the 27 codes may follow --uf.
    const int32_t ie = valor(eMascara::InscricaoEstadual);
    std::printf("%4d  %-28s  %9d  %s\n", ie, "InscricaoEstadual --uf SP",
                configuracao_mascara(ie)->max_length,
                utf16_para_utf8(Comuns::ExemploInscricaoEstadual(u"SP")).c_str());
    return status_sucesso;
}

}  // namespace pjtCampoVivo::cli
