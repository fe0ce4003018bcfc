// Predicates that decide whether a finished field holds a valid day, month, year, day and
// month, month and year, or full date. They look at the text as shown, separators included,
// never fail and never show anything: any text gives true or false.
#pragma once

#include <pjtcampovivo/engine_export.hpp>
#include <string_view>

namespace pjtCampoVivo::DataHora {

// "dd": numeric, at least 2 characters, 1 to 31. "05" is valid, "5" is not.
PJTCAMPOVIVO_ENGINE_EXPORT bool DiaValido(std::u16string_view Texto);
// "mm": numeric, at least 2 characters, 1 to 12.
PJTCAMPOVIVO_ENGINE_EXPORT bool MesValido(std::u16string_view Texto);
// "aaaa": numeric, value at least 1, at least 4 characters. "0001" is valid, "203" is not.
PJTCAMPOVIVO_ENGINE_EXPORT bool AnoValido(std::u16string_view Texto);
// A valid year ("aaaa") that is a Gregorian leap year: "2000" and "2004", not "1900".
PJTCAMPOVIVO_ENGINE_EXPORT bool AnoBissexto(std::u16string_view Texto);
// "dd/mm": day and month valid, the day within the month; February allows 29 always.
PJTCAMPOVIVO_ENGINE_EXPORT bool DdMmValido(std::u16string_view Texto);
// "mm/aaaa": month from position 1, year from position 4.
PJTCAMPOVIVO_ENGINE_EXPORT bool MmAaaaValido(std::u16string_view Texto);
// "dd/mm/aaaa": a real calendar date; 29/02 only in leap years.
PJTCAMPOVIVO_ENGINE_EXPORT bool DdMmAaaaValido(std::u16string_view Texto);

// How the predicates read a text as a number. A text is numeric when it is: optional
// blanks, an optional sign, digits with at most one "." among them (at least one digit),
// optional blanks; nothing else. " 12 ", "-3", "1.5" and ".5" are numeric; "1,5", "1e3",
// "R$1", "1 2" and "" are not.
PJTCAMPOVIVO_ENGINE_EXPORT bool e_numerico(std::u16string_view texto) noexcept;
// The number read from the start of the text by the same rule (blanks skipped, "." as the
// decimal point, reading stops where the number stops); 0 when no number starts the text.
PJTCAMPOVIVO_ENGINE_EXPORT double valor(std::u16string_view texto) noexcept;

}  // namespace pjtCampoVivo::DataHora
