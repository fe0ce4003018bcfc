// CNPJAlfanumerico in the control: off behaves as plain CNPJ; on takes capitals, checks on
// leaving and gives the fourteen characters as plain value. Saved only when on.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/validation/checagem_saida.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

using teste::BolsaMapa;
using teste::Sessao;
using teste::utf8;

constexpr int32_t Nao = valor(eNaoSim::Nao);
constexpr int32_t Sim = valor(eNaoSim::sim);

void preparar(Sessao& s, int32_t alfanumerico, int32_t estilo = 0) {
    s.campo.Mascara(valor(eMascara::CNPJ));
    s.campo.CNPJAlfanumerico(alfanumerico);
    if (estilo != 0) s.combo(estilo, {});
    s.esquecer();
}

// On, letters become capitals whatever CapsLockMixed says; off, they are dropped.
TEST(CNPJAlfanumerico, DigitarLetras) {
    for (const int32_t estilo : {0, 1}) {
        for (const int32_t caixa : {0, 1, 2}) {
            SCOPED_TRACE("estilo " + std::to_string(estilo) + " caixa " + std::to_string(caixa));
            Sessao ligado, desligado, so_digitos;
            for (Sessao* s : {&ligado, &desligado, &so_digitos}) {
                s->campo.CapsLockMixed(caixa);
                preparar(*s, s == &ligado ? Sim : Nao, estilo);
            }
            ligado.form.teclar(u"12abc34501De35");
            desligado.form.teclar(u"12abc34501De35");
            so_digitos.form.teclar(u"123450135");
            EXPECT_EQ(ligado.texto(), u"12.ABC.345/01DE-35");
            EXPECT_EQ(desligado.texto(), so_digitos.texto());
            std::vector<std::u16string> letras;
            for (const auto& e : ligado.ouvidos(u"KeyPress")) {
                if (e == u"KeyPress(97)" || e == u"KeyPress(65)") letras.push_back(e);
            }
            EXPECT_EQ(letras, std::vector<std::u16string>{u"KeyPress(65)"});
        }
    }
}

// All-digit CNPJs behave the same either way; only the plain value keeps leading zeros.
TEST(CNPJAlfanumerico, NumerosDeSempre) {
    const struct {
        std::u16string digitado;
        std::u16string valor_desligado;
        std::u16string valor_ligado;
    } casos[] = {
        {u"11222333000181", u"11222333000181", u"11222333000181"},
        {u"00000000000191", u"191", u"00000000000191"},
        {u"11222333000180", u"11222333000180", u"11222333000180"},  // refused either way
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.digitado));
        Sessao ligado, desligado;
        preparar(ligado, Sim);
        preparar(desligado, Nao);
        ligado.form.teclar(c.digitado);
        desligado.form.teclar(c.digitado);
        EXPECT_EQ(ligado.texto(), desligado.texto());
        EXPECT_EQ(desligado.campo.ClipText(), c.valor_desligado);
        EXPECT_EQ(ligado.campo.ClipText(), c.valor_ligado);
        EXPECT_EQ(ligado.campo.ClipTextPonto(), c.valor_ligado);
        ligado.form.sair();
        desligado.form.sair();
        EXPECT_EQ(ligado.form.tela.mensagens.size(), desligado.form.tela.mensagens.size());
    }
}

// Engine vectors live in the engine test; here the control's Text/ClipText and exit path.
TEST(CNPJAlfanumerico, AtribuidoEConferido) {
    Sessao s;
    preparar(s, Sim);
    s.campo.Text(u"e08g12");
    EXPECT_EQ(s.texto(), u"00.000.000/E08G-12");
    EXPECT_EQ(s.campo.ClipText(), u"00000000E08G12");
    s.campo.Text(u"");
    EXPECT_EQ(s.campo.ClipText(), u"0");

    for (const bool valido : {true, false}) {
        SCOPED_TRACE(valido);
        Sessao t;
        preparar(t, Sim);
        t.form.teclar(valido ? u"12ABC34501DE35" : u"93ZB0VRYV6KA66");
        t.form.sair();
        ASSERT_EQ(t.form.tela.mensagens.size(), valido ? 0u : 1u);
        if (!valido) {
            EXPECT_EQ(t.form.tela.mensagens[0].prompt, checagem_saida(14)->prompt);
            EXPECT_EQ(t.form.tela.mensagens[0].titulo, checagem_saida(14)->titulo);
            EXPECT_EQ(t.form.foco(), &t.form.txtCombo);
        }
    }
}

// Off is never written (old forms unchanged); on is the nineteenth key; missing reads off.
TEST(CNPJAlfanumerico, Persistencia) {
    Sessao nova, ligado;
    ligado.campo.CNPJAlfanumerico(Sim);
    EXPECT_EQ(ligado.avisos(), std::vector<std::u16string>{u"CNPJAlfanumerico"});
    BolsaMapa de_nova, com_chave;
    nova.campo.WriteProperties(de_nova);
    ligado.campo.WriteProperties(com_chave);
    ASSERT_EQ(de_nova.escritas.size(), 18u);
    ASSERT_EQ(com_chave.escritas.size(), 19u);
    EXPECT_EQ(std::vector(com_chave.escritas.begin(), com_chave.escritas.end() - 1),
              de_nova.escritas);
    EXPECT_EQ(com_chave.escritas.back(),
              (BolsaMapa::Escrita{u"CNPJAlfanumerico", int32_t{1}, int16_t{0}}));

    Sessao carregada;
    carregada.campo.ReadProperties(com_chave);
    EXPECT_EQ(carregada.campo.CNPJAlfanumerico(), Sim);
    EXPECT_TRUE(carregada.avisos().empty());
    BolsaMapa sem_chave = de_nova;
    carregada.campo.ReadProperties(sem_chave);
    EXPECT_EQ(carregada.campo.CNPJAlfanumerico(), Nao);
    EXPECT_EQ(std::ranges::count(sem_chave.lidas, u"CNPJAlfanumerico"), 1);
}

}  // namespace
}  // namespace pjtCampoVivo
