// Letter case for the control, through ICU: the case of a typed key, case-blind comparison
// of single characters. Mappings are ICU's full mappings for Brazilian Portuguese.
#pragma once

#include <string>
#include <string_view>

namespace pjtCampoVivo::letras {

// The capital of a typed character; a character whose capital is not one character
// ("ß" -> "SS") keeps its code.
char16_t maiuscula(char16_t c);
// The small letter of a typed character, with the same rule.
char16_t minuscula(char16_t c);
// The full upper-case form of a text ("ß" -> "SS").
std::u16string maiusculas(std::u16string_view texto);

}  // namespace pjtCampoVivo::letras
