// What choosing a mask implies for a field: the length limit, decimal places and alignment
// that the control sets for it, and an example of a finished value. Shared by the control's
// Mascara property and by tools that format values the way a field would.
#pragma once

#include <cstdint>
#include <optional>
#include <pjtcampovivo/engine_export.hpp>
#include <span>
#include <string_view>

namespace pjtCampoVivo {

struct PJTCAMPOVIVO_ENGINE_EXPORT ConfiguracaoMascara {
    int32_t mascara;              // eMascara value
    int16_t max_length;           // MaxLength the field gets: 40 for free text, 10 for dates, ...
    int32_t casas_decimais;       // QuantidadeCasasDecimais: 2 for money, 0 otherwise
    int32_t alinhamento;          // eAlinhamento: right for the numeric masks
    std::u16string_view exemplo;  // a finished display value, "25/12/2003"
};

// The settings of masks 0 to 15; nullopt for any other value.
PJTCAMPOVIVO_ENGINE_EXPORT std::optional<ConfiguracaoMascara> configuracao_mascara(
    int32_t mascara) noexcept;

// A way of shaping a mask's values that a yes/no setting of the field switches on beside the
// mask's own: with TelefoneDDD sim a Telefone field takes "(11) 91234-5678" and 15 characters.
struct PJTCAMPOVIVO_ENGINE_EXPORT VarianteMascara {
    int32_t mascara;              // the eMascara value it applies to
    std::u16string_view ajuste;   // the field's eNaoSim setting that switches it on
    int16_t max_length;           // MaxLength the field gets with it
    std::u16string_view exemplo;  // a finished display value
};

// The variants, in the order their settings were added.
PJTCAMPOVIVO_ENGINE_EXPORT std::span<const VarianteMascara> variantes_mascara() noexcept;

// The variant a setting switches on, or nullptr for a name that switches none.
PJTCAMPOVIVO_ENGINE_EXPORT const VarianteMascara* variante_mascara(
    std::u16string_view ajuste) noexcept;

}  // namespace pjtCampoVivo
