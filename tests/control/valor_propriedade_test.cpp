// Reading a property-bag value as the type its target needs: what a form saved with one
// type (or by an older writer) loads as.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/sessao_headless.hpp"
#include "toolkit/valor_propriedade.hpp"

namespace pjtCampoVivo {
namespace {

using teste::numero_de;

TEST(ValorPropriedade, ConverteParaOTipoDoAlvo) {
    struct Caso {
        const char* nome;
        ValorPropriedade valor;
        std::function<void(const ValorPropriedade&)> conferir;
    };
    const Caso casos[] = {
        {"int32 in range to 16 bits", int32_t{-32768},
         [](const auto& v) { EXPECT_EQ(v.como_int16(), -32768); }},
        {"double half to even", 2.5, [](const auto& v) { EXPECT_EQ(v.como_int16(), 2); }},
        {"double 3.5 to even", 3.5, [](const auto& v) { EXPECT_EQ(v.como_int32(), 4); }},
        {"True reads -1", true, [](const auto& v) { EXPECT_EQ(v.como_int32(), -1); }},
        {"numeric string", u" 12 ", [](const auto& v) { EXPECT_EQ(v.como_int16(), 12); }},
        {"number to boolean", int16_t{2}, [](const auto& v) { EXPECT_TRUE(v.como_bool()); }},
        {"zero to boolean", 0.0, [](const auto& v) { EXPECT_FALSE(v.como_bool()); }},
        {"word to boolean", u"Falso", [](const auto& v) { EXPECT_FALSE(v.como_bool()); }},
        {"colour from signed bits", int32_t{-2147483643},
         [](const auto& v) { EXPECT_EQ(v.como_cor(), 0x80000005u); }},
        {"colour from a large number", 2147483656.0,
         [](const auto& v) { EXPECT_EQ(v.como_cor(), 0x80000008u); }},
        {"integer as text", int32_t{42}, [](const auto& v) { EXPECT_EQ(v.como_texto(), u"42"); }},
        {"double as text", 0.5, [](const auto& v) { EXPECT_EQ(v.como_texto(), u"0,5"); }},
        {"16-bit as double", int16_t{100},
         [](const auto& v) { EXPECT_EQ(v.como_double(), 100.0); }},
        {"nothing as a picture", Nada{},
         [](const auto& v) { EXPECT_EQ(v.como_figura(), Figura{}); }},
        {"nothing as text", Nada{}, [](const auto& v) { EXPECT_EQ(v.como_texto(), u""); }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        c.conferir(c.valor);
    }
}

TEST(ValorPropriedade, RecusaOQueNaoCabeOuNaoConverte) {
    struct Caso {
        const char* nome;
        std::function<void()> ler;
        int32_t numero;
    };
    const Caso casos[] = {
        {"32768 to 16 bits", [] { (void)ValorPropriedade(int32_t{32768}).como_int16(); },
         numero_erro::Estouro},
        {"1e10 to 32 bits", [] { (void)ValorPropriedade(1e10).como_int32(); },
         numero_erro::Estouro},
        {"colour beyond 32 bits", [] { (void)ValorPropriedade(5e9).como_cor(); },
         numero_erro::Estouro},
        {"text that is no number", [] { (void)ValorPropriedade(u"doze").como_int32(); },
         numero_erro::ArgumentoInvalido},
        {"font as a number", [] { (void)ValorPropriedade(Fonte{}).como_int16(); },
         numero_erro::ArgumentoInvalido},
        {"text as a font", [] { (void)ValorPropriedade(u"Arial").como_fonte(); },
         numero_erro::ArgumentoInvalido},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(numero_de(c.ler), c.numero);
    }
}

}  // namespace
}  // namespace pjtCampoVivo
