// Leaving the field: which masks are checked, the exact message an invalid value shows, where
// the focus goes and what is left in the box; and the focus highlight on the way in and out.
#include <gtest/gtest.h>

#include <string>

#include "support/sessao_headless.hpp"
#include "toolkit/cores.hpp"

namespace pjtCampoVivo {
namespace {

using teste::em_utf8;
using teste::Sessao;

struct Invalido {
    int32_t mascara;
    std::u16string digitado;
    std::u16string prompt;
    std::u16string titulo;
    // What the single space that replaces the value becomes through the mask.
    std::u16string resto;
};

const Invalido invalidos[] = {
    {3, u"32012003", u"A data esta preenchida incorretamente, faça como no exemplo: 25/12/2003",
     u"Data informada incorretamente", u""},
    {3, u"29022003", u"A data esta preenchida incorretamente, faça como no exemplo: 25/12/2003",
     u"Data informada incorretamente", u""},
    {6, u"3213",
     u"O dia/mês estão preenchidos incorretamente, faça como no exemplo: 05/09 (dia cinco do mês "
     u"nove)",
     u"O dia/mês informado incorretamente", u""},
    {7, u"132003",
     u"O mês/ano estão preenchidos incorretamente, faça como no exemplo: 07/2003 (mês de 2003)",
     u"O mês/ano informados incorretamente", u""},
    {8, u"32", u"O dia esta preenchido incorretamente, faça como no exemplo: 08 (dia oito)",
     u"O dia informado incorretamente", u" "},
    {9, u"13", u"O mês esta preenchido incorretamente, faça como no exemplo: 06 (mês seis)",
     u"O mes informado incorretamente", u" "},
    {10, u"0000", u"O ano esta preenchido incorretamente, faça como no exemplo: 2003 (ano de 2003)",
     u"O ano informado incorretamente", u" "},
    {13, u"12345678900", u"O CPF esta preenchido incorretamente.", u"CPF informada incorretamente",
     u""},
    {14, u"12345678000100", u"O CGC esta preenchido incorretamente.",
     u"CGC informada incorretamente", u""},
};

TEST(Saida, ValorInvalidoMostraAMensagemEVolta) {
    for (const Invalido& c : invalidos) {
        SCOPED_TRACE(std::to_string(c.mascara) + " " + em_utf8(c.digitado));
        Sessao s;
        s.campo.Mascara(c.mascara);
        s.form.teclar(c.digitado);
        s.esquecer();
        s.form.sair();
        ASSERT_EQ(s.form.tela.mensagens.size(), 1u);
        EXPECT_EQ(s.form.tela.mensagens[0].prompt, c.prompt);
        EXPECT_EQ(s.form.tela.mensagens[0].codigo, 16);
        EXPECT_EQ(s.form.tela.mensagens[0].titulo, c.titulo);
        EXPECT_EQ(s.form.foco(), &s.form.txtCombo);
        EXPECT_EQ(s.form.txtCombo.cor_fundo(), cores::Realce);
        EXPECT_EQ(s.texto(), c.resto);
        // A space the mask rewrites is reported twice (the rewrite's own pass, then the
        // outer one); one it keeps, once.
        EXPECT_EQ(s.quantos(u"Change"), c.resto == u" " ? 1 : 2);

        // What is left passes the check: the user can leave now.
        s.form.sair();
        EXPECT_EQ(s.form.tela.mensagens.size(), 1u);
        EXPECT_EQ(s.form.foco(), &s.form.proximo);
        EXPECT_EQ(s.form.txtCombo.cor_fundo(), cores::FundoJanela);
    }
}

TEST(Saida, CampoVazioOuSoDeEspacosNaoMostraNada) {
    for (const Invalido& c : invalidos) {
        for (const std::u16string texto : {u"", u" ", u"   "}) {
            SCOPED_TRACE(std::to_string(c.mascara) + " [" + em_utf8(texto) + "]");
            Sessao s;
            s.campo.Mascara(c.mascara);
            s.form.focar();
            s.form.colar(texto);  // Dia, Mes and Ano keep blanks; the others drop them
            s.form.sair();
            EXPECT_TRUE(s.form.tela.mensagens.empty());
            EXPECT_EQ(s.form.foco(), &s.form.proximo);
        }
    }
}

TEST(Saida, ValoresValidosETemposNaoSaoRecusados) {
    struct Caso {
        int32_t mascara;
        std::u16string digitado;
        std::u16string mostrado;
    };
    // Times, telephone numbers and postal codes are never checked.
    // clang-format off
    const Caso casos[] = {
        {3, u"29022004", u"29/02/2004"}, {6, u"0509", u"05/09"}, {7, u"072003", u"07/2003"},
        {8, u"08", u"08"}, {9, u"06", u"06"}, {10, u"2003", u"2003"},
        {13, u"12345678909", u"123.456.789-09"}, {14, u"12345678000195", u"12.345.678/0001-95"},
        {5, u"2561", u"25:61"}, {4, u"996199", u"99:61:99"}, {11, u"1", u"1"}, {12, u"9", u"9"},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::to_string(c.mascara) + " " + em_utf8(c.digitado));
        Sessao s;
        s.campo.Mascara(c.mascara);
        s.form.teclar(c.digitado);
        s.esquecer();
        s.form.sair();
        EXPECT_TRUE(s.form.tela.mensagens.empty());
        EXPECT_EQ(s.form.foco(), &s.form.proximo);
        EXPECT_EQ(s.texto(), c.mostrado);
        EXPECT_TRUE(s.eventos().empty());
        EXPECT_EQ(s.form.txtCombo.cor_fundo(), cores::FundoJanela);
    }
}

TEST(Saida, NoComboSoDatasSaoConferidasEOTextoFica) {
    struct Caso {
        int32_t estilo;
        int32_t mascara;
        std::u16string digitado;
        std::u16string mostrado;
        bool mensagem;
    };
    const Caso casos[] = {
        {1, 3, u"32012003", u"32/01/2003", true},
        {1, 9, u"13", u"13", true},
        {1, 13, u"12345678900", u"123.456.789-00", false},
        {1, 14, u"12345678000100", u"12.345.678/0001-00", false},
        {1, 5, u"2561", u"25:61", false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::to_string(c.mascara) + " " + em_utf8(c.digitado));
        Sessao s;
        s.combo(c.estilo, {});
        s.campo.Mascara(c.mascara);
        s.form.teclar(c.digitado);
        EXPECT_EQ(s.form.cboCombo.cor_fundo(), cores::Realce);
        s.form.sair();
        EXPECT_EQ(s.texto(), c.mostrado);
        EXPECT_EQ(s.form.tela.mensagens.size(), c.mensagem ? 1u : 0u);
        EXPECT_EQ(s.form.foco(), c.mensagem
                                     ? static_cast<headless::CaixaHeadlessBase*>(&s.form.cboCombo)
                                     : &s.form.proximo);
        // Taking the focus back highlights the box again.
        EXPECT_EQ(s.form.cboCombo.cor_fundo(), c.mensagem ? cores::Realce : cores::FundoJanela);
    }
    // A date message in the combo box carries the same words as in the text box.
    Sessao s;
    s.combo(1, {});
    s.campo.Mascara(3);
    s.form.teclar(u"32012003");
    s.form.sair();
    ASSERT_EQ(s.form.tela.mensagens.size(), 1u);
    EXPECT_EQ(s.form.tela.mensagens[0].titulo, u"Data informada incorretamente");
    EXPECT_EQ(s.form.tela.mensagens[0].codigo, 16);
}

TEST(Saida, ComboSoDeEspacosSaiSemMensagem) {
    Sessao s;
    s.combo(1, {});
    s.campo.Mascara(8);
    s.campo.Text(u"  ");
    EXPECT_EQ(s.texto(), u"  ");
    s.form.focar();
    s.form.sair();
    EXPECT_TRUE(s.form.tela.mensagens.empty());
    EXPECT_EQ(s.form.foco(), &s.form.proximo);
}

}  // namespace
}  // namespace pjtCampoVivo
