#include "control/letras.hpp"

#include <unicode/ustring.h>

#include "validation/conversao.hpp"

namespace pjtCampoVivo::letras {

namespace {

constexpr const char* Localidade = "pt_BR";

using Mapeamento = int32_t (*)(UChar*, int32_t, const UChar*, int32_t, const char*, UErrorCode*);

std::u16string mapear(std::u16string_view texto, Mapeamento mapa) {
    if (texto.empty()) return {};
    // Full mappings grow a text by at most three times.
    std::u16string saida(texto.size() * 3 + 1, u'\0');
    UErrorCode erro = U_ZERO_ERROR;
    const int32_t n = mapa(saida.data(), para_int32(saida.size()), texto.data(), para_int32(texto.size()),
                           Localidade, &erro);
    if (U_FAILURE(erro)) return std::u16string(texto);
    saida.resize(static_cast<std::size_t>(n));
    return saida;
}

char16_t um_caractere(char16_t c, Mapeamento mapa) {
    const std::u16string r = mapear(std::u16string_view(&c, 1), mapa);
    return r.size() == 1 ? r[0] : c;
}

}  // namespace

char16_t maiuscula(char16_t c) {
    if (c < 0x80) return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
    return um_caractere(c, u_strToUpper);
}

char16_t minuscula(char16_t c) {
    if (c < 0x80) return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
    return um_caractere(c, u_strToLower);
}

std::u16string maiusculas(std::u16string_view texto) { return mapear(texto, u_strToUpper); }

}  // namespace pjtCampoVivo::letras
