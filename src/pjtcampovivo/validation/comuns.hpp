// Common helpers of the engine: the digit extraction that every mask starts from, the
// check-digit tests of the two Brazilian taxpayer numbers (CPF and CNPJ) and the check of a
// telephone number with its area code.
#pragma once

#include <cstdint>
#include <pjtcampovivo/engine_export.hpp>
#include <string>
#include <string_view>

namespace pjtCampoVivo::Comuns {

// The digits 0-9 of Texto, in order; every other character is dropped. With Mascara 1
// (money) or 2 (number) a "-" anywhere sets ENegativo to 1; nothing ever sets it back to 0.
// "-1.234,56" with mask 1 gives "123456" and ENegativo 1. A text of more than 32,767
// units fails with the overflow error.
PJTCAMPOVIVO_ENGINE_EXPORT std::u16string ExtrairDigitos(std::u16string_view Texto, int32_t Mascara,
                                                         int32_t& ENegativo);

// The same extraction done in place: Texto becomes its digit string, with no allocation.
// On overflow Texto is left as it was.
PJTCAMPOVIVO_ENGINE_EXPORT void ExtrairDigitosNoLugar(std::u16string& Texto, int32_t Mascara,
                                                      int32_t& ENegativo);

// True when the 11-character CPF (blanks around it are trimmed) has the right check digits
// and is not one digit repeated: "12345678909" is valid, "123.456.789-09" is not.
PJTCAMPOVIVO_ENGINE_EXPORT bool CPFValido(std::u16string_view Texto);

// True when positions 13 and 14 are the check digits of positions 1 to 12. Positions past
// the end, and characters that are not digits, count as 0: "12345678000195" is valid.
PJTCAMPOVIVO_ENGINE_EXPORT bool CNPJValido(std::u16string_view Texto);

// The alphanumeric CNPJ: each of the first twelve positions holds a digit or a capital letter
// A-Z worth its character code minus 48 (A is 17, Z is 42), and positions 13 and 14 are the
// check digits computed with CNPJValido's weights. Unlike CNPJValido the text must be exactly
// those fourteen characters, with no separators: "12ABC34501DE35" and every valid all-digit
// CNPJ pass; "12.ABC.345/01DE-35" and the lower-case "12abc34501de35" do not.
PJTCAMPOVIVO_ENGINE_EXPORT bool CNPJAlfanumericoValido(std::u16string_view Texto);

// The characters of an alphanumeric CNPJ in Texto, in order: digits and the ASCII letters
// (raised to capitals) until twelve are kept, digits only after that; everything else is
// dropped. "12.abc.345/01DE-35" gives "12ABC34501DE35". Longer texts are not cut, as with
// ExtrairDigitos; more than 32,767 units fail with the overflow error.
PJTCAMPOVIVO_ENGINE_EXPORT std::u16string ExtrairCNPJAlfanumerico(std::u16string_view Texto);
// The same extraction done in place, with no allocation; on overflow Texto is left as it was.
PJTCAMPOVIVO_ENGINE_EXPORT void ExtrairCNPJAlfanumericoNoLugar(std::u16string& Texto);

// True when the digits of Texto are a Brazilian telephone number as dialled today: a known
// area code (DDD) with a mobile number (9 and eight digits: "11912345678") or a fixed line
// (eight digits beginning with 2 to 5: "1134567890"), or a non-geographic number of eleven
// digits beginning with 0300, 0303, 0500, 0800 or 0900 ("08001234567"). Any character other
// than a digit, separators included, makes it invalid.
PJTCAMPOVIVO_ENGINE_EXPORT bool TelefoneValido(std::u16string_view Texto);

// True for the ASCII digits 0-9, the only characters the library counts as digits.
constexpr bool e_digito(char16_t c) noexcept {
    return c >= u'0' && c <= u'9';
}

}  // namespace pjtCampoVivo::Comuns
