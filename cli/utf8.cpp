#include "cli/utf8.hpp"

#include <cstdio>

namespace pjtCampoVivo::cli {

namespace {

std::string descrever(std::size_t posicao, unsigned char byte) {
    char texto[96];
    std::snprintf(texto, sizeof texto, "invalid UTF-8 (byte 0x%02X at offset %zu)", byte, posicao);
    return texto;
}

bool e_continuacao(unsigned char b) noexcept {
    return (b & 0xC0) == 0x80;
}

}  // namespace

Utf8Invalido::Utf8Invalido(std::size_t posicao, unsigned char byte)
    : std::runtime_error(descrever(posicao, byte)), posicao_(posicao) {}

// Reads one code point starting at origem[i] and advances i past it. The bounds on the
// second byte rule out overlong forms, surrogates and values above U+10FFFF.
char32_t ler_ponto_utf8(std::string_view origem, std::size_t& i) {
    const std::size_t inicio = i;
    const auto b0 = static_cast<unsigned char>(origem[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int continuacoes = 0;
    unsigned char min2 = 0x80, max2 = 0xBF;
    char32_t ponto = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        continuacoes = 1;
        ponto = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        continuacoes = 2;
        ponto = b0 & 0x0F;
        if (b0 == 0xE0) min2 = 0xA0;
        if (b0 == 0xED) max2 = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        continuacoes = 3;
        ponto = b0 & 0x07;
        if (b0 == 0xF0) min2 = 0x90;
        if (b0 == 0xF4) max2 = 0x8F;
    } else {
        throw Utf8Invalido(inicio, b0);
    }
    ++i;
    for (int k = 0; k < continuacoes; ++k, ++i) {
        if (i >= origem.size()) throw Utf8Invalido(inicio, b0);
        const auto b = static_cast<unsigned char>(origem[i]);
        const bool fora = k == 0 ? (b < min2 || b > max2) : !e_continuacao(b);
        if (fora) throw Utf8Invalido(inicio, b0);
        ponto = (ponto << 6) | (b & 0x3F);
    }
    return ponto;
}

void anexar_utf16(char32_t ponto, std::u16string& destino) {
    if (ponto < 0x10000) {
        destino.push_back(static_cast<char16_t>(ponto));
        return;
    }
    ponto -= 0x10000;
    destino.push_back(static_cast<char16_t>(0xD800 + (ponto >> 10)));
    destino.push_back(static_cast<char16_t>(0xDC00 + (ponto & 0x3FF)));
}

void utf8_para_utf16(std::string_view origem, std::u16string& destino) {
    destino.clear();
    std::size_t i = 0;
    while (i < origem.size()) {
        const auto b = static_cast<unsigned char>(origem[i]);
        if (b < 0x80) {  // ASCII fast path: the bulk of every input
            destino.push_back(b);
            ++i;
            continue;
        }
        anexar_utf16(ler_ponto_utf8(origem, i), destino);
    }
}

void validar_utf8(std::string_view texto) {
    std::size_t i = 0;
    while (i < texto.size()) {
        if (static_cast<unsigned char>(texto[i]) < 0x80) {
            ++i;
        } else {
            ler_ponto_utf8(texto, i);
        }
    }
}

std::u16string utf8_para_utf16(std::string_view origem) {
    std::u16string destino;
    utf8_para_utf16(origem, destino);
    return destino;
}

void anexar_utf8(char32_t ponto, std::string& destino) {
    if (ponto < 0x80) {
        destino.push_back(static_cast<char>(ponto));
    } else if (ponto < 0x800) {
        destino.push_back(static_cast<char>(0xC0 | (ponto >> 6)));
        destino.push_back(static_cast<char>(0x80 | (ponto & 0x3F)));
    } else if (ponto < 0x10000) {
        destino.push_back(static_cast<char>(0xE0 | (ponto >> 12)));
        destino.push_back(static_cast<char>(0x80 | ((ponto >> 6) & 0x3F)));
        destino.push_back(static_cast<char>(0x80 | (ponto & 0x3F)));
    } else {
        destino.push_back(static_cast<char>(0xF0 | (ponto >> 18)));
        destino.push_back(static_cast<char>(0x80 | ((ponto >> 12) & 0x3F)));
        destino.push_back(static_cast<char>(0x80 | ((ponto >> 6) & 0x3F)));
        destino.push_back(static_cast<char>(0x80 | (ponto & 0x3F)));
    }
}

void anexar_utf16_como_utf8(std::u16string_view origem, std::string& destino) {
    for (std::size_t i = 0; i < origem.size(); ++i) {
        const char32_t u = origem[i];
        if (u < 0x80) {
            destino.push_back(static_cast<char>(u));
        } else if (e_substituto_alto(u) && i + 1 < origem.size() &&
                   e_substituto_baixo(origem[i + 1])) {
            anexar_utf8(combinar_substitutos(u, origem[++i]), destino);
        } else if (e_substituto_alto(u) || e_substituto_baixo(u)) {
            anexar_utf8(0xFFFD, destino);
        } else {
            anexar_utf8(u, destino);
        }
    }
}

std::string utf16_para_utf8(std::u16string_view origem) {
    std::string destino;
    anexar_utf16_como_utf8(origem, destino);
    return destino;
}

}  // namespace pjtCampoVivo::cli
