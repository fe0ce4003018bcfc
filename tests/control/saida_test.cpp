// Leaving the field: checks, messages, focus, what is left, and the focus highlight.
#include <gtest/gtest.h>

#include <string>

#include <pjtcampovivo/toolkit/cores.hpp>
#include <pjtcampovivo/validation/checagem_saida.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

using teste::Sessao;
using teste::utf8;

// Invalid: message, focus kept, text becomes the mask's single space. Valid: quiet.
TEST(Saida, ConfereAoSair) {
    const struct {
        int32_t mascara;
        std::u16string digitado;
        std::u16string titulo;  // empty: the value passes
    } casos[] = {
        {6, u"3213", u"O dia/mês informado incorretamente"},
        {7, u"132003", u"O mês/ano informados incorretamente"},
        {10, u"0000", u"O ano informado incorretamente"},
        // clang-format off
        {6, u"0509", u""}, {8, u"08", u""}, {10, u"2003", u""}, {4, u"996199", u""},
        {11, u"1", u""},
        // clang-format on
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.mascara) + " " + utf8(c.digitado));
        Sessao s;
        s.campo.Mascara(c.mascara);
        s.form.teclar(c.digitado);
        const std::u16string digitado = s.texto();
        s.esquecer();
        s.form.sair();
        const bool invalido = !c.titulo.empty();
        if (invalido) {
            ASSERT_EQ(s.form.tela.mensagens.size(), 1u);
            EXPECT_EQ(s.form.tela.mensagens[0].prompt, checagem_saida(c.mascara)->prompt);
            EXPECT_EQ(s.form.tela.mensagens[0].codigo, 16);
            EXPECT_EQ(s.form.tela.mensagens[0].titulo, c.titulo);
            EXPECT_EQ(s.form.foco(), &s.form.txtCombo);
            EXPECT_EQ(s.form.txtCombo.cor_fundo(), cores::Realce);
            // Dia/Mes/Ano keep the space; the others rewrite it away (two Changes).
            const bool guarda = c.mascara >= 8;
            EXPECT_EQ(s.texto(), guarda ? u" " : u"");
            EXPECT_EQ(s.quantos(u"Change"), guarda ? 1 : 2);
            s.form.sair();  // what is left passes the check
        } else {
            EXPECT_EQ(s.texto(), digitado);
            EXPECT_TRUE(s.eventos().empty());
        }
        EXPECT_EQ(s.form.tela.mensagens.size(), invalido ? 1u : 0u);
        EXPECT_EQ(s.form.foco(), &s.form.proximo);
        EXPECT_EQ(s.form.txtCombo.cor_fundo(), cores::FundoJanela);
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

// The combo box checks only dates and date parts and keeps the text as typed.
TEST(Saida, NoComboSoDatasSaoConferidasEOTextoFica) {
    const struct {
        int32_t mascara;
        std::u16string digitado;
        std::u16string mostrado;
        std::u16string titulo;  // empty: no message
    } casos[] = {
        {3, u"32012003", u"32/01/2003", u"Data informada incorretamente"},
        {9, u"13", u"13", u"O mes informado incorretamente"},
        {13, u"12345678900", u"123.456.789-00", u""},
        {5, u"2561", u"25:61", u""},
        {8, u"  ", u"  ", u""},  // only blanks: not checked
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.mascara) + " " + utf8(c.digitado));
        Sessao s;
        s.combo(1, {});
        s.campo.Mascara(c.mascara);
        s.form.teclar(c.digitado);
        EXPECT_EQ(s.form.cboCombo.cor_fundo(), cores::Realce);
        s.form.sair();
        EXPECT_EQ(s.texto(), c.mostrado);
        const bool mensagem = !c.titulo.empty();
        ASSERT_EQ(s.form.tela.mensagens.size(), mensagem ? 1u : 0u);
        if (mensagem) {
            EXPECT_EQ(s.form.tela.mensagens[0].titulo, c.titulo);
        }
        EXPECT_EQ(s.form.foco(), mensagem
                                     ? static_cast<headless::CaixaHeadlessBase*>(&s.form.cboCombo)
                                     : &s.form.proximo);
        EXPECT_EQ(s.form.cboCombo.cor_fundo(), mensagem ? cores::Realce : cores::FundoJanela);
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
    EXPECT_EQ(s.form.txtCombo.texto(), u"");
    EXPECT_EQ(s.form.cboCombo.cor_fundo(), cores::Realce);

    s.campo.Text(u"3213");
    ASSERT_EQ(s.form.cboCombo.texto(), u"32/13");
    s.campo.Estilo(0);
    ASSERT_EQ(s.form.tela.mensagens.size(), 2u);
    EXPECT_EQ(s.form.tela.mensagens[1].titulo, u"O dia/mês informado incorretamente");
    EXPECT_EQ(s.form.foco(), &s.form.txtCombo);
    EXPECT_EQ(s.form.cboCombo.texto(), u"32/13");
    EXPECT_EQ(s.form.cboCombo.cor_fundo(), cores::FundoJanela);
}

}  // namespace
}  // namespace pjtCampoVivo
