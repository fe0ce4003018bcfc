#include <pjtcampovivo/validation/inscricao_estadual.hpp>

#include <cstdint>
#include <iterator>

#include <pjtcampovivo/validation/comuns.hpp>
#include <pjtcampovivo/validation/conversao.hpp>

namespace pjtCampoVivo::Comuns {

namespace {

// How a check digit follows from S, the sum of the digits weighted by the rule's weights.
enum class Calculo : uint8_t {
    M11,             // r = S mod 11: 0 when r is 0 or 1, otherwise 11 - r
    M11SomaNaoNula,  // M11, but a sum of 0 admits no digit (AM, whose rule gives 11 there)
    OnzeMenosResto,  // 11 - r, less 10 when above 9: r = 0 gives 1, r = 1 gives 0 (RO, old PE)
    RestoMod11,      // the rightmost digit of S mod 11 (SP)
    RestoMod9,       // S mod 9 (RR)
    SomaAlgarismos,  // the digits of each product are added: what the sum lacks to a ten (MG)
    Mod10Ou11,       // the digit at `chave` chooses: 6, 7, 9 take M11, others 10 - S mod 10 (BA)
    SomaComFaixa,    // S plus the p of the base's range; 11 - S mod 11, 10 gives 0, 11 the d
    M11ComFaixas,    // M11, r = 1 giving 1 for a base in faixas[0]; faixas[1] takes 0 or 1 (GO)
};

// Bases (the number the digits before the check digit make) from `de` to `ate`, with the
// extra p and d of SomaComFaixa. An `ate` of 0 marks no range.
struct Faixa {
    uint32_t de = 0;
    uint32_t ate = 0;
    uint8_t p = 0;
    uint8_t d = 0;
};

// The places a number can have; the weights reach the one before the last.
constexpr std::size_t MaximoDigitos = 14;
using Pesos = std::array<uint8_t, MaximoDigitos - 1>;

// One check digit: the place it stands in and the weights of places 1, 2, ... (0 leaves a
// place out of the sum, as the check digit's own place always is).
struct Digito {
    Calculo calculo = Calculo::M11;
    uint8_t lugar = 0;  // counted from 1; 0 when there is no such digit
    Pesos pesos{};
    uint8_t chave = 0;  // Mod10Ou11: the place of the digit that chooses the modulus
    std::array<Faixa, 2> faixas{};
};

constexpr Digito m11(uint8_t lugar, Pesos pesos) {
    return {Calculo::M11, lugar, pesos};
}
constexpr Digito m11_soma_nao_nula(uint8_t lugar, Pesos pesos) {
    return {Calculo::M11SomaNaoNula, lugar, pesos};
}
constexpr Digito onze_menos_resto(uint8_t lugar, Pesos pesos) {
    return {Calculo::OnzeMenosResto, lugar, pesos};
}
constexpr Digito resto_mod_11(uint8_t lugar, Pesos pesos) {
    return {Calculo::RestoMod11, lugar, pesos};
}
constexpr Digito resto_mod_9(uint8_t lugar, Pesos pesos) {
    return {Calculo::RestoMod9, lugar, pesos};
}
constexpr Digito soma_algarismos(uint8_t lugar, Pesos pesos) {
    return {Calculo::SomaAlgarismos, lugar, pesos};
}
constexpr Digito mod_10_ou_11(uint8_t chave, uint8_t lugar, Pesos pesos) {
    return {Calculo::Mod10Ou11, lugar, pesos, chave};
}
constexpr Digito soma_com_faixa(uint8_t lugar, Pesos pesos, Faixa a, Faixa b) {
    return {Calculo::SomaComFaixa, lugar, pesos, 0, {a, b}};
}
constexpr Digito m11_com_faixas(uint8_t lugar, Pesos pesos, Faixa um, Faixa zero_ou_um) {
    return {Calculo::M11ComFaixas, lugar, pesos, 0, {um, zero_ou_um}};
}

// One length of a unit's numbers.
struct Formato {
    std::u16string_view molde;  // "9" a digit, "P" SP's letter, anything else a separator
    std::string_view prefixos;  // comma-separated; "2" takes 20 to 29; empty takes any
    std::array<Digito, 2> digitos{};
    uint8_t tamanho = 0;        // the digits of the shape
    uint8_t minimo = 0;         // fewest digits accepted, read with zeros in front
    uint8_t lugar_prefixo = 1;  // where the prefix stands

    constexpr bool rural() const { return !molde.empty() && molde[0] == u'P'; }
    // Numbers given out shorter, from `digitos_minimos` digits up, are read with zeros in front.
    constexpr Formato desde(uint8_t digitos_minimos) const {
        Formato f = *this;
        f.minimo = digitos_minimos;
        return f;
    }
    constexpr Formato prefixo_no_lugar(uint8_t lugar) const {
        Formato f = *this;
        f.lugar_prefixo = lugar;
        return f;
    }
};

constexpr Formato forma(std::u16string_view molde, std::string_view prefixos, Digito primeiro,
                        Digito segundo = {}) {
    uint8_t tamanho = 0;
    for (const char16_t c : molde) tamanho += c == u'9';
    return {molde, prefixos, {primeiro, segundo}, tamanho, tamanho};
}

struct Unidade {
    std::u16string_view uf;
    std::u16string_view exemplo;                  // a valid number, in its shape
    std::array<Formato, MoldesPorUF> formatos{};  // shortest first
};

// The weights most units use: 9 down to 2 over the eight digits before the check digit.
constexpr Pesos de9a2{9, 8, 7, 6, 5, 4, 3, 2};
// AC and DF: the two check digits of a 13-digit number.
constexpr Digito ac_df_1 = m11(12, {4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2});
constexpr Digito ac_df_2 = m11(13, {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2});
// SP's first check digit, the ninth character, in both forms.
constexpr Digito sp_1 = resto_mod_11(9, {1, 3, 4, 5, 6, 7, 8, 10});

// clang-format off
constexpr Unidade unidades[] = {
    {u"AC", u"01.004.823/001-12", {forma(u"99.999.999/999-99", "01", ac_df_1, ac_df_2)}},
    {u"AL", u"24.000.004-8", {forma(u"99.999.999-9", "24", m11(9, de9a2))}},
    // The base's range adds p to the sum and gives d where the rule gives 11.
    {u"AP", u"03.012.345-9", {forma(u"99.999.999-9", "03",
        soma_com_faixa(9, de9a2, {3000001, 3017000, 5, 0}, {3017001, 3019022, 9, 1}))}},
    {u"AM", u"99.999.999-0", {forma(u"99.999.999-9", "", m11_soma_nao_nula(9, de9a2))}},
    // The last digit is computed first, from the base; the one before it over base and last.
    {u"BA", u"1234567-48", {
        forma(u"999999-99", "", mod_10_ou_11(1, 8, {7, 6, 5, 4, 3, 2}),
                                mod_10_ou_11(1, 7, {8, 7, 6, 5, 4, 3, 0, 2})),
        forma(u"9999999-99", "", mod_10_ou_11(2, 9, {8, 7, 6, 5, 4, 3, 2}),
                                 mod_10_ou_11(2, 8, {9, 8, 7, 6, 5, 4, 3, 0, 2}))}},
    {u"CE", u"06000001-5", {forma(u"99999999-9", "", m11(9, de9a2))}},
    {u"DF", u"07.300.001/001-09", {forma(u"99.999.999/999-99", "07,08", ac_df_1, ac_df_2)}},
    {u"ES", u"99999999-0", {forma(u"99999999-9", "", m11(9, de9a2))}},
    {u"GO", u"10.987.654-7", {forma(u"99.999.999-9", "10,11,15,2",
        m11_com_faixas(9, de9a2, {10103105, 10119997}, {11094402, 11094402}))}},
    {u"MA", u"12.000.038-5", {forma(u"99.999.999-9", "12", m11(9, de9a2))}},
    // 11 digits; the 9-digit weights are the 11-digit ones after two zeros.
    {u"MT", u"0013000001-9", {
        forma(u"99.999.999-9", "", m11(9, de9a2)),
        forma(u"9999999999-9", "", m11(11, {3, 2, 9, 8, 7, 6, 5, 4, 3, 2})).desde(10)}},
    {u"MS", u"28.303.759-8", {forma(u"99.999.999-9", "28,50", m11(9, de9a2))}},
    // The 0 that the first rule inserts after the third digit takes a weight of 2 and adds
    // nothing, hence 1, 2, 1, 1, 2, ...
    {u"MG", u"062.307.904/0081", {forma(u"999.999.999/9999", "",
        soma_algarismos(12, {1, 2, 1, 1, 2, 1, 2, 1, 2, 1, 2}),
        m11(13, {3, 2, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2}))}},
    {u"PA", u"15-999999-5", {forma(u"99-999999-9", "15,75,76,77,78,79", m11(9, de9a2))}},
    {u"PB", u"16000001-7", {forma(u"99999999-9", "", m11(9, de9a2))}},
    {u"PR", u"123.45678-50", {forma(u"999.99999-99", "",
        m11(9, {3, 2, 7, 6, 5, 4, 3, 2}), m11(10, {4, 3, 2, 7, 6, 5, 4, 3, 2}))}},
    // 9 digits (eFisco) and the old 14-digit numbers.
    {u"PE", u"0321418-40", {
        forma(u"9999999-99", "", m11(8, {8, 7, 6, 5, 4, 3, 2}), m11(9, de9a2)),
        forma(u"99.9.999.9999999-9", "",
              onze_menos_resto(14, {5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4, 3, 2}))}},
    {u"PI", u"19.301.656-7", {forma(u"99.999.999-9", "", m11(9, de9a2))}},
    {u"RJ", u"99.999.99-3", {forma(u"99.999.99-9", "", m11(8, {2, 7, 6, 5, 4, 3, 2}))}},
    {u"RN", u"20.040.040-1", {
        forma(u"99.999.999-9", "20", m11(9, de9a2)),
        forma(u"99.9.999.999-9", "20", m11(10, {10, 9, 8, 7, 6, 5, 4, 3, 2}))}},
    // The first three digits are the municipality, 800 or 900: not checked.
    {u"RS", u"224/3658792", {forma(u"999/9999999", "", m11(10, {2, 9, 8, 7, 6, 5, 4, 3, 2}))}},
    // Before 08/2000: municipality, company and digit, the municipality not weighed.
    {u"RO", u"0000000062521-3", {
        forma(u"999.99999-9", "", onze_menos_resto(9, {0, 0, 0, 6, 5, 4, 3, 2})),
        forma(u"9999999999999-9", "",
              onze_menos_resto(14, {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}))}},
    {u"RR", u"24006153-6", {forma(u"99999999-9", "24", resto_mod_9(9, {1, 2, 3, 4, 5, 6, 7, 8}))}},
    {u"SC", u"251.040.852", {forma(u"999.999.999", "", m11(9, de9a2))}},
    // Rural producers: P, a fixed 0, municipality and sequence, the digit, three digits not
    // checked.
    {u"SP", u"110.042.490.114", {
        forma(u"999.999.999.999", "", sp_1, resto_mod_11(12, {3, 2, 10, 9, 8, 7, 6, 5, 4, 3, 2})),
        forma(u"P-99999999.9/999", "0", sp_1)}},
    {u"SE", u"27123456-3", {forma(u"99999999-9", "", m11(9, de9a2))}},
    // 9 digits since 2002; the older 11 carry the kind (01, 02, 03 or 99) in places 3 and 4,
    // left out of the sum.
    {u"TO", u"29.040.636-6", {
        forma(u"99.999.999-9", "", m11(9, de9a2)),
        forma(u"99.99.999999-9", "01,02,03,99", m11(11, {9, 8, 0, 0, 7, 6, 5, 4, 3, 2}))
            .prefixo_no_lugar(3)}},
};
// clang-format on

// What a reader of the table could get wrong and no example would catch at once.
consteval bool tabela_coerente() {
    for (const Unidade& u : unidades) {
        if (u.uf.size() != 2 || u.formatos[0].molde.empty()) return false;
        if (u.formatos[0].digitos[0].lugar == 0) return false;
        uint8_t anterior[2] = {0, 0};  // by rural or not: shortest first
        for (const Formato& f : u.formatos) {
            if (f.molde.empty()) continue;
            if (f.tamanho > MaximoDigitos || f.minimo > f.tamanho) return false;
            if (f.tamanho <= anterior[f.rural()]) return false;
            anterior[f.rural()] = f.tamanho;
            for (const Digito& d : f.digitos) {
                if (d.lugar > f.tamanho || d.chave > f.tamanho) return false;
                if (d.calculo == Calculo::Mod10Ou11 && d.chave == 0) return false;
                // No weight on the digit's own place, none past the number.
                for (std::size_t i = 0; i < d.pesos.size(); ++i) {
                    if (d.pesos[i] != 0 && (i + 1 == d.lugar || i >= f.tamanho)) return false;
                }
            }
        }
    }
    return true;
}
static_assert(tabela_coerente());

constexpr char16_t maiuscula(char16_t c) noexcept {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

const Unidade* unidade(std::u16string_view uf) noexcept {
    if (uf.size() != 2) return nullptr;
    const char16_t a = maiuscula(uf[0]);
    const char16_t b = maiuscula(uf[1]);
    for (const Unidade& u : unidades) {
        if (u.uf[0] == a && u.uf[1] == b) return &u;
    }
    return nullptr;
}

constexpr bool e_branco(char16_t c) noexcept {
    return c == u' ' || c == u'\t' || c == u'\u00A0';
}

// The characters a number may carry besides its digits.
constexpr bool e_ignorado(char16_t c) noexcept {
    return c == u'.' || c == u'-' || c == u'/' || e_branco(c);
}

constexpr bool e_p(char16_t c) noexcept {
    return c == u'P' || c == u'p';
}

constexpr std::u16string_view Isento = u"ISENTO";

bool e_isento(std::u16string_view texto) noexcept {
    std::size_t i = 0;
    std::size_t fim = texto.size();
    while (i < fim && e_branco(texto[i])) ++i;
    while (fim > i && e_branco(texto[fim - 1])) --fim;
    if (fim - i != Isento.size()) return false;
    for (std::size_t j = 0; j < Isento.size(); ++j) {
        if (maiuscula(texto[i + j]) != Isento[j]) return false;
    }
    return true;
}

bool tem_rural(const Unidade& u) noexcept {
    for (const Formato& f : u.formatos) {
        if (f.rural()) return true;
    }
    return false;
}

// The digits of a number, by place from 0; places past the number hold 0.
using Algarismos = std::array<uint8_t, MaximoDigitos>;

const Formato* formato_de(const Unidade& u, std::size_t digitos, bool rural) noexcept {
    for (const Formato& f : u.formatos) {
        if (!f.molde.empty() && f.rural() == rural && digitos >= f.minimo && digitos <= f.tamanho) {
            return &f;
        }
    }
    return nullptr;
}

bool prefixo_confere(const Formato& f, const Algarismos& v) noexcept {
    if (f.prefixos.empty()) return true;
    const std::size_t inicio = f.lugar_prefixo - 1u;
    std::size_t i = 0;
    bool casa = true;
    for (const char c : f.prefixos) {
        if (c == ',') {
            if (casa) return true;
            i = 0;
            casa = true;
            continue;
        }
        casa = casa && inicio + i < f.tamanho && v[inicio + i] == c - '0';
        ++i;
    }
    return casa;
}

// The number the places before the check digit make.
uint32_t base(const Digito& d, const Algarismos& v) noexcept {
    uint32_t n = 0;
    for (std::size_t i = 0; i + 1 < d.lugar; ++i) n = n * 10 + v[i];
    return n;
}

constexpr bool dentro(const Faixa& f, uint32_t n) noexcept {
    return f.ate != 0 && n >= f.de && n <= f.ate;
}

constexpr int resto_m11(int soma) noexcept {
    const int r = soma % 11;
    return r < 2 ? 0 : 11 - r;
}

bool digito_confere(const Digito& d, const Algarismos& v) noexcept {
    int soma = 0;
    for (std::size_t i = 0; i < d.pesos.size(); ++i) {
        const int produto = d.pesos[i] * v[i];
        soma += d.calculo == Calculo::SomaAlgarismos ? produto / 10 + produto % 10 : produto;
    }
    const int dado = v[d.lugar - 1u];
    switch (d.calculo) {
        case Calculo::M11:
            return dado == resto_m11(soma);
        case Calculo::M11SomaNaoNula:
            return soma != 0 && dado == resto_m11(soma);
        case Calculo::OnzeMenosResto: {
            const int r = 11 - soma % 11;
            return dado == (r > 9 ? r - 10 : r);
        }
        case Calculo::RestoMod11:
            return dado == soma % 11 % 10;
        case Calculo::RestoMod9:
            return dado == soma % 9;
        case Calculo::SomaAlgarismos:
            return dado == (10 - soma % 10) % 10;
        case Calculo::Mod10Ou11: {
            const int chave = v[d.chave - 1u];
            if (chave == 6 || chave == 7 || chave == 9) return dado == resto_m11(soma);
            return dado == (10 - soma % 10) % 10;
        }
        case Calculo::SomaComFaixa: {
            const uint32_t n = base(d, v);
            const Faixa* faixa = dentro(d.faixas[0], n)   ? &d.faixas[0]
                                 : dentro(d.faixas[1], n) ? &d.faixas[1]
                                                          : nullptr;
            const int r = 11 - (soma + (faixa ? faixa->p : 0)) % 11;
            return dado == (r == 10 ? 0 : r == 11 ? (faixa ? faixa->d : 0) : r);
        }
        case Calculo::M11ComFaixas: {
            const uint32_t n = base(d, v);
            if (dentro(d.faixas[1], n) && dado <= 1) return true;
            const int r = soma % 11;
            if (r == 1) return dado == (dentro(d.faixas[0], n) ? 1 : 0);
            return dado == resto_m11(soma);
        }
    }
    return false;
}

}  // namespace

ResultadoInscricaoEstadual VerificarInscricaoEstadual(std::u16string_view Texto,
                                                      std::u16string_view UF) {
    using R = ResultadoInscricaoEstadual;
    const Unidade* u = unidade(UF);
    if (u == nullptr) return R::UFDesconhecida;
    if (e_isento(Texto)) return R::Isenta;

    const bool aceita_p = tem_rural(*u);
    Algarismos lidos{};
    std::size_t n = 0;  // every digit is counted, those past the longest number too
    bool rural = false;
    for (const char16_t c : Texto) {
        if (e_digito(c)) {
            if (n < lidos.size()) lidos[n] = static_cast<uint8_t>(c - u'0');
            ++n;
        } else if (e_p(c) && aceita_p && n == 0 && !rural) {
            rural = true;
        } else if (!e_ignorado(c)) {
            return R::CaracteresInvalidos;
        }
    }
    const Formato* f = formato_de(*u, n, rural);
    if (f == nullptr) return R::TamanhoErrado;

    // A number given out shorter gets its zeros in front.
    Algarismos v{};
    const std::size_t zeros = f->tamanho - n;
    for (std::size_t i = 0; i < n; ++i) v[zeros + i] = lidos[i];

    if (!prefixo_confere(*f, v)) return R::PrefixoErrado;
    for (const Digito& d : f->digitos) {
        if (d.lugar != 0 && !digito_confere(d, v)) return R::DigitoVerificadorErrado;
    }
    return R::Valida;
}

bool InscricaoEstadualValida(std::u16string_view Texto, std::u16string_view UF) {
    const auto r = VerificarInscricaoEstadual(Texto, UF);
    return r == ResultadoInscricaoEstadual::Valida || r == ResultadoInscricaoEstadual::Isenta;
}

std::u16string_view NomeResultado(ResultadoInscricaoEstadual r) noexcept {
    using R = ResultadoInscricaoEstadual;
    switch (r) {
        case R::Valida:
            return u"Valida";
        case R::Isenta:
            return u"Isenta";
        case R::UFDesconhecida:
            return u"UFDesconhecida";
        case R::CaracteresInvalidos:
            return u"CaracteresInvalidos";
        case R::TamanhoErrado:
            return u"TamanhoErrado";
        case R::PrefixoErrado:
            return u"PrefixoErrado";
        case R::DigitoVerificadorErrado:
            return u"DigitoVerificadorErrado";
    }
    return u"";
}

bool UFConhecida(std::u16string_view UF) noexcept {
    return unidade(UF) != nullptr;
}

std::optional<std::size_t> IndiceUF(std::u16string_view UF) noexcept {
    const Unidade* u = unidade(UF);
    if (u == nullptr) return std::nullopt;
    return static_cast<std::size_t>(u - std::begin(unidades));
}

const std::array<std::u16string_view, QuantidadeUF>& SiglasUF() noexcept {
    static constexpr auto siglas = [] {
        static_assert(std::size(unidades) == QuantidadeUF);
        std::array<std::u16string_view, QuantidadeUF> s{};
        for (std::size_t i = 0; i < QuantidadeUF; ++i) s[i] = unidades[i].uf;
        return s;
    }();
    return siglas;
}

std::u16string ExemploInscricaoEstadual(std::u16string_view UF) {
    const Unidade* u = unidade(UF);
    return u == nullptr ? std::u16string() : std::u16string(u->exemplo);
}

std::u16string ExtrairInscricaoEstadual(std::u16string_view Texto, std::u16string_view UF) {
    std::u16string caracteres(Texto);
    ExtrairInscricaoEstadualNoLugar(caracteres, UF);
    return caracteres;
}

void ExtrairInscricaoEstadualNoLugar(std::u16string& Texto, std::u16string_view UF) {
    para_int16(Texto.size());
    const Unidade* u = unidade(UF);
    if (u == nullptr) {
        int32_t ignorado = 0;
        ExtrairDigitosNoLugar(Texto, 0, ignorado);
        return;
    }
    if (e_isento(Texto)) {
        Texto.assign(Isento);  // never longer than the text: no allocation
        return;
    }
    const bool aceita_p = tem_rural(*u);
    // Written down over what was already read: the write position never passes the read one.
    std::size_t n = 0;
    for (const char16_t c : std::u16string_view(Texto)) {
        if (e_digito(c)) {
            Texto[n++] = c;
        } else if (n == 0 && aceita_p && e_p(c)) {
            Texto[n++] = u'P';
        }
    }
    Texto.resize(n);
}

std::array<std::u16string_view, MoldesPorUF> MoldesInscricaoEstadual(std::u16string_view UF) {
    std::array<std::u16string_view, MoldesPorUF> moldes{};
    if (const Unidade* u = unidade(UF)) {
        for (std::size_t i = 0; i < MoldesPorUF; ++i) moldes[i] = u->formatos[i].molde;
    }
    return moldes;
}

}  // namespace pjtCampoVivo::Comuns
