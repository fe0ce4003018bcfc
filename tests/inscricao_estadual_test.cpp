// State registration numbers: the published examples, the reason a number fails, the unusual
// cases of each unit's rules, what a field keeps, and the shapes as a number is typed.
#include <fstream>

#include <pjtcampovivo/validation/inscricao_estadual.hpp>
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using teste::rotulo;
using R = Comuns::ResultadoInscricaoEstadual;
using std::u16string_view;

// Every published example, valid and invalid, as the rules file collected them.
TEST(InscricaoEstadual, ExemplosPublicados) {
    std::ifstream tsv(CAMPOVIVO_IE_EXEMPLOS);
    std::string uf, numero, valido, fonte;
    ASSERT_TRUE(std::getline(tsv, fonte)) << CAMPOVIVO_IE_EXEMPLOS;
    ASSERT_EQ(fonte, "uf\tnumero\tvalido\tfonte");
    int linhas = 0, validos = 0;
    while (tsv >> uf >> numero >> valido && std::getline(tsv, fonte)) {
        SCOPED_TRACE(rotulo(uf, numero));
        const std::u16string n(numero.begin(), numero.end()), u(uf.begin(), uf.end());
        const R r = Comuns::VerificarInscricaoEstadual(n, u);
        EXPECT_EQ(r == R::Valida, valido == "1") << static_cast<int>(r);
        EXPECT_EQ(Comuns::InscricaoEstadualValida(n, u), valido == "1");
        ++linhas;
        validos += valido == "1";
    }
    EXPECT_EQ(linhas, 642);
    EXPECT_EQ(validos, 405);
}

// Why a number fails (prefix against check digit also in the CLI's validar --json case).
TEST(InscricaoEstadual, Motivos) {
    const std::tuple<u16string_view, u16string_view, R> casos[] = {
        {u"XX", u"110042490114", R::UFDesconhecida},
        {u"", u"ISENTO", R::UFDesconhecida},
        {u"SP", u" 110 042/490-114 ", R::Valida},  // separators anywhere
        {u"SP", u"110.042.490.114x", R::CaracteresInvalidos},
        {u"SP", u"0P11004243002", R::CaracteresInvalidos},   // P only in front
        {u"MG", u"P0623079040081", R::CaracteresInvalidos},  // P is SP's alone
        {u"SC", u"２51040852", R::CaracteresInvalidos},      // ASCII digits only
        {u"SP", u"P", R::TamanhoErrado},
        {u"BA", u"1234567480", R::TamanhoErrado},  // never cut nor padded
        {u"SP", u"P111004243002", R::PrefixoErrado},
        {u"SP", u"110042491114", R::DigitoVerificadorErrado},
        {u"BA", u"  IsEnTo\t", R::Isenta},
        {u"BA", u"ISENTO1", R::CaracteresInvalidos},
    };
    for (const auto& [uf, texto, resultado] : casos) {
        SCOPED_TRACE(rotulo(uf, texto));
        EXPECT_EQ(Comuns::VerificarInscricaoEstadual(texto, uf), resultado);
        EXPECT_EQ(Comuns::InscricaoEstadualValida(texto, uf),
                  resultado == R::Valida || resultado == R::Isenta);
    }
}

// The points where a unit leaves the plain rule, both sides of each. SP rural: P (either
// case), a fixed 0, the digit ninth after the P. BA: the first digit (8 digits) or the second
// (9) chooses modulus 10 or 11. GO: remainder 1 gives 1 only from 10103105 to 10119997,
// 11094402 takes 0 or 1, and 20 is given out since 2023. MG: the 0 inserted after the third
// digit. PE, RO, TO, RN: both lengths. MT: given out with 9 or 10 digits, read with zeros in
// front. AM: a base whose sum is 0 has no valid digit. AP: the base's range, boundaries
// included. New prefixes: DF 08, PA 75 to 79, MS 50, RS 800.
TEST(InscricaoEstadual, CasosIncomuns) {
    const struct {
        u16string_view uf;
        std::vector<u16string_view> validas, invalidas;
    } casos[] = {
        {u"SP", {u"P-01100424.3/002", u"p011004243002"}, {u"P011004244002", u"P645098352111"}},
        {u"BA",
         {u"123456-63", u"61234557", u"1234567-48", u"1623456-51", u"062933316"},
         {u"1623456-52"}},
        {u"GO",
         {u"101031051", u"101030860", u"101200030", u"110944020", u"110944021", u"20.024.521-0"},
         {u"101031050", u"101030861", u"101200031", u"110944022"}},
        {u"MG", {u"062.307.904/0081"}, {u"062.307.904/0091"}},
        {u"PE", {u"0321418-40", u"18.1.001.0000004-9"}, {}},
        {u"RO", {u"101.62521-3", u"0000000062521-3"}, {}},
        {u"TO", {u"29.040.636-6", u"29 01 022783 6"}, {}},
        {u"RN", {u"20.040.040-1", u"20.0.040.040-0"}, {}},
        {u"MT", {u"13.000.001-9", u"0130000019", u"0013000001-9"}, {u"0013000001-8"}},
        {u"AM", {u"05.334.305-0"}, {u"000000000"}},
        {u"AP", {u"030000009", u"030000012", u"030170007", u"030190231"}, {u"030170008"}},
        {u"DF", {u"08.247.615/001-36"}, {}},
        {u"PA", {u"75-000001-5", u"79-000001-6"}, {}},
        {u"MS", {u"500000000"}, {}},
        {u"RS", {u"800/1234507"}, {}},
    };
    for (const auto& c : casos) {
        for (const bool valida : {true, false}) {
            for (const u16string_view texto : valida ? c.validas : c.invalidas) {
                SCOPED_TRACE(rotulo(c.uf, texto));
                EXPECT_EQ(Comuns::VerificarInscricaoEstadual(texto, c.uf) == R::Valida, valida);
            }
        }
    }
}

TEST(InscricaoEstadual, Extrair) {
    const std::tuple<u16string_view, std::u16string, u16string_view> casos[] = {
        {u"SP", u"p-01100424.3/002", u"P011004243002"},
        {u"sp", u" P0p1x", u"P01"},  // the first P alone, before any digit
        {u"MG", u"p062.307", u"062307"},
        {u"RJ", u"isento1", u"1"},
        {u"XX", u"isento 12", u"12"},
        {u"XX", u"ISENTO", u""},  // an unknown unit keeps digits only
    };
    for (auto [uf, texto, extraido] : casos) {
        SCOPED_TRACE(rotulo(uf, texto));
        EXPECT_EQ(Comuns::ExtrairInscricaoEstadual(texto, uf), extraido);
        Comuns::ExtrairInscricaoEstadualNoLugar(texto, uf);
        EXPECT_EQ(texto, extraido);
    }
    std::u16string longo(32768, u'1');
    EXPECT_EQ(teste::numero_de([&] { Comuns::ExtrairInscricaoEstadualNoLugar(longo, u"SP"); }), 6);
    EXPECT_EQ(longo, std::u16string(32768, u'1'));
}

// Each unit, in either case: its example is valid, shown in its shape, reshaped from its
// digits unchanged, and passes the unit's exit check, which also takes ISENTO.
TEST(InscricaoEstadual, CadaUnidadeExemploEChecagem) {
    constexpr u16string_view unidades[] = {u"AC", u"AL", u"AP", u"AM", u"BA", u"CE", u"DF",
                                           u"ES", u"GO", u"MA", u"MT", u"MS", u"MG", u"PA",
                                           u"PB", u"PR", u"PE", u"PI", u"RJ", u"RN", u"RS",
                                           u"RO", u"RR", u"SC", u"SP", u"SE", u"TO"};
    EXPECT_TRUE(std::ranges::is_permutation(unidades, Comuns::SiglasUF()));
    for (const u16string_view uf : unidades) {
        SCOPED_TRACE(rotulo(uf));
        EXPECT_TRUE(Comuns::UFConhecida(uf));
        const std::u16string minusculas{static_cast<char16_t>(uf[0] + 32),
                                        static_cast<char16_t>(uf[1] + 32)};
        ASSERT_EQ(Comuns::IndiceUF(minusculas), Comuns::IndiceUF(uf));
        EXPECT_EQ(Comuns::SiglasUF()[Comuns::IndiceUF(uf).value()], uf);
        const std::u16string exemplo = Comuns::ExemploInscricaoEstadual(uf);
        EXPECT_EQ(Comuns::VerificarInscricaoEstadual(exemplo, uf), R::Valida) << rotulo(exemplo);
        EXPECT_EQ(formatar_inscricao_estadual_uf(teste::digitos_ascii(exemplo), uf).texto, exemplo);
        const ChecagemSaida* c = checagem_saida_inscricao_estadual(uf);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c, checagem_saida_inscricao_estadual(
                         std::u16string{static_cast<char16_t>(uf[0] + 32), uf[1]}));
        EXPECT_EQ(c->mascara, 15);
        EXPECT_TRUE(c->documento);
        EXPECT_TRUE(c->valido(exemplo));
        EXPECT_TRUE(c->valido(u"isento"));
        EXPECT_FALSE(c->valido(u"1"));
    }
    for (const u16string_view uf : {u"", u"SPX"}) {
        SCOPED_TRACE(rotulo(uf));
        EXPECT_FALSE(Comuns::UFConhecida(uf));
        EXPECT_EQ(Comuns::IndiceUF(uf), std::nullopt);
        EXPECT_EQ(Comuns::ExemploInscricaoEstadual(uf), u"");
        EXPECT_EQ(checagem_saida_inscricao_estadual(uf), nullptr);
    }
    EXPECT_TRUE(Comuns::UFConhecida(u"to"));
    EXPECT_EQ(checagem_saida(15), nullptr);  // the words: the CLI's validar --json case
}

// One number typed key by key into each of its unit's shapes. While its keys fit a shorter
// shape of the unit (of the same kind: SP's P or not) the display is that shape filled with
// them; past it, the final display up to the key. A key beyond the longest shape shows nothing
// more.
TEST(InscricaoEstadual, DigitacaoPorUnidade) {
    const std::pair<u16string_view, u16string_view> casos[] = {
        {u"AC", u"01.004.823/001-12"}, {u"AL", u"24.000.004-8"},       {u"AP", u"03.012.345-9"},
        {u"AM", u"99.999.999-0"},      {u"BA", u"123456-63"},          {u"BA", u"1234567-48"},
        {u"CE", u"06000001-5"},        {u"DF", u"07.300.001/001-09"},  {u"ES", u"99999999-0"},
        {u"GO", u"10.987.654-7"},      {u"MA", u"12.000.038-5"},       {u"MT", u"13.000.001-9"},
        {u"MT", u"0013000001-9"},      {u"MS", u"28.303.759-8"},       {u"MG", u"062.307.904/0081"},
        {u"PA", u"15-999999-5"},       {u"PB", u"06000001-5"},         {u"PR", u"123.45678-50"},
        {u"PE", u"0321418-40"},        {u"PE", u"18.1.001.0000004-9"}, {u"PI", u"19.301.656-7"},
        {u"RJ", u"99.999.99-3"},       {u"RN", u"20.040.040-1"},       {u"RN", u"20.0.040.040-0"},
        {u"RS", u"224/3658792"},       {u"RO", u"101.62521-3"},        {u"RO", u"0000000062521-3"},
        {u"RR", u"24006153-6"},        {u"SC", u"251.040.852"},        {u"SP", u"110.042.490.114"},
        {u"SP", u"P-01100424.3/002"},  {u"SE", u"27123456-3"},         {u"TO", u"29.040.636-6"},
        {u"TO", u"29.01.022783-6"},
    };
    for (const auto& [uf, final] : casos) {
        const std::u16string teclas = teste::teclas_de(final);
        std::u16string curto;
        bool mais_longo = true;
        for (const auto& [outra_uf, outro] : casos) {
            if (outra_uf != uf || outro.starts_with(u'P') != final.starts_with(u'P')) continue;
            mais_longo = mais_longo && teste::lugares(outro) <= teclas.size();
            if (teste::lugares(outro) >= teclas.size()) continue;
            curto = outro;
            std::size_t k = 0;
            for (char16_t& ch : curto) {
                if (teste::lugar(ch)) ch = teclas[k++];
            }
        }
        std::u16string exibido;
        for (std::size_t n = 1; n <= teclas.size() + mais_longo; ++n) {
            // The box holds the last display plus the new key; past the longest shape the
            // last key is typed again.
            const std::u16string texto = exibido + teclas[std::min(n, teclas.size()) - 1];
            SCOPED_TRACE(rotulo(uf, texto));
            const std::u16string esperado =
                teste::ate_a_tecla(n <= teste::lugares(curto) ? curto : final, n);
            const auto r = formatar_inscricao_estadual_uf(texto, uf);
            EXPECT_EQ(r.texto, esperado);
            EXPECT_EQ(r.separador_inserido, teste::lugares(esperado) < esperado.size());
            exibido = r.texto;
        }
    }
}

// ISENTO in any case, also typed key by key, and SP's P; other letters go, and a separator
// with them. The value-returning layer reports the flag and leaves the thread's as it was.
TEST(InscricaoEstadual, RotinaIsentoEOutrasUnidades) {
    const std::tuple<u16string_view, u16string_view, u16string_view, bool> casos[] = {
        {u"SP", u" isento ", u"ISENTO", false},
        {u"BA", u" iSeNt", u"ISENT", false},
        {u"BA", u"isx", u"", false},
        {u"BA", u"isentos", u"", false},
        {u"BA", u"i1", u"1", false},
        {u"SP", u"p0", u"P-0", true},
        {u"SP", u"0p1", u"01", false},
        {u"MG", u"p12", u"12", false},
        {u"RJ", u"12.a", u"12", false},
    };
    for (const auto& [uf, texto, exibido, separador] : casos) {
        SCOPED_TRACE(rotulo(uf, texto));
        SeparadorInserido = !separador;
        const auto r = formatar_inscricao_estadual_uf(texto, uf);
        EXPECT_EQ(SeparadorInserido, !separador);
        EXPECT_EQ(r.texto, exibido);
        EXPECT_EQ(r.separador_inserido, separador);
        EXPECT_FALSE(r.negativo);
    }
    SeparadorInserido = 0;
    // An unknown unit shapes as mask 15, flag included.
    for (const u16string_view texto : {u"123", u"12345678901234567890"}) {
        SCOPED_TRACE(rotulo(texto));
        const auto r = formatar_inscricao_estadual_uf(texto, u"XX");
        const auto mascara = formatar_entrada(texto, eMascara::InscricaoEstadual);
        EXPECT_EQ(r.texto, mascara.texto);
        EXPECT_EQ(r.separador_inserido, mascara.separador_inserido);
    }
}

// The published by-reference routine (its shapes: the session script): Texto keeps every
// digit, UF is left as given; the field's entry is cut first. Plain values: the CLI's saida.
TEST(InscricaoEstadual, RotinaPublicadaECampo) {
    const std::tuple<std::u16string, std::u16string, u16string_view, u16string_view, int32_t>
        casos[] = {
            {u"110.042.490.114-99", u"sp", u"110.042.490.114", u"11004249011499", 1},
            {u"1234", u"XX", u"12-34", u"1234", 1},  // an unknown unit shapes as mask 15
        };
    Formatar f;
    for (auto [texto, uf, exibido, depois, flag] : casos) {
        SCOPED_TRACE(rotulo(texto, uf));
        const std::u16string uf_dado = uf;
        SeparadorInserido = 0;
        EXPECT_EQ(f.InscricaoEstadualUF(texto, uf), exibido);
        EXPECT_EQ(texto, depois);
        EXPECT_EQ(uf, uf_dado);
        EXPECT_EQ(SeparadorInserido, flag);
    }
    SeparadorInserido = 0;
    int16_t max_length = 5;
    EXPECT_EQ(formatar_inscricao_estadual_uf_entrada(u"110042490114", u"SP", max_length).texto,
              u"110.04");
    max_length = 0;
    formatar_inscricao_estadual_uf_entrada(u"1", u"SP", max_length);
    EXPECT_EQ(max_length, 50);
}

}  // namespace
}  // namespace pjtCampoVivo
