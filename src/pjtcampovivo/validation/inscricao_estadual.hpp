// State registration numbers (Inscrição Estadual) of the 27 Brazilian units: the check of a
// number against its unit's rules, the characters a field keeps, a valid example per unit and
// the shapes the numbers are shown in. Each unit's lengths, shapes, prefixes and check-digit
// rules are one row of a table in inscricao_estadual.cpp.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <pjtcampovivo/engine_export.hpp>
#include <string>
#include <string_view>

namespace pjtCampoVivo::Comuns {

// What VerificarInscricaoEstadual found, in the order it looks: the unit, the characters,
// the length, the prefix, the check digits.
enum class ResultadoInscricaoEstadual {
    Valida,
    Isenta,  // the text is the word ISENTO: the taxpayer has no registration
    UFDesconhecida,
    CaracteresInvalidos,
    TamanhoErrado,
    PrefixoErrado,
    DigitoVerificadorErrado,
};

// Checks Texto as a registration number of the unit UF ("SP", "sp": either case, exactly two
// letters). The separators ".", "-", "/" and blanks are ignored anywhere; any other
// character makes the text CaracteresInvalidos, letters included (they are not stripped),
// except SP's rural-producer "P" (either case) in front of the digits. "ISENTO" in any case,
// with blanks around it, is Isenta for every known unit. An empty text, or one of separators
// only, has no digits and so the wrong length: TamanhoErrado. MT numbers given out shorter (9 or
// 10 digits) are read with zeros in front; BA's 8 and 9 digits are never padded, since the
// padding would change the digit that chooses its modulus.
PJTCAMPOVIVO_ENGINE_EXPORT ResultadoInscricaoEstadual
VerificarInscricaoEstadual(std::u16string_view Texto, std::u16string_view UF);

// The result's name as written above: "PrefixoErrado".
PJTCAMPOVIVO_ENGINE_EXPORT std::u16string_view NomeResultado(ResultadoInscricaoEstadual r) noexcept;

// True when VerificarInscricaoEstadual gives Valida or Isenta.
PJTCAMPOVIVO_ENGINE_EXPORT bool InscricaoEstadualValida(std::u16string_view Texto,
                                                        std::u16string_view UF);

// True for the 26 states and DF, in either case.
PJTCAMPOVIVO_ENGINE_EXPORT bool UFConhecida(std::u16string_view UF) noexcept;
// The unit's place in SiglasUF(), in either case; nothing for an unknown code.
PJTCAMPOVIVO_ENGINE_EXPORT std::optional<std::size_t> IndiceUF(std::u16string_view UF) noexcept;

// How many units there are, and their codes in capitals, in the order of the units' names
// (Acre, Alagoas, Amapá, Amazonas, ...).
inline constexpr std::size_t QuantidadeUF = 27;
PJTCAMPOVIVO_ENGINE_EXPORT const std::array<std::u16string_view, QuantidadeUF>& SiglasUF() noexcept;

// A valid number of the unit in its display shape, "110.042.490.114" for SP; empty for an
// unknown unit. Meant for messages such as "faça como no exemplo: 110.042.490.114".
PJTCAMPOVIVO_ENGINE_EXPORT std::u16string ExemploInscricaoEstadual(std::u16string_view UF);

// What a registration field keeps of Texto: "ISENTO" when the text is that word (any case,
// blanks around), otherwise its digits in order, leading zeros included, with SP's "P"
// raised to a capital in front when it comes before the first digit. Every other character is
// dropped; this is an extraction, not a check. Longer texts are not cut; more than 32,767
// units fail with the overflow error, as ExtrairDigitos. An unknown UF keeps digits only.
PJTCAMPOVIVO_ENGINE_EXPORT std::u16string ExtrairInscricaoEstadual(std::u16string_view Texto,
                                                                   std::u16string_view UF);
// The same extraction done in place, with no allocation; on overflow Texto is left as it was.
PJTCAMPOVIVO_ENGINE_EXPORT void ExtrairInscricaoEstadualNoLugar(std::u16string& Texto,
                                                                std::u16string_view UF);

// The most shapes one unit has (one per length, SP's rural form counting as one).
inline constexpr std::size_t MoldesPorUF = 2;

// The display shapes of a unit, shortest first, empty views after the last: each "9" holds a
// digit, "P" is SP's letter, any other character is a separator. {"999.999.999", ""} for SC,
// {"999.999.999.999", "P-99999999.9/999"} for SP, all empty for an unknown unit.
PJTCAMPOVIVO_ENGINE_EXPORT std::array<std::u16string_view, MoldesPorUF> MoldesInscricaoEstadual(
    std::u16string_view UF);

}  // namespace pjtCampoVivo::Comuns
