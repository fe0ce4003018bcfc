// A value of the property bag: the types a control writes (16- and 32-bit integers, colour,
// boolean, double, string, font, picture) and the conversions a read applies, with the
// overflow error for a number that does not fit its target.
#pragma once

#include <cstdint>
#include <pjtcampovivo/control_export.hpp>
#include <string>
#include <variant>

#include <pjtcampovivo/toolkit/cores.hpp>

namespace pjtCampoVivo {

// A font as the host keeps it. Any font survives a save and a load unchanged.
struct PJTCAMPOVIVO_CONTROL_EXPORT Fonte {
    std::u16string nome = u"MS Sans Serif";
    double tamanho = 8.25;
    bool negrito = false;
    bool italico = false;
    bool sublinhado = false;
    bool tachado = false;

    friend bool operator==(const Fonte&, const Fonte&) = default;
};

// A picture (the mouse icon); the library only carries it through a save and a load.
struct PJTCAMPOVIVO_CONTROL_EXPORT Figura {
    std::u16string origem;

    friend bool operator==(const Figura&, const Figura&) = default;
};

// "Nothing": no picture, no font.
struct PJTCAMPOVIVO_CONTROL_EXPORT Nada {
    friend bool operator==(const Nada&, const Nada&) = default;
};

class PJTCAMPOVIVO_CONTROL_EXPORT ValorPropriedade {
  public:
    using Conteudo =
        std::variant<Nada, int16_t, int32_t, Cor, bool, double, std::u16string, Fonte, Figura>;

    ValorPropriedade() = default;
    ValorPropriedade(int16_t v) : v_(v) {}
    ValorPropriedade(int32_t v) : v_(v) {}
    ValorPropriedade(Cor v) : v_(v) {}
    ValorPropriedade(bool v) : v_(v) {}
    ValorPropriedade(double v) : v_(v) {}
    ValorPropriedade(std::u16string v) : v_(std::move(v)) {}
    ValorPropriedade(const char16_t* v) : v_(std::u16string(v)) {}
    ValorPropriedade(Fonte v) : v_(std::move(v)) {}
    ValorPropriedade(Figura v) : v_(std::move(v)) {}
    ValorPropriedade(Nada v) : v_(v) {}

    const Conteudo& conteudo() const noexcept { return v_; }
    bool nada() const noexcept { return std::holds_alternative<Nada>(v_); }

    // Conversions on reading. Numbers are rounded half to even and must fit the target
    // (error 6 otherwise); True reads as -1 and False as 0; a numeric string reads as its
    // number; anything else that cannot convert is an invalid argument (error 5).
    int16_t como_int16() const;
    int32_t como_int32() const;
    // A colour: any 32-bit pattern, given as a colour, as a signed 32-bit integer (its two's
    // complement bits) or as a number from 0 to 0xFFFFFFFF.
    Cor como_cor() const;
    bool como_bool() const;
    double como_double() const;
    std::u16string como_texto() const;
    Fonte como_fonte() const;
    Figura como_figura() const;

    friend bool operator==(const ValorPropriedade&, const ValorPropriedade&) = default;

  private:
    Conteudo v_;
};

}  // namespace pjtCampoVivo
