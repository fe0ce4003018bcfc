// The combo list and the lookup styles where the session scripts do not reach: item data kept
// in step, loading that matches nothing or runs inside FimItensLista, the search folding case
// fully, and a list or a remembered position the host changed. Type-ahead, positioning,
// loading from records and PesquisarNovamente are pinned by the lista and
// pesquisar_novamente scripts, replayed on both toolkits.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include <pjtcampovivo/toolkit/headless/recordset_memoria.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

using headless::RecordsetMemoria;
using teste::numero_de;
using teste::Sessao;
using teste::utf8;
using Textos = std::vector<std::u16string>;

void preencher(Sessao& s, std::initializer_list<std::pair<std::u16string, std::u16string>> e) {
    s.combo(1, {});
    for (const auto& [texto, dado] : e) s.campo.AddItem(texto, std::nullopt, dado);
    s.esquecer();
}

RecordsetMemoria::Registro pessoa(std::optional<std::u16string> nome,
                                  std::optional<std::u16string> id) {
    return {{u"nome", std::move(nome)}, {u"id", std::move(id)}};
}

// What the user sees: text, caret, selection and the entry in both the control and the box.
struct Visto {
    std::u16string texto;
    int32_t cursor, selecionados;
    int16_t list_index;
};

void conferir(const Sessao& s, const Visto& v) {
    EXPECT_EQ(s.texto(), v.texto);
    EXPECT_EQ(s.cursor(), v.cursor);
    EXPECT_EQ(s.selecionados(), v.selecionados);
    EXPECT_EQ(s.campo.ListIndex(), v.list_index);
    EXPECT_EQ(s.form.cboCombo.indice(), v.list_index);
}

TEST(Lista, ListItemDataEClear) {
    Sessao s;
    preencher(s, {{u"Ana", u"1"}, {u"Bia", u"2"}});
    s.campo.ListIndex(1);
    s.campo.List(1, u"Beatriz");
    s.campo.ItemData(1, u"vinte");
    EXPECT_EQ(std::tuple(s.form.cboCombo.indice(), s.texto()), std::tuple(1, u"Bia"));
    for (const int16_t i : {int16_t{2}, int16_t{-1}}) {
        EXPECT_EQ(numero_de([&] { s.campo.List(i, u"x"); }), numero_erro::IndiceInvalido) << i;
        EXPECT_EQ(numero_de([&] { s.campo.ItemData(i, u"x"); }), numero_erro::IndiceInvalido) << i;
    }
    s.esquecer();
    EXPECT_EQ(numero_de([&] { s.campo.ListIndex(5); }), numero_erro::IndiceInvalido);
    EXPECT_EQ(std::tuple(s.campo.ListIndex(), s.avisos(), s.form.cboCombo.lista(),
                         s.campo.estado().itemData),
              std::tuple(1, Textos{}, Textos{u"Ana", u"Beatriz"}, Textos{u"1", u"vinte"}));
    s.campo.ListIndex(-1);
    EXPECT_EQ(s.form.cboCombo.indice(), -1);
    // Clear takes the item data too (regression: they went out of step).
    s.campo.Clear();
    s.campo.AddItem(u"Cid", std::nullopt, u"3");
    EXPECT_EQ(s.campo.estado().itemData, Textos{u"3"});
}

TEST(Carregar, SemCorrespondenciaGuardaAPosicaoLembrada) {
    Sessao s;
    s.combo(2, {});
    RecordsetMemoria primeiro({pessoa(u"Ana", u"1"), pessoa(u"Bia", u"2")});
    s.campo.Carregar(&primeiro, u"nome", u"id", u"bi");
    RecordsetMemoria segundo({pessoa(u"Cid", u"3")});
    s.campo.Carregar(&segundo, u"nome", u"id");
    EXPECT_EQ(std::tuple(s.form.cboCombo.indice(), s.campo.ListIndex()), std::tuple(-1, 1));
    s.campo.Carregar(&segundo, u"nome", u"id");
    EXPECT_EQ(s.campo.ListCount(), 0);
}

TEST(Carregar, DentroDoFimItensListaAPesquisaSegueNaListaNova) {
    Sessao s;
    s.combo(2, {u"Ana"});
    RecordsetMemoria rs({pessoa(u"Maria", u"1"), pessoa(u"Mario", u"2")});
    s.form.hospedeiro.tratadores.FimItensLista = [&](std::u16string&) {
        s.campo.Carregar(&rs, u"nome", u"id");
    };
    s.form.teclar(u"m");
    EXPECT_EQ(s.form.cboCombo.lista(), (Textos{u"Maria", u"Mario"}));
    EXPECT_EQ(s.texto(), u"");
    s.form.hospedeiro.tratadores.FimItensLista = nullptr;
    s.form.teclar(u"m");
    EXPECT_EQ(std::tuple(s.texto(), s.campo.ItemData(s.campo.ListIndex())),
              std::tuple(u"Maria", u"1"));
}

// Key filter as the text box's, but length left to the formatter's cut.
TEST(Pesquisa, Estilo1AceitaQualquerTextoSemPesquisar) {
    Sessao s;
    s.combo(1, {u"Abacate", u"Bia"});
    s.campo.CapsLockMixed(2);
    s.campo.CaracteresASeremRetiradosTexto(u"z");
    s.campo.MaxLength(3);
    s.form.teclar(u"aZbzcd");
    EXPECT_EQ(s.quantos(u"KeyPress(68)"), 1);  // the fourth letter is not refused
    EXPECT_EQ(std::tuple(s.texto(), s.campo.ListIndex()), std::tuple(u"ABC", -1));
    EXPECT_FALSE(s.ouviu(u"FimItensLista"));
}

// Case folds fully, accents kept; prefixes cut in code units before folding.
TEST(Pesquisa, Estilo2CompletaOuRecusa) {
    const struct {
        Textos entradas;
        std::u16string digitado;
        std::u16string mostrado;
        int32_t cursor, selecionados;
        int16_t list_index;
        std::u16string fim;  // the last FimItensLista heard, empty when none
    } casos[] = {
        {{u"Maria", u"Mario"}, u"z", u"", 0, 0, -1, u"FimItensLista(z)"},
        {{u"João", u"Joao"}, u"joa", u"Joao", 3, 1, 1, u""},
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
        conferir(s, {c.mostrado, c.cursor, c.selecionados, c.list_index});
        const Textos fins = s.ouvidos(u"FimItensLista");
        EXPECT_EQ(fins.empty() ? u"" : fins.back(), c.fim);
        EXPECT_EQ(s.quantos(u"Change"), static_cast<int>(c.digitado.size()));
    }
}

// Assigned whole, the text folds fully (ß is ss); one that leaves the list asks for more.
TEST(Pesquisa, TextoAtribuidoPeloHospedeiroTambemPesquisa) {
    const struct {
        std::u16string atribuido, mostrado;
        int16_t list_index;
    } casos[] = {{u"Zeca", u"", -1}, {u"STRASSE", u"Straße", 2}};
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.atribuido));
        Sessao s;
        s.combo(2, {u"Maria", u"Mario", u"Straße"});
        s.campo.Text(c.atribuido);
        EXPECT_EQ(std::tuple(s.texto(), s.campo.ListIndex()), std::tuple(c.mostrado, c.list_index));
        EXPECT_EQ(s.quantos(u"FimItensLista(" + c.atribuido + u")"), c.list_index < 0 ? 1 : 0);
        EXPECT_EQ(s.avisos(), Textos{u"Text"});
    }
}

TEST(Pesquisa, PosicaoLembradaForaDaListaContaComoNenhuma) {
    for (const bool limpar : {false, true}) {
        SCOPED_TRACE(limpar ? "Clear" : "RemoveItem");
        Sessao s;
        s.combo(2, {u"Ana", u"Bia", u"Carla"});
        s.form.teclar(u"c");
        ASSERT_EQ(s.campo.ListIndex(), 2);
        if (limpar) {
            s.campo.Clear();
            s.campo.AddItem(u"Ana");
        } else {
            s.campo.RemoveItem(2);
        }
        EXPECT_EQ(s.campo.ListIndex(), 2);  // the list's own changes never touch it
        s.form.selecionar(0, 5);
        s.esquecer();
        EXPECT_EQ(numero_de([&] { s.form.teclar(u"z"); }), 0);
        conferir(s, {u"", 0, 0, -1});
        EXPECT_EQ(s.quantos(u"FimItensLista(z)"), 1);
    }
}

// The search reads the list as the host left it: an entry it renamed is found by its new
// name, not its old one.
TEST(Pesquisa, EntradaRenomeadaPeloHospedeiro) {
    Sessao s;
    s.combo(2, {u"Ana", u"Bia"});
    s.campo.List(1, u"Carla");
    s.form.teclar(u"c");
    EXPECT_EQ(std::tuple(s.texto(), s.campo.ListIndex()), std::tuple(u"Carla", 1));
    s.form.selecionar(0, 5);
    s.form.teclar(u"b");
    EXPECT_EQ(s.ouvidos(u"FimItensLista"), Textos{u"FimItensLista(b)"});
}

}  // namespace
}  // namespace pjtCampoVivo
