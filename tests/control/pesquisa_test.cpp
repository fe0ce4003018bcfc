// The lookup combo: style 1 takes any text, style 2 searches its list as the user types,
// completes the first entry that begins with the text, refuses a character that leaves the
// list and asks the host for more entries (FimItensLista).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/sessao_headless.hpp"
#include "toolkit/cores.hpp"

namespace pjtCampoVivo {
namespace {

using headless::Tecla;
using teste::em_utf8;
using teste::numero_de;
using teste::Sessao;
using Eventos = std::vector<std::u16string>;

TEST(Pesquisa, Estilo1AceitaQualquerTextoSemPesquisar) {
    Sessao s;
    s.combo(1, {u"Maria", u"Mario"});
    s.form.teclar(u"xyz");
    EXPECT_EQ(s.texto(), u"xyz");
    EXPECT_EQ(s.cursor(), 3);
    EXPECT_EQ(s.campo.ListIndex(), -1);
    EXPECT_FALSE(s.ouviu(u"FimItensLista"));
    EXPECT_EQ(s.quantos(u"Change"), 3);

    s.esquecer();
    s.form.clicar(1);
    EXPECT_EQ(s.texto(), u"Mario");
    EXPECT_EQ(s.campo.ListIndex(), 1);
    EXPECT_EQ(s.eventos(), Eventos{u"Click"});

    s.esquecer();
    s.form.abrir();
    s.form.duplo();
    EXPECT_EQ(s.eventos(), (Eventos{u"DropDown", u"DblClick"}));
    EXPECT_EQ(s.form.cboCombo.cor_fundo(), cores::Realce);

    s.esquecer();
    s.form.tecla(Tecla::Enter);
    EXPECT_EQ(s.eventos(), (Eventos{u"KeyDown(13,0)", u"Click", u"KeyPress(13)", u"KeyUp(13,0)"}));
    EXPECT_EQ(s.form.foco(), &s.form.proximo);
}

TEST(Pesquisa, FiltroDoComboSemLimiteDeTamanhoProprio) {
    Sessao s;
    s.combo(1, {});
    s.campo.CapsLockMixed(2);
    s.campo.CaracteresASeremRetiradosTexto(u"z");
    s.campo.MaxLength(3);
    s.form.teclar(u"aZbzcd");
    // The fourth letter is not refused: the formatter cuts the text to MaxLength.
    EXPECT_EQ(s.quantos(u"KeyPress(68)"), 1);
    EXPECT_EQ(s.texto(), u"ABC");
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

TEST(Pesquisa, Estilo2CompletaOuRecusa) {
    struct Caso {
        std::vector<std::u16string> entradas;
        std::u16string digitado;
        std::u16string mostrado;
        int32_t cursor;
        int32_t selecionados;
        int16_t list_index;
        std::u16string fim;  // the last FimItensLista heard, empty when none
    };
    const Caso casos[] = {
        {{u"Maria", u"Mario"}, u"m", u"Maria", 1, 4, 0, u""},
        {{u"Maria", u"Mario"}, u"mx", u"Maria", 1, 4, 0, u"FimItensLista(Mx)"},
        {{u"Maria", u"Mario"}, u"ma", u"Maria", 2, 3, 0, u""},
        {{u"Maria", u"Mario"}, u"mario", u"Mario", 5, 0, 1, u""},
        {{u"Maria", u"Mario"}, u"MAR", u"Maria", 3, 2, 0, u""},
        {{u"Maria", u"Mario"}, u"z", u"", 0, 0, -1, u"FimItensLista(z)"},
        {{u"Ana Maria", u"Ana"}, u"Ana", u"Ana Maria", 3, 6, 0, u""},
        {{u"João"}, u"JOÃ", u"João", 3, 1, 0, u""},
        {{u"João"}, u"joa", u"João", 2, 2, 0, u"FimItensLista(Joa)"},  // accents count
        {{u"Straße"}, u"STRAß", u"Straße", 5, 1, 0, u""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(em_utf8(c.entradas[0] + u" / " + c.digitado));
        Sessao s;
        s.combo(2, {});
        for (const auto& e : c.entradas) s.campo.AddItem(e);
        s.esquecer();
        s.form.teclar(c.digitado);
        EXPECT_EQ(s.texto(), c.mostrado);
        EXPECT_EQ(s.cursor(), c.cursor);
        EXPECT_EQ(s.selecionados(), c.selecionados);
        EXPECT_EQ(s.campo.ListIndex(), c.list_index);
        std::u16string fim;
        for (const auto& e : s.eventos())
            if (e.starts_with(u"FimItensLista")) fim = e;
        EXPECT_EQ(fim, c.fim);
        EXPECT_EQ(s.quantos(u"Change"), static_cast<int>(c.digitado.size()));
    }
}

TEST(Pesquisa, EventosDeUmaTeclaRecusada) {
    Sessao s;
    s.combo(2, {u"Maria", u"Mario"});
    s.form.teclar(u"m");
    s.esquecer();
    s.form.teclar(u"x");
    EXPECT_EQ(s.eventos(), (Eventos{u"KeyDown(88,0)", u"KeyPress(120)", u"FimItensLista(Mx)",
                                    u"Change", u"KeyUp(88,0)"}));
}

TEST(Pesquisa, ListaVaziaRecusaTodaTecla) {
    Sessao s;
    s.combo(2, {});
    s.campo.Text(u"abc");
    EXPECT_EQ(s.texto(), u"abc");
    s.esquecer();
    s.form.teclar(u"d");
    s.form.tecla(Tecla::Backspace);
    EXPECT_EQ(s.texto(), u"abc");
    EXPECT_FALSE(s.ouviu(u"KeyPress"));
    EXPECT_FALSE(s.ouviu(u"Change"));
    s.esquecer();
    s.form.tecla(Tecla::Enter);
    EXPECT_EQ(s.eventos(), (Eventos{u"KeyDown(13,0)", u"Click", u"KeyUp(13,0)"}));
    EXPECT_EQ(s.form.foco(), &s.form.proximo);
}

TEST(Pesquisa, HospedeiroAcrescentaEntradasNoFimItensLista) {
    Sessao s;
    s.combo(2, {u"Maria", u"Mario"});
    s.form.teclar(u"m");
    std::u16string ouvido;
    s.form.hospedeiro.tratadores.FimItensLista = [&](std::u16string& texto) {
        ouvido = texto;
        s.campo.AddItem(u"Mxyz");
    };
    s.form.teclar(u"x");
    EXPECT_EQ(ouvido, u"Mx");
    EXPECT_EQ(s.campo.ListCount(), 3);
    // This keystroke still goes back to the remembered entry...
    EXPECT_EQ(s.texto(), u"Maria");
    EXPECT_EQ(s.campo.ListIndex(), 0);
    // ...and the next one finds the new entry.
    s.form.hospedeiro.tratadores.FimItensLista = nullptr;
    s.form.teclar(u"x");
    EXPECT_EQ(s.texto(), u"Mxyz");
    EXPECT_EQ(s.cursor(), 2);
    EXPECT_EQ(s.selecionados(), 2);
    EXPECT_EQ(s.campo.ListIndex(), 2);
}

TEST(Pesquisa, SegundaPassagemAchaOTextoMenosOUltimoCaractere) {
    Sessao s;
    s.combo(2, {u"Maria", u"Mario"});
    s.form.teclar(u"m");
    s.form.hospedeiro.tratadores.FimItensLista = [&](std::u16string&) { s.campo.AddItem(u"m"); };
    s.form.teclar(u"x");
    EXPECT_EQ(s.texto(), u"m");
    EXPECT_EQ(s.campo.ListIndex(), 2);
    EXPECT_EQ(s.cursor(), 1);
    EXPECT_EQ(s.selecionados(), 0);
}

TEST(Pesquisa, BackspaceApagaACompletacaoEMaisUm) {
    Sessao s;
    s.combo(2, {u"Maria", u"Mario"});
    s.form.teclar(u"ma");
    ASSERT_EQ(s.selecionados(), 3);
    s.esquecer();
    s.form.tecla(Tecla::Backspace);
    EXPECT_EQ(s.texto(), u"M");
    EXPECT_EQ(s.eventos(), (Eventos{u"KeyDown(8,0)", u"KeyPress(8)", u"KeyUp(8,0)"}));
    EXPECT_EQ(s.campo.ListIndex(), 0);
    s.form.teclar(u"a");
    EXPECT_EQ(s.texto(), u"Maria");
    EXPECT_EQ(s.cursor(), 2);
    EXPECT_EQ(s.selecionados(), 3);
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
    struct Caso {
        std::u16string atribuido;
        std::u16string mostrado;
        int16_t list_index;
        bool fim;
    };
    const Caso casos[] = {
        {u"Zeca", u"", -1, true},
        {u"mario", u"Mario", 1, false},
        {u"STRASSE", u"Straße", 2, false},  // full case folding: ß is ss
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(em_utf8(c.atribuido));
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
    struct Caso {
        const char* nome;
        std::function<void(CampoVivo&)> encolher;
    };
    const Caso casos[] = {
        {"RemoveItem", [](CampoVivo& c) { c.RemoveItem(2); }},
        {"Clear",
         [](CampoVivo& c) {
             c.Clear();
             c.AddItem(u"Ana");
         }},
    };
    for (const Caso& c : casos) {
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
    EXPECT_EQ(s.texto(), u"Mario");
    EXPECT_EQ(s.form.cboCombo.indice(), 1);
    EXPECT_EQ(s.campo.ListIndex(), 1);
    EXPECT_EQ(s.avisos(), Eventos{u"ListIndex"});
    EXPECT_FALSE(s.ouviu(u"Click"));
    s.campo.ListIndex(-1);
    EXPECT_EQ(s.campo.ListIndex(), -1);
    EXPECT_EQ(s.form.cboCombo.indice(), -1);
    // A position the combo box refuses fails there and changes nothing.
    s.campo.ListIndex(0);
    s.esquecer();
    EXPECT_EQ(numero_de([&] { s.campo.ListIndex(5); }), numero_erro::IndiceInvalido);
    EXPECT_EQ(s.campo.ListIndex(), 0);
    EXPECT_TRUE(s.avisos().empty());

    Sessao vazia;
    vazia.combo(2, {});
    vazia.campo.ListIndex(3);
    EXPECT_EQ(vazia.campo.ListIndex(), -1);
    EXPECT_TRUE(vazia.avisos().empty());
}

TEST(Pesquisa, HospedeiroQueEsvaziaOTextoProcurado) {
    Sessao s;
    s.combo(2, {u"Maria", u"Mario"});
    s.form.teclar(u"m");
    s.form.hospedeiro.tratadores.FimItensLista = [](std::u16string& texto) { texto.clear(); };
    EXPECT_EQ(numero_de([&] { s.form.teclar(u"x"); }), 0);
    EXPECT_EQ(s.texto(), u"Maria");
    EXPECT_EQ(s.cursor(), 0);
    EXPECT_EQ(s.selecionados(), 5);
    EXPECT_EQ(s.campo.ListIndex(), 0);
}

// The search folds case fully and keeps accents: the same entries must be found whether the
// list was filled by AddItem, changed by List or shifted by RemoveItem.
TEST(Pesquisa, DobraDeCaixaCompletaComAcentos) {
    struct Caso {
        std::vector<std::u16string> entradas;
        std::u16string digitado;
        int16_t esperado;  // -1: nothing matches
    } casos[] = {
        {{u"Joao", u"JOÃO PESSOA"}, u"joã", 1},
        {{u"João", u"Joao"}, u"joa", 1},
        // Prefixes are cut in code units before folding: "Straß" folds to "strass".
        {{u"Straße", u"Strasse"}, u"stras", 1},
        {{u"ÉRICA", u"Erica"}, u"éri", 0},
        {{u"Ana", u"ÁGUA"}, u"á", 1},
        {{u"Ana", u"Bia"}, u"ç", -1},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(em_utf8(c.digitado));
        Sessao s;
        s.combo(2, {});
        for (const auto& e : c.entradas) s.campo.AddItem(e);
        s.form.teclar(c.digitado);
        EXPECT_EQ(s.campo.ListIndex(), c.esperado);
    }
    // A whole entry folds fully: "Straße" is found by "STRASSE".
    Sessao s;
    s.combo(2, {u"Strasbourg", u"Straße"});
    s.campo.Text(u"STRASSE");
    EXPECT_EQ(s.campo.ListIndex(), 1);
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
