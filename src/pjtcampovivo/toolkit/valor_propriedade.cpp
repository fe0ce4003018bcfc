#include <pjtcampovivo/toolkit/valor_propriedade.hpp>

#include <cmath>
#include <string>

#include <pjtcampovivo/validation/conversao.hpp>
#include <pjtcampovivo/validation/data_hora.hpp>
#include <pjtcampovivo/validation/erro.hpp>

namespace pjtCampoVivo {

namespace {

template <class... F>
struct Visitante : F... {
    using F::operator()...;
};
// Clang before 17 deduces no template arguments for an aggregate without this guide.
template <class... F>
Visitante(F...) -> Visitante<F...>;

[[noreturn]] void tipo_incompativel(const char* alvo) {
    throw Erro::argumento_invalido(std::string("Tipo incompatível: o valor não se converte em ") +
                                   alvo);
}

// The number a value stands for, as a double: what every numeric read starts from.
double numero_de(const ValorPropriedade::Conteudo& v, const char* alvo) {
    return std::visit(Visitante{
                          [](const Nada&) { return 0.0; },
                          [](int16_t n) { return static_cast<double>(n); },
                          [](int32_t n) { return static_cast<double>(n); },
                          [](Cor c) { return static_cast<double>(c); },
                          [](bool b) { return b ? -1.0 : 0.0; },
                          [](double d) { return d; },
                          [alvo](const std::u16string& s) {
                              if (!DataHora::e_numerico(s)) tipo_incompativel(alvo);
                              return DataHora::valor(s);
                          },
                          [alvo](const Fonte&) -> double { tipo_incompativel(alvo); },
                          [alvo](const Figura&) -> double { tipo_incompativel(alvo); },
                      },
                      v);
}

std::u16string ascii(const std::string& s) {
    return {s.begin(), s.end()};
}

// A double as text: integers without a fraction, others with the shortest exact digits and
// the Brazilian decimal comma.
std::u16string texto_de_double(double d) {
    if (std::isfinite(d) && d == std::nearbyint(d) && std::fabs(d) < 1e15) {
        return ascii(std::to_string(static_cast<long long>(d)));
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", d);
    std::u16string r = ascii(buffer);
    for (auto& c : r) {
        if (c == u'.') c = u',';
    }
    return r;
}

}  // namespace

int16_t ValorPropriedade::como_int16() const {
    if (const auto* n = std::get_if<int16_t>(&v_)) return *n;
    return arredondar_para<int16_t>(numero_de(v_, "inteiro de 16 bits"));
}

int32_t ValorPropriedade::como_int32() const {
    if (const auto* n = std::get_if<int32_t>(&v_)) return *n;
    return arredondar_para<int32_t>(numero_de(v_, "inteiro de 32 bits"));
}

Cor ValorPropriedade::como_cor() const {
    if (const auto* c = std::get_if<Cor>(&v_)) return *c;
    const double d = std::nearbyint(numero_de(v_, "cor"));
    if (d < 0) return static_cast<Cor>(arredondar_para<int32_t>(d));
    return arredondar_para<Cor>(d);
}

bool ValorPropriedade::como_bool() const {
    if (const auto* b = std::get_if<bool>(&v_)) return *b;
    if (const auto* s = std::get_if<std::u16string>(&v_)) {
        if (*s == u"True" || *s == u"Verdadeiro") return true;
        if (*s == u"False" || *s == u"Falso") return false;
    }
    return numero_de(v_, "booleano") != 0;
}

double ValorPropriedade::como_double() const {
    return numero_de(v_, "número");
}

std::u16string ValorPropriedade::como_texto() const {
    return std::visit(Visitante{
                          [](const Nada&) { return std::u16string(); },
                          [](int16_t n) { return ascii(std::to_string(n)); },
                          [](int32_t n) { return ascii(std::to_string(n)); },
                          [](Cor c) { return ascii(std::to_string(c)); },
                          [](bool b) { return std::u16string(b ? u"Verdadeiro" : u"Falso"); },
                          [](double d) { return texto_de_double(d); },
                          [](const std::u16string& s) { return s; },
                          [](const Fonte&) -> std::u16string { tipo_incompativel("texto"); },
                          [](const Figura&) -> std::u16string { tipo_incompativel("texto"); },
                      },
                      v_);
}

Fonte ValorPropriedade::como_fonte() const {
    if (const auto* f = std::get_if<Fonte>(&v_)) return *f;
    tipo_incompativel("fonte");
}

Figura ValorPropriedade::como_figura() const {
    if (const auto* f = std::get_if<Figura>(&v_)) return *f;
    if (nada()) return {};
    tipo_incompativel("figura");
}

}  // namespace pjtCampoVivo
