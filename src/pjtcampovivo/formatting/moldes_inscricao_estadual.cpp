#include <pjtcampovivo/formatting/moldes.hpp>

#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/validation/comuns.hpp>
#include <pjtcampovivo/validation/inscricao_estadual.hpp>

namespace pjtCampoVivo::detail {

namespace {

constexpr std::u16string_view Isento = u"ISENTO";

constexpr bool e_branco(char16_t c) noexcept {
    return c == u' ' || c == u'\t' || c == u'\u00A0';
}

constexpr char16_t maiuscula(char16_t c) noexcept {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

// The word ISENTO or its first letters, in any case, blanks around: reduced in place to
// those letters in capitals. Anything else is left as it was.
bool reduzir_a_isento(std::u16string& texto) {
    std::size_t inicio = 0;
    std::size_t fim = texto.size();
    while (inicio < fim && e_branco(texto[inicio])) ++inicio;
    while (fim > inicio && e_branco(texto[fim - 1])) --fim;
    const std::size_t n = fim - inicio;
    if (n == 0 || n > Isento.size()) return false;
    for (std::size_t i = 0; i < n; ++i) {
        if (maiuscula(texto[inicio + i]) != Isento[i]) return false;
    }
    texto.assign(Isento.substr(0, n));  // never longer than the text: no allocation
    return true;
}

std::size_t casas_de(std::u16string_view molde) noexcept {
    std::size_t n = 0;
    for (const char16_t c : molde) n += c != u'9' && c != u'P' ? 0 : 1;
    return n;
}

}  // namespace

void inscricao_estadual_uf(std::u16string& texto, std::u16string_view uf, std::u16string& saida) {
    const auto moldes = Comuns::MoldesInscricaoEstadual(uf);
    if (moldes[0].empty()) {
        documento(texto, MoldeDocumento::InscricaoEstadual, saida);
        return;
    }
    if (reduzir_a_isento(texto)) {
        saida.assign(texto);
        return;
    }
    Comuns::ExtrairInscricaoEstadualNoLugar(texto, uf);
    const std::u16string_view d = texto;

    // Places (digits and the P) are counted on both sides, so the rural shape compares with
    // texto as it is.
    const bool rural = !d.empty() && d[0] == u'P';
    std::u16string_view molde;
    for (const std::u16string_view m : moldes) {
        if (m.empty() || (m[0] == u'P') != rural) continue;
        molde = m;
        if (casas_de(m) >= d.size()) break;
    }

    // The display is as long as the shape up to the place of the last character shown.
    std::size_t tamanho = 0;
    for (std::size_t casas = 0; tamanho < molde.size() && casas < d.size(); ++tamanho) {
        casas += molde[tamanho] == u'9' || molde[tamanho] == u'P';
    }
    saida.resize(tamanho);
    bool separador = false;
    for (std::size_t i = 0, j = 0; i < tamanho; ++i) {
        const char16_t m = molde[i];
        if (m == u'9' || m == u'P') {
            saida[i] = d[j++];
        } else {
            saida[i] = m;
            separador = true;
        }
    }
    if (separador) SeparadorInserido = 1;
}

}  // namespace pjtCampoVivo::detail
