// Helpers shared by the engine tests: one call of a mask routine with every write-back
// captured, a plain digit filter to compare against, and reproducible random field texts. It
// brings the engine's interface that every engine test file uses.
#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>
#include <pjtcampovivo/formatting/formatacao.hpp>
#include <pjtcampovivo/formatting/formatar.hpp>
#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/validation/checagem_saida.hpp>
#include <pjtcampovivo/validation/comuns.hpp>
#include "support/comum.hpp"

namespace pjtCampoVivo::teste {

// The ASCII digits of a text, in order: what the digit write-backs must hold.
std::u16string digitos_ascii(std::u16string_view texto);

// A trace message: the parts joined by spaces, 16-bit texts as UTF-8, numbers in decimal.
inline std::string parte(std::u16string_view t) {
    return utf8(t);
}
inline std::string parte(std::string_view t) {
    return std::string(t);
}
inline std::string parte(long long n) {
    return std::to_string(n);
}
template <typename... T>
std::string rotulo(const T&... partes) {
    std::string r;
    ((r.append(r.empty() ? "" : " ").append(parte(partes))), ...);
    return r;
}

// A key's place in a display is a digit or SP's P. The display after the first n keys is
// the final display up to its n-th place: a separator after it waits for the next key.
bool lugar(char16_t c);
std::size_t lugares(std::u16string_view exibido);
std::u16string teclas_de(std::u16string_view exibido);
std::u16string ate_a_tecla(std::u16string_view exibido, std::size_t n);

// What one call gave back: the result and the caller's variables afterwards. The thread's
// SeparadorInserido is reset to 0 before the call, so `flag` is what the call raised.
struct Chamada {
    std::u16string exibido;
    std::u16string texto;
    int16_t max_length = 0;
    int32_t negativo = 0;
    int32_t flag = 0;
};

// FormatarTextoEntrada with all six arguments.
Chamada entrada(std::u16string texto, int32_t mascara, int16_t max_length, int32_t casas = 0,
                int32_t entrada_de = 0, int32_t negativo = 0);

// One of the single-argument routines 5 to 14 (DdMmAaaa ... InscricaoEstadual).
using Rotina = std::u16string (Formatar::*)(std::u16string&);
Chamada rotina(Rotina r, std::u16string texto);

Chamada dinheiro(std::u16string texto, int32_t mascara, int32_t casas, int32_t negativo = 0);
Chamada numero(std::u16string texto, int32_t mascara, int32_t negativo = 0);

// Random field texts: mostly digits and mask separators, with letters, minus signs,
// digits of other scripts, arbitrary BMP units and lone surrogates mixed in.
class GeradorTexto {
  public:
    explicit GeradorTexto(uint32_t semente) : rng_(semente) {}

    std::u16string texto(std::size_t tamanho);
    // A text whose length is drawn from 0 to maximo.
    std::u16string ate(std::size_t maximo);
    int32_t inteiro(int32_t minimo, int32_t maximo);

  private:
    char16_t unidade();
    std::mt19937 rng_;
};

}  // namespace pjtCampoVivo::teste
