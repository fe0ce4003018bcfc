// Reading a property-bag value as the type its target needs: what a form saved with one
// type (or by an older writer) loads as.
#include <gtest/gtest.h>

#include <string>

#include <pjtcampovivo/toolkit/valor_propriedade.hpp>
#include "support/sessao_headless.hpp"

namespace pjtCampoVivo {
namespace {

using teste::numero_de;
using V = ValorPropriedade;

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
