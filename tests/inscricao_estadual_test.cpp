// State registration numbers: the published examples, the reason a number fails, the unusual
// cases of each unit's rules, what a field keeps, and the shapes as a number is typed.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include <pjtcampovivo/formatting/formatacao.hpp>
#include <pjtcampovivo/formatting/formatar.hpp>
#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/validation/checagem_saida.hpp>
#include <pjtcampovivo/validation/comuns.hpp>
#include <pjtcampovivo/validation/inscricao_estadual.hpp>
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using teste::utf8;
using R = Comuns::ResultadoInscricaoEstadual;

constexpr std::u16string_view unidades[] = {u"AC", u"AL", u"AP", u"AM", u"BA", u"CE", u"DF",
                                            u"ES", u"GO", u"MA", u"MT", u"MS", u"MG", u"PA",
                                            u"PB", u"PR", u"PE", u"PI", u"RJ", u"RN", u"RS",
                                            u"RO", u"RR", u"SC", u"SP", u"SE", u"TO"};

std::u16string u16(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

// Every published example, valid and invalid, as the rules file collected them.
TEST(InscricaoEstadual, ExemplosPublicados) {
    std::ifstream tsv(CAMPOVIVO_IE_EXEMPLOS);
    ASSERT_TRUE(tsv) << CAMPOVIVO_IE_EXEMPLOS;
    std::string linha;
    std::getline(tsv, linha);
    ASSERT_EQ(linha, "uf\tnumero\tvalido\tfonte");
    int linhas = 0;
    int validos = 0;
    while (std::getline(tsv, linha)) {
        std::istringstream campos(linha);
        std::string uf, numero, valido;
        std::getline(campos, uf, '\t');
        std::getline(campos, numero, '\t');
        std::getline(campos, valido, '\t');
        SCOPED_TRACE(uf + " " + numero);
        const R r = Comuns::VerificarInscricaoEstadual(u16(numero), u16(uf));
        EXPECT_EQ(r == R::Valida, valido == "1") << static_cast<int>(r);
        EXPECT_EQ(Comuns::InscricaoEstadualValida(u16(numero), u16(uf)), valido == "1");
        ++linhas;
        validos += valido == "1";
    }
    EXPECT_EQ(linhas, 642);
    EXPECT_EQ(validos, 405);
}

TEST(InscricaoEstadual, Motivos) {
    const struct {
        std::u16string_view uf;
        std::u16string_view texto;
        R resultado;
    } casos[] = {
        {u"XX", u"110042490114", R::UFDesconhecida},
        {u"SPX", u"110042490114", R::UFDesconhecida},
        {u"", u"ISENTO", R::UFDesconhecida},
        {u"sp", u"110042490114", R::Valida},
        {u"SP", u" 110 042/490-114 ", R::Valida},  // separators anywhere
        {u"SP", u"110.042.490.114x", R::CaracteresInvalidos},
        {u"SP", u"A-011000424.3/002", R::CaracteresInvalidos},
        {u"SP", u"0P11004243002", R::CaracteresInvalidos},   // P only in front
        {u"MG", u"P0623079040081", R::CaracteresInvalidos},  // P is SP's alone
        {u"SC", u"２51040852", R::CaracteresInvalidos},      // ASCII digits only
        {u"RJ", u"", R::TamanhoErrado},
        {u"RJ", u" -./ ", R::TamanhoErrado},
        {u"SP", u"P", R::TamanhoErrado},
        {u"SP", u"P01100424300", R::TamanhoErrado},
        {u"MT", u"13000001", R::TamanhoErrado},
        {u"BA", u"1234567480", R::TamanhoErrado},  // never cut nor padded
        {u"AC", u"0200482300112", R::PrefixoErrado},
        {u"DF", u"0900482300112", R::PrefixoErrado},
        {u"GO", u"129876547", R::PrefixoErrado},
        {u"PA", u"165999995", R::PrefixoErrado},
        {u"TO", u"29040227836", R::PrefixoErrado},  // kind 04
        {u"SP", u"P111004243002", R::PrefixoErrado},
        {u"AC", u"0100482300113", R::DigitoVerificadorErrado},
        {u"SP", u"110042490115", R::DigitoVerificadorErrado},  // the second digit
        {u"SP", u"110042491114", R::DigitoVerificadorErrado},  // the first
        {u"SP", u"isento", R::Isenta},
        {u"BA", u"  IsEnTo\t", R::Isenta},
        {u"BA", u"ISENTO1", R::CaracteresInvalidos},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.uf) + " " + utf8(c.texto));
        EXPECT_EQ(Comuns::VerificarInscricaoEstadual(c.texto, c.uf), c.resultado);
        EXPECT_EQ(Comuns::InscricaoEstadualValida(c.texto, c.uf),
                  c.resultado == R::Valida || c.resultado == R::Isenta);
    }
}

// The points where a unit leaves the plain rule, both sides of each.
TEST(InscricaoEstadual, CasosIncomuns) {
    const struct {
        std::u16string_view uf;
        std::u16string_view texto;
        bool valida;
    } casos[] = {
        // SP rural: P (either case), a fixed 0, the digit ninth after the P.
        {u"SP", u"P-01100424.3/002", true},
        {u"SP", u"p011004243002", true},
        {u"SP", u"P011004244002", false},
        {u"SP", u"P645098352111", false},
        // BA: the first digit (8 digits) or the second (9) chooses modulus 10 or 11.
        {u"BA", u"123456-63", true},
        {u"BA", u"61234557", true},
        {u"BA", u"1234567-48", true},
        {u"BA", u"1623456-51", true},
        {u"BA", u"062933316", true},
        {u"BA", u"1623456-52", false},
        // GO: remainder 1 gives 1 only from 10103105 to 10119997; 11094402 takes 0 or 1.
        {u"GO", u"101031051", true},
        {u"GO", u"101031050", false},
        {u"GO", u"101030860", true},
        {u"GO", u"101030861", false},
        {u"GO", u"101200030", true},
        {u"GO", u"101200031", false},
        {u"GO", u"110944020", true},
        {u"GO", u"110944021", true},
        {u"GO", u"110944022", false},
        // GO 20, given out since 2023.
        {u"GO", u"20.024.521-0", true},
        // MG: the 0 inserted after the third digit.
        {u"MG", u"062.307.904/0081", true},
        {u"MG", u"062.307.904/0091", false},
        // PE, RO, TO, RN: both lengths.
        {u"PE", u"0321418-40", true},
        {u"PE", u"18.1.001.0000004-9", true},
        {u"RO", u"101.62521-3", true},
        {u"RO", u"0000000062521-3", true},
        {u"TO", u"29.040.636-6", true},
        {u"TO", u"29 01 022783 6", true},
        {u"RN", u"20.040.040-1", true},
        {u"RN", u"20.0.040.040-0", true},
        // MT: given out with 9 or 10 digits, read with zeros in front.
        {u"MT", u"13.000.001-9", true},
        {u"MT", u"0130000019", true},
        {u"MT", u"0013000001-9", true},
        {u"MT", u"0013000001-8", false},
        // AM: a base whose sum is 0 has no valid digit.
        {u"AM", u"000000000", false},
        {u"AM", u"05.334.305-0", true},
        // AP: the base's range, boundaries included.
        {u"AP", u"030000009", true},
        {u"AP", u"030000012", true},
        {u"AP", u"030170007", true},
        {u"AP", u"030190231", true},
        {u"AP", u"030170008", false},
        // New prefixes: DF 08, PA 75 to 79, MS 50, RS 800.
        {u"DF", u"08.247.615/001-36", true},
        {u"PA", u"75-000001-5", true},
        {u"PA", u"79-000001-6", true},
        {u"MS", u"500000000", true},
        {u"RS", u"800/1234507", true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.uf) + " " + utf8(c.texto));
        EXPECT_EQ(Comuns::VerificarInscricaoEstadual(c.texto, c.uf) == R::Valida, c.valida);
    }
}

TEST(InscricaoEstadual, Extrair) {
    const struct {
        std::u16string_view uf;
        std::u16string texto;
        std::u16string extraido;
    } casos[] = {
        {u"SP", u"p-01100424.3/002", u"P011004243002"},
        {u"sp", u" P0p1x", u"P01"},  // the first P alone, before any digit
        {u"SP", u"0p1", u"01"},
        {u"MG", u"p062.307", u"062307"},
        {u"RJ", u"00.1ab2-3", u"00123"},
        {u"RJ", u" isento ", u"ISENTO"},
        {u"RJ", u"isento1", u"1"},
        {u"XX", u"isento 12", u"12"},
        {u"XX", u"ISENTO", u""},  // an unknown unit keeps digits only
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.uf) + " " + utf8(c.texto));
        EXPECT_EQ(Comuns::ExtrairInscricaoEstadual(c.texto, c.uf), c.extraido);
        std::u16string no_lugar = c.texto;
        Comuns::ExtrairInscricaoEstadualNoLugar(no_lugar, c.uf);
        EXPECT_EQ(no_lugar, c.extraido);
    }
    std::u16string longo(32768, u'1');
    EXPECT_EQ(teste::numero_de([&] { Comuns::ExtrairInscricaoEstadualNoLugar(longo, u"SP"); }), 6);
    EXPECT_EQ(longo, std::u16string(32768, u'1'));
}

// Each unit's example is valid, shown in its shape, and reshaped from its digits unchanged.
TEST(InscricaoEstadual, ExemploDeCadaUnidade) {
    for (const std::u16string_view uf : unidades) {
        SCOPED_TRACE(utf8(uf));
        EXPECT_TRUE(Comuns::UFConhecida(uf));
        const std::u16string exemplo = Comuns::ExemploInscricaoEstadual(uf);
        EXPECT_EQ(Comuns::VerificarInscricaoEstadual(exemplo, uf), R::Valida) << utf8(exemplo);
        const auto r = formatar_inscricao_estadual_uf(teste::digitos_ascii(exemplo), uf);
        EXPECT_EQ(r.texto, exemplo);
    }
    for (const std::u16string_view uf : {u"", u"S", u"XX", u"SPX", u"S P"}) {
        SCOPED_TRACE(utf8(uf));
        EXPECT_FALSE(Comuns::UFConhecida(uf));
        EXPECT_EQ(Comuns::ExemploInscricaoEstadual(uf), u"");
    }
    EXPECT_TRUE(Comuns::UFConhecida(u"to"));
}

// The places of a display: its digits and SP's P.
bool lugar(char16_t c) {
    return c == u'P' || Comuns::e_digito(c);
}

std::size_t lugares(std::u16string_view exibido) {
    return static_cast<std::size_t>(std::count_if(exibido.begin(), exibido.end(), lugar));
}

// The display after `teclas` keys: the final display up to its teclas-th place.
std::u16string ate_a_tecla(std::u16string_view exibido, std::size_t teclas) {
    std::size_t i = 0;
    for (std::size_t n = 0; i < exibido.size() && n < teclas; ++i) n += lugar(exibido[i]);
    return std::u16string(exibido.substr(0, i));
}

// One number typed key by key into the unit's shape: while its digits fit a shorter shape
// the display is `curto` up to the key; past it, `final` up to the key. A key beyond the
// longest shape shows nothing more.
TEST(InscricaoEstadual, DigitacaoPorUnidade) {
    const struct {
        std::u16string_view uf;
        std::u16string_view final;
        std::u16string_view curto;
    } casos[] = {
        {u"AC", u"01.004.823/001-12", u""},
        {u"AL", u"24.000.004-8", u""},
        {u"AP", u"03.012.345-9", u""},
        {u"AM", u"99.999.999-0", u""},
        {u"BA", u"123456-63", u""},
        {u"BA", u"1234567-48", u"123456-74"},
        {u"CE", u"06000001-5", u""},
        {u"DF", u"07.300.001/001-09", u""},
        {u"ES", u"99999999-0", u""},
        {u"GO", u"10.987.654-7", u""},
        {u"MA", u"12.000.038-5", u""},
        {u"MT", u"13.000.001-9", u""},
        {u"MT", u"0013000001-9", u"00.130.000-0"},
        {u"MS", u"28.303.759-8", u""},
        {u"MG", u"062.307.904/0081", u""},
        {u"PA", u"15-999999-5", u""},
        {u"PB", u"06000001-5", u""},
        {u"PR", u"123.45678-50", u""},
        {u"PE", u"0321418-40", u""},
        {u"PE", u"18.1.001.0000004-9", u"1810010-00"},
        {u"PI", u"19.301.656-7", u""},
        {u"RJ", u"99.999.99-3", u""},
        {u"RN", u"20.040.040-1", u""},
        {u"RN", u"20.0.040.040-0", u"20.004.004-0"},
        {u"RS", u"224/3658792", u""},
        {u"RO", u"101.62521-3", u""},
        {u"RO", u"0000000062521-3", u"000.00000-6"},
        {u"RR", u"24006153-6", u""},
        {u"SC", u"251.040.852", u""},
        {u"SP", u"110.042.490.114", u""},
        {u"SP", u"P-01100424.3/002", u""},
        {u"SE", u"27123456-3", u""},
        {u"TO", u"29.040.636-6", u""},
        {u"TO", u"29.01.022783-6", u"29.010.227-8"},
    };
    for (const auto& c : casos) {
        std::u16string teclas;
        for (const char16_t ch : c.final) {
            if (lugar(ch)) teclas.push_back(ch);
        }
        const std::size_t curtas = lugares(c.curto);
        // Only the unit's longest shape has no room for one key more.
        const bool mais_longo =
            std::none_of(std::begin(casos), std::end(casos), [&](const auto& o) {
                return o.uf == c.uf && o.final.starts_with(u'P') == c.final.starts_with(u'P') &&
                       lugares(o.final) > teclas.size();
            });
        std::u16string exibido;
        for (std::size_t n = 1; n <= teclas.size() + mais_longo; ++n) {
            // The box holds the last display plus the new key; past the longest shape the
            // last key is typed again.
            std::u16string texto = exibido;
            texto.push_back(teclas[std::min(n, teclas.size()) - 1]);
            SCOPED_TRACE(utf8(c.uf) + " " + utf8(texto));
            const std::u16string esperado =
                n <= curtas ? ate_a_tecla(c.curto, n) : ate_a_tecla(c.final, n);
            const auto r = formatar_inscricao_estadual_uf(texto, c.uf);
            EXPECT_EQ(r.texto, esperado);
            EXPECT_EQ(r.separador_inserido, lugares(esperado) < esperado.size());
            exibido = r.texto;
        }
    }
}

TEST(InscricaoEstadual, RotinaIsentoEOutrasUnidades) {
    const struct {
        std::u16string_view uf;
        std::u16string_view texto;
        std::u16string_view exibido;
        bool separador;
    } casos[] = {
        {u"SP", u" isento ", u"ISENTO", false},
        {u"ba", u"IsEnTo", u"ISENTO", false},
        {u"BA", u"is", u"IS", false},  // typed key by key
        {u"BA", u" iSeNt", u"ISENT", false},
        {u"BA", u"isx", u"", false},
        {u"BA", u"isentos", u"", false},
        {u"BA", u"i1", u"1", false},
        {u"SP", u"p", u"P", false},
        {u"SP", u"p0", u"P-0", true},
        {u"SP", u"0p1", u"01", false},
        {u"MG", u"p12", u"12", false},
        {u"RJ", u"12.a", u"12", false},  // the separator goes with the letter
        {u"RJ", u"", u"", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.uf) + " " + utf8(c.texto));
        const auto r = formatar_inscricao_estadual_uf(c.texto, c.uf);
        EXPECT_EQ(r.texto, c.exibido);
        EXPECT_EQ(r.separador_inserido, c.separador);
        EXPECT_FALSE(r.negativo);
    }
    // An unknown unit shapes as mask 15, flag included.
    for (const std::u16string_view texto : {u"1", u"123", u"12345678901234567890", u"isento"}) {
        SCOPED_TRACE(utf8(texto));
        const auto r = formatar_inscricao_estadual_uf(texto, u"XX");
        const auto mascara = formatar_entrada(texto, eMascara::InscricaoEstadual);
        EXPECT_EQ(r.texto, mascara.texto);
        EXPECT_EQ(r.separador_inserido, mascara.separador_inserido);
    }
}

// The value-returning layer reports the flag and leaves the thread's as it was.
TEST(InscricaoEstadual, FormatarPreservaFlag) {
    for (const int32_t antes : {0, 1}) {
        SeparadorInserido = antes;
        const auto com = formatar_inscricao_estadual_uf(u"1100424", u"SP");
        EXPECT_EQ(SeparadorInserido, antes);
        const auto sem = formatar_inscricao_estadual_uf(u"110", u"SP");
        EXPECT_EQ(SeparadorInserido, antes);
        EXPECT_EQ(com.texto, u"110.042.4");
        EXPECT_TRUE(com.separador_inserido);
        EXPECT_EQ(sem.texto, u"110");
        EXPECT_FALSE(sem.separador_inserido);
    }
    SeparadorInserido = 0;
}

// The published by-reference routine: what Texto becomes, the flag, UF left as given; the
// field's entry (cut first) and plain value; the exit check of each unit.
TEST(InscricaoEstadual, RotinaPublicadaECampo) {
    const struct {
        std::u16string texto;
        std::u16string uf;
        std::u16string exibido;
        std::u16string depois;
        int32_t flag;
    } casos[] = {
        {u"110.042.490.114-99", u"sp", u"110.042.490.114", u"11004249011499", 1},
        {u"p-01100424.3/002", u"SP", u"P-01100424.3/002", u"P011004243002", 1},
        {u"isEN", u"RJ", u"ISEN", u"ISEN", 0},
        {u"12", u"CE", u"12", u"12", 0},
        {u"1234", u"XX", u"12-34", u"1234", 1},  // an unknown unit shapes as mask 15
    };
    Formatar f;
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.texto) + " " + utf8(c.uf));
        std::u16string texto = c.texto;
        std::u16string uf = c.uf;
        SeparadorInserido = 0;
        EXPECT_EQ(f.InscricaoEstadualUF(texto, uf), c.exibido);
        EXPECT_EQ(texto, c.depois);
        EXPECT_EQ(uf, c.uf);
        EXPECT_EQ(SeparadorInserido, c.flag);
    }
    SeparadorInserido = 0;
    int16_t max_length = 5;
    EXPECT_EQ(formatar_inscricao_estadual_uf_entrada(u"110042490114", u"SP", max_length).texto,
              u"110.04");
    max_length = 0;
    formatar_inscricao_estadual_uf_entrada(u"1", u"SP", max_length);
    EXPECT_EQ(max_length, 50);
    EXPECT_EQ(formatar_saida_inscricao_estadual_uf(u"062.307.904/0081", u"MG"), u"0623079040081");
    EXPECT_EQ(checagem_saida_inscricao_estadual(u"XX"), nullptr);
    EXPECT_EQ(checagem_saida_inscricao_estadual(u"S"), nullptr);
    for (const std::u16string_view uf : Comuns::SiglasUF()) {
        SCOPED_TRACE(utf8(uf));
        const ChecagemSaida* c = checagem_saida_inscricao_estadual(uf);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c, checagem_saida_inscricao_estadual(
                         std::u16string{static_cast<char16_t>(uf[0] + 32), uf[1]}));
        EXPECT_EQ(c->mascara, 15);
        EXPECT_TRUE(c->documento);
        EXPECT_TRUE(c->valido(Comuns::ExemploInscricaoEstadual(uf)));
        EXPECT_TRUE(c->valido(u"isento"));
        EXPECT_FALSE(c->valido(u"1"));
    }
    EXPECT_EQ(checagem_saida(15), nullptr);
}

}  // namespace
}  // namespace pjtCampoVivo
