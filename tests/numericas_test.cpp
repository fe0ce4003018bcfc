// DinheiroTaxa and Numero: cash-register typing, grouping by thousands, the minus sign, the
// digit write-back and the failures for bad decimal counts and over-long texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "formatting/formatar.hpp"
#include "formatting/separador_inserido.hpp"
#include "support/motor.hpp"
#include "validation/erro.hpp"

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
        {u"0,012", 1, 2, 0, u"0,12", u"12", 0},
        {u"0,123", 1, 2, 0, u"1,23", u"123", 0},
        {u"1,234", 1, 2, 0, u"12,34", u"1234", 0},
        {u"12,345", 1, 2, 0, u"123,45", u"12345", 0},
        {u"123,456", 1, 2, 0, u"1.234,56", u"123456", 0},
        {u"1.234,567", 1, 2, 0, u"12.345,67", u"1234567", 0},
        // Backspace: the last digit leaves at the right.
        {u"12.345,6", 1, 2, 0, u"1.234,56", u"123456", 0},
    };
    for (const auto& l : linhas) verificar(l);
}

TEST(DinheiroTaxa, ZerosAEsquerdaECasasDecimais) {
    const LinhaDinheiro linhas[] = {
        {u"", 1, 2, 0, u"0,00", u"0", 0},
        {u"00012", 1, 2, 0, u"0,12", u"12", 0},
        {u"000", 1, 0, 0, u"0,", u"0", 0},
        {u"1234", 1, 3, 0, u"1,234", u"1234", 0},
        {u"123", 1, 3, 0, u"0,123", u"123", 0},
        {u"1234", 1, 0, 0, u"1.234,", u"1234", 0},
        {u"1234567", 1, 0, 0, u"1.234.567,", u"1234567", 0},
        {u"5", 1, 9, 0, u"0,000000005", u"5", 0},
        {u"123456789", 1, 9, 0, u"0,123456789", u"123456789", 0},
        {u"1234567890", 1, 9, 0, u"1,234567890", u"1234567890", 0},
        {u"R$ 1.234,56", 1, 2, 0, u"1.234,56", u"123456", 0},
        {u"\u0661\u0662\uFF13"
         u"4",
         1, 2, 0, u"0,04", u"4", 0},  // only ASCII digits count
    };
    for (const auto& l : linhas) verificar(l);
}

TEST(DinheiroTaxa, SinalNegativo) {
    const LinhaDinheiro linhas[] = {
        {u"-", 1, 2, 0, u"-0,00", u"0", 1},  {u"1.234,56-", 1, 2, 0, u"-1.234,56", u"123456", 1},
        {u"-5", 0, 2, 0, u"0,05", u"5", 0},  // mask 0: the minus is not looked for
        {u"-5", 13, 2, 0, u"0,05", u"5", 0}, {u"-5", 2, 2, 0, u"-0,05", u"5", 1},
        {u"5", 1, 2, 1, u"-0,05", u"5", 1},  // 1 on entry is read and kept
        {u"5", 0, 2, 1, u"-0,05", u"5", 1},
    };
    for (const auto& l : linhas) verificar(l);
}

TEST(DinheiroTaxa, GuardaTodosOsDigitosDeValoresLongos) {
    const LinhaDinheiro linhas[] = {
        {u"1234567890123456", 1, 2, 0, u"12.345.678.901.234,56", u"1234567890123456", 0},
        {u"9999999999999999", 1, 0, 0, u"9.999.999.999.999.999,", u"9999999999999999", 0},
        {u"12345678901234567", 1, 9, 0, u"12.345.678,901234567", u"12345678901234567", 0},
        {u"12345678901234567890", 1, 2, 0, u"123.456.789.012.345.678,90", u"12345678901234567890",
         0},
        {u"-0000123456789012345678901", 1, 2, 0, u"-1.234.567.890.123.456.789,01",
         u"123456789012345678901", 1},
    };
    for (const auto& l : linhas) verificar(l);
}

TEST(DinheiroTaxa, CasasForaDeZeroANoveSaoArgumentoInvalido) {
    for (int32_t casas : {-1, 10, 100, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(casas);
        Formatar f;
        std::u16string texto = u"00-1.2a";
        int32_t mascara = 1, negativo = 0;
        try {
            f.DinheiroTaxa(texto, mascara, casas, negativo);
            ADD_FAILURE() << "no error";
        } catch (const Erro& e) {
            EXPECT_EQ(e.numero(), 5);
            EXPECT_EQ(e.tipo(), TipoErro::ArgumentoInvalido);
        }
        EXPECT_EQ(texto, u"12");  // written back before the check
    }
}

struct LinhaNumero {
    std::u16string texto;
    int32_t mascara;
    int32_t negativo;
    std::u16string exibido;
    std::u16string texto_depois;
    int32_t negativo_depois;
    int32_t flag;
};

TEST(Numero, AgrupaPorMilharGuardaZerosESinal) {
    const LinhaNumero linhas[] = {
        {u"", 2, 0, u"", u"", 0, 0},
        {u"abc", 2, 0, u"", u"", 0, 0},
        {u"123", 2, 0, u"123", u"123", 0, 0},
        {u"000", 2, 0, u"000", u"000", 0, 0},
        {u"1234", 2, 0, u"1.234", u"1234", 0, 1},
        {u"0012", 2, 0, u"0.012", u"0012", 0, 1},
        {u"123456", 2, 0, u"123.456", u"123456", 0, 1},
        {u"1.234.567", 2, 0, u"1.234.567", u"1234567", 0, 1},
        {u"12345678901234567890", 2, 0, u"12.345.678.901.234.567.890", u"12345678901234567890", 0,
         1},
        {u"-12", 2, 0, u"-12", u"12", 1, 1},  // a short negative still raises the flag
        {u"-", 2, 0, u"-", u"", 1, 1},
        {u"-1.234", 1, 0, u"-1.234", u"1234", 1, 1},
        {u"-1.234", 0, 0, u"1.234", u"1234", 0, 1},
        {u"12", 0, 1, u"-12", u"12", 1, 1},
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

}  // namespace
}  // namespace pjtCampoVivo
