// Telephone numbers with area code: shaping key by key, pasted and assigned values, the
// country code, the area-code table and the exit check.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <pjtcampovivo/formatting/formatacao.hpp>
#include <pjtcampovivo/formatting/formatar.hpp>
#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/validation/checagem_saida.hpp>
#include <pjtcampovivo/validation/comuns.hpp>
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using teste::utf8;

bool tem_separador(std::u16string_view texto) {
    return std::any_of(texto.begin(), texto.end(), [](char16_t c) { return !Comuns::e_digito(c); });
}

// Each number typed one digit at a time, with the display expected after every digit; the
// last digits go beyond the shape and change nothing.
TEST(TelefoneDDD, DigitadoTeclaATecla) {
    const struct {
        std::u16string digitos;
        std::vector<std::u16string> exibidos;
    } numeros[] = {
        {u"119123456789",
         {u"(1", u"(11", u"(11) 9", u"(11) 91", u"(11) 912", u"(11) 9123", u"(11) 91234",
          u"(11) 91234-5", u"(11) 91234-56", u"(11) 91234-567", u"(11) 91234-5678",
          u"(11) 91234-5678"}},
        {u"11345678901",
         {u"(1", u"(11", u"(11) 3", u"(11) 34", u"(11) 345", u"(11) 3456", u"(11) 3456-7",
          u"(11) 3456-78", u"(11) 3456-789", u"(11) 3456-7890", u"(11) 3456-7890"}},
        {u"080012345678",
         {u"0", u"08", u"080", u"0800", u"0800 1", u"0800 12", u"0800 123", u"0800 123 4",
          u"0800 123 45", u"0800 123 456", u"0800 123 4567", u"0800 123 4567"}},
    };
    Formatar f;
    for (const auto& n : numeros) {
        ASSERT_EQ(n.exibidos.size(), n.digitos.size());
        std::u16string na_caixa;
        for (std::size_t i = 0; i < n.digitos.size(); ++i) {
            const std::u16string& esperado = n.exibidos[i];
            SCOPED_TRACE(utf8(n.digitos.substr(0, i + 1)));
            // The routine on the digits so far, and on what a field holds after the key: the
            // previous display with the digit after it.
            for (std::u16string texto : {n.digitos.substr(0, i + 1), na_caixa + n.digitos[i]}) {
                SeparadorInserido = 0;
                EXPECT_EQ(f.TelefoneDDD(texto), esperado);
                EXPECT_EQ(texto, n.digitos.substr(0, std::max(i + 1, texto.size())));
                EXPECT_EQ(SeparadorInserido, tem_separador(esperado) ? 1 : 0);
            }
            na_caixa = esperado;
        }
    }
    SeparadorInserido = 0;
}

// Pasted through the keyboard the text is cut to MaxLength first, as every mask's is; assigned
// as a whole it is read in full and a country code in front of a national number goes.
TEST(TelefoneDDD, ColadoEAtribuido) {
    const struct {
        std::u16string texto;
        eEntradaDe entrada;
        std::u16string exibido;
    } casos[] = {
        {u"(11) 91234-5678", eEntradaDe::eeteclado, u"(11) 91234-5678"},
        {u"11912345678", eEntradaDe::eeteclado, u"(11) 91234-5678"},
        {u"11 3456 7890", eEntradaDe::eeteclado, u"(11) 3456-7890"},
        {u"0800-123-4567", eEntradaDe::eeteclado, u"0800 123 4567"},
        {u"tel. 21 2345-6789", eEntradaDe::eeteclado, u"(21) 2345-67"},  // cut to 15 first
        {u"+55 11 91234-5678", eEntradaDe::eeteclado, u"(55) 1191-2345"},
        {u"+55 11 91234-5678", eEntradaDe::eeMove, u"(11) 91234-5678"},
        {u"+55 (11) 3456-7890", eEntradaDe::eeMove, u"(11) 3456-7890"},
        {u"55 0800 123 4567", eEntradaDe::eeMove, u"0800 123 4567"},
        {u"tel. 21 2345-6789", eEntradaDe::eeMove, u"(21) 2345-6789"},
        // Only 12 or 13 digits beginning with 55 carry a country code: 55 is also an area code.
        {u"55912345678", eEntradaDe::eeMove, u"(55) 91234-5678"},
        {u"5534567890", eEntradaDe::eeMove, u"(55) 3456-7890"},
        {u"55119123456789", eEntradaDe::eeMove, u"(55) 1191-2345"},
        {u"541134567890", eEntradaDe::eeMove, u"(54) 1134-5678"},
        {u"", eEntradaDe::eeMove, u""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.texto) + (c.entrada == eEntradaDe::eeMove ? " assigned" : " typed"));
        int16_t max_length = 15;
        SeparadorInserido = 1;
        const TextoFormatado r = formatar_telefone_ddd_entrada(c.texto, max_length, c.entrada);
        EXPECT_EQ(r.texto, c.exibido);
        EXPECT_EQ(r.separador_inserido, tem_separador(c.exibido));
        EXPECT_EQ(SeparadorInserido, 1);  // left as it was
    }
    SeparadorInserido = 0;
    int16_t sem_limite = 0;
    formatar_telefone_ddd_entrada(u"1", sem_limite);
    EXPECT_EQ(sem_limite, 50);
}

// The area codes in use, as Anatel lists them by unit, written out here independently of the
// library's table.
const std::set<int> CodigosEmUso{11, 12, 13, 14, 15, 16, 17, 18, 19, 21, 22, 24, 27, 28, 31, 32, 33,
                                 34, 35, 37, 38, 41, 42, 43, 44, 45, 46, 47, 48, 49, 51, 53, 54, 55,
                                 61, 62, 64, 63, 65, 66, 67, 68, 69, 71, 73, 74, 75, 77, 79, 81, 87,
                                 82, 83, 84, 85, 88, 86, 89, 91, 93, 94, 92, 97, 95, 96, 98, 99};

TEST(TelefoneDDD, CodigosDeArea) {
    ASSERT_EQ(CodigosEmUso.size(), 67u);
    for (int ddd = 0; ddd <= 99; ++ddd) {
        const std::u16string area{static_cast<char16_t>(u'0' + ddd / 10),
                                  static_cast<char16_t>(u'0' + ddd % 10)};
        SCOPED_TRACE(ddd);
        const bool em_uso = CodigosEmUso.contains(ddd);
        EXPECT_EQ(Comuns::TelefoneValido(area + u"912345678"), em_uso);
        EXPECT_EQ(Comuns::TelefoneValido(area + u"34567890"), em_uso);
    }
}

TEST(TelefoneDDD, TamanhosEPrimeirosDigitos) {
    const struct {
        std::u16string digitos;
        bool valido;
    } casos[] = {
        {u"11912345678", true},
        {u"1191234567", false},  // a mobile has nine digits
        {u"119123456789", false},
        {u"11812345678", false},  // nine digits begin with 9
        {u"1122345678", true},
        {u"1152345678", true},  // fixed lines: 2 to 5
        {u"1112345678", false},
        {u"1162345678", false},
        {u"1172345678", false},
        {u"1192345678", false},
        {u"1102345678", false},
        {u"08001234567", true},
        {u"03001234567", true},
        {u"03031234567", true},
        {u"05001234567", true},
        {u"09001234567", true},
        {u"08011234567", false},
        {u"04001234567", false},
        {u"0800123456", false},
        {u"080012345678", false},
        {u"0800", false},
        {u"(11) 91234-5678", false},  // digits only: separators are the caller's to drop
        {u" 11912345678", false},
        {u"", false},
        {u"1", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.digitos));
        EXPECT_EQ(Comuns::TelefoneValido(c.digitos), c.valido);
    }
}

// The field's exit check reads the shown text; mask 11 alone is still not checked.
TEST(TelefoneDDD, ChecagemDeSaida) {
    const ChecagemSaida& c = checagem_saida_telefone_ddd();
    EXPECT_EQ(c.mascara, 11);
    EXPECT_TRUE(c.documento);
    EXPECT_EQ(c.prompt,
              u"O telefone esta preenchido incorretamente, faça como no exemplo: (11) 91234-5678");
    EXPECT_EQ(c.titulo, u"Telefone informado incorretamente");
    EXPECT_TRUE(c.valido(u"(11) 91234-5678"));
    EXPECT_TRUE(c.valido(u"0800 123 4567"));
    EXPECT_FALSE(c.valido(u"(11) 9123-4567"));
    EXPECT_FALSE(c.valido(u"(20) 3456-7890"));
    EXPECT_EQ(checagem_saida(11), nullptr);
}

// The plain value is an identifier: a leading zero stays, where mask 11 reads a number.
TEST(TelefoneDDD, ValorPlano) {
    EXPECT_EQ(formatar_saida_telefone_ddd(u"0800 123 4567"), u"08001234567");
    EXPECT_EQ(formatar_saida_telefone_ddd(u"(11) 91234-5678"), u"11912345678");
    EXPECT_EQ(formatar_saida_telefone_ddd(u""), u"");
    EXPECT_EQ(formatar_saida(u"0800 123 4567", eMascara::Telefone), u"8001234567");
}

}  // namespace
}  // namespace pjtCampoVivo
