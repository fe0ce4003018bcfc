// The document masks: telephone, CEP, CPF and state registration split off a tail of check
// digits and group the head by thousands; CNPJ lays its digits into fixed positions.
#include <gtest/gtest.h>

#include <pjtcampovivo/formatting/formatar.hpp>
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using teste::Rotina;

TEST(Documentos, SeparaOsDigitosFinaisOuUsaPosicoesFixas) {
    const Rotina tel = &Formatar::Telefone, cep = &Formatar::Cep, cpf = &Formatar::CNPF,
                 ie = &Formatar::InscricaoEstadual, cnpj = &Formatar::CNPJ;
    const teste::LinhaMolde linhas[] = {
        {tel, "Telefone", u"123456789", u"12.345-6789", 1},
        {tel, "Telefone", u"1234567890", u"123.456-7890", 1},
        {tel, "Telefone", u"12345678901234567890", u"1.234.567.890.123.456-7890", 1},
        {cep, "Cep", u"12345678", u"12.345-678", 1},
        {cpf, "CNPF", u"1", u"1", 0},
        {cpf, "CNPF", u"-12-", u"12", 0},
        {ie, "InscricaoEstadual", u"12", u"12", 0},
        // CNPJ never raises the flag.
        {cnpj, "CNPJ", u"", u"", 0},
        {cnpj, "CNPJ", u"1", u"1", 0},
        {cnpj, "CNPJ", u"12345", u"12.345", 0},
        {cnpj, "CNPJ", u"123456", u"12.345.6", 0},
        {cnpj, "CNPJ", u"123456780001", u"12.345.678/0001", 0},
        {cnpj, "CNPJ", u"12.345.678/0001-95", u"12.345.678/0001-95", 0},
    };
    for (const auto& l : linhas) teste::verificar(l);
}

}  // namespace
}  // namespace pjtCampoVivo
