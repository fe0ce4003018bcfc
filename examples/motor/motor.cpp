// Masks and checks with the engine alone, as a program that stores plain values and shows
// them masked uses it: each value is formatted as a field shows it, read back into the plain
// value a program stores, and checked. Prints one line per result and exits with 1 when
// any differs from what this program expects.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include <pjtcampovivo/formatting/formatacao.hpp>
#include <pjtcampovivo/formatting/mascaras.hpp>
#include <pjtcampovivo/validation/comuns.hpp>
#include <pjtcampovivo/validation/data_hora.hpp>

using namespace pjtCampoVivo;

namespace {

// The engine's texts are UTF-16; the terminal wants UTF-8.
std::string utf8(std::u16string_view s) {
    std::string r;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
        if (c < 0x80) {
            r += static_cast<char>(c);
            continue;
        }
        const int seguintes = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        constexpr unsigned char inicial[] = {0, 0xC0, 0xE0, 0xF0};
        r += static_cast<char>(inicial[seguintes] | (c >> (6 * seguintes)));
        for (int k = seguintes - 1; k >= 0; --k)
            r += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
    }
    return r;
}

int falhas = 0;

void conferir(const std::string& oque, std::u16string_view obtido, std::u16string_view esperado) {
    const bool ok = obtido == esperado;
    std::printf("%-6s %s: %s\n", ok ? "ok" : "FALHA", oque.c_str(), utf8(obtido).c_str());
    if (!ok) {
        std::printf("       esperado: %s\n", utf8(esperado).c_str());
        ++falhas;
    }
}

// One field: what the user types, what the field shows, the plain value stored.
struct Campo {
    const char* nome;
    eMascara mascara;
    std::u16string_view digitado;
    std::u16string_view exibido;
    std::u16string_view valor;
};

constexpr Campo campos[] = {
    {"dinheiro", eMascara::DinheiroTaxa, u"123456", u"1.234,56", u"1234,56"},
    {"data", eMascara::DdMmAaaa, u"25122003", u"25/12/2003", u"25/12/2003"},
    {"CPF", eMascara::CNPF, u"12345678909", u"123.456.789-09", u"12345678909"},
    {"CNPJ", eMascara::CNPJ, u"12345678000195", u"12.345.678/0001-95", u"12345678000195"},
    // A plain CEP or telephone is a number: its leading zero goes.
    {"CEP", eMascara::Cep, u"01310100", u"01.310-100", u"1310100"},
    {"telefone", eMascara::Telefone, u"123456789", u"12.345-6789", u"123456789"},
};

// A finished value and whether it passes the check a field makes when the user leaves it.
struct Checagem {
    const char* nome;
    bool (*valido)(std::u16string_view);
    std::u16string_view texto;
    bool esperado;
};

constexpr Checagem checagens[] = {
    {"CPF", Comuns::CPFValido, u"12345678909", true},
    {"CPF", Comuns::CPFValido, u"12345678900", false},
    {"CPF", Comuns::CPFValido, u"11111111111", false},  // one digit repeated
    {"CNPJ", Comuns::CNPJValido, u"12345678000195", true},
    {"CNPJ", Comuns::CNPJValido, u"12345678000190", false},
    {"CNPJ alfanumérico", Comuns::CNPJAlfanumericoValido, u"12ABC34501DE35", true},
    {"data", DataHora::DdMmAaaaValido, u"29/02/2004", true},
    {"data", DataHora::DdMmAaaaValido, u"29/02/2003", false},
};

}  // namespace

int main() {
    for (const Campo& c : campos) {
        // A field of this mask gets its length limit and decimal places from the mask.
        const ConfiguracaoMascara config = *configuracao_mascara(valor(c.mascara));
        const std::string nome = c.nome;
        const TextoFormatado r =
            formatar_entrada(c.digitado, c.mascara, config.max_length, config.casas_decimais);
        conferir(nome + ", digitado " + utf8(c.digitado), r.texto, c.exibido);
        conferir(nome + ", valor de " + utf8(c.exibido),
                 formatar_saida(c.exibido, c.mascara, config.casas_decimais), c.valor);
    }
    // The plain money value for a program that reads numbers with a decimal point.
    conferir("dinheiro, com ponto decimal 1234,56", com_ponto_decimal(u"1234,56"), u"1234.56");
    // A CPF moved in as a whole (not typed) is completed with leading zeros.
    conferir("CPF, atribuído 123",
             formatar_entrada(u"123", eMascara::CNPF, 14, 0, eEntradaDe::eeMove).texto,
             u"000.000.001-23");

    // A field whose settings switch a variant on beside its mask: the mobile number with its
    // area code, and the state registration of SP. The engine picks the routines.
    AjustesCampo celular;
    celular.mascara = valor(eMascara::Telefone);
    celular.telefone_ddd = true;
    celular.max_length = variante_mascara(u"TelefoneDDD")->max_length;
    const std::u16string exibido =
        formatar_campo_entrada(celular, u"11912345678", eEntradaDe::eeteclado).texto;
    conferir("celular, digitado 11912345678", exibido, u"(11) 91234-5678");
    conferir("celular, valor de " + utf8(exibido), formatar_campo_saida(celular, exibido),
             u"11912345678");
    AjustesCampo inscricao;
    inscricao.mascara = valor(eMascara::InscricaoEstadual);
    inscricao.uf = u"SP";
    const ChecagemSaida* checagem = checagem_saida_campo(inscricao);
    conferir("inscrição SP 110.042.490.115 válida",
             checagem->valido(u"110.042.490.115") ? u"sim" : u"não", u"não");
    conferir("inscrição SP, mensagem", checagem->prompt,
             u"A inscrição estadual esta preenchida incorretamente para SP, faça como no "
             u"exemplo: 110.042.490.114");

    for (const Checagem& c : checagens) {
        const bool obtido = c.valido(c.texto);
        conferir(std::string(c.nome) + " " + utf8(c.texto) + " válido", obtido ? u"sim" : u"não",
                 c.esperado ? u"sim" : u"não");
    }

    std::printf("%s\n", falhas == 0 ? "motor: tudo confere" : "motor: há diferenças");
    return falhas == 0 ? 0 : 1;
}
