#include "support/motor.hpp"

#include <algorithm>
#include <array>
#include <iterator>

#include <pjtcampovivo/formatting/separador_inserido.hpp>

namespace pjtCampoVivo::teste {

std::u16string digitos_ascii(std::u16string_view texto) {
    std::u16string d;
    std::copy_if(texto.begin(), texto.end(), std::back_inserter(d),
                 [](char16_t c) { return c >= u'0' && c <= u'9'; });
    return d;
}

bool lugar(char16_t c) {
    return c == u'P' || (c >= u'0' && c <= u'9');
}

std::size_t lugares(std::u16string_view exibido) {
    return static_cast<std::size_t>(std::count_if(exibido.begin(), exibido.end(), lugar));
}

std::u16string teclas_de(std::u16string_view exibido) {
    std::u16string t;
    std::copy_if(exibido.begin(), exibido.end(), std::back_inserter(t), lugar);
    return t;
}

std::u16string ate_a_tecla(std::u16string_view exibido, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; i < exibido.size() && k < n; ++i) k += lugar(exibido[i]);
    return std::u16string(exibido.substr(0, i));
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
    for (std::size_t i = 0; i < tamanho; ++i) t += unidade();
    return t;
}

std::u16string GeradorTexto::ate(std::size_t maximo) {
    return texto(static_cast<std::size_t>(inteiro(0, static_cast<int32_t>(maximo))));
}

}  // namespace pjtCampoVivo::teste
