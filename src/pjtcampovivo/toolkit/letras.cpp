#include <pjtcampovivo/toolkit/letras.hpp>

#include <unicode/uchar.h>
#include <unicode/ustring.h>

#include <pjtcampovivo/validation/conversao.hpp>

namespace pjtCampoVivo::letras {

namespace {

constexpr const char* Localidade = "pt_BR";

using Mapeamento = int32_t (*)(UChar*, int32_t, const UChar*, int32_t, const char*, UErrorCode*);

std::u16string mapear(std::u16string_view texto, Mapeamento mapa) {
    if (texto.empty()) return {};
    // Full mappings grow a text by at most three times.
    std::u16string saida(texto.size() * 3 + 1, u'\0');
    UErrorCode erro = U_ZERO_ERROR;
    const int32_t n = mapa(saida.data(), para_int32(saida.size()), texto.data(),
                           para_int32(texto.size()), Localidade, &erro);
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

namespace {

constexpr bool ascii(std::u16string_view t) noexcept {
    for (const char16_t c : t) {
        if (c >= 0x80) return false;
    }
    return true;
}

constexpr char16_t minuscula_ascii(char16_t c) noexcept {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
}

}  // namespace

std::u16string maiusculas(std::u16string_view texto) {
    if (ascii(texto)) {
        std::u16string saida(texto);
        for (auto& c : saida) {
            if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
        }
        return saida;
    }
    return mapear(texto, u_strToUpper);
}

std::u16string dobrar(std::u16string_view texto) {
    if (ascii(texto)) {
        std::u16string saida(texto);
        for (auto& c : saida) c = minuscula_ascii(c);
        return saida;
    }
    std::u16string saida(texto.size() * 3 + 1, u'\0');
    UErrorCode erro = U_ZERO_ERROR;
    const int32_t n = u_strFoldCase(saida.data(), para_int32(saida.size()), texto.data(),
                                    para_int32(texto.size()), U_FOLD_CASE_DEFAULT, &erro);
    if (U_FAILURE(erro)) return std::u16string(texto);
    saida.resize(static_cast<std::size_t>(n));
    return saida;
}

bool dobrar_por_unidade(std::u16string_view texto, std::u16string& saida) {
    saida.assign(texto);
    bool por_unidade = true;
    for (auto& c : saida) {
        if (c < 0x80) {
            c = minuscula_ascii(c);
            continue;
        }
        if (U16_IS_SURROGATE(c)) {
            por_unidade = false;
            continue;
        }
        const std::u16string d = dobrar(std::u16string_view(&c, 1));
        if (d.size() == 1) {
            c = d[0];
        } else {
            por_unidade = false;
        }
    }
    if (!por_unidade) saida = dobrar(texto);
    return por_unidade;
}

bool iguais_sem_caixa(std::u16string_view a, std::u16string_view b) {
    // ASCII texts, the usual case, compare without a round trip through ICU.
    if (ascii(a) && ascii(b)) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (minuscula_ascii(a[i]) != minuscula_ascii(b[i])) return false;
        }
        return true;
    }
    return dobrar(a) == dobrar(b);
}

}  // namespace pjtCampoVivo::letras
