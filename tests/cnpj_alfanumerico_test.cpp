// Alphanumeric CNPJ engine: check digits, extraction, shaping, zero fill, plain value, exit
// check, and exact agreement with the all-digit CNPJ on texts without letters.
#include <gtest/gtest.h>

#include <string>

#include <pjtcampovivo/formatting/formatacao.hpp>
#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/validation/checagem_saida.hpp>
#include <pjtcampovivo/validation/comuns.hpp>
#include "support/motor.hpp"

namespace pjtCampoVivo {
namespace {

using teste::utf8;

constexpr bool letra_ascii(char16_t c) noexcept {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

std::u16string sem_letras(std::u16string texto) {
    std::erase_if(texto, letra_ascii);
    return texto;
}

TEST(CNPJAlfanumerico, DigitosVerificadores) {
    const struct {
        std::u16string texto;
        bool valido;
    } casos[] = {
        {u"12ABC34501DE35", true},
        {u"00000000E08G12", true},
        {u"A1B2C3D41A2B62", true},
        {u"11222333000181", true},
        {u"93ZB0VRYV6KA66", false},
        {u"12ABC34501DE36", false},
        {u"12abc34501de35", false},      // capitals only
        {u"12.ABC.345/01DE-35", false},  // no separators, as CNPJValido
        {u"12ABC34501DE3", false},       // exactly fourteen characters
        {u" 12ABC34501DE35", false},
        {u"12ABC34501DEA5", false},  // the check digits are digits
        {u"", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.texto));
        EXPECT_EQ(Comuns::CNPJAlfanumericoValido(c.texto), c.valido);
    }
}

// Over digits both validators accept the same single check-digit pair per prefix.
TEST(CNPJAlfanumerico, ConcordaComOCNPJNumerico) {
    teste::GeradorTexto gerador(2026);
    for (int n = 0; n < 200; ++n) {
        std::u16string prefixo;
        for (int i = 0; i < 12; ++i)
            prefixo.push_back(static_cast<char16_t>(u'0' + gerador.inteiro(0, 9)));
        int validos = 0;
        for (int dv = 0; dv < 100; ++dv) {
            const std::u16string cnpj = prefixo + static_cast<char16_t>(u'0' + dv / 10) +
                                        static_cast<char16_t>(u'0' + dv % 10);
            SCOPED_TRACE(utf8(cnpj));
            const bool numerico = Comuns::CNPJValido(cnpj);
            EXPECT_EQ(Comuns::CNPJAlfanumericoValido(cnpj), numerico);
            validos += numerico;
        }
        EXPECT_EQ(validos, 1);
    }
}

TEST(CNPJAlfanumerico, ExtrairCaracteres) {
    const struct {
        std::u16string texto;
        std::u16string caracteres;
    } casos[] = {
        {u"12.abc.345/01de-35", u"12ABC34501DE35"},
        {u"ABCDEFGHIJKLMNOP12", u"ABCDEFGHIJKL12"},  // letters only in the first twelve
        {u"ABCDEFGHIJKL1X2Y345", u"ABCDEFGHIJKL12345"},
        {u"ç1é2\u0661ｂ", u"12"},  // ASCII letters and digits only
        {u"-/. ", u""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.texto));
        EXPECT_EQ(Comuns::ExtrairCNPJAlfanumerico(c.texto), c.caracteres);
        std::u16string no_lugar = c.texto;
        Comuns::ExtrairCNPJAlfanumericoNoLugar(no_lugar);
        EXPECT_EQ(no_lugar, c.caracteres);
    }
    EXPECT_EQ(
        teste::numero_de([] { Comuns::ExtrairCNPJAlfanumerico(std::u16string(32768, u'1')); }), 6);
    std::u16string longo(32768, u'a');
    EXPECT_EQ(teste::numero_de([&] { Comuns::ExtrairCNPJAlfanumericoNoLugar(longo); }), 6);
    EXPECT_EQ(longo, std::u16string(32768, u'a'));  // left as it was
}

// Shapes like CNPJ and, like it, never raises the flag; Texto becomes its characters.
TEST(CNPJAlfanumerico, Rotina) {
    const struct {
        std::u16string texto;
        std::u16string exibido;
        std::u16string texto_depois;
    } casos[] = {
        {u"12a", u"12.A", u"12A"},
        {u"12ABC3", u"12.ABC.3", u"12ABC3"},
        {u"12.abc.345/01de-35", u"12.ABC.345/01DE-35", u"12ABC34501DE35"},
        {u"12ABC34501DEX35", u"12.ABC.345/01DE-35", u"12ABC34501DE35"},
        {u"12ABC34501DE3599", u"12.ABC.345/01DE-35", u"12ABC34501DE3599"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.texto));
        const auto r = teste::rotina(&Formatar::CNPJAlfanumerico, c.texto);
        EXPECT_EQ(r.exibido, c.exibido);
        EXPECT_EQ(r.texto, c.texto_depois);
        EXPECT_EQ(r.flag, 0);
    }
}

// A text without ASCII letters is shaped, typed or assigned, exactly as mask 14 shapes it.
TEST(CNPJAlfanumerico, SemLetrasComoOCNPJ) {
    teste::GeradorTexto gerador(14);
    const int16_t maximos[] = {0, 3, 10, 14, 18, 22};
    for (int n = 0; n < 2000; ++n) {
        const std::u16string texto = sem_letras(gerador.ate(30));
        SCOPED_TRACE(utf8(texto));
        const auto alfa = teste::rotina(&Formatar::CNPJAlfanumerico, texto);
        const auto numerico = teste::rotina(&Formatar::CNPJ, texto);
        EXPECT_EQ(alfa.exibido, numerico.exibido);
        EXPECT_EQ(alfa.texto, numerico.texto);
        for (const int16_t maximo : maximos) {
            for (const auto entrada : {eEntradaDe::eeteclado, eEntradaDe::eeMove}) {
                int16_t max_alfa = maximo;
                const auto a = formatar_cnpj_alfanumerico_entrada(texto, max_alfa, entrada);
                const auto d = teste::entrada(texto, 14, maximo, 0, valor(entrada));
                EXPECT_EQ(a.texto, d.exibido) << "max " << maximo;
                EXPECT_EQ(max_alfa, d.max_length);
                EXPECT_FALSE(a.separador_inserido);
            }
        }
    }
}

TEST(CNPJAlfanumerico, EntradaDoCampo) {
    const struct {
        std::u16string texto;
        int16_t max_length;
        eEntradaDe entrada;
        std::u16string exibido;
        int16_t max_depois;
    } casos[] = {
        {u"12abc34501de35", 22, eEntradaDe::eeteclado, u"12.ABC.345/01DE-35", 22},
        {u"12abc34501", 0, eEntradaDe::eeteclado, u"12.ABC.345/01", 50},
        {u"12ABC34501DE35", 10, eEntradaDe::eeteclado, u"ABC.345/01", 10},  // cut, last ten kept
        // Assigned whole: zero-filled to fourteen, never cut.
        {u"e08g12", 22, eEntradaDe::eeMove, u"00.000.000/E08G-12", 22},
        {u"12ABC34501DE35", 5, eEntradaDe::eeMove, u"00.000.000/012A", 5},
        {u"1ABCDE", 22, eEntradaDe::eeMove, u"00.000.000/1ABC", 22},  // no letter as check digit
        {u"-/", 22, eEntradaDe::eeMove, u"", 22},                     // nothing to fill
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.texto) + " max " + std::to_string(c.max_length));
        int16_t max_length = c.max_length;
        SeparadorInserido = 1;  // left as it was
        const auto r = formatar_cnpj_alfanumerico_entrada(c.texto, max_length, c.entrada);
        EXPECT_EQ(SeparadorInserido, 1);
        SeparadorInserido = 0;
        EXPECT_EQ(r.texto, c.exibido);
        EXPECT_EQ(max_length, c.max_depois);
        EXPECT_FALSE(r.negativo);
    }
}

// Plain value keeps leading zeros; the exit check uses mask 14's words.
TEST(CNPJAlfanumerico, ValorPlanoEChecagem) {
    EXPECT_EQ(formatar_saida_cnpj_alfanumerico(u"00.000.000/0001-91"), u"00000000000191");
    EXPECT_EQ(formatar_saida_cnpj_alfanumerico(u"12.ABC.345/01DE-35"), u"12ABC34501DE35");
    EXPECT_EQ(formatar_saida_cnpj_alfanumerico(u""), u"");

    const ChecagemSaida& alfa = checagem_saida_cnpj_alfanumerico();
    const ChecagemSaida& numerica = *checagem_saida(14);
    EXPECT_EQ(alfa.mascara, 14);
    EXPECT_EQ(alfa.prompt, numerica.prompt);
    EXPECT_EQ(alfa.titulo, numerica.titulo);
    EXPECT_EQ(alfa.documento, numerica.documento);
    const struct {
        std::u16string texto;
        bool valido;
    } casos[] = {
        {u"12.ABC.345/01DE-35", true},
        {u"11.222.333/0001-81", true},
        {u"12.ABC.345/01DE", false},
        {u"11.222.333/0001-80", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(utf8(c.texto));
        EXPECT_EQ(alfa.valido(c.texto), c.valido);
    }
}

}  // namespace
}  // namespace pjtCampoVivo
