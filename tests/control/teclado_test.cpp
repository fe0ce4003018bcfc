// Typing into the text style: key filtering, shaping while typing, caret, colour, guards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/toolkit/cores.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

using headless::Tecla;
using teste::numero_de;
using teste::Sessao;
using teste::utf8;
using Eventos = std::vector<std::u16string>;

// Forbidden characters refused in either case, then case forced; refused keys never reach
// KeyPress; a letter whose capital is two letters keeps its code.
TEST(Filtro, CaracteresProibidosECaixa) {
    const struct {
        std::u16string proibidos;
        int32_t caixa;
        std::u16string digitado;
        std::u16string mostrado;
    } casos[] = {
        {u"ç", 0, u"Çcç", u"c"},  {u"'\"", 0, u"a'b\"c", u"abc"}, {u"ß", 0, u"ßs", u"s"},
        {u"", 1, u"AÉa", u"aéa"}, {u"", 2, u"açÿ1", u"AÇŸ1"},     {u"", 2, u"ßﬁ", u"ßﬁ"},
        {u"", 7, u"aA", u"aA"},  // no such setting: unchanged
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.proibidos + u" / " + c.digitado) + " caixa " + std::to_string(c.caixa));
        Sessao s;
        s.campo.Mascara(0);
        s.campo.CaracteresASeremRetiradosTexto(c.proibidos);
        s.campo.CapsLockMixed(c.caixa);
        s.esquecer();
        s.form.teclar(c.digitado);
        EXPECT_EQ(s.texto(), c.mostrado);
        Eventos keypress;
        for (const char16_t m : c.mostrado)
            keypress.push_back(u"KeyPress(" + teste::texto_de(static_cast<int16_t>(m)) + u")");
        EXPECT_EQ(s.ouvidos(u"KeyPress"), keypress);
    }
}

TEST(Filtro, LimiteDeTamanhoDescontaASelecao) {
    Sessao s;
    s.campo.Mascara(0);
    s.campo.MaxLength(5);
    s.form.teclar(u"abcdef");
    EXPECT_EQ(s.texto(), u"abcde");
    s.form.selecionar(1, 1);  // four characters outside the selection: one more fits
    s.form.teclar(u"Z");
    EXPECT_EQ(s.texto(), u"aZcde");
    s.form.teclar(u"q");  // full, nothing selected
    EXPECT_EQ(s.texto(), u"aZcde");
    s.form.selecionar(0, 5);
    s.form.teclar(u"q");
    EXPECT_EQ(s.texto(), u"q");
    s.campo.MaxLength(1);
    s.form.tecla(Tecla::Backspace);
    EXPECT_EQ(s.texto(), u"");
}

// MaxLength 0 refuses all but Backspace, Enter and Tab.
TEST(Filtro, MaxLengthZeroSoDeixaEnterBackspaceETab) {
    const struct {
        Tecla tecla;
        Eventos eventos;
    } casos[] = {
        {Tecla::Backspace, {u"KeyDown(8,0)", u"KeyPress(8)", u"KeyUp(8,0)"}},
        {Tecla::Enter, {u"KeyDown(13,0)", u"Click", u"KeyPress(13)", u"KeyUp(13,0)"}},
        {Tecla::Tab, {u"KeyDown(9,0)", u"Click", u"KeyPress(9)", u"KeyUp(9,0)"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.eventos[0]));
        Sessao s;
        s.campo.Text(u"abc");
        s.esquecer();
        s.form.tecla(c.tecla);
        EXPECT_EQ(s.eventos(), c.eventos);
        const bool sai = c.tecla != Tecla::Backspace;
        EXPECT_EQ(s.form.foco(), sai ? &s.form.proximo : &s.form.txtCombo);
        EXPECT_EQ(s.form.tela.injetadas, sai ? Eventos{u"{TAB}"} : Eventos{});
        EXPECT_EQ(s.texto(), sai ? u"abc" : u"");
    }
}

TEST(Formatacao, CadaMascaraDigitada) {
    const struct {
        int32_t mascara;
        std::u16string digitado;
        std::u16string mostrado;
    } casos[] = {
        // clang-format off
        {1, u"123456", u"1.234,56"},  {2, u"1234567", u"1.234.567"},
        {4, u"123456", u"12:34:56"},  {9, u"06", u"06"},
        {11, u"112345678", u"11.234-5678"}, {14, u"12345678000195", u"12.345.678/0001-95"},
        // clang-format on
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.mascara) + " " + utf8(c.digitado));
        Sessao s;
        s.campo.Mascara(c.mascara);
        s.form.teclar(c.digitado);
        EXPECT_EQ(s.campo.Text(), c.mostrado);
        EXPECT_EQ(s.cursor(), static_cast<int32_t>(c.mostrado.size()));
        EXPECT_EQ(s.selecionados(), 0);
        EXPECT_EQ(s.form.txtCombo.cor_texto(), cores::Preto);
    }
}

TEST(Formatacao, DigitoNoMeioDaDataDeixaOCursorNoFim) {
    Sessao s;
    s.campo.Mascara(3);
    s.form.teclar(u"3112");
    s.form.tecla(Tecla::Home);
    s.form.teclar(u"0");
    EXPECT_EQ(s.texto(), u"03/11/2");
    EXPECT_EQ(s.cursor(), 7);
}

// The combo box, unlike the text box, keeps treating an assigned text as moved in.
TEST(Formatacao, NoComboOTextoAtribuidoContinuaMovidoAoTeclar) {
    Sessao s;
    s.combo(1, {});
    s.campo.Mascara(13);
    s.campo.Text(u"123");
    EXPECT_EQ(s.texto(), u"000.000.001-23");
    s.form.selecionar(0, 14);
    s.form.teclar(u"4");
    EXPECT_EQ(s.texto(), u"000.000.000-04");
}

// A caret or forbidden list beyond 16 bits overflows before formatting.
TEST(Guardas, AlemDe16BitsEstoura) {
    Sessao s;
    s.campo.Mascara(2);
    s.esquecer();
    const std::u16string longo(32768, u'1');
    EXPECT_EQ(numero_de([&] { s.campo.Text(longo); }), numero_erro::Estouro);
    EXPECT_EQ(s.texto(), longo);  // written, never formatted
    EXPECT_TRUE(s.avisos().empty());

    Sessao t;
    t.campo.Mascara(0);
    t.campo.CaracteresASeremRetiradosTexto(std::u16string(32768, u'x'));
    EXPECT_EQ(numero_de([&] { t.form.teclar(u"a"); }), numero_erro::Estouro);
    EXPECT_EQ(t.texto(), u"");
}

TEST(Guardas, DoisControlesNaMesmaLinhaDividemOSinal) {
    Sessao a;
    Sessao b;
    a.campo.Mascara(3);
    b.campo.Mascara(3);
    a.form.focar();
    // a fails right after raising the flag: nobody lowers it.
    a.form.txtCombo.falhas().falhar("SelStart=", 2, 1001);
    EXPECT_EQ(numero_de([&] { a.form.teclar(u"12"); }), 1001);
    EXPECT_EQ(a.texto(), u"12/");
    b.form.teclar(u"12");
    EXPECT_EQ(b.texto(), u"12");
    EXPECT_FALSE(b.ouviu(u"Change"));
    SeparadorInserido = 0;
    b.form.teclar(u"3");
    EXPECT_EQ(b.texto(), u"12/3");
}

}  // namespace
}  // namespace pjtCampoVivo
