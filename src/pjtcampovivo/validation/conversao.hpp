// Checked conversions to the library's 16-bit and 32-bit integers. A conversion either
// gives the exact value or throws the overflow error (6): never a silent wrap.
#pragma once

#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>
#include <utility>

#include <pjtcampovivo/validation/erro.hpp>

namespace pjtCampoVivo {

// The one place where a count, position or length becomes a 16-bit integer.
// para_int16(texto.size()) fails for a text of more than 32,767 units.
template <std::integral T>
constexpr int16_t para_int16(T valor) {
    if (!std::in_range<int16_t>(valor))
        throw Erro::estouro("Estouro: valor fora do intervalo de 16 bits");
    return static_cast<int16_t>(valor);
}

template <std::integral T>
constexpr int32_t para_int32(T valor) {
    if (!std::in_range<int32_t>(valor))
        throw Erro::estouro("Estouro: valor fora do intervalo de 32 bits");
    return static_cast<int32_t>(valor);
}

// A double becomes an integer as a host's call converts it: rounded to the nearest whole
// number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4); out of range overflows.
template <std::integral T>
T arredondar_para(double valor) {
    if (!std::isfinite(valor)) throw Erro::estouro("Estouro: valor numérico inválido");
    const double arredondado = std::nearbyint(valor);  // default rounding: ties to even
    if (arredondado < static_cast<double>(std::numeric_limits<T>::min()) ||
        arredondado > static_cast<double>(std::numeric_limits<T>::max())) {
        throw Erro::estouro("Estouro: valor fora do intervalo do tipo");
    }
    return static_cast<T>(arredondado);
}

}  // namespace pjtCampoVivo
