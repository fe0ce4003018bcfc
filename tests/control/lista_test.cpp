// The combo list and the item data kept beside it: adding, removing and replacing entries,
// loading a whole list from a recordset, and selecting an entry by its text or item data.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/sessao_headless.hpp"
#include "toolkit/headless/recordset_memoria.hpp"

namespace pjtCampoVivo {
namespace {

using headless::RecordsetMemoria;
using teste::numero_de;
using teste::Sessao;
using Textos = std::vector<std::u16string>;

// What the host can read of the list.
Textos entradas(const CampoVivo& campo) {
    Textos r;
    for (int16_t i = 0; i < campo.ListCount(); ++i) r.push_back(campo.List(i));
    return r;
}

Textos dados(CampoVivo& campo) {
    Textos r;
    for (int16_t i = 0; i < campo.ListCount(); ++i) r.push_back(campo.ItemData(i));
    return r;
}

// Two entries with item data, in a lookup combo.
void preencher(Sessao& s, std::initializer_list<std::pair<std::u16string, std::u16string>> e) {
    s.combo(1, {});
    for (const auto& [texto, dado] : e) s.campo.AddItem(texto, std::nullopt, dado);
    s.esquecer();
}

TEST(Lista, AddItemNoTopoDeslocaOsItemData) {
    Sessao s;
    preencher(s, {{u"Ana", u"1"}, {u"Bia", u"2"}});
    s.campo.AddItem(u"Zé", 0, u"3");
    EXPECT_EQ(entradas(s.campo), (Textos{u"Zé", u"Ana", u"Bia"}));
    EXPECT_EQ(dados(s.campo), (Textos{u"3", u"1", u"2"}));
    EXPECT_EQ(s.campo.NewIndex(), 0);
    s.campo.AddItem(u"Eva", 2);
    EXPECT_EQ(dados(s.campo), (Textos{u"3", u"1", u"", u"2"}));
    // A position the combo box refuses stores nothing.
    EXPECT_EQ(numero_de([&] { s.campo.AddItem(u"X", 9, u"9"); }), numero_erro::IndiceInvalido);
    EXPECT_EQ(dados(s.campo).size(), 4u);
}

TEST(Lista, RemoveItemLevaOItemDataJunto) {
    Sessao s;
    preencher(s, {{u"Ana", u"1"}, {u"Bia", u"2"}, {u"Cid", u"3"}});
    s.campo.RemoveItem(0);
    EXPECT_EQ(entradas(s.campo), (Textos{u"Bia", u"Cid"}));
    EXPECT_EQ(s.campo.ItemData(0), u"2");
    EXPECT_EQ(numero_de([&] { s.campo.RemoveItem(2); }), numero_erro::IndiceInvalido);
    EXPECT_EQ(numero_de([&] { s.campo.RemoveItem(-1); }), numero_erro::IndiceInvalido);
    EXPECT_EQ(dados(s.campo), (Textos{u"2", u"3"}));
}

TEST(Lista, ItemDataLidoEAtribuido) {
    Sessao s;
    preencher(s, {{u"Ana", u"1"}, {u"Bia", u"2"}});
    EXPECT_EQ(s.campo.ItemData(-1), u"0");
    EXPECT_EQ(s.campo.ItemData(-300), u"0");
    EXPECT_EQ(numero_de([&] { s.campo.ItemData(2); }), numero_erro::IndiceInvalido);
    s.campo.ItemData(1, u"vinte");
    EXPECT_EQ(dados(s.campo), (Textos{u"1", u"vinte"}));
    EXPECT_EQ(entradas(s.campo), (Textos{u"Ana", u"Bia"}));
    EXPECT_EQ(numero_de([&] { s.campo.ItemData(2, u"x"); }), numero_erro::IndiceInvalido);
    EXPECT_EQ(numero_de([&] { s.campo.ItemData(-1, u"x"); }), numero_erro::IndiceInvalido);
    EXPECT_EQ(dados(s.campo), (Textos{u"1", u"vinte"}));
}

TEST(Lista, ListAtribuidoTrocaSoOTextoDaEntrada) {
    Sessao s;
    preencher(s, {{u"Ana", u"1"}, {u"Bia", u"2"}});
    s.campo.ListIndex(1);
    s.campo.List(1, u"Beatriz");
    EXPECT_EQ(entradas(s.campo), (Textos{u"Ana", u"Beatriz"}));
    EXPECT_EQ(dados(s.campo), (Textos{u"1", u"2"}));
    EXPECT_EQ(s.campo.ListIndex(), 1);
    EXPECT_EQ(s.form.cboCombo.indice(), 1);
    EXPECT_EQ(s.texto(), u"Bia");
    EXPECT_EQ(numero_de([&] { s.campo.List(2, u"x"); }), numero_erro::IndiceInvalido);
    EXPECT_EQ(numero_de([&] { s.campo.List(-1, u"x"); }), numero_erro::IndiceInvalido);
    EXPECT_EQ(numero_de([&] { (void)s.campo.List(2); }), numero_erro::IndiceInvalido);
}

TEST(Lista, ClearEsvaziaListaEItemData) {
    Sessao s;
    preencher(s, {{u"Ana", u"1"}, {u"Bia", u"2"}});
    s.campo.ListIndex(1);
    s.campo.Clear();
    EXPECT_EQ(s.campo.ListCount(), 0);
    EXPECT_EQ(s.form.cboCombo.indice(), -1);
    EXPECT_EQ(numero_de([&] { s.campo.ItemData(0); }), numero_erro::IndiceInvalido);
    s.campo.AddItem(u"Cid", std::nullopt, u"3");
    EXPECT_EQ(dados(s.campo), Textos{u"3"});
}

// ---- Loading from a recordset --------------------------------------------------------------

RecordsetMemoria::Registro pessoa(std::optional<std::u16string> nome,
                                  std::optional<std::u16string> id) {
    return {{u"nome", std::move(nome)}, {u"id", std::move(id)}};
}

TEST(Carregar, DeUmRecordset) {
    struct Caso {
        const char* nome;
        std::vector<RecordsetMemoria::Registro> registros;
        std::u16string item, item_data, item_pos, item_data_pos;
        Textos lista, dados;
        int16_t list_index;
        int32_t erro;
    };
    using R = std::vector<RecordsetMemoria::Registro>;
    const auto nulo = std::nullopt;
    // clang-format off
    const Caso casos[] = {
        {"aparados", R{pessoa(u"  Ana  ", u" 1 ")}, u"nome", u"id", u"", u"",
         {u"Ana"}, {u"1"}, -1, 0},
        {"so espacos saem", R{pessoa(u"\tAna ", u"1")}, u"nome", u"", u"", u"",
         {u"\tAna"}, {u""}, -1, 0},
        {"ultimo prefixo vence", R{pessoa(u"Ana", u"1"), pessoa(u"João", u"2"), pessoa(u"Jorge", u"3")},
         u"nome", u"id", u"jo", u"", {u"Ana", u"João", u"Jorge"}, {u"1", u"2", u"3"}, 2, 0},
        {"prefixo contra o valor sem aparar", R{pessoa(u" Jorge", u"1")}, u"nome", u"", u"jo", u"",
         {u"Jorge"}, {u""}, -1, 0},
        {"so o item data casa", R{pessoa(u"Ana", u"10"), pessoa(u"Bia", u"20"), pessoa(u"Cid", u"30")},
         u"nome", u"id", u"an", u"3", {u"Ana", u"Bia", u"Cid"}, {u"10", u"20", u"30"}, 2, 0},
        {"item data a posicionar sem ItemData", R{pessoa(u"Ana", u"1")}, u"nome", u"", u"", u"1",
         {u"Ana"}, {u""}, -1, 0},
        {"acentos contam", R{pessoa(u"João", u"1")}, u"nome", u"", u"joa", u"",
         {u"João"}, {u""}, -1, 0},
        {"maiusculas completas", R{pessoa(u"Straße", u"1")}, u"nome", u"", u"STRASSE", u"",
         {u"Straße"}, {u""}, 0, 0},
        {"nomes de campo sem caixa", R{pessoa(u"Ana", u"7")}, u"NOME", u"Id", u"a", u"",
         {u"Ana"}, {u"7"}, 0, 0},
        {"campo desconhecido", R{pessoa(u"Ana", u"1"), pessoa(u"Bia", u"2"), {{u"outro", u"x"}}},
         u"nome", u"", u"bi", u"", {u"Ana", u"Bia"}, {u"", u""}, 1, numero_erro::CampoInexistente},
        {"item nulo", R{pessoa(u"Ana", u"1"), pessoa(nulo, u"2")}, u"nome", u"id", u"", u"",
         {u"Ana"}, {u"1"}, -1, numero_erro::ValorNulo},
        {"item data nulo", R{pessoa(u"Ana", nulo)}, u"nome", u"id", u"", u"",
         {}, {}, -1, numero_erro::ValorNulo},
        {"sem registros", R{}, u"nome", u"id", u"a", u"", {}, {}, -1, 0},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Sessao s;
        preencher(s, {{u"Velho", u"v"}});
        RecordsetMemoria rs(c.registros);
        EXPECT_EQ(numero_de([&] {
                      s.campo.Carregar(&rs, c.item, c.item_data, c.item_pos, c.item_data_pos);
                  }),
                  c.erro);
        EXPECT_EQ(entradas(s.campo), c.lista);
        EXPECT_EQ(dados(s.campo), c.dados);
        EXPECT_EQ(s.campo.ListIndex(), c.list_index);
        // A failure ends the loading before the entry is shown.
        const int16_t mostrada = c.erro == 0 ? c.list_index : int16_t{-1};
        EXPECT_EQ(s.form.cboCombo.indice(), mostrada);
        if (mostrada >= 0) {
            EXPECT_EQ(s.texto(), c.lista[static_cast<std::size_t>(mostrada)]);
        }
        if (c.erro == 0) {
            EXPECT_TRUE(rs.Eof());
        }
    }
}

TEST(Carregar, RecordsetNuloEsvaziaALista) {
    Sessao s;
    preencher(s, {{u"Ana", u"1"}});
    s.campo.Carregar(nullptr, u"nome", u"id", u"a");
    EXPECT_EQ(s.campo.ListCount(), 0);
    EXPECT_EQ(s.form.cboCombo.indice(), -1);
    EXPECT_EQ(numero_de([&] { s.campo.ItemData(0); }), numero_erro::IndiceInvalido);
}

TEST(Carregar, SegundaCargaSubstituiAPrimeira) {
    Sessao s;
    s.combo(2, {});
    RecordsetMemoria primeiro({pessoa(u"Ana", u"1"), pessoa(u"Bia", u"2")});
    s.campo.Carregar(&primeiro, u"nome", u"id", u"bi");
    EXPECT_EQ(s.campo.ListIndex(), 1);
    EXPECT_EQ(s.texto(), u"Bia");
    RecordsetMemoria segundo({pessoa(u"Cid", u"3")});
    s.campo.Carregar(&segundo, u"nome", u"id");
    EXPECT_EQ(entradas(s.campo), Textos{u"Cid"});
    EXPECT_EQ(dados(s.campo), Textos{u"3"});
    EXPECT_EQ(s.form.cboCombo.indice(), -1);
    EXPECT_EQ(s.campo.ListIndex(), 1);  // only a match writes the remembered position
    // A recordset already at its end loads nothing.
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
    EXPECT_EQ(entradas(s.campo), (Textos{u"Maria", u"Mario"}));
    EXPECT_EQ(s.texto(), u"");
    s.form.hospedeiro.tratadores.FimItensLista = nullptr;
    s.form.teclar(u"m");
    EXPECT_EQ(s.texto(), u"Maria");
    EXPECT_EQ(s.campo.ItemData(s.campo.ListIndex()), u"1");
}

// ---- Positioning ---------------------------------------------------------------------------

TEST(Posicionar, PorItemComparaOTextoInteiroAparado) {
    struct Caso {
        std::u16string item;
        int16_t list_index;  // -1: nothing changes
    };
    const Caso casos[] = {
        {u"  maria  ", 1}, {u"MARIANA", 2}, {u"mar", -1}, {u"joao", -1}, {u"JOÃO", 3}, {u"", -1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(teste::em_utf8(c.item));
        Sessao s;
        preencher(s, {{u"Ana", u"1"}, {u"Maria", u"2"}, {u"Mariana", u"3"}, {u"João", u"4"}});
        s.form.hospedeiro.modo_usuario = false;  // it does not need run time
        s.campo.PosicionarPorItem(c.item);
        EXPECT_EQ(s.campo.ListIndex(), c.list_index);
        EXPECT_EQ(s.form.cboCombo.indice(), c.list_index);
        EXPECT_EQ(s.texto(), c.list_index >= 0 ? s.campo.List(c.list_index) : u"");
        EXPECT_TRUE(s.avisos().empty());
    }
}

TEST(Posicionar, PorItemDataPassaPeloListIndex) {
    struct Caso {
        std::u16string dado;
        int16_t list_index;
    };
    const Caso casos[] = {{u" b2 ", 1}, {u"A1", 0}, {u"c", -1}, {u"b", -1}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(teste::em_utf8(c.dado));
        Sessao s;
        preencher(s, {{u"Ana", u"a1"}, {u"Bia", u"B2"}, {u"Bia", u"b2"}});
        s.campo.PosicionarPorItemData(c.dado);
        EXPECT_EQ(s.campo.ListIndex(), c.list_index);
        EXPECT_EQ(s.form.cboCombo.indice(), c.list_index);
        EXPECT_EQ(s.avisos(), c.list_index >= 0 ? Textos{u"ListIndex"} : Textos{});
    }
}

}  // namespace
}  // namespace pjtCampoVivo
