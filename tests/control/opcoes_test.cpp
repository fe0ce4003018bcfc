// The settings a form may leave off: TelefoneDDD, CNPJAlfanumerico, UF, PesquisarNovamente.
// Off (or set where they do not apply) the field is exactly what it always was, and a form
// that never used them is saved as before. Typing, exit checks and loading are in the
// telephone, CNPJ and registration session scripts, replayed on both toolkits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
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
constexpr int32_t CNPJ = valor(eMascara::CNPJ);

// Each setting against the plain field of its mask: the same text, plain value, length,
// events and messages for every input, typed or assigned.
TEST(Opcoes, DesligadasComoAntes) {
    const std::u16string entradas[] = {
        u"1234",        u"12345",         u"(11) 2345-6789",    u"abc",
        u"11912345678", u"08001234567",   u"+55 11 91234-5678", u"110042490114",
        u"isento",      u"p011004243002", u"12.345.678/0001-95"};
    const struct {
        int32_t mascara;
        bool telefone;  // TelefoneDDD on (and off again over mask 11), else UF set
        std::u16string_view uf;
    } campos[] = {{Telefone, true, u""},     {valor(eMascara::Cep), true, u""},
                  {CNPJ, true, u""},         {Inscricao, false, u""},
                  {Inscricao, false, u"XX"}, {Inscricao, false, u"S"},
                  {CNPJ, false, u"SP"},      {valor(eMascara::Numero), false, u"SP"}};
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
                EXPECT_EQ(com.texto(), antes.texto());
                EXPECT_EQ(com.campo.ClipText(), antes.campo.ClipText());
                EXPECT_EQ(com.campo.MaxLength(), antes.campo.MaxLength());
                EXPECT_EQ(com.eventos(), antes.eventos());
                EXPECT_EQ(com.form.tela.mensagens.size(), antes.form.tela.mensagens.size());
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
    EXPECT_EQ(s.campo.MaxLength(), 15);
    EXPECT_EQ(s.avisos(), (std::vector<std::u16string>{u"MaxLength", u"TelefoneDDD"}));
    s.campo.MaxLength(12);
    s.campo.Mascara(Telefone);
    EXPECT_EQ(s.campo.MaxLength(), 15);
    s.campo.TelefoneDDD(2);  // any value but sim is off, as everywhere eNaoSim is read
    EXPECT_EQ(s.campo.MaxLength(), 11);
    EXPECT_EQ(s.campo.variante_em_uso(), nullptr);
}

// CNPJAlfanumerico on: letters become capitals whatever CapsLockMixed says, in either box,
// and the plain value is the fourteen characters ("0" when empty); off, they are dropped.
TEST(Opcoes, CNPJAlfanumericoLetras) {
    for (const int32_t estilo : {0, 1}) {
        for (const int32_t caixa : {0, 1, 2}) {
            SCOPED_TRACE("estilo " + std::to_string(estilo) + " caixa " + std::to_string(caixa));
            Sessao ligado, desligado, so_digitos;
            for (Sessao* s : {&ligado, &desligado, &so_digitos}) {
                s->campo.CapsLockMixed(caixa);
                s->campo.Mascara(CNPJ);
                s->campo.CNPJAlfanumerico(s == &ligado ? Sim : Nao);
                if (estilo != 0) s->combo(estilo, {});
                s->esquecer();
            }
            ligado.form.teclar(u"12abc34501De35");
            desligado.form.teclar(u"12abc34501De35");
            so_digitos.form.teclar(u"123450135");
            EXPECT_EQ(ligado.texto(), u"12.ABC.345/01DE-35");
            EXPECT_EQ(desligado.texto(), so_digitos.texto());
            EXPECT_EQ(ligado.quantos(u"KeyPress(97)"), 0);
            EXPECT_EQ(ligado.quantos(u"KeyPress(65)"), 1);
            ligado.campo.Text(u"e08g12");
            EXPECT_EQ(ligado.texto(), u"00.000.000/E08G-12");
            EXPECT_EQ(ligado.campo.ClipText(), u"00000000E08G12");
            ligado.campo.Text(u"");
            EXPECT_EQ(ligado.campo.ClipText(), u"0");
        }
    }
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
        EXPECT_EQ(lida.campo.CNPJAlfanumerico(), ligada(0) ? Sim : Nao);
        EXPECT_EQ(lida.campo.PesquisarNovamente(), ligada(1) ? Sim : Nao);
        EXPECT_EQ(lida.campo.TelefoneDDD(), ligada(2) ? Sim : Nao);
        EXPECT_EQ(lida.campo.UF(), ligada(3) ? u"SP" : u"");
        EXPECT_TRUE(lida.avisos().empty());
        EXPECT_TRUE(lida.eventos().empty());
    }
    Sessao nova;
    nova.campo.PesquisarNovamente(Sim);
    EXPECT_EQ(nova.avisos(), std::vector<std::u16string>{u"PesquisarNovamente"});
}

}  // namespace
}  // namespace pjtCampoVivo
