// DinheiroTaxa and Numero; and a decimal count outside 0-9 failing in every routine.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include <pjtcampovivo/formatting/formatacao.hpp>
#include <pjtcampovivo/formatting/formatar.hpp>
#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/validation/erro.hpp>
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using teste::utf8;

struct LinhaDinheiro {
    std::u16string texto;
    int32_t mascara;
    int32_t casas;
    int32_t negativo;
    std::u16string exibido;
    std::u16string texto_depois;
    int32_t negativo_depois;
};

void verificar(const LinhaDinheiro& l) {
    SCOPED_TRACE(utf8(l.texto) + " casas " + std::to_string(l.casas));
    const auto c = teste::dinheiro(l.texto, l.mascara, l.casas, l.negativo);
    EXPECT_EQ(c.exibido, l.exibido);
    EXPECT_EQ(c.texto, l.texto_depois);
    EXPECT_EQ(c.negativo, l.negativo_depois);
    EXPECT_EQ(c.flag, 1);  // raised on every call
}

TEST(DinheiroTaxa, DigitaComoCaixaRegistradora) {
    const LinhaDinheiro linhas[] = {
        {u"1", 1, 2, 0, u"0,01", u"1", 0},
        {u"123,456", 1, 2, 0, u"1.234,56", u"123456", 0},
        {u"12.345,6", 1, 2, 0, u"1.234,56", u"123456", 0},  // Backspace: a digit leaves
        {u"000", 1, 0, 0, u"0,", u"0", 0},
        {u"1234567890", 1, 9, 0, u"1,234567890", u"1234567890", 0},
        {u"R$ 1.234,56", 1, 2, 0, u"1.234,56", u"123456", 0},
        {u"\u0661\u0662\uFF13"
         u"4",
         1, 2, 0, u"0,04", u"4", 0},  // only ASCII digits count
        // The minus sign is looked for in masks 1 and 2 only; a 1 on entry is kept.
        {u"-5", 13, 2, 0, u"0,05", u"5", 0},
        {u"-5", 2, 2, 0, u"-0,05", u"5", 1},
        {u"5", 0, 2, 1, u"-0,05", u"5", 1},
        // Long values keep every digit.
        {u"12345678901234567", 1, 9, 0, u"12.345.678,901234567", u"12345678901234567", 0},
        {u"12345678901234567890", 1, 2, 0, u"123.456.789.012.345.678,90", u"12345678901234567890",
         0},
        {u"-0000123456789012345678901", 1, 2, 0, u"-1.234.567.890.123.456.789,01",
         u"123456789012345678901", 1},
    };
    for (const auto& l : linhas) verificar(l);
}

TEST(Numero, AgrupaPorMilharGuardaZerosESinal) {
    const struct {
        std::u16string texto;
        int32_t mascara;
        int32_t negativo;
        std::u16string exibido;
        std::u16string texto_depois;
        int32_t negativo_depois;
        int32_t flag;
    } linhas[] = {
        {u"", 2, 0, u"", u"", 0, 0},
        {u"000", 2, 0, u"000", u"000", 0, 0},
        {u"1234", 2, 0, u"1.234", u"1234", 0, 1},
        {u"12345678901234567890", 2, 0, u"12.345.678.901.234.567.890", u"12345678901234567890", 0,
         1},
        {u"-1.234", 1, 0, u"-1.234", u"1234", 1, 1},
        {u"-1.234", 0, 0, u"1.234", u"1234", 0, 1},
        {u"12", 0, 1, u"-12", u"12", 1, 1},  // a short negative still raises the flag
        {u"12-", 14, 0, u"12", u"12", 0, 0},
    };
    for (const auto& l : linhas) {
        SCOPED_TRACE(utf8(l.texto) + " mascara " + std::to_string(l.mascara));
        const auto c = teste::numero(l.texto, l.mascara, l.negativo);
        EXPECT_EQ(c.exibido, l.exibido);
        EXPECT_EQ(c.texto, l.texto_depois);
        EXPECT_EQ(c.negativo, l.negativo_depois);
        EXPECT_EQ(c.flag, l.flag);
    }
}

// Fails after the write-backs; the value-returning layer leaves the flag alone.
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

        Formatar f;
        int32_t mascara = 1, negativo = 0, entrada_de = 0;
        int16_t max = 0;
        std::u16string dinheiro = u"00-1.2a", saida = u"1.234,56", entrada = u"00-12a";
        const std::optional<Erro> falhas[] = {
            teste::falha_de([&] { f.DinheiroTaxa(dinheiro, mascara, casas, negativo); }),
            teste::falha_de([&] { f.FormatarTextoSaida(saida, mascara, casas); }),
            teste::falha_de([&] {
                f.FormatarTextoEntrada(entrada, mascara, max, casas, negativo, entrada_de);
            }),
        };
        for (const auto& e : falhas) {
            ASSERT_TRUE(e.has_value());
            EXPECT_EQ(e->numero(), 5);
            EXPECT_EQ(e->tipo(), TipoErro::ArgumentoInvalido);
        }
        EXPECT_EQ(dinheiro, u"12");
        EXPECT_EQ(saida, u"123456");
        EXPECT_EQ(entrada, u"12");
        EXPECT_EQ(max, 50);
    }
    SeparadorInserido = 0;
}

}  // namespace
}  // namespace pjtCampoVivo
