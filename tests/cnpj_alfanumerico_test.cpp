// Alphanumeric CNPJ engine: check digits, extraction, shaping, zero fill, plain value, exit
// check, and exact agreement with the all-digit CNPJ on texts without letters.
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using std::u16string_view;
using teste::utf8;

// Capitals and digits, exactly fourteen, no separators (as CNPJValido), the check digits
// digits; the exit check reads the shown text.
TEST(CNPJAlfanumerico, DigitosVerificadoresEChecagem) {
    for (const u16string_view valido : {u"00000000E08G12", u"A1B2C3D41A2B62"}) {
        EXPECT_TRUE(Comuns::CNPJAlfanumericoValido(valido)) << utf8(valido);
    }
    for (const u16string_view invalido :
         {u"12ABC34501DE36", u"12.ABC.345/01DE-35", u"12ABC34501DE3", u" 12ABC34501DE35",
          u"12ABC34501DEA5", u""}) {
        EXPECT_FALSE(Comuns::CNPJAlfanumericoValido(invalido)) << utf8(invalido);
    }
    // The exit check uses mask 14's words.
    const ChecagemSaida& alfa = checagem_saida_cnpj_alfanumerico();
    const ChecagemSaida& numerica = *checagem_saida(14);
    EXPECT_EQ(alfa.mascara, 14);
    EXPECT_EQ(alfa.prompt, numerica.prompt);
    EXPECT_EQ(alfa.titulo, numerica.titulo);
    EXPECT_EQ(alfa.documento, numerica.documento);
    EXPECT_TRUE(alfa.valido(u"12.ABC.345/01DE-35"));
    EXPECT_TRUE(alfa.valido(u"11.222.333/0001-81"));
    EXPECT_FALSE(alfa.valido(u"12.ABC.345/01DE"));
    EXPECT_FALSE(alfa.valido(u"11.222.333/0001-80"));
}

// Over digits both validators accept the same single check-digit pair per prefix.
TEST(CNPJAlfanumerico, ConcordaComOCNPJNumerico) {
    teste::GeradorTexto gerador(2026);
    for (int n = 0; n < 200; ++n) {
        std::u16string prefixo;
        for (int i = 0; i < 12; ++i)
            prefixo.push_back(static_cast<char16_t>(u'0' + gerador.inteiro(0, 9)));
        int validos = 0;
        for (int dv = 0; dv < 100; ++dv) {
            const std::u16string cnpj = prefixo + static_cast<char16_t>(u'0' + dv / 10) +
                                        static_cast<char16_t>(u'0' + dv % 10);
            SCOPED_TRACE(utf8(cnpj));
            const bool numerico = Comuns::CNPJValido(cnpj);
            EXPECT_EQ(Comuns::CNPJAlfanumericoValido(cnpj), numerico);
            validos += numerico;
        }
        EXPECT_EQ(validos, 1);
    }
}

// Letters count only in the first twelve places, ASCII letters and digits only; the routine
// shapes like CNPJ and, like it, never raises the flag; Texto becomes the characters.
TEST(CNPJAlfanumerico, ExtrairERotina) {
    const std::tuple<u16string_view, u16string_view, u16string_view> casos[] = {
        {u"ABCDEFGHIJKLMNOP12", u"ABCDEFGHIJKL12", u"AB.CDE.FGH/IJKL-12"},
        {u"ABCDEFGHIJKL1X2Y345", u"ABCDEFGHIJKL12345", u"AB.CDE.FGH/IJKL-12"},
        {u"ç1é2\u0661ｂ", u"12", u"12"},
        {u"-/. ", u"", u""},
        {u"12ABC34501DEx35", u"12ABC34501DE35", u"12.ABC.345/01DE-35"},
        {u"12ABC34501DE3599", u"12ABC34501DE3599", u"12.ABC.345/01DE-35"},
    };
    for (const auto& [texto, caracteres, exibido] : casos) {
        SCOPED_TRACE(utf8(texto));
        EXPECT_EQ(Comuns::ExtrairCNPJAlfanumerico(texto), caracteres);
        std::u16string no_lugar(texto);
        Comuns::ExtrairCNPJAlfanumericoNoLugar(no_lugar);
        EXPECT_EQ(no_lugar, caracteres);
        const auto r = teste::rotina(&Formatar::CNPJAlfanumerico, std::u16string(texto));
        EXPECT_EQ(r.exibido, exibido);
        EXPECT_EQ(r.texto, caracteres);
        EXPECT_EQ(r.flag, 0);
    }
    EXPECT_EQ(
        teste::numero_de([] { Comuns::ExtrairCNPJAlfanumerico(std::u16string(32768, u'1')); }), 6);
    std::u16string longo(32768, u'a');
    EXPECT_EQ(teste::numero_de([&] { Comuns::ExtrairCNPJAlfanumericoNoLugar(longo); }), 6);
    EXPECT_EQ(longo, std::u16string(32768, u'a'));  // left as it was
}

// A text without ASCII letters is shaped, typed or assigned, exactly as mask 14 shapes it.
TEST(CNPJAlfanumerico, SemLetrasComoOCNPJ) {
    teste::GeradorTexto gerador(14);
    for (int n = 0; n < 2000; ++n) {
        std::u16string texto = gerador.ate(30);
        std::erase_if(
            texto, [](char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); });
        SCOPED_TRACE(utf8(texto));
        const auto alfa = teste::rotina(&Formatar::CNPJAlfanumerico, texto);
        const auto numerico = teste::rotina(&Formatar::CNPJ, texto);
        EXPECT_EQ(alfa.exibido, numerico.exibido);
        EXPECT_EQ(alfa.texto, numerico.texto);
        for (const int16_t maximo : std::initializer_list<int16_t>{0, 3, 10, 14, 18, 22}) {
            for (const auto entrada : {eEntradaDe::eeteclado, eEntradaDe::eeMove}) {
                int16_t max_alfa = maximo;
                const auto a = formatar_cnpj_alfanumerico_entrada(texto, max_alfa, entrada);
                const auto d = teste::entrada(texto, 14, maximo, 0, valor(entrada));
                EXPECT_EQ(a.texto, d.exibido) << "max " << maximo;
                EXPECT_EQ(max_alfa, d.max_length);
                EXPECT_FALSE(a.separador_inserido);
            }
        }
    }
}

// Typed: cut to MaxLength, the last characters kept. Assigned whole: zero-filled to
// fourteen, never cut. The thread's flag is left as it was. Plain value keeps leading zeros.
TEST(CNPJAlfanumerico, EntradaDoCampoEValorPlano) {
    constexpr auto teclado = eEntradaDe::eeteclado, move = eEntradaDe::eeMove;
    const std::tuple<u16string_view, int16_t, eEntradaDe, u16string_view, int16_t> casos[] = {
        {u"12abc34501", 0, teclado, u"12.ABC.345/01", 50},
        {u"12ABC34501DE35", 10, teclado, u"ABC.345/01", 10},
        {u"12ABC34501DE35", 5, move, u"00.000.000/012A", 5},
        {u"1ABCDE", 22, move, u"00.000.000/1ABC", 22},  // no letter as check digit
        {u"-/", 22, move, u"", 22},                     // nothing to fill
    };
    for (auto [texto, max_length, entrada, exibido, max_depois] : casos) {
        SCOPED_TRACE(teste::rotulo(texto, "max", max_length));
        SeparadorInserido = 1;
        const auto r = formatar_cnpj_alfanumerico_entrada(texto, max_length, entrada);
        EXPECT_EQ(SeparadorInserido, 1);
        EXPECT_EQ(r.texto, exibido);
        EXPECT_EQ(max_length, max_depois);
        EXPECT_FALSE(r.negativo);
    }
    SeparadorInserido = 0;
    EXPECT_EQ(formatar_saida_cnpj_alfanumerico(u"12.ABC.345/01DE-35"), u"12ABC34501DE35");
}

}  // namespace
}  // namespace pjtCampoVivo
