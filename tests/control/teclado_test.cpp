// Typing into the field and leaving it, where the session scripts cannot reach: the combo
// box's moved-in text, the 16-bit guards, two controls on one thread, each box's exit check
// and the focus between two refusing boxes. Key filtering, MaxLength, shaping while typing
// and the text box's exit checks are pinned by the digitacao and saida_campo scripts.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/toolkit/cores.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

using teste::numero_de;
using teste::Sessao;
using teste::utf8;
using Eventos = std::vector<std::u16string>;

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

// The combo box checks only dates and date parts on leaving: a refused one shows its message
// and keeps the focus, the highlight and the text; anything else leaves quietly. The text
// box's checks, where the text becomes the mask's space, are pinned by the saida_campo script.
TEST(Saida, ComboConfereSoDatas) {
    const struct {
        int32_t mascara;
        std::u16string digitado;
        std::u16string titulo;  // empty: the value passes
    } casos[] = {{3, u"32012003", u"Data informada incorretamente"},
                 {9, u"13", u"O mes informado incorretamente"},
                 {13, u"12345678900", u""}};
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.mascara) + " " + utf8(c.digitado));
        Sessao s;
        s.combo(1, {});
        s.campo.Mascara(c.mascara);
        s.form.teclar(c.digitado);
        const std::u16string digitado = s.texto();
        s.esquecer();
        s.form.sair();
        const bool invalido = !c.titulo.empty();
        ASSERT_EQ(s.form.tela.mensagens.size(), invalido ? 1u : 0u);
        if (invalido) {
            EXPECT_EQ(s.form.tela.mensagens[0].titulo, c.titulo);
        }
        const headless::CaixaHeadlessBase* foco = &s.form.proximo;
        if (invalido) foco = &s.form.cboCombo;
        EXPECT_EQ(s.form.foco(), foco);
        EXPECT_EQ(s.form.cboCombo.cor_fundo(), invalido ? cores::Realce : cores::FundoJanela);
        EXPECT_EQ(std::tuple(s.texto(), s.eventos()), std::tuple(digitado, Eventos{}));
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
