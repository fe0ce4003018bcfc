#include <pjtcampovivo/formatting/enumeracoes.hpp>

#include <array>

namespace pjtCampoVivo {

namespace {

constexpr std::array<MembroPublicado, 16> membros_mascara{{
    {0, "Texto abcdef0123"},
    {1, "DinheiroTaxa ##0,00"},
    {2, "Numero #.##0"},
    {3, "DdMmAaaa dd/mm/aaaa"},
    {4, "HhMmSs hh:mm:ss"},
    {5, "HhMm hh:mm"},
    {6, "DdMm dd/mm"},
    {7, "MmAaaa mm/aaaa"},
    {8, "Dia 00"},
    {9, "Mes 00"},
    {10, "Ano 0000"},
    {11, "Telefone ##.###-####"},
    {12, "Cep ##.###-###"},
    {13, "CNPF ###.###.###-##"},
    {14, "CNPJ ##.###.###.###/####-##"},
    {15, "InscricaoEstadual #.##0"},
}};

constexpr std::array<MembroPublicado, 10> membros_casas{{
    {0, "Sem Casa Decimal"},
    {1, "Uma 0,0"},
    {2, "Duas 0,00"},
    {3, "Tres 0,000"},
    {4, "Quatro 0,0000"},
    {5, "Cinco 0,00000"},
    {6, "Seis 0,000000"},
    {7, "Sete 0,0000000"},
    {8, "Oito 0,00000000"},
    {9, "Nove 0,000000000"},
}};

constexpr std::array<MembroPublicado, 2> membros_negativo{{
    {0, "NumeroNormal"},
    {1, "NumeroNegativo"},
}};

constexpr std::array<MembroPublicado, 2> membros_entrada{{
    {0, "eeteclado"},
    {1, "eeMove"},
}};

constexpr std::array<MembroPublicado, 3> membros_estilo{{
    {0, "TextBox"},
    {1, "ComboBoxLookUpComDigAdicional"},
    {2, "ComboBoxLookUpAteLimiteDados"},
}};

constexpr std::array<MembroPublicado, 3> membros_alinhamento{{
    {0, "Esquerda"},
    {1, "Direita"},
    {2, "Centralizado"},
}};

constexpr std::array<MembroPublicado, 3> membros_caixa{{
    {0, "CaseMixed"},
    {1, "LowerCase"},
    {2, "UpperCase"},
}};

constexpr std::array<MembroPublicado, 2> membros_nao_sim{{
    {0, "Nao"},
    {1, "sim"},
}};

constexpr std::array<MembroPublicado, 4> membros_modulo{{
    {0, "ModuloNumeroTodo"},
    {1, "ModuloParteInteira"},
    {2, "ModuloParteDecimal"},
    {3, "MantemZeros"},
}};

constexpr std::array<EnumeracaoPublicada, 9> tabela{{
    {"eMascara", membros_mascara},
    {"eQuantidadeCasasDecimais", membros_casas},
    {"eTratarComoNegativo", membros_negativo},
    {"eEntradaDe", membros_entrada},
    {"eEstilo", membros_estilo},
    {"eAlinhamento", membros_alinhamento},
    {"eCapsLockMixed", membros_caixa},
    {"eNaoSim", membros_nao_sim},
    {"eTipoModulo", membros_modulo},
}};

}  // namespace

std::optional<std::string_view> EnumeracaoPublicada::nome_de(int32_t v) const noexcept {
    for (const auto& m : membros) {
        if (m.valor == v) return m.nome;
    }
    return std::nullopt;
}

std::optional<int32_t> EnumeracaoPublicada::valor_de(std::string_view n) const noexcept {
    for (const auto& m : membros) {
        if (m.nome == n) return m.valor;
    }
    return std::nullopt;
}

std::span<const EnumeracaoPublicada> enumeracoes_publicadas() noexcept {
    return tabela;
}

const EnumeracaoPublicada* enumeracao_publicada(std::string_view nome) noexcept {
    for (const auto& e : tabela) {
        if (e.nome == nome) return &e;
    }
    return nullptr;
}

}  // namespace pjtCampoVivo
