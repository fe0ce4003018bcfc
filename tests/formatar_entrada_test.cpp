// FormatarTextoEntrada: cut, routine choice, last-MaxLength cut, zero fill, write-backs.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include <pjtcampovivo/formatting/formatar.hpp>
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using teste::entrada;

constexpr int32_t teclado = 0;
constexpr int32_t movido = 1;

TEST(Dispatcher, CortaMoldaEDevolve) {
    const struct {
        std::u16string texto;
        int32_t mascara;
        int16_t max_length;
        int32_t casas;
        int32_t entrada_de;
        int32_t negativo;
        std::u16string exibido;
        std::u16string texto_depois;
        int16_t max_depois;
        int32_t negativo_depois;
        int32_t flag;
    } linhas[] = {
        // MaxLength 0 or less becomes 50; masks without a routine show the cut text.
        {std::u16string(60, u'x'), 0, 0, 0, teclado, 0, std::u16string(50, u'x'),
         std::u16string(50, u'x'), 50, 0, 0},
        {u"123", 13, 0, 0, movido, 0, u"000.000.000.001-23", u"123", 50, 0, 1},
        // Any other mask value shows nothing, but the cut is still written back.
        {u"1234", 65537, 22, 0, teclado, 0, u"", u"1234", 22, 0, 0},  // 1 in its low 16 bits
        {u"123456", 4, 3, 0, teclado, 0, u"12:3", u"123", 3, 0, 1},   // longer than MaxLength
        // Grouped masks keep the last MaxLength characters of what they shaped.
        {u"-1234", 2, 5, 0, teclado, 0, u"1.234", u"1234", 5, 1, 1},
        {u"1234567890123456789012345", 1, 22, 2, teclado, 0, u"678.901.234.567.890,12",
         u"1234567890123456789012", 22, 0, 1},
        {u"123456789", 12, 8, 0, teclado, 0, u".345-678", u"12345678", 8, 0, 1},
        {u"1234567800", 14, 10, 0, teclado, 0, u"345.678/00", u"1234567800", 10, 0, 0},
        // The minus sign: only masks 1 and 2 look for it, and a 1 on entry is never cleared.
        {u"5", 1, 22, 2, teclado, 1, u"-0,05", u"5", 22, 1, 1},
        {u"-12", 2, 22, 0, teclado, 0, u"-12", u"12", 22, 1, 1},
        {u"-12", 11, 22, 0, teclado, 0, u"12", u"12", 22, 0, 0},
        {u"-12", 0, 22, 0, teclado, 0, u"-12", u"-12", 22, 0, 0},
        // Moved-in CPF and CNPJ are filled with zeros; Texto keeps the cut text.
        {u"1-23", 13, 14, 0, movido, 0, u"000.000.001-23", u"1-23", 14, 0, 1},
        {u"12345", 14, 3, 0, movido, 0, u"00.000.000/0001-23", u"123", 3, 0, 0},
        {u"abc", 14, 22, 0, movido, 0, u"", u"", 22, 0, 0},  // no digits: the typed path
    };
    for (const auto& l : linhas) {
        SCOPED_TRACE(teste::utf8(l.texto) + " mascara " + std::to_string(l.mascara) + " max " +
                     std::to_string(l.max_length));
        const auto c = entrada(l.texto, l.mascara, l.max_length, l.casas, l.entrada_de, l.negativo);
        EXPECT_EQ(c.exibido, l.exibido);
        EXPECT_EQ(c.texto, l.texto_depois);
        EXPECT_EQ(c.max_length, l.max_depois);
        EXPECT_EQ(c.negativo, l.negativo_depois);
        EXPECT_EQ(c.flag, l.flag);
    }
}

TEST(Dispatcher, ParametrosOmitidosValemZero) {
    Formatar f;
    int32_t mascara = 1, casas = 2, negativo = 0;
    int16_t max = 0;
    std::u16string texto(60, u'a');
    EXPECT_EQ(f.FormatarTextoEntrada(texto), std::u16string(50, u'a'));
    texto = u"1234";
    EXPECT_EQ(f.FormatarTextoEntrada(texto, mascara), u"1.234,");  // no decimal places
    texto = u"-5";
    EXPECT_EQ(f.FormatarTextoEntrada(texto, mascara, max), u"-5,");
    EXPECT_EQ(max, 50);
    texto = u"-5";
    EXPECT_EQ(f.FormatarTextoEntrada(texto, mascara, max, casas), u"-0,05");
    texto = u"-5";
    EXPECT_EQ(f.FormatarTextoEntrada(texto, mascara, max, casas, negativo), u"-0,05");
    EXPECT_EQ(negativo, 1);
    mascara = 13;  // EntradaDe left out: typed, so no zero fill
    texto = u"123";
    EXPECT_EQ(f.FormatarTextoEntrada(texto, mascara, max, casas, negativo), u"1-23");
}

TEST(Dispatcher, NuncaEstoura) {
    // Cut first, so nothing overflows, not even when the CPF zero fill lengthens the text.
    const std::u16string digitos(32767, u'1');
    for (int32_t mascara : {1, 2, 11, 13, 14}) {
        SCOPED_TRACE(mascara);
        teste::Chamada c;
        EXPECT_EQ(teste::numero_de([&] { c = entrada(digitos + u"1", mascara, 32767, 2, movido); }),
                  0);
        EXPECT_TRUE(c.texto == digitos);
        EXPECT_LE(c.exibido.size(), 32767u);
        EXPECT_TRUE(c.exibido.ends_with(u"1"));
    }
}

}  // namespace
}  // namespace pjtCampoVivo
