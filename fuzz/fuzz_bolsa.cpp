// Property-bag values of every type built from the fuzzer's bytes, and the conversions a
// read applies (como_*), each held to the rules of toolkit/valor_propriedade.hpp:
//
// - a value read as its own type comes back unchanged;
// - a number is the value's number (nothing 0, True -1, False 0, a numeric string its
//   number by DataHora::valor), rounded half to even for the integer targets, and what does
//   not fit (NaN and infinities included) is the overflow error 6; a colour takes any
//   32-bit pattern, negative numbers as their two's complement bits;
// - a string that is not numeric, a font or a picture read as a number is error 5, and
//   nothing else fails;
// - a double shown as text is its digits when it is whole and below 10^15, else a form with
//   the decimal comma that reads back as the same double to 15 significant digits.
//
// Then a headless CampoVivo loads a bag built from the bytes (ReadProperties) and saves
// itself into a fresh one (WriteProperties). Every value a save writes is of the type the
// control keeps, and reading a value of its own type is the identity, so a second control
// loaded from that save must save exactly the same thing: save(load(save(load(b)))) ==
// save(load(b)). Each saved value is also what its read converted from b (ForeColor only
// when no Text was loaded, since loading a Text re-formats the combo box and sets its
// colour).
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <pjtcampovivo/control/campo_vivo.hpp>
#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/toolkit/bolsa_propriedades.hpp>
#include <pjtcampovivo/toolkit/headless/formulario.hpp>
#include <pjtcampovivo/toolkit/valor_propriedade.hpp>
#include <pjtcampovivo/validation/data_hora.hpp>
#include "fuzz/apoio_fuzz.hpp"

namespace pjtCampoVivo {
namespace {

using fuzz::exigir;
using fuzz::LeitorBytes;
using fuzz::mostrar;
using fuzz::numero_do_erro;

constexpr double Infinito = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

constexpr double reais[] = {
    0.0,          -0.0,         0.5,       1.5,      2.5,          -0.5,
    -1.5,         32767.4,      32767.5,   -32768.5, 2147483647.5, -2147483648.5,
    4294967295.4, 4294967295.5, 1e15,      1e300,    5e-324,       0.1,
    NaN,          Infinito,     -Infinito, 123.456,  1e-5,         9.999999999999999e14};

// A string that is often numeric: blanks, a sign, digits and a point, or long digit runs
// that overflow or underflow a double.
std::u16string texto_numerico(LeitorBytes& l) {
    static constexpr std::u16string_view partes[] = {
        u" ",   u"\t",    u"+",     u"-",      u".",          u"0",          u"1",          u"5",
        u"9",   u"32767", u"32768", u"-32769", u"2147483648", u"4294967295", u"4294967296", u"0.5",
        u"2.5", u"e5",    u",",     u"True",   u"Falso",      u"x"};
    std::u16string t;
    const std::size_t n = l.ate(12);
    for (std::size_t i = 0; i < n; ++i) t += partes[l.ate(std::size(partes))];
    if (l.u8() < 24) {
        // A long run of digits, behind "0." or not: beyond what a double holds either way.
        const std::size_t zeros = l.u16() % 1200;
        std::u16string longo = l.booleano() ? u"0." : u"";
        longo.append(zeros, u'0');
        longo += u'1';
        t = l.booleano() ? longo : t + longo;
    }
    return t;
}

ValorPropriedade valor_de(LeitorBytes& l) {
    switch (l.ate(11)) {
        case 0:
            return Nada{};
        case 1:
            return l.i16();
        case 2:
            return l.i32();
        case 3:
            return Cor{l.u32()};
        case 4:
            return l.booleano();
        case 5:
            return l.u8() < 128 ? reais[l.ate(std::size(reais))] : l.real_bits();
        case 6:
            return texto_numerico(l);
        case 7:
            return l.texto(512);
        case 8: {
            Fonte f;
            f.nome = l.texto(64);
            f.tamanho = l.real_bits();
            f.negrito = l.booleano();
            f.italico = l.booleano();
            f.sublinhado = l.booleano();
            f.tachado = l.booleano();
            return f;
        }
        case 9:
            return Figura{l.texto(64)};
        default:
            return l.enviesado<int32_t>(std::span<const int32_t>());
    }
}

// The number a value stands for, or nullopt when it has none (error 5 on reading).
std::optional<double> numero_de(const ValorPropriedade& v) {
    const auto& c = v.conteudo();
    if (std::holds_alternative<Nada>(c)) return 0.0;
    if (const auto* n = std::get_if<int16_t>(&c)) return *n;
    if (const auto* n = std::get_if<int32_t>(&c)) return *n;
    if (const auto* n = std::get_if<Cor>(&c)) return *n;
    if (const auto* b = std::get_if<bool>(&c)) return *b ? -1.0 : 0.0;
    if (const auto* d = std::get_if<double>(&c)) return *d;
    if (const auto* s = std::get_if<std::u16string>(&c)) {
        if (!DataHora::e_numerico(*s)) return std::nullopt;
        return DataHora::valor(*s);
    }
    return std::nullopt;
}

// What an integer read of d gives: the value rounded half to even, or nullopt (error 6).
template <typename T>
std::optional<T> inteiro_de(double d) {
    if (!std::isfinite(d)) return std::nullopt;
    const double r = std::nearbyint(d);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(r);
}

// Bitwise equality for doubles, so that a NaN equals itself.
bool mesmos_bits(double a, double b) {
    return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

bool iguais(const ValorPropriedade& a, const ValorPropriedade& b) {
    const auto& ca = a.conteudo();
    const auto& cb = b.conteudo();
    if (ca.index() != cb.index()) return false;
    if (const auto* d = std::get_if<double>(&ca)) return mesmos_bits(*d, std::get<double>(cb));
    if (const auto* f = std::get_if<Fonte>(&ca)) {
        const Fonte& g = std::get<Fonte>(cb);
        return f->nome == g.nome && mesmos_bits(f->tamanho, g.tamanho) && f->negrito == g.negrito &&
               f->italico == g.italico && f->sublinhado == g.sublinhado && f->tachado == g.tachado;
    }
    return a == b;
}

std::string descrever(const ValorPropriedade& v) {
    const auto& c = v.conteudo();
    switch (c.index()) {
        case 0:
            return "Nada";
        case 1:
            return "int16 " + std::to_string(std::get<int16_t>(c));
        case 2:
            return "int32 " + std::to_string(std::get<int32_t>(c));
        case 3:
            return "Cor " + std::to_string(std::get<Cor>(c));
        case 4:
            return std::get<bool>(c) ? "True" : "False";
        case 5: {
            char b[40];
            std::snprintf(b, sizeof b, "double %.17g", std::get<double>(c));
            return b;
        }
        case 6:
            return "texto " + mostrar(std::get<std::u16string>(c));
        case 7:
            return "Fonte " + mostrar(std::get<Fonte>(c).nome);
        default:
            return "Figura " + mostrar(std::get<Figura>(c).origem);
    }
}

constexpr std::initializer_list<int32_t> permitidos = {numero_erro::ArgumentoInvalido,
                                                       numero_erro::Estouro};

// One conversion: the error it must end with (0 for none), and the result when none.
template <typename T, typename Leitura>
void verificar_leitura(const ValorPropriedade& v, const char* onde, Leitura&& leitura,
                       int32_t erro_esperado, const std::optional<T>& esperado) {
    T obtido{};
    const int32_t erro = numero_do_erro([&] { obtido = leitura(); }, permitidos, onde);
    exigir(erro == erro_esperado, onde,
           "erro " + std::to_string(erro) + ", esperado " + std::to_string(erro_esperado) +
               " para " + descrever(v));
    if (erro == 0 && esperado) {
        if constexpr (std::is_same_v<T, double>) {
            exigir(mesmos_bits(obtido, *esperado), onde, "valor para " + descrever(v));
        } else {
            exigir(obtido == *esperado, onde, "valor para " + descrever(v));
        }
    }
}

void conversoes(const ValorPropriedade& v) {
    const auto& c = v.conteudo();
    const std::optional<double> n = numero_de(v);
    const int32_t sem_numero = n ? 0 : numero_erro::ArgumentoInvalido;

    const auto inteiro = [&](auto tipo, const char* onde, auto leitura) {
        using T = decltype(tipo);
        if (const auto* proprio = std::get_if<T>(&c)) {
            verificar_leitura<T>(v, onde, leitura, 0, *proprio);
            return;
        }
        if (!n) return verificar_leitura<T>(v, onde, leitura, sem_numero, std::nullopt);
        const auto r = inteiro_de<T>(*n);
        verificar_leitura<T>(v, onde, leitura, r ? 0 : numero_erro::Estouro, r);
    };
    inteiro(int16_t{}, "como_int16", [&] { return v.como_int16(); });
    inteiro(int32_t{}, "como_int32", [&] { return v.como_int32(); });

    // A colour: its own type, a negative number as a 32-bit integer's bits, else 0 to
    // 0xFFFFFFFF.
    {
        std::optional<Cor> esperado;
        int32_t erro = sem_numero;
        if (const auto* cor = std::get_if<Cor>(&c)) {
            esperado = *cor;
            erro = 0;
        } else if (n) {
            const double r = std::nearbyint(*n);
            if (r < 0) {
                if (const auto i = inteiro_de<int32_t>(r)) esperado = static_cast<Cor>(*i);
            } else {
                esperado = inteiro_de<Cor>(r);
            }
            erro = esperado ? 0 : numero_erro::Estouro;
        }
        verificar_leitura<Cor>(
            v, "como_cor", [&] { return v.como_cor(); }, erro, esperado);
    }

    {
        std::optional<bool> esperado;
        int32_t erro = 0;
        const auto* s = std::get_if<std::u16string>(&c);
        if (const auto* b = std::get_if<bool>(&c)) {
            esperado = *b;
        } else if (s && (*s == u"True" || *s == u"Verdadeiro")) {
            esperado = true;
        } else if (s && (*s == u"False" || *s == u"Falso")) {
            esperado = false;
        } else if (n) {
            esperado = *n != 0;
        } else {
            erro = numero_erro::ArgumentoInvalido;
        }
        verificar_leitura<bool>(
            v, "como_bool", [&] { return v.como_bool(); }, erro, esperado);
    }

    verificar_leitura<double>(
        v, "como_double", [&] { return v.como_double(); }, sem_numero, n);

    // Text.
    {
        const bool sem_texto =
            std::holds_alternative<Fonte>(c) || std::holds_alternative<Figura>(c);
        std::u16string texto;
        const int32_t erro =
            numero_do_erro([&] { texto = v.como_texto(); }, permitidos, "como_texto");
        exigir(erro == (sem_texto ? numero_erro::ArgumentoInvalido : 0), "como_texto",
               "erro para " + descrever(v));
        if (const auto* s = std::get_if<std::u16string>(&c)) {
            exigir(texto == *s, "como_texto", "texto alterado");
        } else if (std::holds_alternative<Nada>(c)) {
            exigir(texto.empty(), "como_texto", "Nada não é vazio");
        } else if (const auto* b = std::get_if<bool>(&c)) {
            exigir(texto == (*b ? u"Verdadeiro" : u"Falso"), "como_texto", "booleano");
        } else if (const auto* d = std::get_if<double>(&c)) {
            std::string ascii;
            for (const char16_t u : texto) {
                exigir(u < 0x80, "como_texto", "não ASCII para " + descrever(v));
                ascii.push_back(u == u',' ? '.' : static_cast<char>(u));
            }
            if (std::isfinite(*d) && *d == std::nearbyint(*d) && std::fabs(*d) < 1e15) {
                const auto digitos = ascii.find_first_not_of('-');
                exigir(digitos != std::string::npos &&
                           ascii.find_first_not_of("0123456789", digitos) == std::string::npos,
                       "como_texto", "inteiro com fração: " + mostrar(texto));
            }
            // Read back (the comma as a point): the same number to 15 significant digits.
            const double lido = std::strtod(ascii.c_str(), nullptr);
            const bool mesmo = std::isnan(*d)   ? std::isnan(lido)
                               : std::isinf(*d) ? lido == *d
                                                : std::fabs(lido - *d) <= std::fabs(*d) * 1e-14;
            exigir(mesmo, "como_texto", mostrar(texto) + " não é " + descrever(v));
        } else if (n) {
            // Integers and colours: their decimal digits.
            char esperado[24];
            std::snprintf(esperado, sizeof esperado, "%.0f", *n);
            std::u16string e;
            for (const char* p = esperado; *p != '\0'; ++p) e.push_back(static_cast<char16_t>(*p));
            exigir(texto == e, "como_texto", mostrar(texto) + " para " + descrever(v));
        }
    }

    {
        const Fonte* f = std::get_if<Fonte>(&c);
        Fonte obtida;
        const int32_t erro =
            numero_do_erro([&] { obtida = v.como_fonte(); }, permitidos, "como_fonte");
        exigir(erro == (f ? 0 : numero_erro::ArgumentoInvalido), "como_fonte", descrever(v));
        if (f) exigir(iguais(ValorPropriedade(obtida), v), "como_fonte", "fonte alterada");
    }
    {
        const Figura* g = std::get_if<Figura>(&c);
        const bool aceita = g != nullptr || v.nada();
        Figura obtida;
        const int32_t erro =
            numero_do_erro([&] { obtida = v.como_figura(); }, permitidos, "como_figura");
        exigir(erro == (aceita ? 0 : numero_erro::ArgumentoInvalido), "como_figura", descrever(v));
        if (aceita) exigir(obtida == (g ? *g : Figura{}), "como_figura", "figura alterada");
    }
}

// ---- Load and save through a headless control -----------------------------------------------

class BolsaMemoria final : public BolsaPropriedades {
  public:
    std::map<std::u16string, ValorPropriedade, std::less<>> valores;
    std::vector<std::u16string> escritas;

    ValorPropriedade ReadProperty(std::u16string_view chave,
                                  const ValorPropriedade& padrao) override {
        const auto it = valores.find(chave);
        return it == valores.end() ? padrao : it->second;
    }
    void WriteProperty(std::u16string_view chave, const ValorPropriedade& valor,
                       const std::optional<ValorPropriedade>&) override {
        escritas.emplace_back(chave);
        valores.insert_or_assign(std::u16string(chave), valor);
    }
};

constexpr std::u16string_view chaves[] = {u"ForeColor",
                                          u"Alinhamento",
                                          u"Enabled",
                                          u"Font",
                                          u"BackColor",
                                          u"Locked",
                                          u"MouseIcon",
                                          u"MousePointer",
                                          u"Text",
                                          u"ToolTipText",
                                          u"WhatsThisHelpID",
                                          u"Estilo",
                                          u"Mascara",
                                          u"QuantidadeCasasDecimais",
                                          u"CapsLockMixed",
                                          u"CaracteresASeremRetiradosTexto",
                                          u"MaxLength",
                                          u"QtdMaxRegRetornadosPesqLookUp"};

// A run-time form with one control, placed as a host places it. Loads bolsa and saves into
// a fresh bag; nullopt when loading failed (with an allowed error).
std::optional<BolsaMemoria> carregar_e_salvar(BolsaMemoria& bolsa) {
    SeparadorInserido = 0;
    headless::Formulario form;
    CampoVivo campo(form.txtCombo, form.cboCombo, form.tela, form.hospedeiro);
    form.hospedeiro.ao_redimensionar = [&campo] { campo.Resize(); };
    campo.InitProperties();
    form.hospedeiro.redimensionar(3000, 315);
    BolsaMemoria salva;
    const int32_t erro =
        numero_do_erro([&] { campo.ReadProperties(bolsa); }, permitidos, "ReadProperties");
    if (erro != 0) return std::nullopt;
    numero_do_erro([&] { campo.WriteProperties(salva); }, {}, "WriteProperties");
    exigir(salva.escritas.size() == std::size(chaves), "WriteProperties", "chaves escritas");
    return salva;
}

void persistencia(LeitorBytes& l) {
    BolsaMemoria bolsa;
    const std::size_t n = l.ate(std::size(chaves) + 1);
    for (std::size_t i = 0; i < n; ++i) {
        const std::u16string_view chave = chaves[l.ate(std::size(chaves))];
        bolsa.valores.insert_or_assign(std::u16string(chave), valor_de(l));
    }
    const std::optional<BolsaMemoria> primeira = carregar_e_salvar(bolsa);
    if (!primeira) return;
    BolsaMemoria copia = *primeira;
    const std::optional<BolsaMemoria> segunda = carregar_e_salvar(copia);
    exigir(segunda.has_value(), "persistencia", "o que foi salvo não carrega");
    for (const std::u16string_view chave : chaves) {
        const auto a = primeira->valores.find(chave);
        const auto b = segunda->valores.find(chave);
        exigir(a != primeira->valores.end() && b != segunda->valores.end(), "persistencia",
               "chave ausente " + mostrar(chave));
        exigir(iguais(a->second, b->second), "persistencia",
               mostrar(chave) + ": " + descrever(a->second) + " depois " + descrever(b->second));
    }

    // Each saved value against the conversion its read applied.
    const auto lida = [&](std::u16string_view chave) -> const ValorPropriedade* {
        const auto it = bolsa.valores.find(chave);
        return it == bolsa.valores.end() ? nullptr : &it->second;
    };
    const auto salvo = [&](std::u16string_view chave) {
        return primeira->valores.at(std::u16string(chave));
    };
    const auto conferir = [&](std::u16string_view chave, const ValorPropriedade& esperado) {
        exigir(iguais(salvo(chave), esperado), "persistencia",
               mostrar(chave) + ": salvo " + descrever(salvo(chave)) + ", lido " +
                   descrever(esperado));
    };
    if (const auto* v = lida(u"Mascara")) conferir(u"Mascara", v->como_int32());
    if (const auto* v = lida(u"Estilo")) conferir(u"Estilo", v->como_int32());
    if (const auto* v = lida(u"MaxLength")) conferir(u"MaxLength", v->como_int16());
    if (const auto* v = lida(u"Alinhamento")) conferir(u"Alinhamento", v->como_int16());
    if (const auto* v = lida(u"BackColor")) conferir(u"BackColor", v->como_cor());
    if (const auto* v = lida(u"QtdMaxRegRetornadosPesqLookUp"))
        conferir(u"QtdMaxRegRetornadosPesqLookUp", v->como_double());
    if (const auto* v = lida(u"CaracteresASeremRetiradosTexto"))
        conferir(u"CaracteresASeremRetiradosTexto", v->como_texto());
    if (const auto* v = lida(u"Font")) conferir(u"Font", v->como_fonte());
    if (const auto* v = lida(u"Enabled")) conferir(u"Enabled", v->como_bool());
    if (const auto* v = lida(u"Locked")) conferir(u"Locked", v->como_bool());
    if (const auto* v = lida(u"MousePointer")) conferir(u"MousePointer", v->como_int16());
    if (const auto* v = lida(u"WhatsThisHelpID")) conferir(u"WhatsThisHelpID", v->como_int32());
    if (const auto* v = lida(u"CapsLockMixed")) conferir(u"CapsLockMixed", v->como_int32());
    if (const auto* v = lida(u"QuantidadeCasasDecimais"))
        conferir(u"QuantidadeCasasDecimais", v->como_int32());
    if (const auto* v = lida(u"ToolTipText")) conferir(u"ToolTipText", v->como_texto());
    const auto* texto = lida(u"Text");
    if (const auto* v = lida(u"ForeColor"); v && (!texto || texto->como_texto().empty()))
        conferir(u"ForeColor", v->como_cor());
    conferir(u"Text", std::u16string());
}

}  // namespace
}  // namespace pjtCampoVivo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    using namespace pjtCampoVivo;
    fuzz::LeitorBytes l(dados, tamanho);
    if (l.ate(4) == 0) {
        persistencia(l);
    } else {
        conversoes(valor_de(l));
    }
    SeparadorInserido = 0;
    return 0;
}
