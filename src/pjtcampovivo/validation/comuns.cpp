#include <pjtcampovivo/validation/comuns.hpp>

#include <algorithm>
#include <array>

#include <pjtcampovivo/validation/conversao.hpp>

namespace pjtCampoVivo::Comuns {

namespace {

// Only the money and number masks give a minus sign a meaning.
constexpr bool mascara_com_sinal(int32_t mascara) noexcept {
    return mascara == 1 || mascara == 2;
}

// The number of a digit, 0 for any other character.
constexpr int valor_posicao(std::u16string_view texto, std::size_t posicao) noexcept {
    if (posicao >= texto.size() || !e_digito(texto[posicao])) return 0;
    return texto[posicao] - u'0';
}

// 11 - (soma mod 11), with 10 and 11 read as 0: the check digit of both numbers.
constexpr int digito_verificador(int soma) noexcept {
    const int d = 11 - soma % 11;
    return d >= 10 ? 0 : d;
}

// The CNPJ's weights: positions 2 to 13 for the first check digit, 1 to 13 for the second.
constexpr std::array<int, 13> PesosCNPJ{6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};

// The positions of an alphanumeric CNPJ that may hold letters; the check digits follow.
constexpr std::size_t PosicoesAlfanumericas = 12;

constexpr bool e_maiuscula(char16_t c) noexcept {
    return c >= u'A' && c <= u'Z';
}

constexpr bool e_minuscula(char16_t c) noexcept {
    return c >= u'a' && c <= u'z';
}

}  // namespace

std::u16string ExtrairDigitos(std::u16string_view Texto, int32_t Mascara, int32_t& ENegativo) {
    std::u16string digitos(Texto);
    ExtrairDigitosNoLugar(digitos, Mascara, ENegativo);
    return digitos;
}

void ExtrairDigitosNoLugar(std::u16string& Texto, int32_t Mascara, int32_t& ENegativo) {
    // Positions are 16-bit: a longer text is refused before anything is touched.
    para_int16(Texto.size());
    const bool com_sinal = mascara_com_sinal(Mascara);
    bool menos = false;
    // Every character is copied down and the write position only advances past a digit:
    // no branch per character on this path, which runs on every keystroke.
    char16_t* escrita = Texto.data();
    for (const char16_t c : std::u16string_view(Texto)) {
        *escrita = c;
        escrita += static_cast<char16_t>(c - u'0') < 10;
        menos |= c == u'-';
    }
    if (menos && com_sinal) ENegativo = 1;
    Texto.resize(static_cast<std::size_t>(escrita - Texto.data()));
}

bool CPFValido(std::u16string_view Texto) {
    const auto inicio = Texto.find_first_not_of(u' ');
    if (inicio == std::u16string_view::npos) return false;
    const auto texto = Texto.substr(inicio, Texto.find_last_not_of(u' ') - inicio + 1);
    if (texto.size() != 11) return false;
    // One digit eleven times passes the arithmetic but is no real number.
    if (e_digito(texto[0]) &&
        std::all_of(texto.begin(), texto.end(), [&](char16_t c) { return c == texto[0]; })) {
        return false;
    }
    int soma = 0;
    for (std::size_t j = 0; j < 9; ++j) soma += valor_posicao(texto, j) * static_cast<int>(10 - j);
    if (digito_verificador(soma) != valor_posicao(texto, 9)) return false;
    soma = 0;
    for (std::size_t j = 0; j < 10; ++j) soma += valor_posicao(texto, j) * static_cast<int>(11 - j);
    return digito_verificador(soma) == valor_posicao(texto, 10);
}

bool CNPJValido(std::u16string_view Texto) {
    int primeira = 0;
    int segunda = 0;
    for (std::size_t j = 0; j < 12; ++j) {
        primeira += PesosCNPJ[j + 1] * valor_posicao(Texto, j);
        segunda += PesosCNPJ[j] * valor_posicao(Texto, j);
    }
    if (digito_verificador(primeira) != valor_posicao(Texto, 12)) return false;
    segunda += PesosCNPJ[12] * valor_posicao(Texto, 12);
    return digito_verificador(segunda) == valor_posicao(Texto, 13);
}

bool CNPJAlfanumericoValido(std::u16string_view Texto) {
    if (Texto.size() != 14) return false;
    for (std::size_t j = 0; j < Texto.size(); ++j) {
        const char16_t c = Texto[j];
        if (!e_digito(c) && !(j < PosicoesAlfanumericas && e_maiuscula(c))) return false;
    }
    int primeira = 0;
    int segunda = 0;
    for (std::size_t j = 0; j < PosicoesAlfanumericas; ++j) {
        const int valor = Texto[j] - u'0';
        primeira += PesosCNPJ[j + 1] * valor;
        segunda += PesosCNPJ[j] * valor;
    }
    if (digito_verificador(primeira) != Texto[12] - u'0') return false;
    segunda += PesosCNPJ[12] * (Texto[12] - u'0');
    return digito_verificador(segunda) == Texto[13] - u'0';
}

std::u16string ExtrairCNPJAlfanumerico(std::u16string_view Texto) {
    std::u16string caracteres(Texto);
    ExtrairCNPJAlfanumericoNoLugar(caracteres);
    return caracteres;
}

void ExtrairCNPJAlfanumericoNoLugar(std::u16string& Texto) {
    para_int16(Texto.size());
    // Written down over what was already read: the write position never passes the read one.
    std::size_t n = 0;
    for (const char16_t c : std::u16string_view(Texto)) {
        if (e_digito(c) || (n < PosicoesAlfanumericas && e_maiuscula(c))) {
            Texto[n++] = c;
        } else if (n < PosicoesAlfanumericas && e_minuscula(c)) {
            Texto[n++] = static_cast<char16_t>(c - u'a' + u'A');
        }
    }
    Texto.resize(n);
}

}  // namespace pjtCampoVivo::Comuns
