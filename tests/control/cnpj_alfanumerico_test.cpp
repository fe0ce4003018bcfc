// CNPJAlfanumerico in the control: on takes capitals whatever the box and case setting, and
// gives the fourteen characters as plain value. Saved only when on.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

using teste::BolsaMapa;
using teste::Sessao;

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

// What the control adds to the plain value: an empty field gives "0", like any other mask.
// Shaping and the exit check with letters are in the engine tests and the CNPJ script.
TEST(CNPJAlfanumerico, AtribuidoEValorPlano) {
    Sessao s;
    preparar(s, Sim);
    s.campo.Text(u"e08g12");
    EXPECT_EQ(s.texto(), u"00.000.000/E08G-12");
    EXPECT_EQ(s.campo.ClipText(), u"00000000E08G12");
    s.campo.Text(u"");
    EXPECT_EQ(s.campo.ClipText(), u"0");
}

// Off is never written (old forms unchanged); on is a nineteenth key holding a 32-bit value
// over a 16-bit default, the types a stored form keeps. Loading it is in the CNPJ script.
TEST(CNPJAlfanumerico, GravadoSoQuandoLigado) {
    Sessao nova, ligado;
    ligado.campo.CNPJAlfanumerico(Sim);
    BolsaMapa de_nova, com_chave;
    nova.campo.WriteProperties(de_nova);
    ligado.campo.WriteProperties(com_chave);
    ASSERT_EQ(com_chave.escritas.size(), de_nova.escritas.size() + 1);
    EXPECT_EQ(std::vector(com_chave.escritas.begin(), com_chave.escritas.end() - 1),
              de_nova.escritas);
    EXPECT_EQ(com_chave.escritas.back(),
              (BolsaMapa::Escrita{u"CNPJAlfanumerico", int32_t{1}, int16_t{0}}));
}

}  // namespace
}  // namespace pjtCampoVivo
