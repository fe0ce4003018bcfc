// Letter case through ICU, shared by the control and the recordsets: the case of a typed
// key, upper-case forms for comparisons, and full case folding for case-blind matching.
// Mappings are ICU's full mappings for Brazilian Portuguese; accents stay significant.
#pragma once

#include <pjtcampovivo/control_export.hpp>
#include <string>
#include <string_view>

namespace pjtCampoVivo::letras {

// The capital of a typed character; a character whose capital is not one character
// ("ß" -> "SS") keeps its code.
PJTCAMPOVIVO_CONTROL_EXPORT char16_t maiuscula(char16_t c);
// The small letter of a typed character, with the same rule.
PJTCAMPOVIVO_CONTROL_EXPORT char16_t minuscula(char16_t c);
// The full upper-case form of a text ("ß" -> "SS").
PJTCAMPOVIVO_CONTROL_EXPORT std::u16string maiusculas(std::u16string_view texto);
// Unicode full case folding: equal folded texts differ at most in letter case
// ("JOÃO" and "joão" fold alike; "joao" does not).
PJTCAMPOVIVO_CONTROL_EXPORT std::u16string dobrar(std::u16string_view texto);
// Folds texto into saida as dobrar does, and tells whether every code unit folded to exactly
// one code unit (true for ASCII and most accented letters; false for "ß" -> "ss" or a
// surrogate pair). When it did, the fold of any prefix of texto is the same prefix of saida.
PJTCAMPOVIVO_CONTROL_EXPORT bool dobrar_por_unidade(std::u16string_view texto,
                                                    std::u16string& saida);
// True when a and b are equal after full case folding.
PJTCAMPOVIVO_CONTROL_EXPORT bool iguais_sem_caixa(std::u16string_view a, std::u16string_view b);

}  // namespace pjtCampoVivo::letras
