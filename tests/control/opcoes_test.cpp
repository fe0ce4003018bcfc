// The settings a form may leave off: TelefoneDDD, CNPJAlfanumerico, UF, PesquisarNovamente.
// Off (or set where they do not apply) the field is exactly what it always was, and a form
// that never used them is saved as before. With UF naming a unit, a mask 15 field shapes,
// raises and checks by the unit's rules. Typing, exit checks and loading are also in the
// telephone, CNPJ and registration session scripts, replayed on both toolkits; the CNPJ's
// letters are pinned there and by the engine alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/formatting/formatacao.hpp>
#include <pjtcampovivo/validation/checagem_saida.hpp>
#include <pjtcampovivo/validation/inscricao_estadual.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

using teste::BolsaMapa;
using teste::Sessao;
using teste::utf8;

constexpr int32_t Nao = valor(eNaoSim::Nao);
constexpr int32_t Sim = valor(eNaoSim::sim);
constexpr int32_t Telefone = valor(eMascara::Telefone);
constexpr int32_t Inscricao = valor(eMascara::InscricaoEstadual);
using R = Comuns::ResultadoInscricaoEstadual;

// Each setting against the plain field of its mask: the same text, plain value, length,
// events and messages for every input, typed or assigned.
TEST(Opcoes, DesligadasComoAntes) {
    const std::u16string entradas[] = {
        u"12345", u"(11) 2345-6789", u"abc", u"+55 11 91234-5678", u"110042490114", u"isento"};
    const struct {
        int32_t mascara;
        bool telefone;  // TelefoneDDD on (and off again over mask 11), else UF set
        std::u16string_view uf;
    } campos[] = {{Telefone, true, u""},
                  {valor(eMascara::Cep), true, u""},
                  {Inscricao, false, u""},
                  {Inscricao, false, u"XX"},
                  {valor(eMascara::Numero), false, u"SP"}};
    for (const auto& c : campos) {
        for (const auto& entrada : entradas) {
            for (const bool atribuido : {false, true}) {
                SCOPED_TRACE(utf8(entrada) + " mask " + std::to_string(c.mascara) +
                             (c.telefone ? " TelefoneDDD" : " UF " + utf8(c.uf)) +
                             (atribuido ? " assigned" : " typed"));
                Sessao antes, com;
                antes.campo.Mascara(c.mascara);
                com.campo.Mascara(c.mascara);
                if (!c.telefone) com.campo.UF(c.uf);
                if (c.telefone) com.campo.TelefoneDDD(Sim);
                if (c.telefone && c.mascara == Telefone) com.campo.TelefoneDDD(Nao);
                for (Sessao* s : {&antes, &com}) {
                    s->esquecer();
                    if (atribuido) {
                        s->campo.Text(entrada);
                    } else {
                        s->form.teclar(entrada);
                    }
                    s->form.sair();
                }
                const auto visto = [](Sessao& v) {
                    return std::tuple(v.texto(), v.campo.ClipText(), v.campo.MaxLength(),
                                      v.eventos(), v.form.tela.mensagens.size());
                };
                EXPECT_EQ(visto(com), visto(antes));
                EXPECT_EQ(com.campo.UF(), c.uf);
            }
        }
    }
}

// TelefoneDDD sets the length only over mask 11, through the MaxLength setter (whose notice
// comes first); a MaxLength chosen after it stays until the setting changes again.
TEST(Opcoes, TelefoneDDDDaOComprimento) {
    Sessao s;
    s.campo.Mascara(Telefone);
    s.campo.MaxLength(20);
    s.esquecer();
    s.campo.TelefoneDDD(Sim);
    EXPECT_EQ(std::tuple(s.campo.MaxLength(), s.avisos()),
              std::tuple(15, std::vector<std::u16string>{u"MaxLength", u"TelefoneDDD"}));
    s.campo.MaxLength(12);
    s.campo.Mascara(Telefone);
    EXPECT_EQ(s.campo.MaxLength(), 15);
    s.campo.TelefoneDDD(2);  // any value but sim is off, as everywhere eNaoSim is read
    EXPECT_EQ(std::tuple(s.campo.MaxLength(), s.campo.variante_em_uso()), std::tuple(11, nullptr));
}

// Each setting is written after the eighteen only when on, in a fixed order, a 32-bit value
// over a 16-bit default (UF as text); loading sets them without a notice or a Change.
TEST(Opcoes, GravadasSoQuandoLigadas) {
    BolsaMapa padrao;
    Sessao().campo.WriteProperties(padrao);
    ASSERT_EQ(padrao.escritas.size(), 18u);
    const BolsaMapa::Escrita chaves[] = {{u"CNPJAlfanumerico", int32_t{1}, int16_t{0}},
                                         {u"PesquisarNovamente", int32_t{1}, int16_t{0}},
                                         {u"TelefoneDDD", int32_t{1}, int16_t{0}},
                                         {u"UF", std::u16string(u"SP"), std::u16string()}};
    for (unsigned ligadas = 0; ligadas < 16; ++ligadas) {
        SCOPED_TRACE(ligadas);
        const auto ligada = [&](unsigned i) { return (ligadas >> i & 1u) != 0; };
        Sessao s;
        s.campo.CNPJAlfanumerico(ligada(0) ? Sim : Nao);
        s.campo.PesquisarNovamente(ligada(1) ? Sim : Nao);
        s.campo.TelefoneDDD(ligada(2) ? Sim : Nao);
        s.campo.UF(ligada(3) ? u"SP" : u"");
        BolsaMapa bolsa;
        s.campo.WriteProperties(bolsa);
        std::vector<BolsaMapa::Escrita> esperadas = padrao.escritas;
        for (unsigned i = 0; i < 4; ++i)
            if (ligada(i)) esperadas.push_back(chaves[i]);
        EXPECT_EQ(bolsa.escritas, esperadas);

        Sessao lida;  // values a bag without the keys must overwrite
        lida.campo.Mascara(Inscricao);
        lida.campo.Text(u"12345663");
        lida.campo.CNPJAlfanumerico(Sim + 1);
        lida.campo.PesquisarNovamente(Sim + 1);
        lida.campo.UF(u"BA");
        lida.esquecer();
        bolsa.valores.insert_or_assign(u"Mascara", int16_t{15});
        lida.campo.ReadProperties(bolsa);
        EXPECT_EQ(std::tuple(lida.campo.CNPJAlfanumerico(), lida.campo.PesquisarNovamente(),
                             lida.campo.TelefoneDDD(), lida.campo.UF()),
                  std::tuple(ligada(0) ? Sim : Nao, ligada(1) ? Sim : Nao, ligada(2) ? Sim : Nao,
                             ligada(3) ? u"SP" : u""));
        EXPECT_EQ(std::tuple(lida.avisos().size(), lida.eventos().size()), std::tuple(0u, 0u));
    }
}

void preparar(Sessao& s, std::u16string_view uf) {
    s.campo.Mascara(Inscricao);
    s.campo.UF(uf);
    s.esquecer();
}

std::size_t digitos(std::u16string_view t) {
    return static_cast<std::size_t>(
        std::count_if(t.begin(), t.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; }));
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
        std::string uf8, numero8, valido;
        std::istringstream(linha) >> uf8 >> numero8 >> valido;  // no field holds a blank
        const std::u16string uf(uf8.begin(), uf8.end()), numero(numero8.begin(), numero8.end());
        SCOPED_TRACE(linha);
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
            EXPECT_EQ(std::tuple(s.texto(), s.campo.ClipText()),
                      std::tuple(mostrado, Comuns::ExtrairInscricaoEstadual(mostrado, uf)));
            continue;
        }
        const auto& m = s.form.tela.mensagens[0];
        EXPECT_EQ(
            std::tuple(m.prompt, m.titulo, m.codigo),
            std::tuple(u"A inscrição estadual esta preenchida incorretamente para " + uf +
                           u", faça como no exemplo: " + Comuns::ExemploInscricaoEstadual(uf),
                       u"Inscrição estadual informada incorretamente", CodigoMensagemCritica));
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
            esperado.push_back(c);
            esperado = formatar_inscricao_estadual_uf(esperado, uf).texto;
            ASSERT_EQ(s.texto(), esperado);
            EXPECT_EQ(s.cursor(), static_cast<int32_t>(esperado.size()));
        }
        EXPECT_EQ(std::tuple(s.texto(), s.campo.ClipText()), std::tuple(exemplo, teclas));
        s.form.sair();
        EXPECT_TRUE(s.form.tela.mensagens.empty());
    }
}

// The letters a registration field keeps are capitals whatever CapsLockMixed says; P only
// for SP. In a combo style nothing is checked on leaving.
TEST(InscricaoEstadual, LetrasECombo) {
    const struct {
        std::u16string_view uf, teclas, mostrado, clip;
        bool maiusculas;  // letters reach the host's KeyPress as capitals, else as typed
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
            EXPECT_EQ(std::tuple(s.texto(), s.campo.ClipText()), std::tuple(c.mostrado, c.clip));
            const char16_t nenhuma = c.maiusculas ? u'a' : u'A';  // no letter of that case
            for (char16_t letra = nenhuma; letra < nenhuma + 26; ++letra)
                EXPECT_EQ(s.quantos(u"KeyPress(" + teste::texto_de(letra) + u")"), 0);
        }
    }
    Sessao combo;
    preparar(combo, u"SP");
    combo.combo(valor(eEstilo::ComboBoxLookUpComDigAdicional), {});
    combo.form.focar();
    combo.form.teclar(u"110042490115");
    combo.form.sair();
    EXPECT_EQ(std::tuple(combo.texto(), combo.form.tela.mensagens.size()),
              std::tuple(u"110.042.490.115", 0u));
}

// Setting UF shapes the number already there in the new unit's shape, as an assignment of
// that shape would: one Change, the notice of UF before the one of Text.
TEST(InscricaoEstadual, TrocarAUnidadeMoldaDeNovo) {
    Sessao s;
    preparar(s, u"");
    s.form.teclar(u"12345663");
    EXPECT_EQ(s.texto(), u"123.456-63");
    const struct {
        std::u16string_view uf, mostrado;
    } passos[] = {{u"BA", u"123456-63"},
                  {u"SP", u"123.456.63"},
                  {u"zz", u"123.456-63"},
                  {u"ba", u"123456-63"}};
    for (const auto& p : passos) {
        SCOPED_TRACE(utf8(p.uf));
        s.esquecer();
        s.campo.UF(p.uf);
        EXPECT_EQ(std::tuple(s.texto(), s.avisos(), s.quantos(u"Change")),
                  std::tuple(p.mostrado, std::vector<std::u16string>{u"UF", u"Text"}, 1));
    }
    // Over another mask the text is left alone.
    s.campo.Mascara(valor(eMascara::Numero));
    s.esquecer();
    s.campo.UF(u"SP");
    EXPECT_EQ(std::tuple(s.avisos(), s.eventos()),
              std::tuple(std::vector<std::u16string>{u"UF"}, std::vector<std::u16string>{}));
}

}  // namespace
}  // namespace pjtCampoVivo
