// UF in the control: a mask 15 field of a known unit shapes, raises and checks by the unit's
// rules; with UF empty or unknown it is the field it always was.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/formatting/formatacao.hpp>
#include <pjtcampovivo/validation/checagem_saida.hpp>
#include <pjtcampovivo/validation/inscricao_estadual.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

using teste::Sessao;
using teste::utf8;
using R = Comuns::ResultadoInscricaoEstadual;

constexpr int32_t Inscricao = valor(eMascara::InscricaoEstadual);

void preparar(Sessao& s, std::u16string_view uf) {
    s.campo.Mascara(Inscricao);
    s.campo.UF(uf);
    s.esquecer();
}

std::u16string u16(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

std::size_t digitos(std::u16string_view t) {
    std::size_t n = 0;
    for (const char16_t c : t) n += c >= u'0' && c <= u'9';
    return n;
}

// The most digits a unit's shapes hold.
std::size_t cabem(std::u16string_view uf) {
    std::size_t n = 0;
    for (const auto molde : Comuns::MoldesInscricaoEstadual(uf)) n = std::max(n, digitos(molde));
    return n;
}

// Every published example assigned to a field and left: the message comes exactly for the
// invalid ones. A number with characters the field drops, or with more digits than the
// unit's shapes hold, cannot stand in the field as written; for those the message follows
// what the field shows.
TEST(InscricaoEstadual, ExemplosNaSaidaDoCampo) {
    std::ifstream tsv(CAMPOVIVO_IE_EXEMPLOS);
    ASSERT_TRUE(tsv) << CAMPOVIVO_IE_EXEMPLOS;
    std::string linha;
    std::getline(tsv, linha);
    int como_publicado = 0;
    while (std::getline(tsv, linha)) {
        std::istringstream campos(linha);
        std::string uf8, numero8, valido;
        std::getline(campos, uf8, '\t');
        std::getline(campos, numero8, '\t');
        std::getline(campos, valido, '\t');
        const std::u16string uf = u16(uf8), numero = u16(numero8);
        SCOPED_TRACE(uf8 + " " + numero8);
        Sessao s;
        preparar(s, uf);
        s.form.focar();
        s.campo.Text(numero);
        const std::u16string mostrado = s.texto();
        s.form.sair();
        const bool cabe =
            Comuns::VerificarInscricaoEstadual(numero, uf) != R::CaracteresInvalidos &&
            digitos(numero) <= cabem(uf);
        const bool recusado = cabe ? valido == "0" : !Comuns::InscricaoEstadualValida(mostrado, uf);
        como_publicado += cabe;
        ASSERT_EQ(s.form.tela.mensagens.size(), recusado ? 1u : 0u) << utf8(mostrado);
        if (!recusado) {
            EXPECT_EQ(s.texto(), mostrado);
            EXPECT_EQ(s.campo.ClipText(), Comuns::ExtrairInscricaoEstadual(mostrado, uf));
            continue;
        }
        const auto& m = s.form.tela.mensagens[0];
        EXPECT_EQ(m.prompt, u"A inscrição estadual esta preenchida incorretamente para " + uf +
                                u", faça como no exemplo: " + Comuns::ExemploInscricaoEstadual(uf));
        EXPECT_EQ(m.titulo, u"Inscrição estadual informada incorretamente");
        EXPECT_EQ(m.codigo, CodigoMensagemCritica);
        EXPECT_EQ(s.texto(), u"");  // the space the check leaves, as the field shapes it
    }
    // 48 published numbers are too long for their unit, or hold a letter the field drops.
    EXPECT_EQ(como_publicado, 594);
}

// Each unit's example typed key by key: after every key the field shows what the engine
// shapes for the text so far, the flag never stays raised, and leaving it passes.
TEST(InscricaoEstadual, DigitadoEmCadaUnidade) {
    for (const std::u16string_view uf : Comuns::SiglasUF()) {
        const std::u16string exemplo = Comuns::ExemploInscricaoEstadual(uf);
        const std::u16string teclas = Comuns::ExtrairInscricaoEstadual(exemplo, uf);
        SCOPED_TRACE(utf8(uf) + " " + utf8(exemplo));
        Sessao s;
        preparar(s, uf);
        std::u16string esperado;
        for (const char16_t c : teclas) {
            s.form.teclar(std::u16string(1, c));
            esperado = formatar_inscricao_estadual_uf(esperado + c, uf).texto;
            ASSERT_EQ(s.texto(), esperado);
            EXPECT_EQ(s.cursor(), static_cast<int32_t>(esperado.size()));
        }
        EXPECT_EQ(s.texto(), exemplo);
        EXPECT_EQ(s.campo.ClipText(), teclas);
        s.form.sair();
        EXPECT_TRUE(s.form.tela.mensagens.empty());
    }
}

// The letters a registration field keeps are capitals whatever CapsLockMixed says; P only
// for SP. In a combo style nothing is checked on leaving.
TEST(InscricaoEstadual, LetrasECombo) {
    const struct {
        std::u16string_view uf;
        std::u16string_view teclas;
        std::u16string_view mostrado;
        std::u16string_view clip;
        bool maiusculas;  // every letter reaches the host's KeyPress as a capital
    } casos[] = {
        {u"RJ", u"isento", u"ISENTO", u"ISENTO", true},
        {u"RJ", u"IsEn", u"ISEN", u"0", true},
        {u"SP", u"p011004243002", u"P-01100424.3/002", u"P011004243002", true},
        {u"BA", u"p12345663", u"123456-63", u"12345663", false},
    };
    for (const auto& c : casos) {
        for (const int32_t caixa : {0, 1}) {
            SCOPED_TRACE(utf8(c.uf) + " " + utf8(c.teclas) + " caixa " + std::to_string(caixa));
            Sessao s;
            s.campo.CapsLockMixed(caixa);
            preparar(s, c.uf);
            s.form.teclar(c.teclas);
            EXPECT_EQ(s.texto(), c.mostrado);
            EXPECT_EQ(s.campo.ClipText(), c.clip);
            if (!c.maiusculas) continue;
            for (char16_t letra = u'a'; letra <= u'z'; ++letra)
                EXPECT_EQ(s.quantos(u"KeyPress(" + teste::texto_de(letra) + u")"), 0);
        }
    }
    Sessao combo;
    preparar(combo, u"SP");
    combo.combo(valor(eEstilo::ComboBoxLookUpComDigAdicional), {});
    combo.form.focar();
    combo.form.teclar(u"110042490115");
    EXPECT_EQ(combo.texto(), u"110.042.490.115");
    combo.form.sair();
    EXPECT_TRUE(combo.form.tela.mensagens.empty());
}

// Setting UF shapes the number already there in the new unit's shape, as an assignment of
// that shape would: one Change, the notice of UF before the one of Text.
TEST(InscricaoEstadual, TrocarAUnidadeMoldaDeNovo) {
    Sessao s;
    preparar(s, u"");
    s.form.teclar(u"12345663");
    EXPECT_EQ(s.texto(), u"123.456-63");
    const struct {
        std::u16string_view uf;
        std::u16string_view mostrado;
    } passos[] = {{u"BA", u"123456-63"},
                  {u"SP", u"123.456.63"},
                  {u"zz", u"123.456-63"},
                  {u"ba", u"123456-63"}};
    for (const auto& p : passos) {
        SCOPED_TRACE(utf8(p.uf));
        s.esquecer();
        s.campo.UF(p.uf);
        EXPECT_EQ(s.texto(), p.mostrado);
        EXPECT_EQ(s.avisos(), (std::vector<std::u16string>{u"UF", u"Text"}));
        EXPECT_EQ(s.quantos(u"Change"), 1);
    }
    // Over another mask the text is left alone.
    s.campo.Mascara(valor(eMascara::Numero));
    s.esquecer();
    s.campo.UF(u"SP");
    EXPECT_EQ(s.avisos(), std::vector<std::u16string>{u"UF"});
    EXPECT_TRUE(s.eventos().empty());
}

}  // namespace
}  // namespace pjtCampoVivo
