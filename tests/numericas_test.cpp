// DinheiroTaxa and Numero; FormatarTextoSaida's plain value, in exponent form when tiny or huge
// and with no digit ever lost; and a decimal count outside 0-9 failing in every routine.
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using teste::rotulo;

// Money fills from the right like a cash register and raises the flag on every call; Numero
// groups thousands, keeps leading zeros and raises the flag from four digits or a sign. Only
// ASCII digits count; masks 1 and 2 alone look for the minus sign; a 1 on entry is kept; long
// values keep every digit.
TEST(DinheiroTaxaENumero, DigitaComoCaixaRegistradoraEAgrupa) {
    const struct {
        bool dinheiro;
        std::u16string texto;
        int32_t mascara, casas, negativo;
        std::u16string exibido, texto_depois;
        int32_t negativo_depois, flag;
    } linhas[] = {
        {true, u"12.345,6", 1, 2, 0, u"1.234,56", u"123456", 0, 1},  // Backspace: a digit leaves
        {true, u"1234567890", 1, 9, 0, u"1,234567890", u"1234567890", 0, 1},
        {true,
         u"\u0661\u0662\uFF13"
         u"4",
         1, 2, 0, u"0,04", u"4", 0, 1},
        {true, u"-5", 13, 2, 0, u"0,05", u"5", 0, 1},
        {true, u"5", 0, 2, 1, u"-0,05", u"5", 1, 1},
        {true, u"12345678901234567890", 1, 2, 0, u"123.456.789.012.345.678,90",
         u"12345678901234567890", 0, 1},
        {true, u"-0000123456789012345678901", 1, 2, 0, u"-1.234.567.890.123.456.789,01",
         u"123456789012345678901", 1, 1},
        {false, u"000", 2, 0, 0, u"000", u"000", 0, 0},
        {false, u"12345678901234567890", 2, 0, 0, u"12.345.678.901.234.567.890",
         u"12345678901234567890", 0, 1},
        {false, u"-1.234", 0, 0, 0, u"1.234", u"1234", 0, 1},
        {false, u"12", 0, 0, 1, u"-12", u"12", 1, 1},  // a short negative still raises the flag
    };
    for (const auto& l : linhas) {
        SCOPED_TRACE(rotulo(l.texto, "mascara", l.mascara, "casas", l.casas));
        const auto c = l.dinheiro ? teste::dinheiro(l.texto, l.mascara, l.casas, l.negativo)
                                  : teste::numero(l.texto, l.mascara, l.negativo);
        EXPECT_EQ(c.exibido, l.exibido);
        EXPECT_EQ(c.texto, l.texto_depois);
        EXPECT_EQ(c.negativo, l.negativo_depois);
        EXPECT_EQ(c.flag, l.flag);
    }
}

// Exponent form below 0.0001 and from 10^15 up, for up to 15 significant digits; more are
// written in full. Fewer digits than decimal places make a pure fraction. Mask 1 alone writes
// its digits back to Texto; the thread's flag is left as it was.
TEST(FormatarTextoSaida, ValorPlano) {
    const std::tuple<int32_t, int32_t, std::u16string, std::u16string_view> linhas[] = {
        {1, 5, u"0,00010", u"0,0001"},
        {1, 9, u"0,000099999", u"9,9999E-05"},
        {2, 0, u"1.000.000.000.000.000", u"1E+15"},
        {2, 0, u"123.456.789.012.345.000", u"1,23456789012345E+17"},  // 15 significant
        {2, 0, u"1" + std::u16string(100, u'0'), u"1E+100"},
        {13, 0, u"1000000000000000", u"1E+15"},
        {1, 9, u"12", u"1,2E-08"},
        {1, 2, u"12.345.678.901.234.567,89", u"12345678901234567,89"},
        {1, 9, u"1234567890,123456789", u"1234567890,123456789"},
        {2, 0, u"1.000.000.000.000.000.001", u"1000000000000000001"},
        {2, 0, u"-9.999.999.999.999.999", u"-9999999999999999"},
        {14, 0, u"0000012345678901234567", u"12345678901234567"},
        {2, 10, u"1.234", u"1234"},  // the decimal count is not read for mask 2
        {11, 0, u"-123", u"123"},
        {11, 0, u"", u""},
    };
    for (auto [mascara, casas, texto, valor] : linhas) {
        SCOPED_TRACE(rotulo("mascara", mascara, "casas", casas, texto));
        const std::u16string dado = texto;
        SeparadorInserido = 1;
        EXPECT_EQ(Formatar().FormatarTextoSaida(texto, mascara, casas), valor);
        EXPECT_EQ(SeparadorInserido, 1);
        EXPECT_EQ(texto, mascara == 1 && !dado.empty() ? teste::digitos_ascii(dado) : dado);
    }
    SeparadorInserido = 0;
    EXPECT_EQ(com_ponto_decimal(u""), u"0");  // only the first comma becomes a point
    EXPECT_EQ(com_ponto_decimal(u"a,b,c"), u"a.b,c");
}

// Fails after the write-backs (DinheiroTaxa and FormatarTextoSaida with 10 and -1: the
// session script of direct calls); the value-returning layer leaves the flag alone.
TEST(CasasDecimais, ForaDeZeroANoveSaoArgumentoInvalido) {
    for (int32_t casas : {-1, 10, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(casas);
        SeparadorInserido = 1;
        EXPECT_EQ(
            teste::numero_de([&] { formatar_entrada(u"1", eMascara::DinheiroTaxa, 22, casas); }),
            5);
        EXPECT_EQ(teste::numero_de([&] { formatar_saida(u"1,00", eMascara::DinheiroTaxa, casas); }),
                  5);
        EXPECT_EQ(SeparadorInserido, 1);

        int32_t mascara = 1, negativo = 0, entrada_de = 0;
        int16_t max = 0;
        std::u16string entrada = u"00-12a";
        const auto e = teste::falha_de([&] {
            Formatar().FormatarTextoEntrada(entrada, mascara, max, casas, negativo, entrada_de);
        });
        ASSERT_TRUE(e.has_value());
        EXPECT_EQ(e->tipo(), TipoErro::ArgumentoInvalido);
        EXPECT_EQ(entrada, u"12");
        EXPECT_EQ(max, 50);
    }
    SeparadorInserido = 0;
}

}  // namespace
}  // namespace pjtCampoVivo
