#include <pjtcampovivo/validation/data_hora.hpp>

#include <charconv>
#include <cmath>
#include <string>

#include <pjtcampovivo/validation/comuns.hpp>

namespace pjtCampoVivo::DataHora {

namespace {

constexpr bool e_branco(char16_t c) noexcept {
    return c == u' ' || c == u'\t';
}

// The number at the start of texto: where it lies, and whether it had a digit.
struct LeituraNumero {
    std::size_t inicio = 0;  // first character of the sign or digits
    std::size_t fim = 0;     // one past the last character of the number
    bool tem_digito = false;
};

// Blanks, an optional sign, digits with at most one "." among them. Stops where the number
// stops; says nothing about what follows.
LeituraNumero ler_numero(std::u16string_view texto) noexcept {
    LeituraNumero l;
    std::size_t i = 0;
    while (i < texto.size() && e_branco(texto[i])) ++i;
    l.inicio = i;
    if (i < texto.size() && (texto[i] == u'+' || texto[i] == u'-')) ++i;
    bool viu_ponto = false;
    for (; i < texto.size(); ++i) {
        if (Comuns::e_digito(texto[i])) {
            l.tem_digito = true;
        } else if (texto[i] == u'.' && !viu_ponto) {
            viu_ponto = true;
        } else {
            break;
        }
    }
    l.fim = i;
    return l;
}

// Substring by 1-based position and length, cut short at the end of the text.
std::u16string_view meio(std::u16string_view texto, std::size_t posicao,
                         std::size_t tamanho) noexcept {
    if (posicao > texto.size()) return {};
    return texto.substr(posicao - 1, tamanho);
}

// February allows 29 whatever the year; the full-date check handles leap years.
constexpr double dias_no_mes(double mes) noexcept {
    if (mes == 2) return 29;
    if (mes == 4 || mes == 6 || mes == 9 || mes == 11) return 30;
    return 31;
}

// Numeric, at least two characters, and between 1 and maximo.
bool parte_valida(std::u16string_view texto, double maximo) noexcept {
    if (!e_numerico(texto) || texto.size() < 2) return false;
    const double v = valor(texto);
    return v >= 1 && v <= maximo;
}

}  // namespace

bool e_numerico(std::u16string_view texto) noexcept {
    const LeituraNumero l = ler_numero(texto);
    if (!l.tem_digito) return false;
    for (std::size_t i = l.fim; i < texto.size(); ++i) {
        if (!e_branco(texto[i])) return false;
    }
    return true;
}

double valor(std::u16string_view texto) noexcept {
    const LeituraNumero l = ler_numero(texto);
    if (!l.tem_digito) return 0;
    // The number is ASCII by construction; from_chars reads it exactly rounded and ignores
    // the process locale.
    std::string ascii;
    ascii.reserve(l.fim - l.inicio);
    std::size_t i = l.inicio;
    bool negativo = false;
    if (texto[i] == u'+' || texto[i] == u'-') negativo = texto[i++] == u'-';
    for (; i < l.fim; ++i) ascii.push_back(static_cast<char>(texto[i]));
    double v = 0;
    const auto [fim, erro] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
    // Out of range either way: beyond the largest double is infinite, below the smallest
    // (nothing but zeros before the point) is zero, as the C library reads it.
    if (erro == std::errc::result_out_of_range) {
        const bool grande =
            ascii.substr(0, ascii.find('.')).find_first_not_of('0') != std::string::npos;
        v = grande ? HUGE_VAL : 0.0;
    }
    (void)fim;
    return negativo ? -v : v;
}

bool DiaValido(std::u16string_view Texto) {
    return parte_valida(Texto, 31);
}

bool MesValido(std::u16string_view Texto) {
    return parte_valida(Texto, 12);
}

bool AnoValido(std::u16string_view Texto) {
    return e_numerico(Texto) && valor(Texto) >= 1 && Texto.size() >= 4;
}

bool AnoBissexto(std::u16string_view Texto) {
    // Only a valid year can be a leap year: "00.5" rounds to 0, yet is no year.
    if (!AnoValido(Texto)) return false;
    // Rounded half to even; fmod is exact, so even years beyond any integer type are judged
    // without overflow.
    const double ano = std::nearbyint(valor(Texto));
    const auto divisivel = [ano](double n) { return std::fmod(ano, n) == 0; };
    return divisivel(4) && (!divisivel(100) || divisivel(400));
}

bool DdMmValido(std::u16string_view Texto) {
    const auto mes = meio(Texto, 4, 2);
    const auto dia = meio(Texto, 1, 2);
    if (!MesValido(mes) || !DiaValido(dia)) return false;
    return valor(dia) <= dias_no_mes(valor(mes));
}

bool MmAaaaValido(std::u16string_view Texto) {
    return AnoValido(meio(Texto, 4, 4)) && MesValido(meio(Texto, 1, 2));
}

bool DdMmAaaaValido(std::u16string_view Texto) {
    const auto ano = meio(Texto, 7, 4);
    const auto mes = meio(Texto, 4, 2);
    const auto dia = meio(Texto, 1, 2);
    if (!AnoValido(ano) || !MesValido(mes) || !DiaValido(dia)) return false;
    if (valor(mes) == 2 && valor(dia) == 29) return AnoBissexto(ano);
    return DdMmValido(meio(Texto, 1, 5));
}

}  // namespace pjtCampoVivo::DataHora
