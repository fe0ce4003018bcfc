#include <pjtcampovivo/validation/checagem_saida.hpp>

#include <array>
#include <string>
#include <utility>

#include <pjtcampovivo/validation/comuns.hpp>
#include <pjtcampovivo/validation/data_hora.hpp>
#include <pjtcampovivo/validation/inscricao_estadual.hpp>

namespace pjtCampoVivo {

namespace {

bool cpf_valido(std::u16string_view texto) {
    int32_t negativo = 0;
    return Comuns::CPFValido(Comuns::ExtrairDigitos(texto, 13, negativo));
}

bool cnpj_valido(std::u16string_view texto) {
    int32_t negativo = 0;
    return Comuns::CNPJValido(Comuns::ExtrairDigitos(texto, 14, negativo));
}

bool cnpj_alfanumerico_valido(std::u16string_view texto) {
    return Comuns::CNPJAlfanumericoValido(Comuns::ExtrairCNPJAlfanumerico(texto));
}

bool telefone_valido(std::u16string_view texto) {
    int32_t negativo = 0;
    return Comuns::TelefoneValido(Comuns::ExtrairDigitos(texto, 11, negativo));
}

// The texts are the system's own, unaccented words ("esta", "mes") included.
constexpr std::array<ChecagemSaida, 8> tabela{{
    {3, DataHora::DdMmAaaaValido,
     u"A data esta preenchida incorretamente, faça como no exemplo: 25/12/2003",
     u"Data informada incorretamente", false},
    {6, DataHora::DdMmValido,
     u"O dia/mês estão preenchidos incorretamente, faça como no exemplo: 05/09 (dia cinco do mês "
     u"nove)",
     u"O dia/mês informado incorretamente", false},
    {7, DataHora::MmAaaaValido,
     u"O mês/ano estão preenchidos incorretamente, faça como no exemplo: 07/2003 (mês de 2003)",
     u"O mês/ano informados incorretamente", false},
    {8, DataHora::DiaValido,
     u"O dia esta preenchido incorretamente, faça como no exemplo: 08 (dia oito)",
     u"O dia informado incorretamente", false},
    {9, DataHora::MesValido,
     u"O mês esta preenchido incorretamente, faça como no exemplo: 06 (mês seis)",
     u"O mes informado incorretamente", false},
    {10, DataHora::AnoValido,
     u"O ano esta preenchido incorretamente, faça como no exemplo: 2003 (ano de 2003)",
     u"O ano informado incorretamente", false},
    {13, cpf_valido, u"O CPF esta preenchido incorretamente.", u"CPF informada incorretamente",
     true},
    {14, cnpj_valido, u"O CGC esta preenchido incorretamente.", u"CGC informada incorretamente",
     true},
}};

}  // namespace

const ChecagemSaida& checagem_saida_cnpj_alfanumerico() noexcept {
    static constexpr ChecagemSaida checagem{14, cnpj_alfanumerico_valido, tabela.back().prompt,
                                            tabela.back().titulo, true};
    return checagem;
}

const ChecagemSaida& checagem_saida_telefone_ddd() noexcept {
    static constexpr ChecagemSaida checagem{
        11, telefone_valido,
        u"O telefone esta preenchido incorretamente, faça como no exemplo: (11) 91234-5678",
        u"Telefone informado incorretamente", true};
    return checagem;
}

namespace {

// One checking function per unit, since a check is a plain function of the shown text.
template <std::size_t I>
bool inscricao_valida(std::u16string_view texto) {
    return Comuns::InscricaoEstadualValida(texto, Comuns::SiglasUF()[I]);
}

// The prompts, built once on first use and kept for the views of the checks.
const std::array<std::u16string, Comuns::QuantidadeUF>& prompts_inscricao() {
    static const auto prompts = [] {
        std::array<std::u16string, Comuns::QuantidadeUF> p;
        for (std::size_t i = 0; i < Comuns::QuantidadeUF; ++i) {
            const std::u16string_view uf = Comuns::SiglasUF()[i];
            p[i] = u"A inscrição estadual esta preenchida incorretamente para ";
            p[i] += uf;
            p[i] += u", faça como no exemplo: ";
            p[i] += Comuns::ExemploInscricaoEstadual(uf);
        }
        return p;
    }();
    return prompts;
}

template <std::size_t... I>
std::array<ChecagemSaida, Comuns::QuantidadeUF> montar_checagens(std::index_sequence<I...>) {
    const auto& prompts = prompts_inscricao();
    return {ChecagemSaida{15, inscricao_valida<I>, prompts[I],
                          u"Inscrição estadual informada incorretamente", true}...};
}

}  // namespace

const ChecagemSaida* checagem_saida_inscricao_estadual(std::u16string_view uf) {
    static const auto checagens =
        montar_checagens(std::make_index_sequence<Comuns::QuantidadeUF>());
    const auto i = Comuns::IndiceUF(uf);
    return i ? &checagens[*i] : nullptr;
}

const ChecagemSaida* checagem_saida(int32_t mascara) noexcept {
    for (const auto& c : tabela) {
        if (c.mascara == mascara) return &c;
    }
    return nullptr;
}

}  // namespace pjtCampoVivo
