// The combo list and the lookup styles: style 1 takes any text; style 2 completes from its
// list, refuses what leaves it and asks the host for more (FimItensLista), searching the
// entries the host left again when PesquisarNovamente is on. Item data, loading from a
// recordset, positioning.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/toolkit/cores.hpp>
#include <pjtcampovivo/toolkit/headless/recordset_memoria.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

using headless::RecordsetMemoria;
using headless::Tecla;
using teste::numero_de;
using teste::Sessao;
using teste::utf8;
using Textos = std::vector<std::u16string>;
using Hospedeiro = std::function<void(CampoVivo&, std::u16string&)>;

constexpr int32_t Nao = valor(eNaoSim::Nao);
constexpr int32_t Sim = valor(eNaoSim::sim);

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

// A host's FimItensLista that rewrites the searched text (when given) and adds entries.
Hospedeiro acrescenta(const Textos& novas,
                      const std::optional<std::u16string>& texto = std::nullopt) {
    return [=](CampoVivo& c, std::u16string& t) {
        if (texto) t = *texto;
        for (const auto& e : novas) c.AddItem(e);
    };
}

// "Maria" shown after "m"; then "x" leaves the list and the host's handler runs.
void digitar_mx(Sessao& s, int32_t pesquisar_novamente, const Hospedeiro& hospedeiro) {
    s.combo(2, {u"Maria", u"Mario"});
    s.campo.PesquisarNovamente(pesquisar_novamente);
    s.form.teclar(u"m");
    s.form.hospedeiro.tratadores.FimItensLista = [&s, hospedeiro](std::u16string& t) {
        hospedeiro(s.campo, t);
    };
    s.esquecer();
    EXPECT_EQ(numero_de([&] { s.form.teclar(u"x"); }), 0);
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

TEST(Carregar, DeUmRecordset) {
    using R = std::vector<RecordsetMemoria::Registro>;
    const struct {
        const char* nome;
        R registros;
        std::u16string item, item_data, item_pos;
        Textos lista, dados;
        int16_t list_index;
        int32_t erro;
    } casos[] = {
        // clang-format off
        {"so espacos saem", R{pessoa(u"\tAna ", u"1")}, u"nome", u"", u"", {u"\tAna"}, {u""}, -1, 0},
        {"maiusculas completas", R{pessoa(u"Straße", u"1")}, u"nome", u"", u"STRASSE",
         {u"Straße"}, {u""}, 0, 0},
        {"nomes de campo sem caixa", R{pessoa(u"Ana", u"7")}, u"NOME", u"Id", u"a",
         {u"Ana"}, {u"7"}, 0, 0},
        {"campo desconhecido", R{pessoa(u"Ana", u"1"), pessoa(u"Bia", u"2"), {{u"outro", u"x"}}},
         u"nome", u"", u"bi", {u"Ana", u"Bia"}, {u"", u""}, 1, numero_erro::CampoInexistente},
        {"item data nulo", R{pessoa(u"Ana", std::nullopt)}, u"nome", u"id", u"", {}, {}, -1,
         numero_erro::ValorNulo},
        {"sem registros", R{}, u"nome", u"id", u"a", {}, {}, -1, 0},
        // clang-format on
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        Sessao s;
        preencher(s, {{u"Velho", u"v"}});
        RecordsetMemoria rs(c.registros);
        EXPECT_EQ(numero_de([&] { s.campo.Carregar(&rs, c.item, c.item_data, c.item_pos); }),
                  c.erro);
        EXPECT_EQ(
            std::tuple(s.form.cboCombo.lista(), s.campo.estado().itemData, s.campo.ListIndex()),
            std::tuple(c.lista, c.dados, c.list_index));
        const int16_t mostrada = c.erro == 0 ? c.list_index : int16_t{-1};
        EXPECT_EQ(s.form.cboCombo.indice(), mostrada);
        EXPECT_EQ(s.texto(), mostrada >= 0 ? c.lista[static_cast<std::size_t>(mostrada)] : u"");
        EXPECT_EQ(rs.Eof(), c.erro == 0);
    }
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

// Whole texts, trimmed, case-blind, accents kept; only by item data is announced.
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
        SCOPED_TRACE(utf8(c.procurado));
        Sessao s;
        preencher(s, {{u"Ana", u"a1"}, {u"Maria", u"B2"}, {u"Mariana", u"b2"}, {u"João", u"4"}});
        if (c.por_dado) {
            s.campo.PosicionarPorItemData(c.procurado);
        } else {
            s.form.hospedeiro.modo_usuario = false;
            s.campo.PosicionarPorItem(c.procurado);
        }
        EXPECT_EQ(std::tuple(s.campo.ListIndex(), s.form.cboCombo.indice()),
                  std::tuple(c.list_index, c.list_index));
        EXPECT_EQ(s.texto(), c.list_index >= 0 ? s.campo.List(c.list_index) : u"");
        const bool avisa = c.por_dado && c.list_index >= 0;
        EXPECT_EQ(s.avisos(), avisa ? Textos{u"ListIndex"} : Textos{});
    }
}

// Key filter as the text box's, but length left to the formatter's cut; a negative number
// is red and keeps the caret one past the typed sign.
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

    Sessao n;
    n.combo(1, {});
    n.campo.Mascara(1);
    n.form.teclar(u"-");
    EXPECT_EQ(std::tuple(n.texto(), n.cursor(), n.form.cboCombo.cor_texto()),
              std::tuple(u"-0,00", 2, cores::Vermelho));
    n.campo.Text(u"12");
    EXPECT_EQ(std::tuple(n.texto(), n.form.cboCombo.cor_texto()),
              std::tuple(u"0,12", cores::Preto));
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
        conferir(s, {c.mostrado, c.cursor, c.selecionados, c.list_index});
        const Textos fins = s.ouvidos(u"FimItensLista");
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

TEST(Pesquisa, ListaAlteradaPeloHospedeiroEPesquisadaComoEsta) {
    Sessao s;
    s.combo(2, {u"Maria", u"Mario"});
    s.campo.AddItem(u"Zélia", 0);
    s.campo.List(2, u"Marta");
    s.campo.RemoveItem(1);  // Maria goes away: [Zélia, Marta]
    s.form.teclar(u"mar");
    EXPECT_EQ(std::tuple(s.texto(), s.campo.ListIndex()), std::tuple(u"Marta", 1));
    s.campo.Clear();
    s.campo.AddItem(u"ZÉLIA");
    s.form.sair();
    s.campo.Text(u"");
    s.form.teclar(u"zé");
    EXPECT_EQ(std::tuple(s.texto(), s.campo.ListIndex()), std::tuple(u"ZÉLIA", 0));
}

// Off, a key that leaves the list is refused even when the host loads an entry for it (the
// second pass then looks for the text without that key); on, the entries FimItensLista
// leaves are searched at once for the whole text.
TEST(PesquisarNovamente, DepoisDoFimItensLista) {
    const struct {
        const char* nome;
        Hospedeiro hospedeiro;
        Visto nao, sim;
    } casos[] = {
        // clang-format off
        // The first entry that begins with the text, case folded; the rest of it selected.
        {"acrescenta entradas que comecam com o texto", acrescenta({u"Zeca", u"MXYZ", u"Mxa"}),
         {u"Maria", 1, 4, 0}, {u"MXYZ", 2, 2, 3}},
        {"acrescenta outras", acrescenta({u"Zeca"}), {u"Maria", 1, 4, 0}, {u"Maria", 1, 4, 0}},
        {"acrescenta o texto sem o caractere recusado", acrescenta({u"m"}),
         {u"m", 1, 0, 2}, {u"m", 1, 0, 2}},
        {"reescreve o texto e acrescenta", acrescenta({u"Zeca"}, u"ze"),
         {u"Maria", 1, 4, 0}, {u"Zeca", 2, 2, 2}},
        // The old entries count too, and the caret follows the rewritten text's length.
        {"reescreve o texto para uma entrada que ja estava", acrescenta({}, u"MARIO"),
         {u"Maria", 4, 1, 0}, {u"Mario", 5, 0, 1}},
        {"esvazia o texto", acrescenta({u"Mxyz"}, u""), {u"Maria", 0, 5, 0}, {u"Maria", 0, 5, 0}},
        // clang-format on
    };
    for (const auto& c : casos) {
        for (const int32_t ligado : {Nao, Sim}) {
            SCOPED_TRACE(std::string(c.nome) + (ligado == Sim ? " (sim)" : " (Nao)"));
            Sessao s;
            digitar_mx(s, ligado, c.hospedeiro);
            conferir(s, ligado == Sim ? c.sim : c.nao);
            EXPECT_EQ(s.ouvidos(u"FimItensLista"), Textos{u"FimItensLista(Mx)"});
            EXPECT_EQ(s.quantos(u"Change"), 1);
        }
    }
}

// Whatever the first pass decides, and a host that loads nothing, are not touched by sim.
TEST(PesquisarNovamente, SemEntradaNovaNadaMuda) {
    for (const std::u16string digitado : {u"mar", u"mario", u"mx", u"z", u"mxq"}) {
        SCOPED_TRACE(utf8(digitado));
        Sessao nao, sim;
        for (auto [s, ligado] : {std::pair{&nao, Nao}, {&sim, Sim}}) {
            s->combo(2, {u"Maria", u"Mario", u"Zeca"});
            s->campo.PesquisarNovamente(ligado);
            s->esquecer();
            s->form.teclar(digitado);
        }
        conferir(sim, {nao.texto(), nao.cursor(), nao.selecionados(), nao.campo.ListIndex()});
        EXPECT_EQ(sim.eventos(), nao.eventos());
    }
}

}  // namespace
}  // namespace pjtCampoVivo
