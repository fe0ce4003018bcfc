// The combo list and its item data: replacing, loading from a recordset, positioning.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <pjtcampovivo/toolkit/headless/recordset_memoria.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

using headless::RecordsetMemoria;
using teste::numero_de;
using teste::Sessao;
using Textos = std::vector<std::u16string>;

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

void preencher(Sessao& s, std::initializer_list<std::pair<std::u16string, std::u16string>> e) {
    s.combo(1, {});
    for (const auto& [texto, dado] : e) s.campo.AddItem(texto, std::nullopt, dado);
    s.esquecer();
}

TEST(Lista, ListItemDataEClear) {
    Sessao s;
    preencher(s, {{u"Ana", u"1"}, {u"Bia", u"2"}});
    s.campo.ListIndex(1);
    s.campo.List(1, u"Beatriz");
    s.campo.ItemData(1, u"vinte");
    EXPECT_EQ(s.campo.ListIndex(), 1);
    EXPECT_EQ(s.form.cboCombo.indice(), 1);
    EXPECT_EQ(s.texto(), u"Bia");
    for (const int16_t i : {2, -1}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(numero_de([&] { s.campo.List(i, u"x"); }), numero_erro::IndiceInvalido);
        EXPECT_EQ(numero_de([&] { s.campo.ItemData(i, u"x"); }), numero_erro::IndiceInvalido);
    }
    EXPECT_EQ(entradas(s.campo), (Textos{u"Ana", u"Beatriz"}));
    EXPECT_EQ(dados(s.campo), (Textos{u"1", u"vinte"}));
    // Clear takes the item data too (regression: they went out of step).
    s.campo.Clear();
    s.campo.AddItem(u"Cid", std::nullopt, u"3");
    EXPECT_EQ(dados(s.campo), Textos{u"3"});
}

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
        {"so espacos saem", R{pessoa(u"\tAna ", u"1")}, u"nome", u"", u"", u"",
         {u"\tAna"}, {u""}, -1, 0},
        {"prefixo contra o valor sem aparar", R{pessoa(u" Jorge", u"1")}, u"nome", u"", u"jo", u"",
         {u"Jorge"}, {u""}, -1, 0},
        {"maiusculas completas", R{pessoa(u"Straße", u"1")}, u"nome", u"", u"STRASSE", u"",
         {u"Straße"}, {u""}, 0, 0},
        {"nomes de campo sem caixa", R{pessoa(u"Ana", u"7")}, u"NOME", u"Id", u"a", u"",
         {u"Ana"}, {u"7"}, 0, 0},
        {"campo desconhecido", R{pessoa(u"Ana", u"1"), pessoa(u"Bia", u"2"), {{u"outro", u"x"}}},
         u"nome", u"", u"bi", u"", {u"Ana", u"Bia"}, {u"", u""}, 1, numero_erro::CampoInexistente},
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

TEST(Carregar, SemCorrespondenciaGuardaAPosicaoLembrada) {
    Sessao s;
    s.combo(2, {});
    RecordsetMemoria primeiro({pessoa(u"Ana", u"1"), pessoa(u"Bia", u"2")});
    s.campo.Carregar(&primeiro, u"nome", u"id", u"bi");
    RecordsetMemoria segundo({pessoa(u"Cid", u"3")});
    s.campo.Carregar(&segundo, u"nome", u"id");
    EXPECT_EQ(s.form.cboCombo.indice(), -1);
    EXPECT_EQ(s.campo.ListIndex(), 1);
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

// Whole texts, trimmed, case-blind; only by item data is announced.
TEST(Posicionar, PorItemOuPorItemData) {
    const struct {
        bool por_dado;
        std::u16string procurado;
        int16_t list_index;  // -1: nothing changes
    } casos[] = {
        {false, u"MARIANA", 2}, {false, u"joao", -1}, {false, u"JOÃO", 3}, {false, u"", -1},
        {true, u" b2 ", 1},     {true, u"A1", 0},     {true, u"b", -1},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(teste::utf8(c.procurado));
        Sessao s;
        preencher(s, {{u"Ana", u"a1"}, {u"Maria", u"B2"}, {u"Mariana", u"b2"}, {u"João", u"4"}});
        if (c.por_dado) {
            s.campo.PosicionarPorItemData(c.procurado);
        } else {
            s.form.hospedeiro.modo_usuario = false;
            s.campo.PosicionarPorItem(c.procurado);
        }
        EXPECT_EQ(s.campo.ListIndex(), c.list_index);
        EXPECT_EQ(s.form.cboCombo.indice(), c.list_index);
        EXPECT_EQ(s.texto(), c.list_index >= 0 ? s.campo.List(c.list_index) : u"");
        const bool avisa = c.por_dado && c.list_index >= 0;
        EXPECT_EQ(s.avisos(), avisa ? Textos{u"ListIndex"} : Textos{});
    }
}

}  // namespace
}  // namespace pjtCampoVivo
