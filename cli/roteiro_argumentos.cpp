#include "cli/roteiro_argumentos.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "cli/erro_cli.hpp"
#include "cli/json_saida.hpp"

namespace pjtCampoVivo::cli {

namespace {

// The shortest digits that read back as valor: in fixed notation, or in whichever of fixed
// and exponent notation is shorter.
std::string digitos(double valor, bool fixo) {
    char buffer[400];  // a fixed double needs up to 309 integer digits
    const auto [fim, erro] =
        fixo ? std::to_chars(buffer, buffer + sizeof buffer, valor, std::chars_format::fixed)
             : std::to_chars(buffer, buffer + sizeof buffer, valor);
    if (erro != std::errc()) return "0";
    return std::string(buffer, fim);
}

bool inteiro(double valor) {
    return std::isfinite(valor) && valor == std::trunc(valor);
}

// Below this, a whole number is written with all its digits (as JSON writers usually do);
// beyond it the digits past the seventeenth say nothing, and the exponent form is shorter.
constexpr double LimiteDigitos = 1e21;

}  // namespace

std::string com_artigo(ValorJson::Tipo tipo) {
    const std::string_view nome = nome_tipo_json(tipo);
    const bool vogal = nome.find_first_of("aeiou") == 0;
    return (vogal ? "an " : "a ") + std::string(nome);
}

void exigir_membros(const ValorJson& objeto, const std::vector<std::u16string_view>& permitidas,
                    std::string_view onde) {
    for (const auto& membro : objeto.objeto) {
        if (std::find(permitidas.begin(), permitidas.end(), membro.chave) == permitidas.end()) {
            throw ErroCli("unexpected member " + citar_json(membro.chave) + " in " +
                          std::string(onde));
        }
    }
}

const ValorJson& exigir_tipo(const ValorJson& valor, ValorJson::Tipo tipo, std::string_view nome) {
    if (valor.tipo != tipo) {
        throw ErroCli(std::string(nome) + " must be " + com_artigo(tipo) + ", not " +
                      com_artigo(valor.tipo));
    }
    return valor;
}

const ValorJson& membro_exigido(const ValorJson& objeto, std::u16string_view chave,
                                ValorJson::Tipo tipo) {
    const ValorJson* valor = membro_opcional(objeto, chave, tipo);
    if (!valor) throw ErroCli("missing member " + citar_json(chave));
    return *valor;
}

const ValorJson* membro_opcional(const ValorJson& objeto, std::u16string_view chave,
                                 ValorJson::Tipo tipo) {
    const ValorJson* valor = objeto.membro(chave);
    if (valor) exigir_tipo(*valor, tipo, citar_json(chave));
    return valor;
}

void exigir_verdadeiro(const ValorJson& linha, std::u16string_view operacao) {
    const ValorJson& valor = *linha.membro(operacao);
    if (valor.tipo != ValorJson::Tipo::Booleano || !valor.booleano) {
        throw ErroCli(citar_json(operacao) + " takes the value true");
    }
    exigir_membros(linha, {operacao}, "a " + citar_json(operacao) + " line");
}

std::string numero_json(double valor) {
    if (!std::isfinite(valor)) return "null";
    return digitos(valor, inteiro(valor) && std::fabs(valor) < LimiteDigitos);
}

std::u16string numero_como_texto(double valor) {
    if (valor == 0) return u"0";  // -0 too
    const std::string texto = digitos(valor, true);
    std::u16string resultado(texto.begin(), texto.end());
    std::replace(resultado.begin(), resultado.end(), u'.', u',');
    return resultado;
}

}  // namespace pjtCampoVivo::cli
