#include <pjtcampovivo/formatting/formatacao.hpp>

#include <charconv>
#include <cmath>
#include <string>

#include <pjtcampovivo/formatting/moldes.hpp>
#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/validation/comuns.hpp>
#include <pjtcampovivo/validation/erro.hpp>
#include <pjtcampovivo/validation/inscricao_estadual.hpp>

namespace pjtCampoVivo {

namespace {

// The caller's text is copied here rather than into a fresh string, so a field formatted on
// every keystroke reuses one buffer per thread.
std::u16string& texto_de_trabalho() {
    thread_local std::u16string texto;
    return texto;
}

// Runs one engine call with the thread's flag saved and restored, and reports whether the
// call raised it.
template <typename Chamada>
bool sem_tocar_flag(Chamada&& chamada) {
    const int32_t anterior = SeparadorInserido;
    SeparadorInserido = 0;
    try {
        chamada();
    } catch (...) {
        SeparadorInserido = anterior;
        throw;
    }
    const bool inserido = SeparadorInserido == 1;
    SeparadorInserido = anterior;
    return inserido;
}

// A registration number of the unit uf cut to max_length (0 or less becomes 50, written
// back) and shaped; an unknown unit shapes as mask 15.
SinaisFormatacao inscricao_uf_em(std::u16string_view texto, std::u16string_view uf,
                                 int16_t& max_length, std::u16string& saida) {
    if (max_length <= 0) max_length = 50;
    std::u16string& trabalho = texto_de_trabalho();
    trabalho.assign(texto.substr(0, static_cast<std::size_t>(max_length)));
    SinaisFormatacao sinais;
    sinais.separador_inserido =
        sem_tocar_flag([&] { detail::inscricao_estadual_uf(trabalho, uf, saida); });
    return sinais;
}

}  // namespace

SinaisFormatacao formatar_entrada_em(std::u16string_view texto, int32_t mascara, int16_t max_length,
                                     int32_t casas_decimais, int32_t entrada,
                                     std::u16string& saida) {
    std::u16string& trabalho = texto_de_trabalho();
    trabalho.assign(texto);
    int32_t negativo = 0;
    SinaisFormatacao sinais;
    sinais.separador_inserido = sem_tocar_flag([&] {
        detail::formatar_entrada(trabalho, mascara, max_length, casas_decimais, negativo, entrada,
                                 saida);
    });
    sinais.negativo = negativo == 1;
    return sinais;
}

TextoFormatado formatar_entrada(std::u16string_view texto, eMascara mascara, int16_t max_length,
                                int32_t casas_decimais, eEntradaDe entrada) {
    TextoFormatado r;
    static_cast<SinaisFormatacao&>(r) = formatar_entrada_em(
        texto, valor(mascara), max_length, casas_decimais, valor(entrada), r.texto);
    return r;
}

namespace {

// A variant's display text through the one path a field takes, max_length written back.
TextoFormatado formatar_variante(AjustesCampo campo, std::u16string_view texto, int16_t& max_length,
                                 eEntradaDe entrada) {
    campo.max_length = max_length;
    TextoFormatado r;
    static_cast<SinaisFormatacao&>(r) = formatar_campo_entrada_em(campo, texto, entrada, r.texto);
    max_length = campo.max_length;
    return r;
}

}  // namespace

TextoFormatado formatar_cnpj_alfanumerico_entrada(std::u16string_view texto, int16_t& max_length,
                                                  eEntradaDe entrada) {
    return formatar_variante({.mascara = valor(eMascara::CNPJ), .cnpj_alfanumerico = true}, texto,
                             max_length, entrada);
}

TextoFormatado formatar_telefone_ddd_entrada(std::u16string_view texto, int16_t& max_length,
                                             eEntradaDe entrada) {
    return formatar_variante({.mascara = valor(eMascara::Telefone), .telefone_ddd = true}, texto,
                             max_length, entrada);
}

std::u16string formatar_saida(std::u16string_view texto, eMascara mascara, int32_t casas_decimais) {
    std::u16string& trabalho = texto_de_trabalho();
    trabalho.assign(texto);
    std::u16string resultado;
    detail::formatar_saida(trabalho, valor(mascara), casas_decimais, resultado);
    return resultado;
}

std::u16string formatar_saida_cnpj_alfanumerico(std::u16string_view texto) {
    return Comuns::ExtrairCNPJAlfanumerico(texto);
}

std::u16string formatar_saida_telefone_ddd(std::u16string_view texto) {
    int32_t negativo = 0;
    return Comuns::ExtrairDigitos(texto, 0, negativo);
}

TextoFormatado formatar_inscricao_estadual_uf(std::u16string_view texto, std::u16string_view uf) {
    std::u16string& trabalho = texto_de_trabalho();
    trabalho.assign(texto);
    TextoFormatado r;
    r.separador_inserido =
        sem_tocar_flag([&] { detail::inscricao_estadual_uf(trabalho, uf, r.texto); });
    return r;
}

TextoFormatado formatar_inscricao_estadual_uf_entrada(std::u16string_view texto,
                                                      std::u16string_view uf, int16_t& max_length) {
    TextoFormatado r;
    static_cast<SinaisFormatacao&>(r) = inscricao_uf_em(texto, uf, max_length, r.texto);
    return r;
}

std::u16string formatar_saida_inscricao_estadual_uf(std::u16string_view texto,
                                                    std::u16string_view uf) {
    return Comuns::ExtrairInscricaoEstadual(texto, uf);
}

SinaisFormatacao formatar_campo_entrada_em(AjustesCampo& campo, std::u16string_view texto,
                                           eEntradaDe entrada, std::u16string& saida) {
    int16_t& max_length = campo.max_length;
    const Moldagem moldagem = campo.moldagem();
    if (moldagem == Moldagem::Mascara) {
        if (max_length <= 0) max_length = 50;
        return formatar_entrada_em(texto, campo.mascara, max_length, campo.casas_decimais,
                                   valor(entrada), saida);
    }
    if (moldagem == Moldagem::InscricaoUF)
        return inscricao_uf_em(texto, campo.uf, max_length, saida);
    std::u16string& trabalho = texto_de_trabalho();
    trabalho.assign(texto);
    SinaisFormatacao sinais;
    sinais.separador_inserido = sem_tocar_flag([&] {
        if (moldagem == Moldagem::CNPJAlfanumerico) {
            detail::cnpj_alfanumerico_entrada(trabalho, max_length, valor(entrada), saida);
        } else {
            detail::telefone_ddd_entrada(trabalho, max_length, valor(entrada), saida);
        }
    });
    return sinais;
}

TextoFormatado formatar_campo_entrada(AjustesCampo& campo, std::u16string_view texto,
                                      eEntradaDe entrada) {
    TextoFormatado r;
    static_cast<SinaisFormatacao&>(r) = formatar_campo_entrada_em(campo, texto, entrada, r.texto);
    return r;
}

std::u16string formatar_campo_saida(const AjustesCampo& campo, std::u16string_view texto) {
    switch (campo.moldagem()) {
        case Moldagem::CNPJAlfanumerico:
            return formatar_saida_cnpj_alfanumerico(texto);
        case Moldagem::TelefoneDDD:
            return formatar_saida_telefone_ddd(texto);
        case Moldagem::InscricaoUF:
            return formatar_saida_inscricao_estadual_uf(texto, campo.uf);
        case Moldagem::Mascara:
            break;
    }
    return formatar_saida(texto, static_cast<eMascara>(campo.mascara), campo.casas_decimais);
}

const ChecagemSaida* checagem_saida_campo(const AjustesCampo& campo) {
    switch (campo.moldagem()) {
        case Moldagem::CNPJAlfanumerico:
            return &checagem_saida_cnpj_alfanumerico();
        case Moldagem::TelefoneDDD:
            return &checagem_saida_telefone_ddd();
        case Moldagem::InscricaoUF:
            return checagem_saida_inscricao_estadual(campo.uf);
        case Moldagem::Mascara:
            break;
    }
    return checagem_saida(campo.mascara);
}

std::u16string numero_plano(double valor) {
    if (!std::isfinite(valor)) throw Erro::estouro("Estouro: número não finito");
    // Fifteen significant digits, as a double carries them: "d.dddddddddddddde+XX".
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(valor),
                                 std::chars_format::scientific, 14);
    const std::string_view texto(buffer, static_cast<std::size_t>(r.ptr - buffer));
    const auto e = texto.find('e');
    std::u16string digitos;
    for (const char c : texto.substr(0, e)) {
        if (c != '.') digitos.push_back(static_cast<char16_t>(c));
    }
    int expoente = 0;
    std::from_chars(texto.data() + e + 1 + (texto[e + 1] == '+'), texto.data() + texto.size(),
                    expoente);
    // value = digitos x 10^(expoente - 14)
    const int escala = expoente - 14;
    int32_t casas = 0;
    if (escala >= 0) {
        digitos.append(static_cast<std::size_t>(escala), u'0');
    } else {
        casas = -escala;
    }
    std::u16string saida;
    detail::escrever_decimal(digitos, casas, std::signbit(valor) && valor != 0, saida);
    return saida;
}

std::u16string com_ponto_decimal(std::u16string valor) {
    if (valor.empty()) return u"0";
    if (const auto virgula = valor.find(u','); virgula != std::u16string::npos)
        valor[virgula] = u'.';
    return valor;
}

}  // namespace pjtCampoVivo
