#include <pjtcampovivo/formatting/formatar.hpp>

#include <pjtcampovivo/formatting/moldes.hpp>
#include <pjtcampovivo/formatting/separador_inserido.hpp>

namespace pjtCampoVivo {

thread_local int32_t SeparadorInserido = 0;

std::u16string Formatar::FormatarTextoEntrada(std::u16string& Texto, int32_t& Mascara,
                                              int16_t& MaxLength, int32_t& QuantidadeCasasDecimais,
                                              int32_t& ENegativo, int32_t& EntradaDe) {
    std::u16string resultado;
    detail::formatar_entrada(Texto, Mascara, MaxLength, QuantidadeCasasDecimais, ENegativo,
                             EntradaDe, resultado);
    return resultado;
}

std::u16string Formatar::FormatarTextoEntrada(std::u16string& Texto, int32_t& Mascara,
                                              int16_t& MaxLength, int32_t& QuantidadeCasasDecimais,
                                              int32_t& ENegativo) {
    int32_t entrada = 0;
    return FormatarTextoEntrada(Texto, Mascara, MaxLength, QuantidadeCasasDecimais, ENegativo,
                                entrada);
}

std::u16string Formatar::FormatarTextoEntrada(std::u16string& Texto, int32_t& Mascara,
                                              int16_t& MaxLength,
                                              int32_t& QuantidadeCasasDecimais) {
    int32_t negativo = 0;
    return FormatarTextoEntrada(Texto, Mascara, MaxLength, QuantidadeCasasDecimais, negativo);
}

std::u16string Formatar::FormatarTextoEntrada(std::u16string& Texto, int32_t& Mascara,
                                              int16_t& MaxLength) {
    int32_t casas = 0;
    return FormatarTextoEntrada(Texto, Mascara, MaxLength, casas);
}

std::u16string Formatar::FormatarTextoEntrada(std::u16string& Texto, int32_t& Mascara) {
    int16_t max_length = 0;
    return FormatarTextoEntrada(Texto, Mascara, max_length);
}

std::u16string Formatar::FormatarTextoEntrada(std::u16string& Texto) {
    int32_t mascara = 0;
    return FormatarTextoEntrada(Texto, mascara);
}

std::u16string Formatar::FormatarTextoSaida(std::u16string& Texto, int32_t& Mascara,
                                            int32_t& QuantidadeCasasDecimais) {
    std::u16string resultado;
    detail::formatar_saida(Texto, Mascara, QuantidadeCasasDecimais, resultado);
    return resultado;
}

std::u16string Formatar::DinheiroTaxa(std::u16string& Texto, int32_t& Mascara,
                                      int32_t& QuantidadeCasasDecimais, int32_t& ENegativo,
                                      int32_t& /*EntradaDe: published, not used*/) {
    return DinheiroTaxa(Texto, Mascara, QuantidadeCasasDecimais, ENegativo);
}

std::u16string Formatar::DinheiroTaxa(std::u16string& Texto, int32_t& Mascara,
                                      int32_t& QuantidadeCasasDecimais, int32_t& ENegativo) {
    std::u16string resultado;
    detail::dinheiro_taxa(Texto, Mascara, QuantidadeCasasDecimais, ENegativo, resultado);
    return resultado;
}

std::u16string Formatar::Numero(std::u16string& Texto, int32_t& Mascara, int32_t& ENegativo,
                                int32_t& /*EntradaDe: published, not used*/) {
    return Numero(Texto, Mascara, ENegativo);
}

std::u16string Formatar::Numero(std::u16string& Texto, int32_t& Mascara, int32_t& ENegativo) {
    std::u16string resultado;
    detail::numero(Texto, Mascara, ENegativo, resultado);
    return resultado;
}

namespace {

std::u16string data_hora(std::u16string& texto, detail::MoldeDataHora molde) {
    std::u16string resultado;
    detail::data_hora(texto, molde, resultado);
    return resultado;
}

std::u16string documento(std::u16string& texto, detail::MoldeDocumento molde) {
    std::u16string resultado;
    detail::documento(texto, molde, resultado);
    return resultado;
}

}  // namespace

std::u16string Formatar::DdMmAaaa(std::u16string& Texto) {
    return data_hora(Texto, detail::MoldeDataHora::DdMmAaaa);
}
std::u16string Formatar::HhMmSs(std::u16string& Texto) {
    return data_hora(Texto, detail::MoldeDataHora::HhMmSs);
}
std::u16string Formatar::HhMm(std::u16string& Texto) {
    return data_hora(Texto, detail::MoldeDataHora::HhMm);
}
std::u16string Formatar::DdMm(std::u16string& Texto) {
    return data_hora(Texto, detail::MoldeDataHora::DdMm);
}
std::u16string Formatar::MmAaaa(std::u16string& Texto) {
    return data_hora(Texto, detail::MoldeDataHora::MmAaaa);
}
std::u16string Formatar::Telefone(std::u16string& Texto) {
    return documento(Texto, detail::MoldeDocumento::Telefone);
}
std::u16string Formatar::Cep(std::u16string& Texto) {
    return documento(Texto, detail::MoldeDocumento::Cep);
}
std::u16string Formatar::CNPF(std::u16string& Texto) {
    return documento(Texto, detail::MoldeDocumento::CNPF);
}
std::u16string Formatar::InscricaoEstadual(std::u16string& Texto) {
    return documento(Texto, detail::MoldeDocumento::InscricaoEstadual);
}
std::u16string Formatar::CNPJ(std::u16string& Texto) {
    std::u16string resultado;
    detail::cnpj(Texto, resultado);
    return resultado;
}
std::u16string Formatar::CNPJAlfanumerico(std::u16string& Texto) {
    std::u16string resultado;
    detail::cnpj_alfanumerico(Texto, resultado);
    return resultado;
}
std::u16string Formatar::InscricaoEstadualUF(std::u16string& Texto, std::u16string& UF) {
    std::u16string resultado;
    detail::inscricao_estadual_uf(Texto, UF, resultado);
    return resultado;
}
std::u16string Formatar::TelefoneDDD(std::u16string& Texto) {
    std::u16string resultado;
    detail::telefone_ddd(Texto, resultado);
    return resultado;
}

}  // namespace pjtCampoVivo
