// UTF-8 <-> UTF-16 at the tool's edges: arguments, standard input and output. The engine
// works on UTF-16 texts; the tool speaks UTF-8 and refuses anything that is not strict UTF-8.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pjtCampoVivo::cli {

// Thrown for bytes that are not well-formed UTF-8: overlong forms, encoded surrogates,
// values above U+10FFFF, stray continuation bytes and truncated sequences are all refused.
class Utf8Invalido : public std::runtime_error {
  public:
    Utf8Invalido(std::size_t posicao, unsigned char byte);
    // Byte offset of the first byte of the offending sequence.
    std::size_t posicao() const noexcept { return posicao_; }

  private:
    std::size_t posicao_;
};

// Reads the code point that starts at origem[i] and moves i past it.
char32_t ler_ponto_utf8(std::string_view origem, std::size_t& i);

// Throws Utf8Invalido unless texto is strict UTF-8.
void validar_utf8(std::string_view texto);

// Decodes strict UTF-8 into destino (replacing its content, reusing its capacity).
void utf8_para_utf16(std::string_view origem, std::u16string& destino);
std::u16string utf8_para_utf16(std::string_view origem);

// Appends the UTF-8 form of a code point (at most U+10FFFF, not a surrogate).
void anexar_utf8(char32_t ponto, std::string& destino);

// Encodes UTF-16 as UTF-8, appending to destino. A lone surrogate has no UTF-8 form: it is
// written as U+FFFD (callers that must keep it exactly write JSON, see json_saida.hpp).
void anexar_utf16_como_utf8(std::u16string_view origem, std::string& destino);
std::string utf16_para_utf8(std::u16string_view origem);

// Surrogate helpers shared with the JSON reader and writer.
constexpr bool e_substituto_alto(char32_t u) noexcept {
    return u >= 0xD800 && u <= 0xDBFF;
}
constexpr bool e_substituto_baixo(char32_t u) noexcept {
    return u >= 0xDC00 && u <= 0xDFFF;
}
constexpr char32_t combinar_substitutos(char32_t alto, char32_t baixo) noexcept {
    return 0x10000 + ((alto - 0xD800) << 10) + (baixo - 0xDC00);
}

// Appends a code point as one or two UTF-16 units.
void anexar_utf16(char32_t ponto, std::u16string& destino);

}  // namespace pjtCampoVivo::cli
