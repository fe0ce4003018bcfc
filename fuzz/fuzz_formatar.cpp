// Every published function of Formatar and every validator with arguments drawn from the
// fuzzer's bytes: any mask number, MaxLength, decimal count and flags, and texts of any
// 16-bit units up to 40,000 of them. Besides "no crash, no undefined behaviour", each call is
// held to what the engine documents:
//
// - A failure is an Erro, and only the one the arguments call for: 6 for a text of more than
//   32,767 units handed directly to a routine (the caller's Texto then unchanged), 5 for
//   money with decimal places outside 0 to 9. FormatarTextoEntrada never overflows.
// - Write-backs: Texto becomes its ASCII digit string (money: without leading zeros, "0" for
//   none); ENegativo becomes 1 exactly when the mask is 1 or 2 and the text holds a "-",
//   and is otherwise left alone; a MaxLength of 0 or less becomes 50.
// - Digits of the display text. The shaping routines rebuild the display from the digit
//   string D alone, so its ASCII digits are:
//     DdMmAaaa, HhMmSs, HhMm, DdMm, MmAaaa: the first 8, 6, 4, 4, 6 digits of D (DdMmAaaa of
//       exactly "000000" shows nothing);
//     Telefone, Cep, CNPF, InscricaoEstadual, Numero: all of D;  CNPJ: the first 14;
//     DinheiroTaxa: D without leading zeros, padded with zeros on the left to places + 1
//       digits when it has no more than the places.
//   Through FormatarTextoEntrada, D is taken from Texto cut to MaxLength, and masks 1, 2,
//   11 to 15 then keep the display's last MaxLength characters: its digits are a suffix of
//   the routine's, and all of them when the display came out shorter than MaxLength. The
//   zero fill of an assigned CPF puts up to eleven zeros in front of D; of an assigned CNPJ,
//   the digits are the last 14 of fourteen zeros followed by D, never cut.
// - Only the mask's own separators appear, and SeparadorInserido is raised by the documented
//   rule of each routine; FormatarTextoSaida never touches it.
// - A plain value (FormatarTextoSaida) stands for exactly D / 10^places, in the documented
//   form: full, without leading zeros or trailing fraction zeros, or the exponent form when
//   it has at most 15 significant digits and is below 0.0001 or at least 10^15.
// - The validators never throw and agree with how the documentation composes them.
// - CNPJAlfanumerico (checked on the validators' text): Texto becomes the characters
//   ExtrairCNPJAlfanumerico keeps, the display shows the first 14 of them between CNPJ
//   separators, no flag is raised; CNPJAlfanumericoValido agrees with CNPJValido on fourteen
//   digits and accepts nothing but fourteen characters of the documented kinds.
// - TelefoneDDD: Texto becomes D, the display shows the first 11 digits of D (10 when D does
//   not begin with 0 and its third digit is not 9) with no separators but "(", ")", " " and
//   "-", the flag is raised exactly when one shows; TelefoneValido accepts only 10 or 11
//   digits, and the display of an accepted number is its whole shape.
// - InscricaoEstadualUF (any of the 27 units, an unknown one, or none): only the overflow
//   error; the display holds digits, SP's P, the capitals of ISENTO and separators only, the
//   flag raised exactly when a separator shows; VerificarInscricaoEstadual agrees with
//   InscricaoEstadualValida, and an accepted number shaped again is still accepted.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include <pjtcampovivo/formatting/formatar.hpp>
#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/validation/comuns.hpp>
#include <pjtcampovivo/validation/data_hora.hpp>
#include <pjtcampovivo/validation/inscricao_estadual.hpp>
#include "fuzz/apoio_fuzz.hpp"

namespace pjtCampoVivo {
namespace {

using fuzz::digitos_ascii;
using fuzz::exigir;
using fuzz::LeitorBytes;
using fuzz::mostrar;
using fuzz::numero_do_erro;

constexpr std::size_t Limite16 = 32767;

constexpr int32_t mascaras[] = {0,  1,  2,  3,  4,  5,  6,         7,         8,  9,
                                10, 11, 12, 13, 14, 15, 16,        -1,        99, 1000,
                                2,  1,  13, 14, 3,  11, INT32_MIN, INT32_MAX, 15, 12};
constexpr int16_t maximos[] = {0,  -1, 1,  2,  3,  4,   5,    7,     8,     10,     11,
                               14, 18, 22, 40, 50, 100, 1000, 32767, 32766, -32768, 6};
constexpr int32_t casas_decimais[] = {0, 1, 2, 3, 5, 6, 9, 10, -1, INT32_MIN, INT32_MAX, 2, 2};
constexpr int32_t entradas[] = {0, 1, 0, 1, 2, -1};
constexpr int32_t negativos[] = {0, 0, 0, 1, -1, 2};

std::string numero(std::size_t n) {
    return std::to_string(n);
}

bool tem_menos(std::u16string_view t) {
    return t.find(u'-') != std::u16string_view::npos;
}

bool e_sufixo(std::u16string_view parte, std::u16string_view todo) {
    return parte.size() <= todo.size() && todo.substr(todo.size() - parte.size()) == parte;
}

// Nothing but ASCII digits and the given separators.
bool so_tem(std::u16string_view texto, std::u16string_view separadores) {
    return std::all_of(texto.begin(), texto.end(), [&](char16_t c) {
        return Comuns::e_digito(c) || separadores.find(c) != std::u16string_view::npos;
    });
}

std::u16string sem_zeros_a_esquerda(const std::u16string& d) {
    const auto p = d.find_first_not_of(u'0');
    return p == std::u16string::npos ? std::u16string(u"0") : d.substr(p);
}

bool casas_validas(int32_t casas) {
    return casas >= 0 && casas <= 9;
}

// The digits a money display shows for the digit string t (no leading zeros) and q places.
std::u16string digitos_dinheiro(const std::u16string& t, std::size_t q) {
    if (t.size() <= q) return u"0" + std::u16string(q - t.size(), u'0') + t;
    return t;
}

// ---- The single-argument routines (5 to 14) --------------------------------------------

struct Rotina {
    std::u16string (Formatar::*funcao)(std::u16string&);
    const char* nome;
    std::size_t digitos;  // how many leading digits of D are shown (npos: all)
    std::u16string_view separadores;
    std::size_t cauda;  // documents: digits after the "-"; dates: 0
    bool data;
};

constexpr std::size_t todos = std::u16string::npos;

const Rotina rotinas[] = {
    {&Formatar::DdMmAaaa, "DdMmAaaa", 8, u"/", 0, true},
    {&Formatar::HhMmSs, "HhMmSs", 6, u":", 0, true},
    {&Formatar::HhMm, "HhMm", 4, u":", 0, true},
    {&Formatar::DdMm, "DdMm", 4, u"/", 0, true},
    {&Formatar::MmAaaa, "MmAaaa", 6, u"/", 0, true},
    {&Formatar::Telefone, "Telefone", todos, u".-", 4, false},
    {&Formatar::Cep, "Cep", todos, u".-", 3, false},
    {&Formatar::CNPF, "CNPF", todos, u".-", 2, false},
    {&Formatar::CNPJ, "CNPJ", 14, u"./-", 0, false},
    {&Formatar::InscricaoEstadual, "InscricaoEstadual", todos, u".-", 2, false},
};
const Rotina& DdMmAaaa = rotinas[0];
const Rotina& Telefone = rotinas[5];
const Rotina& CNPF = rotinas[7];
const Rotina& CNPJ = rotinas[8];

// The digits a routine shows for the digit string d.
std::u16string digitos_mostrados(const Rotina& r, const std::u16string& d) {
    if (&r == &DdMmAaaa && d == u"000000") return {};
    return d.substr(0, r.digitos);
}

// Whether the routine raises SeparadorInserido for the digit string d.
bool levanta_flag(const Rotina& r, const std::u16string& d) {
    if (r.data) return d.size() >= 2 && !(&r == &DdMmAaaa && d == u"000000");
    if (&r == &CNPJ) return false;
    if (d.size() <= r.cauda) return false;
    return &r != &Telefone || d.size() - r.cauda >= 4;
}

void verificar_flag(bool esperado, const char* onde) {
    exigir(SeparadorInserido == (esperado ? 1 : 0), onde,
           "SeparadorInserido " + std::to_string(SeparadorInserido) + ", esperado " +
               (esperado ? "1" : "0"));
}

void rotina(Formatar& f, LeitorBytes& l) {
    const Rotina& r = rotinas[l.ate(std::size(rotinas))];
    const std::u16string original = l.texto();
    std::u16string texto = original;
    std::u16string exibido;
    SeparadorInserido = 0;
    const int32_t erro =
        numero_do_erro([&] { exibido = (f.*r.funcao)(texto); }, {numero_erro::Estouro}, r.nome);
    if (original.size() > Limite16) {
        exigir(erro == numero_erro::Estouro, r.nome, "texto longo sem o erro 6");
        exigir(texto == original, r.nome, "Texto mudou com o erro 6");
        verificar_flag(false, r.nome);
        return;
    }
    exigir(erro == 0, r.nome, "erro num texto de " + numero(original.size()) + " unidades");
    const std::u16string d = digitos_ascii(original);
    exigir(texto == d, r.nome, "Texto " + mostrar(texto) + " não é a cadeia de dígitos");
    exigir(digitos_ascii(exibido) == digitos_mostrados(r, d), r.nome,
           "dígitos de " + mostrar(exibido) + " para " + mostrar(original));
    exigir(so_tem(exibido, r.separadores), r.nome, "separador estranho em " + mostrar(exibido));
    verificar_flag(levanta_flag(r, d), r.nome);
}

// ---- Money and numbers ---------------------------------------------------------------

void dinheiro(Formatar& f, LeitorBytes& l) {
    const char* onde = "DinheiroTaxa";
    int32_t mascara = l.enviesado<int32_t>(mascaras);
    int32_t casas = l.enviesado<int32_t>(casas_decimais);
    const int32_t negativo0 = l.enviesado<int32_t>(negativos);
    int32_t negativo = negativo0;
    int32_t entrada = l.enviesado<int32_t>(entradas);
    const bool com_entrada = l.booleano();
    const std::u16string original = l.texto();
    std::u16string texto = original;
    std::u16string exibido;
    SeparadorInserido = 0;
    const int32_t erro = numero_do_erro(
        [&] {
            exibido = com_entrada ? f.DinheiroTaxa(texto, mascara, casas, negativo, entrada)
                                  : f.DinheiroTaxa(texto, mascara, casas, negativo);
        },
        {numero_erro::ArgumentoInvalido, numero_erro::Estouro}, onde);
    if (original.size() > Limite16) {
        exigir(erro == numero_erro::Estouro, onde, "texto longo sem o erro 6");
        exigir(texto == original && negativo == negativo0, onde, "variáveis mudaram com o erro 6");
        return;
    }
    const bool com_sinal = (mascara == 1 || mascara == 2) && tem_menos(original);
    exigir(negativo == (com_sinal ? 1 : negativo0), onde, "ENegativo " + std::to_string(negativo));
    const std::u16string t = sem_zeros_a_esquerda(digitos_ascii(original));
    exigir(texto == t, onde, "Texto " + mostrar(texto));
    if (!casas_validas(casas)) {
        exigir(erro == numero_erro::ArgumentoInvalido, onde, "casas inválidas sem o erro 5");
        return;
    }
    exigir(erro == 0, onde, "erro inesperado");
    exigir(digitos_ascii(exibido) == digitos_dinheiro(t, static_cast<std::size_t>(casas)), onde,
           "dígitos de " + mostrar(exibido));
    exigir(so_tem(exibido, u".,-") && std::count(exibido.begin(), exibido.end(), u',') == 1 &&
               std::count(exibido.begin(), exibido.end(), u'-') == (negativo == 1 ? 1 : 0) &&
               (negativo != 1 || exibido.front() == u'-'),
           onde, "forma de " + mostrar(exibido));
    verificar_flag(true, onde);
}

void numero_agrupado(Formatar& f, LeitorBytes& l) {
    const char* onde = "Numero";
    int32_t mascara = l.enviesado<int32_t>(mascaras);
    const int32_t negativo0 = l.enviesado<int32_t>(negativos);
    int32_t negativo = negativo0;
    int32_t entrada = l.enviesado<int32_t>(entradas);
    const bool com_entrada = l.booleano();
    const std::u16string original = l.texto();
    std::u16string texto = original;
    std::u16string exibido;
    SeparadorInserido = 0;
    const int32_t erro = numero_do_erro(
        [&] {
            exibido = com_entrada ? f.Numero(texto, mascara, negativo, entrada)
                                  : f.Numero(texto, mascara, negativo);
        },
        {numero_erro::Estouro}, onde);
    if (original.size() > Limite16) {
        exigir(erro == numero_erro::Estouro, onde, "texto longo sem o erro 6");
        exigir(texto == original && negativo == negativo0, onde, "variáveis mudaram com o erro 6");
        return;
    }
    exigir(erro == 0, onde, "erro inesperado");
    const bool com_sinal = (mascara == 1 || mascara == 2) && tem_menos(original);
    exigir(negativo == (com_sinal ? 1 : negativo0), onde, "ENegativo " + std::to_string(negativo));
    const std::u16string d = digitos_ascii(original);
    exigir(texto == d, onde, "Texto " + mostrar(texto));
    exigir(digitos_ascii(exibido) == d, onde, "dígitos de " + mostrar(exibido));
    exigir(so_tem(exibido, u".-") &&
               std::count(exibido.begin(), exibido.end(), u'-') == (negativo == 1 ? 1 : 0) &&
               (negativo != 1 || exibido.front() == u'-'),
           onde, "forma de " + mostrar(exibido));
    verificar_flag(d.size() > 3 || negativo == 1, onde);
}

// ---- FormatarTextoEntrada ----------------------------------------------------------------

// The display's digits against the routine's: a suffix, and all of them unless the
// display came out at MaxLength (then the last-characters cut may have dropped some).
void verificar_corte(const std::u16string& exibido, const std::u16string& digitos_rotina,
                     std::size_t maximo, const char* onde) {
    const std::u16string mostrados = digitos_ascii(exibido);
    exigir(exibido.size() <= maximo, onde, "exibido maior que MaxLength");
    exigir(e_sufixo(mostrados, digitos_rotina), onde,
           "dígitos de " + mostrar(exibido) + " não são sufixo de " + mostrar(digitos_rotina));
    if (exibido.size() < maximo) {
        exigir(mostrados == digitos_rotina, onde,
               "dígitos perdidos sem corte em " + mostrar(exibido));
    }
}

void entrada(Formatar& f, LeitorBytes& l) {
    const char* onde = "FormatarTextoEntrada";
    // How many of the six parameters are passed: the shorter overloads count the rest as 0.
    const std::size_t parametros = 1 + l.ate(6);
    int32_t mascara = parametros >= 2 ? l.enviesado<int32_t>(mascaras) : 0;
    int16_t maximo = parametros >= 3 ? l.enviesado<int16_t>(maximos) : int16_t{0};
    int32_t casas = parametros >= 4 ? l.enviesado<int32_t>(casas_decimais) : 0;
    const int32_t negativo0 = parametros >= 5 ? l.enviesado<int32_t>(negativos) : 0;
    int32_t negativo = negativo0;
    int32_t entrada_de = parametros >= 6 ? l.enviesado<int32_t>(entradas) : 0;
    const std::u16string original = l.texto();
    std::u16string texto = original;
    std::u16string exibido;
    const int16_t maximo0 = maximo;
    SeparadorInserido = 0;
    const int32_t erro = numero_do_erro(
        [&] {
            switch (parametros) {
                case 1:
                    exibido = f.FormatarTextoEntrada(texto);
                    break;
                case 2:
                    exibido = f.FormatarTextoEntrada(texto, mascara);
                    break;
                case 3:
                    exibido = f.FormatarTextoEntrada(texto, mascara, maximo);
                    break;
                case 4:
                    exibido = f.FormatarTextoEntrada(texto, mascara, maximo, casas);
                    break;
                case 5:
                    exibido = f.FormatarTextoEntrada(texto, mascara, maximo, casas, negativo);
                    break;
                default:
                    exibido =
                        f.FormatarTextoEntrada(texto, mascara, maximo, casas, negativo, entrada_de);
                    break;
            }
        },
        {numero_erro::ArgumentoInvalido}, onde);

    const int16_t efetivo = maximo0 <= 0 ? int16_t{50} : maximo0;
    if (parametros >= 3) exigir(maximo == efetivo, onde, "MaxLength " + std::to_string(maximo));
    const auto max = static_cast<std::size_t>(efetivo);
    const std::u16string cortado = original.substr(0, max);
    const std::u16string d = digitos_ascii(cortado);
    const bool com_sinal = (mascara == 1 || mascara == 2) && tem_menos(cortado);
    const std::string m = " (parâmetros " + numero(parametros) + ", máscara " +
                          std::to_string(mascara) + ", MaxLength " + std::to_string(maximo0) +
                          ", casas " + std::to_string(casas) + ", ENegativo " +
                          std::to_string(negativo0) + ", entrada " + std::to_string(entrada_de) +
                          ", texto " + mostrar(original) + ")";
    // The shorter overloads keep ENegativo in a variable of their own, started at 0.
    const int32_t negativo_interno = com_sinal ? 1 : negativo0;
    if (parametros >= 5) {
        exigir(negativo == negativo_interno, onde, "ENegativo " + std::to_string(negativo) + m);
    }
    if (mascara == 1 && !casas_validas(casas)) {
        exigir(erro == numero_erro::ArgumentoInvalido, onde, "casas inválidas sem o erro 5");
        exigir(texto == sem_zeros_a_esquerda(d), onde, "Texto " + mostrar(texto));
        return;
    }
    exigir(erro == 0, onde, "erro inesperado");

    const auto rotina_da_mascara = [&]() -> const Rotina* {
        switch (mascara) {
            case 3:
            case 4:
            case 5:
            case 6:
            case 7:
                return &rotinas[mascara - 3];
            case 11:
                return &rotinas[5];
            case 12:
                return &rotinas[6];
            case 13:
                return &rotinas[7];
            case 14:
                return &rotinas[8];
            case 15:
                return &rotinas[9];
            default:
                return nullptr;
        }
    };

    if (mascara == 1) {
        const std::u16string t = sem_zeros_a_esquerda(d);
        exigir(texto == t, onde, "Texto " + mostrar(texto));
        verificar_corte(exibido, digitos_dinheiro(t, static_cast<std::size_t>(casas)), max, onde);
        exigir(so_tem(exibido, u".,-"), onde, "separador estranho em " + mostrar(exibido));
        verificar_flag(true, onde);
    } else if (mascara == 2) {
        exigir(texto == d, onde, "Texto " + mostrar(texto));
        verificar_corte(exibido, d, max, onde);
        exigir(so_tem(exibido, u".-"), onde, "separador estranho em " + mostrar(exibido));
        verificar_flag(d.size() > 3 || negativo_interno == 1, onde);
    } else if ((mascara == 13 || mascara == 14) && entrada_de == 1 && !d.empty()) {
        // Zero fill: Texto is left as cut.
        exigir(texto == cortado, onde, "Texto mudou no preenchimento com zeros");
        if (mascara == 13) {
            const std::u16string completo =
                std::u16string(std::min<std::size_t>(11, Limite16 - d.size()), u'0') + d;
            verificar_corte(exibido, completo, max, onde);
            exigir(so_tem(exibido, u".-"), onde, "separador estranho em " + mostrar(exibido));
            verificar_flag(levanta_flag(CNPF, completo), onde);
        } else {
            const std::u16string completo = std::u16string(14, u'0') + d;
            exigir(digitos_ascii(exibido) == completo.substr(completo.size() - 14), onde,
                   "CNPJ completado " + mostrar(exibido));
            exigir(so_tem(exibido, u"./-"), onde, "separador estranho em " + mostrar(exibido));
            verificar_flag(false, onde);
        }
    } else if (const Rotina* r = rotina_da_mascara()) {
        exigir(texto == d, onde, "Texto " + mostrar(texto));
        if (r->data) {
            // Dates and times are cut before they are shaped, never after.
            exigir(digitos_ascii(exibido) == digitos_mostrados(*r, d), onde,
                   "dígitos de " + mostrar(exibido));
        } else {
            verificar_corte(exibido, digitos_mostrados(*r, d), max, onde);
        }
        exigir(so_tem(exibido, r->separadores), onde, "separador estranho em " + mostrar(exibido));
        verificar_flag(levanta_flag(*r, d), onde);
    } else if (mascara == 0 || mascara == 8 || mascara == 9 || mascara == 10) {
        exigir(texto == cortado && exibido == cortado, onde, "texto livre alterado");
        verificar_flag(false, onde);
    } else {
        exigir(texto == cortado && exibido.empty(), onde, "máscara desconhecida mostrou algo");
        verificar_flag(false, onde);
    }
}

// ---- FormatarTextoSaida --------------------------------------------------------------------

// valor (after the sign) must stand for exactly digitos / 10^casas in the plain form.
void verificar_decimal(std::u16string_view valor, const std::u16string& digitos, int32_t casas,
                       bool negativo, const char* onde) {
    const std::string mensagem =
        mostrar(valor) + " para " + mostrar(digitos) + " / 10^" + std::to_string(casas);
    if (negativo) {
        exigir(!valor.empty() && valor.front() == u'-', onde, "sem sinal: " + mensagem);
        valor.remove_prefix(1);
    }
    const auto primeiro = digitos.find_first_not_of(u'0');
    if (primeiro == std::u16string::npos) {
        exigir(valor == u"0", onde, "zero: " + mensagem);
        return;
    }
    // Reference: significant digits and the decimal exponent of the leading one.
    const std::u16string s = digitos.substr(primeiro);
    const std::u16string significativos = s.substr(0, s.find_last_not_of(u'0') + 1);
    const int64_t expoente = static_cast<int64_t>(s.size()) - 1 - casas;
    const bool forma_expoente = significativos.size() <= 15 && (expoente < -4 || expoente >= 15);

    const auto e = valor.find(u'E');
    if (forma_expoente) {
        exigir(e != std::u16string_view::npos, onde, "sem expoente: " + mensagem);
        const std::u16string_view mantissa = valor.substr(0, e);
        std::u16string_view exp = valor.substr(e + 1);
        std::u16string m;
        m += mantissa.substr(0, 1);
        if (mantissa.size() > 1) {
            exigir(mantissa[1] == u',', onde, "mantissa: " + mensagem);
            m += mantissa.substr(2);
        }
        exigir(m == significativos && so_tem(m, u""), onde, "mantissa: " + mensagem);
        exigir(exp.size() >= 3 && (exp[0] == u'+' || exp[0] == u'-'), onde,
               "expoente: " + mensagem);
        const bool exp_negativo = exp[0] == u'-';
        exp.remove_prefix(1);
        exigir(so_tem(exp, u"") && (exp.size() == 2 || exp[0] != u'0'), onde,
               "expoente: " + mensagem);
        int64_t lido = 0;
        for (const char16_t c : exp) lido = lido * 10 + (c - u'0');
        exigir((exp_negativo ? -lido : lido) == expoente && (lido != 0 || !exp_negativo), onde,
               "valor do expoente: " + mensagem);
        return;
    }
    exigir(e == std::u16string_view::npos, onde, "expoente indevido: " + mensagem);
    const auto virgula = valor.find(u',');
    const std::u16string_view inteira = valor.substr(0, virgula);
    const std::u16string_view fracao =
        virgula == std::u16string_view::npos ? std::u16string_view() : valor.substr(virgula + 1);
    exigir(!inteira.empty() && so_tem(inteira, u"") && so_tem(fracao, u"") &&
               (inteira.size() == 1 || inteira[0] != u'0') &&
               (virgula == std::u16string_view::npos || (!fracao.empty() && fracao.back() != u'0')),
           onde, "forma plana: " + mensagem);
    // Same value: the same significant digits, the last one at the same power of ten.
    std::u16string todos_digitos(inteira);
    todos_digitos += fracao;
    const auto p = todos_digitos.find_first_not_of(u'0');
    exigir(p != std::u16string::npos, onde, "zero indevido: " + mensagem);
    const std::u16string lidos = todos_digitos.substr(p);
    const std::u16string sig_lidos = lidos.substr(0, lidos.find_last_not_of(u'0') + 1);
    const int64_t ultimo_lido =
        static_cast<int64_t>(lidos.size() - sig_lidos.size()) - static_cast<int64_t>(fracao.size());
    const int64_t ultimo = static_cast<int64_t>(s.size() - significativos.size()) - casas;
    exigir(sig_lidos == significativos && ultimo_lido == ultimo, onde, "valor: " + mensagem);
}

void saida(Formatar& f, LeitorBytes& l) {
    const char* onde = "FormatarTextoSaida";
    int32_t mascara = l.enviesado<int32_t>(mascaras);
    int32_t casas = l.enviesado<int32_t>(casas_decimais);
    const int32_t flag = l.booleano() ? 1 : 0;
    const std::u16string original = l.texto();
    std::u16string texto = original;
    std::u16string valor;
    SeparadorInserido = flag;
    const int32_t erro =
        numero_do_erro([&] { valor = f.FormatarTextoSaida(texto, mascara, casas); },
                       {numero_erro::ArgumentoInvalido, numero_erro::Estouro}, onde);
    exigir(SeparadorInserido == flag, onde, "SeparadorInserido mexido");
    if (original.empty()) {
        exigir(erro == 0 && valor.empty() && texto.empty(), onde, "texto vazio");
        return;
    }
    const bool extrai = mascara == 1 || mascara == 2 || (mascara >= 8 && mascara <= 15);
    if (!extrai) {
        exigir(erro == 0 && valor == original && texto == original, onde, "texto não mantido");
        return;
    }
    if (original.size() > Limite16) {
        exigir(erro == numero_erro::Estouro, onde, "texto longo sem o erro 6");
        exigir(texto == original, onde, "Texto mudou com o erro 6");
        return;
    }
    const std::u16string d = digitos_ascii(original);
    if (mascara == 1) {
        exigir(texto == d, onde, "Texto " + mostrar(texto));
        if (!casas_validas(casas)) {
            exigir(erro == numero_erro::ArgumentoInvalido, onde, "casas inválidas sem o erro 5");
            return;
        }
        exigir(erro == 0, onde, "erro inesperado");
        verificar_decimal(valor, d, casas, tem_menos(original), onde);
        return;
    }
    exigir(erro == 0, onde, "erro inesperado");
    exigir(texto == original, onde, "Texto mudou");
    verificar_decimal(valor, d, 0, mascara == 2 && tem_menos(original), onde);
}

// ---- Validators ------------------------------------------------------------------------------

std::u16string_view parte(std::u16string_view t, std::size_t posicao, std::size_t tamanho) {
    if (posicao > t.size()) return {};
    return t.substr(posicao - 1, tamanho);
}

// The number at the start of t as the C library reads the same characters: t cut at the
// first character that cannot belong to a blank-sign-digits-point number, so no exponent,
// hexadecimal or "inf" is read.
double referencia_valor(std::u16string_view t) {
    std::string ascii;
    for (const char16_t c : t) {
        if (std::u16string_view(u" \t+-.0123456789").find(c) == std::u16string_view::npos) break;
        ascii.push_back(static_cast<char>(c));
    }
    return std::strtod(ascii.c_str(), nullptr);
}

void datas(LeitorBytes& l) {
    const char* onde = "DataHora";
    const std::u16string t = l.texto(1200);
    bool dia = false, mes = false, ano = false, bissexto = false, ddmm = false, mmaaaa = false,
         completa = false, numerico = false;
    double v = 0;
    numero_do_erro(
        [&] {
            dia = DataHora::DiaValido(t);
            mes = DataHora::MesValido(t);
            ano = DataHora::AnoValido(t);
            bissexto = DataHora::AnoBissexto(t);
            ddmm = DataHora::DdMmValido(t);
            mmaaaa = DataHora::MmAaaaValido(t);
            completa = DataHora::DdMmAaaaValido(t);
            numerico = DataHora::e_numerico(t);
            v = DataHora::valor(t);
        },
        {}, onde);
    const std::string m = " para " + mostrar(t);
    const double r = referencia_valor(t);
    exigir(v == r, onde,
           "valor " + std::to_string(v) + " e a leitura da biblioteca C " + std::to_string(r) + m);
    exigir(dia == (numerico && t.size() >= 2 && v >= 1 && v <= 31), onde, "DiaValido" + m);
    exigir(mes == (numerico && t.size() >= 2 && v >= 1 && v <= 12), onde, "MesValido" + m);
    exigir(ano == (numerico && t.size() >= 4 && v >= 1), onde, "AnoValido" + m);
    exigir(!bissexto || ano, onde, "AnoBissexto sem AnoValido" + m);

    const auto vdia = parte(t, 1, 2), vmes = parte(t, 4, 2), vano = parte(t, 7, 4);
    const bool partes_dm = DataHora::DiaValido(vdia) && DataHora::MesValido(vmes);
    const double d = DataHora::valor(vdia), me = DataHora::valor(vmes);
    const double curto = (me == 4 || me == 6 || me == 9 || me == 11) ? 30 : 31;
    exigir(ddmm == (partes_dm && d <= (me == 2 ? 29 : curto)), onde, "DdMmValido" + m);
    exigir(mmaaaa == (DataHora::MesValido(parte(t, 1, 2)) && DataHora::AnoValido(parte(t, 4, 4))),
           onde, "MmAaaaValido" + m);
    const double limite = me == 2 ? (DataHora::AnoBissexto(vano) ? 29 : 28) : curto;
    exigir(completa == (partes_dm && DataHora::AnoValido(vano) && d <= limite), onde,
           "DdMmAaaaValido" + m);
}

// The check digit of both taxpayer numbers, as published.
int digito_verificador(int soma) {
    const int d = 11 - soma % 11;
    return d >= 10 ? 0 : d;
}

// The alphanumeric CNPJ: its characters, its shape and its check digits.
void cnpj_alfanumerico(Formatar& f, const std::u16string& t) {
    const char* onde = "CNPJAlfanumerico";
    std::u16string texto = t;
    std::u16string exibido;
    SeparadorInserido = 0;
    const int32_t erro =
        numero_do_erro([&] { exibido = f.CNPJAlfanumerico(texto); }, {numero_erro::Estouro}, onde);
    verificar_flag(false, onde);
    if (t.size() > Limite16) {
        exigir(erro == numero_erro::Estouro && texto == t, onde, "texto longo sem o erro 6");
        return;
    }
    const std::u16string c = Comuns::ExtrairCNPJAlfanumerico(t);
    exigir(texto == c, onde, "Texto " + mostrar(texto) + " para " + mostrar(t));
    for (std::size_t i = 0; i < c.size(); ++i) {
        const bool letra = c[i] >= u'A' && c[i] <= u'Z';
        exigir(Comuns::e_digito(c[i]) || (letra && i < 12), onde, "caractere em " + mostrar(c));
    }
    std::u16string mostrados;
    for (const char16_t x : exibido) {
        if (x != u'.' && x != u'/' && x != u'-') mostrados.push_back(x);
    }
    exigir(mostrados == c.substr(0, 14), onde, "exibido " + mostrar(exibido));

    bool valido = false;
    numero_do_erro([&] { valido = Comuns::CNPJAlfanumericoValido(t); }, {}, onde);
    if (t.size() == 14 && so_tem(t, u"")) {
        exigir(valido == Comuns::CNPJValido(t), onde, "difere de CNPJValido em " + mostrar(t));
    }
    if (valido) exigir(c == t && t.size() == 14, onde, "aceito " + mostrar(t));
}

// The telephone number with its area code: its digits, its shape, its check.
void telefone_ddd(Formatar& f, const std::u16string& t) {
    const char* onde = "TelefoneDDD";
    std::u16string texto = t;
    std::u16string exibido;
    SeparadorInserido = 0;
    const int32_t erro =
        numero_do_erro([&] { exibido = f.TelefoneDDD(texto); }, {numero_erro::Estouro}, onde);
    if (t.size() > Limite16) {
        exigir(erro == numero_erro::Estouro && texto == t, onde, "texto longo sem o erro 6");
        return;
    }
    const std::u16string d = digitos_ascii(t);
    exigir(texto == d, onde, "Texto " + mostrar(texto) + " para " + mostrar(t));
    const std::size_t cabem =
        !d.empty() && d[0] != u'0' && (d.size() < 3 || d[2] != u'9') ? 10 : 11;
    std::u16string mostrados;
    bool separador = false;
    for (const char16_t x : exibido) {
        if (Comuns::e_digito(x)) {
            mostrados.push_back(x);
        } else {
            exigir(x == u'(' || x == u')' || x == u' ' || x == u'-', onde,
                   "separador em " + mostrar(exibido));
            separador = true;
        }
    }
    exigir(mostrados == d.substr(0, cabem), onde, "exibido " + mostrar(exibido));
    verificar_flag(separador, onde);

    bool valido = false;
    numero_do_erro([&] { valido = Comuns::TelefoneValido(t); }, {}, onde);
    if (valido) {
        exigir(t == d && (d.size() == 10 || d.size() == 11), onde, "aceito " + mostrar(t));
        // "(11) 91234-5678" and "(11) 3456-7890" add four separators; "0800 123 4567" two.
        const std::size_t tamanho = d[0] == u'0' ? 13 : d.size() + 4;
        exigir(exibido.size() == tamanho, onde, "forma de " + mostrar(t) + ": " + mostrar(exibido));
    }
}

// A registration number of a unit: its shape, its check, and the two together.
void inscricao_estadual(Formatar& f, const std::u16string& t, std::u16string uf) {
    const char* onde = "InscricaoEstadualUF";
    std::u16string texto = t;
    std::u16string exibido;
    SeparadorInserido = 0;
    const int32_t erro = numero_do_erro([&] { exibido = f.InscricaoEstadualUF(texto, uf); },
                                        {numero_erro::Estouro}, onde);
    if (t.size() > Limite16) {
        exigir(erro == numero_erro::Estouro && texto == t, onde, "texto longo sem o erro 6");
        return;
    }
    bool separador = false;
    for (const char16_t x : exibido) {
        if (Comuns::e_digito(x) || x == u'P' ||
            std::u16string_view(u"ISENTO").find(x) != std::u16string_view::npos)
            continue;
        exigir(x == u'.' || x == u'-' || x == u'/', onde, "caractere em " + mostrar(exibido));
        separador = true;
    }
    verificar_flag(separador, onde);

    Comuns::ResultadoInscricaoEstadual r{};
    bool valida = false;
    numero_do_erro(
        [&] {
            r = Comuns::VerificarInscricaoEstadual(t, uf);
            valida = Comuns::InscricaoEstadualValida(t, uf);
        },
        {}, onde);
    using R = Comuns::ResultadoInscricaoEstadual;
    exigir(valida == (r == R::Valida || r == R::Isenta), onde, "resultados para " + mostrar(t));
    exigir(!Comuns::NomeResultado(r).empty(), onde, "resultado sem nome");
    if (valida) {
        std::u16string de_novo = t;
        const std::u16string moldado = f.InscricaoEstadualUF(de_novo, uf);
        exigir(Comuns::InscricaoEstadualValida(moldado, uf), onde,
               "aceito " + mostrar(t) + " mas não " + mostrar(moldado));
    }
}

void comuns(Formatar& f, LeitorBytes& l) {
    const char* onde = "Comuns";
    const int32_t mascara = l.enviesado<int32_t>(mascaras);
    const int32_t negativo0 = l.enviesado<int32_t>(negativos);
    const std::u16string t = l.texto();

    int32_t negativo = negativo0;
    std::u16string d;
    int32_t erro = numero_do_erro([&] { d = Comuns::ExtrairDigitos(t, mascara, negativo); },
                                  {numero_erro::Estouro}, onde);
    std::u16string no_lugar = t;
    int32_t negativo_no_lugar = negativo0;
    const int32_t erro_no_lugar =
        numero_do_erro([&] { Comuns::ExtrairDigitosNoLugar(no_lugar, mascara, negativo_no_lugar); },
                       {numero_erro::Estouro}, onde);
    if (t.size() > Limite16) {
        exigir(erro == numero_erro::Estouro && erro_no_lugar == numero_erro::Estouro, onde,
               "texto longo sem o erro 6");
        exigir(no_lugar == t && negativo == negativo0 && negativo_no_lugar == negativo0, onde,
               "variáveis mudaram com o erro 6");
    } else {
        exigir(erro == 0 && erro_no_lugar == 0, onde, "erro inesperado");
        const bool com_sinal = (mascara == 1 || mascara == 2) && tem_menos(t);
        exigir(d == digitos_ascii(t) && no_lugar == d, onde, "dígitos de " + mostrar(t));
        exigir(negativo == (com_sinal ? 1 : negativo0) && negativo_no_lugar == negativo, onde,
               "ENegativo");
    }

    bool cpf = false, cnpj = false;
    numero_do_erro(
        [&] {
            cpf = Comuns::CPFValido(t);
            cnpj = Comuns::CNPJValido(t);
        },
        {}, onde);
    const std::string m = " para " + mostrar(t);

    // CNPJ: positions 13 and 14 check 1 to 12; missing or non-digit positions read 0.
    const auto posicao = [&](std::size_t i) {
        return i < t.size() && Comuns::e_digito(t[i]) ? t[i] - u'0' : 0;
    };
    static constexpr int pesos[] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    int s1 = 0, s2 = 0;
    for (std::size_t i = 0; i < 12; ++i) {
        s1 += pesos[i + 1] * posicao(i);
        s2 += pesos[i] * posicao(i);
    }
    s2 += pesos[12] * posicao(12);
    exigir(cnpj == (digito_verificador(s1) == posicao(12) && digito_verificador(s2) == posicao(13)),
           onde, "CNPJValido" + m);

    // CPF: 11 characters once trimmed of blanks; for eleven digits, the published rule.
    const auto inicio = t.find_first_not_of(u' ');
    const std::u16string_view aparado =
        inicio == std::u16string::npos
            ? std::u16string_view()
            : std::u16string_view(t).substr(inicio, t.find_last_not_of(u' ') - inicio + 1);
    if (aparado.size() != 11) {
        exigir(!cpf, onde, "CPFValido com tamanho errado" + m);
    } else if (so_tem(aparado, u"")) {
        int a = 0, b = 0;
        for (std::size_t j = 0; j < 9; ++j) a += (aparado[j] - u'0') * static_cast<int>(10 - j);
        for (std::size_t j = 0; j < 10; ++j) b += (aparado[j] - u'0') * static_cast<int>(11 - j);
        const bool repetido = aparado.find_first_not_of(aparado[0]) == std::u16string_view::npos;
        const bool esperado = !repetido && digito_verificador(a) == aparado[9] - u'0' &&
                              digito_verificador(b) == aparado[10] - u'0';
        exigir(cpf == esperado, onde, "CPFValido" + m);
    }
    cnpj_alfanumerico(f, t);
    telefone_ddd(f, t);
    const std::size_t n = l.ate(Comuns::QuantidadeUF + 2);
    inscricao_estadual(f, t,
                       n < Comuns::QuantidadeUF    ? std::u16string(Comuns::SiglasUF()[n])
                       : n == Comuns::QuantidadeUF ? std::u16string(u"XX")
                                                   : std::u16string());
}

}  // namespace
}  // namespace pjtCampoVivo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
    using namespace pjtCampoVivo;
    fuzz::LeitorBytes l(dados, tamanho);
    Formatar f;
    switch (l.ate(7)) {
        case 0:
            entrada(f, l);
            break;
        case 1:
            saida(f, l);
            break;
        case 2:
            dinheiro(f, l);
            break;
        case 3:
            numero_agrupado(f, l);
            break;
        case 4:
            rotina(f, l);
            break;
        case 5:
            datas(l);
            break;
        default:
            comuns(f, l);
            break;
    }
    SeparadorInserido = 0;
    return 0;
}
