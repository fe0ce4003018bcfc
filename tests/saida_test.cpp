// FormatarTextoSaida: plain value, exponent form when tiny or huge, no digit ever lost.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include <pjtcampovivo/formatting/formatacao.hpp>
#include <pjtcampovivo/formatting/formatar.hpp>
#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using teste::utf8;

struct LinhaSaida {
    int32_t mascara;
    int32_t casas;
    std::u16string texto;
    std::u16string valor;
};

void verificar(const LinhaSaida& l) {
    SCOPED_TRACE("mascara " + std::to_string(l.mascara) + " casas " + std::to_string(l.casas) +
                 " " + utf8(l.texto));
    std::u16string texto = l.texto;
    int32_t mascara = l.mascara, casas = l.casas;
    SeparadorInserido = 1;
    EXPECT_EQ(Formatar().FormatarTextoSaida(texto, mascara, casas), l.valor);
    EXPECT_EQ(SeparadorInserido, 1);
    SeparadorInserido = 0;
    const bool extrai = l.mascara == 1 && !l.texto.empty();
    EXPECT_EQ(texto, extrai ? teste::digitos_ascii(l.texto) : l.texto);
}

TEST(FormatarTextoSaida, ValorPlano) {
    const std::u16string um_e_cem = u"1" + std::u16string(100, u'0');
    const LinhaSaida linhas[] = {
        // Exponent form below 0.0001 and from 10^15 up, for up to 15 significant digits.
        {1, 4, u"0,0001", u"0,0001"},  // the smallest value still written plainly
        {1, 5, u"0,00010", u"0,0001"},
        {1, 9, u"0,000000005", u"5E-09"},
        {1, 5, u"-0,00001", u"-1E-05"},
        {1, 9, u"0,000099999", u"9,9999E-05"},
        {2, 0, u"1.000.000.000.000.000", u"1E+15"},
        {2, 0, u"999.999.999.999.999", u"999999999999999"},
        {2, 0, u"123.456.789.012.345.000", u"1,23456789012345E+17"},  // 15 significant
        {2, 0, um_e_cem, u"1E+100"},
        {1, 2, u"1.000.000.000.000.000,00", u"1E+15"},
        {13, 0, u"1000000000000000", u"1E+15"},
        // Fewer digits than decimal places: a pure fraction.
        {1, 2, u"-", u"-0"},
        {1, 2, u"-5", u"-0,05"},
        {1, 9, u"12", u"1,2E-08"},
        {1, 0, u",", u"0"},
        // More than 15 significant digits are written in full.
        {1, 2, u"12.345.678.901.234.567,89", u"12345678901234567,89"},
        {1, 2, u"12.345.678.901.234.567,80", u"12345678901234567,8"},
        {1, 9, u"1234567890,123456789", u"1234567890,123456789"},
        {2, 0, u"1.234.567.890.123.456", u"1234567890123456"},
        {2, 0, u"1.000.000.000.000.000.001", u"1000000000000000001"},
        {2, 0, u"-9.999.999.999.999.999", u"-9999999999999999"},
        {14, 0, u"0000012345678901234567", u"12345678901234567"},
        // Other masks.
        {2, 10, u"1.234", u"1234"},  // the decimal count is not read for mask 2
        {8, 0, u"05", u"5"},
        {10, 0, u"abc", u"0"},
        {11, 0, u"-123", u"123"},
        {14, 0, u"00.000.000/0000-00", u"0"},
        {11, 0, u"", u""},
    };
    for (const auto& l : linhas) verificar(l);
}

TEST(ComPontoDecimal, TrocaSoAPrimeiraVirgula) {
    const struct {
        std::u16string valor;
        std::u16string esperado;
    } linhas[] = {
        {u"", u"0"},
        {u"1234", u"1234"},
        {u"-0,05", u"-0.05"},
        {u"a,b,c", u"a.b,c"},
    };
    for (const auto& l : linhas) {
        SCOPED_TRACE(utf8(l.valor));
        EXPECT_EQ(com_ponto_decimal(l.valor), l.esperado);
    }
}

}  // namespace
}  // namespace pjtCampoVivo
