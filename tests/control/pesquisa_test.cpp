// Lookup combo: style 1 takes any text; style 2 completes from its list, refuses what
// leaves it and asks the host for more (FimItensLista).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <pjtcampovivo/toolkit/cores.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

using headless::Tecla;
using teste::numero_de;
using teste::Sessao;
using teste::utf8;
using Eventos = std::vector<std::u16string>;

// Key filter as the text box's, but length left to the formatter's cut.
TEST(Pesquisa, Estilo1AceitaQualquerTextoSemPesquisar) {
    Sessao s;
    s.combo(1, {u"Abacate", u"Bia"});
    s.campo.CapsLockMixed(2);
    s.campo.CaracteresASeremRetiradosTexto(u"z");
    s.campo.MaxLength(3);
    s.form.teclar(u"aZbzcd");
    EXPECT_EQ(s.quantos(u"KeyPress(68)"), 1);  // the fourth letter is not refused
    EXPECT_EQ(s.texto(), u"ABC");
    EXPECT_EQ(s.campo.ListIndex(), -1);
    EXPECT_FALSE(s.ouviu(u"FimItensLista"));
}

TEST(Pesquisa, Estilo1NumeroNegativoEmVermelho) {
    Sessao s;
    s.combo(1, {});
    s.campo.Mascara(1);
    s.form.teclar(u"-");
    EXPECT_EQ(s.texto(), u"-0,00");
    EXPECT_EQ(s.cursor(), 2);  // not moved to the end: one past the typed sign
    EXPECT_EQ(s.form.cboCombo.cor_texto(), cores::Vermelho);
    s.campo.Text(u"12");
    EXPECT_EQ(s.texto(), u"0,12");
    EXPECT_EQ(s.form.cboCombo.cor_texto(), cores::Preto);
}

// Case folds fully, accents kept; prefixes cut in code units before folding.
TEST(Pesquisa, Estilo2CompletaOuRecusa) {
    const struct {
        std::vector<std::u16string> entradas;
        std::u16string digitado;
        std::u16string mostrado;
        int32_t cursor;
        int32_t selecionados;
        int16_t list_index;
        std::u16string fim;  // the last FimItensLista heard, empty when none
    } casos[] = {
        {{u"Maria", u"Mario"}, u"mario", u"Mario", 5, 0, 1, u""},
        {{u"Maria", u"Mario"}, u"MAR", u"Maria", 3, 2, 0, u""},
        {{u"Maria", u"Mario"}, u"z", u"", 0, 0, -1, u"FimItensLista(z)"},
        {{u"João", u"Joao"}, u"joa", u"Joao", 3, 1, 1, u""},
        {{u"Joao", u"JOÃO PESSOA"}, u"joã", u"JOÃO PESSOA", 3, 8, 1, u""},
        {{u"Straße", u"Strasse"}, u"stras", u"Strasse", 5, 2, 1, u""},
        {{u"Ana", u"ÁGUA"}, u"á", u"ÁGUA", 1, 3, 1, u""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.entradas[0] + u" / " + c.digitado));
        Sessao s;
        s.combo(2, {});
        for (const auto& e : c.entradas) s.campo.AddItem(e);
        s.esquecer();
        s.form.teclar(c.digitado);
        EXPECT_EQ(s.texto(), c.mostrado);
        EXPECT_EQ(s.cursor(), c.cursor);
        EXPECT_EQ(s.selecionados(), c.selecionados);
        EXPECT_EQ(s.campo.ListIndex(), c.list_index);
        const Eventos fins = s.ouvidos(u"FimItensLista");
        EXPECT_EQ(fins.empty() ? u"" : fins.back(), c.fim);
        EXPECT_EQ(s.quantos(u"Change"), static_cast<int>(c.digitado.size()));
    }
}

TEST(Pesquisa, ListaVaziaRecusaAteBackspace) {
    Sessao s;
    s.combo(2, {});
    s.campo.Text(u"abc");
    EXPECT_EQ(s.texto(), u"abc");
    s.esquecer();
    s.form.tecla(Tecla::Backspace);
    EXPECT_EQ(s.texto(), u"abc");
    EXPECT_FALSE(s.ouviu(u"KeyPress"));
}

// After FimItensLista the list is searched again without the refused character.
TEST(Pesquisa, DepoisDoFimItensLista) {
    const struct {
        const char* nome;
        std::function<void(CampoVivo&, std::u16string&)> hospedeiro;
        std::u16string mostrado;
        int32_t cursor, selecionados;
        int16_t list_index;
    } casos[] = {
        {"acrescenta o texto", [](CampoVivo& c, std::u16string&) { c.AddItem(u"m"); }, u"m", 1, 0,
         2},
        {"esvazia o texto", [](CampoVivo&, std::u16string& t) { t.clear(); }, u"Maria", 0, 5, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        Sessao s;
        s.combo(2, {u"Maria", u"Mario"});
        s.form.teclar(u"m");
        s.form.hospedeiro.tratadores.FimItensLista = [&](std::u16string& t) {
            c.hospedeiro(s.campo, t);
        };
        EXPECT_EQ(numero_de([&] { s.form.teclar(u"x"); }), 0);
        EXPECT_EQ(s.texto(), c.mostrado);
        EXPECT_EQ(s.cursor(), c.cursor);
        EXPECT_EQ(s.selecionados(), c.selecionados);
        EXPECT_EQ(s.campo.ListIndex(), c.list_index);
    }
}

TEST(Pesquisa, TextoApagadoEsqueceAPosicao) {
    Sessao s;
    s.combo(2, {u"Maria", u"Mario"});
    s.form.teclar(u"m");
    s.form.selecionar(0, 5);
    s.esquecer();
    s.form.tecla(Tecla::Delete);
    EXPECT_EQ(s.texto(), u"");
    EXPECT_EQ(s.campo.ListIndex(), -1);
    EXPECT_EQ(s.quantos(u"Change"), 1);
}

TEST(Pesquisa, TextoAtribuidoPeloHospedeiroTambemPesquisa) {
    const struct {
        std::u16string atribuido;
        std::u16string mostrado;
        int16_t list_index;
        bool fim;
    } casos[] = {
        {u"Zeca", u"", -1, true},
        {u"mario", u"Mario", 1, false},
        {u"STRASSE", u"Straße", 2, false},  // a whole entry folds fully: ß is ss
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.atribuido));
        Sessao s;
        s.combo(2, {u"Maria", u"Mario", u"Straße"});
        s.campo.Text(c.atribuido);
        EXPECT_EQ(s.texto(), c.mostrado);
        EXPECT_EQ(s.campo.ListIndex(), c.list_index);
        EXPECT_EQ(s.quantos(u"FimItensLista(" + c.atribuido + u")"), c.fim ? 1 : 0);
        EXPECT_EQ(s.avisos(), Eventos{u"Text"});
    }
}

TEST(Pesquisa, PosicaoLembradaForaDaListaContaComoNenhuma) {
    const struct {
        const char* nome;
        std::function<void(CampoVivo&)> encolher;
    } casos[] = {
        {"RemoveItem", [](CampoVivo& c) { c.RemoveItem(2); }},
        {"Clear",
         [](CampoVivo& c) {
             c.Clear();
             c.AddItem(u"Ana");
         }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        Sessao s;
        s.combo(2, {u"Ana", u"Bia", u"Carla"});
        s.form.teclar(u"c");
        ASSERT_EQ(s.campo.ListIndex(), 2);
        c.encolher(s.campo);
        EXPECT_EQ(s.campo.ListIndex(), 2);  // the list's own changes never touch it
        s.form.selecionar(0, 5);
        s.esquecer();
        EXPECT_EQ(numero_de([&] { s.form.teclar(u"z"); }), 0);
        EXPECT_EQ(s.texto(), u"");
        EXPECT_EQ(s.campo.ListIndex(), -1);
        EXPECT_EQ(s.form.cboCombo.indice(), -1);
        EXPECT_EQ(s.quantos(u"FimItensLista(z)"), 1);
    }
}

TEST(Pesquisa, ListIndexAtribuidoPeloCodigo) {
    Sessao s;
    s.combo(2, {u"Maria", u"Mario"});
    s.campo.ListIndex(1);
    s.campo.ListIndex(-1);
    EXPECT_EQ(s.campo.ListIndex(), -1);
    EXPECT_EQ(s.form.cboCombo.indice(), -1);
    s.campo.ListIndex(0);
    s.esquecer();
    EXPECT_EQ(numero_de([&] { s.campo.ListIndex(5); }), numero_erro::IndiceInvalido);
    EXPECT_EQ(s.campo.ListIndex(), 0);
    EXPECT_TRUE(s.avisos().empty());
}

TEST(Pesquisa, ListaAlteradaPeloHospedeiroEPesquisadaComoEsta) {
    Sessao s;
    s.combo(2, {u"Maria", u"Mario"});
    s.campo.AddItem(u"Zélia", 0);
    s.campo.List(2, u"Marta");
    s.campo.RemoveItem(1);  // Maria goes away: [Zélia, Marta]
    s.form.teclar(u"mar");
    EXPECT_EQ(s.texto(), u"Marta");
    EXPECT_EQ(s.campo.ListIndex(), 1);
    s.campo.Clear();
    s.campo.AddItem(u"ZÉLIA");
    s.form.sair();
    s.campo.Text(u"");
    s.form.teclar(u"zé");
    EXPECT_EQ(s.texto(), u"ZÉLIA");
    EXPECT_EQ(s.campo.ListIndex(), 0);
}

}  // namespace
}  // namespace pjtCampoVivo
