// The shaping routines 5 to 14. Dates and times lay digits into fixed slots, adding each
// separator as its slot fills and dropping extra digits; telephone, CEP, CPF and state
// registration split off a tail of check digits and group the head by thousands; CNPJ lays its
// digits into fixed positions. Texto is left holding the digit string.
#include <gtest/gtest.h>

#include <pjtcampovivo/formatting/formatar.hpp>
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using teste::Rotina;

TEST(Moldes, MoldamEnquantoDigita) {
    const Rotina data = &Formatar::DdMmAaaa, hms = &Formatar::HhMmSs, hm = &Formatar::HhMm,
                 dm = &Formatar::DdMm, ma = &Formatar::MmAaaa, tel = &Formatar::Telefone,
                 cep = &Formatar::Cep, cpf = &Formatar::CNPF, ie = &Formatar::InscricaoEstadual,
                 cnpj = &Formatar::CNPJ;
    const teste::LinhaMolde linhas[] = {
        {data, "DdMmAaaa", u"", u"", 0},
        {data, "DdMmAaaa", u"-12", u"12/", 1},
        {data, "DdMmAaaa", u"\u0661\u0662", u"", 0},  // only ASCII digits count
        {hms, "HhMmSs", u"12", u"12:", 1},
        {hms, "HhMmSs", u"1234", u"12:34", 1},  // the second ":" waits for digit 5
        {hms, "HhMmSs", u"12345", u"12:34:5", 1},
        {hms, "HhMmSs", u"99:99:99", u"99:99:99", 1},  // shaped, not checked
        {hm, "HhMm", u"1", u"1", 0},
        {hm, "HhMm", u"12", u"12:", 1},
        {dm, "DdMm", u"31/12/2003", u"31/12", 1},
        {ma, "MmAaaa", u"12", u"12/", 1},
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
