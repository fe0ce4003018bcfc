// Validators: date predicates and number reading, digit extraction, CPF/CNPJ, conversions.
#include <cmath>
#include <limits>

#include <pjtcampovivo/validation/conversao.hpp>
#include <pjtcampovivo/validation/data_hora.hpp>
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using teste::utf8;

void verificar(bool (*predicado)(std::u16string_view), const char* nome,
               const std::vector<std::u16string>& aceitos,
               const std::vector<std::u16string>& recusados) {
    for (const bool aceito : {true, false}) {
        for (const auto& t : aceito ? aceitos : recusados) {
            EXPECT_EQ(predicado(t), aceito) << nome << " " << utf8(t);
        }
    }
}

TEST(DataHora, Predicados) {
    using namespace DataHora;
    verificar(DiaValido, "Dia", {u" 5", u"+5"}, {u"-1", u"1/"});
    verificar(MesValido, "Mes", {u"07"}, {u"1,0"});  // plain values: the session script
    verificar(AnoValido, "Ano", {u"0999"}, {u"20/3", u"abcd"});
    // Year rounded half-to-even; years below 1 are not leap years.
    verificar(AnoBissexto, "AnoBissexto", {u"0400", u"2400", u"2000.5", u"2004.5", u"2003.6"},
              {u"2100", u"abcd", u"-2004", u"2001.5", u"00.5", u"0.49", u"0000"});
    // Only the digit positions are read.
    verificar(DdMmValido, "DdMm", {u"31x01", u"31/01/1999"}, {u"31/0", u""});
    verificar(MmAaaaValido, "MmAaaa", {u"01x0001"}, {u"00/2003"});
    verificar(DdMmAaaaValido, "DdMmAaaa", {u"28/02/2003 e mais"}, {u"25/12/03", u""});
}

// Beyond a double: too large is infinite, too small is zero (regression), years from 1.
TEST(DataHora, LeituraNumerica) {
    const std::u16string zeros(400, u'0');
    const std::tuple<std::u16string, bool, double> linhas[] = {
        {u" 12 ", true, 12},    {u"+7", true, 7},         {u".5", true, 0.5},    {u"5.", true, 5},
        {u"-.5", true, -0.5},   {u"1,5", false, 1},       {u"1e3", false, 1},    {u"1 2", false, 1},
        {u"  ", false, 0},      {u".", false, 0},         {u"- 1", false, 0},    {u"+-1", false, 0},
        {u"1.2.3", false, 1.2}, {u" -3.5x", false, -3.5}, {u"\u0661", false, 0},
    };
    for (const auto& [texto, numerico, valor] : linhas) {
        SCOPED_TRACE(utf8(texto));
        EXPECT_EQ(DataHora::e_numerico(texto), numerico);
        EXPECT_DOUBLE_EQ(DataHora::valor(texto), valor);
    }
    const std::tuple<std::u16string, double, bool> fora[] = {
        {u"1" + zeros, HUGE_VAL, true},    {u"-1" + zeros, -HUGE_VAL, false},
        {u"0." + zeros + u"1", 0, false},  {u"-0." + zeros + u"1", -0.0, false},
        {u"0." + zeros + u"1x", 0, false},
    };
    for (const auto& [texto, valor, ano] : fora) {
        SCOPED_TRACE(utf8(texto.substr(0, 8)));
        EXPECT_EQ(DataHora::valor(texto), valor);
        EXPECT_EQ(DataHora::AnoValido(texto), ano);
    }
}

TEST(Comuns, ExtrairDigitos) {
    const std::tuple<std::u16string, int32_t, int32_t, std::u16string, int32_t> linhas[] = {
        {u"abc", 1, 1, u"", 1},  // never set back to 0
        {u"a1\u0661"
         u"2\uFF13\u00B2"
         u"3",
         0, 0, u"123", 0},
        {std::u16string{u'\xD800', u'9', u'\xDFFF', u'8'}, 0, 0, u"98", 0},
    };
    for (auto [texto, mascara, negativo, digitos, negativo_depois] : linhas) {
        SCOPED_TRACE(teste::rotulo(texto, "mascara", mascara));
        int32_t n = negativo;
        EXPECT_EQ(Comuns::ExtrairDigitos(texto, mascara, n), digitos);
        EXPECT_EQ(n, negativo_depois);
        Comuns::ExtrairDigitosNoLugar(texto, mascara, negativo);
        EXPECT_EQ(texto, digitos);
        EXPECT_EQ(negativo, negativo_depois);
    }
}

TEST(Comuns, DigitosVerificadores) {
    // Non-digits read as 0; blanks trimmed before the length test; CNPJ reads positions 1-14.
    verificar(Comuns::CPFValido, "CPF", {u"52998224725", u"12345678810", u"1234567881x"},
              {u"52998224724", u"123456789090", u"1234567881 "});
    verificar(Comuns::CNPJValido, "CNPJ",
              {u"12345678000195xyz", u"1234567800078", u"1234567800078x"},
              {u"11222333000180", u"1234567800019", u"11111111111111"});
}

TEST(Conversao, SemEstouroSilencioso) {
    EXPECT_EQ(para_int16(-32768), -32768);
    EXPECT_EQ(teste::numero_de([] { para_int16(32768); }), 6);
    EXPECT_EQ(teste::numero_de([] { para_int16(std::size_t{40000}); }), 6);
    EXPECT_EQ(teste::numero_de([] { para_int32(int64_t{1} << 31); }), 6);
    // Halves to even: the session script's calls and the CLI's number cases.
    EXPECT_EQ(arredondar_para<int16_t>(-2.5), -2);
    for (double fora : {32767.5, -32768.6, std::nan(""), std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(fora);
        EXPECT_EQ(teste::numero_de([&] { arredondar_para<int16_t>(fora); }), 6);
    }
}

}  // namespace
}  // namespace pjtCampoVivo
