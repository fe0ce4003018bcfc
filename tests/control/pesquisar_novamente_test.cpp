// PesquisarNovamente in the lookup style: off, a key that leaves the list is refused even when
// the host loads an entry for it; on, the entries FimItensLista leaves are searched at once
// for the whole text. Saved only when on.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

using teste::BolsaMapa;
using teste::numero_de;
using teste::Sessao;
using teste::utf8;
using Eventos = std::vector<std::u16string>;

constexpr int32_t Nao = valor(eNaoSim::Nao);
constexpr int32_t Sim = valor(eNaoSim::sim);

// What the user sees after a keystroke.
struct Visto {
    std::u16string texto;
    int32_t cursor, selecionados;
    int16_t list_index;
};

Visto visto(const Sessao& s) {
    return {s.texto(), s.cursor(), s.selecionados(), s.campo.ListIndex()};
}

void conferir(const Sessao& s, const Visto& esperado) {
    EXPECT_EQ(s.texto(), esperado.texto);
    EXPECT_EQ(s.cursor(), esperado.cursor);
    EXPECT_EQ(s.selecionados(), esperado.selecionados);
    EXPECT_EQ(s.campo.ListIndex(), esperado.list_index);
    EXPECT_EQ(s.form.cboCombo.indice(), esperado.list_index);
}

// "Maria" shown after "m"; then "x" leaves the list and the host's handler runs.
void digitar_mx(Sessao& s, int32_t pesquisar_novamente,
                const std::function<void(CampoVivo&, std::u16string&)>& hospedeiro) {
    s.combo(2, {u"Maria", u"Mario"});
    s.campo.PesquisarNovamente(pesquisar_novamente);
    s.form.teclar(u"m");
    s.form.hospedeiro.tratadores.FimItensLista = [&s, hospedeiro](std::u16string& t) {
        hospedeiro(s.campo, t);
    };
    s.esquecer();
    EXPECT_EQ(numero_de([&] { s.form.teclar(u"x"); }), 0);
}

TEST(PesquisarNovamente, DepoisDoFimItensLista) {
    const struct {
        const char* nome;
        std::function<void(CampoVivo&, std::u16string&)> hospedeiro;
        Visto nao, sim;
    } casos[] = {
        // The first entry that begins with the text, case folded; the rest of it selected.
        {"acrescenta entradas que comecam com o texto",
         [](CampoVivo& c, std::u16string&) {
             c.AddItem(u"Zeca");
             c.AddItem(u"MXYZ");
             c.AddItem(u"Mxa");
         },
         {u"Maria", 1, 4, 0},
         {u"MXYZ", 2, 2, 3}},
        {"acrescenta outras",
         [](CampoVivo& c, std::u16string&) { c.AddItem(u"Zeca"); },
         {u"Maria", 1, 4, 0},
         {u"Maria", 1, 4, 0}},
        // Nothing begins with "mx": the second pass finds the text without the refused key.
        {"acrescenta o texto sem o caractere recusado",
         [](CampoVivo& c, std::u16string&) { c.AddItem(u"m"); },
         {u"m", 1, 0, 2},
         {u"m", 1, 0, 2}},
        {"reescreve o texto e acrescenta",
         [](CampoVivo& c, std::u16string& t) {
             t = u"ze";
             c.AddItem(u"Zeca");
         },
         {u"Maria", 1, 4, 0},
         {u"Zeca", 2, 2, 2}},
        // The old entries count too, and the caret follows the rewritten text's length.
        {"reescreve o texto para uma entrada que ja estava",
         [](CampoVivo&, std::u16string& t) { t = u"MARIO"; },
         {u"Maria", 4, 1, 0},
         {u"Mario", 5, 0, 1}},
        {"esvazia o texto",
         [](CampoVivo& c, std::u16string& t) {
             t.clear();
             c.AddItem(u"Mxyz");
         },
         {u"Maria", 0, 5, 0},
         {u"Maria", 0, 5, 0}},
    };
    for (const auto& c : casos) {
        for (const int32_t ligado : {Nao, Sim}) {
            SCOPED_TRACE(std::string(c.nome) + (ligado == Sim ? " (sim)" : " (Nao)"));
            Sessao s;
            digitar_mx(s, ligado, c.hospedeiro);
            conferir(s, ligado == Sim ? c.sim : c.nao);
            EXPECT_EQ(s.ouvidos(u"FimItensLista"), Eventos{u"FimItensLista(Mx)"});
            EXPECT_EQ(s.quantos(u"Change"), 1);
        }
    }
}

// An emptied text searches nothing, though every entry begins with it: with nothing
// remembered the field stays empty.
TEST(PesquisarNovamente, TextoEsvaziadoNaoPesquisa) {
    for (const int32_t ligado : {Nao, Sim}) {
        SCOPED_TRACE(ligado);
        Sessao s;
        s.combo(2, {u"Maria", u"Mario"});
        s.campo.PesquisarNovamente(ligado);
        s.form.hospedeiro.tratadores.FimItensLista = [&s](std::u16string& t) {
            s.campo.AddItem(u"Zeca");
            t.clear();
        };
        s.form.teclar(u"z");
        conferir(s, {u"", 0, 0, -1});
        EXPECT_EQ(s.campo.ListCount(), 3);
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
        const Visto v = visto(nao);
        conferir(sim, v);
        EXPECT_EQ(sim.eventos(), nao.eventos());
    }
}

// The entry found stays the remembered one: the next key goes on from it.
TEST(PesquisarNovamente, ATeclaSeguinteContinuaDaEntradaAchada) {
    Sessao s;
    digitar_mx(s, Sim, [](CampoVivo& c, std::u16string&) { c.AddItem(u"Mxyz", 0); });
    conferir(s, {u"Mxyz", 2, 2, 0});
    s.form.hospedeiro.tratadores.FimItensLista = nullptr;
    s.form.teclar(u"y");
    conferir(s, {u"Mxyz", 3, 1, 0});
    s.form.teclar(u"q");  // leaves the list: the found entry comes back
    conferir(s, {u"Mxyz", 3, 1, 0});
    EXPECT_EQ(s.quantos(u"FimItensLista(Mxyq)"), 1);
}

// Off or on, each combination writes exactly its keys after the eighteen, CNPJAlfanumerico
// first; a bag without them reads them off.
TEST(PesquisarNovamente, Persistencia) {
    Sessao nova;
    nova.campo.PesquisarNovamente(Sim);
    EXPECT_EQ(nova.avisos(), Eventos{u"PesquisarNovamente"});
    BolsaMapa sem_nenhuma;
    Sessao().campo.WriteProperties(sem_nenhuma);
    ASSERT_EQ(sem_nenhuma.escritas.size(), 18u);
    for (const int32_t cnpj : {Nao, Sim}) {
        for (const int32_t pesquisar : {Nao, Sim}) {
            SCOPED_TRACE(testing::Message()
                         << "CNPJAlfanumerico " << cnpj << ", PesquisarNovamente " << pesquisar);
            Sessao s;
            s.campo.CNPJAlfanumerico(cnpj);
            s.campo.PesquisarNovamente(pesquisar);
            BolsaMapa bolsa;
            s.campo.WriteProperties(bolsa);
            std::vector<BolsaMapa::Escrita> esperadas = sem_nenhuma.escritas;
            if (cnpj == Sim) esperadas.push_back({u"CNPJAlfanumerico", int32_t{1}, int16_t{0}});
            if (pesquisar == Sim)
                esperadas.push_back({u"PesquisarNovamente", int32_t{1}, int16_t{0}});
            EXPECT_EQ(bolsa.escritas, esperadas);

            Sessao carregada;
            carregada.campo.PesquisarNovamente(valor(eNaoSim::sim) + 1);  // overwritten by reads
            carregada.esquecer();
            carregada.campo.ReadProperties(bolsa);
            EXPECT_EQ(carregada.campo.CNPJAlfanumerico(), cnpj);
            EXPECT_EQ(carregada.campo.PesquisarNovamente(), pesquisar);
            EXPECT_TRUE(carregada.avisos().empty());
        }
    }
}

}  // namespace
}  // namespace pjtCampoVivo
