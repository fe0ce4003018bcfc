// Helpers both test programs share: UTF-8 for trace messages, and the failure a call ends with.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <pjtcampovivo/validation/erro.hpp>

namespace pjtCampoVivo::teste {

// UTF-8 of a 16-bit text; a lone surrogate shows as U+FFFD.
inline std::string utf8(std::u16string_view texto) {
    std::string saida;
    for (const char16_t u : texto) {
        const char32_t c = (u >= 0xD800 && u <= 0xDFFF) ? 0xFFFD : u;
        if (c < 0x80) {
            saida += static_cast<char>(c);
        } else if (c < 0x800) {
            saida += static_cast<char>(0xC0 | (c >> 6));
            saida += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            saida += static_cast<char>(0xE0 | (c >> 12));
            saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            saida += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return saida;
}

// The failure that f ended with, or nothing when it returned normally.
template <typename F>
std::optional<Erro> falha_de(F&& f) {
    try {
        f();
    } catch (const Erro& e) {
        return e;
    }
    return std::nullopt;
}

// Its number, or 0.
template <typename F>
int32_t numero_de(F&& f) {
    const std::optional<Erro> e = falha_de(f);
    return e ? e->numero() : 0;
}

}  // namespace pjtCampoVivo::teste
