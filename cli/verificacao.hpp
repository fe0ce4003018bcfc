// The check a field makes when the user leaves it, for the masks that have one, with the
// fixed message and title the user is shown when the value is refused.
#pragma once

#include <cstdint>
#include <string_view>

namespace pjtCampoVivo::cli {

struct VerificacaoSaida {
    int32_t mascara;
    bool (*valido)(std::u16string_view texto);  // the text exactly as shown, separators included
    std::string_view mensagem;                  // UTF-8
    std::string_view titulo;                    // UTF-8
};

// The check of masks 3, 6, 7, 8, 9, 10, 13 and 14; nullptr for the masks left unchecked.
const VerificacaoSaida* verificacao_de(int32_t mascara) noexcept;

}  // namespace pjtCampoVivo::cli
