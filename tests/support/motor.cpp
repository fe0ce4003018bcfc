#include "support/motor.hpp"

#include <array>

#include "formatting/separador_inserido.hpp"

namespace pjtCampoVivo::teste {

std::string utf8(std::u16string_view texto) {
    std::string saida;
    for (char16_t u : texto) {
        char32_t c = u;
        if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;  // pairs are rare in tests: show each unit
        if (c < 0x80) {
            saida += static_cast<char>(c);
        } else if (c < 0x800) {
            saida += static_cast<char>(0xC0 | (c >> 6));
            saida += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            saida += static_cast<char>(0xE0 | (c >> 12));
            saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            saida += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return saida;
}

std::u16string digitos_ascii(std::u16string_view texto) {
    std::u16string d;
    for (char16_t c : texto) {
        if (c >= u'0' && c <= u'9') d += c;
    }
    return d;
}

Chamada entrada(std::u16string texto, int32_t mascara, int16_t max_length, int32_t casas,
                int32_t entrada_de, int32_t negativo) {
    Formatar f;
    SeparadorInserido = 0;
    Chamada c;
    c.exibido = f.FormatarTextoEntrada(texto, mascara, max_length, casas, negativo, entrada_de);
    c.texto = texto;
    c.max_length = max_length;
    c.negativo = negativo;
    c.flag = SeparadorInserido;
    return c;
}

Chamada rotina(Rotina r, std::u16string texto) {
    Formatar f;
    SeparadorInserido = 0;
    Chamada c;
    c.exibido = (f.*r)(texto);
    c.texto = texto;
    c.flag = SeparadorInserido;
    return c;
}

Chamada dinheiro(std::u16string texto, int32_t mascara, int32_t casas, int32_t negativo) {
    Formatar f;
    SeparadorInserido = 0;
    Chamada c;
    c.exibido = f.DinheiroTaxa(texto, mascara, casas, negativo);
    c.texto = texto;
    c.negativo = negativo;
    c.flag = SeparadorInserido;
    return c;
}

Chamada numero(std::u16string texto, int32_t mascara, int32_t negativo) {
    Formatar f;
    SeparadorInserido = 0;
    Chamada c;
    c.exibido = f.Numero(texto, mascara, negativo);
    c.texto = texto;
    c.negativo = negativo;
    c.flag = SeparadorInserido;
    return c;
}

int32_t GeradorTexto::inteiro(int32_t minimo, int32_t maximo) {
    return std::uniform_int_distribution<int32_t>(minimo, maximo)(rng_);
}

char16_t GeradorTexto::unidade() {
    static constexpr std::u16string_view separadores = u".,/:-() ";
    static constexpr std::array<char16_t, 4> outros_digitos = {u'\u0660', u'\u06F0', u'\u0966',
                                                               u'\uFF10'};
    const int32_t tipo = inteiro(0, 99);
    if (tipo < 40) return static_cast<char16_t>(u'0' + inteiro(0, 9));
    if (tipo < 55) return separadores[static_cast<std::size_t>(inteiro(0, 7))];
    if (tipo < 65) return static_cast<char16_t>(u'a' + inteiro(0, 25));
    if (tipo < 70) return u'-';
    if (tipo < 78) {
        return static_cast<char16_t>(outros_digitos[static_cast<std::size_t>(inteiro(0, 3))] +
                                     inteiro(0, 9));
    }
    if (tipo < 85) return static_cast<char16_t>(inteiro(0xD800, 0xDFFF));
    return static_cast<char16_t>(inteiro(0, 0xFFFF));
}

std::u16string GeradorTexto::texto(std::size_t tamanho) {
    std::u16string t;
    t.reserve(tamanho);
    for (std::size_t i = 0; i < tamanho; ++i) t += unidade();
    return t;
}

std::u16string GeradorTexto::ate(std::size_t maximo) {
    return texto(static_cast<std::size_t>(inteiro(0, static_cast<int32_t>(maximo))));
}

}  // namespace pjtCampoVivo::teste
