// A failing toolkit call ends the handler where it stands: the failure reaches the caller with
// the toolkit's number and what was already done stays done. Each scenario lists the steps its
// handler takes; the recorded calls must match them, and failing each call in turn must leave
// exactly what the steps before it made, with the user's next action behaving accordingly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/toolkit/cores.hpp>
#include <pjtcampovivo/toolkit/headless/recordset_memoria.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

using headless::Tecla;
using teste::falha_de;
using teste::Sessao;
using teste::utf8;

constexpr int32_t NumeroDoToolkit = 31001;

using Retrato = std::map<std::string, std::string>;

std::string nome_cor(Cor c) {
    if (c == cores::FundoJanela) return "janela";
    if (c == cores::TextoJanela) return "texto";
    if (c == cores::Realce) return "realce";
    if (c == cores::Vermelho) return "vermelho";
    if (c == cores::Preto) return "preto";
    return std::to_string(c);
}

Retrato retrato(const Sessao& s) {
    const CampoVivo::Estado e = s.campo.estado();
    const headless::CaixaHeadlessBase& caixa = s.mostrada();
    return {{"blnEscrevendo", e.blnEscrevendo ? "1" : "0"},
            {"blnBackspace", std::to_string(e.blnBackspace)},
            {"lngListIndex", std::to_string(e.lngListIndex)},
            {"lngSelStartAnterior", std::to_string(e.lngSelStartAnterior)},
            {"lngEntradaDe", std::to_string(e.lngEntradaDe)},
            {"SeparadorInserido", std::to_string(SeparadorInserido)},
            {"texto", utf8(caixa.texto())},
            {"cursor", std::to_string(caixa.inicio_selecao())},
            {"sel", std::to_string(caixa.tamanho_selecao())},
            {"fundo", nome_cor(caixa.cor_fundo())},
            {"frente", nome_cor(caixa.cor_texto())},
            {"indice", std::to_string(s.form.cboCombo.indice())},
            {"lista", std::to_string(s.form.cboCombo.lista().size())},
            {"dados", std::to_string(e.itemData.size())},
            {"foco", s.form.foco_no_campo() ? "campo" : "fora"},
            {"mensagens", std::to_string(s.form.tela.mensagens.size())}};
}

// Steps, separated by "; ": "t:Op"/"c:Op" (a call on the text/combo box), "+Evento" (raised to
// the host), "!Aviso" (property-changed notice), "nome=valor" (the Retrato shows it from then).
struct Cenario {
    const char* nome;
    void (*preparar)(Sessao&);
    void (*acao)(Sessao&);
    const char* passos;
    void (*seguinte)(Sessao&);  // the user's next action after a failure
};

struct Esperado {
    Retrato retrato;
    std::vector<std::string> chamadas, eventos, avisos;
};

// The calls up to the one numbered `ate` (0-based, included), and what the steps before that
// call leave of `antes`.
Esperado esperado(const Cenario& c, Retrato antes,
                  std::size_t ate = std::numeric_limits<std::size_t>::max()) {
    Esperado e{std::move(antes), {}, {}, {}};
    const std::string_view todos(c.passos);
    for (std::size_t i = 0, fim = 0; i <= todos.size(); i = fim + 2) {
        fim = std::min(todos.find("; ", i), todos.size());
        const std::string p(todos.substr(i, fim - i));
        if (p.size() > 2 && p[1] == ':') {
            e.chamadas.push_back(p);
            if (e.chamadas.size() > ate) break;
        } else if (p[0] == '+' || p[0] == '!') {
            (p[0] == '+' ? e.eventos : e.avisos).push_back(p.substr(1));
        } else {
            const auto igual = p.find('=');
            e.retrato[p.substr(0, igual)] = p.substr(igual + 1);
        }
    }
    return e;
}

// Records the calls both boxes hear into `destino`; nullptr stops.
void gravar(Sessao& s, std::vector<std::string>* destino) {
    for (auto* caixa : {static_cast<headless::CaixaHeadlessBase*>(&s.form.txtCombo),
                        static_cast<headless::CaixaHeadlessBase*>(&s.form.cboCombo)}) {
        const std::string prefixo = caixa == &s.form.txtCombo ? "t:" : "c:";
        caixa->falhas().observador = nullptr;
        if (destino != nullptr) {
            caixa->falhas().observador = [=](std::string_view op) {
                destino->push_back(prefixo + std::string(op));
            };
        }
    }
}

// A failure between the formatter and the Change handler's reset leaves the thread's separator
// flag raised (preso): later changes stop at the guard.
void digitar(Sessao& s, std::u16string_view teclas, std::u16string_view formatado) {
    const bool preso = SeparadorInserido == 1;
    s.esquecer();
    s.form.selecionar(0, 99);
    ASSERT_FALSE(falha_de([&] { s.form.teclar(teclas); }));
    EXPECT_EQ(s.texto(), preso ? teclas : formatado);
    EXPECT_EQ(s.ouviu(u"Change"), !preso);
    EXPECT_FALSE(s.campo.estado().blnEscrevendo);
}

void digitar_data(Sessao& s) {
    digitar(s, u"25122003", u"25/12/2003");
}

void digitar_nome(Sessao& s) {
    const bool preso = SeparadorInserido == 1;
    digitar(s, u"mario", u"Mario");
    if (!preso) {
        EXPECT_EQ(s.campo.ListIndex(), 1);
    }
}

// Typing b finds the first entry starting with it (or the remembered one, or nothing); an
// entry added afterwards takes its item data where the store puts it.
void usar_lista(Sessao& s) {
    const std::vector<std::u16string> lista = s.form.cboCombo.lista();
    const std::size_t dados = s.campo.estado().itemData.size();
    const int32_t lembrado = s.campo.estado().lngListIndex;
    s.esquecer();
    s.form.selecionar(0, 99);
    ASSERT_FALSE(falha_de([&] { s.form.teclar(u"b"); }));
    const auto achada = std::find_if(lista.begin(), lista.end(),
                                     [](const std::u16string& e) { return e.starts_with(u"B"); });
    if (lista.empty()) {
        EXPECT_FALSE(s.ouviu(u"KeyPress"));
    } else if (achada != lista.end()) {
        EXPECT_EQ(s.texto(), *achada);
        EXPECT_EQ(s.campo.ListIndex(), achada - lista.begin());
    } else {
        const bool vale = lembrado >= 0 && static_cast<std::size_t>(lembrado) < lista.size();
        EXPECT_EQ(s.texto(), vale ? lista[static_cast<std::size_t>(lembrado)] : u"");
        EXPECT_TRUE(s.ouviu(u"FimItensLista(b)"));
    }
    s.campo.AddItem(u"Zeca", std::nullopt, u"99");
    s.campo.PosicionarPorItemData(u"99");
    const std::size_t posicao = std::min(lista.size(), dados);
    EXPECT_EQ(s.campo.ListIndex(), static_cast<int32_t>(posicao));
    EXPECT_EQ(s.texto(), s.form.cboCombo.lista().at(posicao));
}

NotificacoesCaixa& ouvinte(Sessao& s, bool combo) {
    return *(combo ? s.form.cboCombo.ouvinte() : s.form.txtCombo.ouvinte());
}
void keypress(Sessao& s, bool combo, char16_t c) {
    auto codigo = static_cast<int16_t>(c);
    ouvinte(s, combo).KeyPress(codigo);
}
void data_digitada(Sessao& s, std::u16string_view digitos) {
    s.campo.Mascara(3);
    s.form.teclar(digitos);
}
void data_apagada(Sessao& s) {
    data_digitada(s, u"12");
    s.form.tecla(Tecla::Backspace);
}
void maria_mario(Sessao& s) {
    s.combo(2, {u"Maria", u"Mario"});
}
void maria_digitada(Sessao& s) {  // Maria shown, aria selected
    maria_mario(s);
    s.form.teclar(u"m");
}
void ana_bia(Sessao& s) {
    s.campo.Estilo(2);
    s.campo.AddItem(u"Ana", std::nullopt, u"1");
    s.campo.AddItem(u"Bia", std::nullopt, u"2");
}

// clang-format off
const Cenario cenarios[] = {
    // ---- Text box ----
    {"TextoKeyPressEnter", data_apagada, [](Sessao& s) { keypress(s, false, u'\r'); },
     "blnBackspace=0; +Click; +KeyPress(13); blnEscrevendo=0", nullptr},
    {"TextoKeyPressDigito", data_apagada, [](Sessao& s) { keypress(s, false, u'3'); },
     "blnBackspace=0; t:Text; t:SelLength; +KeyPress(51); blnEscrevendo=0", digitar_data},
    {"TextoKeyPressBackspace",
     [](Sessao& s) { data_digitada(s, u"1234"); s.form.selecionar(3, 2); },
     [](Sessao& s) { keypress(s, false, u'\b'); },
     "blnBackspace=0; blnBackspace=1; blnEscrevendo=1; t:SelText=; texto=12/; sel=0; "
     "+KeyPress(8); blnEscrevendo=0", digitar_data},
    {"TextoChangeSeparador",
     [](Sessao& s) { data_digitada(s, u"1"); s.form.txtCombo.ForeColor(cores::Vermelho); },
     [](Sessao& s) { s.form.txtCombo.aplicar_caractere(u'2'); },
     "texto=12; cursor=2; t:SelStart; t:Text; SeparadorInserido=1; t:Text=; texto=12/; cursor=3; "
     "t:SelStart=; SeparadorInserido=0; t:SelStart; lngSelStartAnterior=3; t:Text; t:SelStart=; "
     "t:ForeColor=; frente=preto; +Change", digitar_data},
    {"TextoLostFocusInvalida", [](Sessao& s) { data_digitada(s, u"32012003"); },
     [](Sessao& s) { s.form.sair(); },
     "foco=fora; t:BackColor=; fundo=janela; t:Text; mensagens=1; t:SetFocus; foco=campo; "
     // GotFocus, as the focus comes back
     "t:BackColor=; fundo=realce; t:SelStart=; cursor=0; t:Text; t:SelLength=; sel=10; "
     "t:SetFocus; "
     // the space, whose Change formats it away and nests one more run on the empty text
     "t:Text=; texto= ; cursor=1; sel=0; t:SelStart; t:Text; t:Text=; texto=; cursor=0; "
     "t:SelStart; t:Text; t:Text=; t:SelStart; lngSelStartAnterior=0; t:Text; t:SelStart=; "
     "t:ForeColor=; frente=preto; +Change; "
     "t:SelStart; t:Text; t:SelStart=; t:ForeColor=; +Change", digitar_data},
    {"TextoTextDinheiro",
     [](Sessao& s) { s.campo.Mascara(1); s.form.teclar(u"5"); s.form.tecla(Tecla::Backspace); },
     [](Sessao& s) { s.campo.Text(u"-12"); },
     "lngEntradaDe=1; blnBackspace=0; t:Text=; texto=-12,00; cursor=6; "
     // its Change: the formatter keeps the text and raises the flag
     "t:SelStart; t:Text; SeparadorInserido=1; t:Text=; t:SelStart=; SeparadorInserido=0; "
     "t:SelStart; lngSelStartAnterior=6; t:Text; t:SelStart=; t:ForeColor=; frente=vermelho; "
     "+Change; !Text", [](Sessao& s) { digitar(s, u"123456", u"1.234,56"); }},

    // ---- Combo box ----
    {"ComboClick", [](Sessao& s) { maria_mario(s); s.form.focar(); },
     [](Sessao& s) { s.form.cboCombo.clicar(1); },
     "indice=1; texto=Mario; cursor=5; c:ListIndex; lngListIndex=1; +Click", digitar_nome},
    {"ComboKeyPressEstilo1",
     [](Sessao& s) { s.combo(1, {}); s.form.teclar(u"a"); s.form.tecla(Tecla::Backspace); },
     [](Sessao& s) { keypress(s, true, u'a'); }, "blnBackspace=0; +KeyPress(97); blnEscrevendo=0",
     nullptr},
    {"ComboKeyPressBackspace", maria_digitada, [](Sessao& s) { keypress(s, true, u'\b'); },
     "blnBackspace=0; c:ListCount; blnBackspace=1; blnEscrevendo=1; c:SelText=; texto=M; sel=0; "
     "+KeyPress(8); blnEscrevendo=0", digitar_nome},
    {"ComboDropDown", maria_mario, [](Sessao& s) { ouvinte(s, true).DropDown(); },
     "c:BackColor=; fundo=realce; +DropDown", digitar_nome},
    {"ComboLostFocusInvalida", [](Sessao& s) { s.combo(1, {}); data_digitada(s, u"32012003"); },
     [](Sessao& s) { s.form.sair(); },
     "foco=fora; c:BackColor=; fundo=janela; c:Text; mensagens=1; c:SetFocus; foco=campo; "
     "c:BackColor=; fundo=realce", digitar_data},
    {"ComboChangeAchada", [](Sessao& s) { maria_mario(s); s.form.focar(); },
     [](Sessao& s) { s.form.cboCombo.aplicar_caractere(u'm'); },
     "texto=m; cursor=1; c:SelStart; c:Text; c:Text=; c:Text; blnEscrevendo=1; c:SelStart; "
     "lngSelStartAnterior=1; c:Text; c:ListCount; c:ListIndex=; indice=0; texto=Maria; cursor=5; "
     "lngListIndex=0; c:SelStart=; cursor=1; c:Text; c:SelLength=; sel=4; blnEscrevendo=0; "
     "c:ForeColor=; frente=preto; +Change", digitar_nome},
    {"ComboChangeFimItensListaCarrega",
     [](Sessao& s) {
         maria_digitada(s);
         s.form.hospedeiro.tratadores.FimItensLista = [&s](std::u16string&) {
             s.campo.AddItem(u"M", std::nullopt, u"5");
         };
     },
     [](Sessao& s) { s.form.cboCombo.aplicar_caractere(u'x'); },
     "texto=Mx; cursor=2; sel=0; c:SelStart; c:Text; c:Text=; c:Text; blnEscrevendo=1; "
     "c:SelStart; lngSelStartAnterior=2; c:Text; c:ListCount; c:ListCount; c:ListCount; "
     "c:ListIndex=; texto=Maria; cursor=5; c:SelStart=; cursor=1; +FimItensLista(Mx); "
     // the host's handler adds the entry M, which the second pass finds
     "c:AddItem; lista=3; dados=3; c:NewIndex; c:NewIndex; c:ListCount; c:ListIndex=; indice=2; "
     "texto=M; cursor=1; lngListIndex=2; c:SelStart=; c:Text; c:SelLength=; sel=0; "
     "blnEscrevendo=0; c:ForeColor=; +Change", digitar_nome},
    {"ComboChangeVazia", [](Sessao& s) { maria_digitada(s); s.form.selecionar(0, 5); },
     [](Sessao& s) { s.form.cboCombo.apagar_adiante(); },
     "texto=; cursor=0; sel=0; c:SelStart; c:Text; c:Text=; c:Text; lngSelStartAnterior=0; "
     "lngListIndex=-1; c:ForeColor=; +Change", digitar_nome},
    {"ComboChangeSeparador",
     [](Sessao& s) {
         s.combo(1, {});
         data_digitada(s, u"1");
         s.form.cboCombo.ForeColor(cores::Vermelho);
     },
     [](Sessao& s) { s.form.cboCombo.aplicar_caractere(u'2'); },
     "texto=12; cursor=2; c:SelStart; c:Text; SeparadorInserido=1; c:Text=; texto=12/; cursor=3; "
     "c:SelStart=; c:Text; SeparadorInserido=0; c:ForeColor=; frente=preto; +Change",
     digitar_data},

    // ---- The list ----
    {"AddItem", ana_bia, [](Sessao& s) { s.campo.AddItem(u"Cid", 1, u"3"); },
     "c:AddItem; lista=3; dados=3; c:NewIndex; c:NewIndex", usar_lista},
    {"Carregar", [](Sessao& s) { ana_bia(s); s.campo.ListIndex(0); },
     [](Sessao& s) {
         headless::RecordsetMemoria rs({{{u"nome", u"Caio"}, {u"codigo", u"7"}},
                                        {{u"nome", u"Bruna"}, {u"codigo", u"8"}},
                                        {{u"nome", u"Beto"}, {u"codigo", u"9"}}});
         s.campo.Carregar(&rs, u"nome", u"codigo", u"b");
     },
     "c:Clear; lista=0; indice=-1; dados=0; c:ListIndex=; "
     // one entry per record; a match is remembered at once
     "c:AddItem; lista=1; dados=1; c:NewIndex; c:NewIndex; "
     "c:AddItem; lista=2; dados=2; c:NewIndex; c:NewIndex; lngListIndex=1; "
     "c:AddItem; lista=3; dados=3; c:NewIndex; c:NewIndex; lngListIndex=2; "
     "c:ListIndex=; indice=2; texto=Beto; cursor=4", usar_lista},
    {"PosicionarPorItem", ana_bia, [](Sessao& s) { s.campo.PosicionarPorItem(u" bia "); },
     "c:ListCount; c:List; c:List; c:ListIndex=; indice=1; texto=Bia; cursor=3; lngListIndex=1",
     usar_lista},
    // through the ListIndex setter, whose path this covers too
    {"PosicionarPorItemData", ana_bia, [](Sessao& s) { s.campo.PosicionarPorItemData(u"2"); },
     "c:ListCount; c:ListCount; c:ListIndex=; indice=1; texto=Bia; cursor=3; lngListIndex=1; "
     "!ListIndex", usar_lista},
    {"RemoveItem", ana_bia, [](Sessao& s) { s.campo.RemoveItem(0); },
     "c:RemoveItem; lista=1; dados=1", usar_lista},
    {"Text", [](Sessao& s) { ana_bia(s); s.form.teclar(u"a"); s.form.tecla(Tecla::Backspace); },
     [](Sessao& s) { s.campo.Text(u"bi"); },
     "lngEntradaDe=1; blnBackspace=0; c:Text=; texto=bi; cursor=2; "
     // the combo box's Change: formatted, then searched
     "c:SelStart; c:Text; c:Text=; c:Text; blnEscrevendo=1; c:SelStart; lngSelStartAnterior=2; "
     "c:Text; c:ListCount; c:ListIndex=; indice=1; texto=Bia; cursor=3; lngListIndex=1; "
     "c:SelStart=; cursor=2; c:Text; c:SelLength=; sel=1; blnEscrevendo=0; c:ForeColor=; "
     "+Change; !Text", usar_lista},
};
// clang-format on

// Prepares and runs the scenario, with the call `falha` ("t:Op"/"c:Op") failing on its n-th time.
struct Execucao {
    Retrato antes;
    std::vector<std::string> chamadas;
    std::optional<Erro> erro;
};

Execucao executar(Sessao& s, const Cenario& c, const std::string& falha = "", int n = 0) {
    c.preparar(s);
    Execucao e{retrato(s), {}, std::nullopt};
    s.esquecer();
    if (!falha.empty()) {
        headless::CaixaHeadlessBase& caixa =
            falha[0] == 't' ? static_cast<headless::CaixaHeadlessBase&>(s.form.txtCombo)
                            : static_cast<headless::CaixaHeadlessBase&>(s.form.cboCombo);
        caixa.falhas().falhar(falha.substr(2), n, NumeroDoToolkit);
    }
    gravar(s, &e.chamadas);
    e.erro = falha_de([&] { c.acao(s); });
    gravar(s, nullptr);
    return e;
}

void conferir(const Sessao& s, const Execucao& x, const Esperado& e) {
    EXPECT_EQ(x.chamadas, e.chamadas);
    EXPECT_EQ(retrato(s), e.retrato);
    std::vector<std::string> eventos, avisos;
    for (const auto& t : s.eventos()) eventos.push_back(utf8(t));
    for (const auto& t : s.avisos()) avisos.push_back(utf8(t));
    EXPECT_EQ(eventos, e.eventos);
    EXPECT_EQ(avisos, e.avisos);
}

class Gravacao : public ::testing::TestWithParam<Cenario> {};

TEST_P(Gravacao, FazAsChamadasDosSeusPassos) {
    Sessao s;
    const Execucao e = executar(s, GetParam());
    ASSERT_FALSE(e.erro.has_value()) << e.erro->what();
    conferir(s, e, esperado(GetParam(), e.antes));
}

INSTANTIATE_TEST_SUITE_P(Tratadores, Gravacao, ::testing::ValuesIn(cenarios),
                         [](const auto& info) { return std::string(info.param.nome); });

// The recorded call `chamada`, its n-th time, at `posicao` among all calls, made to fail.
struct CasoFalha {
    const Cenario* cenario;
    std::string chamada;
    int n;
    std::size_t posicao;
};

// Taken from the recordings, so a call a handler starts making is failed too.
std::vector<CasoFalha> casos_gravados() {
    std::vector<CasoFalha> casos;
    for (const Cenario& c : cenarios) {
        Sessao s;
        const Execucao e = executar(s, c);
        std::map<std::string, int> vezes;
        for (std::size_t k = 0; k < e.chamadas.size(); ++k)
            casos.push_back({&c, e.chamadas[k], ++vezes[e.chamadas[k]], k});
    }
    return casos;
}

class FalhaEmCadaChamada : public ::testing::TestWithParam<CasoFalha> {};

TEST_P(FalhaEmCadaChamada, TerminaOTratadorOndeEle) {
    const CasoFalha& caso = GetParam();
    const Cenario& c = *caso.cenario;
    ASSERT_LT(caso.posicao, esperado(c, {}).chamadas.size()) << "a call its steps do not name";
    Sessao s;
    const Execucao e = executar(s, c, caso.chamada, caso.n);
    ASSERT_TRUE(e.erro.has_value());
    EXPECT_EQ(e.erro->numero(), NumeroDoToolkit);
    EXPECT_EQ(e.erro->tipo(), TipoErro::Toolkit);
    conferir(s, e, esperado(c, e.antes, caso.posicao));
    if (c.seguinte != nullptr) c.seguinte(s);
}

// Named after the scenario, the box and operation ("t:SelStart=" -> tSelStartSet) and n.
INSTANTIATE_TEST_SUITE_P(Tratadores, FalhaEmCadaChamada, ::testing::ValuesIn(casos_gravados()),
                         [](const auto& info) {
                             std::string op = info.param.chamada;
                             if (op.ends_with('=')) op.replace(op.size() - 1, 1, "Set");
                             return std::string(info.param.cenario->nome) + "_" + op[0] +
                                    op.substr(2) + "_" + std::to_string(info.param.n);
                         });

// Members outside the handlers stop where the failing call stands too.
TEST(Falhas, OperacaoDoToolkitQueFalha) {
    const auto falhar = [](Sessao& s, bool combo, const char* operacao, auto acao) {
        (combo ? static_cast<headless::CaixaHeadlessBase&>(s.form.cboCombo) : s.form.txtCombo)
            .falhas()
            .falhar(operacao, 1, NumeroDoToolkit);
        const std::optional<Erro> erro = falha_de(acao);
        ASSERT_TRUE(erro.has_value()) << operacao;
        EXPECT_EQ(erro->numero(), NumeroDoToolkit);
        EXPECT_EQ(erro->tipo(), TipoErro::Toolkit);
    };
    Sessao enabled;  // the combo box was changed before the text box failed
    falhar(enabled, false, "Enabled=", [&] { enabled.campo.Enabled(false); });
    EXPECT_FALSE(enabled.form.cboCombo.habilitada());
    EXPECT_TRUE(enabled.form.txtCombo.habilitada());
    EXPECT_TRUE(enabled.avisos().empty());

    Sessao mascara;
    falhar(mascara, false, "Alignment=", [&] { mascara.campo.Mascara(13); });
    EXPECT_EQ(mascara.campo.Mascara(), 13);
    EXPECT_EQ(mascara.campo.QuantidadeCasasDecimais(), 0);
    EXPECT_EQ(mascara.campo.MaxLength(), 0);
    EXPECT_EQ(mascara.avisos(), std::vector<std::u16string>{u"QuantidadeCasasDecimais"});

    Sessao lida;  // a half-loaded form: the keys read before the failure stay loaded
    teste::BolsaMapa bolsa;
    bolsa.valores.insert_or_assign(u"Alinhamento", int16_t{2});
    bolsa.valores.insert_or_assign(u"Estilo", int32_t{2});
    falhar(lida, true, "Enabled=", [&] { lida.campo.ReadProperties(bolsa); });
    EXPECT_EQ(lida.campo.Alinhamento(), 2);
    EXPECT_EQ(lida.campo.Estilo(), 0);  // never reached
}

}  // namespace
}  // namespace pjtCampoVivo
