// The host's property bag: where a control's design-time settings are saved with the form
// and read back when the form is loaded.
#pragma once

#include <optional>
#include <pjtcampovivo/control_export.hpp>
#include <string_view>

#include <pjtcampovivo/toolkit/valor_propriedade.hpp>

namespace pjtCampoVivo {

class PJTCAMPOVIVO_CONTROL_EXPORT BolsaPropriedades {
  public:
    virtual ~BolsaPropriedades() = default;

    // The stored value of chave, or padrao when the bag has none.
    virtual ValorPropriedade ReadProperty(std::u16string_view chave,
                                          const ValorPropriedade& padrao) = 0;
    // Stores valor under chave. padrao, when given, is the value a reader would assume: a bag
    // may leave out a value equal to it.
    virtual void WriteProperty(std::u16string_view chave, const ValorPropriedade& valor,
                               const std::optional<ValorPropriedade>& padrao) = 0;
};

}  // namespace pjtCampoVivo
