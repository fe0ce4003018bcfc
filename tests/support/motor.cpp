#include "support/motor.hpp"

#include <gtest/gtest.h>

#include <array>

#include <pjtcampovivo/formatting/separador_inserido.hpp>

namespace pjtCampoVivo::teste {

std::u16string digitos_ascii(std::u16string_view texto) {
    std::u16string d;
    for (char16_t c : texto) {
        if (c >= u'0' && c <= u'9') d += c;
    }
    return d;
}

namespace {

// Runs one call on c's variables with the flag lowered, and records what it gave back.
template <typename F>
Chamada medir(Chamada c, F&& chamar) {
    SeparadorInserido = 0;
    Formatar f;
    c.exibido = chamar(f, c);
    c.flag = SeparadorInserido;
    return c;
}

}  // namespace

Chamada entrada(std::u16string texto, int32_t mascara, int16_t max_length, int32_t casas,
                int32_t entrada_de, int32_t negativo) {
    return medir({{}, std::move(texto), max_length, negativo, 0}, [&](Formatar& f, Chamada& c) {
        return f.FormatarTextoEntrada(c.texto, mascara, c.max_length, casas, c.negativo,
                                      entrada_de);
    });
}

Chamada rotina(Rotina r, std::u16string texto) {
    // Called directly rather than through medir: GCC 12 at -O3 misreads a member-function
    // pointer called inside the lambda as an out-of-bounds access.
    SeparadorInserido = 0;
    Formatar f;
    Chamada c{{}, std::move(texto), 0, 0, 0};
    c.exibido = (f.*r)(c.texto);
    c.flag = SeparadorInserido;
    return c;
}

Chamada dinheiro(std::u16string texto, int32_t mascara, int32_t casas, int32_t negativo) {
    return medir({{}, std::move(texto), 0, negativo, 0}, [&](Formatar& f, Chamada& c) {
        return f.DinheiroTaxa(c.texto, mascara, casas, c.negativo);
    });
}

Chamada numero(std::u16string texto, int32_t mascara, int32_t negativo) {
    return medir({{}, std::move(texto), 0, negativo, 0},
                 [&](Formatar& f, Chamada& c) { return f.Numero(c.texto, mascara, c.negativo); });
}

void verificar(const LinhaMolde& l) {
    SCOPED_TRACE(std::string(l.nome) + " " + utf8(l.texto));
    const Chamada c = rotina(l.rotina, l.texto);
    EXPECT_EQ(c.exibido, l.exibido);
    EXPECT_EQ(c.texto, digitos_ascii(l.texto));
    EXPECT_EQ(c.flag, l.flag);
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
