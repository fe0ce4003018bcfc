// Typing into the text style: which keys get through, how each mask shapes the text as it is
// typed or moved in, where the caret and the colour end up, which events the host hears, and
// how the guards hold when notifications nest.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formatting/formatar.hpp"
#include "formatting/separador_inserido.hpp"
#include "support/sessao_headless.hpp"
#include "toolkit/cores.hpp"

namespace pjtCampoVivo {
namespace {

using headless::Tecla;
using teste::em_utf8;
using teste::numero_de;
using teste::Sessao;
using teste::texto_de;
using Eventos = std::vector<std::u16string>;

// ---- Filtering -------------------------------------------------------------------------

TEST(Filtro, CaracteresProibidosSemDistinguirCaixa) {
    struct Caso {
        std::u16string proibidos;
        std::u16string digitado;
        std::u16string mostrado;
    };
    const Caso casos[] = {
        {u"xy", u"XyaxY", u"a"}, {u"ç", u"Çcç", u"c"},  {u"'\"", u"a'b\"c", u"abc"},
        {u"ß", u"ßs", u"s"},     {u"", u"abc", u"abc"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(em_utf8(c.proibidos + u" / " + c.digitado));
        Sessao s;
        s.campo.Mascara(0);
        s.campo.CaracteresASeremRetiradosTexto(c.proibidos);
        s.esquecer();
        s.form.teclar(c.digitado);
        EXPECT_EQ(s.texto(), c.mostrado);
        // A refused key reaches the host as KeyDown and KeyUp, never as KeyPress.
        int keypress = 0;
        for (const auto& e : s.eventos()) keypress += e.starts_with(u"KeyPress") ? 1 : 0;
        EXPECT_EQ(keypress, static_cast<int>(c.mostrado.size()));
    }
}

TEST(Filtro, ListaProibidaLongaDemaisEstouraAoTeclar) {
    Sessao s;
    s.campo.Mascara(0);
    s.campo.CaracteresASeremRetiradosTexto(std::u16string(32768, u'x'));
    EXPECT_EQ(numero_de([&] { s.form.teclar(u"a"); }), numero_erro::Estouro);
    EXPECT_EQ(s.texto(), u"");
}

TEST(Filtro, LimiteDeTamanhoDescontaASelecao) {
    Sessao s;
    s.campo.Mascara(0);
    s.campo.MaxLength(5);
    s.form.teclar(u"abcdef");
    EXPECT_EQ(s.texto(), u"abcde");
    s.form.selecionar(1, 1);  // four characters outside the selection: one more fits
    s.form.teclar(u"Z");
    EXPECT_EQ(s.texto(), u"aZcde");
    s.form.teclar(u"q");  // full, nothing selected
    EXPECT_EQ(s.texto(), u"aZcde");
    s.form.selecionar(0, 5);
    s.form.teclar(u"q");
    EXPECT_EQ(s.texto(), u"q");
    // Backspace is never refused by the limit.
    s.campo.MaxLength(1);
    s.form.tecla(Tecla::Backspace);
    EXPECT_EQ(s.texto(), u"");
}

TEST(Filtro, DataCheiaSelecionadaAoEntrarAceitaUmDigito) {
    Sessao s;
    s.campo.Mascara(3);
    s.campo.Text(u"25/12/2003");
    s.form.focar();
    EXPECT_EQ(s.selecionados(), 10);
    EXPECT_EQ(s.form.txtCombo.cor_fundo(), cores::Realce);
    s.form.teclar(u"1");
    EXPECT_EQ(s.texto(), u"1");
}

TEST(Filtro, MaxLengthZeroSoDeixaEnterBackspaceETab) {
    struct Caso {
        const char* nome;
        std::function<void(headless::Formulario&)> acao;
        Eventos eventos;
    };
    const Caso casos[] = {
        {"letra", [](auto& f) { f.teclar(u"a"); }, {u"KeyDown(65,0)", u"KeyUp(65,0)"}},
        {"digito", [](auto& f) { f.teclar(u"7"); }, {u"KeyDown(55,0)", u"KeyUp(55,0)"}},
        {"backspace",
         [](auto& f) { f.tecla(Tecla::Backspace); },
         {u"KeyDown(8,0)", u"KeyPress(8)", u"KeyUp(8,0)"}},
        {"enter",
         [](auto& f) { f.tecla(Tecla::Enter); },
         {u"KeyDown(13,0)", u"Click", u"KeyPress(13)", u"KeyUp(13,0)"}},
        {"tab",
         [](auto& f) { f.tecla(Tecla::Tab); },
         {u"KeyDown(9,0)", u"Click", u"KeyPress(9)", u"KeyUp(9,0)"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Sessao s;  // a fresh control: mask never set, MaxLength 0
        s.campo.Text(u"abc");
        s.esquecer();
        c.acao(s.form);
        EXPECT_EQ(s.eventos(), c.eventos);
        // Enter and Tab move on to the next field.
        const bool sai = s.ouviu(u"Click");
        EXPECT_EQ(s.form.foco(), sai ? &s.form.proximo : &s.form.txtCombo);
        EXPECT_EQ(s.form.tela.injetadas, sai ? Eventos{u"{TAB}"} : Eventos{});
        // Entering selected everything, so Backspace empties the box.
        EXPECT_EQ(s.texto(), c.eventos[1] == u"KeyPress(8)" ? u"" : u"abc");
    }
}

TEST(Filtro, CapsLockMixed) {
    struct Caso {
        int32_t caixa;
        char16_t digitado;
        char16_t mostrado;
    };
    // ß and the ligature ﬁ have two-letter capitals ("SS", "FI"): such a key keeps its code.
    const Caso casos[] = {{2, u'a', u'A'}, {1, u'A', u'a'}, {0, u'a', u'a'}, {0, u'A', u'A'},
                          {2, u'ç', u'Ç'}, {1, u'É', u'é'}, {2, u'ÿ', u'Ÿ'}, {7, u'a', u'a'},
                          {2, u'ß', u'ß'}, {2, u'ﬁ', u'ﬁ'}, {2, u'1', u'1'}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(em_utf8(std::u16string(1, c.digitado)) + " caixa " + std::to_string(c.caixa));
        Sessao s;
        s.campo.Mascara(0);
        s.campo.CapsLockMixed(c.caixa);
        s.esquecer();
        s.form.teclar(std::u16string(1, c.digitado));
        EXPECT_EQ(s.texto(), std::u16string(1, c.mostrado));
        const std::u16string esperado =
            u"KeyPress(" + texto_de(static_cast<int16_t>(c.mostrado)) + u")";
        EXPECT_EQ(s.quantos(esperado), 1);
    }
}

TEST(Filtro, HospedeiroCancelaATeclaNoKeyPress) {
    Sessao s;
    s.campo.Mascara(2);
    s.form.hospedeiro.tratadores.KeyPress = [](int16_t& k) {
        if (k == u'5') k = 0;
    };
    s.form.teclar(u"1525");
    EXPECT_EQ(s.texto(), u"12");
    EXPECT_EQ(s.quantos(u"KeyPress(53)"), 2);
    EXPECT_EQ(s.quantos(u"Change"), 2);
}

TEST(Filtro, TextoLivreNoEstiloTextoNuncaAvisaChange) {
    Sessao s;
    s.campo.Mascara(0);
    s.form.teclar(u"ab");
    s.form.colar(u"cd");
    EXPECT_EQ(s.texto(), u"abcd");
    EXPECT_FALSE(s.ouviu(u"Change"));
    EXPECT_EQ(s.quantos(u"KeyPress(97)"), 1);
}

// ---- Formatting and caret ----------------------------------------------------------------

TEST(Formatacao, CadaMascaraDigitada) {
    struct Caso {
        int32_t mascara;
        std::u16string digitado;
        std::u16string mostrado;
    };
    // clang-format off
    const Caso casos[] = {
        {1, u"1234", u"12,34"},           {1, u"123456", u"1.234,56"},
        {2, u"1234567", u"1.234.567"},    {3, u"31122003", u"31/12/2003"},
        {4, u"123456", u"12:34:56"},      {5, u"2359", u"23:59"},
        {6, u"3112", u"31/12"},           {7, u"122003", u"12/2003"},
        {8, u"15", u"15"},                {9, u"06", u"06"},
        {10, u"2003", u"2003"},           {11, u"112345678", u"11.234-5678"},
        {12, u"01310100", u"01.310-100"}, {13, u"12345678909", u"123.456.789-09"},
        {14, u"12345678000195", u"12.345.678/0001-95"},
        {15, u"123456789", u"1.234.567-89"},
        {3, u"311220031", u"31/12/2003"},  // the ninth digit is refused by the length
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::to_string(c.mascara) + " " + em_utf8(c.digitado));
        Sessao s;
        s.campo.Mascara(c.mascara);
        s.form.teclar(c.digitado);
        EXPECT_EQ(s.texto(), c.mostrado);
        EXPECT_EQ(s.campo.Text(), c.mostrado);
        EXPECT_EQ(s.cursor(), static_cast<int32_t>(c.mostrado.size()));
        EXPECT_EQ(s.selecionados(), 0);
        EXPECT_EQ(s.form.txtCombo.cor_texto(), cores::Preto);
    }
}

TEST(Formatacao, DigitoNoMeioDaDataDeixaOCursorNoFim) {
    Sessao s;
    s.campo.Mascara(3);
    s.form.teclar(u"3112");
    s.form.tecla(Tecla::Home);
    s.form.teclar(u"0");
    EXPECT_EQ(s.texto(), u"03/11/2");
    EXPECT_EQ(s.cursor(), 7);
}

TEST(Formatacao, NegativoEmVermelhoDemaisEmPreto) {
    Sessao s;
    s.campo.Mascara(1);
    s.form.teclar(u"-5");
    EXPECT_EQ(s.texto(), u"-0,05");
    EXPECT_EQ(s.form.txtCombo.cor_texto(), cores::Vermelho);
    s.campo.Text(u"7");
    EXPECT_EQ(s.texto(), u"7,00");
    EXPECT_EQ(s.form.txtCombo.cor_texto(), cores::Preto);

    Sessao n;
    n.campo.Mascara(2);
    n.form.teclar(u"-12");
    EXPECT_EQ(n.texto(), u"-12");
    EXPECT_EQ(n.form.txtCombo.cor_texto(), cores::Vermelho);
}

TEST(Formatacao, DoisChangeQuandoOFormatadorNaoLevantaOSinal) {
    struct Caso {
        int32_t mascara;
        std::u16string antes;
        std::u16string tecla;
        std::u16string mostrado;
        int changes;
    };
    const Caso casos[] = {
        {14, u"12", u"3", u"12.3", 2},      // CNPJ never raises the flag
        {11, u"1234", u"5", u"1-2345", 2},  // telephone below eight digits
        {3, u"1", u"2", u"12/", 1},         // the date raised it
        {2, u"123", u"4", u"1.234", 1},
        {13, u"1", u"2", u"12", 1},  // nothing to rewrite: one pass
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::to_string(c.mascara) + " " + em_utf8(c.antes + c.tecla));
        Sessao s;
        s.campo.Mascara(c.mascara);
        s.form.teclar(c.antes);
        s.esquecer();
        s.form.teclar(c.tecla);
        EXPECT_EQ(s.texto(), c.mostrado);
        EXPECT_EQ(s.quantos(u"Change"), c.changes);
    }
}

TEST(Formatacao, TextoAtribuidoPeloHospedeiro) {
    struct Caso {
        int32_t mascara;
        int32_t casas;  // set after the mask; -1 keeps the mask's own
        std::u16string atribuido;
        std::u16string mostrado;
    };
    // clang-format off
    const Caso casos[] = {
        {1, -1, u"12", u"12,00"},    {1, -1, u"12,5", u"12,50"},
        {1, -1, u"12,345", u"12,34"},  // cut, not rounded
        {1, -1, u"-3", u"-3,00"},    {1, 0, u"12", u"12,"},    {1, 3, u"1,5", u"1,500"},
        {13, -1, u"123", u"000.000.001-23"}, {13, -1, u"12345678909", u"123.456.789-09"},
        {14, -1, u"123", u"00.000.000/0001-23"}, {3, -1, u"25122003", u"25/12/2003"},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::to_string(c.mascara) + " " + em_utf8(c.atribuido));
        Sessao s;
        s.campo.Mascara(c.mascara);
        if (c.casas >= 0) s.campo.QuantidadeCasasDecimais(c.casas);
        s.esquecer();
        s.campo.Text(c.atribuido);
        EXPECT_EQ(s.campo.Text(), c.mostrado);
        EXPECT_EQ(s.avisos(), Eventos{u"Text"});
        EXPECT_GE(s.quantos(u"Change"), 1);
    }
}

TEST(Formatacao, TeclaDepoisDeTextoAtribuidoVoltaAoTeclado) {
    Sessao s;
    s.campo.Mascara(13);
    s.campo.Text(u"123");
    EXPECT_EQ(s.texto(), u"000.000.001-23");
    s.form.teclar(u"4");  // entering selects everything, the key replaces it
    EXPECT_EQ(s.texto(), u"4");
    EXPECT_EQ(s.campo.estado().lngEntradaDe, 0);
}

TEST(Formatacao, NoComboOTextoAtribuidoContinuaMovidoAoTeclar) {
    Sessao s;
    s.combo(1, {});
    s.campo.Mascara(13);
    s.campo.Text(u"123");
    EXPECT_EQ(s.texto(), u"000.000.001-23");
    s.form.selecionar(0, 14);
    s.form.teclar(u"4");
    EXPECT_EQ(s.texto(), u"000.000.000-04");
}

TEST(Formatacao, ValorSemMascara) {
    struct Caso {
        int32_t mascara;
        std::u16string atribuido;
        std::u16string clip;
        std::u16string ponto;
    };
    // clang-format off
    const Caso casos[] = {
        {1, u"1234,56", u"1234,56", u"1234.56"}, {1, u"-0,5", u"-0,5", u"-0.5"},
        {2, u"1234", u"1234", u"1234"},  // no comma: returned as it is
        {0, u"abc", u"abc", u"abc"},     {0, u"", u"0", u"0"},    {3, u"", u"0", u"0"},
        {11, u"112345678", u"112345678", u"112345678"},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::to_string(c.mascara) + " " + em_utf8(c.atribuido));
        Sessao s;
        s.campo.Mascara(c.mascara);
        s.campo.Text(c.atribuido);
        EXPECT_EQ(s.campo.ClipText(), c.clip);
        EXPECT_EQ(s.campo.ClipTextPonto(), c.ponto);
    }
}

// ---- Guards and nesting ----------------------------------------------------------------

TEST(Guardas, BackspaceNaoReformataNemAvisa) {
    Sessao s;
    s.campo.Mascara(3);
    s.form.teclar(u"12");
    EXPECT_EQ(s.texto(), u"12/");
    s.esquecer();
    s.form.tecla(Tecla::Backspace);
    EXPECT_EQ(s.texto(), u"12");  // formatting would have put the "/" back
    EXPECT_EQ(s.eventos(), (Eventos{u"KeyDown(8,0)", u"KeyPress(8)", u"KeyUp(8,0)"}));
    EXPECT_FALSE(s.campo.estado().blnEscrevendo);
    // Until the next key, a paste is neither formatted nor reported.
    s.form.colar(u"34");
    EXPECT_EQ(s.texto(), u"1234");
    EXPECT_FALSE(s.ouviu(u"Change"));
    s.form.teclar(u"5");
    EXPECT_EQ(s.texto(), u"12/34/5");
    EXPECT_EQ(s.quantos(u"Change"), 1);
}

TEST(Guardas, BackspaceComSelecaoApagaUmAMais) {
    Sessao s;
    s.campo.Mascara(3);
    s.campo.Text(u"31122003");
    s.form.selecionar(3, 2);
    s.esquecer();
    s.form.tecla(Tecla::Backspace);
    EXPECT_EQ(s.texto(), u"31/2003");
    EXPECT_FALSE(s.ouviu(u"Change"));
}

TEST(Guardas, TextoAtribuidoDepoisDeBackspaceEFormatado) {
    Sessao s;
    s.campo.Mascara(3);
    s.form.teclar(u"12");
    s.form.tecla(Tecla::Backspace);
    s.esquecer();
    s.campo.Text(u"1234");
    EXPECT_EQ(s.texto(), u"12/34");
    EXPECT_EQ(s.quantos(u"Change"), 1);
}

TEST(Guardas, CursorAlemDe16BitsEstoura) {
    Sessao s;
    s.campo.Mascara(2);
    s.esquecer();
    const std::u16string longo(32768, u'1');
    EXPECT_EQ(numero_de([&] { s.campo.Text(longo); }), numero_erro::Estouro);
    EXPECT_EQ(s.texto(), longo);  // written, never formatted
    EXPECT_TRUE(s.avisos().empty());
}

TEST(Guardas, ChangeDoHospedeiroQueAtribuiTextoReentra) {
    Sessao s;
    s.campo.Mascara(3);
    s.esquecer();
    bool feito = false;
    s.form.hospedeiro.tratadores.Change = [&] {
        if (feito) return;
        feito = true;
        s.campo.Text(u"25122003");
    };
    s.form.teclar(u"1");
    EXPECT_EQ(s.texto(), u"25/12/2003");
    EXPECT_EQ(s.cursor(), 10);
    EXPECT_EQ(s.quantos(u"Change"), 2);
    EXPECT_EQ(s.avisos(), Eventos{u"Text"});
}

TEST(Guardas, SinalDeixadoPorChamadaDiretaFazOProximoChangePular) {
    Sessao s;
    s.campo.Mascara(3);
    Formatar f;
    std::u16string data = u"3112";
    EXPECT_EQ(f.DdMmAaaa(data), u"31/12");
    ASSERT_EQ(SeparadorInserido, 1);
    s.form.teclar(u"12");
    EXPECT_EQ(s.texto(), u"12");
    EXPECT_FALSE(s.ouviu(u"Change"));
    SeparadorInserido = 0;
    s.form.teclar(u"3");
    EXPECT_EQ(s.texto(), u"12/3");
}

TEST(Guardas, DoisControlesNaMesmaLinhaDividemOSinal) {
    Sessao a;
    Sessao b;
    a.campo.Mascara(3);
    b.campo.Mascara(3);
    a.form.focar();
    // a's pass fails right after its formatter raised the flag: nobody lowers it.
    a.form.txtCombo.falhas().falhar("SelStart=", 2, 1001);
    EXPECT_EQ(numero_de([&] { a.form.teclar(u"12"); }), 1001);
    EXPECT_EQ(a.texto(), u"12/");
    b.form.teclar(u"12");
    EXPECT_EQ(b.texto(), u"12");
    EXPECT_FALSE(b.ouviu(u"Change"));
}

}  // namespace
}  // namespace pjtCampoVivo
