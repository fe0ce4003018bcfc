// Helpers shared by the libFuzzer targets: reading typed arguments from the fuzzer's bytes,
// failing loudly when an invariant breaks, and checking that a call fails only with the
// library's own error and one of the numbers it may raise there. Header-only.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <span>
#include <string>
#include <string_view>

#include <pjtcampovivo/validation/erro.hpp>

namespace pjtCampoVivo::fuzz {

// A readable rendering of a 16-bit text for failure messages: printable ASCII as is, every
// other unit as \uXXXX, long texts shortened with their length noted.
inline std::string mostrar(std::u16string_view texto) {
    constexpr std::size_t limite = 120;
    std::string saida = "\"";
    for (std::size_t i = 0; i < texto.size() && i < limite; ++i) {
        const char16_t c = texto[i];
        if (c >= 0x20 && c < 0x7F && c != u'\\' && c != u'"') {
            saida += static_cast<char>(c);
        } else {
            char codigo[8];
            std::snprintf(codigo, sizeof codigo, "\\u%04X", static_cast<unsigned>(c));
            saida += codigo;
        }
    }
    saida += '"';
    if (texto.size() > limite) saida += " (" + std::to_string(texto.size()) + " unidades)";
    return saida;
}

// Ends the run with a message: libFuzzer records the input that got here as a crash.
[[noreturn]] inline void falhar(const char* onde, const std::string& mensagem) {
    std::fprintf(stderr, "\n*** invariante violada em %s: %s\n", onde, mensagem.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void exigir(bool condicao, const char* onde, const std::string& mensagem) {
    if (!condicao) falhar(onde, mensagem);
}

// Runs chamada. An exception must be a pjtCampoVivo::Erro whose number is one of
// permitidos; anything else ends the run. Gives the error's number, or 0 when the call
// returned normally.
template <typename Chamada>
int32_t numero_do_erro(Chamada&& chamada, std::initializer_list<int32_t> permitidos,
                       const char* onde) {
    try {
        chamada();
    } catch (const Erro& e) {
        for (const int32_t n : permitidos) {
            if (n == e.numero()) return n;
        }
        falhar(onde, "erro " + std::to_string(e.numero()) + " não permitido: " + e.what());
    } catch (const std::exception& e) {
        falhar(onde, std::string("exceção que não é Erro: ") + e.what());
    } catch (...) {
        falhar(onde, "exceção que não é Erro");
    }
    return 0;
}

// Reads typed values from the fuzzer's bytes, front to back. Once the bytes run out every
// read gives zeros, so any input is a complete set of arguments.
class LeitorBytes {
  public:
    LeitorBytes(const uint8_t* dados, std::size_t tamanho) : dados_(dados), resta_(tamanho) {}

    bool vazio() const noexcept { return resta_ == 0; }

    uint8_t u8() noexcept {
        if (resta_ == 0) return 0;
        --resta_;
        return *dados_++;
    }
    uint16_t u16() noexcept { return static_cast<uint16_t>(u8() | (u8() << 8)); }
    uint32_t u32() noexcept { return static_cast<uint32_t>(u16()) | (uint32_t{u16()} << 16); }
    uint64_t u64() noexcept { return static_cast<uint64_t>(u32()) | (uint64_t{u32()} << 32); }
    int16_t i16() noexcept { return static_cast<int16_t>(u16()); }
    int32_t i32() noexcept { return static_cast<int32_t>(u32()); }
    bool booleano() noexcept { return (u8() & 1) != 0; }
    // Any bit pattern: NaNs, infinities, subnormals and negative zero included.
    double real_bits() noexcept {
        const uint64_t bits = u64();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }
    // 0 to n - 1 (n > 0).
    std::size_t ate(std::size_t n) noexcept { return u8() % n; }

    // Mostly one of the interesting values, sometimes any value of the type: the fuzzer
    // finds the boundaries quickly and still reaches the whole range.
    template <typename T>
    T enviesado(std::span<const T> interessantes) noexcept {
        const uint8_t seletor = u8();
        if (seletor < 224 && !interessantes.empty())
            return interessantes[seletor % interessantes.size()];
        if constexpr (sizeof(T) == 2) {
            return static_cast<T>(u16());
        } else if constexpr (sizeof(T) == 4) {
            return static_cast<T>(u32());
        } else {
            return static_cast<T>(u64());
        }
    }

    // A text of 16-bit units. Kinds: units from an alphabet of what fields hold (digits,
    // separators, signs, blanks, letters, other scripts' digits, lone surrogates, ...), any
    // units, a mix of both, or a short pattern repeated up to `maximo` units between a short
    // head and tail (to reach the 32,767-unit limit and beyond from a few bytes).
    std::u16string texto(std::size_t maximo = 40000) {
        const uint8_t tipo = u8();
        switch (tipo % 4) {
            case 0:
                return curto(u8(), false);
            case 1: {
                const std::size_t n = std::min<std::size_t>(u8(), maximo);
                std::u16string t;
                t.reserve(n);
                for (std::size_t i = 0; i < n; ++i) t.push_back(static_cast<char16_t>(u16()));
                return t;
            }
            case 2: {
                // A head, the pattern repeated, a tail: "0." + zeros + "1" and the like.
                const std::size_t n = u16() % (maximo + 1);
                std::u16string t = curto(u8() % 5, false);
                std::u16string padrao = curto(u8() % 17, false);
                const std::u16string cauda = curto(u8() % 5, false);
                if (padrao.empty()) padrao = u"1";
                t.reserve(n);
                while (t.size() + cauda.size() < n)
                    t.append(padrao, 0, std::min(padrao.size(), n - cauda.size() - t.size()));
                t += cauda;
                return t.substr(0, maximo);
            }
            default:
                return curto(u8(), true);
        }
    }

    // What a field typically holds; the first ten are the ASCII digits so that a zero byte
    // stream reads as digits. Lone surrogates cannot be written as literals, hence numbers.
    static constexpr char16_t alfabeto[] = {
        u'0',   u'1',   u'2',   u'3',   u'4',   u'5',   u'6',   u'7',   u'8',   u'9',
        u'.',   u'/',   u'-',   u',',   u':',   u'(',   u')',   u'+',   u' ',   u'\t',
        u'a',   u'b',   u'c',   u'X',   u'Y',   u'Z',   u'e',   u'E',   u'$',   0x00DF,
        0x00E3, 0x00C3, 0x0660, 0x0669, 0xFF10, 0xFF19, 0xD800, 0xDBFF, 0xDC00, 0xDFFF,
        0xFFFF, 0xFEFF, 0x0000, 0x0130, 0x0131, 0x01C5, 0x1E9E, 0xFB00};

  private:
    std::u16string curto(std::size_t n, bool misturado) {
        std::u16string t;
        t.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            const uint8_t b = u8();
            if (misturado && b >= 0x80) {
                t.push_back(static_cast<char16_t>(u16()));
            } else {
                t.push_back(alfabeto[b % std::size(alfabeto)]);
            }
        }
        return t;
    }

    const uint8_t* dados_;
    std::size_t resta_;
};

// The ASCII digits of a text, in order: the digit string every mask starts from.
inline std::u16string digitos_ascii(std::u16string_view texto) {
    std::u16string d;
    for (const char16_t c : texto) {
        if (c >= u'0' && c <= u'9') d.push_back(c);
    }
    return d;
}

// The numbers a member may fail with on the headless stage, each with its own kind; the
// headless boxes refuse a property value with 380.
inline bool erro_publicado(const Erro& e) {
    switch (e.tipo()) {
        case TipoErro::ArgumentoInvalido:
            return e.numero() == numero_erro::ArgumentoInvalido;
        case TipoErro::Estouro:
            return e.numero() == numero_erro::Estouro;
        case TipoErro::IndiceInvalido:
            return e.numero() == numero_erro::IndiceInvalido;
        case TipoErro::ValorNulo:
            return e.numero() == numero_erro::ValorNulo;
        case TipoErro::SomenteEmExecucao:
            return e.numero() == numero_erro::SomenteEmExecucao;
        case TipoErro::CampoInexistente:
            return e.numero() == numero_erro::CampoInexistente;
        case TipoErro::Toolkit:
            return e.numero() == 380;
    }
    return false;
}

}  // namespace pjtCampoVivo::fuzz
