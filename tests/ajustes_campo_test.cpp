// A field's settings: which routines they choose, and the plain mask's path.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include <pjtcampovivo/formatting/formatacao.hpp>

namespace pjtCampoVivo {
namespace {

TEST(AjustesCampo, UmAjusteSoValeComSuaMascara) {
    const struct {
        int32_t mascara;
        bool alfanumerico, ddd;
        std::u16string_view uf;
        Moldagem esperada;
    } linhas[] = {
        {14, true, false, u"", Moldagem::CNPJAlfanumerico},
        {11, false, true, u"", Moldagem::TelefoneDDD},
        {15, false, false, u"ba", Moldagem::InscricaoUF},
        {15, false, false, u"XX", Moldagem::Mascara},  // an unknown unit shapes as mask 15
        {11, true, false, u"SP", Moldagem::Mascara},   // each setting belongs to one mask
        {14, false, true, u"SP", Moldagem::Mascara},
        {13, true, true, u"SP", Moldagem::Mascara},
    };
    for (const auto& l : linhas) {
        const AjustesCampo campo{l.mascara, 0, 0, l.alfanumerico, l.ddd, l.uf};
        EXPECT_EQ(campo.moldagem(), l.esperada) << l.mascara;
    }
}

TEST(AjustesCampo, CadaCaminhoDaOQueSuaRotinaDa) {
    AjustesCampo mascara{1, 2, 0, false, false, u""};
    const TextoFormatado dinheiro =
        formatar_campo_entrada(mascara, u"-1234", eEntradaDe::eeteclado);
    EXPECT_EQ(dinheiro.texto, formatar_entrada(u"-1234", eMascara::DinheiroTaxa, 50, 2).texto);
    EXPECT_TRUE(dinheiro.negativo);
    EXPECT_EQ(mascara.max_length, 50);  // 0 becomes 50, written back
    EXPECT_EQ(formatar_campo_saida(mascara, u"-1.234,56"), u"-1234,56");  // its two places

    // The variants' paths run in the CLI's formatar, saida and validar cases; an unknown unit
    // never reaches them there.
    EXPECT_EQ(checagem_saida_campo(AjustesCampo{15, 0, 20, false, false, u"XX"}), nullptr);
}

}  // namespace
}  // namespace pjtCampoVivo
