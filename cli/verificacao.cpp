#include "cli/verificacao.hpp"

#include <array>
#include <string>

#include "validation/comuns.hpp"
#include "validation/data_hora.hpp"

namespace pjtCampoVivo::cli {

namespace {

// The document checks look at the digits alone, so a formatted number is checked as such.
bool cpf_valido(std::u16string_view texto) {
    int32_t negativo = 0;
    return Comuns::CPFValido(Comuns::ExtrairDigitos(texto, 13, negativo));
}

bool cnpj_valido(std::u16string_view texto) {
    int32_t negativo = 0;
    return Comuns::CNPJValido(Comuns::ExtrairDigitos(texto, 14, negativo));
}

// The texts are the ones users have always seen, unaccented words included.
constexpr std::array<VerificacaoSaida, 8> verificacoes{{
    {3, DataHora::DdMmAaaaValido,
     "A data esta preenchida incorretamente, faça como no exemplo: 25/12/2003",
     "Data informada incorretamente"},
    {6, DataHora::DdMmValido,
     "O dia/mês estão preenchidos incorretamente, faça como no exemplo: 05/09 (dia cinco do "
     "mês nove)",
     "O dia/mês informado incorretamente"},
    {7, DataHora::MmAaaaValido,
     "O mês/ano estão preenchidos incorretamente, faça como no exemplo: 07/2003 (mês de 2003)",
     "O mês/ano informados incorretamente"},
    {8, DataHora::DiaValido,
     "O dia esta preenchido incorretamente, faça como no exemplo: 08 (dia oito)",
     "O dia informado incorretamente"},
    {9, DataHora::MesValido,
     "O mês esta preenchido incorretamente, faça como no exemplo: 06 (mês seis)",
     "O mes informado incorretamente"},
    {10, DataHora::AnoValido,
     "O ano esta preenchido incorretamente, faça como no exemplo: 2003 (ano de 2003)",
     "O ano informado incorretamente"},
    {13, cpf_valido, "O CPF esta preenchido incorretamente.", "CPF informada incorretamente"},
    {14, cnpj_valido, "O CGC esta preenchido incorretamente.", "CGC informada incorretamente"},
}};

}  // namespace

const VerificacaoSaida* verificacao_de(int32_t mascara) noexcept {
    for (const auto& v : verificacoes) {
        if (v.mascara == mascara) return &v;
    }
    return nullptr;
}

}  // namespace pjtCampoVivo::cli
