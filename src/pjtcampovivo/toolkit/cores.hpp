// Colours as the boxes take them: 0x00BBGGRR, or, with the top bit set, a system colour
// named by the index in the low byte.
#pragma once

#include <cstdint>

namespace pjtCampoVivo {

using Cor = uint32_t;

namespace cores {
inline constexpr Cor FundoJanela = 0x80000005;  // system colour 5: window background
inline constexpr Cor TextoJanela = 0x80000008;  // system colour 8: window text
inline constexpr Cor Realce = 0x00C0FFFF;       // pale yellow while a box has the focus
inline constexpr Cor Vermelho = 0x000000FF;     // the text of a negative number
inline constexpr Cor Preto = 0x00000000;
}  // namespace cores

}  // namespace pjtCampoVivo
