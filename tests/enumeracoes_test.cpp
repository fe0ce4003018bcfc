// The published enumerations and the per-mask settings: names exactly as published, both
// ways, and every mask's example value surviving its own formatting.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "formatting/enumeracoes.hpp"
#include "formatting/mascaras.hpp"
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

TEST(Enumeracoes, AsNovePublicadasEmOrdem) {
    const struct {
        std::string_view nome;
        std::size_t membros;
    } esperadas[] = {
        {"eMascara", 16},
        {"eQuantidadeCasasDecimais", 10},
        {"eTratarComoNegativo", 2},
        {"eEntradaDe", 2},
        {"eEstilo", 3},
        {"eAlinhamento", 3},
        {"eCapsLockMixed", 3},
        {"eNaoSim", 2},
        {"eTipoModulo", 4},
    };
    const auto todas = enumeracoes_publicadas();
    ASSERT_EQ(todas.size(), std::size(esperadas));
    for (std::size_t i = 0; i < todas.size(); ++i) {
        SCOPED_TRACE(esperadas[i].nome);
        EXPECT_EQ(todas[i].nome, esperadas[i].nome);
        ASSERT_EQ(todas[i].membros.size(), esperadas[i].membros);
        EXPECT_EQ(enumeracao_publicada(esperadas[i].nome), &todas[i]);
        for (std::size_t v = 0; v < todas[i].membros.size(); ++v) {
            EXPECT_EQ(todas[i].membros[v].valor, static_cast<int32_t>(v));  // in value order
        }
    }
    EXPECT_EQ(enumeracao_publicada("eMascaras"), nullptr);
    EXPECT_EQ(enumeracao_publicada(""), nullptr);
}

TEST(Enumeracoes, NomesPublicadosNosDoisSentidos) {
    const struct {
        std::string_view enumeracao;
        std::string_view membro;
        int32_t valor;
    } linhas[] = {
        {"eMascara", "Texto abcdef0123", 0},
        {"eMascara", "DinheiroTaxa ##0,00", 1},
        {"eMascara", "CNPJ ##.###.###.###/####-##", 14},
        {"eQuantidadeCasasDecimais", "Sem Casa Decimal", 0},
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
    // What each mask sets is checked through the control's Mascara.
    EXPECT_FALSE(configuracao_mascara(16).has_value());
    EXPECT_FALSE(configuracao_mascara(-1).has_value());
}

}  // namespace
}  // namespace pjtCampoVivo
