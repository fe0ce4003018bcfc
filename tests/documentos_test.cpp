// The document masks: telephone, CEP, CPF and state registration split off a tail of check
// digits and group the head by thousands; CNPJ lays its digits into fixed positions.
#include <gtest/gtest.h>

#include <string>

#include "formatting/formatar.hpp"
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using teste::Rotina;
using teste::utf8;

struct LinhaDocumento {
    Rotina rotina;
    const char* nome;
    std::u16string texto;
    std::u16string exibido;
    int32_t flag;
};

void verificar(const LinhaDocumento& l) {
    SCOPED_TRACE(std::string(l.nome) + " " + utf8(l.texto));
    const auto c = teste::rotina(l.rotina, l.texto);
    EXPECT_EQ(c.exibido, l.exibido);
    EXPECT_EQ(c.texto, teste::digitos_ascii(l.texto));
    EXPECT_EQ(c.flag, l.flag);
}

TEST(Documentos, SeparaOsDigitosFinais) {
    const Rotina tel = &Formatar::Telefone;
    const Rotina cep = &Formatar::Cep;
    const Rotina cpf = &Formatar::CNPF;
    const Rotina ie = &Formatar::InscricaoEstadual;
    const LinhaDocumento linhas[] = {
        {tel, "Telefone", u"abc", u"", 0},
        {tel, "Telefone", u"1234", u"1234", 0},
        {tel, "Telefone", u"12345", u"1-2345", 0},  // a short head does not raise the flag
        {tel, "Telefone", u"1234567", u"123-4567", 0},
        {tel, "Telefone", u"12345678", u"1.234-5678", 1},
        {tel, "Telefone", u"123456789", u"12.345-6789", 1},
        {tel, "Telefone", u"1234567890", u"123.456-7890", 1},
        {tel, "Telefone", u"(11) 2345-6789", u"112.345-6789", 1},
        {tel, "Telefone", u"12345678901234567890", u"1.234.567.890.123.456-7890", 1},
        {cep, "Cep", u"123", u"123", 0},
        {cep, "Cep", u"1234", u"1-234", 1},
        {cep, "Cep", u"12345678", u"12.345-678", 1},
        {cep, "Cep", u"01310-100", u"01.310-100", 1},
        {cep, "Cep", u"013.10-100", u"01.310-100", 1},
        {cpf, "CNPF", u"1", u"1", 0},
        {cpf, "CNPF", u"12", u"12", 0},
        {cpf, "CNPF", u"123", u"1-23", 1},
        {cpf, "CNPF", u"123456", u"1.234-56", 1},
        {cpf, "CNPF", u"123.456.789-01", u"123.456.789-01", 1},
        {cpf, "CNPF", u"00000000000123", u"000.000.000.001-23", 1},
        {cpf, "CNPF", u"-12-", u"12", 0},
        {ie, "InscricaoEstadual", u"12", u"12", 0},
        {ie, "InscricaoEstadual", u"1234", u"12-34", 1},
        {ie, "InscricaoEstadual", u"123456789", u"1.234.567-89", 1},
    };
    for (const auto& l : linhas) verificar(l);
}

TEST(Documentos, CnpjPorPosicoesFixas) {
    const Rotina cnpj = &Formatar::CNPJ;
    const LinhaDocumento linhas[] = {
        {cnpj, "CNPJ", u"", u"", 0},
        {cnpj, "CNPJ", u"1", u"1", 0},
        {cnpj, "CNPJ", u"12", u"12", 0},
        {cnpj, "CNPJ", u"123", u"12.3", 0},
        {cnpj, "CNPJ", u"12345", u"12.345", 0},
        {cnpj, "CNPJ", u"123456", u"12.345.6", 0},
        {cnpj, "CNPJ", u"12345678", u"12.345.678", 0},
        {cnpj, "CNPJ", u"123456789", u"12.345.678/9", 0},
        {cnpj, "CNPJ", u"123456780001", u"12.345.678/0001", 0},
        {cnpj, "CNPJ", u"1234567800019", u"12.345.678/0001-9", 0},
        {cnpj, "CNPJ", u"12.345.678/0001-95", u"12.345.678/0001-95", 0},
        {cnpj, "CNPJ", u"1234567800019599", u"12.345.678/0001-95", 0},
    };
    for (const auto& l : linhas) verificar(l);
}

}  // namespace
}  // namespace pjtCampoVivo
