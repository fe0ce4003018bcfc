// Typing into the field and leaving it: key filtering, shaping while typing, caret, colour,
// guards; the exit checks, their messages, the focus and what is left.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/toolkit/cores.hpp>
#include <pjtcampovivo/validation/checagem_saida.hpp>
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
        std::u16string digitado, mostrado;
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

// The selected characters do not count toward MaxLength; 0 refuses all but Backspace, Enter
// and Tab (the last two move on).
TEST(Filtro, LimiteDeTamanho) {
    Sessao s;
    s.campo.Mascara(0);
    s.campo.MaxLength(5);
    s.form.teclar(u"abcdef");
    s.form.selecionar(1, 1);  // four characters outside the selection: one more fits
    s.form.teclar(u"Zq");
    EXPECT_EQ(s.texto(), u"aZcde");
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
        Sessao z;
        z.campo.Text(u"abc");
        z.esquecer();
        z.form.tecla(c.tecla);
        const bool sai = c.tecla != Tecla::Backspace;
        EXPECT_EQ(std::tuple(z.eventos(), z.form.tela.injetadas, z.texto()),
                  std::tuple(c.eventos, sai ? Eventos{u"{TAB}"} : Eventos{}, sai ? u"abc" : u""));
        EXPECT_EQ(z.form.foco(), sai ? &z.form.proximo : &z.form.txtCombo);
    }
}

// Shaped as typed, caret at the end, nothing selected, black; a digit typed at the start of
// a date (after Home) still leaves the caret at the end.
TEST(Formatacao, CadaMascaraDigitada) {
    const struct {
        int32_t mascara;
        std::u16string digitado, no_inicio, mostrado;
    } casos[] = {
        // clang-format off
        {1, u"123456", u"", u"1.234,56"},  {2, u"1234567", u"", u"1.234.567"},
        {4, u"123456", u"", u"12:34:56"},  {9, u"06", u"", u"06"},
        {11, u"112345678", u"", u"11.234-5678"}, {14, u"12345678000195", u"", u"12.345.678/0001-95"},
        {3, u"3112", u"0", u"03/11/2"},
        // clang-format on
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.mascara) + " " + utf8(c.digitado));
        Sessao s;
        s.campo.Mascara(c.mascara);
        s.form.teclar(c.digitado);
        if (!c.no_inicio.empty()) {
            s.form.tecla(Tecla::Home);
            s.form.teclar(c.no_inicio);
        }
        EXPECT_EQ(
            std::tuple(s.campo.Text(), s.cursor(), s.selecionados(), s.form.txtCombo.cor_texto()),
            std::tuple(c.mostrado, static_cast<int32_t>(c.mostrado.size()), 0, cores::Preto));
    }
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
    EXPECT_EQ(std::tuple(s.texto(), s.avisos()), std::tuple(longo, Eventos{}));  // never formatted

    Sessao t;
    t.campo.Mascara(0);
    t.campo.CaracteresASeremRetiradosTexto(std::u16string(32768, u'x'));
    EXPECT_EQ(numero_de([&] { t.form.teclar(u"a"); }), numero_erro::Estouro);
    EXPECT_EQ(t.texto(), u"");
}

TEST(Guardas, DoisControlesNaMesmaLinhaDividemOSinal) {
    Sessao a, b;
    a.campo.Mascara(3);
    b.campo.Mascara(3);
    a.form.focar();
    // a fails right after raising the flag: nobody lowers it.
    a.form.txtCombo.falhas().falhar("SelStart=", 2, 1001);
    EXPECT_EQ(numero_de([&] { a.form.teclar(u"12"); }), 1001);
    EXPECT_EQ(a.texto(), u"12/");
    b.form.teclar(u"12");
    EXPECT_EQ(std::tuple(b.texto(), b.ouviu(u"Change")), std::tuple(u"12", false));
    SeparadorInserido = 0;
    b.form.teclar(u"3");
    EXPECT_EQ(b.texto(), u"12/3");
}

// Invalid: message, focus kept and highlighted. The text box's text becomes the mask's single
// space, and what is left then passes; the combo box checks only dates and date parts and
// keeps the text. Valid: quiet, nothing changed.
TEST(Saida, ConfereAoSair) {
    const struct {
        bool combo;
        int32_t mascara;
        std::u16string digitado;
        std::u16string titulo;  // empty: the value passes
    } casos[] = {
        // clang-format off
        {false, 6, u"3213", u"O dia/mês informado incorretamente"},
        {false, 7, u"132003", u"O mês/ano informados incorretamente"},
        {false, 10, u"0000", u"O ano informado incorretamente"},
        {false, 6, u"0509", u""}, {false, 8, u"08", u""}, {false, 10, u"2003", u""},
        {false, 4, u"996199", u""}, {false, 11, u"1", u""},
        {true, 3, u"32012003", u"Data informada incorretamente"},
        {true, 9, u"13", u"O mes informado incorretamente"},
        {true, 13, u"12345678900", u""}, {true, 5, u"2561", u""},
        {true, 8, u"  ", u""},  // only blanks: not checked
        // clang-format on
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.mascara) + " " + utf8(c.digitado) +
                     (c.combo ? " combo" : ""));
        Sessao s;
        if (c.combo) s.combo(1, {});
        s.campo.Mascara(c.mascara);
        s.form.teclar(c.digitado);
        headless::CaixaHeadlessBase& caixa =
            c.combo ? static_cast<headless::CaixaHeadlessBase&>(s.form.cboCombo) : s.form.txtCombo;
        EXPECT_EQ(caixa.cor_fundo(), cores::Realce);
        const std::u16string digitado = s.texto();
        s.esquecer();
        s.form.sair();
        const bool invalido = !c.titulo.empty();
        ASSERT_EQ(s.form.tela.mensagens.size(), invalido ? 1u : 0u);
        EXPECT_EQ(s.form.foco(), invalido ? &caixa : &s.form.proximo);
        EXPECT_EQ(caixa.cor_fundo(), invalido ? cores::Realce : cores::FundoJanela);
        if (!invalido || c.combo) {
            EXPECT_EQ(s.texto(), digitado);
            if (!invalido) {
                EXPECT_EQ(s.eventos(), Eventos{});
            } else {
                EXPECT_EQ(s.form.tela.mensagens[0].titulo, c.titulo);
            }
            continue;
        }
        const auto& m = s.form.tela.mensagens[0];
        EXPECT_EQ(std::tuple(m.prompt, m.codigo, m.titulo),
                  std::tuple(checagem_saida(c.mascara)->prompt, 16, c.titulo));
        // Dia/Mes/Ano keep the space; the others rewrite it away (two Changes).
        const bool guarda = c.mascara >= 8;
        EXPECT_EQ(std::tuple(s.texto(), s.quantos(u"Change")),
                  std::tuple(guarda ? u" " : u"", guarda ? 1 : 2));
        s.form.sair();  // what is left passes the check
        EXPECT_EQ(std::tuple(s.form.tela.mensagens.size(), s.form.txtCombo.cor_fundo()),
                  std::tuple(1u, cores::FundoJanela));
        EXPECT_EQ(s.form.foco(), &s.form.proximo);
    }
}

TEST(Saida, CampoVazioOuSoDeEspacosNaoMostraNada) {
    for (const int32_t mascara : {3, 6, 8, 13, 14}) {
        for (const std::u16string texto : {u"", u" ", u"   "}) {
            SCOPED_TRACE(std::to_string(mascara) + " [" + utf8(texto) + "]");
            Sessao s;
            s.campo.Mascara(mascara);
            s.form.focar();
            s.form.colar(texto);  // Dia, Mes and Ano keep blanks; the others drop them
            s.form.sair();
            EXPECT_TRUE(s.form.tela.mensagens.empty());
            EXPECT_EQ(s.form.foco(), &s.form.proximo);
        }
    }
}

// A style change hides the box with the focus: the focus moves into the box now shown, and
// the hidden box's check runs once on the way out. Its SetFocus cannot take the focus back
// into a hidden box, so two boxes holding refused dates never hand the focus to each other.
TEST(Saida, DuasCaixasRecusadasNaoDisputamOFoco) {
    Sessao s;
    s.campo.Mascara(6);
    s.form.teclar(u"3213");
    ASSERT_EQ(s.form.txtCombo.texto(), u"32/13");
    s.esquecer();

    s.campo.Estilo(1);
    ASSERT_EQ(s.form.tela.mensagens.size(), 1u);
    EXPECT_EQ(s.form.tela.mensagens[0].titulo, u"O dia/mês informado incorretamente");
    EXPECT_EQ(s.form.foco(), &s.form.cboCombo);
    EXPECT_EQ(std::tuple(s.form.txtCombo.texto(), s.form.cboCombo.cor_fundo()),
              std::tuple(u"", cores::Realce));

    s.campo.Text(u"3213");
    ASSERT_EQ(s.form.cboCombo.texto(), u"32/13");
    s.campo.Estilo(0);
    ASSERT_EQ(s.form.tela.mensagens.size(), 2u);
    EXPECT_EQ(s.form.tela.mensagens[1].titulo, u"O dia/mês informado incorretamente");
    EXPECT_EQ(s.form.foco(), &s.form.txtCombo);
    EXPECT_EQ(std::tuple(s.form.cboCombo.texto(), s.form.cboCombo.cor_fundo()),
              std::tuple(u"32/13", cores::FundoJanela));
}

}  // namespace
}  // namespace pjtCampoVivo
