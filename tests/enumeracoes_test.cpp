// Published enumeration names both ways; every mask's example survives its own formatting.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include <pjtcampovivo/formatting/enumeracoes.hpp>
#include <pjtcampovivo/formatting/mascaras.hpp>
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

TEST(Enumeracoes, NomesPublicadosNosDoisSentidos) {
    const struct {
        std::string_view enumeracao;
        std::string_view membro;
        int32_t valor;
    } linhas[] = {
        {"eMascara", "Texto abcdef0123", 0},
        {"eMascara", "CNPJ ##.###.###.###/####-##", 14},
        {"eQuantidadeCasasDecimais", "Nove 0,000000000", 9},
        {"eNaoSim", "sim", 1},
        {"eEntradaDe", "eeMove", 1},
        {"eEstilo", "ComboBoxLookUpAteLimiteDados", 2},
        {"eTipoModulo", "MantemZeros", 3},
    };
    for (const auto& l : linhas) {
        SCOPED_TRACE(std::string(l.membro));
        const auto* e = enumeracao_publicada(l.enumeracao);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->nome_de(l.valor), l.membro);
        EXPECT_EQ(e->valor_de(l.membro), l.valor);
    }
    const auto* nao_sim = enumeracao_publicada("eNaoSim");
    ASSERT_NE(nao_sim, nullptr);
    EXPECT_EQ(nao_sim->valor_de("Sim"), std::nullopt);  // names are case-sensitive
    EXPECT_EQ(nao_sim->nome_de(2), std::nullopt);
    EXPECT_EQ(enumeracao_publicada("eMascara")->valor_de("CNPJ"), std::nullopt);
    EXPECT_EQ(enumeracao_publicada("eMascaras"), nullptr);
}

TEST(Mascaras, ExemploSobreviveASuaPropriaFormatacao) {
    for (int32_t m = 0; m <= 15; ++m) {
        SCOPED_TRACE(m);
        const auto conf = configuracao_mascara(m);
        ASSERT_TRUE(conf.has_value());
        EXPECT_EQ(conf->mascara, m);
        for (int32_t origem : {0, 1}) {
            const auto c = teste::entrada(std::u16string(conf->exemplo), m, conf->max_length,
                                          conf->casas_decimais, origem);
            EXPECT_EQ(c.exibido, conf->exemplo);
        }
    }
    EXPECT_FALSE(configuracao_mascara(16).has_value());
    EXPECT_FALSE(configuracao_mascara(-1).has_value());
}

}  // namespace
}  // namespace pjtCampoVivo
