#include <array>
#include <cstdint>

#include <pjtcampovivo/validation/comuns.hpp>

namespace pjtCampoVivo::Comuns {

namespace {

// The area codes (DDD) in use, by unit. A new code is one more number on its unit's line.
constexpr std::array<uint8_t, 67> CodigosDeArea{
    11, 12, 13, 14, 15, 16, 17, 18, 19,  // SP
    21, 22, 24,                          // RJ
    27, 28,                              // ES
    31, 32, 33, 34, 35, 37, 38,          // MG
    41, 42, 43, 44, 45, 46,              // PR
    47, 48, 49,                          // SC
    51, 53, 54, 55,                      // RS
    61,                                  // DF
    62, 64,                              // GO
    63,                                  // TO
    65, 66,                              // MT
    67,                                  // MS
    68,                                  // AC
    69,                                  // RO
    71, 73, 74, 75, 77,                  // BA
    79,                                  // SE
    81, 87,                              // PE
    82,                                  // AL
    83,                                  // PB
    84,                                  // RN
    85, 88,                              // CE
    86, 89,                              // PI
    91, 93, 94,                          // PA
    92, 97,                              // AM
    95,                                  // RR
    96,                                  // AP
    98, 99,                              // MA
};

// Non-geographic numbers: 0 and ten digits, with one of these series after the 0.
constexpr std::array<std::u16string_view, 5> SeriesDeServico{u"0300", u"0303", u"0500", u"0800",
                                                             u"0900"};

constexpr auto area_em_uso = [] {
    std::array<bool, 100> em_uso{};
    for (const uint8_t codigo : CodigosDeArea) em_uso[codigo] = true;
    return em_uso;
}();

}  // namespace

bool TelefoneValido(std::u16string_view Texto) {
    for (const char16_t c : Texto) {
        if (!e_digito(c)) return false;
    }
    if (Texto.size() == 11 && Texto[0] == u'0') {
        for (const auto serie : SeriesDeServico) {
            if (Texto.starts_with(serie)) return true;
        }
        return false;
    }
    if (Texto.size() != 10 && Texto.size() != 11) return false;
    const auto area =
        static_cast<std::size_t>(Texto[0] - u'0') * 10 + static_cast<std::size_t>(Texto[1] - u'0');
    if (!area_em_uso[area]) return false;
    // A mobile is 9 and eight digits; a fixed line eight digits beginning with 2 to 5.
    const char16_t primeiro = Texto[2];
    return Texto.size() == 11 ? primeiro == u'9' : primeiro >= u'2' && primeiro <= u'5';
}

}  // namespace pjtCampoVivo::Comuns
