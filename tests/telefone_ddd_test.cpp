// Telephone numbers with area code: shaping key by key, pasted and assigned values, the
// country code, the area-code table and the exit check.
#include <set>

#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using teste::utf8;

bool tem_separador(std::u16string_view texto) {
    return std::ranges::any_of(texto, [](char16_t c) { return !Comuns::e_digito(c); });
}

// A mobile, a fixed line and a service number typed one digit at a time: after each digit
// the display is the full shape up to that digit. The last digit goes beyond the shape and
// changes nothing.
TEST(TelefoneDDD, DigitadoTeclaATecla) {
    Formatar f;
    const std::pair<std::u16string_view, char16_t> numeros[] = {
        {u"(11) 91234-5678", u'9'}, {u"(11) 3456-7890", u'1'}, {u"0800 123 4567", u'8'}};
    for (const auto& [final, a_mais] : numeros) {
        const std::u16string digitos = teste::teclas_de(final) + a_mais;
        std::u16string na_caixa;
        for (std::size_t i = 0; i < digitos.size(); ++i) {
            const std::u16string esperado = teste::ate_a_tecla(final, i + 1);
            SCOPED_TRACE(utf8(digitos.substr(0, i + 1)));
            // The routine on the digits so far, and on what a field holds after the key: the
            // previous display with the digit after it.
            for (std::u16string texto : {digitos.substr(0, i + 1), na_caixa + digitos[i]}) {
                SeparadorInserido = 0;
                EXPECT_EQ(f.TelefoneDDD(texto), esperado);
                EXPECT_EQ(texto, digitos.substr(0, std::max(i + 1, texto.size())));
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
    constexpr auto teclado = eEntradaDe::eeteclado, move = eEntradaDe::eeMove;
    const std::tuple<std::u16string_view, eEntradaDe, std::u16string_view> casos[] = {
        {u"0800-123-4567", teclado, u"0800 123 4567"},
        {u"tel. 21 2345-6789", teclado, u"(21) 2345-67"},  // cut to 15 first
        {u"+55 11 91234-5678", teclado, u"(55) 1191-2345"},
        {u"tel. 21 2345-6789", move, u"(21) 2345-6789"},
        {u"+55 (11) 3456-7890", move, u"(11) 3456-7890"},  // 12 digits with the country code
        // Only 12 or 13 digits beginning with 55 carry a country code: 55 is also an area code.
        {u"55912345678", move, u"(55) 91234-5678"},
        {u"5534567890", move, u"(55) 3456-7890"},
        {u"55119123456789", move, u"(55) 1191-2345"},
        {u"541134567890", move, u"(54) 1134-5678"},
        {u"", move, u""},
    };
    for (const auto& [texto, entrada, exibido] : casos) {
        SCOPED_TRACE(utf8(texto) + (entrada == move ? " assigned" : " typed"));
        int16_t max_length = 15;
        SeparadorInserido = 1;
        const TextoFormatado r = formatar_telefone_ddd_entrada(texto, max_length, entrada);
        EXPECT_EQ(r.texto, exibido);
        EXPECT_EQ(r.separador_inserido, tem_separador(exibido));
        EXPECT_EQ(SeparadorInserido, 1);  // left as it was
    }
    SeparadorInserido = 0;
    int16_t sem_limite = 0;
    formatar_telefone_ddd_entrada(u"1", sem_limite);
    EXPECT_EQ(sem_limite, 50);
}

// Every area code, against the codes in use as Anatel lists them by unit, written out here
// independently of the library's table; a mobile and a fixed line on each.
TEST(TelefoneDDD, CodigosDeArea) {
    const std::set<int> em_uso{11, 12, 13, 14, 15, 16, 17, 18, 19, 21, 22, 24, 27, 28, 31, 32, 33,
                               34, 35, 37, 38, 41, 42, 43, 44, 45, 46, 47, 48, 49, 51, 53, 54, 55,
                               61, 62, 64, 63, 65, 66, 67, 68, 69, 71, 73, 74, 75, 77, 79, 81, 87,
                               82, 83, 84, 85, 88, 86, 89, 91, 93, 94, 92, 97, 95, 96, 98, 99};
    ASSERT_EQ(em_uso.size(), 67u);
    for (int ddd = 0; ddd <= 99; ++ddd) {
        const std::u16string area{static_cast<char16_t>(u'0' + ddd / 10),
                                  static_cast<char16_t>(u'0' + ddd % 10)};
        SCOPED_TRACE(ddd);
        EXPECT_EQ(Comuns::TelefoneValido(area + u"912345678"), em_uso.contains(ddd));
        EXPECT_EQ(Comuns::TelefoneValido(area + u"34567890"), em_uso.contains(ddd));
    }
}

// A mobile has nine digits beginning with 9; a fixed line eight beginning with 2 to 5; a
// service number 0300, 0303, 0500, 0800 or 0900 and seven digits. Digits only: separators are
// the caller's to drop.
TEST(TelefoneDDD, TamanhosEPrimeirosDigitos) {
    for (const std::u16string_view valido : {u"1122345678", u"1152345678", u"03001234567",
                                             u"03031234567", u"05001234567", u"09001234567"}) {
        EXPECT_TRUE(Comuns::TelefoneValido(valido)) << utf8(valido);
    }
    for (const std::u16string_view invalido :
         {u"1191234567", u"119123456789", u"11812345678", u"1112345678", u"1162345678",
          u"1172345678", u"1192345678", u"1102345678", u"08011234567", u"04001234567",
          u"0800123456", u"080012345678", u"0800", u" 11912345678", u""}) {
        EXPECT_FALSE(Comuns::TelefoneValido(invalido)) << utf8(invalido);
    }
}

// The field's exit check reads the shown text; mask 11 alone is still not checked. The plain
// value is an identifier: a leading zero stays, where mask 11 reads a number.
TEST(TelefoneDDD, ChecagemDeSaidaEValorPlano) {
    const ChecagemSaida& c = checagem_saida_telefone_ddd();
    EXPECT_EQ(c.mascara, 11);
    EXPECT_TRUE(c.documento);
    EXPECT_TRUE(c.valido(u"0800 123 4567"));
    EXPECT_FALSE(c.valido(u"(11) 9123-4567"));
    EXPECT_FALSE(c.valido(u"(20) 3456-7890"));
    EXPECT_EQ(checagem_saida(11), nullptr);
    EXPECT_EQ(formatar_saida_telefone_ddd(u"0800 123 4567"), u"08001234567");
    EXPECT_EQ(formatar_saida(u"0800 123 4567", eMascara::Telefone), u"8001234567");
}

}  // namespace
}  // namespace pjtCampoVivo
