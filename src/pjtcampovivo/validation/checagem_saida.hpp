// The check a field makes when the user leaves it, by mask, with the fixed message that
// reports an invalid value. Dates and date parts are checked as shown; CPF and CNPJ by the
// check digits of their digit string.
#pragma once

#include <cstdint>
#include <pjtcampovivo/engine_export.hpp>
#include <string_view>

namespace pjtCampoVivo {

struct PJTCAMPOVIVO_ENGINE_EXPORT ChecagemSaida {
    int32_t mascara;
    // True when texto (as shown in the field, separators included) is acceptable.
    bool (*valido)(std::u16string_view texto);
    std::u16string_view prompt;
    std::u16string_view titulo;
    // The two taxpayer-number checks run only in the text box, not in the combo box.
    bool documento;
};

// The check of a mask (3, 6, 7, 8, 9, 10, 13 or 14), or nullptr for a mask that is not
// checked on leaving the field.
PJTCAMPOVIVO_ENGINE_EXPORT const ChecagemSaida* checagem_saida(int32_t mascara) noexcept;

// The check of mask 14 in a field that takes the alphanumeric CNPJ: the same message and
// title, judged by Comuns::CNPJAlfanumericoValido.
PJTCAMPOVIVO_ENGINE_EXPORT const ChecagemSaida& checagem_saida_cnpj_alfanumerico() noexcept;

// The check of mask 11 in a field that takes the area code: Comuns::TelefoneValido on the
// digits, with its own message. Like the taxpayer numbers, checked only in the text box.
PJTCAMPOVIVO_ENGINE_EXPORT const ChecagemSaida& checagem_saida_telefone_ddd() noexcept;

// The check of mask 15 in a field of the unit uf (either case): Comuns::InscricaoEstadualValida
// with uf, and a message naming the unit with an example of its numbers: "A inscrição
// estadual esta preenchida incorretamente para SP, faça como no exemplo: 110.042.490.114".
// Checked only in the text box. nullptr for an unknown unit, which is not checked. The
// messages are built on first use.
PJTCAMPOVIVO_ENGINE_EXPORT const ChecagemSaida* checagem_saida_inscricao_estadual(
    std::u16string_view uf);

// Message box code of every exit message: the critical icon with one OK button.
inline constexpr int32_t CodigoMensagemCritica = 16;

}  // namespace pjtCampoVivo
