// A toolkit operation that fails ends the handler where it stands: the failure reaches whoever
// called, with the toolkit's own number, and what was already done stays done, guards included.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/sessao_headless.hpp"
#include "toolkit/headless/recordset_memoria.hpp"

namespace pjtCampoVivo {
namespace {

using headless::Tecla;
using teste::falha_de;
using teste::Sessao;

constexpr int32_t NumeroDoToolkit = 31001;

struct Caso {
    const char* nome;
    std::function<void(Sessao&)> preparar;
    bool no_combo;  // which box fails: the combo box or the text box
    const char* operacao;
    int chamada;  // the n-th call from the moment it is armed
    std::function<void(Sessao&)> acao;
    std::function<void(Sessao&)> conferir;
};

const Caso casos[] = {
    {"KeyPress com SelText= falhando deixa blnEscrevendo ligado",
     [](Sessao& s) {
         s.campo.Mascara(3);
         s.form.teclar(u"12");
     },
     false, "SelText=", 1, [](Sessao& s) { s.form.tecla(Tecla::Backspace); },
     [](Sessao& s) {
         EXPECT_TRUE(s.campo.estado().blnEscrevendo);
         EXPECT_FALSE(s.ouviu(u"KeyPress"));
         EXPECT_EQ(s.texto(), u"12/");
         // Until the next key, no change is formatted or reported, not even the host's.
         s.esquecer();
         s.campo.Text(u"1234");
         EXPECT_EQ(s.texto(), u"1234");
         EXPECT_FALSE(s.ouviu(u"Change"));
         s.form.teclar(u"5");
         EXPECT_EQ(s.texto(), u"12/34/5");
     }},
    {"Change com Text= falhando deixa o texto cru",
     [](Sessao& s) {
         s.campo.Mascara(3);
         s.form.focar();
     },
     false, "Text=", 1, [](Sessao& s) { s.form.teclar(u"1"); },
     [](Sessao& s) {
         EXPECT_EQ(s.texto(), u"1");
         EXPECT_FALSE(s.ouviu(u"Change"));
         EXPECT_FALSE(s.ouviu(u"KeyUp"));
         s.form.teclar(u"2");
         EXPECT_EQ(s.texto(), u"12/");
     }},
    {"LostFocus com SetFocus falhando deixa o texto invalido",
     [](Sessao& s) {
         s.campo.Mascara(3);
         s.form.teclar(u"32012003");
     },
     false, "SetFocus", 1, [](Sessao& s) { s.form.sair(); },
     [](Sessao& s) {
         EXPECT_EQ(s.form.tela.mensagens.size(), 1u);
         EXPECT_EQ(s.texto(), u"32/01/2003");
         EXPECT_EQ(s.form.foco(), &s.form.proximo);
     }},
    {"Enabled com o Enabled= do texto falhando deixa o combo mudado", [](Sessao&) {}, false,
     "Enabled=", 1, [](Sessao& s) { s.campo.Enabled(false); },
     [](Sessao& s) {
         EXPECT_FALSE(s.form.cboCombo.habilitada());
         EXPECT_TRUE(s.form.txtCombo.habilitada());
         EXPECT_TRUE(s.avisos().empty());
     }},
    {"Resize com Move falhando", [](Sessao&) {}, false, "Move", 1,
     [](Sessao& s) { s.form.hospedeiro.redimensionar(4000, 500); },
     [](Sessao& s) {
         EXPECT_EQ(s.form.hospedeiro.altura(), 315);
         EXPECT_EQ(s.form.cboCombo.largura(), 4000);
         EXPECT_EQ(s.form.txtCombo.largura(), 3000);
     }},
    {"Mascara com Alignment= falhando", [](Sessao& s) { s.campo.Mascara(1); }, false,
     "Alignment=", 1, [](Sessao& s) { s.campo.Mascara(13); },
     [](Sessao& s) {
         EXPECT_EQ(s.campo.Mascara(), 13);
         EXPECT_EQ(s.campo.QuantidadeCasasDecimais(), 0);
         EXPECT_EQ(s.campo.MaxLength(), 22);
         EXPECT_EQ(s.avisos(), std::vector<std::u16string>{u"QuantidadeCasasDecimais"});
     }},
    {"pesquisa com SelLength= falhando deixa blnEscrevendo ligado",
     [](Sessao& s) {
         s.combo(2, {u"Maria", u"Mario"});
         s.form.focar();
     },
     true, "SelLength=", 1, [](Sessao& s) { s.form.teclar(u"m"); },
     [](Sessao& s) {
         EXPECT_EQ(s.texto(), u"Maria");
         EXPECT_EQ(s.campo.ListIndex(), 0);
         EXPECT_TRUE(s.campo.estado().blnEscrevendo);
         s.esquecer();
         s.campo.Text(u"zz");  // reaches the box, neither searched nor reported
         EXPECT_EQ(s.texto(), u"zz");
         EXPECT_TRUE(s.eventos().empty());
         s.form.selecionar(0, 2);
         s.form.teclar(u"mario");
         EXPECT_EQ(s.texto(), u"Mario");
     }},
    {"Carregar com AddItem falhando guarda o que veio antes", [](Sessao& s) { s.combo(1, {}); },
     true, "AddItem", 2,
     [](Sessao& s) {
         headless::RecordsetMemoria rs(
             {{{u"nome", u"Ana"}}, {{u"nome", u"Bia"}}, {{u"nome", u"Cid"}}});
         s.campo.Carregar(&rs, u"nome", u"", u"b");
     },
     [](Sessao& s) {
         EXPECT_EQ(s.campo.ListCount(), 1);
         EXPECT_EQ(s.campo.List(0), u"Ana");
         EXPECT_EQ(s.campo.ItemData(0), u"");
         EXPECT_EQ(s.campo.ListIndex(), -1);
     }},
    {"Refresh chega ao combo", [](Sessao&) {}, true, "Refresh", 1,
     [](Sessao& s) { s.campo.Refresh(); }, [](Sessao&) {}},
    {"ReadProperties com Enabled= do combo falhando", [](Sessao&) {}, true, "Enabled=", 1,
     [](Sessao& s) {
         teste::BolsaMapa bolsa;
         bolsa.valores.insert_or_assign(u"Alinhamento", int16_t{2});
         bolsa.valores.insert_or_assign(u"Estilo", int32_t{2});
         s.campo.ReadProperties(bolsa);
     },
     [](Sessao& s) {
         EXPECT_EQ(s.campo.Alinhamento(), 2);  // read before the failure
         EXPECT_EQ(s.campo.Estilo(), 0);       // never reached
     }},
};

TEST(Falhas, OperacaoDoToolkitQueFalha) {
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Sessao s;
        c.preparar(s);
        s.esquecer();
        headless::CaixaHeadlessBase& caixa =
            c.no_combo ? static_cast<headless::CaixaHeadlessBase&>(s.form.cboCombo)
                       : static_cast<headless::CaixaHeadlessBase&>(s.form.txtCombo);
        caixa.falhas().falhar(c.operacao, c.chamada, NumeroDoToolkit);
        const std::optional<Erro> erro = falha_de([&] { c.acao(s); });
        ASSERT_TRUE(erro.has_value());
        EXPECT_EQ(erro->numero(), NumeroDoToolkit);
        EXPECT_EQ(erro->tipo(), TipoErro::Toolkit);
        c.conferir(s);
    }
}

}  // namespace
}  // namespace pjtCampoVivo
