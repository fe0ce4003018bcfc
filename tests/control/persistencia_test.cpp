// Design-time settings: the saved bag, the round trip, the size, and reading a bag value as
// the type its target needs (what a form saved with one type, or by an older writer, loads
// as). What each mask sets is pinned, with the notices, by the propriedades script, the
// combo box's height and the boxes' width by the same script and the Qt comparison.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <pjtcampovivo/toolkit/cores.hpp>
#include <pjtcampovivo/toolkit/valor_propriedade.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

using teste::BolsaMapa;
using teste::numero_de;
using teste::Sessao;
using V = ValorPropriedade;

// Moves every saved setting away from what a new control holds.
void mudar_tudo(Sessao& s) {
    s.campo.Estilo(1);
    s.campo.Mascara(1);
    s.campo.QuantidadeCasasDecimais(3);
    s.campo.CapsLockMixed(2);
    s.campo.CaracteresASeremRetiradosTexto(u"xy");
    s.campo.MaxLength(9);
    s.campo.QtdMaxRegRetornadosPesqLookUp(250.5);
    s.campo.Alinhamento(2);
    s.campo.Enabled(false);
    s.campo.ToolTipText(u"dica");
    s.campo.FazerConsistenciaBasica(1);
    s.form.cboCombo.ForeColor(255);
    s.form.cboCombo.BackColor(cores::Realce);
    s.form.cboCombo.Locked(true);
    s.form.cboCombo.MousePointer(11);
    s.form.cboCombo.WhatsThisHelpID(77);
    s.form.hospedeiro.Font(Fonte{u"Arial", 12, true});
    s.form.hospedeiro.MouseIcon(Figura{u"mao.cur"});
}

BolsaMapa gravar(Sessao& s) {
    BolsaMapa bolsa;
    s.campo.WriteProperties(bolsa);
    return bolsa;
}

// The written types are what a stored form keeps; defaults are pinned by the bolsa script.
TEST(Persistencia, GravacaoDeUmControleNovo) {
    // clang-format off
    const std::pair<std::u16string, ValorPropriedade> chaves[] = {
        {u"ForeColor", Cor{cores::TextoJanela}}, {u"Alinhamento", int16_t{0}}, {u"Enabled", true},
        {u"Font", Fonte{}},  // the control's own font, not the ambient one
        {u"BackColor", Cor{cores::FundoJanela}}, {u"Locked", false}, {u"MouseIcon", Nada{}},
        {u"MousePointer", int16_t{0}}, {u"Text", u""}, {u"ToolTipText", u""},
        {u"WhatsThisHelpID", int32_t{0}}, {u"Estilo", int32_t{0}}, {u"Mascara", int32_t{0}},
        {u"QuantidadeCasasDecimais", int32_t{0}}, {u"CapsLockMixed", int32_t{0}},
        {u"CaracteresASeremRetiradosTexto", u""}, {u"MaxLength", int16_t{0}},
        {u"QtdMaxRegRetornadosPesqLookUp", 0.0}};
    // clang-format on
    Sessao s;
    s.form.hospedeiro.fonte_ambiente = Fonte{u"Tahoma", 10};
    const BolsaMapa bolsa = gravar(s);
    ASSERT_EQ(bolsa.escritas.size(), std::size(chaves));
    for (std::size_t i = 0; i < std::size(chaves); ++i) {
        SCOPED_TRACE(teste::utf8(chaves[i].first));
        EXPECT_EQ(bolsa.escritas[i].chave, chaves[i].first);
        EXPECT_EQ(bolsa.escritas[i].valor, chaves[i].second);
    }
    EXPECT_EQ(bolsa.escritas[3].padrao, ValorPropriedade(Fonte{u"Tahoma", 10}));
}

// An empty bag gives a new control's settings, keys read in written order.
TEST(Persistencia, BolsaVaziaDaOsPadroes) {
    Sessao s, nova;
    s.form.hospedeiro.fonte_ambiente = nova.form.hospedeiro.fonte_ambiente = Fonte{u"Tahoma", 10};
    mudar_tudo(s);
    s.esquecer();
    BolsaMapa vazia, tambem_vazia;
    s.campo.ReadProperties(vazia);
    nova.campo.ReadProperties(tambem_vazia);
    EXPECT_TRUE(s.avisos().empty());
    EXPECT_FALSE(s.form.txtCombo.habilitada());  // loading reaches the combo box alone
    EXPECT_TRUE(s.form.txtCombo.visivel());
    EXPECT_FALSE(s.form.cboCombo.visivel());
    const BolsaMapa gravada = gravar(s);
    std::vector<std::u16string> chaves;
    for (const auto& e : gravada.escritas) chaves.push_back(e.chave);
    // Always read, written only when on.
    chaves.insert(chaves.end(),
                  {u"CNPJAlfanumerico", u"PesquisarNovamente", u"TelefoneDDD", u"UF"});
    EXPECT_EQ(vazia.lidas, chaves);
    EXPECT_EQ(gravada.escritas, gravar(nova).escritas);
}

// With no tip of its own, the combo box saves the text box's.
TEST(Persistencia, DicaDoComboOuDaCaixaDeTexto) {
    for (const bool no_combo : {false, true}) {
        SCOPED_TRACE(no_combo);
        Sessao s;
        s.form.txtCombo.ToolTipText(u"do texto");
        if (no_combo) s.campo.ToolTipText(u"do combo");
        EXPECT_EQ(gravar(s).valores.at(u"ToolTipText"),
                  ValorPropriedade(no_combo ? u"do combo" : u"do texto"));
    }
}

TEST(ValorPropriedade, ConverteParaOTipoDoAlvo) {
    EXPECT_EQ(V(int32_t{-32768}).como_int16(), -32768);
    EXPECT_EQ(V(2.5).como_int16(), 2);  // doubles round half to even
    EXPECT_EQ(V(3.5).como_int32(), 4);
    EXPECT_EQ(V(true).como_int32(), -1);
    EXPECT_EQ(V(u" 12 ").como_int16(), 12);
    EXPECT_TRUE(V(int16_t{2}).como_bool());
    EXPECT_FALSE(V(0.0).como_bool());
    EXPECT_FALSE(V(u"Falso").como_bool());
    EXPECT_EQ(V(int32_t{-2147483643}).como_cor(), 0x80000005u);  // the same 32 bits
    EXPECT_EQ(V(2147483656.0).como_cor(), 0x80000008u);
    EXPECT_EQ(V(int32_t{42}).como_texto(), u"42");
    EXPECT_EQ(V(0.5).como_texto(), u"0,5");
    EXPECT_EQ(V(int16_t{100}).como_double(), 100.0);
    EXPECT_EQ(V(Nada{}).como_figura(), Figura{});
    EXPECT_EQ(V(Nada{}).como_texto(), u"");
}

TEST(ValorPropriedade, RecusaOQueNaoCabeOuNaoConverte) {
    EXPECT_EQ(numero_de([] { (void)V(int32_t{32768}).como_int16(); }), numero_erro::Estouro);
    EXPECT_EQ(numero_de([] { (void)V(1e10).como_int32(); }), numero_erro::Estouro);
    EXPECT_EQ(numero_de([] { (void)V(5e9).como_cor(); }), numero_erro::Estouro);
    EXPECT_EQ(numero_de([] { (void)V(u"doze").como_int32(); }), numero_erro::ArgumentoInvalido);
    EXPECT_EQ(numero_de([] { (void)V(Fonte{}).como_int16(); }), numero_erro::ArgumentoInvalido);
    EXPECT_EQ(numero_de([] { (void)V(u"Arial").como_fonte(); }), numero_erro::ArgumentoInvalido);
}

}  // namespace
}  // namespace pjtCampoVivo
