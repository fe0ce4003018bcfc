// FormatarTextoEntrada: cut, routine choice, last-MaxLength cut, zero fill, write-backs; the
// shaping routines 5 to 14 it chooses; every mask's example surviving its own formatting, and
// the published enumeration names both ways.
#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/formatting/mascaras.hpp>
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
        int32_t casas, entrada_de, negativo;
        std::u16string exibido, texto_depois;
        int16_t max_depois;
        int32_t negativo_depois, flag;
    } linhas[] = {
        // MaxLength 0 or less becomes 50; masks without a routine show the cut text.
        {std::u16string(60, u'x'), 0, 0, 0, teclado, 0, std::u16string(50, u'x'),
         std::u16string(50, u'x'), 50, 0, 0},
        // Any other mask value shows nothing, but the cut is still written back.
        {u"1234", 65537, 22, 0, teclado, 0, u"", u"1234", 22, 0, 0},  // 1 in its low 16 bits
        // Grouped masks keep the last MaxLength characters of what they shaped.
        {u"-1234", 2, 5, 0, teclado, 0, u"1.234", u"1234", 5, 1, 1},
        {u"1234567800", 14, 10, 0, teclado, 0, u"345.678/00", u"1234567800", 10, 0, 0},
        // The minus sign is written back, and a 1 on entry is never cleared.
        {u"5", 1, 22, 2, teclado, 1, u"-0,05", u"5", 22, 1, 1},
        // Moved-in CPF and CNPJ are filled with zeros; Texto keeps the cut text.
        {u"12345", 14, 3, 0, movido, 0, u"00.000.000/0001-23", u"123", 3, 0, 0},
    };
    for (const auto& l : linhas) {
        SCOPED_TRACE(teste::rotulo(l.texto, "mascara", l.mascara, "max", l.max_length));
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

// What the golden session script of direct calls leaves open: the second ":" waiting for
// digit 5, long telephone heads grouped by thousands, CNPJ's fixed positions without the flag,
// digits of other scripts ignored. Texto is left holding the ASCII digits.
TEST(Moldes, MoldamEnquantoDigita) {
    const teste::Rotina data = &Formatar::DdMmAaaa, hms = &Formatar::HhMmSs,
                        tel = &Formatar::Telefone, cpf = &Formatar::CNPF, cnpj = &Formatar::CNPJ;
    const std::tuple<teste::Rotina, std::u16string, std::u16string_view, int32_t> linhas[] = {
        {data, u"-12", u"12/", 1},
        {data, u"\u0661\u0662", u"", 0},
        {hms, u"12345", u"12:34:5", 1},
        {tel, u"1234567890", u"123.456-7890", 1},
        {tel, u"12345678901234567890", u"1.234.567.890.123.456-7890", 1},
        {cpf, u"-12-", u"12", 0},
        {cnpj, u"123456", u"12.345.6", 0},
        {cnpj, u"12.345.678/0001-95", u"12.345.678/0001-95", 0},
    };
    for (const auto& [r, texto, exibido, flag] : linhas) {
        SCOPED_TRACE(teste::rotulo(texto, "->", exibido));
        const auto c = teste::rotina(r, texto);
        EXPECT_EQ(c.exibido, exibido);
        EXPECT_EQ(c.texto, teste::digitos_ascii(texto));
        EXPECT_EQ(c.flag, flag);
    }
}

TEST(Mascaras, ExemploSobreviveASuaPropriaFormatacao) {
    for (int32_t m = 0; m <= 15; ++m) {
        SCOPED_TRACE(m);
        const auto conf = configuracao_mascara(m);
        ASSERT_TRUE(conf.has_value());
        EXPECT_EQ(conf->mascara, m);
        for (int32_t origem : {teclado, movido}) {
            const auto c = entrada(std::u16string(conf->exemplo), m, conf->max_length,
                                   conf->casas_decimais, origem);
            EXPECT_EQ(c.exibido, conf->exemplo);
        }
    }
    EXPECT_FALSE(configuracao_mascara(16).has_value());
    EXPECT_FALSE(configuracao_mascara(-1).has_value());
}

TEST(Enumeracoes, NomesPublicadosNosDoisSentidos) {
    const std::tuple<std::string_view, std::string_view, int32_t> linhas[] = {
        {"eMascara", "CNPJ ##.###.###.###/####-##", 14},
        {"eNaoSim", "sim", 1},
        {"eEstilo", "ComboBoxLookUpAteLimiteDados", 2},
    };
    for (const auto& [enumeracao, membro, valor] : linhas) {
        SCOPED_TRACE(membro);
        const auto* e = enumeracao_publicada(enumeracao);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->nome_de(valor), membro);
        EXPECT_EQ(e->valor_de(membro), valor);
    }
    const auto* nao_sim = enumeracao_publicada("eNaoSim");
    EXPECT_EQ(nao_sim->valor_de("Sim"), std::nullopt);  // names are case-sensitive
    EXPECT_EQ(nao_sim->nome_de(2), std::nullopt);
    EXPECT_EQ(enumeracao_publicada("eMascara")->valor_de("CNPJ"), std::nullopt);
    EXPECT_EQ(enumeracao_publicada("eMascaras"), nullptr);
}

}  // namespace
}  // namespace pjtCampoVivo
