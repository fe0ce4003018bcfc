#include <pjtcampovivo/formatting/mascaras.hpp>

#include <array>

namespace pjtCampoVivo {

namespace {

constexpr int32_t esquerda = 0;
constexpr int32_t direita = 1;

constexpr std::array<ConfiguracaoMascara, 16> tabela{{
    {0, 40, 0, esquerda, u"Texto livre"},
    {1, 22, 2, direita, u"1.234,56"},
    {2, 22, 0, direita, u"1.234.567"},
    {3, 10, 0, esquerda, u"25/12/2003"},
    {4, 8, 0, esquerda, u"23:59:58"},
    {5, 5, 0, esquerda, u"23:59"},
    {6, 5, 0, esquerda, u"05/09"},
    {7, 7, 0, esquerda, u"07/2003"},
    {8, 2, 0, esquerda, u"08"},
    {9, 2, 0, esquerda, u"06"},
    {10, 4, 0, esquerda, u"2003"},
    {11, 11, 0, esquerda, u"12.345-6789"},
    {12, 10, 0, esquerda, u"01.310-100"},
    {13, 14, 0, esquerda, u"123.456.789-09"},
    {14, 22, 0, esquerda, u"12.345.678/0001-95"},
    {15, 22, 0, direita, u"1.234.567-89"},
}};

constexpr std::array<VarianteMascara, 2> variantes{{
    {14, u"CNPJAlfanumerico", 22, u"12.ABC.345/01DE-35"},
    {11, u"TelefoneDDD", 15, u"(11) 91234-5678"},
}};

}  // namespace

std::span<const VarianteMascara> variantes_mascara() noexcept {
    return variantes;
}

const VarianteMascara* variante_mascara(std::u16string_view ajuste) noexcept {
    for (const auto& v : variantes) {
        if (v.ajuste == ajuste) return &v;
    }
    return nullptr;
}

std::optional<ConfiguracaoMascara> configuracao_mascara(int32_t mascara) noexcept {
    if (mascara < 0 || mascara >= static_cast<int32_t>(tabela.size())) return std::nullopt;
    return tabela[static_cast<std::size_t>(mascara)];
}

}  // namespace pjtCampoVivo
