// The design-time settings: what each mask sets and the notices the host hears, the saved bag
// (keys, order, types, defaults) and what loading restores; the members that only work at
// run time; and the control's size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/sessao_headless.hpp"
#include "toolkit/cores.hpp"

namespace pjtCampoVivo {
namespace {

using teste::BolsaMapa;
using teste::em_utf8;
using teste::numero_de;
using teste::Sessao;
using Nomes = std::vector<std::u16string>;

// ---- Settings and their notices --------------------------------------------------------

TEST(Configuracao, CadaMascaraAjustaTamanhoCasasEAlinhamento) {
    struct Caso {
        int32_t mascara;
        int16_t max_length;
        int32_t casas;
        int16_t alinhamento;
    };
    const Caso casos[] = {
        {0, 40, 0, 0},  {1, 22, 2, 1},  {2, 22, 0, 1},  {3, 10, 0, 0},  {4, 8, 0, 0},
        {5, 5, 0, 0},   {6, 5, 0, 0},   {7, 7, 0, 0},   {8, 2, 0, 0},   {9, 2, 0, 0},
        {10, 4, 0, 0},  {11, 11, 0, 0}, {12, 10, 0, 0}, {13, 14, 0, 0}, {14, 22, 0, 0},
        {15, 22, 0, 1}, {16, 33, 0, 0}, {-1, 33, 0, 0},  // no such mask: MaxLength kept
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.mascara);
        Sessao s;
        s.campo.Mascara(1);  // decimals and right alignment that the next mask must undo
        s.campo.MaxLength(33);
        s.campo.Mascara(c.mascara);
        EXPECT_EQ(s.campo.Mascara(), c.mascara);
        EXPECT_EQ(s.campo.MaxLength(), c.max_length);
        EXPECT_EQ(s.campo.QuantidadeCasasDecimais(), c.casas);
        EXPECT_EQ(s.campo.Alinhamento(), c.alinhamento);
    }
}

TEST(Configuracao, AvisosDaMascaraEmOrdem) {
    struct Caso {
        int32_t mascara;
        Nomes avisos;
    };
    const Caso casos[] = {
        {13, {u"QuantidadeCasasDecimais", u"MaxLength", u"Alinhamento", u"Mascara"}},
        {1,
         {u"QuantidadeCasasDecimais", u"QuantidadeCasasDecimais", u"MaxLength", u"Alinhamento",
          u"Mascara"}},
        {16, {u"QuantidadeCasasDecimais", u"Alinhamento", u"Mascara"}},
        {-1, {u"QuantidadeCasasDecimais", u"Alinhamento", u"Mascara"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.mascara);
        Sessao s;
        s.campo.Mascara(c.mascara);
        EXPECT_EQ(s.avisos(), c.avisos);
    }
}

TEST(Configuracao, AlinhamentoForaDe16BitsNaoMudaNada) {
    Sessao s;
    s.campo.Alinhamento(2);
    s.esquecer();
    EXPECT_EQ(numero_de([&] { s.campo.Alinhamento(40000); }), numero_erro::Estouro);
    EXPECT_EQ(numero_de([&] { s.campo.Alinhamento(-32769); }), numero_erro::Estouro);
    EXPECT_EQ(s.campo.Alinhamento(), 2);
    EXPECT_TRUE(s.avisos().empty());
}

// ---- Persistence -------------------------------------------------------------------------

TEST(Persistencia, BolsaVaziaDaOsPadroes) {
    Sessao s;
    s.form.hospedeiro.fonte_ambiente = Fonte{u"Tahoma", 10};
    s.campo.Estilo(2);
    s.campo.Mascara(1);
    s.campo.CapsLockMixed(2);
    s.campo.CaracteresASeremRetiradosTexto(u"x");
    s.campo.QtdMaxRegRetornadosPesqLookUp(5);
    s.campo.Alinhamento(2);
    s.campo.Enabled(false);
    s.campo.ToolTipText(u"dica");
    s.form.cboCombo.Locked(true);
    s.form.cboCombo.MousePointer(3);
    s.form.cboCombo.WhatsThisHelpID(7);
    s.form.cboCombo.ForeColor(255);
    s.form.hospedeiro.Font(Fonte{u"Arial"});
    s.form.hospedeiro.MouseIcon(Figura{u"mao.cur"});
    s.esquecer();

    BolsaMapa vazia;
    s.campo.ReadProperties(vazia);
    EXPECT_EQ(
        vazia.lidas,
        (Nomes{u"ForeColor", u"Alinhamento", u"Enabled", u"Font", u"BackColor", u"Locked",
               u"MouseIcon", u"MousePointer", u"Text", u"ToolTipText", u"WhatsThisHelpID",
               u"Estilo", u"Mascara", u"QuantidadeCasasDecimais", u"CapsLockMixed",
               u"CaracteresASeremRetiradosTexto", u"MaxLength", u"QtdMaxRegRetornadosPesqLookUp"}));
    EXPECT_EQ(s.form.cboCombo.cor_texto(), cores::TextoJanela);
    EXPECT_EQ(s.form.cboCombo.cor_fundo(), cores::FundoJanela);
    EXPECT_EQ(s.campo.Alinhamento(), 0);
    EXPECT_TRUE(s.campo.Enabled());
    EXPECT_FALSE(s.form.txtCombo.habilitada());  // loading reaches the combo box alone
    EXPECT_EQ(s.form.hospedeiro.Font(), (Fonte{u"Tahoma", 10}));
    EXPECT_EQ(s.form.hospedeiro.MouseIcon(), Figura{});
    EXPECT_FALSE(s.form.cboCombo.travada());
    EXPECT_EQ(s.form.cboCombo.ponteiro(), 0);
    EXPECT_EQ(s.form.cboCombo.texto(), u"");
    EXPECT_EQ(s.campo.ToolTipText(), u"");
    EXPECT_EQ(s.form.txtCombo.dica(), u"");
    EXPECT_EQ(s.form.cboCombo.ajuda(), 0);
    EXPECT_EQ(s.campo.Estilo(), 0);
    EXPECT_TRUE(s.form.txtCombo.visivel());
    EXPECT_FALSE(s.form.cboCombo.visivel());
    EXPECT_EQ(s.campo.Mascara(), 0);
    EXPECT_EQ(s.campo.QuantidadeCasasDecimais(), 0);
    EXPECT_EQ(s.campo.CapsLockMixed(), 0);
    EXPECT_EQ(s.campo.CaracteresASeremRetiradosTexto(), u"'\"");
    EXPECT_EQ(s.campo.MaxLength(), 0);
    EXPECT_EQ(s.campo.QtdMaxRegRetornadosPesqLookUp(), 100.0);
    EXPECT_TRUE(s.avisos().empty());
}

TEST(Persistencia, GravacaoDeUmControleNovo) {
    struct Chave {
        std::u16string chave;
        ValorPropriedade valor;  // value and type written
        std::optional<ValorPropriedade> padrao;
        bool tipo_do_padrao;  // false: only the default's number is fixed
    };
    const Fonte ambiente{u"Tahoma", 10};
    // clang-format off
    const Chave chaves[] = {
        {u"ForeColor", Cor{cores::TextoJanela}, Cor{cores::TextoJanela}, true},
        {u"Alinhamento", int16_t{0}, int32_t{0}, true},
        {u"Enabled", true, true, true},
        {u"Font", Fonte{}, ambiente, true},  // the control's own font; the ambient one is default
        {u"BackColor", Cor{cores::FundoJanela}, Cor{cores::FundoJanela}, true},
        {u"Locked", false, false, true},
        {u"MouseIcon", Nada{}, Nada{}, true},
        {u"MousePointer", int16_t{0}, int16_t{0}, true},
        {u"Text", u"", std::nullopt, true},
        {u"ToolTipText", u"", u"", true},
        {u"WhatsThisHelpID", int32_t{0}, int16_t{0}, true},
        {u"Estilo", int32_t{0}, int32_t{0}, false},
        {u"Mascara", int32_t{0}, int32_t{0}, false},
        {u"QuantidadeCasasDecimais", int32_t{0}, int32_t{0}, false},
        {u"CapsLockMixed", int32_t{0}, int32_t{0}, false},
        // Not the loading defaults: a new control really holds nothing and 0.
        {u"CaracteresASeremRetiradosTexto", u"", u"'\"", true},
        {u"MaxLength", int16_t{0}, int16_t{0}, true},
        {u"QtdMaxRegRetornadosPesqLookUp", 0.0, int16_t{100}, true},
    };
    // clang-format on
    Sessao s;
    s.form.hospedeiro.fonte_ambiente = ambiente;
    BolsaMapa bolsa;
    s.campo.WriteProperties(bolsa);
    ASSERT_EQ(bolsa.escritas.size(), std::size(chaves));
    for (std::size_t i = 0; i < std::size(chaves); ++i) {
        const Chave& c = chaves[i];
        const BolsaMapa::Escrita& e = bolsa.escritas[i];
        SCOPED_TRACE(em_utf8(c.chave));
        EXPECT_EQ(e.chave, c.chave);
        EXPECT_EQ(e.valor, c.valor);
        ASSERT_EQ(e.padrao.has_value(), c.padrao.has_value());
        if (!c.padrao) continue;
        if (c.tipo_do_padrao) {
            EXPECT_EQ(*e.padrao, *c.padrao);
        } else {
            EXPECT_EQ(e.padrao->como_int32(), c.padrao->como_int32());
        }
    }
    // Saving shows the box of the current style and hides the other.
    EXPECT_TRUE(s.form.txtCombo.visivel());
    EXPECT_FALSE(s.form.cboCombo.visivel());
    EXPECT_TRUE(s.avisos().empty());
}

TEST(Persistencia, GravarECarregarDevolveTudoMenosOTexto) {
    BolsaMapa bolsa;
    {
        Sessao a;
        a.campo.Estilo(1);
        a.campo.Mascara(1);
        a.campo.QuantidadeCasasDecimais(3);
        a.campo.CapsLockMixed(2);
        a.campo.CaracteresASeremRetiradosTexto(u"xy");
        a.campo.MaxLength(9);
        a.campo.QtdMaxRegRetornadosPesqLookUp(250.5);
        a.campo.Alinhamento(2);
        a.campo.Enabled(false);
        a.campo.ToolTipText(u"dica");
        a.campo.FazerConsistenciaBasica(1);
        a.campo.Text(u"12");
        a.form.cboCombo.Locked(true);
        a.form.cboCombo.MousePointer(11);
        a.form.cboCombo.WhatsThisHelpID(77);
        a.form.hospedeiro.Font(Fonte{u"Arial", 12, true});
        a.form.hospedeiro.MouseIcon(Figura{u"mao.cur"});
        ASSERT_EQ(a.campo.Text(), u"0,012");  // the combo box takes no decimal completion
        a.campo.WriteProperties(bolsa);
    }
    Sessao b;
    b.campo.ReadProperties(bolsa);
    EXPECT_EQ(b.campo.Estilo(), 1);
    EXPECT_TRUE(b.form.cboCombo.visivel());
    EXPECT_FALSE(b.form.txtCombo.visivel());
    EXPECT_EQ(b.campo.Mascara(), 1);
    EXPECT_EQ(b.campo.QuantidadeCasasDecimais(), 3);
    EXPECT_EQ(b.campo.CapsLockMixed(), 2);
    EXPECT_EQ(b.campo.CaracteresASeremRetiradosTexto(), u"xy");
    EXPECT_EQ(b.campo.MaxLength(), 9);
    EXPECT_EQ(b.campo.QtdMaxRegRetornadosPesqLookUp(), 250.5);
    EXPECT_EQ(b.campo.Alinhamento(), 2);
    EXPECT_FALSE(b.campo.Enabled());
    EXPECT_EQ(b.campo.ToolTipText(), u"dica");
    EXPECT_EQ(b.campo.FazerConsistenciaBasica(), 0);  // never saved
    EXPECT_EQ(b.campo.Text(), u"");
    EXPECT_EQ(b.form.cboCombo.cor_texto(), cores::Preto);  // as the formatted value left it
    EXPECT_TRUE(b.form.cboCombo.travada());
    EXPECT_EQ(b.form.cboCombo.ponteiro(), 11);
    EXPECT_EQ(b.form.cboCombo.ajuda(), 77);
    EXPECT_EQ(b.form.hospedeiro.Font(), (Fonte{u"Arial", 12, true}));
    EXPECT_EQ(b.form.hospedeiro.MouseIcon(), Figura{u"mao.cur"});
    EXPECT_TRUE(b.avisos().empty());

    // Saving the loaded control again writes the very same bag.
    BolsaMapa de_novo;
    b.campo.WriteProperties(de_novo);
    ASSERT_EQ(de_novo.escritas.size(), bolsa.escritas.size());
    for (std::size_t i = 0; i < bolsa.escritas.size(); ++i) {
        SCOPED_TRACE(em_utf8(bolsa.escritas[i].chave));
        EXPECT_EQ(de_novo.escritas[i].chave, bolsa.escritas[i].chave);
        EXPECT_EQ(de_novo.escritas[i].valor, bolsa.escritas[i].valor);
        EXPECT_EQ(de_novo.escritas[i].padrao, bolsa.escritas[i].padrao);
    }
}

TEST(Persistencia, DicaSoNaCaixaDeTextoSobreviveNoEstiloTexto) {
    BolsaMapa bolsa;
    {
        Sessao a;
        a.form.txtCombo.ToolTipText(u"só no texto");
        a.campo.WriteProperties(bolsa);
    }
    EXPECT_EQ(bolsa.valores.at(u"ToolTipText"), ValorPropriedade(u"só no texto"));
    Sessao b;
    b.campo.ReadProperties(bolsa);
    EXPECT_EQ(b.campo.ToolTipText(), u"só no texto");
    EXPECT_EQ(b.form.txtCombo.dica(), u"só no texto");

    // With a tip in both boxes, the combo box's is saved.
    BolsaMapa ambas;
    Sessao c;
    c.campo.ToolTipText(u"do combo");
    c.form.txtCombo.ToolTipText(u"do texto");
    c.campo.WriteProperties(ambas);
    EXPECT_EQ(ambas.valores.at(u"ToolTipText"), ValorPropriedade(u"do combo"));
}

TEST(Persistencia, ChavesCarregadasIsoladas) {
    struct Caso {
        const char* nome;
        std::vector<std::pair<std::u16string, ValorPropriedade>> chaves;
        std::function<void(Sessao&)> conferir;
    };
    // clang-format off
    const Caso casos[] = {
        {"Enabled falso desliga so o combo", {{u"Enabled", false}}, [](Sessao& s) {
             EXPECT_FALSE(s.form.cboCombo.habilitada());
             EXPECT_TRUE(s.form.txtCombo.habilitada());
             EXPECT_FALSE(s.campo.Enabled());
         }},
        {"Estilo 2 mostra o combo", {{u"Estilo", int32_t{2}}}, [](Sessao& s) {
             EXPECT_TRUE(s.form.cboCombo.visivel());
             EXPECT_FALSE(s.form.txtCombo.visivel());
         }},
        {"Estilo 7 mostra o combo", {{u"Estilo", int32_t{7}}}, [](Sessao& s) {
             EXPECT_EQ(s.campo.Estilo(), 7);
             EXPECT_TRUE(s.form.cboCombo.visivel());
             EXPECT_FALSE(s.form.txtCombo.visivel());
         }},
        {"Mascara sem recalcular", {{u"Mascara", int32_t{1}}, {u"MaxLength", int16_t{5}}},
         [](Sessao& s) {
             EXPECT_EQ(s.campo.Mascara(), 1);
             EXPECT_EQ(s.campo.MaxLength(), 5);
             EXPECT_EQ(s.campo.QuantidadeCasasDecimais(), 0);
             EXPECT_EQ(s.campo.Alinhamento(), 0);
         }},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Sessao s;
        BolsaMapa bolsa;
        for (const auto& [chave, valor] : c.chaves) bolsa.valores.insert_or_assign(chave, valor);
        s.campo.ReadProperties(bolsa);
        c.conferir(s);
        EXPECT_TRUE(s.avisos().empty());
    }
    Sessao s;
    BolsaMapa grande;
    grande.valores.insert_or_assign(u"MaxLength", int32_t{40000});
    EXPECT_EQ(numero_de([&] { s.campo.ReadProperties(grande); }), numero_erro::Estouro);
}

// ---- Run time only -------------------------------------------------------------------------

TEST(Designer, SetoresDeExecucaoFalham382ENaoMudamNada) {
    struct Caso {
        const char* nome;
        std::function<void(CampoVivo&)> set;
        std::u16string aviso;
    };
    const Caso casos[] = {
        {"SelStart", [](CampoVivo& c) { c.SelStart(1); }, u"SelStart"},
        {"SelLength", [](CampoVivo& c) { c.SelLength(2); }, u"SelLength"},
        {"SelText", [](CampoVivo& c) { c.SelText(u"x"); }, u"SelText"},
        {"TopIndex", [](CampoVivo& c) { c.TopIndex(1); }, u"TopIndex"},
        {"ListIndex", [](CampoVivo& c) { c.ListIndex(1); }, u"ListIndex"},
        {"PosicionarPorItemData", [](CampoVivo& c) { c.PosicionarPorItemData(u"2"); },
         u"ListIndex"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Sessao s;
        s.combo(1, {});
        s.campo.AddItem(u"Ana", std::nullopt, u"1");
        s.campo.AddItem(u"Bia", std::nullopt, u"2");
        s.campo.ListIndex(0);
        s.esquecer();
        s.form.hospedeiro.modo_usuario = false;
        EXPECT_EQ(numero_de([&] { c.set(s.campo); }), numero_erro::SomenteEmExecucao);
        EXPECT_EQ(s.texto(), u"Ana");
        EXPECT_EQ(s.cursor(), 3);
        EXPECT_EQ(s.selecionados(), 0);
        EXPECT_EQ(s.form.cboCombo.indice(), 0);
        EXPECT_EQ(s.campo.ListIndex(), 0);
        EXPECT_EQ(s.campo.TopIndex(), 0);
        EXPECT_TRUE(s.avisos().empty());

        // At run time the same call goes through and is announced.
        s.form.hospedeiro.modo_usuario = true;
        c.set(s.campo);
        EXPECT_EQ(s.avisos(), Nomes{c.aviso});
    }
}

TEST(Designer, ListaVaziaIgnoraListIndexMesmoNoDesigner) {
    Sessao s;
    s.combo(1, {});
    s.form.hospedeiro.modo_usuario = false;
    EXPECT_EQ(numero_de([&] { s.campo.ListIndex(3); }), 0);
    EXPECT_EQ(numero_de([&] { s.campo.PosicionarPorItemData(u"1"); }), 0);
    EXPECT_EQ(s.campo.ListIndex(), -1);
    EXPECT_TRUE(s.avisos().empty());
}

TEST(Designer, SelecaoSempreNoComboMesmoNoEstiloTexto) {
    Sessao s;
    s.campo.Mascara(0);
    s.form.teclar(u"texto");
    s.form.cboCombo.Text(u"combo");
    s.campo.SelStart(1);
    s.campo.SelLength(3);
    EXPECT_EQ(s.campo.SelText(), u"omb");
    s.campo.SelText(u"-");
    EXPECT_EQ(s.form.cboCombo.texto(), u"c-o");
    EXPECT_EQ(s.form.txtCombo.texto(), u"texto");
    EXPECT_EQ(s.form.txtCombo.inicio_selecao(), 5);
    EXPECT_EQ(s.campo.hWnd(), headless::CaixaComboHeadless::Janela);
    s.campo.Estilo(2);
    EXPECT_EQ(s.campo.Style(), 0);  // the combo box's own kind, not Estilo
}

// ---- Size ----------------------------------------------------------------------------------

TEST(Redimensionar, AlturaDoComboELarguraToda) {
    struct Caso {
        int32_t largura;
        int32_t altura;
    };
    const Caso casos[] = {{3000, 315}, {4500, 0}, {1200, 100}, {800, 5000}, {10, -20}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::to_string(c.largura) + "x" + std::to_string(c.altura));
        Sessao s;
        s.form.hospedeiro.redimensionar(c.largura, c.altura);
        EXPECT_EQ(s.form.hospedeiro.altura(), 315);
        for (const headless::CaixaHeadlessBase* caixa :
             {static_cast<const headless::CaixaHeadlessBase*>(&s.form.txtCombo),
              static_cast<const headless::CaixaHeadlessBase*>(&s.form.cboCombo)}) {
            SCOPED_TRACE(caixa->nome());
            EXPECT_EQ(caixa->esquerda(), 0);
            EXPECT_EQ(caixa->topo(), 0);
            EXPECT_EQ(caixa->largura(), c.largura);
        }
    }
}

}  // namespace
}  // namespace pjtCampoVivo
